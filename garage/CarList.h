// CarList: the cars of one garage session and what the engine made of each.
//
// In: cars opened from files, new cars, typed texts, what-if variants. Out:
// each car's texts (as they would be saved) and its evaluation, kept up to
// date whenever a text changes, and signals that tell the views what
// changed. The windows, the comparison table and the curves all read the
// cars from one CarList that the program object owns.
#pragma once

#include "core/CarInputs.h"
#include "garage/CarEvaluation.h"

#include <QObject>
#include <QString>

#include <vector>

struct GarageCar {
    int id = 0;          // stable while the session lasts
    QString name;        // shown in the table's header and the legend
    QString path;        // the file it came from or was saved to; empty if none
    CarTexts texts;      // the nine texts in the classic units, as saved
    bool modified = false;
    int variantOf = -1;  // the id of the car a what-if variant was made from
    CarEvaluation evaluation;

    bool IsVariant() const { return variantOf >= 0; }
};

class CarList : public QObject
{
    Q_OBJECT

public:
    explicit CarList(QObject* parent = nullptr);

    int Count() const { return static_cast<int>(cars.size()); }
    const GarageCar& At(int index) const { return cars.at(static_cast<std::size_t>(index)); }
    int IndexOf(int id) const; // -1 when no such car

    // Each returns the new car's index.
    int Add(const QString& name, const CarTexts& texts, const QString& path = QString());
    int AddVariant(int baseIndex);
    void Remove(int index);

    void SetText(int index, InputField field, const QString& text);
    void SetTexts(int index, const CarTexts& texts);
    // Sets the texts from numbers, each written so that it reads back as
    // the very same double.
    void SetInputs(int index, const CarInputs& inputs);
    void SetName(int index, const QString& name);
    // After a save: the car now belongs to `path` and has no unsaved edits.
    void MarkSaved(int index, const QString& path);
    // Makes a variant an ordinary car of its own.
    void Detach(int index);

    // The texts that give exactly these numbers.
    static CarTexts TextsFor(const CarInputs& inputs);

signals:
    // Around a change in the number or order of the cars.
    void aboutToChangeList();
    void listChanged();
    // A car's texts, name, file or evaluation changed.
    void carChanged(int index);

private:
    void evaluate(GarageCar& car);

    std::vector<GarageCar> cars;
    int nextId = 1;
};
