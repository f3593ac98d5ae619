// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarProxies.h"

#include "garage/CarList.h"
#include "garage/PlainText.h"

#include <QFont>
#include <QItemSelectionModel>
#include <QLocale>

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

DifferenceColumnModel::DifferenceColumnModel(ComparisonModel* comparison, QAbstractItemModel* columns,
                                             QObject* parent)
    : QIdentityProxyModel(parent)
    , comparison(comparison)
{
    setSourceModel(columns);
    // A change of any figure of the source changes the differences too.
    connect(columns, &QAbstractItemModel::dataChanged, this, [this] {
        if (hasDifference())
            emit dataChanged(index(0, DifferenceColumn()), index(rowCount() - 1, DifferenceColumn()));
    });
}

void DifferenceColumnModel::SetCars(int subject, int reference)
{
    if (subject == subjectId && reference == referenceId)
        return;
    beginResetModel();
    subjectId = subject;
    referenceId = reference;
    endResetModel();
}

int DifferenceColumnModel::comparisonColumnOf(int carId) const
{
    for (int column = 0; column < sourceModel()->columnCount(); ++column)
        if (sourceModel()->headerData(column, Qt::Horizontal, ComparisonModel::CarIdRole).toInt() == carId)
            return column;
    return -1;
}

bool DifferenceColumnModel::hasDifference() const
{
    return subjectId != 0 && referenceId != 0 && subjectId != referenceId && comparisonColumnOf(subjectId) >= 0
           && comparisonColumnOf(referenceId) >= 0;
}

int DifferenceColumnModel::DifferenceColumn() const
{
    return hasDifference() ? sourceModel()->columnCount() : -1;
}

int DifferenceColumnModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : sourceModel()->columnCount() + (hasDifference() ? 1 : 0);
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
    const QModelIndex a = sourceModel()->index(row, subject);
    const QModelIndex b = sourceModel()->index(row, reference);
    return a.data(ComparisonModel::ValueRole).toDouble() - b.data(ComparisonModel::ValueRole).toDouble();
}

QVariant DifferenceColumnModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() != DifferenceColumn())
        return QIdentityProxyModel::data(index, role);
    // The figure of the row, through whatever proxies stand between.
    QModelIndex figure = sourceModel()->index(index.row(), 0);
    while (figure.isValid() && figure.model() != comparison)
        figure = qobject_cast<const QAbstractProxyModel*>(figure.model())->mapToSource(figure);
    if (!figure.isValid())
        return QVariant();
    const ComparisonRow row = comparison->RowAt(figure.row());
    const Quantity quantity = ComparisonModel::QuantityOf(row);
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
    if (role != Qt::DisplayRole)
        return QVariant();
    const CarList* cars = comparison->Cars();
    return tr("vs %1").arg(cars->At(cars->RowOf(referenceId)).name);
}
