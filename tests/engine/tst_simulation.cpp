// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the simulation engine: the published figures of known cars, the
// time limit, the progress steps, bit-for-bit agreement with a plain
// step-by-step evaluation of the motion law over thousands of cars (results
// and step counts), the step-time sequence, the timing marks, trajectories
// through the results, the first-step searches, and the refusal of inputs
// the law is not defined for.
#include "PlainRun.h"
#include "SimulationProbe.h"

#include "core/DayRun.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

using plain::Car;
using plain::Results;
using plain::reference;
using plain::run;
using plain::setUp;
Q_DECLARE_METATYPE(Car)
Q_DECLARE_METATYPE(SimulationOutcome)

namespace {

bool identical(const Results& a, const Results& b)
{
    return std::memcmp(a.v, b.v, sizeof a.v) == 0 && a.timeLimitReached == b.timeLimitReached
           && std::memcmp(&a.stopTime, &b.stopTime, sizeof a.stopTime) == 0
           && std::memcmp(a.steps, b.steps, sizeof a.steps) == 0;
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

QString describe(const Car& c)
{
    return QString::asprintf("hp %.17g, weight %.17g, cd %.17g, grill %.17g, windshield %.17g at "
                             "%.17g, spin %.17g, shifts %d of %d",
                             c.horsepower, c.carWeight, c.dragCoefficient, c.grillArea,
                             c.windshieldArea, c.windshieldAngle, c.spinTime,
                             c.quarterMileShifts, c.availableShifts);
}

QString twoDecimals(double value)
{
    return QString::asprintf("%.2f", value);
}

// The horsepower that puts the top speed of `car` exactly at `mph`:
// the top speed is 0.75 * (2 * 550 * P / K)^(1/3).
double horsepowerForTopSpeed(const Car& car, double mph)
{
    const double K = RunSetup::AirDensity * car.dragCoefficient * car.FrontalArea();
    const double feetPerSecond = mph * 22.0 / 15.0;
    const double P = std::pow(feetPerSecond / 0.75, 3.0) * K / 1100.0;
    return P / 0.63;
}

enum Result { TopTime, TopSpeed, TopDistance, TopForce, Sixty, Hundred, Eighty, SixtyToEighty,
              QuarterTime, QuarterSpeed, QuarterDistance, QuarterForce };

const auto car = plain::makeCar;

std::vector<Car> slowCars()
{
    std::vector<Car> cars;
    for (const plain::NamedCar& named : plain::slowCars())
        cars.push_back(named.car);
    return cars;
}

// A record of `c`, run.
struct Run {
    SimulationRecord record;
    explicit Run(const Car& c) : record(RecordFor(c)) { record.RunSimulation({}); }
};

// The first step of the quarter-mile loop's test for `feet`, and of the
// mark search's test for `feetPerSecond`, found by stepping one at a time.
std::int64_t steppedToDistance(const SimulationRecord& r, double feet)
{
    double t = 0;
    double distance = 0;
    std::int64_t step = 0;
    while (feet - distance > 0.001) {
        t = t + 0.001;
        ++step;
        if (!(60.0 >= t))
            return -1;
        distance = r.Distance(t);
    }
    return step;
}

std::int64_t steppedAboveSpeed(const SimulationRecord& r, double feetPerSecond)
{
    double t = 0;
    std::int64_t step = 0;
    while (t < r.TopSpeedTime()) {
        t = t + 0.001;
        ++step;
        if (!(feetPerSecond >= r.Speed(t)))
            return step;
    }
    return -1;
}

} // namespace

class TestSimulation : public QObject {
    Q_OBJECT

private slots:
    void resultsStartAtZero();
    void defaultCarLawAndInputs();
    void defaultCarQuarterMile();
    void defaultCarTopSpeedAndMarks();
    void knownCars_data();
    void knownCars();
    void givesUpAtTimeLimit();
    void progressSteps();
    void marksFollowTopSpeed_data();
    void marksFollowTopSpeed();
    void matchesPlainEvaluation();
    void stepTimesAreTheRepeatedSum_data();
    void stepTimesAreTheRepeatedSum();
    void searchesAgreeWithStepping_data();
    void searchesAgreeWithStepping();
    void splitsMatchStepping();
    void trajectoryPassesThroughResults_data();
    void trajectoryPassesThroughResults();
    void refusesInputsTheLawIsNotDefinedFor_data();
    void refusesInputsTheLawIsNotDefinedFor();
    void extremeInputsEndSensibly_data();
    void extremeInputsEndSensibly();
};

void TestSimulation::resultsStartAtZero()
{
    SimulationRecord record(RunSetup::StepSize, RunSetup::TimeLimit, RunSetup::ShiftTime, RunSetup::AirDensity);
    double v[12];
    std::fill(std::begin(v), std::end(v), -1.0);
    record.GetResults(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
    for (double value : v)
        QCOMPARE(value, 0.0);
    bool limit = true;
    double stop = -1;
    QCOMPARE(record.GetStopState(limit, stop), false);
    QCOMPARE(limit, false);
    QCOMPARE(stop, 0.0);
}

void TestSimulation::defaultCarLawAndInputs()
{
    const Car car;
    QCOMPARE(QString::asprintf("%.9f", car.FrontalArea()), QStringLiteral("10.298038846"));
    SimulationRecord record = RecordFor(car);
    QVERIFY(std::abs(record.Mass() - 105.590) < 0.001);
    QVERIFY(std::abs(record.EffectivePower() - 217.35) < 1e-9);
    QVERIFY(std::abs(record.DragFactor() - 0.0059729) < 1e-7);
    QCOMPARE(twoDecimals(record.Speed(1)), QStringLiteral("47.55"));
    QCOMPARE(twoDecimals(record.Distance(1)), QStringLiteral("31.71"));
    QCOMPARE(record.WindForce(10), 100 * record.DragFactor() / 2);
}

void TestSimulation::defaultCarQuarterMile()
{
    SimulationRecord record = RecordFor(Car());
    SimulationProbe::RunQuarterMile(record);
    QCOMPARE(record.QuarterMileSteps(), std::int64_t{ 12123 });
    QCOMPARE(QString::asprintf("%.3f", record.QuarterMileRunTime()), QStringLiteral("12.123"));
    QCOMPARE(QString::asprintf("%.4f", record.RawQuarterMileDistance()), QStringLiteral("1320.0077"));
    QCOMPARE(QString::asprintf("%.3f", record.QuarterMileVelocity()), QStringLiteral("160.974"));
    QCOMPARE(QString::asprintf("%.3f", record.RawQuarterMileWindForce()), QStringLiteral("77.386"));
    QCOMPARE(record.TimeLimitReached(), false);
    QCOMPARE(record.StopTime(), 0.0);
}

void TestSimulation::defaultCarTopSpeedAndMarks()
{
    SimulationRecord record = RecordFor(Car());
    record.RunSimulation({});
    QCOMPARE(QString::asprintf("%.3f", record.TopSpeedTime()), QStringLiteral("54.929"));
    QCOMPARE(QString::asprintf("%.3f", record.TopSpeedVelocity()), QStringLiteral("256.557"));
    QCOMPARE(QString::asprintf("%.3f", record.SixtyMarkTime()), QStringLiteral("3.450"));
    QCOMPARE(QString::asprintf("%.3f", record.EightyMarkTime()), QStringLiteral("6.209"));
    QCOMPARE(QString::asprintf("%.3f", record.HundredMarkTime()), QStringLiteral("9.913"));

    const Results r = run(Car());
    const char* expected[12] = { "54.93", "174.93", "10312.34", "196.57", "4.70", "11.66",
                                 "7.96",  "2.76",   "13.87",    "109.75", "1320.01", "77.39" };
    for (int i = 0; i < 12; ++i)
        QCOMPARE(twoDecimals(r.v[i]), QString::fromLatin1(expected[i]));
    // The 60-80 time is the 0-80 time less the 0-60 time less half the
    // quarter-mile shift time.
    QVERIFY(std::abs(r.v[SixtyToEighty] - (r.v[Eighty] - r.v[Sixty] - 0.5)) < 1e-9);
}

void TestSimulation::knownCars_data()
{
    QTest::addColumn<Car>("car");
    QTest::addColumn<QString>("topSpeed");
    QTest::addColumn<QString>("rawTopTime");
    QTest::addColumn<QString>("topForce");
    QTest::addColumn<QString>("sixty");
    QTest::addColumn<QString>("eighty");
    QTest::addColumn<QString>("hundred");

    Car light;
    light.horsepower = 100;
    light.carWeight = 1000;
    light.dragCoefficient = 0.4;
    light.grillArea = 20;
    light.windshieldArea = 20;
    light.windshieldAngle = 45;
    Car heavy = light;
    heavy.carWeight = 4500;
    Car fast;
    fast.horsepower = 1500;
    fast.carWeight = 1000;
    fast.dragCoefficient = 0.2;
    fast.grillArea = 2;
    fast.windshieldArea = 2;
    fast.windshieldAngle = 20;

    // Raw mark times; "0" is a mark never passed.
    QTest::newRow("light and draggy: tops out between 60 and 80")
        << light << "69.75" << "8.337" << "142.90" << "4.180" << "0.000" << "0.000";
    QTest::newRow("heavy: same top speed, later")
        << heavy << "69.75" << "37.514" << "142.90" << "" << "0.000" << "0.000";
    QTest::newRow("light and powerful")
        << fast << "505.89" << "29.240" << "" << "0.232" << "0.412" << "0.644";
}

void TestSimulation::knownCars()
{
    QFETCH(Car, car);
    QFETCH(QString, topSpeed);
    QFETCH(QString, rawTopTime);
    QFETCH(QString, topForce);
    QFETCH(QString, sixty);
    QFETCH(QString, eighty);
    QFETCH(QString, hundred);

    SimulationRecord record = RecordFor(car);
    record.RunSimulation({});
    const double raw = record.TopSpeedTime() - car.spinTime - car.availableShifts * 0.5;
    QCOMPARE(twoDecimals(record.TopSpeedVelocity() * 15.0 / 22.0), topSpeed);
    QCOMPARE(QString::asprintf("%.3f", raw), rawTopTime);
    if (!topForce.isEmpty())
        QCOMPARE(twoDecimals(record.TopSpeedWindForce()), topForce);
    if (!sixty.isEmpty())
        QCOMPARE(QString::asprintf("%.3f", record.SixtyMarkTime()), sixty);
    QCOMPARE(QString::asprintf("%.3f", record.EightyMarkTime()), eighty);
    QCOMPARE(QString::asprintf("%.3f", record.HundredMarkTime()), hundred);
}

void TestSimulation::givesUpAtTimeLimit()
{
    Car weak;
    weak.horsepower = 1;
    SimulationRecord record = RecordFor(weak);
    std::vector<int> steps;
    record.RunSimulation([&steps](int step) { steps.push_back(step); });
    QCOMPARE(record.QuarterMileSteps(), std::int64_t{ 60001 });
    bool limit = false;
    double stop = 0;
    QVERIFY(record.GetStopState(limit, stop));
    QVERIFY(limit);
    QCOMPARE(QString::asprintf("%.3f", stop), QStringLiteral("61.751"));
    QCOMPARE(QString::asprintf("%6.2f", stop), QStringLiteral(" 61.75"));
    // The values kept are those of the last step computed, at about 60 s.
    QVERIFY(std::abs(record.RawQuarterMileDistance() - 787) < 1);
    QCOMPARE(record.RawQuarterMileDistance(), record.Distance(record.QuarterMileRunTime() - 0.001));
    // Neither the top speed nor the marks are computed.
    QCOMPARE(steps, std::vector<int>{ 3 });
    QCOMPARE(record.TopSpeedTime(), 0.0);
    QCOMPARE(record.SixtyMarkTime(), 0.0);
}

void TestSimulation::progressSteps()
{
    std::vector<int> steps;
    run(Car(), &steps);
    QCOMPARE(steps, (std::vector<int>{ 3, 4, 5 }));
    // An empty sink is allowed.
    SimulationRecord record = RecordFor(Car());
    record.RunSimulation(ProgressSink());
    QCOMPARE(twoDecimals(record.QuarterMileVelocity() * 15.0 / 22.0), QStringLiteral("109.75"));
}

void TestSimulation::marksFollowTopSpeed_data()
{
    QTest::addColumn<Car>("car");
    QTest::addColumn<bool>("sixty");
    QTest::addColumn<bool>("eighty");
    QTest::addColumn<bool>("hundred");

    Car between60and80;
    between60and80.horsepower = 100;
    between60and80.carWeight = 1000;
    between60and80.dragCoefficient = 0.4;
    between60and80.grillArea = 20;
    between60and80.windshieldArea = 20;
    between60and80.windshieldAngle = 45;
    Car between80and100;
    between80and100.horsepower = 100;
    between80and100.carWeight = 4500;
    between80and100.dragCoefficient = 0.25;
    between80and100.grillArea = 20; // a frontal area of 20 square feet
    between80and100.windshieldArea = 0;
    between80and100.spinTime = 3;

    QTest::newRow("default car passes every mark") << Car() << true << true << true;
    QTest::newRow("top speed between 60 and 80") << between60and80 << true << false << false;
    QTest::newRow("top speed between 80 and 100") << between80and100 << true << true << false;
}

void TestSimulation::marksFollowTopSpeed()
{
    QFETCH(Car, car);
    QFETCH(bool, sixty);
    QFETCH(bool, eighty);
    QFETCH(bool, hundred);
    const Results r = run(car);
    QCOMPARE(r.v[Sixty] > 0, sixty);
    QCOMPARE(r.v[Eighty] > 0, eighty);
    QCOMPARE(r.v[SixtyToEighty] > 0, eighty);
    QCOMPARE(r.v[Hundred] > 0, hundred);
    QVERIFY(identical(r, reference(car)));
}

void TestSimulation::matchesPlainEvaluation()
{
    std::mt19937_64 random(20261207);
    auto uniform = [&random](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto randomCar = [&random] { return plain::randomCar(random); };

    std::vector<Car> cars;
    for (int i = 0; i < 2000; ++i)
        cars.push_back(randomCar());
    // Round numbers, as users type them.
    for (int i = 0; i < 300; ++i) {
        Car c = randomCar();
        c.horsepower = std::round(c.horsepower);
        c.carWeight = std::round(c.carWeight / 10) * 10;
        c.dragCoefficient = std::round(c.dragCoefficient * 100) / 100;
        c.grillArea = std::round(c.grillArea * 100) / 100;
        c.windshieldArea = std::round(c.windshieldArea * 100) / 100;
        cars.push_back(c);
    }
    // Cars whose top speed sits on a mark, or a hair either side of it.
    for (double mark : { 60.0, 80.0, 100.0 }) {
        for (double offset : { -1e-6, -1e-9, -1e-12, 0.0, 1e-12, 1e-9, 1e-6 }) {
            Car c = randomCar();
            c.carWeight = uniform(1000, 1500);
            c.horsepower = horsepowerForTopSpeed(c, mark * (1 + offset));
            cars.push_back(c);
        }
    }
    // Cars too weak to finish: the run gives up at the time limit.
    for (int i = 0; i < 40; ++i) {
        Car c = randomCar();
        c.horsepower = uniform(0.2, 1.2);
        cars.push_back(c);
    }

    // More random cars, drawn apart from those above.
    std::mt19937_64 more(4401);
    for (int i = 0; i < 600; ++i)
        cars.push_back(plain::randomCar(more));
    // The cars the engine is slowest on.
    for (const Car& c : slowCars())
        cars.push_back(c);
    // Cars whose top speed is 80 or 100 mph to within 1e-15 .. 1e-3
    // (relative), with the horsepower still in range (no car in range tops
    // out below 69.75 mph): near the top the speed is so flat that steps are
    // settled by evaluating the law, not by the bounds.
    int onMark = 0;
    for (int i = 0; i < 1000 && onMark < 120; ++i) {
        Car c = randomCar();
        const double mark = i % 2 ? 80 : 100;
        const double offset = std::pow(10.0, -uniform(3, 15)) * (i % 4 < 2 ? 1 : -1);
        c.horsepower = horsepowerForTopSpeed(c, mark * (1 + offset));
        if (c.horsepower < 100 || c.horsepower > 1500)
            continue;
        cars.push_back(c);
        ++onMark;
    }
    QCOMPARE(onMark, 120);
    // Out of range: cars whose distance peaks (at 4/3 M/K) within a hair of
    // where the quarter-mile loop stops, 1319.999 ft: the distance is flat
    // there, and past the peak it falls again.
    for (int i = 0; i < 30; ++i) {
        Car c = randomCar();
        const double K = RunSetup::AirDensity * c.dragCoefficient * c.FrontalArea();
        const double offset = std::pow(10.0, -uniform(4, 15)) * (i % 2 ? 1 : -1);
        c.carWeight = 1319.999 * (1 + offset) * 0.75 * K * 32.2;
        c.horsepower = uniform(200, 2000);
        cars.push_back(c);
    }

    int givenUp = 0;
    for (const Car& car : cars) {
        const Results fast = run(car);
        const Results plain = reference(car);
        if (!identical(fast, plain))
            QFAIL(qPrintable(QStringLiteral("results differ for ") + describe(car)));
        givenUp += plain.timeLimitReached ? 1 : 0;
    }
    QVERIFY(givenUp >= 40);
}

void TestSimulation::stepTimesAreTheRepeatedSum_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<std::int64_t>("steps");
    QTest::newRow("0.001 s, past the time limit") << 0.001 << std::int64_t{ 200000 };
    QTest::newRow("0.01 s") << 0.01 << std::int64_t{ 200000 };
    QTest::newRow("a power of two") << 1.0 / 1024 << std::int64_t{ 100000 };
    QTest::newRow("0.0003 s") << 0.0003 << std::int64_t{ 300000 };
    // The step is an odd number of half units in the last place of the
    // times in [1, 2): every addition there is a tie, rounded to even.
    QTest::newRow("ties within a binade") << std::ldexp(9000000001.0, -53) << std::int64_t{ 2500000 };
}

void TestSimulation::stepTimesAreTheRepeatedSum()
{
    QFETCH(double, step);
    QFETCH(std::int64_t, steps);
    SimulationRecord record(step, RunSetup::TimeLimit, RunSetup::ShiftTime, RunSetup::AirDensity);
    QCOMPARE(record.StepTime(0), 0.0);
    QCOMPARE(record.StepTime(-5), 0.0);
    double t = 0;
    for (std::int64_t n = 1; n <= steps; ++n) {
        t = t + step;
        if (!sameDouble(record.StepTime(n), t))
            QFAIL(qPrintable(QString::asprintf("step %ld: %.17g, not %.17g", n, record.StepTime(n), t)));
    }
}

void TestSimulation::searchesAgreeWithStepping_data()
{
    QTest::addColumn<Car>("car");
    QTest::newRow("default car") << Car();
    const std::vector<Car> slow = slowCars();
    QTest::newRow("top speed on 100 mph") << slow[0];
    QTest::newRow("top speed on 80 mph") << slow[1];
    QTest::newRow("slowest car") << slow[2];
    QTest::newRow("quickest car") << slow[3];
    QTest::newRow("top speed between 60 and 80") << car(100, 1000, 0.4, 20, 20, 45);
}

void TestSimulation::searchesAgreeWithStepping()
{
    QFETCH(Car, car);
    const Run run(car);
    const SimulationRecord& r = run.record;
    QCOMPARE(r.Outcome(), SimulationOutcome::Finished);
    QCOMPARE(r.FirstStepAtDistance(1320), r.QuarterMileStep());
    QCOMPARE(r.FirstStepAboveSpeed(60 * 22.0 / 15), r.SixtyMarkStep());
    QCOMPARE(r.FirstStepAboveSpeed(80 * 22.0 / 15), r.EightyMarkStep());
    QCOMPARE(r.FirstStepAboveSpeed(100 * 22.0 / 15), r.HundredMarkStep());
    // The 1/8 mile, 0-100 km/h and a speed above the top speed.
    QCOMPARE(r.FirstStepAtDistance(660), steppedToDistance(r, 660));
    const double hundredKmh = 100000 / 3600.0 / 0.3048;
    QCOMPARE(r.FirstStepAboveSpeed(hundredKmh), steppedAboveSpeed(r, hundredKmh));
    QCOMPARE(r.FirstStepAboveSpeed(r.TopSpeedVelocity() * 1.001), std::int64_t{ -1 });
    QCOMPARE(r.FirstStepAtDistance(0), std::int64_t{ 0 });
}

// The timing marks of a few hundred cars, on the standard day and in
// thinner air with less power, against one walk over every step that tests
// each distance as the quarter-mile loop tests 1320 ft: the same steps, the
// law's own times and speeds there, and the quarter mile's own step, time
// and speed.
void TestSimulation::splitsMatchStepping()
{
    std::mt19937_64 random(606);
    std::vector<Car> cars = slowCars();
    for (int i = 0; i < 300; ++i)
        cars.push_back(plain::randomCar(random));
    const AirFigures thin = FiguresFor({ 100, 24, 80 });
    int checked = 0;
    for (std::size_t c = 0; c < cars.size(); ++c) {
        const Car& car = cars[c];
        SimulationRecord r = c % 3 == 2 ? RecordOnDay(car, thin) : RecordFor(car);
        r.RunSimulation({});
        QCOMPARE(r.Outcome(), SimulationOutcome::Finished);
        const auto splits = r.DistanceSplits();

        std::int64_t stepped[SplitDistances.size()];
        std::fill(std::begin(stepped), std::end(stepped), std::int64_t{ -1 });
        double t = 0;
        std::int64_t step = 0;
        std::size_t pending = 0;
        while (pending < SplitDistances.size()) {
            t = t + 0.001;
            ++step;
            QVERIFY(60.0 >= t);
            const double distance = r.Distance(t);
            while (pending < SplitDistances.size() && !(SplitDistances[pending] - distance > 0.001))
                stepped[pending++] = step;
        }
        for (std::size_t i = 0; i < SplitDistances.size(); ++i) {
            if (splits[i].step != stepped[i])
                QFAIL(qPrintable(QString::asprintf("%g ft: step %ld, stepping %ld, for ", SplitDistances[i],
                                                   splits[i].step, stepped[i])
                                 + describe(car)));
            QVERIFY(sameDouble(splits[i].time, r.StepTime(stepped[i])));
            QVERIFY(sameDouble(splits[i].speed, r.Speed(splits[i].time)));
        }
        // With the speed traps alone, the same marks; the other speeds 0.
        const auto traps = r.DistanceSplits(SplitSpeeds::SpeedTraps);
        for (std::size_t i = 0; i < SplitDistances.size(); ++i) {
            const bool trap = SplitDistances[i] == 660 || SplitDistances[i] == 1320;
            QCOMPARE(traps[i], (SplitPoint{ splits[i].step, splits[i].time, trap ? splits[i].speed : 0 }));
        }
        QCOMPARE(splits.back().step, r.QuarterMileStep());
        QVERIFY(sameDouble(splits.back().time, r.QuarterMileRunTime()));
        QVERIFY(sameDouble(splits.back().speed * MphPerFootPerSecond, r.Results().quarterMileSpeed));
        ++checked;
    }
    QCOMPARE(checked, 305);
    // A run that did not finish has no splits.
    Car weak;
    weak.horsepower = 1;
    SimulationRecord r = RecordFor(weak);
    r.RunSimulation({});
    for (const SplitPoint& p : r.DistanceSplits())
        QCOMPARE(p, SplitPoint());
}

void TestSimulation::trajectoryPassesThroughResults_data()
{
    searchesAgreeWithStepping_data();
}

void TestSimulation::trajectoryPassesThroughResults()
{
    QFETCH(Car, car);
    const Run run(car);
    const SimulationRecord& r = run.record;
    const SimulationResults results = r.Results();
    const double toMph = MphPerFootPerSecond;
    const double shifts = car.quarterMileShifts * 0.5;

    const std::vector<TrajectoryPoint> quarter =
        SimulationProbe::SampledTrajectory(r, TrajectoryEnd::QuarterMile, 400);
    QVERIFY(quarter.size() >= 400);
    QCOMPARE(quarter.front().step, std::int64_t{ 0 });
    QCOMPARE(quarter.back().step, r.QuarterMileStep());
    for (std::size_t i = 1; i < quarter.size(); ++i)
        QVERIFY(quarter[i - 1].step < quarter[i].step);
    const TrajectoryPoint& end = quarter.back();
    QVERIFY(sameDouble(end.speed * toMph, results.quarterMileSpeed));
    QVERIFY(sameDouble(end.distance, results.quarterMileDistance));
    QVERIFY(sameDouble(end.windForce, results.quarterMileWindForce));
    QVERIFY(sameDouble(end.time + shifts + car.spinTime, results.quarterMileTime));

    // Each mark passed is a point of the series, where the speed is first
    // above the mark: the step before it is not.
    auto check = [&](std::int64_t step, double mph, double shiftShare, double result) {
        if (step < 0) {
            QCOMPARE(result, 0.0);
            return;
        }
        const auto at = std::find_if(quarter.begin(), quarter.end(),
                                     [step](const TrajectoryPoint& p) { return p.step == step; });
        QVERIFY(at != quarter.end() || step > r.QuarterMileStep());
        const TrajectoryPoint p = r.PointAtStep(step);
        if (at != quarter.end())
            QVERIFY(sameDouble(at->speed, p.speed) && sameDouble(at->time, p.time));
        QVERIFY(sameDouble(p.time + shiftShare * shifts + car.spinTime, result));
        QVERIFY(p.speed > mph * 22.0 / 15);
        QVERIFY(!(r.PointAtStep(step - 1).speed > mph * 22.0 / 15));
    };
    check(r.SixtyMarkStep(), 60, 0.5, results.zeroToSixtyTime);
    check(r.EightyMarkStep(), 80, 1, results.zeroToEightyTime);
    check(r.HundredMarkStep(), 100, 1, results.zeroToHundredTime);

    // Up to the top speed: the samples run to the first step at or after the
    // raw top-speed time, and the series holds the top-speed point itself.
    const std::vector<TrajectoryPoint> top
        = SimulationProbe::SampledTrajectory(r, TrajectoryEnd::TopSpeed, 400);
    QVERIFY(top.size() >= 401);
    for (std::size_t i = 1; i < top.size(); ++i)
        QVERIFY(top[i - 1].time <= top[i].time);
    const auto peak = std::find_if(top.begin(), top.end(),
                                   [](const TrajectoryPoint& p) { return p.step == -1; });
    QVERIFY(peak != top.end());
    QVERIFY(sameDouble(peak->speed * toMph, results.topSpeed));
    QVERIFY(sameDouble(peak->distance, results.topSpeedDistance));
    QVERIFY(sameDouble(peak->windForce, results.topSpeedWindForce));
    QVERIFY(sameDouble(peak->time + car.spinTime + car.availableShifts * 0.5, results.topSpeedTime));
    QCOMPARE(top.back().step, r.TopSpeedStep());
    QVERIFY(r.StepTime(r.TopSpeedStep()) >= r.RawTopSpeedTime());
    QVERIFY(r.StepTime(r.TopSpeedStep() - 1) < r.RawTopSpeedTime());
    // No sample is faster than the top speed.
    for (const TrajectoryPoint& p : top)
        QVERIFY(p.speed <= peak->speed);

    // Points at given steps are those of the run's law at those steps.
    const std::vector<std::int64_t> steps{ 0, 1, 1234, r.QuarterMileStep(), 54321 };
    const std::vector<TrajectoryPoint> points = SimulationProbe::PointsAtSteps(r, steps);
    QCOMPARE(points.size(), steps.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        QCOMPARE(points[i].step, steps[i]);
        QVERIFY(sameDouble(points[i].time, r.StepTime(steps[i])));
        QVERIFY(sameDouble(points[i].speed, r.Speed(points[i].time)));
        QVERIFY(sameDouble(points[i].distance, r.Distance(points[i].time)));
        QVERIFY(sameDouble(points[i].windForce, r.WindForce(r.Speed(points[i].time))));
    }
}

void TestSimulation::refusesInputsTheLawIsNotDefinedFor_data()
{
    QTest::addColumn<Car>("car");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Field {
        const char* name;
        double Car::*field;
    };
    const Field fields[] = { { "power", &Car::horsepower },
                             { "weight", &Car::carWeight },
                             { "drag", &Car::dragCoefficient },
                             { "area", &Car::grillArea } };
    for (const Field& f : fields) {
        for (const auto& [label, value] :
             { std::pair{ "NaN", nan }, { "infinite", inf }, { "zero", 0.0 }, { "negative", -1.0 } }) {
            Car c;
            c.*f.field = value;
            if (f.field == &Car::grillArea)
                c.windshieldArea = 0; // the frontal area is the grill area alone
            QTest::addRow("%s %s", f.name, label) << c;
        }
    }
    Car spin;
    spin.spinTime = nan;
    QTest::newRow("spin time NaN") << spin;
    // K² underflows: the law's top-speed time is infinite.
    Car noDrag;
    noDrag.dragCoefficient = 1e-300;
    QTest::newRow("drag 1e-300") << noDrag;
}

void TestSimulation::refusesInputsTheLawIsNotDefinedFor()
{
    QFETCH(Car, car);
    SimulationRecord record = RecordFor(car);
    std::vector<int> steps;
    record.RunSimulation([&steps](int step) { steps.push_back(step); });
    QCOMPARE(record.Outcome(), SimulationOutcome::InvalidInputs);
    QVERIFY(steps.empty());
    QCOMPARE(record.Results(), SimulationResults());
    double v[12];
    record.GetResults(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
    for (double value : v)
        QVERIFY(sameDouble(value, 0.0));
    bool limit = true;
    double stop = -1;
    QCOMPARE(record.GetStopState(limit, stop), false);
    QCOMPARE(stop, 0.0);
    QCOMPARE(record.QuarterMileStep(), std::int64_t{ -1 });
    QCOMPARE(record.FirstStepAtDistance(660), std::int64_t{ -1 });
    QCOMPARE(record.FirstStepAboveSpeed(88), std::int64_t{ -1 });
    QVERIFY(record.Trajectory(1000, 10).empty());
    QVERIFY(SimulationProbe::SampledTrajectory(record, TrajectoryEnd::TopSpeed, 10).empty());
}

void TestSimulation::extremeInputsEndSensibly_data()
{
    QTest::addColumn<Car>("car");
    QTest::addColumn<double>("step");
    QTest::addColumn<SimulationOutcome>("outcome");
    Car heavy;
    heavy.carWeight = 1e300;
    Car feeble;
    feeble.horsepower = 1e-300;
    Car longSpin;
    longSpin.spinTime = 1e300; // the mark search's bound is never reached
    longSpin.horsepower = 20;  // top speed under 60 mph
    Car manyShifts;
    manyShifts.availableShifts = 2000000000;
    manyShifts.horsepower = 20;
    QTest::newRow("weight 1e300") << heavy << 0.001 << SimulationOutcome::TimeLimitReached;
    QTest::newRow("power 1e-300") << feeble << 0.001 << SimulationOutcome::TimeLimitReached;
    QTest::newRow("spin 1e300") << longSpin << 0.001 << SimulationOutcome::Finished;
    QTest::newRow("two billion shifts") << manyShifts << 0.001 << SimulationOutcome::Finished;
    QTest::newRow("step 1e-12 s") << Car() << 1e-12 << SimulationOutcome::Finished;
    QTest::newRow("step 1e-300 s: time never passes the limit")
        << Car() << 1e-300 << SimulationOutcome::InvalidInputs;
    QTest::newRow("step 100 s: beyond the limit") << Car() << 100.0 << SimulationOutcome::InvalidInputs;
}

// Absurd but finite values end at once, with the time limit, finite results
// or a refusal; never a hang, never a NaN.
void TestSimulation::extremeInputsEndSensibly()
{
    QFETCH(Car, car);
    QFETCH(double, step);
    QFETCH(SimulationOutcome, outcome);
    SimulationRecord record(step, RunSetup::TimeLimit, RunSetup::ShiftTime, RunSetup::AirDensity);
    setUp(record, car);
    record.RunSimulation({});
    QCOMPARE(record.Outcome(), outcome);
    const SimulationResults r = record.Results();
    for (double value : { r.topSpeedTime, r.topSpeed, r.topSpeedDistance, r.topSpeedWindForce,
                          r.zeroToSixtyTime, r.zeroToHundredTime, r.zeroToEightyTime,
                          r.sixtyToEightyTime, r.quarterMileTime, r.quarterMileSpeed,
                          r.quarterMileDistance, r.quarterMileWindForce })
        QVERIFY(std::isfinite(value));
    for (const TrajectoryPoint& p : SimulationProbe::SampledTrajectory(record, TrajectoryEnd::TopSpeed, 50))
        QVERIFY(std::isfinite(p.speed) && std::isfinite(p.distance) && std::isfinite(p.windForce));
    if (outcome == SimulationOutcome::Finished)
        QCOMPARE(record.FirstStepAtDistance(1320), record.QuarterMileStep());
}

QTEST_GUILESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
