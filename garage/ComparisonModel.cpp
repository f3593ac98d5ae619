// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/ComparisonModel.h"

#include "core/ResultTexts.h"
#include "garage/GarageFields.h"
#include "garage/GarageSettings.h"
#include "garage/PlainText.h"
#include "numbers/EnumTable.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>

#include <array>
#include <cmath>
#include <limits>
#include <variant>

namespace {

constexpr double noValue = std::numeric_limits<double>::quiet_NaN();

// Where a row's value comes from: a result of the run, a split of the time
// slip, the 0-100 km/h time (a row of the metric system only), or an
// estimate's elapsed time or trap speed.
struct KmhTime {};
struct Estimate {
    EstimateRule rule;
    bool trapSpeed;
};
using RowSource = std::variant<ResultField, double SplitTimes::*, KmhTime, Estimate>;

struct RowInfo {
    ComparisonRow row;
    const char* name; // without the unit, in the context ComparisonModel
    Quantity quantity;
    Better better;
    RowSource source;
};

// One line per row, in ComparisonRow order.
constexpr std::array<RowInfo, 24> rowTable = { {
    { ComparisonRow::QuarterMileTime, QT_TRANSLATE_NOOP("ComparisonModel", "Quarter mile elapsed time"),
      Quantity::Time, Better::Lower, ResultField::QuarterMileTime },
    { ComparisonRow::QuarterMileSpeed, QT_TRANSLATE_NOOP("ComparisonModel", "Quarter mile speed"),
      Quantity::Speed, Better::Higher, ResultField::QuarterMileSpeed },
    { ComparisonRow::QuarterMileDistance, QT_TRANSLATE_NOOP("ComparisonModel", "Quarter mile distance"),
      Quantity::Distance, Better::Neither, ResultField::QuarterMileDistance },
    { ComparisonRow::QuarterMileWindForce, QT_TRANSLATE_NOOP("ComparisonModel", "Quarter mile wind force"),
      Quantity::Force, Better::Neither, ResultField::QuarterMileWindForce },
    { ComparisonRow::TopSpeedTime, QT_TRANSLATE_NOOP("ComparisonModel", "Top speed time"),
      Quantity::Time, Better::Neither, ResultField::TopSpeedTime },
    { ComparisonRow::TopSpeed, QT_TRANSLATE_NOOP("ComparisonModel", "Top speed"),
      Quantity::Speed, Better::Higher, ResultField::TopSpeed },
    { ComparisonRow::TopSpeedDistance, QT_TRANSLATE_NOOP("ComparisonModel", "Top speed distance"),
      Quantity::Distance, Better::Neither, ResultField::TopSpeedDistance },
    { ComparisonRow::TopSpeedWindForce, QT_TRANSLATE_NOOP("ComparisonModel", "Top speed wind force"),
      Quantity::Force, Better::Neither, ResultField::TopSpeedWindForce },
    { ComparisonRow::ZeroToSixtyTime, QT_TRANSLATE_NOOP("ComparisonModel", "0-60 mph time"),
      Quantity::Time, Better::Lower, ResultField::ZeroToSixtyTime },
    { ComparisonRow::ZeroToEightyTime, QT_TRANSLATE_NOOP("ComparisonModel", "0-80 mph time"),
      Quantity::Time, Better::Lower, ResultField::ZeroToEightyTime },
    { ComparisonRow::ZeroToHundredTime, QT_TRANSLATE_NOOP("ComparisonModel", "0-100 mph time"),
      Quantity::Time, Better::Lower, ResultField::ZeroToHundredTime },
    { ComparisonRow::SixtyToEightyTime, QT_TRANSLATE_NOOP("ComparisonModel", "60-80 mph time"),
      Quantity::Time, Better::Lower, ResultField::SixtyToEightyTime },
    { ComparisonRow::SixtyFootTime, QT_TRANSLATE_NOOP("ComparisonModel", "60 ft time"),
      Quantity::Time, Better::Lower, &SplitTimes::sixtyFootTime },
    { ComparisonRow::ThreeThirtyFootTime, QT_TRANSLATE_NOOP("ComparisonModel", "330 ft time"),
      Quantity::Time, Better::Lower, &SplitTimes::threeThirtyFootTime },
    { ComparisonRow::EighthMileTime, QT_TRANSLATE_NOOP("ComparisonModel", "1/8 mile elapsed time"),
      Quantity::Time, Better::Lower, &SplitTimes::eighthMileTime },
    { ComparisonRow::EighthMileSpeed, QT_TRANSLATE_NOOP("ComparisonModel", "1/8 mile speed"),
      Quantity::Speed, Better::Higher, &SplitTimes::eighthMileSpeed },
    { ComparisonRow::ThousandFootTime, QT_TRANSLATE_NOOP("ComparisonModel", "1000 ft time"),
      Quantity::Time, Better::Lower, &SplitTimes::thousandFootTime },
    { ComparisonRow::ZeroToHundredKmhTime, QT_TRANSLATE_NOOP("ComparisonModel", "0-100 km/h time"),
      Quantity::Time, Better::Lower, KmhTime{} },
    { ComparisonRow::HaleElapsedTime, QT_TRANSLATE_NOOP("ComparisonModel", "Hale estimate: elapsed time"),
      Quantity::Time, Better::Lower, Estimate{ EstimateRule::Hale, false } },
    { ComparisonRow::HaleTrapSpeed, QT_TRANSLATE_NOOP("ComparisonModel", "Hale estimate: trap speed"),
      Quantity::Speed, Better::Higher, Estimate{ EstimateRule::Hale, true } },
    { ComparisonRow::FoxElapsedTime, QT_TRANSLATE_NOOP("ComparisonModel", "Fox estimate: elapsed time"),
      Quantity::Time, Better::Lower, Estimate{ EstimateRule::Fox, false } },
    { ComparisonRow::FoxTrapSpeed, QT_TRANSLATE_NOOP("ComparisonModel", "Fox estimate: trap speed"),
      Quantity::Speed, Better::Higher, Estimate{ EstimateRule::Fox, true } },
    { ComparisonRow::HuntingtonElapsedTime, QT_TRANSLATE_NOOP("ComparisonModel", "Huntington estimate: elapsed time"),
      Quantity::Time, Better::Lower, Estimate{ EstimateRule::Huntington, false } },
    { ComparisonRow::HuntingtonTrapSpeed, QT_TRANSLATE_NOOP("ComparisonModel", "Huntington estimate: trap speed"),
      Quantity::Speed, Better::Higher, Estimate{ EstimateRule::Huntington, true } },
} };
static_assert(InEnumOrder(rowTable, &RowInfo::row));

const RowInfo& infoOf(ComparisonRow row)
{
    return RowOf(rowTable, row);
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
    return ValueOf(*CarAt(column).evaluation, row);
}

double ComparisonModel::ValueOf(const CarEvaluation& e, int row) const
{
    if (!e.HasResults())
        return noValue;
    const RowSource& source = infoOf(RowAt(row)).source;
    if (const auto* field = std::get_if<ResultField>(&source))
        return MarkMissed(e.results, *field) ? noValue : ResultValue(e.results, *field);
    if (const auto* split = std::get_if<double SplitTimes::*>(&source))
        return e.splits.**split;
    if (const auto* estimate = std::get_if<Estimate>(&source)) {
        const EstimatePair& pair = e.estimates[static_cast<int>(estimate->rule)];
        return estimate->trapSpeed ? pair.trapSpeed : pair.elapsedTime;
    }
    return e.zeroToHundredKmhTime != 0 ? e.zeroToHundredKmhTime : noValue;
}

QString ComparisonModel::TextOf(const CarEvaluation& e, int row) const
{
    if (!e.HasResults())
        return tr("—");
    if (neverPassed(e, row))
        return QString::fromLatin1(ForgetItText).trimmed();
    const double value = ToShown(ValueOf(e, row), QuantityOf(RowAt(row)), units);
    if (!std::isfinite(value))
        return tr("—");
    return locale.toString(value, 'f', ShownDecimals(QuantityOf(RowAt(row)), units));
}

double ComparisonModel::ShownValue(int row, int column) const
{
    return ToShown(ClassicValue(row, column), QuantityOf(RowAt(row)), units);
}

bool ComparisonModel::MarkNeverPassed(int row, int column) const
{
    return neverPassed(*CarAt(column).evaluation, row);
}

bool ComparisonModel::neverPassed(const CarEvaluation& e, int row) const
{
    if (!e.HasResults())
        return false;
    const RowSource& source = infoOf(RowAt(row)).source;
    if (const auto* field = std::get_if<ResultField>(&source))
        return MarkMissed(e.results, *field);
    return std::holds_alternative<KmhTime>(source) && e.zeroToHundredKmhTime == 0;
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
    case Qt::DisplayRole: return TextOf(*CarAt(column).evaluation, row);
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
    return infoOf(row).quantity;
}

Better ComparisonModel::BetterOf(ComparisonRow row)
{
    return infoOf(row).better;
}

QString ComparisonModel::RowName(ComparisonRow row)
{
    return QCoreApplication::translate("ComparisonModel", infoOf(row).name);
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
    // On the road model a row says so for each car; the classic law's
    // export stays as it always was.
    if (cars->Model() == CarModel::Road) {
        QStringList model{ tr("Model"), QString() };
        for (int c = 0; c < columnCount(); ++c)
            model << CarModelWord(CarAt(c).evaluation->model);
        table << model;
    }
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
    for (const RowInfo& info : rowTable)
        if (units == UnitSystem::Metric || !std::holds_alternative<KmhTime>(info.source))
            rows << info.row;
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

BothModelsModel::BothModelsModel(ComparisonModel* comparison, QObject* parent)
    : QAbstractTableModel(parent)
    , comparison(comparison)
    , shownColumns(comparison->columnCount())
{
    // Whatever changes the columns lays the table out again; the values
    // follow one by one.
    for (auto about : { &QAbstractItemModel::columnsAboutToBeInserted, &QAbstractItemModel::columnsAboutToBeRemoved,
                        &QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved })
        connect(comparison, about, this, [this] { beginResetModel(); });
    for (auto done : { &QAbstractItemModel::columnsInserted, &QAbstractItemModel::columnsRemoved,
                       &QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved })
        connect(comparison, done, this, [this] {
            shownColumns = columnCount();
            endResetModel();
        });
    connect(comparison, &QAbstractItemModel::modelAboutToBeReset, this, &BothModelsModel::beginResetModel);
    connect(comparison, &QAbstractItemModel::modelReset, this, [this] {
        shownColumns = columnCount();
        endResetModel();
    });
    connect(comparison, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                if (columnCount() != shownColumns)
                    return reset();
                if (!doubled())
                    return emit dataChanged(index(first.row(), first.column()), index(last.row(), last.column()),
                                            roles);
                emit dataChanged(index(first.row(), 2 * first.column()), index(last.row(), 2 * last.column() + 1),
                                 roles);
            });
    connect(comparison, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation orientation) {
        if (columnCount() != shownColumns)
            return reset();
        const int count = orientation == Qt::Horizontal ? columnCount() : rowCount();
        if (count > 0)
            emit headerDataChanged(orientation, 0, count - 1);
    });
    connect(comparison->Cars(), &CarList::runsChanged, this, [this] {
        if (columnCount() != shownColumns)
            reset();
    });
}

void BothModelsModel::reset()
{
    beginResetModel();
    shownColumns = columnCount();
    endResetModel();
}

void BothModelsModel::SetClassicBeside(bool on)
{
    if (beside == on)
        return;
    beginResetModel();
    beside = on;
    if (!beside)
        held.clear();
    shownColumns = columnCount();
    endResetModel();
}

bool BothModelsModel::doubled() const
{
    return beside && comparison->Cars() && comparison->Cars()->Model() == CarModel::Road;
}

bool BothModelsModel::IsClassicColumn(int column) const
{
    return doubled() && column % 2 == 1;
}

int BothModelsModel::SourceColumn(int column) const
{
    return doubled() ? column / 2 : column;
}

int BothModelsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : comparison->rowCount();
}

int BothModelsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : comparison->columnCount() * (doubled() ? 2 : 1);
}

const CarEvaluation& BothModelsModel::classicOf(int sourceColumn) const
{
    const CarList* cars = comparison->Cars();
    const GarageCar& car = cars->At(sourceColumn);
    Held& h = held[car.id];
    if (h.road != car.evaluation || !h.classic) {
        h.road = car.evaluation;
        h.classic = std::make_shared<const CarEvaluation>(
            EvaluateNumbers(cars->ModelCarAt(sourceColumn), cars->Air(), CarModel::Classic));
    }
    return *h.classic;
}

QVariant BothModelsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    const int source = SourceColumn(index.column());
    if (!IsClassicColumn(index.column()))
        return comparison->index(index.row(), source).data(role);
    const CarEvaluation& e = classicOf(source);
    switch (role) {
    case Qt::DisplayRole: return comparison->TextOf(e, index.row());
    case ComparisonModel::ValueRole:
        return ToShown(comparison->ValueOf(e, index.row()), ComparisonModel::QuantityOf(comparison->RowAt(index.row())),
                       comparison->Units());
    case ComparisonModel::IsBestRole: return false;
    case Qt::ToolTipRole: return e.HasResults() ? QVariant() : QVariant(PlainToolTip(e.Problem()));
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return QVariant();
    }
}

QVariant BothModelsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // On the road model every car's header names the model it shows, under
    // the car's name; the classic law's headers are as they always were.
    const bool road = comparison->Cars() && comparison->Cars()->Model() == CarModel::Road;
    if (orientation == Qt::Vertical || !road)
        return comparison->headerData(section, orientation, role);
    if (section < 0 || section >= columnCount())
        return QVariant();
    const int source = SourceColumn(section);
    const QVariant name = comparison->headerData(source, orientation, role);
    if (role != Qt::DisplayRole)
        return name;
    // The model on a line of its own, so a long car name and the model both
    // fit a column of a laptop's screen.
    return tr("%1\n(%2)").arg(name.toString(),
                             CarModelName(IsClassicColumn(section) ? CarModel::Classic : CarModel::Road));
}
