// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarProxies.h"

#include "garage/CarList.h"
#include "garage/PlainText.h"

#include <QFont>
#include <QItemSelectionModel>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

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

OneCarModel::OneCarModel(CarList* cars, std::function<int()> followedRow, QObject* parent)
    : ChosenCarsModel(cars, parent)
    , cars(cars)
    , followedRow(std::move(followedRow))
{
    connect(cars->Selection(), &QItemSelectionModel::currentRowChanged, this, &OneCarModel::follow);
    connect(cars, &QAbstractItemModel::rowsInserted, this, &OneCarModel::follow);
    connect(cars, &QAbstractItemModel::rowsRemoved, this, &OneCarModel::follow);
    connect(cars, &QAbstractItemModel::modelReset, this, &OneCarModel::follow);
    // After the proxy's own handling: a change of the car followed until now
    // has been passed on.
    connect(cars, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if ((roles.isEmpty() || roles.contains(CarList::IsVariantRole)) && follow() && rowCount() > 0)
                    emit dataChanged(index(0, 0), index(0, 0), roles);
            });
    follow();
}

bool OneCarModel::follow()
{
    const int row = followedRow();
    const QList<int> ids = row < 0 ? QList<int>() : QList<int>{ cars->At(row).id };
    if (ids == CarIds())
        return false;
    SetCarIds(ids);
    return true;
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

ComparisonRow ChosenColumnsModel::RowAt(int row) const
{
    return comparison->RowAt(mapToSource(index(row, 0)).row());
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

CheckableCarsModel::CheckableCarsModel(QAbstractItemModel* cars, QObject* parent)
    : QIdentityProxyModel(parent)
{
    setSourceModel(cars);
}

QVariant CheckableCarsModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::CheckStateRole)
        return checked.contains(index.data(CarList::IdRole).toInt()) ? Qt::Checked : Qt::Unchecked;
    return QIdentityProxyModel::data(index, role);
}

bool CheckableCarsModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole)
        return QIdentityProxyModel::setData(index, value, role);
    SetChecked(index.data(CarList::IdRole).toInt(), value.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

Qt::ItemFlags CheckableCarsModel::flags(const QModelIndex& index) const
{
    return (QIdentityProxyModel::flags(index) | Qt::ItemIsUserCheckable) & ~Qt::ItemIsEditable;
}

QList<int> CheckableCarsModel::CheckedIds() const
{
    QList<int> ids;
    for (int row = 0; row < rowCount(); ++row) {
        const int id = index(row, 0).data(CarList::IdRole).toInt();
        if (checked.contains(id))
            ids << id;
    }
    return ids;
}

void CheckableCarsModel::SetChecked(int carId, bool check)
{
    if (checked.contains(carId) == check)
        return;
    if (check)
        checked.insert(carId);
    else
        checked.remove(carId);
    for (int row = 0; row < rowCount(); ++row) {
        const QModelIndex car = index(row, 0);
        if (car.data(CarList::IdRole).toInt() == carId)
            emit dataChanged(car, car, { Qt::CheckStateRole });
    }
    emit checkedChanged();
}

DifferenceColumnModel::DifferenceColumnModel(ChosenColumnsModel* columns, QObject* parent)
    : QIdentityProxyModel(parent)
    , columns(columns)
{
    setSourceModel(columns);
    // The identity proxy maps every persistent index through the source
    // over a layout change, which the difference column has none in: the
    // layout changes are followed here instead, that column's indexes by
    // their row's first column.
    disconnect(columns, SIGNAL(layoutAboutToBeChanged(QList<QPersistentModelIndex>,QAbstractItemModel::LayoutChangeHint)),
               this, SLOT(_q_sourceLayoutAboutToBeChanged(QList<QPersistentModelIndex>,QAbstractItemModel::LayoutChangeHint)));
    disconnect(columns, SIGNAL(layoutChanged(QList<QPersistentModelIndex>,QAbstractItemModel::LayoutChangeHint)),
               this, SLOT(_q_sourceLayoutChanged(QList<QPersistentModelIndex>,QAbstractItemModel::LayoutChangeHint)));
    connect(columns, &QAbstractItemModel::layoutAboutToBeChanged, this, &DifferenceColumnModel::sourceLayoutAboutToBeChanged);
    connect(columns, &QAbstractItemModel::layoutChanged, this, &DifferenceColumnModel::sourceLayoutChanged);
    // Cars shown or hidden bring the column or take it away, after the
    // source's own columns have come or gone.
    connect(columns, &QAbstractItemModel::columnsInserted, this, &DifferenceColumnModel::showOrHide);
    connect(columns, &QAbstractItemModel::columnsRemoved, this, &DifferenceColumnModel::showOrHide);
    connect(columns, &QAbstractItemModel::modelReset, this, &DifferenceColumnModel::showOrHide);
    // A change of any figure of the source changes the differences too.
    connect(columns, &QAbstractItemModel::dataChanged, this, [this] {
        if (shown)
            emit dataChanged(index(0, DifferenceColumn()), index(rowCount() - 1, DifferenceColumn()));
    });
    connect(columns, &QAbstractItemModel::headerDataChanged, this, [this](Qt::Orientation orientation) {
        if (shown && orientation == Qt::Horizontal)
            emit headerDataChanged(Qt::Horizontal, DifferenceColumn(), DifferenceColumn());
    });
}

void DifferenceColumnModel::SetCars(int subject, int reference)
{
    if (subject == subjectId && reference == referenceId)
        return;
    subjectId = subject;
    referenceId = reference;
    if (shown && wanted()) {
        emit headerDataChanged(Qt::Horizontal, DifferenceColumn(), DifferenceColumn());
        if (rowCount() > 0)
            emit dataChanged(index(0, DifferenceColumn()), index(rowCount() - 1, DifferenceColumn()));
        return;
    }
    showOrHide();
}

int DifferenceColumnModel::comparisonColumnOf(int carId) const
{
    for (int column = 0; column < columns->columnCount(); ++column)
        if (columns->headerData(column, Qt::Horizontal, ComparisonModel::CarIdRole).toInt() == carId)
            return column;
    return -1;
}

bool DifferenceColumnModel::wanted() const
{
    return subjectId != 0 && referenceId != 0 && subjectId != referenceId && comparisonColumnOf(subjectId) >= 0
           && comparisonColumnOf(referenceId) >= 0;
}

void DifferenceColumnModel::showOrHide()
{
    const bool show = wanted();
    if (show == shown)
        return;
    const int column = columns->columnCount();
    if (show) {
        beginInsertColumns(QModelIndex(), column, column);
        shown = true;
        endInsertColumns();
    } else {
        beginRemoveColumns(QModelIndex(), column, column);
        shown = false;
        endRemoveColumns();
    }
}

void DifferenceColumnModel::sourceLayoutAboutToBeChanged(const QList<QPersistentModelIndex>& sourceParents,
                                                         QAbstractItemModel::LayoutChangeHint hint)
{
    QList<QPersistentModelIndex> parents;
    for (const QPersistentModelIndex& sourceParent : sourceParents)
        parents << QPersistentModelIndex(mapFromSource(sourceParent));
    emit layoutAboutToBeChanged(parents, hint);
    layoutProxies = persistentIndexList();
    layoutSources.clear();
    for (const QModelIndex& proxy : std::as_const(layoutProxies))
        layoutSources << QPersistentModelIndex(
            mapToSource(proxy.column() == DifferenceColumn() ? proxy.sibling(proxy.row(), 0) : proxy));
}

void DifferenceColumnModel::sourceLayoutChanged(const QList<QPersistentModelIndex>& sourceParents,
                                                QAbstractItemModel::LayoutChangeHint hint)
{
    const int differenceColumn = DifferenceColumn();
    for (qsizetype i = 0; i < layoutProxies.size(); ++i) {
        const QModelIndex& proxy = layoutProxies.at(i);
        QModelIndex moved = mapFromSource(layoutSources.at(i));
        if (moved.isValid() && differenceColumn >= 0 && proxy.column() == differenceColumn)
            moved = index(moved.row(), differenceColumn);
        changePersistentIndex(proxy, moved);
    }
    layoutProxies.clear();
    layoutSources.clear();
    QList<QPersistentModelIndex> parents;
    for (const QPersistentModelIndex& sourceParent : sourceParents)
        parents << QPersistentModelIndex(mapFromSource(sourceParent));
    emit layoutChanged(parents, hint);
}

int DifferenceColumnModel::DifferenceColumn() const
{
    return shown ? columns->columnCount() : -1;
}

int DifferenceColumnModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns->columnCount() + (shown ? 1 : 0);
}

QModelIndex DifferenceColumnModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!parent.isValid() && column == DifferenceColumn() && row >= 0 && row < rowCount())
        return createIndex(row, column);
    return QIdentityProxyModel::index(row, column, parent);
}

QModelIndex DifferenceColumnModel::parent(const QModelIndex& child) const
{
    if (child.isValid() && child.column() == DifferenceColumn())
        return QModelIndex();
    return QIdentityProxyModel::parent(child);
}

QModelIndex DifferenceColumnModel::sibling(int row, int column, const QModelIndex& idx) const
{
    return index(row, column, parent(idx));
}

QModelIndex DifferenceColumnModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (proxyIndex.isValid() && proxyIndex.column() == DifferenceColumn())
        return QModelIndex();
    return QIdentityProxyModel::mapToSource(proxyIndex);
}

QItemSelection DifferenceColumnModel::mapSelectionToSource(const QItemSelection& selection) const
{
    // The difference column has nothing in the source: the part of each
    // range left of it.
    QItemSelection sourceSelection;
    const int lastSourceColumn = columns->columnCount() - 1;
    for (const QItemSelectionRange& range : selection) {
        if (range.left() > lastSourceColumn)
            continue;
        sourceSelection.append(QItemSelectionRange(
            mapToSource(range.topLeft()),
            mapToSource(index(range.bottom(), std::min(range.right(), lastSourceColumn), range.parent()))));
    }
    return sourceSelection;
}

Qt::ItemFlags DifferenceColumnModel::flags(const QModelIndex& index) const
{
    if (index.isValid() && index.column() == DifferenceColumn())
        return Qt::ItemIsEnabled;
    return QIdentityProxyModel::flags(index);
}

double DifferenceColumnModel::Difference(int row) const
{
    const int subject = comparisonColumnOf(subjectId);
    const int reference = comparisonColumnOf(referenceId);
    if (subject < 0 || reference < 0)
        return std::numeric_limits<double>::quiet_NaN();
    const QModelIndex a = columns->index(row, subject);
    const QModelIndex b = columns->index(row, reference);
    return a.data(ComparisonModel::ValueRole).toDouble() - b.data(ComparisonModel::ValueRole).toDouble();
}

QVariant DifferenceColumnModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() != DifferenceColumn())
        return QIdentityProxyModel::data(index, role);
    const ComparisonModel* comparison = columns->Comparison();
    const Quantity quantity = ComparisonModel::QuantityOf(columns->RowAt(index.row()));
    const double difference = Difference(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        if (!std::isfinite(difference))
            return tr("—");
        const int decimals = ShownDecimals(quantity, comparison->Units());
        return tr("%1 %2").arg(SignedDifferenceText(difference, decimals, QLocale()),
                               UnitSymbol(quantity, comparison->Units()));
    }
    case ComparisonModel::ValueRole: return difference;
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
        const CarList* cars = comparison->Cars();
        return PlainToolTip(tr("%1 less %2").arg(cars->At(cars->RowOf(subjectId)).name,
                                                 cars->At(cars->RowOf(referenceId)).name));
    }
    default: return QVariant();
    }
}

QVariant DifferenceColumnModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section != DifferenceColumn())
        return QIdentityProxyModel::headerData(section, orientation, role);
    const CarList* cars = columns->Comparison()->Cars();
    const QString reference = cars->At(cars->RowOf(referenceId)).name;
    if (role == Qt::ToolTipRole)
        return PlainToolTip(tr("%1 less %2").arg(cars->At(cars->RowOf(subjectId)).name, reference));
    if (role != Qt::DisplayRole)
        return QVariant();
    return tr("vs %1").arg(reference);
}
