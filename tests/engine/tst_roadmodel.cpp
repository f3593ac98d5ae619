// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the road model: its physical limits (a launch the tires' grip
// holds back, a car its power holds back, an electric motor's full torque,
// a top speed held by the redline), the strip's conventions, the
// integration's convergence when the step is halved, and the typical values
// and range problems of a car's description.
#include "engine/RoadModel.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(RoadCar)
Q_DECLARE_METATYPE(RoadProblem)

namespace {

RoadCar Car(double horsepower, double weight, double cd = 0.33, double area = 22)
{
    RoadCar car;
    car.horsepower = horsepower;
    car.weight = weight;
    car.dragCoefficient = cd;
    car.frontalArea = area;
    return car;
}

RoadCar With(RoadCar car, Drivetrain drivetrain, Transmission transmission, int gears = 0)
{
    car.drivetrain = drivetrain;
    car.transmission = transmission;
    if (gears > 0)
        car.gears = gears;
    return car;
}

RoadCar WithCurve(RoadCar car, double powerRpm, double torque, double torqueRpm)
{
    car.powerRpm = powerRpm;
    car.torque = torque;
    car.torqueRpm = torqueRpm;
    return car;
}
RoadCar Electric(double horsepower, double weight, double torque)
{
    RoadCar car = Car(horsepower, weight, 0.24, 25);
    car.engine = EngineKind::Electric;
    car.torque = torque;
    return car;
}

double SixtyFoot(const RoadRun& run)
{
    return run.Splits()[0].elapsedTime;
}

} // namespace

class RoadModelTest : public QObject {
    Q_OBJECT

private slots:
    void grip_holds_back_a_powerful_launch();
    void power_holds_back_a_weak_car();
    void electric_motor_gives_full_torque_from_standstill();
    void redline_holds_the_top_speed();
    void the_strip_times_from_the_rollout();
    void halving_the_step_changes_no_mark_data();
    void halving_the_step_changes_no_mark();
    void typical_values_follow_the_given_figures();
    void range_problems_data();
    void range_problems();
};

// A 700 hp rear-drive car on street tires is held by its tires at the
// launch: twice the power hardly changes its 60 ft, all-wheel drive and a
// prepared surface shorten it, and the grip's limit ends before the 1/8
// mile.
void RoadModelTest::grip_holds_back_a_powerful_launch()
{
    const RoadCar base = With(Car(700, 4000), Drivetrain::RearWheel, Transmission::DualClutch);
    RoadCar doubled = base;
    doubled.horsepower = 1400;
    RoadCar allWheel = base;
    allWheel.drivetrain = Drivetrain::AllWheel;
    RoadCar prepped = base;
    prepped.surface = SurfaceKind::Prepped;

    const RoadRun run = RunRoadModel(base);
    QVERIFY(run.Finished());
    QVERIFY(run.TractionLimitedUntil() > 30);
    QVERIFY(run.Trajectory()[1].tractionLimited);
    QVERIFY(std::abs(SixtyFoot(RunRoadModel(doubled)) - SixtyFoot(run)) < 0.02);
    QVERIFY(SixtyFoot(RunRoadModel(allWheel)) < SixtyFoot(run) - 0.1);
    QVERIFY(SixtyFoot(RunRoadModel(prepped)) < SixtyFoot(run) - 0.05);
}

// A 120 hp car of 3,000 lb never spins its tires: better tires change
// nothing, and its trap speed follows the cube root of its power, near
// enough.
void RoadModelTest::power_holds_back_a_weak_car()
{
    const RoadCar base = With(Car(120, 3000), Drivetrain::FrontWheel, Transmission::Manual, 5);
    RoadCar slicks = base;
    slicks.tires = TireKind::Slick;
    const RoadRun run = RunRoadModel(base);
    QVERIFY(run.Finished());
    QCOMPARE(run.TractionLimitedUntil(), 0.0);
    QCOMPARE(RunRoadModel(slicks).Results().quarterMileTime, run.Results().quarterMileTime);

    RoadCar stronger = base;
    stronger.horsepower = 120 * 1.331; // 1.1 cubed
    const double ratio = RunRoadModel(stronger).Results().quarterMileSpeed / run.Results().quarterMileSpeed;
    QVERIFY2(ratio > 1.08 && ratio < 1.13, qPrintable(QString::number(ratio)));
}

// An electric motor pulls with its full torque from standstill: with ample
// grip the car gains speed at a nearly even rate up to the motor's base
// speed, and more torque at the same power quickens the launch but hardly
// the trap.
void RoadModelTest::electric_motor_gives_full_torque_from_standstill()
{
    RoadCar car = Electric(400, 4500, 420);
    car.drivetrain = Drivetrain::AllWheel;
    car.tires = TireKind::Slick;
    car.surface = SurfaceKind::Prepped;
    const RoadRun run = RunRoadModel(car);
    QVERIFY(run.Finished());
    QCOMPARE(run.TractionLimitedUntil(), 0.0);
    // Below the base speed the acceleration falls only with the drag and
    // the rolling resistance.
    const auto& points = run.Trajectory();
    auto acceleration = [&](std::size_t i) {
        return (points[i + 1].speed - points[i].speed) / (points[i + 1].time - points[i].time);
    };
    QVERIFY(points[2].speed < 30);
    QVERIFY(std::abs(acceleration(1) / acceleration(0) - 1) < 0.02);

    RoadCar torquier = car;
    torquier.torque = 630;
    const RoadRun quicker = RunRoadModel(torquier);
    QVERIFY(SixtyFoot(quicker) < SixtyFoot(run) - 0.1);
    QVERIFY(std::abs(quicker.Results().quarterMileSpeed - run.Results().quarterMileSpeed) < 3);

    // The day's air does not change a motor's power.
    RoadDay thin;
    thin.powerFactor = 0.8;
    QCOMPARE(RunRoadModel(car, thin).Results().zeroToSixtyTime, run.Results().zeroToSixtyTime);
}

// An electric car geared to 1:1 with its redline tops out there: its top
// speed is held by the redline and doubles with it.
void RoadModelTest::redline_holds_the_top_speed()
{
    RoadCar car = Electric(600, 4500, 600);
    car.redline = 9000;
    const RoadRun low = RunRoadModel(car);
    QVERIFY(low.Finished());
    QCOMPARE(low.TopSpeedLimitedBy(), TopSpeedLimit::Redline);
    car.redline = 18000;
    const RoadRun high = RunRoadModel(car);
    QCOMPARE(high.TopSpeedLimitedBy(), TopSpeedLimit::Redline);
    QCOMPARE(high.Results().topSpeed, 2 * low.Results().topSpeed);

    // A combustion car runs out of power well before any redline.
    const RoadRun sports = RunRoadModel(With(Car(345, 3400, 0.29, 21), Drivetrain::RearWheel, Transmission::Manual));
    QVERIFY(sports.TopSpeedLimitedBy() != TopSpeedLimit::Redline);
}

// Elapsed times run from the rollout; a trap is the mean speed over the
// last 66 ft; 60 ft to 1/4 mile rise along the track.
void RoadModelTest::the_strip_times_from_the_rollout()
{
    const RoadRun run = RunRoadModel(With(Car(345, 3400, 0.29, 21), Drivetrain::RearWheel, Transmission::Manual));
    QVERIFY(run.Finished());
    const auto& r = run.Results();
    const auto& splits = run.Splits();
    QVERIFY(run.RolloutTime() > 0.15 && run.RolloutTime() < 0.5);
    QCOMPARE(splits[4].elapsedTime, r.quarterMileTime);
    QCOMPARE(splits[4].trapSpeed, r.quarterMileSpeed);
    for (std::size_t i = 1; i < splits.size(); ++i)
        QVERIFY(splits[i].elapsedTime > splits[i - 1].elapsedTime);
    // The mean over the last 66 ft is below the speed at the line.
    QVERIFY(r.quarterMileSpeed < splits[4].speed && r.quarterMileSpeed > 0.98 * splits[4].speed);
    QVERIFY(r.sixtyToEightyTime > 0 && std::abs(r.zeroToEightyTime - r.zeroToSixtyTime - r.sixtyToEightyTime) < 1e-12);
    QCOMPARE(r.quarterMileDistance, 1320.0);
}

void RoadModelTest::halving_the_step_changes_no_mark_data()
{
    QTest::addColumn<RoadCar>("car");
    QTest::newRow("sports car, manual") << With(Car(345, 3400, 0.29, 21), Drivetrain::RearWheel, Transmission::Manual);
    QTest::newRow("supercar, dual-clutch") << With(Car(711, 3350), Drivetrain::RearWheel, Transmission::DualClutch, 7);
    QTest::newRow("economy car, CVT") << With(Car(122, 2860), Drivetrain::FrontWheel, Transmission::Cvt);
    QTest::newRow("pickup, automatic") << With(Car(450, 5900, 0.45, 34), Drivetrain::AllWheel, Transmission::Automatic, 10);
    QTest::newRow("electric, direct") << Electric(1020, 5000, 1050);
    QTest::newRow("weak and heavy: top speed before the 1/4 mile")
        << With(Car(20, 7700, 0.6, 40), Drivetrain::RearWheel, Transmission::Automatic, 3);
    QTest::newRow("one gear, clutch slipping to a tall gear")
        << With(Car(70, 6400, 0.66, 21), Drivetrain::RearWheel, Transmission::Automated, 1);
    // 402 lb-ft at 2,995 rpm is 229 hp: the rated 213 hp caps the curve
    // below its torque peak, a kink between the curve's knots.
    QTest::newRow("torque above what the rated power allows")
        << WithCurve(With(Car(213, 4200, 0.40, 28), Drivetrain::AllWheel, Transmission::Automatic, 4), 4168, 402, 2995);
    // Past the power peak the torque falls to the redline, here twice the
    // peak's speed, more gently than the power allows: the rated power caps
    // the curve again, a kink within the falling line.
    RoadCar revving = WithCurve(With(Car(100, 4000, 0.40, 25), Drivetrain::FrontWheel, Transmission::Manual, 5), 4000, 150, 2500);
    revving.redline = 8000;
    QTest::newRow("redline far above the power peak") << revving;
    QTest::newRow("very light and powerful")
        << With(Car(2000, 600, 0.2, 6), Drivetrain::AllWheel, Transmission::DualClutch, 8);
}

// Halving the widest piece of speed changes no mark, split, trap speed or
// top-speed figure by more than 0.0005 s (or 0.0005 mph).
void RoadModelTest::halving_the_step_changes_no_mark()
{
    QFETCH(RoadCar, car);
    const RoadRun coarse = RunRoadModel(car, {}, DefaultRoadSpeedStep);
    const RoadRun fine = RunRoadModel(car, {}, DefaultRoadSpeedStep / 2);
    QVERIFY(coarse.Finished() && fine.Finished());
    const SimulationResults& a = coarse.Results();
    const SimulationResults& b = fine.Results();
    const double figures[][2] = {
        { a.quarterMileTime, b.quarterMileTime },   { a.quarterMileSpeed, b.quarterMileSpeed },
        { a.zeroToSixtyTime, b.zeroToSixtyTime },   { a.zeroToEightyTime, b.zeroToEightyTime },
        { a.zeroToHundredTime, b.zeroToHundredTime }, { a.sixtyToEightyTime, b.sixtyToEightyTime },
        { a.topSpeedTime, b.topSpeedTime },         { a.topSpeed, b.topSpeed },
    };
    for (const auto& pair : figures)
        QVERIFY2(std::abs(pair[0] - pair[1]) <= 0.0005, qPrintable(QString("%1 against %2").arg(pair[0], 0, 'g', 12).arg(pair[1], 0, 'g', 12)));
    for (std::size_t i = 0; i < coarse.Splits().size(); ++i) {
        QVERIFY(std::abs(coarse.Splits()[i].elapsedTime - fine.Splits()[i].elapsedTime) <= 0.0005);
        QVERIFY(std::abs(coarse.Splits()[i].trapSpeed - fine.Splits()[i].trapSpeed) <= 0.0005);
    }
}

void RoadModelTest::typical_values_follow_the_given_figures()
{
    // A given peak torque places the power peak where the typical curve
    // has it: 15 % more torque at the torque peak than at the power peak.
    RoadCar car = Car(631, 3227);
    car.torque = 442;
    const FullRoadCar full = WithTypicalValues(car);
    QVERIFY(std::abs(full.powerRpm - 1.15 * 631 * 33000 / (2 * M_PI) / 442) < 1e-6);
    QCOMPARE(full.redline, 1.1 * full.powerRpm);
    QVERIFY(!RoadRangeProblem(car));
    // An electric motor's base speed follows from its power and torque.
    const FullRoadCar motor = WithTypicalValues(Electric(416, 4830, 443));
    QCOMPARE(motor.transmission, Transmission::Direct);
    QCOMPARE(motor.gears, 1);
    QVERIFY(std::abs(motor.powerRpm * 443 / (33000 / (2 * M_PI)) - 416) < 1e-9);
    QCOMPARE(WithTypicalValues(Car(300, 3000)).transmission, Transmission::Automatic);
    QCOMPARE(WithTypicalValues(Car(300, 3000)).gears, 8);
    // Given two gears and no transmission, a motor shifts as an automatic
    // does; a direct drive would refuse the gears.
    RoadCar twoSpeed = Electric(750, 5300, 774);
    twoSpeed.gears = 2;
    QCOMPARE(WithTypicalValues(twoSpeed).transmission, Transmission::Automatic);
    QCOMPARE(WithTypicalValues(twoSpeed).gears, 2);
    QVERIFY(!RoadRangeProblem(twoSpeed));
}

void RoadModelTest::range_problems_data()
{
    QTest::addColumn<RoadCar>("car");
    QTest::addColumn<RoadProblem>("problem");
    const RoadCar fine = Car(300, 3000);
    QTest::newRow("fine") << fine << RoadProblem{};
    QTest::newRow("8,000 lb and 2,000 hp are fine") << Car(2000, 8000) << RoadProblem{};
    QTest::newRow("too heavy") << Car(300, 8000.5) << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::Weight };
    QTest::newRow("no power") << Car(0, 3000) << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::Horsepower };
    QTest::newRow("NaN drag") << Car(300, 3000, NAN) << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::DragCoefficient };
    QTest::newRow("tiny area") << Car(300, 3000, 0.3, 1) << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::FrontalArea };
    RoadCar gears = fine;
    gears.gears = 11;
    QTest::newRow("eleven gears") << gears << RoadProblem{ RoadProblemKind::OutOfRange, RoadField::Gears };
    RoadCar direct = fine;
    direct.transmission = Transmission::Direct;
    direct.gears = 2;
    QTest::newRow("a direct drive of two gears") << direct << RoadProblem{ RoadProblemKind::GearsForTransmission, RoadField::Gears };
    RoadCar peaks = fine;
    peaks.torqueRpm = 7000;
    peaks.powerRpm = 6000;
    QTest::newRow("torque peak above the power peak") << peaks << RoadProblem{ RoadProblemKind::TorquePeakAbovePowerPeak, RoadField::TorqueRpm };
    RoadCar redline = fine;
    redline.powerRpm = 6000;
    redline.redline = 5500;
    QTest::newRow("power peak above the redline") << redline << RoadProblem{ RoadProblemKind::PowerPeakAboveRedline, RoadField::PowerRpm };
    RoadCar weak = fine;
    weak.powerRpm = 6000;
    weak.torque = 200; // 300 hp at 6,000 rpm is 263 lb-ft
    QTest::newRow("torque too small for the power") << weak << RoadProblem{ RoadProblemKind::TorqueTooSmall, RoadField::Torque };
}

void RoadModelTest::range_problems()
{
    QFETCH(RoadCar, car);
    QFETCH(RoadProblem, problem);
    QCOMPARE(RoadRangeProblem(car), problem);
    QCOMPARE(RunRoadModel(car).Outcome() == RoadOutcome::InvalidInputs, bool(problem));
}

QTEST_GUILESS_MAIN(RoadModelTest)
#include "tst_roadmodel.moc"
