// Tests of the simulation engine: the published figures of known cars, the
// time limit, the progress steps, and bit-for-bit agreement with a plain
// step-by-step evaluation of the motion law over thousands of random cars.
#include "PlainRun.h"

#include <QTest>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

using plain::Car;
using plain::Results;
using plain::reference;
using plain::run;
using plain::setUp;
Q_DECLARE_METATYPE(Car)

namespace {

bool identical(const Results& a, const Results& b)
{
    return std::memcmp(a.v, b.v, sizeof a.v) == 0 && a.timeLimitReached == b.timeLimitReached
           && std::memcmp(&a.stopTime, &b.stopTime, sizeof a.stopTime) == 0;
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
    const double K = 0.002 * car.dragCoefficient * car.frontalArea();
    const double feetPerSecond = mph * 22.0 / 15.0;
    const double P = std::pow(feetPerSecond / 0.75, 3.0) * K / 1100.0;
    return P / 0.63;
}

enum Result { TopTime, TopSpeed, TopDistance, TopForce, Sixty, Hundred, Eighty, SixtyToEighty,
              QuarterTime, QuarterSpeed, QuarterDistance, QuarterForce };

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
};

void TestSimulation::resultsStartAtZero()
{
    SimulationRecord record(0.001, 60, 0.5, 0.002);
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
    QCOMPARE(QString::asprintf("%.9f", car.frontalArea()), QStringLiteral("10.298038846"));
    SimulationRecord record(0.001, 60, 0.5, 0.002);
    setUp(record, car);
    QVERIFY(std::abs(record.Mass() - 105.590) < 0.001);
    QVERIFY(std::abs(record.EffectivePower() - 217.35) < 1e-9);
    QVERIFY(std::abs(record.DragFactor() - 0.0059729) < 1e-7);
    QCOMPARE(twoDecimals(record.Speed(1)), QStringLiteral("47.55"));
    QCOMPARE(twoDecimals(record.Distance(1)), QStringLiteral("31.71"));
    QCOMPARE(record.WindForce(10), 100 * record.DragFactor() / 2);
}

void TestSimulation::defaultCarQuarterMile()
{
    SimulationRecord record(0.001, 60, 0.5, 0.002);
    setUp(record, Car());
    record.RunQuarterMile();
    QCOMPARE(record.QuarterMileSteps(), 12123L);
    QCOMPARE(QString::asprintf("%.3f", record.QuarterMileRunTime()), QStringLiteral("12.123"));
    QCOMPARE(QString::asprintf("%.4f", record.RawQuarterMileDistance()), QStringLiteral("1320.0077"));
    QCOMPARE(QString::asprintf("%.3f", record.QuarterMileVelocity()), QStringLiteral("160.974"));
    QCOMPARE(QString::asprintf("%.3f", record.RawQuarterMileWindForce()), QStringLiteral("77.386"));
    QCOMPARE(record.TimeLimitReached(), false);
    QCOMPARE(record.StopTime(), 0.0);
}

void TestSimulation::defaultCarTopSpeedAndMarks()
{
    SimulationRecord record(0.001, 60, 0.5, 0.002);
    setUp(record, Car());
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

    SimulationRecord record(0.001, 60, 0.5, 0.002);
    setUp(record, car);
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
    SimulationRecord record(0.001, 60, 0.5, 0.002);
    setUp(record, weak);
    std::vector<int> steps;
    record.RunSimulation([&steps](int step) { steps.push_back(step); });
    QCOMPARE(record.QuarterMileSteps(), 60001L);
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
    SimulationRecord record(0.001, 60, 0.5, 0.002);
    setUp(record, Car());
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
    auto integer = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    auto randomCar = [&] {
        Car c;
        c.horsepower = uniform(100, 1500);
        c.grillArea = uniform(2, 20);
        c.windshieldArea = uniform(2, 20);
        c.carWeight = uniform(1000, 4500);
        c.dragCoefficient = uniform(0.2, 0.4);
        c.windshieldAngle = uniform(20, 45);
        c.availableShifts = integer(2, 5);
        c.quarterMileShifts = integer(1, c.availableShifts - 1);
        c.spinTime = uniform(0.75, 3.0);
        return c;
    };

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

    int givenUp = 0;
    for (const Car& car : cars) {
        const Results fast = run(car);
        const Results plain = reference(car);
        if (!identical(fast, plain))
            QFAIL(qPrintable(QStringLiteral("results differ for ") + describe(car)));
        givenUp += plain.timeLimitReached ? 1 : 0;
    }
    QVERIFY(givenUp >= 35);
}

QTEST_GUILESS_MAIN(TestSimulation)
#include "tst_simulation.moc"
