// SPDX-License-Identifier: GPL-3.0-or-later
// CarForm: the name and nine inputs of the current car (the current row of
// the car list's selection), in the settings' units. Each box is checked as
// it is typed with the classic program's range test and message, shown
// under the box; what is typed goes to the car list as an undoable edit, one
// edit per stretch of typing in a box. Below, the area calculator's sums turn
// measurements in inches into the grill or windshield area. Under the nine,
// the road model's fields (core/RoadKeys): a choice or a box per key, each
// left empty showing greyed the typical value the road model takes, checked
// as typed with the road model's messages, edited like the nine. The form sits in
// a scroll area, so on a small screen it scrolls instead of squeezing its
// boxes.
#pragma once

#include "core/CarInputs.h"
#include "garage/CarList.h"
#include "garage/Units.h"

#include <QPointer>
#include <QScrollArea>

#include <array>

class GarageSettings;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CarForm : public QScrollArea
{
    Q_OBJECT

public:
    CarForm(CarList* cars, GarageSettings* settings, QWidget* parent = nullptr);

    QLineEdit* Box(InputField field) const { return boxes[static_cast<int>(field)]; }
    QLabel* Message(InputField field) const { return messages[static_cast<int>(field)]; }
    QLineEdit* NameBox() const { return nameBox; }
    // A road key's control: a QComboBox for a choice, a QLineEdit for a
    // number; and the line of its message.
    QWidget* RoadControl(RoadKey key) const { return roadControls[static_cast<int>(key)]; }
    QLabel* RoadMessage(RoadKey key) const { return roadMessages[static_cast<int>(key)]; }
    // The last control Tab reaches in the form.
    QWidget* LastControl() const;

private:
    void onCurrentChanged();
    // The current car's data changed.
    void onCarChanged(const QModelIndex&, const QModelIndex&, const QList<int>& roles);
    void onBoxEdited(InputField field);
    void onNameEdited();
    void onRoadBoxEdited(RoadKey key);
    void onRoadChoice(RoadKey key, int index);
    void refreshRoad();
    void refreshRoadUnits();
    // Where the stretch of typing in a box begins; `field` is one of the
    // nine, or InputFieldCount + a road key.
    void beginSession(const GarageCar& car, int field);
    void endSession();
    void showCar();
    void refreshBoxes();
    void refreshMessages();
    void refreshUnits();
    void refreshAreas();
    void useArea(InputField field);
    // The area of the grill (0) or the windshield (1) from its sums, in
    // square feet as a box keeps it.
    QString areaText(int part) const;
    // The text a box shows for a value in the current unit system.
    QString shownText(const CarValues& values, InputField field) const;

    QPointer<CarList> cars;
    GarageSettings* settings;
    QWidget* page;
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
    // The road model's fields, by RoadKey.
    std::array<QWidget*, RoadKeyCount> roadControls{};
    std::array<QLabel*, RoadKeyCount> roadUnits{};
    std::array<QLabel*, RoadKeyCount> roadMessages{};
    // A problem of the road keys together (engine speeds out of order), or
    // of a line that is no key.
    QLabel* roadProblem;

    // The stretch of typing in one box: which car and field, the values the
    // car had when it began, and the undo session its edits merge in.
    int sessionCar = 0;
    int sessionField = -1;
    int session = 0;
    int nameSession = 0;
    CarValues sessionStart;
    // The box whose own edit is being handed to the car list: the change
    // coming back from the list leaves its text as typed.
    QLineEdit* editingBox = nullptr;
};
