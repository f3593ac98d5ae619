// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison table against the engine, its metric rows, the best value
// of each row, the CSV it exports, the car list and the remembered settings.
#include "core/CarRun.h"
#include "core/InputChecks.h"
#include "core/ResultTexts.h"
#include "core/VehicleFile.h"
#include "garage/CarList.h"
#include "garage/CarProxies.h"
#include "garage/ComparisonModel.h"
#include "core/Csv.h"
#include "garage/GarageSettings.h"
#include "garage/PlainText.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QTest>

#include <cmath>

namespace {

CarTexts economyCar()
{
    return VehicleFile::CarFromFileOrder({ "110.00", "0.33", "2450.00", "4.10", "11.20", "30.00", "4", "3", "0.75" });
}

CarTexts supercar()
{
    return VehicleFile::CarFromFileOrder({ "1200.00", "0.31", "3300.00", "4.80", "12.50", "25.00", "5", "4", "2.50" });
}

} // namespace

class TestGarageComparison : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        cars = std::make_unique<CarList>();
        cars->AddCar(QStringLiteral("Default car"), CarTexts::DefaultCar());
        cars->AddCar(QStringLiteral("Economy car"), economyCar());
        cars->AddCar(QStringLiteral("Supercar"), supercar());
        model = std::make_unique<ComparisonModel>(cars.get());
        model->SetLocale(QLocale::c());
    }

    void valuesAreTheEngines()
    {
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->rowCount(), 23);
        for (int column = 0; column < 3; ++column) {
            const CarRun run = RunCar(ConvertTexts(cars->At(column).Texts()));
            QVERIFY(run.Finished());
            for (ResultField field : AllResultFields) {
                const int row = rowOfResult(field);
                QVERIFY(row >= 0);
                if (MarkMissed(run.results, field)) {
                    QVERIFY(model->MarkNeverPassed(row, column));
                    QCOMPARE(model->data(model->index(row, column)).toString(), QStringLiteral("Forget it!"));
                } else {
                    QCOMPARE(model->ClassicValue(row, column), ResultValue(run.results, field));
                }
            }
        }
        QCOMPARE(model->data(model->index(model->RowOf(ComparisonRow::QuarterMileTime), 0)).toString(),
                 FormatFixedText(RunCar(CarInputs::DefaultCar()).results.quarterMileTime));
    }

    void metricRows()
    {
        const int speedRow = model->RowOf(ComparisonRow::TopSpeed);
        const double mph = model->ShownValue(speedRow, 0);
        model->SetUnitSystem(UnitSystem::Metric);
        QCOMPARE(model->rowCount(), 24);
        const int kmhRow = model->RowOf(ComparisonRow::ZeroToHundredKmhTime);
        QVERIFY(kmhRow >= 0);
        QCOMPARE(model->ShownValue(model->RowOf(ComparisonRow::TopSpeed), 0), mph * 1.609344);
        const double sixty = model->ShownValue(model->RowOf(ComparisonRow::ZeroToSixtyTime), 0);
        const double eighty = model->ShownValue(model->RowOf(ComparisonRow::ZeroToEightyTime), 0);
        const double kmh = model->ShownValue(kmhRow, 0);
        QVERIFY(sixty < kmh && kmh < eighty); // 100 km/h is 62.1 mph
        QCOMPARE(model->headerData(kmhRow, Qt::Vertical).toString(), QStringLiteral("0-100 km/h time (s)"));
        QCOMPARE(model->headerData(model->RowOf(ComparisonRow::QuarterMileDistance), Qt::Vertical).toString(),
                 QStringLiteral("Quarter mile distance (m)"));
        model->SetUnitSystem(UnitSystem::Imperial);
        QCOMPARE(model->RowOf(ComparisonRow::ZeroToHundredKmhTime), -1);
    }

    void theBestValueStandsOut_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("bestColumn");
        QTest::newRow("quarter mile time: the supercar") << int(ComparisonRow::QuarterMileTime) << 2;
        QTest::newRow("top speed: the supercar") << int(ComparisonRow::TopSpeed) << 2;
        QTest::newRow("Hale elapsed time: the supercar") << int(ComparisonRow::HaleElapsedTime) << 2;
        QTest::newRow("top speed distance: none") << int(ComparisonRow::TopSpeedDistance) << -1;
    }
    void theBestValueStandsOut()
    {
        QFETCH(int, row);
        QFETCH(int, bestColumn);
        const int r = model->RowOf(static_cast<ComparisonRow>(row));
        for (int column = 0; column < 3; ++column) {
            const bool best = model->data(model->index(r, column), ComparisonModel::IsBestRole).toBool();
            QCOMPARE(best, column == bestColumn);
            QCOMPARE(model->data(model->index(r, column), Qt::FontRole).isValid(), best);
        }
    }

    void bestNeedsTwoCarsAndTiesShare()
    {
        const int row = model->RowOf(ComparisonRow::QuarterMileTime);
        ChosenColumnsModel shown(model.get());
        shown.SetCarIds({ cars->At(0).id });
        QCOMPARE(shown.columnCount(), 1);
        QVERIFY(!shown.data(shown.index(row, 0), ComparisonModel::IsBestRole).toBool());
        const int twin = cars->AddCar(QStringLiteral("Twin"), CarTexts::DefaultCar());
        shown.SetCarIds({ cars->At(0).id, cars->At(twin).id, cars->At(1).id });
        QCOMPARE(shown.columnCount(), 3);
        // Among the cars shown the two default cars tie; the supercar, not
        // shown, is quicker than both.
        QVERIFY(shown.data(shown.index(row, 0), ComparisonModel::IsBestRole).toBool());
        QVERIFY(!shown.data(shown.index(row, 1), ComparisonModel::IsBestRole).toBool());
        QVERIFY(shown.data(shown.index(row, 2), ComparisonModel::IsBestRole).toBool());
        QVERIFY(!model->IsBest(row, 0));
        QCOMPARE(shown.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Economy car"));
    }

    void localeFormatting()
    {
        model->SetLocale(QLocale(QLocale::German, QLocale::Germany));
        const int row = model->RowOf(ComparisonRow::TopSpeedDistance);
        const QString text = model->data(model->index(row, 0)).toString();
        QCOMPARE(text, QLocale(QLocale::German, QLocale::Germany).toString(model->ShownValue(row, 0), 'f', 2));
        QVERIFY(text.contains(QLatin1Char(',')));
        model->SetUnitSystem(UnitSystem::Metric);
        QCOMPARE(model->headerData(model->RowOf(ComparisonRow::QuarterMileWindForce), Qt::Vertical).toString(),
                 QStringLiteral("Quarter mile wind force (N)"));
    }

    void coloursFollowTheCar()
    {
        QCOMPARE(model->headerData(2, Qt::Horizontal, Qt::DecorationRole).value<QColor>(), CarColour(cars->At(2).id));
        QVERIFY(CarColour(1) != CarColour(2));
        QCOMPARE(CarColour(1), CarColour(9)); // eight colours, then round again
        QCOMPARE(model->headerData(1, Qt::Horizontal, ComparisonModel::CarIdRole).toInt(), cars->At(1).id);
    }

    void aBadCarShowsItsMessage()
    {
        CarTexts texts = CarTexts::DefaultCar();
        texts[InputField::CarWeight] = QStringLiteral("heavy");
        const int index = cars->AddCar(QStringLiteral("Bad"), texts);
        const QModelIndex cell = model->index(0, index);
        QCOMPARE(model->data(cell).toString(), QStringLiteral("—"));
        QCOMPARE(model->data(cell, Qt::ToolTipRole).toString(), PlainToolTip(RangeMessage(ConvertTexts(texts))));
        QVERIFY(std::isnan(model->data(cell, ComparisonModel::ValueRole).toDouble()));
    }

    void aMarkNeverPassed()
    {
        // Light and broad: its top speed is below 80 mph.
        const int index = cars->AddCar(QStringLiteral("Light"),
            VehicleFile::CarFromFileOrder({ "100", "0.4", "1000", "20", "20", "45", "5", "1", "3" }));
        for (ComparisonRow row : { ComparisonRow::ZeroToEightyTime, ComparisonRow::ZeroToHundredTime,
                                   ComparisonRow::SixtyToEightyTime }) {
            const int r = model->RowOf(row);
            QVERIFY(model->MarkNeverPassed(r, index));
            QCOMPARE(model->data(model->index(r, index)).toString(), QStringLiteral("Forget it!"));
            QCOMPARE(model->CsvRows()[r + 18][index + 2], QString()); // after the header and the inputs
            QVERIFY(!model->IsBest(r, index));
        }
        QVERIFY(!model->MarkNeverPassed(model->RowOf(ComparisonRow::ZeroToSixtyTime), index));
    }

    void followsTheCarList()
    {
        const int row = model->RowOf(ComparisonRow::QuarterMileTime);
        const double before = model->ShownValue(row, 0);
        QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(model.get(), &QAbstractItemModel::columnsInserted);
        QSignalSpy removed(model.get(), &QAbstractItemModel::columnsRemoved);
        QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
        cars->EditText(0, InputField::Horsepower, QStringLiteral("400"));
        QCOMPARE(changed.count(), 1);
        QVERIFY(model->ShownValue(row, 0) < before);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Default car*"));
        cars->CloseCar(1);
        QCOMPARE(model->columnCount(), 2);
        QCOMPARE(model->CarAt(1).name, QStringLiteral("Supercar"));
        cars->UndoStack()->undo();
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->CarAt(1).name, QStringLiteral("Economy car"));
        // One column at a time, never the whole table.
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(removed.count(), 1);
        QCOMPARE(reset.count(), 0);
    }

    void variantsCarryExactNumbers()
    {
        const int variant = cars->StartVariant(0, InputField::Horsepower, 345.67);
        cars->EditNumber(variant, InputField::DragCoefficient, 0.295);
        cars->EditNumber(variant, InputField::GrillArea, 0.1 + 5.2);
        CarInputs inputs = CarInputs::DefaultCar();
        inputs.horsepower = 345.67;
        inputs.dragCoefficient = 0.295;
        inputs.grillArea = 0.1 + 5.2;
        QCOMPARE(cars->At(variant).Inputs(), inputs);
        // What a file would get reads back as the very same numbers.
        QCOMPARE(ConvertTexts(cars->At(variant).Texts()), inputs);
        QCOMPARE(cars->At(variant).name, QStringLiteral("Default car (what if)"));
        QCOMPARE(cars->At(variant).evaluation->results, RunCar(inputs).results);
    }

    void csvExport()
    {
        cars->Rename(2, QStringLiteral("Super, car"));
        const QList<QStringList> rows = model->CsvRows();
        QCOMPARE(rows.size(), 41);
        QCOMPARE(rows[0], (QStringList{ "Figure", "Unit", "Default car", "Economy car", "Super, car" }));
        // The inputs first, each car's own numbers, so the export can be
        // checked and the cars made again.
        QCOMPARE(rows[1], (QStringList{ "Horsepower", "hp", "345", "110", "1200" }));
        QCOMPARE(rows[5], (QStringList{ "Drag coefficient", "", "0.29", "0.33", "0.31" }));
        QCOMPARE(rows[6], (QStringList{ "Windshield angle", "degrees", "22", "30", "25" }));
        QCOMPARE(rows[7], (QStringList{ "Available shifts", "", "5", "4", "5" }));
        QCOMPARE(rows[10][0], QStringLiteral("Frontal area"));
        QCOMPARE(rows[10][2], QStringLiteral("10.30"));
        // The day's air each car ran in: here the standard day.
        QCOMPARE(rows[11], (QStringList{ "Temperature", "°F", "77.0", "77.0", "77.0" }));
        QCOMPARE(rows[15][2], QStringLiteral("1.0000")); // relative air density
        QCOMPARE(rows[16][2], QStringLiteral("1.0000")); // correction factor
        QCOMPARE(rows[17], (QStringList{ "Horsepower on the day", "hp", "345.00", "110.00", "1200.00" }));
        const int time = model->RowOf(ComparisonRow::QuarterMileTime) + 18;
        QCOMPARE(rows[time][1], QStringLiteral("s"));
        QCOMPARE(rows[time][2], QString::number(model->ShownValue(time - 18, 0), 'f', 2));

        const QByteArray bytes = CsvDocument(rows);
        QVERIFY(bytes.startsWith("Figure,Unit,Default car,Economy car,\"Super, car\"\r\n"));
        QCOMPARE(bytes.count("\r\n"), 41);
        // In metric units the inputs are converted as the form shows them.
        model->SetUnitSystem(UnitSystem::Metric);
        QCOMPARE(model->CsvRows()[1], (QStringList{ "Power", "kW", "257.27", "82.03", "894.84" }));
    }

    void csvIgnoresTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ComparisonModel german(cars.get());
        const QList<QStringList> rows = german.CsvRows();
        QVERIFY(rows[5][2].contains(QLatin1Char('.')));  // 0.29
        QVERIFY(rows[18][2].contains(QLatin1Char('.')));
        QVERIFY(german.data(german.index(0, 0)).toString().contains(QLatin1Char(',')));
        QLocale::setDefault(QLocale::c());
    }

    void recentFiles()
    {
        QStringList files;
        for (int i = 0; i < 10; ++i)
            files = WithRecentFile(files, QStringLiteral("/cars/%1.trv").arg(i), 8);
        QCOMPARE(files.size(), 8);
        QCOMPARE(files.first(), QStringLiteral("/cars/9.trv"));
        files = WithRecentFile(files, QStringLiteral("/cars/5.trv"), 8);
        QCOMPARE(files.first(), QStringLiteral("/cars/5.trv"));
        QCOMPARE(files.count(QStringLiteral("/cars/5.trv")), 1);
        QCOMPARE(files.size(), 8);
    }

    void settingsAreRemembered()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("garage.ini"));
        {
            GarageSettings settings(ini);
            QCOMPARE(settings.Units(), UnitSystem::Imperial);
            // A new garage runs on the road model.
            QCOMPARE(settings.Model(), CarModel::Road);
            settings.SetModel(CarModel::Classic);
            settings.SetUnits(UnitSystem::Metric);
            settings.SetLastFolder(QStringLiteral("/cars"));
            settings.AddRecentFile(QStringLiteral("/cars/a.trv"));
        }
        GarageSettings again(ini);
        QCOMPARE(again.Units(), UnitSystem::Metric);
        QCOMPARE(again.Model(), CarModel::Classic);
        QCOMPARE(again.LastFolder(), QStringLiteral("/cars"));
        QCOMPARE(again.RecentFiles(), QStringList{ QStringLiteral("/cars/a.trv") });
    }

private:
    int rowOfResult(ResultField field) const
    {
        static const QHash<ResultField, ComparisonRow> rows = {
            { ResultField::TopSpeedTime, ComparisonRow::TopSpeedTime },
            { ResultField::TopSpeed, ComparisonRow::TopSpeed },
            { ResultField::TopSpeedDistance, ComparisonRow::TopSpeedDistance },
            { ResultField::TopSpeedWindForce, ComparisonRow::TopSpeedWindForce },
            { ResultField::ZeroToSixtyTime, ComparisonRow::ZeroToSixtyTime },
            { ResultField::ZeroToHundredTime, ComparisonRow::ZeroToHundredTime },
            { ResultField::ZeroToEightyTime, ComparisonRow::ZeroToEightyTime },
            { ResultField::SixtyToEightyTime, ComparisonRow::SixtyToEightyTime },
            { ResultField::QuarterMileTime, ComparisonRow::QuarterMileTime },
            { ResultField::QuarterMileSpeed, ComparisonRow::QuarterMileSpeed },
            { ResultField::QuarterMileDistance, ComparisonRow::QuarterMileDistance },
            { ResultField::QuarterMileWindForce, ComparisonRow::QuarterMileWindForce },
        };
        return model->RowOf(rows.value(field));
    }

    static QString FormatFixedText(double value) { return QString::number(value, 'f', 2); }

    std::unique_ptr<CarList> cars;
    std::unique_ptr<ComparisonModel> model;
};

QTEST_MAIN(TestGarageComparison)
#include "tst_garage_comparison.moc"
