// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/SensitivityModel.h"

#include <QFont>

#include <cmath>

SensitivityModel::SensitivityModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void SensitivityModel::SetCar(const CarInputs& car, const AirFigures& air)
{
    SetCar(ModelCar{ car, {} }, air, CarModel::Classic);
}

void SensitivityModel::SetCar(const ModelCar& car, const AirFigures& air, CarModel model)
{
    beginResetModel();
    table = Sensitivity(car, air, model);
    endResetModel();
}

void SensitivityModel::SetUnitSystem(UnitSystem newUnits)
{
    beginResetModel();
    units = newUnits;
    endResetModel();
}

void SensitivityModel::SetLocale(const QLocale& newLocale)
{
    beginResetModel();
    locale = newLocale;
    endResetModel();
}

int SensitivityModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table.rows.size());
}

int SensitivityModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(AllSensitivityFigures.size());
}

QVariant SensitivityModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    const SensitivityRow& row = table.rows[static_cast<std::size_t>(index.row())];
    const auto figure = AllSensitivityFigures[static_cast<std::size_t>(index.column())];
    const Quantity quantity = QuantityOf(figure);
    const double value = ToShown(row.value[index.column()], quantity, units);
    const double change = ToShown(row.change[index.column()], quantity, units);
    switch (role) {
    case Qt::DisplayRole: {
        if (!std::isfinite(value))
            return tr("—");
        const int decimals = ShownDecimals(quantity, units);
        // A change too small to show is shown as none, without a sign.
        const double scale = std::pow(10.0, decimals);
        const double shownChange = std::round(change * scale) / scale;
        QString changeText = std::isfinite(change) ? locale.toString(shownChange == 0 ? 0.0 : shownChange, 'f', decimals)
                                                   : tr("—");
        if (std::isfinite(change) && shownChange > 0)
            changeText.prepend(QLatin1Char('+'));
        return tr("%1 (%2)").arg(locale.toString(value, 'f', decimals), changeText);
    }
    case ChangeRole: return change;
    case ValueRole: return value;
    case Qt::ToolTipRole:
        if (row.outsideRanges)
            return tr("This car lies outside the input ranges; the engine runs it all the same.");
        return QVariant();
    case Qt::FontRole:
        if (row.outsideRanges) {
            QFont font;
            font.setItalic(true);
            return font;
        }
        return QVariant();
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return QVariant();
    }
}

QVariant SensitivityModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount())
            return QVariant();
        const auto figure = AllSensitivityFigures[static_cast<std::size_t>(section)];
        return tr("%1 (%2)").arg(FigureName(figure), UnitSymbol(QuantityOf(figure), units));
    }
    if (section < 0 || section >= rowCount())
        return QVariant();
    const SensitivityRow& row = table.rows[static_cast<std::size_t>(section)];
    if (row.input == SensitivityInput::Gears || row.input == SensitivityInput::Tires)
        return (row.factor < 1 ? tr("%1 one step down") : tr("%1 one step up")).arg(InputName(row.input));
    const QString share = row.factor < 1 ? tr("−10 %") : tr("+10 %");
    return tr("%1 %2").arg(InputName(row.input), share);
}

Quantity SensitivityModel::QuantityOf(SensitivityFigure figure)
{
    switch (figure) {
    case SensitivityFigure::QuarterMileSpeed:
    case SensitivityFigure::TopSpeed: return Quantity::Speed;
    default: return Quantity::Time;
    }
}

QString SensitivityModel::InputName(SensitivityInput input)
{
    switch (input) {
    case SensitivityInput::Horsepower: return tr("Horsepower");
    case SensitivityInput::CarWeight: return tr("Weight");
    case SensitivityInput::DragCoefficient: return tr("Drag coefficient");
    case SensitivityInput::FrontalArea: return tr("Frontal area");
    case SensitivityInput::Gears: return tr("Gears");
    case SensitivityInput::Tires: return tr("Tires");
    }
    return QString();
}

QString SensitivityModel::FigureName(SensitivityFigure figure)
{
    switch (figure) {
    case SensitivityFigure::QuarterMileTime: return tr("Quarter mile time");
    case SensitivityFigure::QuarterMileSpeed: return tr("Quarter mile speed");
    case SensitivityFigure::TopSpeed: return tr("Top speed");
    case SensitivityFigure::ZeroToSixtyTime: return tr("0-60 mph time");
    }
    return QString();
}
