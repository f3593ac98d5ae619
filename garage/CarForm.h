// CarForm: the nine inputs of one car, in the units the user chose. Each
// box is checked as it is typed with the classic program's range test and
// message, shown beside the box; the texts go to the car in the CarList in
// the classic units, as a file keeps them. Below, the area calculator's sums
// turn measurements in inches into the grill or windshield area.
#pragma once

#include "core/CarInputs.h"
#include "garage/Units.h"

#include <QPointer>
#include <QWidget>

#include <array>

class CarList;
class QLabel;
class QLineEdit;
class QPushButton;

class CarForm : public QWidget
{
    Q_OBJECT

public:
    explicit CarForm(CarList* cars, QWidget* parent = nullptr);

    // The car being edited (an index into the CarList), or -1 for none.
    void SetCarIndex(int index);
    int CarIndex() const { return carIndex; }
    void SetUnitSystem(UnitSystem units);

    QLineEdit* Box(InputField field) const { return boxes[static_cast<int>(field)]; }
    QLabel* Message(InputField field) const { return messages[static_cast<int>(field)]; }
    QLineEdit* NameBox() const { return nameBox; }

private:
    void onBoxEdited(InputField field);
    void onNameEdited();
    void onCarChanged(int index);
    void refreshBoxes(bool evenFocused);
    void refreshMessages();
    void refreshUnits();
    void refreshAreas();
    void useArea(InputField field);

    QPointer<CarList> cars;
    int carIndex = -1;
    UnitSystem units = UnitSystem::Imperial;
    QLineEdit* nameBox;
    std::array<QLabel*, InputFieldCount> labels{};
    std::array<QLineEdit*, InputFieldCount> boxes{};
    std::array<QLabel*, InputFieldCount> unitLabels{};
    std::array<QLabel*, InputFieldCount> messages{};
    QLabel* frontalArea;
    // The area sums: width and height in inches, grill then windshield.
    std::array<QLineEdit*, 4> inches{};
    std::array<QLabel*, 2> areaResults{};
    std::array<QPushButton*, 2> useButtons{};
};
