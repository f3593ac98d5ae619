// SPDX-License-Identifier: GPL-3.0-or-later
// ComparisonModel: the comparison table, one column per car and one row per
// figure: every result of the classic results dialog, the time slip's
// splits (60 ft, 330 ft, the 1/8 mile, 1000 ft), the 0-100 km/h time in
// metric mode, and the drag racers' estimates. Column c
// is row c of the CarList: the model follows the list's signals, so a car
// added, closed or changed moves one column, not the whole table. The values
// are the cars' evaluations, shown in the settings' units; the best value of
// a row stands out. Views, proxies, the report, the CSV export and the tests
// all read it.
#pragma once

#include "numbers/SplitFigures.h"
#include "garage/CarList.h"
#include "garage/Units.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QStringList>

enum class ComparisonRow {
    QuarterMileTime,
    QuarterMileSpeed,
    QuarterMileDistance,
    QuarterMileWindForce,
    TopSpeedTime,
    TopSpeed,
    TopSpeedDistance,
    TopSpeedWindForce,
    ZeroToSixtyTime,
    ZeroToEightyTime,
    ZeroToHundredTime,
    SixtyToEightyTime,
    SixtyFootTime,
    ThreeThirtyFootTime,
    EighthMileTime,
    EighthMileSpeed,
    ThousandFootTime,
    ZeroToHundredKmhTime,
    HaleElapsedTime,
    HaleTrapSpeed,
    FoxElapsedTime,
    FoxTrapSpeed,
    HuntingtonElapsedTime,
    HuntingtonTrapSpeed,
};

class GarageSettings;

class ComparisonModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role {
        ValueRole = Qt::UserRole + 1, // double in the shown units; NaN when there is none
        IsBestRole,                   // bool
        CarIdRole,                    // int, in the horizontal header
        PastPeakRole,                 // bool, in the horizontal header: see PastPeakNote
    };

    // Follows the settings' unit system when given settings; imperial (or
    // what SetUnitSystem sets) otherwise.
    explicit ComparisonModel(CarList* cars, GarageSettings* settings = nullptr, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    void SetUnitSystem(UnitSystem units);
    UnitSystem Units() const { return units; }
    void SetLocale(const QLocale& locale);

    ComparisonRow RowAt(int row) const { return rows.at(row); }
    int RowOf(ComparisonRow row) const { return static_cast<int>(rows.indexOf(row)); }
    CarList* Cars() const { return cars; }
    const GarageCar& CarAt(int column) const;

    // The value in classic units and in the shown units; NaN when the car
    // has none (not run, or a mark never passed).
    double ClassicValue(int row, int column) const;
    double ShownValue(int row, int column) const;
    // The same of any evaluation (classic units), and its text in the table.
    double ValueOf(const CarEvaluation& evaluation, int row) const;
    QString TextOf(const CarEvaluation& evaluation, int row) const;
    bool MarkNeverPassed(int row, int column) const;
    // Whether the value is the best of its row among all columns, or among
    // the columns given (for a view that shows only some cars).
    bool IsBest(int row, int column) const;
    bool IsBestAmong(int row, int column, const QList<int>& columns) const;

    static Quantity QuantityOf(ComparisonRow row);
    static Better BetterOf(ComparisonRow row);
    // "Quarter mile speed", without the unit; translated.
    static QString RowName(ComparisonRow row);
    // What a car flagged with † means.
    static QString PastPeakNote(const QString& carName);
    // The name with the unit of this system: "Quarter mile speed (km/h)".
    QString RowTitle(int row) const;

    // Each car's nine inputs (see FieldValueText) and frontal area, the
    // day's air it ran in and its horsepower on the day, as rows of a name,
    // a unit and one text per car, in this locale.
    QList<QStringList> InputRows(const QLocale& locale) const;
    // The table as CSV rows: a header ("Figure", "Unit", the car names),
    // on the road model a "Model" row ("road" for each car), the inputs,
    // then one row per figure, with "." decimals and an empty
    // cell where a car has no value.
    QList<QStringList> CsvRows() const;

private:
    void rebuildRows();
    void onCarsChanged(const QModelIndex& first, const QModelIndex& last, const QList<int>& roles);
    // The best value of each row in classic units, found when first asked
    // for after a change; NaN when no two cars have a value.
    double bestOf(int row) const;
    void forgetBest() { best.clear(); }
    bool neverPassed(const CarEvaluation& evaluation, int row) const;

    QPointer<CarList> cars;
    UnitSystem units = UnitSystem::Imperial;
    QList<ComparisonRow> rows;
    QLocale locale;
    mutable QList<double> best; // by row; empty when not known
};

// BothModelsModel: the comparison as the Compare page shows it. With the
// classic law beside (off by default) and the cars on the road model, each
// car's column is followed by a "Classic law" column: the same car run on
// the classic law in the day's air, worked out when first shown and again
// when the car changes. Otherwise it shows the comparison as it is.
class BothModelsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit BothModelsModel(ComparisonModel* comparison, QObject* parent = nullptr);

    void SetClassicBeside(bool beside);
    bool ClassicBeside() const { return beside; }
    // Whether a column shows the classic law beside a car, and the car's
    // column in the comparison.
    bool IsClassicColumn(int column) const;
    int SourceColumn(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    bool doubled() const;
    const CarEvaluation& classicOf(int sourceColumn) const;
    void reset();

    ComparisonModel* comparison;
    bool beside = false;
    int shownColumns = 0;
    struct Held {
        std::shared_ptr<const CarEvaluation> road;
        std::shared_ptr<const CarEvaluation> classic;
    };
    mutable QHash<int, Held> held; // by car id
};
