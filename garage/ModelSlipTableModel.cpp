// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/ModelSlipTableModel.h"

#include "garage/Units.h"
#include "logbook/Calibration.h"
#include "logbook/SlipTableModel.h"

#include <QCoreApplication>

ModelSlipTableModel::ModelSlipTableModel(const SlipTableModel* runs, QObject* parent)
    : QAbstractTableModel(parent)
    , runs(runs)
    , cached(std::make_unique<SlipResidual>())
{
}

ModelSlipTableModel::~ModelSlipTableModel() = default;

void ModelSlipTableModel::Refresh(const CarInputs& newCar, const QLocale& newLocale)
{
    Refresh(ModelCar{ newCar, {} }, CarModel::Classic, newLocale);
}

void ModelSlipTableModel::Refresh(const ModelCar& newCar, CarModel newModel, const QLocale& newLocale)
{
    beginResetModel();
    car = newCar;
    model = newModel;
    locale = newLocale;
    rows = runs->rowCount();
    cachedRow = -1;
    endResetModel();
}

void ModelSlipTableModel::AppendSplitPoints(const TimeSlip& run, QList<QPointF>& points)
{
    for (const SplitFigureInfo& figure : SplitFigures)
        if (const std::optional<double> given = run.*NumberMember(SlipFieldOf(figure));
            figure.kind == SplitKind::Time && given)
            points << QPointF(*given, figure.feet);
}

int ModelSlipTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows;
}

int ModelSlipTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + static_cast<int>(SplitFigures.size());
}

const SlipResidual& ModelSlipTableModel::residualOf(int row) const
{
    if (row != cachedRow) {
        const TimeSlip& run = runs->RunAt(row);
        const AirConditions air = AirOfRun(run);
        *cached = ResidualOf(run, air, RunModelCarOnDay(car, FiguresFor(air), model));
        cachedRow = row;
    }
    return *cached;
}

QVariant ModelSlipTableModel::data(const QModelIndex& index, int role) const
{
    // Rows the runs table no longer has wait for the next Refresh.
    if (!index.isValid() || index.row() >= rows || index.row() >= runs->rowCount())
        return QVariant();
    const TimeSlip& run = runs->RunAt(index.row());
    if (index.column() == 0) {
        if (role != Qt::DisplayRole)
            return QVariant();
        const QString date = ShownSlipDate(run);
        return date.isEmpty() ? QCoreApplication::translate("LogbookPage", "Run %1").arg(index.row() + 1) : date;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const SlipResidual& residual = residualOf(index.row());
    if (!residual.finished)
        return QVariant();
    const SplitFigureInfo& column = SplitFigures[static_cast<std::size_t>(index.column() - 1)];
    const SlipFigure& figure = residual.Of(column.figure);
    const std::optional<double> difference = figure.Difference();
    const QString predicted = locale.toString(figure.predicted, 'f', column.decimals);
    if (role == Qt::ToolTipRole)
        return difference ? QCoreApplication::translate("LogbookPage", "Slip %1, model %2: the model less the slip.")
                                .arg(locale.toString(*figure.given, 'f', column.decimals), predicted)
                          : QVariant();
    if (!difference)
        return predicted;
    return QStringLiteral("%1 (%2)").arg(predicted, SignedDifferenceText(*difference, column.decimals, locale));
}

QVariant ModelSlipTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    // The run as the logbook page, which shows the table, calls it; the
    // splits as the runs' table heads them.
    if (section == 0)
        return model == CarModel::Classic
                   ? QCoreApplication::translate("LogbookPage", "Run")
                   : QCoreApplication::translate("LogbookPage", "Run (%1)").arg(CarModelName(model));
    return SlipFieldHeader(SlipFieldOf(SplitFigures[static_cast<std::size_t>(section - 1)]));
}
