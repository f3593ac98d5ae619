// SPDX-License-Identifier: GPL-3.0-or-later
// The car on the day: the standard day gives the classic results bit for
// bit, a hot, humid, high day a slower car; the splits lie on the run's one
// timeline, which never runs backwards, passes exactly through the quarter
// mile, and through the top speed when it comes after the quarter mile.
#include "core/DayRun.h"
#include "engine/PlainRun.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <tuple>
#include <vector>

using plain::Car;

namespace {

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameResults(const SimulationResults& a, const SimulationResults& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QString describe(const CarInputs& c)
{
    return QString::asprintf("hp %.17g, weight %.17g, cd %.17g, grill %.17g, windshield %.17g at "
                             "%.17g, spin %.17g, shifts %d of %d",
                             c.horsepower, c.carWeight, c.dragCoefficient, c.grillArea,
                             c.windshieldArea, c.windshieldAngle, c.spinTime, c.quarterMileShifts,
                             c.availableShifts);
}

// Random cars within the input ranges, the cars the engine works longest
// on, and a few too weak to finish.
std::vector<Car> manyCars(int count)
{
    std::mt19937_64 random(180418);
    std::vector<Car> cars;
    for (int i = 0; i < count; ++i)
        cars.push_back(plain::randomCar(random));
    for (const plain::NamedCar& named : plain::slowCars())
        cars.push_back(named.car);
    for (double horsepower : { 1.0, 5.0, 20.0 }) {
        Car weak;
        weak.horsepower = horsepower;
        cars.push_back(weak);
    }
    return cars;
}

// A hot, humid, high day, well inside the ranges.
const AirConditions hotDay{ 95, 28.5, 60 };

} // namespace

class TestDayRun : public QObject {
    Q_OBJECT

private slots:
    void standardDayIsClassic();
    void hotDayIsSlower();
    void splitsInOrderOnTheTimeline();
    void timelineNeverRunsBackwards();
    void topSpeedBeforeQuarterMileIsOffTheTimeline();
};

// On the standard day the engine gets exactly the classic arguments, and
// every result, the stop state, and the quarter-mile split are the classic
// ones, bit for bit.
void TestDayRun::standardDayIsClassic()
{
    const AirFigures standard = FiguresFor(AirConditions());
    for (const Car& car : manyCars(1500)) {
        const SimulationRecord classic = RecordFor(car);
        const SimulationRecord onDay = RecordOnDay(car, standard);
        QVERIFY(sameDouble(onDay.Horsepower(), classic.Horsepower()));
        QVERIFY(sameDouble(onDay.AirDensity(), classic.AirDensity()));
        QVERIFY(sameDouble(onDay.EffectivePower(), classic.EffectivePower()));
        QVERIFY(sameDouble(onDay.DragFactor(), classic.DragFactor()));

        const CarRun expected = RunCar(car);
        const DayResults day = RunCarOnDay(car, AirConditions());
        if (!sameResults(day.run.results, expected.results) || day.run.outcome != expected.outcome
            || day.run.timeLimitReached != expected.timeLimitReached
            || !sameDouble(day.run.stopTime, expected.stopTime))
            QFAIL(qPrintable(QStringLiteral("results differ for ") + describe(car)));
        if (expected.Finished()) {
            QVERIFY(sameDouble(day.splits.quarterMileTime, expected.results.quarterMileTime));
            QVERIFY(sameDouble(day.splits.quarterMileSpeed, expected.results.quarterMileSpeed));
        } else {
            QCOMPARE(day.splits, SplitTimes());
            QVERIFY(day.timeline.IsEmpty());
        }
    }
}

// The sports car on a hot, humid, high day: less power, thinner air, a
// slower quarter mile and every split later.
void TestDayRun::hotDayIsSlower()
{
    const CarInputs sportsCar = CarInputs::DefaultCar(); // examples/sports-car.trv
    const DayResults standard = RunCarOnDay(sportsCar, AirConditions());
    const DayResults hot = RunCarOnDay(sportsCar, hotDay);
    QVERIFY(hot.run.Finished());
    QVERIFY(hot.air.correctionFactor > 1);
    QVERIFY(hot.air.relativeAirDensity < 1);
    QVERIFY(hot.air.densityAltitude > standard.air.densityAltitude);
    QVERIFY(hot.horsepower < sportsCar.horsepower);
    QVERIFY(hot.airDensity < RunSetup::AirDensity);
    QVERIFY(hot.run.results.quarterMileTime > standard.run.results.quarterMileTime);
    QVERIFY(hot.run.results.quarterMileSpeed < standard.run.results.quarterMileSpeed);
    QVERIFY(hot.splits.sixtyFootTime > standard.splits.sixtyFootTime);
    QVERIFY(hot.splits.eighthMileTime > standard.splits.eighthMileTime);
    QVERIFY(hot.splits.eighthMileSpeed < standard.splits.eighthMileSpeed);
    QVERIFY(hot.splits.thousandFootTime > standard.splits.thousandFootTime);
    QVERIFY(hot.splits.quarterMileTime > standard.splits.quarterMileTime);
}

// Each split comes after the spin and the one before it; the quarter mile
// is the classic result on every day.
void TestDayRun::splitsInOrderOnTheTimeline()
{
    const AirFigures hot = FiguresFor(hotDay);
    for (const Car& car : manyCars(300)) {
        for (const AirFigures& air : { FiguresFor(AirConditions()), hot }) {
            const DayResults day = RunCarOnDay(car, air);
            if (!day.run.Finished())
                continue;
            const SplitTimes& s = day.splits;
            const double times[] = { car.spinTime, s.sixtyFootTime, s.threeThirtyFootTime,
                                     s.eighthMileTime, s.thousandFootTime, s.quarterMileTime };
            for (std::size_t i = 1; i < std::size(times); ++i)
                if (!(times[i] > times[i - 1]))
                    QFAIL(qPrintable(QStringLiteral("splits out of order for ") + describe(car)));
            QVERIFY(sameDouble(s.quarterMileTime, day.run.results.quarterMileTime));
            QVERIFY(sameDouble(s.quarterMileSpeed, day.run.results.quarterMileSpeed));
            QVERIFY(s.eighthMileSpeed > 0);
        }
    }
}

// A sweep of horsepowers and weights over two bodies, a draggy one (many
// cars reach their top speed before the quarter mile) and a sleek one (all
// after it), on the standard and a hot day, and cars with more quarter-mile
// shifts than available ones: the elapsed time and the loss never decrease
// along the run, the quarter mile is on the timeline, and so is the top
// speed wherever it comes after the quarter mile with the larger loss.
void TestDayRun::timelineNeverRunsBackwards()
{
    std::vector<Car> cars;
    for (int i = 0; i < 25; ++i) {
        for (int j = 0; j < 25; ++j) {
            const double horsepower = 100 + 1400.0 * i / 24;
            const double weight = 1000 + 3500.0 * j / 24;
            cars.push_back(plain::makeCar(horsepower, weight, 0.4, 20, 20, 45));
            Car sleek = plain::makeCar(horsepower, weight, 0.2, 2, 2, 20);
            sleek.spinTime = 0.75 + 2.25 * ((i + j) % 5) / 4;
            sleek.quarterMileShifts = 1 + (i % 4);
            cars.push_back(sleek);
        }
    }
    Car moreQuarterMileShifts = plain::makeCar(300, 2000, 0.4, 20, 20, 45);
    moreQuarterMileShifts.availableShifts = 1;
    moreQuarterMileShifts.quarterMileShifts = 3;
    cars.push_back(moreQuarterMileShifts);
    Car noShifts = moreQuarterMileShifts;
    noShifts.availableShifts = 0;
    noShifts.quarterMileShifts = 0;
    cars.push_back(noShifts);

    int topBefore = 0;
    int topAfter = 0;
    for (const Car& car : cars) {
        for (const AirConditions& air : { AirConditions(), hotDay }) {
            SimulationRecord record = RecordOnDay(car, FiguresFor(air));
            record.RunSimulation({});
            if (record.Outcome() != SimulationOutcome::Finished)
                continue;
            const Timeline timeline = Timeline::Of(record);
            const SimulationResults r = record.Results();

            // Every step of the trajectory, every knot and the raw times a
            // hair either side of each knot.
            std::vector<double> raw;
            const std::int64_t last = std::max(record.QuarterMileStep(), record.TopSpeedStep());
            for (const TrajectoryPoint& p : record.Trajectory(last, 2000))
                raw.push_back(p.time);
            for (const Timeline::Knot& k : timeline.Knots())
                for (double t : { std::nextafter(k.raw, -1.0), k.raw, std::nextafter(k.raw, 1e9) })
                    raw.push_back(t);
            raw.push_back(record.RawTopSpeedTime());
            raw.push_back(2 * last * RunSetup::StepSize);
            std::sort(raw.begin(), raw.end());
            for (std::size_t i = 1; i < raw.size(); ++i) {
                if (timeline.ElapsedAt(raw[i]) < timeline.ElapsedAt(raw[i - 1])
                    || timeline.LossAt(raw[i]) < timeline.LossAt(raw[i - 1]))
                    QFAIL(qPrintable(QString::asprintf("runs backwards at %.17g s for ", raw[i])
                                     + describe(car)));
            }

            QVERIFY(timeline.OnTimeline(TimelineMark::QuarterMile));
            QVERIFY(sameDouble(timeline.ElapsedAt(record.QuarterMileRunTime()), r.quarterMileTime));
            QVERIFY(sameDouble(timeline.ElapsedAt(0), car.spinTime));
            const bool after = record.RawTopSpeedTime() > record.QuarterMileRunTime();
            (after ? topAfter : topBefore) += 1;
            if (after && car.availableShifts >= car.quarterMileShifts) {
                QVERIFY(timeline.OnTimeline(TimelineMark::TopSpeed));
                QVERIFY(sameDouble(timeline.ElapsedAt(record.RawTopSpeedTime()), r.topSpeedTime));
            }
            // Within the ranges every speed mark passed is on the timeline,
            // at its classic time.
            if (car.availableShifts > car.quarterMileShifts) {
                const std::tuple<TimelineMark, std::int64_t, double, double> marks[] = {
                    { TimelineMark::Sixty, record.SixtyMarkStep(), record.SixtyMarkTime(), r.zeroToSixtyTime },
                    { TimelineMark::Eighty, record.EightyMarkStep(), record.EightyMarkTime(), r.zeroToEightyTime },
                    { TimelineMark::Hundred, record.HundredMarkStep(), record.HundredMarkTime(), r.zeroToHundredTime },
                };
                for (const auto& [mark, step, markRaw, time] : marks) {
                    QCOMPARE(timeline.OnTimeline(mark), step > 0);
                    if (step > 0)
                        QVERIFY(sameDouble(timeline.ElapsedAt(markRaw), time));
                }
            }
        }
    }
    QVERIFY2(topBefore >= 100 && topAfter >= 100,
             qPrintable(QString::asprintf("%d before, %d after", topBefore, topAfter)));
}

// A light, draggy, weak car tops out early and still covers the quarter
// mile: its top speed counts every available shift, more than the quarter
// mile counts, so it cannot lie on a timeline through the quarter mile that
// never runs backwards. It keeps its classic time, after the timeline's.
void TestDayRun::topSpeedBeforeQuarterMileIsOffTheTimeline()
{
    const Car car = plain::makeCar(100, 1000, 0.4, 20, 20, 45);
    SimulationRecord record = RecordFor(car);
    record.RunSimulation({});
    QVERIFY(record.RawTopSpeedTime() < record.QuarterMileRunTime());
    const Timeline timeline = Timeline::Of(record);
    QVERIFY(!timeline.OnTimeline(TimelineMark::TopSpeed));
    QVERIFY(timeline.OnTimeline(TimelineMark::Sixty));
    QVERIFY(timeline.OnTimeline(TimelineMark::QuarterMile));
    QVERIFY(timeline.ElapsedAt(record.RawTopSpeedTime()) < record.Results().topSpeedTime);
    QVERIFY(record.Results().topSpeedTime < record.Results().quarterMileTime);
}

QTEST_GUILESS_MAIN(TestDayRun)
#include "tst_dayrun.moc"
