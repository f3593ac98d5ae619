#include "garage/WhatIfPage.h"

#include "core/InputChecks.h"
#include "garage/CarList.h"
#include "garage/ComparisonModel.h"
#include "garage/CurveCharts.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Slider steps per unit of each input, in the classic units.
double stepsPerUnit(InputField field)
{
    switch (field) {
    case InputField::Horsepower: return 1;      // 1 hp
    case InputField::CarWeight: return 0.2;     // 5 lb
    case InputField::DragCoefficient: return 1000; // 0.001
    case InputField::GrillArea:
    case InputField::WindshieldArea: return 20; // 0.05 ft²
    case InputField::WindshieldAngle: return 2; // 0.5 degree
    case InputField::SpinTime: return 100;      // 0.01 s
    default: return 1;                          // whole shifts
    }
}

const RangeTest& rangeOf(InputField field)
{
    for (const RangeTest& test : RangeTests())
        if (test.field == field)
            return test;
    return RangeTests().front();
}

QString sliderLabel(InputField field)
{
    switch (field) {
    case InputField::Horsepower: return WhatIfPage::tr("Horsepower");
    case InputField::GrillArea: return WhatIfPage::tr("Grill area");
    case InputField::WindshieldArea: return WhatIfPage::tr("Windshield area");
    case InputField::CarWeight: return WhatIfPage::tr("Weight");
    case InputField::DragCoefficient: return WhatIfPage::tr("Drag coefficient");
    case InputField::WindshieldAngle: return WhatIfPage::tr("Windshield angle");
    case InputField::AvailableShifts: return WhatIfPage::tr("Available shifts");
    case InputField::QuarterMileShifts: return WhatIfPage::tr("Quarter mile shifts");
    case InputField::SpinTime: return WhatIfPage::tr("Spin time");
    }
    return QString();
}

// The order of the sliders: what people change most first.
constexpr std::array<InputField, InputFieldCount> sliderOrder = {
    InputField::Horsepower,      InputField::CarWeight,         InputField::DragCoefficient,
    InputField::GrillArea,       InputField::WindshieldArea,    InputField::WindshieldAngle,
    InputField::SpinTime,        InputField::AvailableShifts,   InputField::QuarterMileShifts,
};

} // namespace

WhatIfPage::WhatIfPage(CarList* cars, QWidget* parent)
    : QWidget(parent)
    , cars(cars)
    , baseBox(new QComboBox(this))
    , problem(new QLabel(this))
    , resetButton(new QPushButton(tr("&Reset to the base car"), this))
    , keepButton(new QPushButton(tr("&Keep as a new car"), this))
    , model(new ComparisonModel(cars, this))
    , table(new QTableView(this))
    , charts(new CurveCharts(cars, this))
{
    setObjectName(QStringLiteral("whatIfPage"));
    baseBox->setObjectName(QStringLiteral("whatIfBase"));
    baseBox->setAccessibleName(tr("Base car of the variant"));
    auto* baseLabel = new QLabel(tr("&Base car:"), this);
    baseLabel->setBuddy(baseBox);
    connect(baseBox, &QComboBox::activated, this, &WhatIfPage::onBaseChosen);

    controls = new QGroupBox(tr("What if"), this);
    auto* grid = new QGridLayout(controls);
    int row = 0;
    for (InputField field : sliderOrder) {
        const int i = static_cast<int>(field);
        const RangeTest& range = rangeOf(field);
        auto* label = new QLabel(sliderLabel(field), controls);
        auto* slider = new QSlider(Qt::Horizontal, controls);
        slider->setObjectName(FieldKey(field) + QStringLiteral("Slider"));
        slider->setAccessibleName(tr("%1 slider").arg(sliderLabel(field)));
        slider->setRange(static_cast<int>(std::lround(range.low * stepsPerUnit(field))),
                         static_cast<int>(std::lround(range.high * stepsPerUnit(field))));
        slider->setMinimumWidth(160);
        auto* spin = new QDoubleSpinBox(controls);
        spin->setObjectName(FieldKey(field) + QStringLiteral("Spin"));
        spin->setAccessibleName(sliderLabel(field));
        spin->setKeyboardTracking(false);
        auto* unit = new QLabel(controls);
        label->setBuddy(spin);
        sliders[i] = slider;
        spinBoxes[i] = spin;
        unitLabels[i] = unit;
        grid->addWidget(label, row, 0);
        grid->addWidget(slider, row, 1);
        grid->addWidget(spin, row, 2);
        grid->addWidget(unit, row, 3);
        connect(slider, &QSlider::valueChanged, this, [this, field] { onSliderMoved(field); });
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this, field] { onSpinBoxChanged(field); });
        ++row;
    }
    grid->setColumnStretch(1, 1);
    problem->setObjectName(QStringLiteral("whatIfProblem"));
    problem->setWordWrap(true);
    grid->addWidget(problem, row++, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton);
    buttons->addWidget(keepButton);
    buttons->addStretch(1);
    grid->addLayout(buttons, row, 0, 1, 4);
    connect(resetButton, &QPushButton::clicked, this, &WhatIfPage::resetToBase);
    connect(keepButton, &QPushButton::clicked, this, &WhatIfPage::keepVariant);

    table->setObjectName(QStringLiteral("whatIfTable"));
    table->setAccessibleName(tr("The base car and its variant"));
    table->setModel(model);
    table->horizontalHeader()->setStretchLastSection(true);
    // Columns fit the car names when the cars change, not on every step.
    connect(model, &QAbstractItemModel::modelReset, table, &QTableView::resizeColumnsToContents);
    // Rows of one fixed height: a view that sized its rows to their contents
    // would measure every cell again on each slider step.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSelectionMode(QAbstractItemView::NoSelection);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* baseRow = new QHBoxLayout;
    baseRow->addWidget(baseLabel);
    baseRow->addWidget(baseBox, 1);
    leftLayout->addLayout(baseRow);
    leftLayout->addWidget(controls);
    leftLayout->addWidget(table, 1);

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(left);
    splitter->addWidget(charts);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    charts->SetStacked(true);
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(cars, &CarList::listChanged, this, &WhatIfPage::onListChanged);
    connect(cars, &CarList::carChanged, this, [this](int index) {
        const int base = this->cars->IndexOf(baseId);
        const int own = this->cars->IndexOf(variantId);
        if (index == base && baseBox->currentText() != this->cars->At(base).name)
            refreshBaseChoices();
        // Typed into the car form: the controls follow.
        if (index == own && !updating) {
            const CarInputs typed = ConvertTexts(this->cars->At(own).texts);
            if (!(typed == variant))
                setControls(typed);
        }
    });
    SetUnitSystem(units);
    refreshBaseChoices();
    setControls(CarInputs::DefaultCar());
    controls->setEnabled(false);
}

void WhatIfPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (sized)
        return;
    sized = true;
    // The table's names and two columns need a little more than half.
    const int width = splitter->width();
    const int left = width * 54 / 100;
    splitter->setSizes({ left, width - left });
}

void WhatIfPage::StartFrom(int carId)
{
    const int baseIndex = cars->IndexOf(carId);
    if (baseIndex < 0 || cars->At(baseIndex).IsVariant())
        return;
    const int oldVariant = cars->IndexOf(variantId);
    baseId = carId;
    variantId = -1;
    if (oldVariant >= 0)
        cars->Remove(oldVariant);
    const int index = cars->AddVariant(cars->IndexOf(carId));
    variantId = cars->At(index).id;
    variant = ConvertTexts(cars->At(index).texts);
    model->SetCarFilter({ baseId, variantId });
    charts->SetCarFilter({ baseId, variantId });
    setControls(variant);
    refreshBaseChoices();
    controls->setEnabled(true);
}

void WhatIfPage::SetUnitSystem(UnitSystem newUnits)
{
    units = newUnits;
    model->SetUnitSystem(units);
    charts->SetUnitSystem(units);
    updating = true;
    for (InputField field : AllInputFields) {
        const int i = static_cast<int>(field);
        const Quantity quantity = FieldQuantity(field);
        const RangeTest& range = rangeOf(field);
        QDoubleSpinBox* spin = spinBoxes[i];
        spin->setDecimals(IsCountField(field) ? 0 : field == InputField::DragCoefficient ? 3
                                                                                      : ShownDecimals(quantity, units));
        spin->setRange(ToShown(range.low, quantity, units), ToShown(range.high, quantity, units));
        spin->setSingleStep(ToShown(1 / stepsPerUnit(field), quantity, units));
        spin->setValue(ToShown(variant.Value(field), quantity, units));
        unitLabels[i]->setText(field == InputField::WindshieldAngle ? tr("degrees") : UnitSymbol(quantity, units));
    }
    updating = false;
}

void WhatIfPage::refreshBaseChoices()
{
    const QSignalBlocker blocker(baseBox);
    baseBox->clear();
    for (int i = 0; i < cars->Count(); ++i) {
        const GarageCar& car = cars->At(i);
        if (car.IsVariant())
            continue;
        baseBox->addItem(car.name, car.id);
    }
    baseBox->setCurrentIndex(baseBox->findData(baseId));
}

void WhatIfPage::onBaseChosen(int comboIndex)
{
    const int id = baseBox->itemData(comboIndex).toInt();
    if (id != baseId)
        StartFrom(id);
}

void WhatIfPage::onListChanged()
{
    if (baseId >= 0 && cars->IndexOf(baseId) < 0) {
        // The base car was closed: its variant goes with it.
        const int oldVariant = cars->IndexOf(variantId);
        baseId = -1;
        variantId = -1;
        if (oldVariant >= 0) {
            cars->Remove(oldVariant);
            return;
        }
    }
    if (variantId >= 0 && cars->IndexOf(variantId) < 0)
        variantId = -1;
    refreshBaseChoices();
    model->SetCarFilter(baseId >= 0 ? QList<int>{ baseId, variantId } : QList<int>{ -1 });
    charts->SetCarFilter(baseId >= 0 ? QList<int>{ baseId, variantId } : QList<int>{ -1 });
    controls->setEnabled(variantId >= 0);
}

void WhatIfPage::onSliderMoved(InputField field)
{
    if (updating)
        return;
    const double value = Slider(field)->value() / stepsPerUnit(field);
    {
        const QSignalBlocker blocker(SpinBox(field));
        SpinBox(field)->setValue(ToShown(value, FieldQuantity(field), units));
    }
    applyValue(field, value);
}

void WhatIfPage::onSpinBoxChanged(InputField field)
{
    if (updating)
        return;
    const double value = FromShown(SpinBox(field)->value(), FieldQuantity(field), units);
    {
        const QSignalBlocker blocker(Slider(field));
        Slider(field)->setValue(static_cast<int>(std::lround(value * stepsPerUnit(field))));
    }
    applyValue(field, value);
}

void WhatIfPage::applyValue(InputField field, double classicValue)
{
    variant.SetValue(field, classicValue);
    const QString message = RangeMessage(variant);
    problem->setText(message);
    problem->setVisible(!message.isEmpty());
    const int index = cars->IndexOf(variantId);
    if (index >= 0)
        cars->SetInputs(index, variant);
}

void WhatIfPage::setControls(const CarInputs& inputs)
{
    updating = true;
    variant = inputs;
    for (InputField field : AllInputFields) {
        const double value = inputs.Value(field);
        Slider(field)->setValue(static_cast<int>(std::lround(value * stepsPerUnit(field))));
        SpinBox(field)->setValue(ToShown(value, FieldQuantity(field), units));
    }
    updating = false;
    const QString message = RangeMessage(variant);
    problem->setText(message);
    problem->setVisible(!message.isEmpty());
}

void WhatIfPage::resetToBase()
{
    const int base = cars->IndexOf(baseId);
    const int index = cars->IndexOf(variantId);
    if (base < 0 || index < 0)
        return;
    cars->SetTexts(index, cars->At(base).texts);
    setControls(ConvertTexts(cars->At(base).texts));
}

void WhatIfPage::keepVariant()
{
    const int index = cars->IndexOf(variantId);
    if (index < 0)
        return;
    cars->Detach(index);
    cars->SetName(index, tr("%1 (variant)").arg(cars->At(cars->IndexOf(baseId)).name));
    const int kept = index;
    const int base = baseId;
    variantId = -1;
    baseId = -1;
    emit variantKept(kept);
    StartFrom(base);
}
