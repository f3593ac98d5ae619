// SPDX-License-Identifier: GPL-3.0-or-later
// The sensitivity table and the reverse solve against runs of the engine.
#include "core/CarRun.h"
#include "garage/Sensitivity.h"
#include "garage/SensitivityModel.h"

#include <QFont>
#include <QTest>

#include <cmath>

namespace {

double quarterMile(const CarInputs& car)
{
    const CarRun run = RunCar(car);
    return run.Finished() ? run.results.quarterMileTime : INFINITY;
}

} // namespace

class TestGarageSolve : public QObject
{
    Q_OBJECT

private slots:
    void sensitivityRowsAreEngineRuns()
    {
        const CarInputs car = CarInputs::DefaultCar();
        const SensitivityTable table = Sensitivity(car);
        QVERIFY(table.problem.isEmpty());
        QCOMPARE(table.rows.size(), std::size_t(8));
        const CarRun base = RunCar(car);
        QCOMPARE(table.base[0], base.results.quarterMileTime);
        for (const SensitivityRow& row : table.rows) {
            const CarRun run = RunCar(ScaledCar(car, row.input, row.factor));
            QCOMPARE(row.value[int(SensitivityFigure::QuarterMileTime)], run.results.quarterMileTime);
            QCOMPARE(row.value[int(SensitivityFigure::TopSpeed)], run.results.topSpeed);
            QCOMPARE(row.change[int(SensitivityFigure::QuarterMileSpeed)],
                     run.results.quarterMileSpeed - base.results.quarterMileSpeed);
            QVERIFY(!row.outsideRanges);
        }
    }

    void sensitivityDirections_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<bool>("moreIsFaster"); // +10 % gives a shorter quarter mile
        QTest::newRow("horsepower") << int(SensitivityInput::Horsepower) << true;
        QTest::newRow("weight") << int(SensitivityInput::CarWeight) << false;
        QTest::newRow("drag coefficient") << int(SensitivityInput::DragCoefficient) << false;
        QTest::newRow("frontal area") << int(SensitivityInput::FrontalArea) << false;
    }
    void sensitivityDirections()
    {
        QFETCH(int, input);
        QFETCH(bool, moreIsFaster);
        const SensitivityTable table = Sensitivity(CarInputs::DefaultCar());
        for (const SensitivityRow& row : table.rows) {
            if (int(row.input) != input)
                continue;
            const double change = row.change[int(SensitivityFigure::QuarterMileTime)];
            QVERIFY(change != 0);
            QCOMPARE(change < 0, (row.factor > 1) == moreIsFaster);
        }
    }

    void frontalAreaScalesWithBothAreas()
    {
        const CarInputs car = CarInputs::DefaultCar();
        const CarInputs wider = ScaledCar(car, SensitivityInput::FrontalArea, 1.1);
        QVERIFY(std::abs(wider.FrontalArea() / car.FrontalArea() - 1.1) < 1e-12);
        QCOMPARE(wider.windshieldAngle, car.windshieldAngle);
    }

    void sensitivityBeyondTheRanges()
    {
        CarInputs car = CarInputs::DefaultCar();
        car.horsepower = 1500;
        const SensitivityTable table = Sensitivity(car);
        QVERIFY(table.problem.isEmpty());
        QVERIFY(!table.rows[0].outsideRanges); // 1350 hp
        QVERIFY(table.rows[1].outsideRanges);  // 1650 hp
        QVERIFY(std::isfinite(table.rows[1].value[0]));
    }

    void sensitivityOfABadCar()
    {
        CarInputs car = CarInputs::DefaultCar();
        car.spinTime = 0;
        const SensitivityTable table = Sensitivity(car);
        QCOMPARE(table.problem, QStringLiteral("The spin time must be between 0.75 and 3.00"));
        QVERIFY(table.rows.empty());
    }

    void sensitivityModelCells()
    {
        SensitivityModel model;
        model.SetLocale(QLocale::c());
        model.SetCar(CarInputs::DefaultCar());
        QCOMPARE(model.rowCount(), 8);
        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("Horsepower +10 %"));
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Top speed (mph)"));
        const SensitivityRow& more = model.Table().rows[1];
        const QString cell = model.data(model.index(1, 0)).toString();
        QCOMPARE(cell, QStringLiteral("%1 (%2)").arg(QString::number(more.value[0], 'f', 2),
                                                     QString::number(more.change[0], 'f', 2)));
        // Weight leaves the top speed where it was: no sign on a zero change.
        const QString topSpeed = model.data(model.index(3, 2)).toString();
        QVERIFY2(topSpeed.endsWith(QStringLiteral("(0.00)")), qPrintable(topSpeed));

        model.SetUnitSystem(UnitSystem::Metric);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Quarter mile speed (km/h)"));
        QCOMPARE(model.data(model.index(1, 1), SensitivityModel::ValueRole).toDouble(),
                 more.value[1] * 1.609344);
        QCOMPARE(model.data(model.index(1, 0), SensitivityModel::ChangeRole).toDouble(), more.change[0]);
    }

    void outsideTheRangesIsItalic()
    {
        SensitivityModel model;
        CarInputs car = CarInputs::DefaultCar();
        car.carWeight = 4500;
        model.SetCar(car);
        QVERIFY(!model.data(model.index(2, 0), Qt::FontRole).isValid()); // 4050 lb
        QVERIFY(model.data(model.index(3, 0), Qt::FontRole).value<QFont>().italic()); // 4950 lb
        QVERIFY(!model.data(model.index(3, 0), Qt::ToolTipRole).toString().isEmpty());
    }

    void solve_data()
    {
        QTest::addColumn<int>("what");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<bool>("wholeRange");
        const double own = quarterMile(CarInputs::DefaultCar());
        QTest::newRow("horsepower, the car's own time") << int(SolveFor::Horsepower) << own << true << false;
        QTest::newRow("horsepower, 11 s") << int(SolveFor::Horsepower) << 11.0 << true << false;
        QTest::newRow("horsepower, 16 s") << int(SolveFor::Horsepower) << 16.0 << true << false;
        QTest::newRow("horsepower, 6 s") << int(SolveFor::Horsepower) << 6.0 << false << false;
        // Every horsepower in the range is quicker than 60 s: the range's end.
        QTest::newRow("horsepower, 60 s") << int(SolveFor::Horsepower) << 60.0 << true << true;
        QTest::newRow("weight, the car's own time") << int(SolveFor::CarWeight) << own << true << false;
        QTest::newRow("weight, 12 s") << int(SolveFor::CarWeight) << 12.0 << true << false;
        QTest::newRow("weight, 9 s") << int(SolveFor::CarWeight) << 9.0 << false << false;
        QTest::newRow("weight, 20 s") << int(SolveFor::CarWeight) << 20.0 << true << true;
    }
    void solve()
    {
        QFETCH(int, what);
        QFETCH(double, seconds);
        QFETCH(bool, reachable);
        QFETCH(bool, wholeRange);
        const CarInputs car = CarInputs::DefaultCar();
        const auto solveFor = static_cast<SolveFor>(what);
        const TargetAnswer answer = SolveQuarterMile(car, solveFor, seconds);
        QVERIFY(answer.problem.isEmpty());
        QCOMPARE(answer.reachable, reachable);
        QCOMPARE(answer.wholeRange, wholeRange);
        if (!reachable)
            return;
        if (wholeRange)
            QCOMPARE(answer.value, solveFor == SolveFor::Horsepower ? 100.0 : 4500.0);
        CarInputs found = car;
        CarInputs beyond = car;
        if (solveFor == SolveFor::Horsepower) {
            found.horsepower = answer.value;
            beyond.horsepower = answer.value - 0.01;
            QCOMPARE(std::round(answer.value * 100) / 100, answer.value);
        } else {
            found.carWeight = answer.value;
            beyond.carWeight = answer.value + 1;
            QCOMPARE(std::round(answer.value), answer.value);
        }
        QCOMPARE(answer.figure, quarterMile(found));
        QVERIFY(answer.figure <= seconds);
        // One grid step the other way misses the target (or leaves the range).
        const bool atRangeEnd = answer.value == 100 || answer.value == 4500;
        QVERIFY(atRangeEnd || quarterMile(beyond) > seconds);
    }

    void solvingTheCarsOwnTimeGivesItsOwnHorsepower()
    {
        const CarInputs car = CarInputs::DefaultCar();
        const TargetAnswer answer = SolveQuarterMile(car, SolveFor::Horsepower, quarterMile(car));
        QVERIFY(answer.reachable);
        QVERIFY(answer.value <= car.horsepower);
        QVERIFY(answer.value > car.horsepower - 1);
    }

    void solveNeedsTheOtherInputsInRange()
    {
        CarInputs car = CarInputs::DefaultCar();
        car.dragCoefficient = 0.5;
        car.horsepower = 5; // the solved input may be anything
        const TargetAnswer answer = SolveQuarterMile(car, SolveFor::Horsepower, 13);
        QCOMPARE(answer.problem, QStringLiteral("The drag coefficient must be between   0.20 and   0.40"));
        QVERIFY(!answer.reachable);
    }
};

QTEST_MAIN(TestGarageSolve)
#include "tst_garage_solve.moc"
