// CarProxies: the views of the one car list that show only some cars, as
// proxy models over it, so that no view keeps a copy of a car:
// - BaseCarsModel: the cars without the what-if variants (the combo boxes);
// - ChosenCarsModel: the cars with the chosen ids (the what-if curves);
// - ChosenColumnsModel: the comparison table's columns of the chosen cars and
//   the rows chosen (the what-if table), its best values found among the
//   columns it shows.
#pragma once

#include "garage/ComparisonModel.h"

#include <QList>
#include <QSortFilterProxyModel>

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

class ChosenColumnsModel : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ChosenColumnsModel(ComparisonModel* comparison, QObject* parent = nullptr);
    void SetCarIds(const QList<int>& ids);
    // The figures shown; every row when empty.
    void SetRows(const QList<ComparisonRow>& rows);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsColumn(int sourceColumn, const QModelIndex& sourceParent) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    ComparisonModel* comparison;
    QList<int> ids;
    QList<ComparisonRow> rows;
};
