// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/WhatIfPage.h"

#include "core/InputChecks.h"
#include "garage/CarList.h"
#include "garage/CarProxies.h"
#include "garage/ComparisonModel.h"
#include "garage/CurveCharts.h"
#include "garage/GarageFields.h"
#include "garage/GarageSettings.h"
#include "garage/TabChain.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyleOptionHeader>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The figures a what-if question is about: the runs' times and speeds.
const QList<ComparisonRow> whatIfRows = {
    ComparisonRow::QuarterMileTime,  ComparisonRow::QuarterMileSpeed,  ComparisonRow::SixtyFootTime,
    ComparisonRow::EighthMileTime,
    ComparisonRow::EighthMileSpeed,  ComparisonRow::ZeroToSixtyTime,   ComparisonRow::ZeroToEightyTime,
    ComparisonRow::ZeroToHundredTime, ComparisonRow::SixtyToEightyTime, ComparisonRow::ZeroToHundredKmhTime,
    ComparisonRow::TopSpeed,         ComparisonRow::TopSpeedTime,
};

int sliderPosition(InputField field, double classicValue)
{
    return static_cast<int>(std::lround(classicValue * SliderStepsPerUnit(field)));
}

// The table's header: each car's name in up to HeaderLineCount lines of its column,
// beside the car's colour.
class WrappingHeader : public QHeaderView
{
public:
    explicit WrappingHeader(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
    }

protected:
    void initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const override
    {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        const QString name = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, option, this);
        int width = sectionSize(logicalIndex) - 2 * margin;
        if (!option->icon.isNull())
            width -= style()->pixelMetric(QStyle::PM_SmallIconSize, option, this) + margin;
        option->text = HeaderLines(name, option->fontMetrics, width);
    }

    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QSize size = QHeaderView::sectionSizeFromContents(logicalIndex);
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        size.setHeight(std::max(size.height(), HeaderLineCount * fontMetrics().lineSpacing() + 2 * margin));
        return size;
    }
};

} // namespace

QString HeaderLines(const QString& name, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString rest = name.trimmed();
    while (metrics.horizontalAdvance(rest) > width && lines.size() + 1 < HeaderLineCount) {
        // The longest line that ends before a space, or failing that the
        // characters that fit.
        qsizetype split = -1;
        for (qsizetype space = rest.indexOf(QLatin1Char(' ')); space > 0;
             space = rest.indexOf(QLatin1Char(' '), space + 1)) {
            if (metrics.horizontalAdvance(rest.left(space)) > width)
                break;
            split = space;
        }
        if (split < 0) {
            split = 1;
            while (split < rest.size() && metrics.horizontalAdvance(rest.left(split + 1)) <= width)
                ++split;
        }
        lines << rest.left(split);
        rest = rest.mid(split).trimmed();
    }
    lines << metrics.elidedText(rest, Qt::ElideRight, width);
    return lines.join(QLatin1Char('\n'));
}

WhatIfPage::WhatIfPage(CarList* cars, ComparisonModel* comparison, GarageSettings* settings, QWidget* parent)
    : QWidget(parent)
    , cars(cars)
    , settings(settings)
    , baseCars(new BaseCarsModel(cars, this))
    , tableModel(new ChosenColumnsModel(comparison, this))
    , differences(new DifferenceColumnModel(tableModel, this))
    , curveCars(new ChosenCarsModel(cars, this))
    , comparedCars(new CheckableCarsModel(baseCars, this))
    , baseBox(new QComboBox(this))
    , comparedList(new QListView(this))
    , referenceBox(new QComboBox(this))
    , problem(new QLabel(this))
    , resetButton(new QPushButton(tr("Reset to the base car"), this))
    , keepButton(new QPushButton(tr("Keep as one of &your cars"), this))
    , table(new QTableView(this))
    , charts(new CurveCharts(curveCars, settings, this))
{
    setObjectName(QStringLiteral("whatIfPage"));
    baseBox->setObjectName(QStringLiteral("whatIfBase"));
    baseBox->setAccessibleName(tr("Base car of the variant"));
    baseBox->setModel(baseCars);
    auto* baseLabel = new QLabel(tr("Base ca&r:"), this);
    baseLabel->setBuddy(baseBox);
    connect(baseBox, &QComboBox::activated, this, &WhatIfPage::onBaseChosen);

    comparedList->setObjectName(QStringLiteral("whatIfCompared"));
    comparedList->setAccessibleName(tr("Cars to compare with"));
    comparedList->setModel(comparedCars);
    comparedList->setMaximumHeight(comparedList->fontMetrics().height() * 5);
    comparedList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* comparedLabel = new QLabel(tr("Compare with:"), this);
    comparedLabel->setBuddy(comparedList);
    connect(comparedCars, &CheckableCarsModel::checkedChanged, this, &WhatIfPage::refresh);
    referenceBox->setObjectName(QStringLiteral("whatIfReference"));
    referenceBox->setAccessibleName(tr("Car to take the differences against"));
    referenceBox->setModel(baseCars);
    referenceBox->setPlaceholderText(tr("none"));
    referenceBox->setCurrentIndex(-1);
    auto* referenceLabel = new QLabel(tr("Differences against:"), this);
    referenceLabel->setBuddy(referenceBox);
    connect(referenceBox, &QComboBox::activated, this, &WhatIfPage::onReferenceChosen);

    controls = new QGroupBox(tr("What if"), this);
    auto* grid = new QGridLayout(controls);
    int row = 0;
    for (InputField field : SliderOrder) {
        const int i = static_cast<int>(field);
        const RangeTest& range = FieldRange(field);
        auto* label = new QLabel(FieldLabel(field), controls);
        fieldLabels[i] = label;
        auto* slider = new QSlider(Qt::Horizontal, controls);
        slider->setObjectName(FieldKey(field) + QStringLiteral("Slider"));
        slider->setAccessibleName(tr("%1 slider").arg(FieldLabel(field)));
        slider->setRange(sliderPosition(field, range.low), sliderPosition(field, range.high));
        slider->setMinimumWidth(120);
        auto* spin = new QDoubleSpinBox(controls);
        spin->setObjectName(FieldKey(field) + QStringLiteral("Spin"));
        spin->setAccessibleName(FieldLabel(field));
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
        // One drag is one edit; each step of the keys is one of its own.
        connect(slider, &QSlider::sliderPressed, this, [this] { dragSession = this->cars->NewSession(); });
        connect(slider, &QSlider::sliderReleased, this, [this] { dragSession = 0; });
        connect(slider, &QSlider::valueChanged, this, [this, field] { onSliderMoved(field); });
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this, field] { onSpinBoxChanged(field); });
        ++row;
    }
    grid->setColumnStretch(1, 1);
    problem->setObjectName(QStringLiteral("whatIfProblem"));
    problem->setWordWrap(true);
    problem->setTextFormat(Qt::PlainText);
    grid->addWidget(problem, row++, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton);
    buttons->addWidget(keepButton);
    buttons->addStretch(1);
    grid->addLayout(buttons, row, 0, 1, 4);
    resetButton->setObjectName(QStringLiteral("whatIfReset"));
    keepButton->setObjectName(QStringLiteral("whatIfKeep"));
    connect(resetButton, &QPushButton::clicked, this, &WhatIfPage::resetToBase);
    connect(keepButton, &QPushButton::clicked, this, &WhatIfPage::keepVariant);

    tableModel->SetRows(whatIfRows);
    table->setObjectName(QStringLiteral("whatIfTable"));
    table->setAccessibleName(tr("The base car and its variant"));
    // The cars share the table's width; a long name takes two lines, and
    // is cut short only past them (its tooltip gives it whole), a figure
    // never.
    table->setHorizontalHeader(new WrappingHeader(table));
    table->setModel(differences);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(table->fontMetrics().horizontalAdvance(QStringLiteral("−10,000.00 ft")));
    // Rows of one fixed height: a view that sized its rows to their contents
    // would measure every cell again on each slider step.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setSelectionMode(QAbstractItemView::NoSelection);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* choices = new QGridLayout;
    choices->addWidget(baseLabel, 0, 0);
    choices->addWidget(baseBox, 0, 1);
    choices->addWidget(comparedLabel, 1, 0, Qt::AlignTop);
    choices->addWidget(comparedList, 1, 1);
    choices->addWidget(referenceLabel, 2, 0);
    choices->addWidget(referenceBox, 2, 1);
    choices->setColumnStretch(1, 1);
    leftLayout->addLayout(choices);
    leftLayout->addWidget(controls);
    leftLayout->addWidget(table, 1);

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("whatIfSplitter"));
    splitter->addWidget(left);
    splitter->addWidget(charts);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    charts->SetStacked(true);
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    QList<QWidget*> chain{ baseBox, comparedList, referenceBox };
    for (InputField field : SliderOrder)
        chain << Slider(field) << SpinBox(field);
    chain << resetButton << keepButton << table << charts->SpanBox();
    SetTabChain(chain);
    // Tab leaves the table; the arrows move within it.
    table->setTabKeyNavigation(false);

    connect(cars->Selection(), &QItemSelectionModel::currentRowChanged, this, &WhatIfPage::refresh);
    connect(cars, &QAbstractItemModel::rowsInserted, this, &WhatIfPage::refresh);
    connect(cars, &QAbstractItemModel::rowsRemoved, this, &WhatIfPage::refresh);
    connect(cars, &QAbstractItemModel::modelReset, this, &WhatIfPage::refresh);
    // The car the controls show: the variant, or the base car while there is
    // none.
    auto* shownCar = new OneCarModel(cars, [this] {
        const int variant = VariantRow();
        return variant >= 0 ? variant : BaseRow();
    }, this);
    connect(shownCar, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(CarList::IsVariantRole))
                    refresh();
                else
                    refreshControls();
            });
    connect(settings, &GarageSettings::unitsChanged, this, &WhatIfPage::refreshUnits);
    refreshUnits();
    refresh();
}

void WhatIfPage::showEvent(QShowEvent* event)
{
    if (refreshWhenShown)
        refresh();
    QWidget::showEvent(event);
    if (sized)
        return;
    sized = true;
    // The table's names and two columns need a little more than half.
    const int width = splitter->width();
    const int left = width * 54 / 100;
    splitter->setSizes({ left, width - left });
}

int WhatIfPage::BaseRow() const
{
    return cars->CurrentBaseRow();
}

int WhatIfPage::VariantRow() const
{
    const int base = BaseRow();
    return base >= 0 ? cars->VariantRowOf(base) : -1;
}

void WhatIfPage::refresh()
{
    // Out of sight the page follows the cars when it is shown again: its
    // curves need not be drawn for every car the user opens elsewhere.
    refreshWhenShown = !isVisible() && window()->isVisible();
    if (refreshWhenShown)
        return;
    const int base = BaseRow();
    const int variant = VariantRow();
    QList<int> ids;
    if (base >= 0)
        ids << cars->At(base).id;
    if (variant >= 0)
        ids << cars->At(variant).id;
    for (int id : comparedCars->CheckedIds())
        if (!ids.contains(id))
            ids << id;
    // A reference car that was closed is no reference.
    if (referenceId != 0 && cars->RowOf(referenceId) < 0)
        referenceId = 0;
    tableModel->SetCarIds(ids);
    curveCars->SetCarIds(ids);
    const int subject = variant >= 0 ? variant : base;
    differences->SetCars(subject >= 0 ? cars->At(subject).id : 0, referenceId);
    {
        const QSignalBlocker blocker(referenceBox);
        const int reference = cars->RowOf(referenceId);
        referenceBox->setCurrentIndex(reference >= 0 ? baseCars->mapFromSource(cars->index(reference)).row() : -1);
    }
    {
        const QSignalBlocker blocker(baseBox);
        baseBox->setCurrentIndex(base >= 0 ? baseCars->mapFromSource(cars->index(base)).row() : -1);
    }
    controls->setEnabled(base >= 0);
    resetButton->setEnabled(variant >= 0);
    keepButton->setEnabled(variant >= 0);
    refreshControls();
}

// The controls show the variant, or the base car while there is none.
void WhatIfPage::refreshControls()
{
    const int variant = VariantRow();
    const int shown = variant >= 0 ? variant : BaseRow();
    if (shown < 0)
        return;
    const CarInputs& inputs = cars->At(shown).Inputs();
    const UnitSystem units = settings->Units();
    for (InputField field : AllInputFields) {
        const double value = inputs.Value(field);
        const QSignalBlocker sliderBlocker(Slider(field));
        const QSignalBlocker spinBlocker(SpinBox(field));
        Slider(field)->setValue(sliderPosition(field, value));
        SpinBox(field)->setValue(ToShown(value, FieldQuantity(field), units));
    }
    const QString message = RangeMessage(inputs);
    problem->setText(message);
    problem->setVisible(!message.isEmpty());
}

void WhatIfPage::refreshUnits()
{
    const UnitSystem units = settings->Units();
    for (InputField field : AllInputFields) {
        const int i = static_cast<int>(field);
        const Quantity quantity = FieldQuantity(field);
        const RangeTest& range = FieldRange(field);
        QDoubleSpinBox* spin = spinBoxes[i];
        const QSignalBlocker blocker(spin);
        spin->setDecimals(FieldDecimals(field, units));
        spin->setRange(ToShown(range.low, quantity, units), ToShown(range.high, quantity, units));
        spin->setSingleStep(ToShown(1 / SliderStepsPerUnit(field), quantity, units));
        spin->setToolTip(FieldRangeText(field, units, locale()));
        unitLabels[i]->setText(FieldUnit(field, units));
        fieldLabels[i]->setText(FieldLabel(field, units));
        sliders[i]->setAccessibleName(tr("%1 slider").arg(FieldLabel(field, units)));
        spin->setAccessibleName(FieldLabel(field, units));
    }
    refreshControls();
}

void WhatIfPage::onBaseChosen(int comboRow)
{
    const QModelIndex source = baseCars->mapToSource(baseCars->index(comboRow, 0));
    if (source.isValid())
        cars->SetCurrentRow(source.row());
}

void WhatIfPage::SetReference(int carId)
{
    referenceId = carId;
    // The car the differences are taken against is shown too.
    if (carId != 0)
        comparedCars->SetChecked(carId, true);
    refresh();
}

void WhatIfPage::onReferenceChosen(int comboRow)
{
    const QModelIndex source = baseCars->mapToSource(baseCars->index(comboRow, 0));
    SetReference(source.isValid() ? source.data(CarList::IdRole).toInt() : 0);
}

void WhatIfPage::onSliderMoved(InputField field)
{
    applyValue(field, Slider(field)->value() / SliderStepsPerUnit(field), Slider(field)->isSliderDown() ? dragSession : 0);
}

void WhatIfPage::onSpinBoxChanged(InputField field)
{
    applyValue(field, FromShown(SpinBox(field)->value(), FieldQuantity(field), settings->Units()), 0);
}

void WhatIfPage::applyValue(InputField field, double classicValue, int session)
{
    const int variant = VariantRow();
    if (variant >= 0)
        cars->EditNumber(variant, field, classicValue, session);
    else if (BaseRow() >= 0)
        cars->StartVariant(BaseRow(), field, classicValue, session);
}

void WhatIfPage::resetToBase()
{
    const int variant = VariantRow();
    if (variant >= 0)
        cars->EditNumbers(variant, cars->At(BaseRow()).Inputs());
}

void WhatIfPage::keepVariant()
{
    const int variant = VariantRow();
    if (variant < 0)
        return;
    const int id = cars->At(variant).id;
    cars->KeepVariant(variant);
    cars->SetCurrentRow(cars->RowOf(id));
}
