// SensitivityPage: for one car, how the quarter-mile time and speed, the
// top speed and the 0-60 time change with 10 % less or more horsepower,
// weight, drag coefficient and frontal area; and the reverse question:
// which horsepower (or weight) gives a quarter mile of a chosen time.
#pragma once

#include "garage/Units.h"

#include <QPointer>
#include <QWidget>

class CarList;
class SensitivityModel;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

class SensitivityPage : public QWidget
{
    Q_OBJECT

public:
    explicit SensitivityPage(CarList* cars, QWidget* parent = nullptr);

    void ShowCar(int carId);
    int CarId() const { return carId; }
    void SetUnitSystem(UnitSystem units);
    SensitivityModel* Model() const { return model; }

    // The reverse question for the shown car; the answer goes to the page.
    void Solve();
    QString AnswerText() const;
    QDoubleSpinBox* TargetBox() const { return target; }
    QRadioButton* WeightChoice() const { return solveWeight; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refreshChoices();
    void refreshTable();
    void fitTable();

    QPointer<CarList> cars;
    int carId = -1;
    UnitSystem units = UnitSystem::Imperial;
    QComboBox* carBox;
    SensitivityModel* model;
    QTableView* table;
    QLabel* problem;
    QDoubleSpinBox* target;
    QRadioButton* solvePower;
    QRadioButton* solveWeight;
    QPushButton* solveButton;
    QLabel* answer;
    bool stale = false;
};
