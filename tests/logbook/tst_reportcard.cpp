// SPDX-License-Identifier: GPL-3.0-or-later
// The report card: each way of predicting a car's quarter-mile time scored
// on its own runs forward in time, all on the same runs, the best one
// marked, and no card without a run to score after the first three.
#include "MadeUpRuns.h"
#include "logbook/ReportCard.h"

#include <QTest>

#include <algorithm>
#include <cmath>

Q_DECLARE_METATYPE(PredictionMethod)

namespace {

CarInputs strongerSportsCar()
{
    CarInputs car = CarInputs::DefaultCar();
    car.horsepower = 410;
    car.spinTime = 1.3;
    return car;
}

// Runs on the standard day with the same trap speed and the quarter-mile
// time 0.05 s quicker each week: the run before is 0.05 s off every time,
// while a fit to the runs before is off by the run's distance from their
// mean (0.1 s for the fourth run, 0.125 s for the fifth), always too slow.
QList<TimeSlip> improvingRuns()
{
    const SplitTimes s = RunCarOnDay(strongerSportsCar(), AirConditions()).splits;
    QList<TimeSlip> runs;
    for (int i = 0; i < 5; ++i) {
        TimeSlip run;
        run.date = QDate(2024, 6, 1).addDays(7 * i);
        run.quarterMileTime = s.quarterMileTime - 0.05 * i;
        run.quarterMileSpeed = s.quarterMileSpeed;
        runs << run;
    }
    // Listed out of date order: the run before is found by date.
    std::reverse(runs.begin(), runs.end());
    return runs;
}

} // namespace

class TestReportCard : public QObject {
    Q_OBJECT

private slots:
    void halesFormula_data();
    void halesFormula();
    void best_data();
    void best();
    void belowThreeRuns();
    void forwardInTime();
};

void TestReportCard::halesFormula_data()
{
    QTest::addColumn<double>("weight");
    QTest::addColumn<double>("horsepower");
    QTest::addColumn<double>("time");
    QTest::newRow("1 lb/hp") << 1000.0 << 1000.0 << 5.825;
    QTest::newRow("8 lb/hp") << 8000.0 << 1000.0 << 11.65;
    QTest::newRow("3200 lb, 500 hp") << 3200.0 << 500.0 << 10.814902;
}

// (The speed's formula, 234 · (hp / weight)^(1/3), is checked here too: 1
// lb/hp gives 234 mph, 8 lb/hp 117.)

void TestReportCard::halesFormula()
{
    QFETCH(double, weight);
    QFETCH(double, horsepower);
    QFETCH(double, time);
    QVERIFY(std::abs(HalesQuarterMileTime(weight, horsepower) - time) < 1e-5);
    QVERIFY(std::abs(HalesQuarterMileSpeed(weight, horsepower) * HalesQuarterMileTime(weight, horsepower)
                     - 234 * 5.825)
            < 1e-9);
}

void TestReportCard::best_data()
{
    QTest::addColumn<QList<TimeSlip>>("runs");
    QTest::addColumn<PredictionMethod>("best");
    QTest::addColumn<double>("bestError");
    QTest::newRow("runs the model made up: the fit on the day")
        << MadeUpRuns(strongerSportsCar(), 6) << PredictionMethod::FittedOnDay << 0.0;
    QTest::newRow("a car quicker every week: the run before")
        << improvingRuns() << PredictionMethod::LastRun << 0.05;
}

void TestReportCard::best()
{
    QFETCH(QList<TimeSlip>, runs);
    QFETCH(PredictionMethod, best);
    QFETCH(double, bestError);
    const ReportCard card = ReportCardOf(CarInputs::DefaultCar(), runs);
    QVERIFY2(card.Available(), qPrintable(card.message));
    QVERIFY(card.best >= 0);
    const MethodScore& top = card.scores[static_cast<std::size_t>(card.best)];
    QCOMPARE(top.method, best);
    QVERIFY2(std::abs(top.meanAbsoluteError - bestError) < 0.002,
             qPrintable(QString::number(top.meanAbsoluteError)));
    for (std::size_t m = 0; m < card.scores.size(); ++m) {
        const MethodScore& score = card.scores[m];
        QCOMPARE(score.method, AllPredictionMethods[m]);
        QCOMPARE(score.best, static_cast<int>(m) == card.best);
        // A method that predicts none of the runs (no 60-ft time) is not
        // scored; all the others on the same runs, those after the first three.
        if (score.runs == 0)
            continue;
        QVERIFY(score.meanAbsoluteError >= top.meanAbsoluteError);
        QVERIFY(std::abs(score.bias) <= score.meanAbsoluteError + 1e-12);
        QCOMPARE(score.runs, static_cast<int>(runs.size()) - RunsBeforeScoring);
        QCOMPARE(score.speed.runs, score.runs);
    }
}

void TestReportCard::belowThreeRuns()
{
    const ReportCard card = ReportCardOf(CarInputs::DefaultCar(), MadeUpRuns(strongerSportsCar(), 3));
    QVERIFY(!card.Available());
    QCOMPARE(card.message, "A report card needs four runs or more with a quarter-mile time: the first three only "
                           "predict.");
    QCOMPARE(card.best, -1);
}

// A fit sees only the runs before the one it predicts: on a car quicker
// every week it is always too slow, and the dial-in comes from the run
// before, the best method, with its band.
void TestReportCard::forwardInTime()
{
    const Calibration calibration = Calibrate(CarInputs::DefaultCar(), improvingRuns());
    const ReportCard card = ReportCardOf(calibration);
    const MethodScore& fitted = card.scores[static_cast<std::size_t>(PredictionMethod::FittedOnDay)];
    QVERIFY2(std::abs(fitted.bias - 0.1125) < 0.002, qPrintable(QString::number(fitted.bias)));
    QCOMPARE(fitted.meanAbsoluteError, fitted.bias);
    QCOMPARE(card.bestAhead, static_cast<int>(PredictionMethod::LastRun));
    const DialIn dial = DialInFor(card, calibration, AirConditions());
    QCOMPARE(dial.method, card.bestAhead);
    QVERIFY(dial.quarterMileTime && dial.timeBand95);
    // The latest run's time, 0.2 s quicker than the first.
    QCOMPARE(*dial.quarterMileTime, *calibration.runs.constFirst().quarterMileTime);
}

QTEST_GUILESS_MAIN(TestReportCard)
#include "tst_reportcard.moc"
