// SPDX-License-Identifier: GPL-3.0-or-later
// CarProxies: the views of the one car list that show only some cars, as
// proxy models over it, so that no view keeps a copy of a car:
// - BaseCarsModel: the cars without the what-if variants (the combo boxes);
// - ChosenCarsModel: the cars with the chosen ids (the what-if curves);
// - OneCarModel: the one car a page follows (the form's, the title's, the
//   sensitivity page's, the what-if controls'), whose changes alone it hears;
// - ChosenColumnsModel: the comparison table's columns of the chosen cars and
//   the rows chosen (the what-if table), its best values found among the
//   columns it shows;
// - CheckableCarsModel: cars with a tick box each (the cars a what-if
//   variant is compared with);
// - DifferenceColumnModel: a comparison with one more column, the
//   difference between two of its cars ("−0.35 s").
#pragma once

#include "garage/ComparisonModel.h"

#include <QIdentityProxyModel>
#include <QList>
#include <QSet>
#include <QSortFilterProxyModel>

#include <functional>

class CarList;

class BaseCarsModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit BaseCarsModel(QAbstractItemModel* cars, QObject* parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};

class ChosenCarsModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ChosenCarsModel(QAbstractItemModel* cars, QObject* parent = nullptr);
    void SetCarIds(const QList<int>& ids);
    const QList<int>& CarIds() const { return ids; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QList<int> ids;
};

// The car in the row `followedRow` gives (none for -1), asked again
// whenever the list's current car changes, cars come or go, or a car's
// variant state changes. A view or page listens to its dataChanged for that
// car's changes. When a change of variant state makes it follow another car
// (a kept variant is its own base car), it tells that too, as a change of
// the car now followed with the roles that changed.
class OneCarModel : public ChosenCarsModel
{
    Q_OBJECT

public:
    OneCarModel(CarList* cars, std::function<int()> followedRow, QObject* parent = nullptr);

private:
    // Follows the row given; true when that is another car.
    bool follow();

    CarList* cars;
    std::function<int()> followedRow;
};

class ChosenColumnsModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ChosenColumnsModel(ComparisonModel* comparison, QObject* parent = nullptr);
    void SetCarIds(const QList<int>& ids);
    // The figures shown; every row when empty.
    void SetRows(const QList<ComparisonRow>& rows);
    const ComparisonModel* Comparison() const { return comparison; }
    // The figure of a row shown (which has a column).
    ComparisonRow RowAt(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex& sourceParent) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    ComparisonModel* comparison;
    QList<int> ids;
    QList<ComparisonRow> rows;
};

class CheckableCarsModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit CheckableCarsModel(QAbstractItemModel* cars, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The ids of the cars ticked, in the order of the list.
    QList<int> CheckedIds() const;
    void SetChecked(int carId, bool checked);

signals:
    void checkedChanged();

private:
    QSet<int> checked;
};

// The chosen columns of a comparison, and after them, while both cars are
// among them, one column: for each figure, the value of one car (the
// subject) less that of another (the reference), in the shown units with a
// sign. An extra-columns proxy: the column's indexes are its own, it comes
// and goes with the signals of a column inserted or removed as the cars
// shown change, and its persistent indexes follow the source's layout
// changes by their row.
class DifferenceColumnModel : public QIdentityProxyModel
{
    Q_OBJECT

public:
    explicit DifferenceColumnModel(ChosenColumnsModel* columns, QObject* parent = nullptr);

    // The two cars, by id; no column while either is 0 or not shown.
    void SetCars(int subjectId, int referenceId);
    int DifferenceColumn() const; // -1 when there is none

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    QModelIndex sibling(int row, int column, const QModelIndex& index) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QItemSelection mapSelectionToSource(const QItemSelection& selection) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The difference in the shown units; NaN when either car has no value.
    double Difference(int row) const;

private:
    // Whether both cars are shown.
    bool wanted() const;
    // Brings or takes away the column as wanted() changed.
    void showOrHide();
    void sourceLayoutAboutToBeChanged(const QList<QPersistentModelIndex>& sourceParents,
                                      QAbstractItemModel::LayoutChangeHint hint);
    void sourceLayoutChanged(const QList<QPersistentModelIndex>& sourceParents,
                             QAbstractItemModel::LayoutChangeHint hint);
    int comparisonColumnOf(int carId) const;

    ChosenColumnsModel* columns;
    int subjectId = 0;
    int referenceId = 0;
    bool shown = false; // the column is there
    // Over a layout change: the persistent indexes, and where each was in
    // the source (a difference's by its row's first column).
    QModelIndexList layoutProxies;
    QList<QPersistentModelIndex> layoutSources;
};
