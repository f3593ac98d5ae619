// SPDX-License-Identifier: GPL-3.0-or-later
// The garage's own figures against the engine: the splits and 0-100 km/h
// on the run's timeline, the curves through the results and never back in
// time, a day's air as the core runs it, the drag racers' estimates, the
// metric conversions and the area sums.
#include "core/CarRun.h"
#include "core/DayRun.h"
#include "core/NumberText.h"
#include "core/VehicleFile.h"
#include "core/AreaSums.h"
#include "core/RoadRun.h"
#include "garage/CarEvaluation.h"
#include "garage/Estimates.h"
#include "garage/Units.h"

#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

CarInputs carOf(const QStringList& fileOrderTexts)
{
    return ConvertTexts(VehicleFile::CarFromFileOrder(fileOrderTexts));
}

void addCars()
{
    QTest::addColumn<CarInputs>("car");
    QTest::newRow("default car") << CarInputs::DefaultCar();
    QTest::newRow("economy car") << carOf({ "110.00", "0.33", "2450.00", "4.10", "11.20", "30.00", "4", "3", "0.75" });
    QTest::newRow("pickup truck") << carOf({ "180.00", "0.40", "4500.00", "9.00", "18.00", "40.00", "4", "2", "1.00" });
    QTest::newRow("supercar") << carOf({ "1200.00", "0.31", "3300.00", "4.80", "12.50", "25.00", "5", "4", "2.50" });
    QTest::newRow("light and broad") << carOf({ "100", "0.4", "1000", "20", "20", "45", "5", "1", "3" });
}

} // namespace

Q_DECLARE_METATYPE(CarInputs)

class TestGarageEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void extraMarksUseTheEngineStepping_data() { addCars(); }
    void extraMarksUseTheEngineStepping()
    {
        QFETCH(CarInputs, car);
        const CarEvaluation e = EvaluateNumbers(car);
        QVERIFY(e.HasResults());
        SimulationRecord record = RecordFor(car);
        record.RunSimulation({});
        // The distance and speed searches find the engine's own steps.
        QCOMPARE(record.FirstStepAtDistance(1320), record.QuarterMileStep());
        QCOMPARE(record.FirstStepAboveSpeed(60 * 22.0 / 15.0), record.SixtyMarkStep());

        const Timeline timeline = Timeline::Of(record);
        QCOMPARE(e.splits, SplitTimesOf(record, timeline));
        QCOMPARE(e.splits.quarterMileTime, e.results.quarterMileTime);
        QVERIFY(e.splits.eighthMileTime < e.results.quarterMileTime);

        const std::int64_t kmh = record.FirstStepAboveSpeed(100 / 1.609344 * 22.0 / 15.0);
        if (e.results.zeroToSixtyTime == 0) {
            QCOMPARE(kmh, -1L);
            QCOMPARE(e.zeroToHundredKmhTime, 0.0);
        } else {
            QVERIFY(kmh > record.SixtyMarkStep());
            QCOMPARE(e.zeroToHundredKmhTime, timeline.ElapsedAt(record.StepTime(kmh)));
        }
    }

    void curvesPassThroughTheResults_data() { addCars(); }
    void curvesPassThroughTheResults()
    {
        QFETCH(CarInputs, car);
        const CarEvaluation e = EvaluateCar(car);
        const SimulationResults& r = e.results;
        QVERIFY(e.curve.size() > 100);
        QCOMPARE(e.curve.front(), (CurvePoint{ 0, 0, 0 }));
        auto onCurve = [&](double time, double speed, double distance) {
            for (const CurvePoint& p : e.curve)
                if (p.time == time && p.speed == speed && p.distance == distance)
                    return true;
            return false;
        };
        QVERIFY(onCurve(r.quarterMileTime, r.quarterMileSpeed, r.quarterMileDistance));
        SimulationRecord record = RecordFor(car);
        record.RunSimulation({});
        const Timeline timeline = Timeline::Of(record);
        // The top speed lies on the curve when it comes after the quarter
        // mile; each mark at its result's time, on the curve where the
        // result lies on the timeline.
        if (!e.peaksBeforeQuarterMile)
            QVERIFY(onCurve(r.topSpeedTime, r.topSpeed, r.topSpeedDistance));
        int speedMarks = 0;
        int splitMarks = 0;
        for (const MarkedPoint& m : e.marks) {
            switch (m.mark) {
            case CurveMark::Sixty:
                QCOMPARE(m.point.time, r.zeroToSixtyTime);
                QCOMPARE(onCurve(m.point.time, m.point.speed, m.point.distance), timeline.OnTimeline(TimelineMark::Sixty));
                ++speedMarks;
                break;
            case CurveMark::Eighty:
                QCOMPARE(m.point.time, r.zeroToEightyTime);
                QCOMPARE(onCurve(m.point.time, m.point.speed, m.point.distance), timeline.OnTimeline(TimelineMark::Eighty));
                ++speedMarks;
                break;
            case CurveMark::Hundred:
                QCOMPARE(m.point.time, r.zeroToHundredTime);
                QCOMPARE(onCurve(m.point.time, m.point.speed, m.point.distance), timeline.OnTimeline(TimelineMark::Hundred));
                ++speedMarks;
                break;
            case CurveMark::QuarterMile: QCOMPARE(m.point.speed, r.quarterMileSpeed); break;
            case CurveMark::TopSpeed: QCOMPARE(m.point.speed, r.topSpeed); break;
            case CurveMark::SixtyFoot:
            case CurveMark::ThreeThirtyFoot:
            case CurveMark::EighthMile:
            case CurveMark::ThousandFoot:
                QVERIFY(onCurve(m.point.time, m.point.speed, m.point.distance));
                ++splitMarks;
                break;
            case CurveMark::GearChange: QFAIL("the classic law marks no gear changes"); break;
            }
        }
        const int passed = (r.zeroToSixtyTime != 0) + (r.zeroToEightyTime != 0) + (r.zeroToHundredTime != 0);
        QCOMPARE(speedMarks, passed);
        QCOMPARE(splitMarks, 4);
        QCOMPARE(e.marks.size(), std::size_t(speedMarks + splitMarks + 2));
        // The curve never passes the top speed.
        for (const CurvePoint& p : e.curve)
            QVERIFY(p.speed <= r.topSpeed);
    }

    void curveTimesRunForward_data() { addCars(); }
    void curveTimesRunForward()
    {
        QFETCH(CarInputs, car);
        const CarEvaluation e = EvaluateCar(car);
        // One timeline for every point: no curve runs back in time, not
        // even one that reaches its top speed before the quarter mile.
        for (std::size_t i = 1; i < e.curve.size(); ++i)
            QVERIFY(e.curve[i].time >= e.curve[i - 1].time);
        // The curve stands still during the spin time, then moves.
        QCOMPARE(e.curve[1].time, car.spinTime);
        QCOMPARE(e.curve[1].distance, 0.0);
        QVERIFY(e.curve[2].distance > 0);
    }

    void roadModelCurvesHoldTheirMarks_data() { addCars(); }
    void roadModelCurvesHoldTheirMarks()
    {
        // The road model's results as the model gives them; its curve runs
        // forward from the rollout through every mark, a gear change marked
        // at each shift, the launch the grip limits where it does.
        QFETCH(CarInputs, car);
        const ModelCar modelCar{ car, {} };
        const AirFigures air = FiguresFor(AirConditions{ 95, 28.5, 60 });
        const CarEvaluation e = EvaluateCar(modelCar, air, CarModel::Road);
        const RoadRun run = RunRoadModel(RoadCarOf(modelCar), RoadDayOf(air));
        QVERIFY(e.HasResults());
        QCOMPARE(e.model, CarModel::Road);
        QCOMPARE(e.results, run.Results());
        QCOMPARE(EvaluateNumbers(modelCar, air, CarModel::Road).results, e.results);
        QCOMPARE(e.curve.front().time, 0.0);
        for (std::size_t i = 1; i < e.curve.size(); ++i)
            QVERIFY(e.curve[i].time > e.curve[i - 1].time);
        const auto shifts = std::count_if(run.Shifts().begin(), run.Shifts().end(),
                                          [&](const RoadShift& s) { return s.time > run.RolloutTime(); });
        QCOMPARE(std::count_if(e.marks.begin(), e.marks.end(),
                               [](const MarkedPoint& m) { return m.mark == CurveMark::GearChange; }),
                 shifts);
        for (const MarkedPoint& m : e.marks)
            QVERIFY(std::find(e.curve.begin(), e.curve.end(), m.point) != e.curve.end());
        // (A launch the grip limits only within the rollout has no band.)
        QCOMPARE(e.tractionLimitedPoints > 1, run.TractionLimitedUntil() > e.curve.front().speed * FeetPerSecondPerMph);
        QVERIFY(e.tractionLimitedPoints <= e.curve.size());
    }

    void fewerSamplesKeepTheMarks()
    {
        const CarEvaluation fine = EvaluateCar(CarInputs::DefaultCar());
        const CarEvaluation coarse = EvaluateCar(CarInputs::DefaultCar(), FiguresFor(AirConditions()), 20);
        QVERIFY(coarse.curve.size() < 35);
        QCOMPARE(coarse.marks.size(), fine.marks.size());
        for (std::size_t i = 0; i < fine.marks.size(); ++i)
            QCOMPARE(coarse.marks[i].point, fine.marks[i].point);
        const CarEvaluation numbers = EvaluateNumbers(CarInputs::DefaultCar());
        QVERIFY(numbers.curve.empty());
        QCOMPARE(numbers.results, fine.results);
        QCOMPARE(numbers.splits, fine.splits);
    }

    void aDayIsRunAsTheCoreRunsIt_data() { addCars(); }
    void aDayIsRunAsTheCoreRunsIt()
    {
        QFETCH(CarInputs, car);
        // A hot, humid, high day; and the standard day, the classic run.
        const AirFigures hot = FiguresFor(AirConditions{ 95, 28.5, 60 });
        const CarEvaluation e = EvaluateNumbers(car, hot);
        const DayResults day = RunCarOnDay(car, hot);
        QCOMPARE(e.results, day.run.results);
        QCOMPARE(e.splits, day.splits);
        QCOMPARE(e.horsepowerOnDay, day.horsepower);
        // Less power makes a car slower there, unless thinner air matters
        // more: for one that is at its top speed on the strip, it can.
        if (e.results.topSpeedDistance > 1320)
            QVERIFY(e.results.quarterMileTime > RunCar(car).results.quarterMileTime);
        QCOMPARE(EvaluateNumbers(car).results, RunCar(car).results);
    }

    void aCarOutOfRangeIsNotRun()
    {
        CarInputs car = CarInputs::DefaultCar();
        car.horsepower = 99.99;
        const CarEvaluation e = EvaluateCar(car);
        QVERIFY(!e.HasResults());
        QCOMPARE(e.Problem(), QStringLiteral("The horsepower must be between 100.00 and 1500.00"));
        QVERIFY(e.curve.empty());
    }

    void estimates_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<double>("weight");
        QTest::addColumn<double>("horsepower");
        QTest::addColumn<double>("elapsedTime");
        QTest::addColumn<double>("trapSpeed");
        // 8 lb/hp and 27 lb/hp have whole cube roots, 2 and 3.
        QTest::newRow("Hale, 8 lb/hp") << int(EstimateRule::Hale) << 3200.0 << 400.0 << 11.65 << 117.0;
        QTest::newRow("Hale, 27 lb/hp") << int(EstimateRule::Hale) << 2700.0 << 100.0 << 17.475 << 78.0;
        QTest::newRow("Fox, 8 lb/hp") << int(EstimateRule::Fox) << 3200.0 << 400.0 << 12.538 << 115.0;
        QTest::newRow("Fox, 27 lb/hp") << int(EstimateRule::Fox) << 2700.0 << 100.0 << 18.807 << 230.0 / 3;
        QTest::newRow("Huntington, 8 lb/hp") << int(EstimateRule::Huntington) << 3200.0 << 400.0 << 12.58 << 112.0;
        QTest::newRow("Huntington, 27 lb/hp") << int(EstimateRule::Huntington) << 2700.0 << 100.0 << 18.87 << 224.0 / 3;
    }
    void estimates()
    {
        QFETCH(int, rule);
        QFETCH(double, weight);
        QFETCH(double, horsepower);
        QFETCH(double, elapsedTime);
        QFETCH(double, trapSpeed);
        const auto r = static_cast<EstimateRule>(rule);
        QVERIFY(std::abs(EstimatedElapsedTime(r, weight, horsepower) - elapsedTime) < 5e-4);
        QVERIFY(std::abs(EstimatedTrapSpeed(r, weight, horsepower) - trapSpeed) < 5e-3);
    }

    void estimatesNeedPositiveNumbers()
    {
        QVERIFY(std::isnan(EstimatedElapsedTime(EstimateRule::Fox, 3000, 0)));
        QVERIFY(std::isnan(EstimatedTrapSpeed(EstimateRule::Fox, -1, 300)));
    }

    void metricConversions_data()
    {
        QTest::addColumn<int>("quantity");
        QTest::addColumn<double>("classic");
        QTest::addColumn<double>("metric");
        QTest::newRow("100 mph") << int(Quantity::Speed) << 100.0 << 160.9344;
        QTest::newRow("3400 lb") << int(Quantity::Weight) << 3400.0 << 1542.214058;
        QTest::newRow("345 hp") << int(Quantity::Power) << 345.0 << 257.26645584;
        QTest::newRow("10 sq ft") << int(Quantity::Area) << 10.0 << 0.9290304;
        QTest::newRow("1320 ft") << int(Quantity::Distance) << 1320.0 << 402.336;
        QTest::newRow("100 lbf") << int(Quantity::Force) << 100.0 << 444.82216152605;
        QTest::newRow("seconds stay") << int(Quantity::Time) << 13.5 << 13.5;
        QTest::newRow("plain stays") << int(Quantity::Plain) << 0.29 << 0.29;
    }
    void metricConversions()
    {
        QFETCH(int, quantity);
        QFETCH(double, classic);
        QFETCH(double, metric);
        const auto q = static_cast<Quantity>(quantity);
        QVERIFY(std::abs(ToShown(classic, q, UnitSystem::Metric) - metric) < 1e-6);
        QCOMPARE(ToShown(classic, q, UnitSystem::Imperial), classic);
        QVERIFY(std::abs(FromShown(metric, q, UnitSystem::Metric) - classic) < 1e-9 * classic);
    }

    void typedFieldTexts_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const int metric = int(UnitSystem::Metric);
        const int imperial = int(UnitSystem::Imperial);
        QTest::newRow("kW to hp") << metric << int(InputField::Horsepower) << "200" << "268.20";
        QTest::newRow("kg to lb") << metric << int(InputField::CarWeight) << "1500" << "3306.93";
        QTest::newRow("m² to ft²") << metric << int(InputField::GrillArea) << "0.5" << "5.38";
        QTest::newRow("metric letters") << metric << int(InputField::Horsepower) << "fast" << "0.00";
        QTest::newRow("metric drag coefficient stays") << metric << int(InputField::DragCoefficient) << "0.3x" << "0.3x";
        QTest::newRow("metric spin time stays") << metric << int(InputField::SpinTime) << "1.5" << "1.5";
        QTest::newRow("imperial stays as typed") << imperial << int(InputField::Horsepower) << " 345 hp" << " 345 hp";
    }
    void typedFieldTexts()
    {
        QFETCH(int, units);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QCOMPARE(ClassicFieldText(typed, static_cast<InputField>(field), static_cast<UnitSystem>(units)), kept);
    }

    void shownFieldTexts_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("classic");
        QTest::addColumn<QString>("metric");
        QTest::newRow("hp") << int(InputField::Horsepower) << "345.00" << "257.27";
        QTest::newRow("lb") << int(InputField::CarWeight) << "3400.00" << "1542.21";
        QTest::newRow("ft², three decimals") << int(InputField::WindshieldArea) << "13.61" << "1.264";
        QTest::newRow("angle") << int(InputField::WindshieldAngle) << "22.00" << "22.00";
        QTest::newRow("shifts") << int(InputField::AvailableShifts) << "5" << "5";
    }
    void shownFieldTexts()
    {
        QFETCH(int, field);
        QFETCH(QString, classic);
        QFETCH(QString, metric);
        const auto f = static_cast<InputField>(field);
        QCOMPARE(ShownFieldText(classic, f, UnitSystem::Metric), metric);
        QCOMPARE(ShownFieldText(classic, f, UnitSystem::Imperial), classic);
        // Shown and typed back, a metric value keeps its classic value within the shown rounding.
        QVERIFY(std::abs(DecimalFromText(ClassicFieldText(metric, f, UnitSystem::Metric)) - DecimalFromText(classic)) <= 0.02);
    }

    void unitSymbols()
    {
        QCOMPARE(UnitSymbol(Quantity::Speed, UnitSystem::Metric), QStringLiteral("km/h"));
        QCOMPARE(UnitSymbol(Quantity::Power, UnitSystem::Imperial), QStringLiteral("hp"));
        QCOMPARE(UnitSystemFromKey(UnitSystemKey(UnitSystem::Metric)), UnitSystem::Metric);
        QCOMPARE(UnitSystemFromKey(QStringLiteral("furlongs")), UnitSystem::Imperial);
    }

    void areaSums_data()
    {
        QTest::addColumn<QString>("width");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("area");
        QTest::newRow("grill 30 x 25") << "30" << "25" << "5.21";
        QTest::newRow("windshield 72 x 24") << "72" << "24" << "12.00";
        QTest::newRow("windshield 60 x 32.67") << "60" << "32.67" << "13.61";
        QTest::newRow("nothing typed") << "" << "" << "0.00";
    }
    void areaSums()
    {
        QFETCH(QString, width);
        QFETCH(QString, height);
        QFETCH(QString, area);
        QCOMPARE(AreaText(width, height).trimmed(), area);
    }
};

QTEST_GUILESS_MAIN(TestGarageEvaluation)
#include "tst_garage_evaluation.moc"
