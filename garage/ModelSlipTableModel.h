// SPDX-License-Identifier: GPL-3.0-or-later
// ModelSlipTableModel: each run's time slip beside the model's slip for that
// run's day, a row for each row of the runs table: the run's date (or "Run
// N"), then for each split the model's value with the model less the slip in
// brackets where the slip gives it, in the locale set.
//
// In: the runs table and the car the model runs. Out: a read-only table
// model. A row is worked out when a view asks for it, so a logbook of any
// size shows at once; Refresh() takes the runs and the car as they now are.
#pragma once

#include "core/CarInputs.h"
#include "garage/CarModel.h"

#include <QAbstractTableModel>
#include <QList>
#include <QLocale>
#include <QPointF>

#include <memory>

struct TimeSlip;
struct SlipResidual;
class SlipTableModel;

class ModelSlipTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ModelSlipTableModel(const SlipTableModel* runs, QObject* parent = nullptr);
    ~ModelSlipTableModel() override;

    // Shows the runs table's rows as they now are, beside this car's model.
    void Refresh(const CarInputs& car, const QLocale& locale);
    // The same by the chosen model: the first column's header names it.
    void Refresh(const ModelCar& car, CarModel model, const QLocale& locale);
    CarModel Model() const { return model; }

    // The slip's times along the track as (elapsed time in s, distance in
    // ft): the 60-ft, 330-ft, 1/8-mile, 1000-ft and 1/4-mile times it gives.
    static void AppendSplitPoints(const TimeSlip& run, QList<QPointF>& points);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const SlipResidual& residualOf(int row) const;

    const SlipTableModel* runs;
    ModelCar car;
    CarModel model = CarModel::Classic;
    QLocale locale;
    int rows = 0;
    // The last row worked out: a view asks for a row's cells one by one.
    mutable int cachedRow = -1;
    mutable std::unique_ptr<SlipResidual> cached;
};
