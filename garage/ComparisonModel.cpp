// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/ComparisonModel.h"

#include "core/ResultTexts.h"
#include "garage/GarageFields.h"
#include "garage/GarageSettings.h"
#include "garage/PlainText.h"

#include <QFont>

#include <cmath>
#include <optional>
#include <limits>

namespace {

constexpr double noValue = std::numeric_limits<double>::quiet_NaN();

std::optional<ResultField> resultFieldOf(ComparisonRow row)
{
    switch (row) {
    case ComparisonRow::QuarterMileTime: return ResultField::QuarterMileTime;
    case ComparisonRow::QuarterMileSpeed: return ResultField::QuarterMileSpeed;
    case ComparisonRow::QuarterMileDistance: return ResultField::QuarterMileDistance;
    case ComparisonRow::QuarterMileWindForce: return ResultField::QuarterMileWindForce;
    case ComparisonRow::TopSpeedTime: return ResultField::TopSpeedTime;
    case ComparisonRow::TopSpeed: return ResultField::TopSpeed;
    case ComparisonRow::TopSpeedDistance: return ResultField::TopSpeedDistance;
    case ComparisonRow::TopSpeedWindForce: return ResultField::TopSpeedWindForce;
    case ComparisonRow::ZeroToSixtyTime: return ResultField::ZeroToSixtyTime;
    case ComparisonRow::ZeroToEightyTime: return ResultField::ZeroToEightyTime;
    case ComparisonRow::ZeroToHundredTime: return ResultField::ZeroToHundredTime;
    case ComparisonRow::SixtyToEightyTime: return ResultField::SixtyToEightyTime;
    default: return std::nullopt;
    }
}

// The estimate rule of a row and whether it is the trap speed.
std::optional<std::pair<EstimateRule, bool>> estimateOf(ComparisonRow row)
{
    switch (row) {
    case ComparisonRow::HaleElapsedTime: return std::pair{ EstimateRule::Hale, false };
    case ComparisonRow::HaleTrapSpeed: return std::pair{ EstimateRule::Hale, true };
    case ComparisonRow::FoxElapsedTime: return std::pair{ EstimateRule::Fox, false };
    case ComparisonRow::FoxTrapSpeed: return std::pair{ EstimateRule::Fox, true };
    case ComparisonRow::HuntingtonElapsedTime: return std::pair{ EstimateRule::Huntington, false };
    case ComparisonRow::HuntingtonTrapSpeed: return std::pair{ EstimateRule::Huntington, true };
    default: return std::nullopt;
    }
}

} // namespace

ComparisonModel::ComparisonModel(CarList* cars, GarageSettings* settings, QObject* parent)
    : QAbstractTableModel(parent)
    , cars(cars)
{
    if (settings) {
        units = settings->Units();
        connect(settings, &GarageSettings::unitsChanged, this, &ComparisonModel::SetUnitSystem);
    }
    rebuildRows();
    // A car is a column: the list's rows become the table's columns.
    connect(cars, &QAbstractItemModel::rowsAboutToBeInserted, this,
            [this](const QModelIndex&, int first, int last) { beginInsertColumns(QModelIndex(), first, last); });
    connect(cars, &QAbstractItemModel::rowsInserted, this, [this] {
        forgetBest();
        endInsertColumns();
    });
    connect(cars, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) { beginRemoveColumns(QModelIndex(), first, last); });
    connect(cars, &QAbstractItemModel::rowsRemoved, this, [this] {
        forgetBest();
        endRemoveColumns();
    });
    connect(cars, &QAbstractItemModel::modelAboutToBeReset, this, &ComparisonModel::beginResetModel);
    connect(cars, &QAbstractItemModel::modelReset, this, [this] {
        forgetBest();
        endResetModel();
    });
    connect(cars, &QAbstractItemModel::dataChanged, this, &ComparisonModel::onCarsChanged);
}

int ComparisonModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !cars ? 0 : cars->Count();
}

const GarageCar& ComparisonModel::CarAt(int column) const
{
    return cars->At(column);
}

double ComparisonModel::ClassicValue(int row, int column) const
{
    const CarEvaluation& e = *CarAt(column).evaluation;
    if (!e.HasResults())
        return noValue;
    const ComparisonRow which = RowAt(row);
    if (const auto field = resultFieldOf(which)) {
        if (MarkMissed(e.results, *field))
            return noValue;
        return ResultValue(e.results, *field);
    }
    if (const auto estimate = estimateOf(which)) {
        const EstimatePair& pair = e.estimates[static_cast<int>(estimate->first)];
        return estimate->second ? pair.trapSpeed : pair.elapsedTime;
    }
    switch (which) {
    case ComparisonRow::SixtyFootTime: return e.splits.sixtyFootTime;
    case ComparisonRow::ThreeThirtyFootTime: return e.splits.threeThirtyFootTime;
    case ComparisonRow::EighthMileTime: return e.splits.eighthMileTime;
    case ComparisonRow::EighthMileSpeed: return e.splits.eighthMileSpeed;
    case ComparisonRow::ThousandFootTime: return e.splits.thousandFootTime;
    case ComparisonRow::ZeroToHundredKmhTime:
        return e.zeroToHundredKmhTime != 0 ? e.zeroToHundredKmhTime : noValue;
    default: return noValue;
    }
}

double ComparisonModel::ShownValue(int row, int column) const
{
    return ToShown(ClassicValue(row, column), QuantityOf(RowAt(row)), units);
}

bool ComparisonModel::MarkNeverPassed(int row, int column) const
{
    const CarEvaluation& e = *CarAt(column).evaluation;
    if (!e.HasResults())
        return false;
    if (const auto field = resultFieldOf(RowAt(row)))
        return MarkMissed(e.results, *field);
    return RowAt(row) == ComparisonRow::ZeroToHundredKmhTime && e.zeroToHundredKmhTime == 0;
}

double ComparisonModel::bestOf(int row) const
{
    if (best.isEmpty()) {
        best.fill(std::numeric_limits<double>::quiet_NaN(), rowCount());
        for (int r = 0; r < rowCount(); ++r) {
            const Better better = BetterOf(RowAt(r));
            if (better == Better::Neither)
                continue;
            int withValue = 0;
            double found = noValue;
            for (int c = 0; c < columnCount(); ++c) {
                const double value = ClassicValue(r, c);
                if (!std::isfinite(value))
                    continue;
                found = withValue++ == 0 ? value
                        : better == Better::Lower ? std::min(found, value)
                                                  : std::max(found, value);
            }
            if (withValue >= 2)
                best[r] = found;
        }
    }
    return best.at(row);
}

namespace {

// Values that look the same in the table are equally good.
bool looksTheSame(double value, double best, Quantity quantity, UnitSystem units)
{
    const double halfShownUnit = 0.5 * std::pow(10.0, -ShownDecimals(quantity, units));
    return std::abs(ToShown(value, quantity, units) - ToShown(best, quantity, units)) < halfShownUnit;
}

} // namespace

bool ComparisonModel::IsBest(int row, int column) const
{
    const double value = ClassicValue(row, column);
    const double found = bestOf(row);
    if (!std::isfinite(value) || !std::isfinite(found))
        return false;
    return looksTheSame(value, found, QuantityOf(RowAt(row)), units);
}

bool ComparisonModel::IsBestAmong(int row, int column, const QList<int>& columns) const
{
    const Better better = BetterOf(RowAt(row));
    const double value = ClassicValue(row, column);
    if (better == Better::Neither || !std::isfinite(value))
        return false;
    int withValue = 0;
    double found = value;
    for (int c : columns) {
        const double other = ClassicValue(row, c);
        if (!std::isfinite(other))
            continue;
        ++withValue;
        found = better == Better::Lower ? std::min(found, other) : std::max(found, other);
    }
    return withValue >= 2 && looksTheSame(value, found, QuantityOf(RowAt(row)), units);
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: {
        const CarEvaluation& e = *CarAt(column).evaluation;
        if (!e.HasResults())
            return tr("—");
        if (MarkNeverPassed(row, column))
            return QString::fromLatin1(ForgetItText).trimmed();
        const double value = ShownValue(row, column);
        if (!std::isfinite(value))
            return tr("—");
        return locale.toString(value, 'f', ShownDecimals(QuantityOf(RowAt(row)), units));
    }
    case ValueRole: return ShownValue(row, column);
    case IsBestRole: return IsBest(row, column);
    case Qt::FontRole:
        if (IsBest(row, column)) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    case Qt::ToolTipRole: {
        const CarEvaluation& e = *CarAt(column).evaluation;
        if (!e.HasResults())
            return PlainToolTip(e.Problem());
        if (MarkNeverPassed(row, column))
            return PlainToolTip(tr("%1 never reaches this speed.").arg(CarAt(column).name));
        if (IsBest(row, column))
            return tr("The best of the cars compared.");
        return QVariant();
    }
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return QVariant();
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount())
            return QVariant();
        if (role == Qt::DisplayRole)
            return RowTitle(section);
        return QVariant();
    }
    if (section < 0 || section >= columnCount())
        return QVariant();
    const GarageCar& car = CarAt(section);
    // A car whose law passes its top speed before the quarter mile is
    // flagged: its model slows down on the strip.
    const bool pastPeak = car.evaluation->HasResults() && car.evaluation->PassesItsPeak();
    switch (role) {
    case Qt::DisplayRole: {
        const QString name = cars->data(cars->index(section), Qt::DisplayRole).toString();
        return pastPeak ? tr("%1 †").arg(name) : name;
    }
    case Qt::DecorationRole: return CarColour(car.id);
    case Qt::ToolTipRole:
        if (pastPeak)
            return PlainToolTip(PastPeakNote(car.name));
        return cars->data(cars->index(section), Qt::ToolTipRole);
    case CarIdRole: return car.id;
    case PastPeakRole: return pastPeak;
    default: return QVariant();
    }
}

void ComparisonModel::SetUnitSystem(UnitSystem newUnits)
{
    if (units == newUnits)
        return;
    beginResetModel();
    units = newUnits;
    rebuildRows();
    forgetBest();
    endResetModel();
}

void ComparisonModel::SetLocale(const QLocale& newLocale)
{
    beginResetModel();
    locale = newLocale;
    endResetModel();
}

Quantity ComparisonModel::QuantityOf(ComparisonRow row)
{
    switch (row) {
    case ComparisonRow::QuarterMileSpeed:
    case ComparisonRow::TopSpeed:
    case ComparisonRow::EighthMileSpeed:
    case ComparisonRow::HaleTrapSpeed:
    case ComparisonRow::FoxTrapSpeed:
    case ComparisonRow::HuntingtonTrapSpeed: return Quantity::Speed;
    case ComparisonRow::QuarterMileDistance:
    case ComparisonRow::TopSpeedDistance: return Quantity::Distance;
    case ComparisonRow::QuarterMileWindForce:
    case ComparisonRow::TopSpeedWindForce: return Quantity::Force;
    default: return Quantity::Time;
    }
}

Better ComparisonModel::BetterOf(ComparisonRow row)
{
    switch (row) {
    case ComparisonRow::QuarterMileDistance:
    case ComparisonRow::QuarterMileWindForce:
    case ComparisonRow::TopSpeedTime:
    case ComparisonRow::TopSpeedDistance:
    case ComparisonRow::TopSpeedWindForce: return Better::Neither;
    default: return QuantityOf(row) == Quantity::Speed ? Better::Higher : Better::Lower;
    }
}

QString ComparisonModel::RowName(ComparisonRow row)
{
    switch (row) {
    case ComparisonRow::QuarterMileTime: return tr("Quarter mile elapsed time");
    case ComparisonRow::QuarterMileSpeed: return tr("Quarter mile speed");
    case ComparisonRow::QuarterMileDistance: return tr("Quarter mile distance");
    case ComparisonRow::QuarterMileWindForce: return tr("Quarter mile wind force");
    case ComparisonRow::TopSpeedTime: return tr("Top speed time");
    case ComparisonRow::TopSpeed: return tr("Top speed");
    case ComparisonRow::TopSpeedDistance: return tr("Top speed distance");
    case ComparisonRow::TopSpeedWindForce: return tr("Top speed wind force");
    case ComparisonRow::ZeroToSixtyTime: return tr("0-60 mph time");
    case ComparisonRow::ZeroToEightyTime: return tr("0-80 mph time");
    case ComparisonRow::ZeroToHundredTime: return tr("0-100 mph time");
    case ComparisonRow::SixtyToEightyTime: return tr("60-80 mph time");
    case ComparisonRow::SixtyFootTime: return tr("60 ft time");
    case ComparisonRow::ThreeThirtyFootTime: return tr("330 ft time");
    case ComparisonRow::EighthMileTime: return tr("1/8 mile elapsed time");
    case ComparisonRow::ThousandFootTime: return tr("1000 ft time");
    case ComparisonRow::EighthMileSpeed: return tr("1/8 mile speed");
    case ComparisonRow::ZeroToHundredKmhTime: return tr("0-100 km/h time");
    case ComparisonRow::HaleElapsedTime: return tr("Hale estimate: elapsed time");
    case ComparisonRow::HaleTrapSpeed: return tr("Hale estimate: trap speed");
    case ComparisonRow::FoxElapsedTime: return tr("Fox estimate: elapsed time");
    case ComparisonRow::FoxTrapSpeed: return tr("Fox estimate: trap speed");
    case ComparisonRow::HuntingtonElapsedTime: return tr("Huntington estimate: elapsed time");
    case ComparisonRow::HuntingtonTrapSpeed: return tr("Huntington estimate: trap speed");
    }
    return QString();
}

QString ComparisonModel::PastPeakNote(const QString& carName)
{
    return tr("† The law of %1 reaches its top speed before the quarter mile; past that point the "
              "model's speed falls, where a real car would hold its top speed. Its curves are dotted "
              "there, and its quarter-mile figures carry that fall.")
        .arg(carName);
}

QString ComparisonModel::RowTitle(int row) const
{
    const QString symbol = UnitSymbol(QuantityOf(RowAt(row)), units);
    return tr("%1 (%2)").arg(RowName(RowAt(row)), symbol);
}

QList<QStringList> ComparisonModel::InputRows(const QLocale& numbers) const
{
    QList<QStringList> table;
    for (InputField field : AllInputFields) {
        QStringList line{ FieldLabel(field, units), FieldUnit(field, units) };
        for (int c = 0; c < columnCount(); ++c)
            line << FieldValueText(CarAt(c).Inputs().Value(field), field, units, numbers);
        table << line;
    }
    // The frontal area, then the day's air each car ran in and the
    // horsepower that gave it.
    auto add = [&](const QString& name, Quantity quantity, int decimals, auto valueOf) {
        QStringList line{ name, UnitSymbol(quantity, units) };
        for (int c = 0; c < columnCount(); ++c)
            line << numbers.toString(ToShown(valueOf(CarAt(c)), quantity, units), 'f', decimals);
        table << line;
    };
    add(tr("Frontal area"), Quantity::Area, ShownDecimals(Quantity::Area, units),
        [](const GarageCar& car) { return car.Inputs().FrontalArea(); });
    add(tr("Temperature"), Quantity::Temperature, ShownDecimals(Quantity::Temperature, units),
        [](const GarageCar& car) { return car.evaluation->air.conditions.temperature; });
    add(tr("Station pressure"), Quantity::Pressure, ShownDecimals(Quantity::Pressure, units),
        [](const GarageCar& car) { return car.evaluation->air.conditions.pressure; });
    add(tr("Relative humidity"), Quantity::Percent, 0,
        [](const GarageCar& car) { return car.evaluation->air.conditions.humidity; });
    add(tr("Density altitude"), Quantity::Distance, 0,
        [](const GarageCar& car) { return car.evaluation->air.densityAltitude; });
    add(tr("Relative air density"), Quantity::Plain, 4,
        [](const GarageCar& car) { return car.evaluation->air.relativeAirDensity; });
    add(tr("Correction factor (SAE J1349)"), Quantity::Plain, 4,
        [](const GarageCar& car) { return car.evaluation->air.correctionFactor; });
    add(tr("Horsepower on the day"), Quantity::Power, 2,
        [](const GarageCar& car) { return car.evaluation->horsepowerOnDay; });
    return table;
}

QList<QStringList> ComparisonModel::CsvRows() const
{
    QList<QStringList> table;
    QStringList header{ tr("Figure"), tr("Unit") };
    for (int c = 0; c < columnCount(); ++c)
        header << CarAt(c).name;
    table << header;
    table << InputRows(QLocale::c());
    for (int r = 0; r < rowCount(); ++r) {
        QStringList line{ RowName(RowAt(r)), UnitSymbol(QuantityOf(RowAt(r)), units) };
        for (int c = 0; c < columnCount(); ++c) {
            const double value = ShownValue(r, c);
            line << (std::isfinite(value)
                         ? QString::number(value, 'f', ShownDecimals(QuantityOf(RowAt(r)), units))
                         : QString());
        }
        table << line;
    }
    return table;
}

void ComparisonModel::rebuildRows()
{
    rows.clear();
    for (int r = 0; r <= static_cast<int>(ComparisonRow::HuntingtonTrapSpeed); ++r) {
        const auto row = static_cast<ComparisonRow>(r);
        if (row == ComparisonRow::ZeroToHundredKmhTime && units != UnitSystem::Metric)
            continue;
        rows << row;
    }
}

void ComparisonModel::onCarsChanged(const QModelIndex& first, const QModelIndex& last, const QList<int>& roles)
{
    const bool figures = roles.isEmpty() || roles.contains(CarList::EvaluationRole);
    if (figures && rowCount() > 0) {
        // A change in one car can move the best value of any row.
        forgetBest();
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    emit headerDataChanged(Qt::Horizontal, first.row(), last.row());
}
