// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/SlipTableModel.h"

#include "garage/Units.h"
#include "logbook/Calibration.h"
#include "logbook/RunTableModel.h"

#include <QCoreApplication>

#include <array>

namespace {

// The splits of a slip as the table lists them: the figure, its distance
// along the track (ft, 0 for a speed) and its header.
struct SplitColumn {
    SlipFigure RunResidual::*figure;
    RunNumber given;
    double feet; // where the time is taken; 0 for a speed
    const char* header;
    int decimals;
};

const std::array<SplitColumn, 7> splitColumns{ {
    { &RunResidual::sixtyFootTime, &LoggedRun::sixtyFootTime, 60, QT_TRANSLATE_NOOP("LogbookPage", "60 ft (s)"), 3 },
    { &RunResidual::threeThirtyFootTime, &LoggedRun::threeThirtyFootTime, 330,
      QT_TRANSLATE_NOOP("LogbookPage", "330 ft (s)"), 3 },
    { &RunResidual::eighthMileTime, &LoggedRun::eighthMileTime, 660, QT_TRANSLATE_NOOP("LogbookPage", "1/8 mile (s)"), 3 },
    { &RunResidual::eighthMileSpeed, &LoggedRun::eighthMileSpeed, 0, QT_TRANSLATE_NOOP("LogbookPage", "1/8 mile (mph)"), 2 },
    { &RunResidual::thousandFootTime, &LoggedRun::thousandFootTime, 1000,
      QT_TRANSLATE_NOOP("LogbookPage", "1000 ft (s)"), 3 },
    { &RunResidual::quarterMileTime, &LoggedRun::quarterMileTime, 1320, QT_TRANSLATE_NOOP("LogbookPage", "1/4 mile (s)"), 3 },
    { &RunResidual::quarterMileSpeed, &LoggedRun::quarterMileSpeed, 0, QT_TRANSLATE_NOOP("LogbookPage", "1/4 mile (mph)"), 2 },
} };

} // namespace

SlipTableModel::SlipTableModel(const RunTableModel* runs, QObject* parent)
    : QAbstractTableModel(parent)
    , runs(runs)
    , cached(std::make_unique<RunResidual>())
{
}

SlipTableModel::~SlipTableModel() = default;

void SlipTableModel::Refresh(const CarInputs& newCar, const QLocale& newLocale)
{
    beginResetModel();
    car = newCar;
    locale = newLocale;
    rows = runs->rowCount();
    cachedRow = -1;
    endResetModel();
}

void SlipTableModel::AppendSplitPoints(const LoggedRun& run, QList<QPointF>& points)
{
    for (const SplitColumn& column : splitColumns)
        if (column.feet > 0 && (run.*column.given))
            points << QPointF(*(run.*column.given), column.feet);
}

int SlipTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows;
}

int SlipTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1 + static_cast<int>(splitColumns.size());
}

const RunResidual& SlipTableModel::residualOf(int row) const
{
    if (row != cachedRow) {
        const LoggedRun& run = runs->RunAt(row);
        const AirConditions air = AirOfRun(run);
        *cached = ResidualOf(run, air, RunCarOnDay(car, air));
        cachedRow = row;
    }
    return *cached;
}

QVariant SlipTableModel::data(const QModelIndex& index, int role) const
{
    // Rows the runs table no longer has wait for the next Refresh.
    if (!index.isValid() || index.row() >= rows || index.row() >= runs->rowCount())
        return QVariant();
    const LoggedRun& run = runs->RunAt(index.row());
    if (index.column() == 0) {
        if (role != Qt::DisplayRole)
            return QVariant();
        const QString date = RunDateText(run);
        return date.isEmpty() ? QCoreApplication::translate("LogbookPage", "Run %1").arg(index.row() + 1) : date;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const RunResidual& residual = residualOf(index.row());
    if (!residual.finished)
        return QVariant();
    const SplitColumn& column = splitColumns[static_cast<std::size_t>(index.column() - 1)];
    const SlipFigure& figure = residual.*column.figure;
    const std::optional<double> difference = figure.Difference();
    const QString predicted = locale.toString(figure.predicted, 'f', column.decimals);
    if (role == Qt::ToolTipRole)
        return difference ? QCoreApplication::translate("LogbookPage", "Slip %1, model %2: the model less the slip.")
                                .arg(locale.toString(*(run.*column.given), 'f', column.decimals), predicted)
                          : QVariant();
    if (!difference)
        return predicted;
    return QStringLiteral("%1 (%2)").arg(predicted, SignedDifferenceText(*difference, column.decimals, locale));
}

QVariant SlipTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    // The texts of the logbook page, which shows the table.
    if (section == 0)
        return QCoreApplication::translate("LogbookPage", "Run");
    return QCoreApplication::translate("LogbookPage", splitColumns[static_cast<std::size_t>(section - 1)].header);
}
