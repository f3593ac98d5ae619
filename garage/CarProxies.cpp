#include "garage/CarProxies.h"

#include "garage/CarList.h"

#include <QFont>

BaseCarsModel::BaseCarsModel(QAbstractItemModel* cars, QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSourceModel(cars);
    // Keeping a variant makes it a car of its own: filter again on changes.
    setDynamicSortFilter(true);
}

bool BaseCarsModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    return !sourceModel()->index(sourceRow, 0, sourceParent).data(CarList::IsVariantRole).toBool();
}

ChosenCarsModel::ChosenCarsModel(QAbstractItemModel* cars, QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSourceModel(cars);
    setDynamicSortFilter(false);
}

void ChosenCarsModel::SetCarIds(const QList<int>& newIds)
{
    if (ids == newIds)
        return;
    ids = newIds;
    invalidateFilter();
}

bool ChosenCarsModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    return ids.contains(sourceModel()->index(sourceRow, 0, sourceParent).data(CarList::IdRole).toInt());
}

ChosenColumnsModel::ChosenColumnsModel(ComparisonModel* comparison, QObject* parent)
    : QSortFilterProxyModel(parent)
    , comparison(comparison)
{
    setSourceModel(comparison);
    setDynamicSortFilter(false);
}

void ChosenColumnsModel::SetCarIds(const QList<int>& newIds)
{
    if (ids == newIds)
        return;
    ids = newIds;
    invalidateFilter();
}

void ChosenColumnsModel::SetRows(const QList<ComparisonRow>& newRows)
{
    rows = newRows;
    invalidateFilter();
}

bool ChosenColumnsModel::filterAcceptsColumn(int sourceColumn, const QModelIndex&) const
{
    return sourceColumn < comparison->columnCount() && ids.contains(comparison->CarAt(sourceColumn).id);
}

bool ChosenColumnsModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return rows.isEmpty() || rows.contains(comparison->RowAt(sourceRow));
}

QVariant ChosenColumnsModel::data(const QModelIndex& index, int role) const
{
    if (role != ComparisonModel::IsBestRole && role != Qt::FontRole)
        return QSortFilterProxyModel::data(index, role);
    // The best among the cars shown here, not among every car.
    const QModelIndex source = mapToSource(index);
    QList<int> shown;
    for (int c = 0; c < columnCount(); ++c)
        shown << mapToSource(this->index(0, c)).column();
    const bool isBest = comparison->IsBestAmong(source.row(), source.column(), shown);
    if (role == ComparisonModel::IsBestRole)
        return isBest;
    if (!isBest)
        return QVariant();
    QFont font;
    font.setBold(true);
    return font;
}
