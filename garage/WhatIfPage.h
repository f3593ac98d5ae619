// SPDX-License-Identifier: GPL-3.0-or-later
// WhatIfPage: a what-if variant of the current car, changed with a slider
// and a spin box for each input. The variant is a row of the car list,
// marked as a variant of its base car: the page keeps no copy of it. Until a
// slider moves the controls show the base car; the first move makes the
// variant, and a whole drag is one undoable edit. Its table and curves are
// proxies of the comparison and of the car list that show the base car, its
// variant and any cars ticked to compare with, and the table can give the
// variant's difference from one of them ("do I beat my friend?").
#pragma once

#include "core/CarInputs.h"

#include <QPointer>
#include <QWidget>

#include <array>

class BaseCarsModel;
class CarList;
class CheckableCarsModel;
class DifferenceColumnModel;
class ChosenCarsModel;
class ChosenColumnsModel;
class ComparisonModel;
class CurveCharts;
class GarageSettings;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QSlider;
class QSplitter;
class QFontMetrics;
class QTableView;

// A column's name as the what-if table's header shows it: whole on one
// line of `width` pixels where it fits, else broken at spaces onto up to
// HeaderLineCount lines, the last cut short with "…" only when the name
// needs more. The header's tooltip gives the name whole.
inline constexpr int HeaderLineCount = 3;
QString HeaderLines(const QString& name, const QFontMetrics& metrics, int width);

class WhatIfPage : public QWidget
{
    Q_OBJECT

public:
    WhatIfPage(CarList* cars, ComparisonModel* comparison, GarageSettings* settings, QWidget* parent = nullptr);

    // The rows of the base car and of its variant in the car list; -1 when
    // there is none.
    int BaseRow() const;
    int VariantRow() const;

    QSlider* Slider(InputField field) const { return sliders[static_cast<int>(field)]; }
    QDoubleSpinBox* SpinBox(InputField field) const { return spinBoxes[static_cast<int>(field)]; }
    QTableView* Table() const { return table; }
    ChosenColumnsModel* TableModel() const { return tableModel; }
    DifferenceColumnModel* Differences() const { return differences; }
    // The cars compared beside the base car and its variant.
    CheckableCarsModel* ComparedCars() const { return comparedCars; }
    // The car the differences are taken against, by id; 0 for none.
    void SetReference(int carId);
    CurveCharts* Charts() const { return charts; }
    QPushButton* ResetButton() const { return resetButton; }
    QPushButton* KeepButton() const { return keepButton; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void refreshControls();
    void refreshUnits();
    void onBaseChosen(int comboRow);
    void onReferenceChosen(int comboRow);
    void onSliderMoved(InputField field);
    void onSpinBoxChanged(InputField field);
    void applyValue(InputField field, double classicValue, int session);
    void resetToBase();
    void keepVariant();

    QPointer<CarList> cars;
    GarageSettings* settings;
    BaseCarsModel* baseCars;
    ChosenColumnsModel* tableModel;
    DifferenceColumnModel* differences;
    ChosenCarsModel* curveCars;
    CheckableCarsModel* comparedCars;
    QComboBox* baseBox;
    QListView* comparedList;
    QComboBox* referenceBox;
    int referenceId = 0;
    QGroupBox* controls;
    std::array<QSlider*, InputFieldCount> sliders{};
    std::array<QDoubleSpinBox*, InputFieldCount> spinBoxes{};
    std::array<QLabel*, InputFieldCount> unitLabels{};
    std::array<QLabel*, InputFieldCount> fieldLabels{};
    QLabel* problem;
    QPushButton* resetButton;
    QPushButton* keepButton;
    QTableView* table;
    CurveCharts* charts;
    QSplitter* splitter;
    int dragSession = 0; // the undo session of the slider being dragged
    bool sized = false;
    bool refreshWhenShown = false;
};
