// SPDX-License-Identifier: GPL-3.0-or-later
// CarList: the cars of one garage session, as a list model with one row per
// car, and the one place where they change.
//
// In: cars opened from files, new cars, values typed into the form or set
// by a slider, names, what-if variants. Out: each car's values (the number
// every view reads, beside the text a file keeps), its evaluation by the
// engine, and the standard model signals. Every change goes through the
// list's undo stack as a command, so each can be undone; whether a car has
// unsaved changes follows from that history. The list also holds the one
// selection whose current row is the car the user is working on. The window's
// views, the comparison table, the curves and the proxies all read it.
#pragma once

#include "core/CarInputs.h"
#include "core/RoadKeys.h"
#include "garage/CarEvaluation.h"

#include <QAbstractListModel>
#include <QColor>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QItemSelectionModel;
class QUndoStack;

// A car's nine values: the numbers, and the text of each value that was
// typed or read from a file. A value set from a number (a slider, a reset)
// has no text of its own; its text is the shortest one that reads back as
// the same number, made only when a file or an export asks for it.
struct CarValues {
    CarInputs numbers;
    CarTexts typed;         // the typed texts of the fields in `typedFields`
    unsigned typedFields = 0; // one bit per field, by InputField
    // The lines after the nine values (the road keys) exactly as the file
    // held them, a bad key's line too, so that a save writes them back as
    // read. They travel with the values, through every edit and its undo.
    // Changed only through SetRoadLines and SetRoadText, which keep the
    // keys below in step.
    QString roadLines;
    // The road keys those lines give the road model: every line that reads
    // as a known key with a good value (the last line of a key wins), and
    // the message of the first line that does not, empty when all do. The
    // one place where the evaluation and the pages find a car's road keys.
    RoadKeys roadKeys;
    QString roadProblem;

    // Both texts and numbers, read from a file or typed: each text is
    // converted once, as the program reads its boxes.
    static CarValues FromTexts(const CarTexts& texts, const QString& roadLines = QString());
    static CarValues FromNumbers(const CarInputs& numbers);

    bool HasTypedText(InputField field) const { return (typedFields >> static_cast<int>(field)) & 1U; }
    QString Text(InputField field) const;
    CarTexts Texts() const;
    void SetTyped(InputField field, const QString& text);
    void SetNumber(InputField field, double value);
    void SetRoadLines(const QString& lines);
    // The value text of a road key's line as it stands (the last line of
    // the key), empty when the car leaves the key out.
    QString RoadText(RoadKey key) const;
    // Sets a road key's value text, in the classic units: its first line is
    // rewritten (any other line of it goes) or a new line is added at the
    // end; every other line stays byte for byte. An empty text removes the
    // key. A bad value is kept as typed, as a typed value of the nine is,
    // and named by roadProblem.
    void SetRoadText(RoadKey key, const QString& text);
    // The same texts and the very same doubles, bit for bit.
    bool SameAs(const CarValues& other) const;
};

// When a file was last changed and how long it was, to tell whether someone
// else changed it since the garage read or wrote it.
struct FileStamp {
    QDateTime modified;
    qint64 size = -1;
    bool operator==(const FileStamp&) const = default;
    // The file's stamp now; an empty stamp when there is no such file.
    static FileStamp Of(const QString& path);
    bool IsEmpty() const { return size < 0; }
};

struct GarageCar {
    int id = 0;          // stable while the session lasts
    QString name;        // shown in the list, the table's header and the legend
    QString path;        // the file it came from or was saved to; empty if none
    FileStamp stamp;     // the file's stamp when it was read or written
    CarValues values;
    int variantOf = 0;   // the id of the car a what-if variant was made from; 0 for none
    // Never null. Shared and never changed: a new evaluation replaces it, so
    // one a view holds stays whole while the list changes.
    std::shared_ptr<const CarEvaluation> evaluation;
    // The history of its saved values: the edit that made them and the one
    // the file holds (see CarList::IsUnsaved).
    std::uint64_t state = 0;
    std::uint64_t savedState = 0;

    const CarInputs& Inputs() const { return values.numbers; }
    CarTexts Texts() const { return values.Texts(); }
    const RoadKeys& Road() const { return values.roadKeys; }
    bool IsVariant() const { return variantOf != 0; }
};

// The colour a car's list entry, column and curves share, by the car's id.
QColor CarColour(int carId);

class CarList : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        IdRole = Qt::UserRole + 1, // int
        NameRole,                  // QString, without the unsaved marker
        ColourRole,                // QColor
        FileRole,                  // QString, the absolute path or empty
        TextsRole,                 // CarTexts, as a file keeps them
        InputsRole,                // CarInputs
        EvaluationRole,            // std::shared_ptr<const CarEvaluation>, never null
        IsVariantRole,             // bool
        BaseIdRole,                // int, the id of a variant's base car; 0 for none
        UnsavedRole,               // bool
        RoadKeysRole,              // RoadKeys, the car's road keys (CarValues::roadKeys)
    };

    explicit CarList(QObject* parent = nullptr);
    ~CarList() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

    int Count() const { return static_cast<int>(cars.size()); }
    const GarageCar& At(int row) const { return cars.at(static_cast<std::size_t>(row)); }
    int RowOf(int id) const; // -1 when no such car
    // The one unsaved rule: a car (never a what-if variant) whose values
    // differ from what it was opened or last saved with, or a kept variant
    // that was never saved.
    bool IsUnsaved(int row) const;
    QList<int> UnsavedRows() const;
    // The row of the variant made from the car in `baseRow`, or -1.
    int VariantRowOf(int baseRow) const;

    // The day's air every car runs in; a change runs every car again. Not
    // an edit of any car, so not undoable.
    const AirFigures& Air() const { return air; }
    void SetAir(const AirConditions& conditions);

    QUndoStack* UndoStack() const { return undoStack; }
    // The car the user is working on: the current row of this selection.
    QItemSelectionModel* Selection() const { return selection; }
    int CurrentRow() const;
    void SetCurrentRow(int row);
    // The current car, or the base car of a current what-if variant; -1
    // for none.
    int CurrentBaseRow() const;

    // Each edit below is one undoable command. Edits with the same non-zero
    // `session` of the same car and field (one slider drag, one stretch of
    // typing in a box) merge into one command; a fresh session comes from
    // NewSession().
    int NewSession() { return ++lastSession; }
    // Adds a car and makes it current; returns its row.
    int AddCar(const QString& name, const CarTexts& texts, const QString& path = QString(),
               const QString& roadLines = QString());
    // Closes the car. Its what-if variant goes with it, unless it differs
    // from the car: then it stays as a car of its own.
    void CloseCar(int row);
    // A value typed in the classic units, as a file would keep it.
    void EditText(int row, InputField field, const QString& text, int session = 0);
    // A value set from a number, as a slider sets it.
    void EditNumber(int row, InputField field, double value, int session = 0);
    // Every value at once, from numbers; the car keeps its road lines.
    void EditNumbers(int row, const CarInputs& numbers);
    // Every value at once, typed (or read from a file, with its road lines).
    void EditTexts(int row, const CarTexts& texts, const QString& roadLines);
    // A road key's value text typed in the classic units (CarValues::
    // SetRoadText); an empty text leaves the key to its typical value.
    void EditRoadText(int row, RoadKey key, const QString& text, int session = 0);
    // Any value back to exactly what it is in `values` (texts and doubles).
    void RestoreValue(int row, InputField field, const CarValues& values, int session = 0);
    void Rename(int row, const QString& name, int session = 0);
    // A variant of the car in `baseRow` with one value changed, as one
    // command; returns the variant's row.
    int StartVariant(int baseRow, InputField field, double value, int session = 0);
    // Makes a variant a car of its own.
    void KeepVariant(int row);

    // After a save (or a reload): the car belongs to `path`, has no unsaved
    // changes, and knows the file's stamp. Not an edit, so not undoable.
    void MarkSaved(int row, const QString& path);
    // The road lines as a save wrote them (with the car's identity added):
    // what the file now holds, so not an edit either.
    void SetSavedRoadLines(int row, const QString& roadLines);

private:
    friend class CarCommand;
    // The primitive changes the commands make; each tells the views.
    std::uint64_t NextState() { return ++lastState; }
    void insertCar(int row, GarageCar car);
    GarageCar takeCar(int row);
    void setValues(int id, const CarValues& values, std::uint64_t state);
    void setName(int id, const QString& name);
    void setVariantOf(int id, int baseId, const QString& name, std::uint64_t savedState);
    void setState(int id, std::uint64_t state);
    void carChanged(int row, const QList<int>& roles);
    GarageCar newCar(const QString& name, const CarValues& values, const QString& path);
    // The one place a car is evaluated: its values, road keys included, on
    // the day's air.
    std::shared_ptr<const CarEvaluation> evaluationOf(const CarValues& values) const;
    // "Base car (variant)": the name a variant keeps as a car of its own.
    QString keptName(const GarageCar& variant) const;

    std::vector<GarageCar> cars;
    AirFigures air = FiguresFor(AirConditions());
    QUndoStack* undoStack;
    QItemSelectionModel* selection;
    int nextId = 1;
    int lastSession = 0;
    std::uint64_t lastState = 0;
};

Q_DECLARE_METATYPE(std::shared_ptr<const CarEvaluation>)
Q_DECLARE_METATYPE(CarTexts)
Q_DECLARE_METATYPE(CarInputs)
Q_DECLARE_METATYPE(RoadKeys)
