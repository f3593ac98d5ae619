// SPDX-License-Identifier: GPL-3.0-or-later
// SensitivityPage: for the current car (a what-if variant's base car), how
// the quarter-mile time and speed, the top speed and the 0-60 time change
// with 10 % less or more horsepower, weight, drag coefficient and frontal
// area; and the reverse question: which horsepower (or weight) gives a
// chosen quarter-mile time, trap speed or 0-60 time, and by how much that
// changes the car, with the answer one click from the what-if sliders. The car is the current row of the car
// list's shared selection; the page keeps no copy of it.
#pragma once

#include "garage/Sensitivity.h"
#include "garage/Units.h"

#include <QPointer>
#include <QWidget>

class BaseCarsModel;
class CarList;
class GarageSettings;
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
    SensitivityPage(CarList* cars, GarageSettings* settings, QWidget* parent = nullptr);

    // The row of the car shown, -1 for none.
    int CarRow() const;
    SensitivityModel* Model() const { return model; }

    // The reverse question for the shown car; the answer goes to the page.
    void Solve();
    QString AnswerText() const;
    QComboBox* TargetFigureBox() const { return figureBox; }
    QDoubleSpinBox* TargetBox() const { return target; }
    QRadioButton* PowerChoice() const { return solvePower; }
    QRadioButton* WeightChoice() const { return solveWeight; }
    QPushButton* ApplyButton() const { return applyButton; }
    // The figure the target is set for.
    SensitivityFigure TargetFigure() const;

signals:
    // The answer was put into the what-if variant of the car.
    void appliedToWhatIf();

private:
    void refreshTable();
    void fitTable();
    void refreshTargetUnits();
    void clearAnswer();
    void applyToWhatIf();

    QPointer<CarList> cars;
    GarageSettings* settings;
    BaseCarsModel* baseCars;
    QComboBox* carBox;
    SensitivityModel* model;
    QTableView* table;
    QLabel* problem;
    QComboBox* figureBox;
    QDoubleSpinBox* target;
    QRadioButton* solvePower;
    QRadioButton* solveWeight;
    QPushButton* solveButton;
    QPushButton* applyButton;
    QLabel* answer;
    // The last answer, what Apply puts into the what-if variant.
    TargetAnswer solved;
    SolveFor solvedFor = SolveFor::Horsepower;
};
