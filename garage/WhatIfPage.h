// WhatIfPage: a variant of one car, changed with a slider and a spin box
// for each input. The variant is a car of the CarList (marked as a variant
// of its base car), so the comparison table and every chart follow each
// slider step; this page shows it beside its base car.
#pragma once

#include "core/CarInputs.h"
#include "garage/Units.h"

#include <QPointer>
#include <QWidget>

#include <array>

class CarList;
class ComparisonModel;
class CurveCharts;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QSplitter;
class QTableView;

class WhatIfPage : public QWidget
{
    Q_OBJECT

public:
    explicit WhatIfPage(CarList* cars, QWidget* parent = nullptr);

    // Starts a variant of the car with this id (replacing the one there was).
    void StartFrom(int carId);
    int BaseId() const { return baseId; }
    int VariantId() const { return variantId; }
    void SetUnitSystem(UnitSystem units);

    QSlider* Slider(InputField field) const { return sliders[static_cast<int>(field)]; }
    QDoubleSpinBox* SpinBox(InputField field) const { return spinBoxes[static_cast<int>(field)]; }
    ComparisonModel* Model() const { return model; }
    CurveCharts* Charts() const { return charts; }

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // The user asked to keep the variant as a car of its own (its index).
    void variantKept(int index);

private:
    void refreshBaseChoices();
    void onBaseChosen(int comboIndex);
    void onSliderMoved(InputField field);
    void onSpinBoxChanged(InputField field);
    void setControls(const CarInputs& inputs);
    void applyValue(InputField field, double classicValue);
    void resetToBase();
    void keepVariant();
    void onListChanged();

    QPointer<CarList> cars;
    UnitSystem units = UnitSystem::Imperial;
    int baseId = -1;
    int variantId = -1;
    CarInputs variant;
    QComboBox* baseBox;
    QGroupBox* controls;
    std::array<QSlider*, InputFieldCount> sliders{};
    std::array<QDoubleSpinBox*, InputFieldCount> spinBoxes{};
    std::array<QLabel*, InputFieldCount> unitLabels{};
    QLabel* problem;
    QPushButton* resetButton;
    QPushButton* keepButton;
    ComparisonModel* model;
    QTableView* table;
    CurveCharts* charts;
    bool updating = false;
    bool sized = false;
    QSplitter* splitter;
};
