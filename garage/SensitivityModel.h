// SPDX-License-Identifier: GPL-3.0-or-later
// SensitivityModel: the sensitivity table of one car as a table model, one
// row per input at -10 % and +10 %, one column per figure, each cell the
// figure's new value and its change, in the chosen units.
#pragma once

#include "garage/Sensitivity.h"
#include "garage/Units.h"

#include <QAbstractTableModel>
#include <QLocale>

class SensitivityModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        ChangeRole = Qt::UserRole + 1, // double, shown units; NaN when there is none
        ValueRole,                     // double, shown units
    };

    explicit SensitivityModel(QObject* parent = nullptr);

    void SetCar(const CarInputs& car, const AirFigures& air = FiguresFor(AirConditions()));
    void SetCar(const ModelCar& car, const AirFigures& air, CarModel model);
    void SetUnitSystem(UnitSystem units);
    void SetLocale(const QLocale& locale);
    const SensitivityTable& Table() const { return table; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    static Quantity QuantityOf(SensitivityFigure figure);
    static QString InputName(SensitivityInput input);
    static QString FigureName(SensitivityFigure figure);

private:
    SensitivityTable table;
    UnitSystem units = UnitSystem::Imperial;
    QLocale locale;
};
