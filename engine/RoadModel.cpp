// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoadModel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Units (the mph factor is the engine's, engine/Simulation.h).
constexpr double Gravity = 32.174;                    // ft/s²
constexpr double FootPoundsPerSecondPerHorsepower = 550;
constexpr double RadiansPerSecondPerRpm = 2 * std::numbers::pi / 60;
constexpr double LbFtRpmPerHorsepower = 33000 / (2 * std::numbers::pi);

// The strip's conventions.
constexpr double RolloutFeet = 1;
constexpr double TrapFeet = 66;
constexpr double QuarterMileFeet = 1320;
// The top speed's time is when the car comes within 1 mph of it.
constexpr double ApproachSpeed = 1 * FeetPerSecondPerMph;

// Typical values with their sources in docs/DESIGN.md ("The road model").
// Rolling resistance: f = 0.01 · (1 + V / 100 mph) (Gillespie, Fundamentals
// of Vehicle Dynamics, 1992, eq. 10-2).
constexpr double RollingBase = 0.01;
constexpr double RollingPerFootPerSecond = 0.01 / (100 * FeetPerSecondPerMph);
// Rotating inertia as mass (Gillespie, eq. 2-12): the wheels and driveline
// add 4 % of the car's mass; the engine adds 0.0025 · N² of it, N the
// overall numerical ratio, taken with a tire of 13.2 in rolling radius.
constexpr double WheelInertiaShare = 0.04;
constexpr double EngineInertiaCoefficient = 0.0025;
constexpr double TireRadius = 1.1; // ft
// An electric motor's rotor (a 0.1 kg·m² rotor, in slug·ft²).
constexpr double MotorInertia = 0.074;
// Weight on the driven axle standing still, and the centre of gravity's
// height over the wheelbase (Gillespie, ch. 2: 0.2 for passenger cars).
constexpr double FrontAxleShareFrontDrive = 0.61;
constexpr double RearAxleShareRearDrive = 0.50;
constexpr double CentreHeightOverWheelbase = 0.20;
// A combustion engine's curve beyond its rated figures: the torque at the
// lowest engine speeds 60 % of the peak, the power at the redline 94 % of
// the peak. Between the two peaks the curve is the most both ratings allow:
// the peak torque held until it gives the rated power, then the rated power
// held to its peak's speed (a turbocharged engine's plateau; a maker quotes
// one engine speed for either).
constexpr double TorqueAtZeroShare = 0.60;
constexpr double PowerAtRedlineShare = 0.94;
// The launch: a clutch slips with the engine at its torque peak, but no
// lower than 45 % of the redline; a torque converter stalls at 2,500 rpm with
// a torque ratio of 2.0, falling to 1 at the stall speed.
constexpr double LaunchRpmShareOfRedline = 0.45;
constexpr double ConverterStallRpm = 2500;
constexpr double ConverterStallRatio = 2.0;
// Gearing: first gear reaches the redline at a quarter of the car's
// drag-limited top speed, and the gears above it step up evenly to the
// ratio spread of a typical gearbox with that many gears (first over top:
// TorqueFlite 3-speed 2.45, 4L60E 4.37, TR-3650 5-speed 4.97, Tremec and
// Honda 6-speeds 5.3 and 4.9, GR6 dual-clutch 5.1, 7-speed dual-clutches
// 5.8 to 6.3, ZF 8HP 7.0, ZF 9HP 9.8, Ford 10R80 7.3); a CVT spans 6.5 from
// the same first ratio. An electric car's top gear is 9:1 through a tire of
// 13.5 in (8 rad of the motor per ft of travel); a second gear is 1.93 times
// that (Taycan).
constexpr double FirstGearOverTopSpeed = 0.25;
constexpr double TopGearOverTopSpeed = 1.1;
constexpr std::array<double, 11> GearSpread = { 1, 1, 1.93, 2.45, 4.37, 4.97, 5.2, 6.0, 7.0, 9.5, 7.3 };
constexpr double CvtSpread = 6.5;
constexpr double MotorRadiansPerFoot = 8.0;

double ShiftSeconds(Transmission transmission)
{
    switch (transmission) {
    case Transmission::Manual: return 0.30;
    case Transmission::Automatic: return 0.15;
    case Transmission::DualClutch: return 0.05;
    case Transmission::Automated: return 0.15;
    case Transmission::Cvt:
    case Transmission::Direct: return 0;
    }
    return 0;
}

// The share of the engine's power that reaches the wheels, over that of a
// two-wheel-drive manual gearbox.
double TransmissionEfficiency(Transmission transmission)
{
    switch (transmission) {
    case Transmission::Automatic: return 0.97;
    case Transmission::Cvt: return 0.88;
    default: return 1;
    }
}
constexpr double AllWheelDriveEfficiency = 0.97;
constexpr double ElectricDriveEfficiency = 0.95;

// Grip of each tire relative to a street tire, on an ordinary surface and on
// a prepared one (where drag tires gain more than the prepared gain).
double TireGrip(TireKind tires)
{
    switch (tires) {
    case TireKind::Street: return 1.0;
    case TireKind::Summer: return 1.1;
    case TireKind::Track: return 1.25;
    case TireKind::DragRadial: return 1.25;
    case TireKind::Slick: return 1.35;
    }
    return 1;
}
double PreparedTireGain(TireKind tires)
{
    switch (tires) {
    case TireKind::DragRadial: return 1.15;
    case TireKind::Slick: return 1.30;
    default: return 1;
    }
}

// Lobatto's four-point rule on [-1, 1]: nodes ±1 and ±1/√5, weights 1/6 and
// 5/6; exact for polynomials of degree 5. The end points are shared by
// neighbouring pieces.
const double LobattoInner = 1 / std::sqrt(5.0);
constexpr double LobattoEndWeight = 1.0 / 6.0;
constexpr double LobattoInnerWeight = 5.0 / 6.0;
// Gauss-Legendre's three points on [-1, 1], for parts of a piece.
const double GaussOuter = std::sqrt(0.6);
constexpr double GaussOuterWeight = 5.0 / 9.0;
constexpr double GaussInnerWeight = 8.0 / 9.0;

// The marks a run looks for, by distance: the rollout, each split, and the
// start of each trap.
constexpr std::array<double, 8> DistanceMarks = { RolloutFeet, 60, 330, 660 - TrapFeet, 660, 1000,
                                                   QuarterMileFeet - TrapFeet, QuarterMileFeet };
constexpr std::array<double, 3> SpeedMarksMph = { 60, 80, 100 };

} // namespace

// Integrates one car on one day into a RoadRun.
class RoadIntegrator {
public:
    RoadIntegrator(const FullRoadCar& car, const RoadDay& day, double speedStep,
                   const RoadCalibration& calibration);
    RoadRun Run();

private:
    enum class Launch { Clutch, Converter, None };
    struct Accel {
        double a = 0;       // ft/s²
        bool traction = false;
    };
    // The integrands at one speed: dt/dv and dx/dv.
    struct Slope {
        double dtdv = 0, dxdv = 0;
        bool traction = false;
    };

    double Torque(double rpm) const;
    double EngineForce(int gear, double v, double& engineMass) const;
    double Resistance(double v) const;
    double TractionLimit(double resistance) const;
    Accel AccelerationAt(int gear, double v) const;
    Accel CoastAt(double v) const;
    Slope SlopeAt(int gear, double v) const;
    double DesignTopSpeed() const;

    // Integrates gear `gear` in the speed from the current state up to
    // `vEnd` (or the car's equilibrium speed, if it comes first). Returns
    // true when it ended at an equilibrium (the top speed).
    bool IntegrateGear(int gear, double vEnd);
    void IntegratePiece(int gear, double v0, double v1, const Slope& s0, const Slope& s1, int depth = 0);
    void Coast(double duration, int fromGear);
    void Tail(int gear, bool heldAtRedline);
    void MarkDistancesInStep(double h, double x1, double v1);
    // Time and distance over [v0, v] in `gear` (Gauss, three points).
    void PartOfPiece(int gear, double v0, double v, double& dt, double& dx) const;
    double FindEquilibrium(int gear, double low, double high) const;
    double FindTractionEnd(int gear, double low, double high, bool tractionAtLow) const;
    void MarkSpeed(int gear, double v0, double t0, double v1);
    void MarkDistances(int gear, double v0, double t0, double x0, double x1);
    void MarkDistanceAt(std::size_t index, double time, double speed);
    void Push(int gear, bool traction);
    bool DistancesDone() const { return nextDistance >= DistanceMarks.size(); }
    void Finish();

    FullRoadCar car;
    RoadDay day;
    double step;
    RoadCalibration calibration;

    // The car, worked out.
    EngineKind engine;
    int gears;
    Launch launch = Launch::None;
    double mass = 0;          // slug
    double wheelMass = 0;     // slug: the car with its wheels' inertia
    double weight = 0;        // lb
    double power = 0;         // hp on the day
    double powerFactor = 1;   // the day's power over the rating
    double efficiency = 1;
    double dragFactor = 0;    // lb per (ft/s)²
    double gradeForce = 0;    // lb
    double normalWeight = 0;  // lb
    double grip = 1;
    double drivenShare = 1;
    double launchRpm = 0;
    double shiftTime = 0;
    std::array<double, 10> radiansPerFoot{}; // engine radians per foot of travel, by gear
    std::array<double, 10> inertiaMass{};    // slug, by gear
    std::array<double, 10> redlineSpeed{};   // ft/s, by gear
    // The combustion engine's torque curve (lb-ft at rpm), on the day.
    std::array<double, 5> curveRpm{};
    std::array<double, 5> curveTorque{};
    // Where the curve meets the rated power's torque (Torque caps it there):
    // kinks between the knots, up to two a segment, 0 where none.
    std::array<double, 8> capRpm{};
    double peakTorque = 0;
    // A CVT's ratios: lowest and highest (engine radians per foot).
    double cvtLow = 0, cvtHigh = 0;

    // The state.
    double t = 0, x = 0, v = 0;
    RoadRun run;
    std::size_t nextDistance = 0;
    double pieceEnd = 0; // the speed at the end of the piece being marked
    std::array<double, DistanceMarks.size()> distanceTimes{};
    std::array<double, DistanceMarks.size()> distanceSpeeds{};
    std::array<double, SpeedMarksMph.size()> speedTimes{};
    std::size_t nextSpeed = 0;
    double topSpeed = 0;
    double topSpeedTime = 0;
    double topSpeedDistance = 0;
    bool moving = true;
};

RoadIntegrator::RoadIntegrator(const FullRoadCar& fullCar, const RoadDay& theDay, double speedStep,
                               const RoadCalibration& theCalibration)
    : car(fullCar), day(theDay), step(speedStep), calibration(theCalibration), engine(fullCar.engine),
      gears(std::clamp(fullCar.gears, 1, 10))
{
    run.car = car;
    run.day = day;
    weight = car.weight;
    mass = weight / Gravity;
    wheelMass = mass * (1 + WheelInertiaShare);
    // The day's air changes a combustion engine's power, not a motor's.
    const bool electric = engine == EngineKind::Electric;
    powerFactor = electric ? 1 : day.powerFactor;
    power = car.horsepower * powerFactor;
    dragFactor = 0.5 * day.airDensity * car.dragCoefficient * car.frontalArea;
    const double angle = std::atan(day.grade);
    gradeForce = weight * std::sin(angle);
    normalWeight = weight * std::cos(angle);

    efficiency = DrivetrainEfficiency(car, calibration);

    grip = calibration.streetGrip * TireGrip(car.tires);
    if (car.surface == SurfaceKind::Prepped)
        grip *= calibration.preparedGain * PreparedTireGain(car.tires);
    drivenShare = car.drivetrain == Drivetrain::FrontWheel ? FrontAxleShareFrontDrive
                  : car.drivetrain == Drivetrain::RearWheel ? RearAxleShareRearDrive
                                                             : 1;
    shiftTime = gears > 1 ? ShiftSeconds(car.transmission) : 0;

    const double redlineRadians = car.redline * RadiansPerSecondPerRpm;
    if (electric) {
        peakTorque = car.torque;
        for (int g = 0; g < gears; ++g) {
            radiansPerFoot[g] = MotorRadiansPerFoot * std::pow(GearSpread[gears], double(gears - 1 - g) / std::max(1, gears - 1));
            inertiaMass[g] = MotorInertia * radiansPerFoot[g] * radiansPerFoot[g];
            redlineSpeed[g] = redlineRadians / radiansPerFoot[g];
        }
        launch = Launch::None;
        return;
    }

    // The combustion engine's torque curve on the day: from a share of the
    // peak at 0 rpm up to the peak, held there until it gives the rated
    // power, down to the torque at the power peak (Torque keeps the power
    // at the rating in between), and on to the redline.
    peakTorque = car.torque * powerFactor;
    const double powerTorque = power * LbFtRpmPerHorsepower / car.powerRpm;
    const double plateauEnd = std::clamp(power * LbFtRpmPerHorsepower / peakTorque, car.torqueRpm, car.powerRpm);
    curveRpm = { 0, car.torqueRpm, plateauEnd, car.powerRpm, car.redline };
    curveTorque = { TorqueAtZeroShare * peakTorque, peakTorque, peakTorque, powerTorque,
                    PowerAtRedlineShare * power * LbFtRpmPerHorsepower / car.redline };
    if (car.redline <= car.powerRpm)
        curveTorque[4] = curveTorque[3];
    // Where the curve's lines cross the rated power's torque (a torque given
    // higher than the power allows at its engine speed, or a fall past the
    // power peak gentler than the power's, as with a redline far above the
    // peak): the force has a kink there. A line T0 + s·(n − n0) meets
    // cap / n where s·n² + (T0 − s·n0)·n − cap = 0; the line less the cap is
    // concave, so a falling line can cross twice within its segment.
    const double cap = power * LbFtRpmPerHorsepower;
    std::size_t crossings = 0;
    for (std::size_t i = 1; i < curveRpm.size(); ++i) {
        const double n0 = curveRpm[i - 1], n1 = curveRpm[i];
        if (!(n1 > n0))
            continue;
        const double slope = (curveTorque[i] - curveTorque[i - 1]) / (n1 - n0);
        const double b = curveTorque[i - 1] - slope * n0;
        std::array<double, 2> roots{ -1, -1 };
        if (slope == 0) {
            if (b > 0)
                roots[0] = cap / b;
        } else {
            const double discriminant = b * b + 4 * slope * cap;
            if (discriminant >= 0) {
                const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
                roots = { q / slope, q != 0 ? -cap / q : -1 };
            }
        }
        for (const double n : roots)
            if (n > n0 * (1 + 1e-9) && n < n1 * (1 - 1e-9) && crossings < capRpm.size())
                capRpm[crossings++] = n;
    }

    launch = car.transmission == Transmission::Automatic || car.transmission == Transmission::Cvt
                 ? Launch::Converter
                 : Launch::Clutch;
    launchRpm = std::clamp(car.torqueRpm, LaunchRpmShareOfRedline * car.redline, car.powerRpm);

    const double topSpeedDesign = DesignTopSpeed();
    const double engineInertia = EngineInertiaCoefficient * mass * TireRadius * TireRadius;
    // First gear at a quarter of the top speed, unless a gearbox of few
    // gears would then run out of gears below the top speed: its top gear
    // then reaches the redline at 1.1 times the top speed.
    const double firstSpeed = std::max(FirstGearOverTopSpeed, TopGearOverTopSpeed / GearSpread[gears]) * topSpeedDesign;
    if (car.transmission == Transmission::Cvt) {
        cvtLow = redlineRadians / (FirstGearOverTopSpeed * topSpeedDesign);
        cvtHigh = cvtLow / CvtSpread;
        radiansPerFoot[0] = cvtLow;
        inertiaMass[0] = engineInertia * cvtLow * cvtLow;
        redlineSpeed[0] = redlineRadians / cvtHigh;
        return;
    }
    const double ratioStep = gears == 1 ? 1 : std::pow(GearSpread[gears], 1.0 / (gears - 1));
    for (int g = 0; g < gears; ++g) {
        redlineSpeed[g] = firstSpeed * std::pow(ratioStep, g);
        radiansPerFoot[g] = redlineRadians / redlineSpeed[g];
        inertiaMass[g] = engineInertia * radiansPerFoot[g] * radiansPerFoot[g];
    }
}

// The speed at which the rated power at the wheels meets the rolling
// resistance and the drag of a standard day: what the gearing is laid out
// for, so it does not change with the day.
double RoadIntegrator::DesignTopSpeed() const
{
    const double wheelPower = efficiency * car.horsepower * FootPoundsPerSecondPerHorsepower;
    const double standardDrag = 0.5 * RoadDay().airDensity * car.dragCoefficient * car.frontalArea;
    double low = 0, high = 2000;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (low + high);
        const double need = (weight * (RollingBase + RollingPerFootPerSecond * mid) + standardDrag * mid * mid) * mid;
        (need < wheelPower ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

double RoadIntegrator::Torque(double rpm) const
{
    if (engine == EngineKind::Electric)
        return rpm > 0 ? std::min(peakTorque, power * LbFtRpmPerHorsepower / rpm) : peakTorque;
    double torque = curveTorque.back();
    for (std::size_t i = 1; i < curveRpm.size(); ++i) {
        if (rpm <= curveRpm[i]) {
            const double span = curveRpm[i] - curveRpm[i - 1];
            const double share = span > 0 ? (rpm - curveRpm[i - 1]) / span : 1;
            torque = curveTorque[i - 1] + share * (curveTorque[i] - curveTorque[i - 1]);
            break;
        }
    }
    if (rpm > 0)
        torque = std::min(torque, power * LbFtRpmPerHorsepower / rpm);
    return torque;
}

// The force the engine puts through the gear at the tires, lb, and the
// mass its turning parts add (0 while a clutch or a converter slips, as the
// engine's speed then holds).
double RoadIntegrator::EngineForce(int gear, double speed, double& engineMass) const
{
    double k = radiansPerFoot[gear];
    if (car.transmission == Transmission::Cvt) {
        // The lowest ratio up to the power peak's engine speed, then the
        // engine held at its peak while the ratio rises, then the highest.
        const double peakRadians = car.powerRpm * RadiansPerSecondPerRpm;
        if (speed * cvtLow > peakRadians) {
            if (speed * cvtHigh < peakRadians) {
                engineMass = 0;
                return efficiency * power * FootPoundsPerSecondPerHorsepower / speed;
            }
            k = cvtHigh;
        }
    }
    const double wheelRpm = speed * k / RadiansPerSecondPerRpm;
    double engineRpm = wheelRpm;
    double torqueRatio = 1;
    engineMass = EngineInertiaCoefficient * mass * TireRadius * TireRadius * k * k;
    if (engine == EngineKind::Electric) {
        engineMass = MotorInertia * k * k;
    } else if (launch == Launch::Clutch && gear == 0 && wheelRpm < launchRpm) {
        engineRpm = launchRpm;
        engineMass = 0;
    } else if (launch == Launch::Converter && wheelRpm < ConverterStallRpm) {
        engineRpm = ConverterStallRpm;
        torqueRatio = ConverterStallRatio - (ConverterStallRatio - 1) * wheelRpm / ConverterStallRpm;
        engineMass = 0;
    }
    return efficiency * Torque(engineRpm) * torqueRatio * k;
}

double RoadIntegrator::Resistance(double speed) const
{
    return normalWeight * (RollingBase + RollingPerFootPerSecond * speed) + dragFactor * speed * speed
           + gradeForce;
}

// The most the driven tires can push, with the load the acceleration moves
// onto the rear axle (off the front): F = μ·N, N the static load plus
// m·a·h/L, a = (F − resistance) / m, solved for F.
double RoadIntegrator::TractionLimit(double resistance) const
{
    if (car.drivetrain == Drivetrain::AllWheel)
        return grip * normalWeight;
    const double transfer = CentreHeightOverWheelbase * mass / wheelMass;
    const double load = drivenShare * normalWeight;
    if (car.drivetrain == Drivetrain::RearWheel)
        return grip * (load - transfer * resistance) / std::max(0.2, 1 - grip * transfer);
    return grip * (load + transfer * resistance) / (1 + grip * transfer);
}

RoadIntegrator::Accel RoadIntegrator::AccelerationAt(int gear, double speed) const
{
    double engineMass = 0;
    const double force = EngineForce(gear, speed, engineMass);
    const double resistance = Resistance(speed);
    const double powered = (force - resistance) / (wheelMass + engineMass);
    const double tire = force - engineMass * powered;
    const double limit = TractionLimit(resistance);
    if (tire > limit)
        return { (limit - resistance) / wheelMass, true };
    return { powered, false };
}

RoadIntegrator::Accel RoadIntegrator::CoastAt(double speed) const
{
    return { -Resistance(speed) / wheelMass, false };
}

RoadIntegrator::Slope RoadIntegrator::SlopeAt(int gear, double speed) const
{
    const Accel acc = AccelerationAt(gear, speed);
    return { 1 / acc.a, speed / acc.a, acc.traction };
}

void RoadIntegrator::Push(int gear, bool traction)
{
    run.trajectory.push_back({ t, x, v, gear, traction });
}

void RoadIntegrator::PartOfPiece(int gear, double v0, double v1, double& dt, double& dx) const
{
    const double half = 0.5 * (v1 - v0), mid = 0.5 * (v0 + v1);
    dt = 0;
    dx = 0;
    const std::array<double, 3> nodes = { mid - GaussOuter * half, mid, mid + GaussOuter * half };
    const std::array<double, 3> weights = { GaussOuterWeight, GaussInnerWeight, GaussOuterWeight };
    for (std::size_t i = 0; i < 3; ++i) {
        const Slope s = SlopeAt(gear, nodes[i]);
        dt += weights[i] * s.dtdv;
        dx += weights[i] * s.dxdv;
    }
    dt *= half;
    dx *= half;
}

void RoadIntegrator::MarkSpeed(int gear, double v0, double t0, double v1)
{
    while (nextSpeed < SpeedMarksMph.size()) {
        const double mark = SpeedMarksMph[nextSpeed] * FeetPerSecondPerMph;
        if (mark > v1)
            return;
        if (mark <= v0) {
            // Passed before this piece (a coast fell back below it).
            ++nextSpeed;
            continue;
        }
        double dt = 0, dx = 0;
        PartOfPiece(gear, v0, mark, dt, dx);
        speedTimes[nextSpeed] = t0 + dt;
        ++nextSpeed;
    }
}

void RoadIntegrator::MarkDistanceAt(std::size_t index, double time, double speed)
{
    distanceTimes[index] = time;
    distanceSpeeds[index] = speed;
}

// Each distance mark inside the piece from v0 (at t0, x0) to the distance
// x1: the speed where the distance reaches it, by Newton's method on the
// integral (its derivative is v/a), kept within a shrinking bracket.
void RoadIntegrator::MarkDistances(int gear, double v0, double t0, double x0, double x1)
{
    while (!DistancesDone() && DistanceMarks[nextDistance] <= x1) {
        const double target = DistanceMarks[nextDistance];
        double low = v0, high = pieceEnd;
        double speed = v0 + (high - v0) * (target - x0) / std::max(x1 - x0, 1e-300);
        speed = std::clamp(speed, low, high);
        double dt = 0, dx = 0;
        for (int i = 0; i < 60; ++i) {
            PartOfPiece(gear, v0, speed, dt, dx);
            const double miss = x0 + dx - target;
            (miss > 0 ? high : low) = speed;
            double next = speed - miss / SlopeAt(gear, speed).dxdv;
            if (!(next > low && next < high))
                next = 0.5 * (low + high);
            const bool settled = std::abs(next - speed) <= 1e-12 * std::max(1.0, speed);
            speed = next;
            if (settled)
                break;
        }
        PartOfPiece(gear, v0, speed, dt, dx);
        MarkDistanceAt(nextDistance, t0 + dt, speed);
        ++nextDistance;
    }
}

void RoadIntegrator::IntegratePiece(int gear, double v0, double v1, const Slope& s0, const Slope& s1, int depth)
{
    const double half = 0.5 * (v1 - v0), mid = 0.5 * (v0 + v1);
    const Slope a = SlopeAt(gear, mid - LobattoInner * half);
    const Slope b = SlopeAt(gear, mid + LobattoInner * half);
    // Where 1/a changes by more than a share across the piece (near a speed
    // the car can barely pass, or its top speed), halve the piece: the
    // share shrinks with the step, so that halving the step refines here
    // too.
    const double lowest = std::min({ s0.dtdv, s1.dtdv, a.dtdv, b.dtdv });
    const double highest = std::max({ s0.dtdv, s1.dtdv, a.dtdv, b.dtdv });
    if (depth < 40 && highest > (1 + 0.5 * step / DefaultRoadSpeedStep) * lowest) {
        const Slope sm = SlopeAt(gear, mid);
        IntegratePiece(gear, v0, mid, s0, sm, depth + 1);
        IntegratePiece(gear, mid, v1, sm, s1, depth + 1);
        return;
    }
    const double dt = half * (LobattoEndWeight * (s0.dtdv + s1.dtdv) + LobattoInnerWeight * (a.dtdv + b.dtdv));
    const double dx = half * (LobattoEndWeight * (s0.dxdv + s1.dxdv) + LobattoInnerWeight * (a.dxdv + b.dxdv));
    const double t0 = t, x0 = x;
    MarkSpeed(gear, v0, t0, v1);
    pieceEnd = v1;
    MarkDistances(gear, v0, t0, x0, x0 + dx);
    t += dt;
    x += dx;
    v = v1;
    if (s1.traction)
        run.tractionLimitedUntil = v1;
    Push(gear + 1, s1.traction);
}

// The speed where the acceleration falls to 0 in [low, high]; the
// acceleration is positive at `low` and not at `high`.
double RoadIntegrator::FindEquilibrium(int gear, double low, double high) const
{
    for (int i = 0; i < 100 && high - low > 1e-10 * high; ++i) {
        const double mid = 0.5 * (low + high);
        (AccelerationAt(gear, mid).a > 0 ? low : high) = mid;
    }
    return low;
}

// The speed in [low, high] where the tires' grip starts or stops limiting
// the force.
double RoadIntegrator::FindTractionEnd(int gear, double low, double high, bool tractionAtLow) const
{
    for (int i = 0; i < 100 && high - low > 1e-10 * high; ++i) {
        const double mid = 0.5 * (low + high);
        (AccelerationAt(gear, mid).traction == tractionAtLow ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

bool RoadIntegrator::IntegrateGear(int gear, double vEnd)
{
    // The breakpoints of the force within the gear: where a slipping clutch
    // or a converter locks, and the knots of the power curve.
    std::array<double, 32> breaks{};
    std::size_t count = 0;
    const double k = radiansPerFoot[gear];
    auto add = [&](double rpm, double radiansPerFootHere) {
        const double at = rpm * RadiansPerSecondPerRpm / radiansPerFootHere;
        if (at > v && at < vEnd && count + 1 < breaks.size())
            breaks[count++] = at;
    };
    if (engine == EngineKind::Electric) {
        add(power * LbFtRpmPerHorsepower / peakTorque, k);
    } else {
        if (launch == Launch::Clutch && gear == 0)
            add(launchRpm, k);
        if (launch == Launch::Converter)
            add(ConverterStallRpm, k);
        for (std::size_t i = 1; i < curveRpm.size(); ++i)
            add(curveRpm[i], k);
        for (const double rpm : capRpm)
            if (rpm > 0)
                add(rpm, k);
        if (car.transmission == Transmission::Cvt) {
            add(car.powerRpm, cvtLow);
            add(car.powerRpm, cvtHigh);
            // In its highest ratio too the converter slips while the engine
            // would turn below the stall speed (a power peak below it).
            add(ConverterStallRpm, cvtHigh);
            for (std::size_t i = 1; i < curveRpm.size(); ++i)
                add(curveRpm[i], cvtHigh);
            for (const double rpm : capRpm)
                if (rpm > 0)
                    add(rpm, cvtHigh);
        }
    }
    std::sort(breaks.begin(), breaks.begin() + count);
    breaks[count++] = vEnd;

    // Pieces no wider than the speed step (IntegratePiece halves them where
    // the acceleration changes fast). Once the car nears the speed where it
    // stops gaining, it approaches that speed in pieces no wider than a share
    // of the speed still to gain (the time grows as its logarithm), up to
    // 1 mph short of it, unless the redline comes first.
    const double share = 0.5 * step / DefaultRoadSpeedStep;
    bool approaching = false;
    double top = 0;
    Slope s0 = SlopeAt(gear, v);
    for (std::size_t b = 0; b < count; ++b) {
        double end = breaks[b];
        if (approaching)
            end = std::min(end, top - ApproachSpeed);
        while (v < end) {
            double v1 = v + std::min(step, end - v);
            if (approaching)
                v1 = std::min(v1, v + share * (top - v));
            if (end - v1 < 1e-9 * end || (approaching && end - v1 < 0.1 * share * (top - end)))
                v1 = end;
            // At a breakpoint the force has a kink or a jump: each side's
            // pieces take that side's value.
            const bool atBreak = v1 == end && end == breaks[b];
            const Slope s1 = SlopeAt(gear, atBreak ? end * (1 - 1e-10) : v1);
            if (!approaching) {
                // Near that speed: the acceleration is gone at the piece's
                // end, or falls to 0 within 1 mph past it. Tried at every
                // piece, as the acceleration's trend can miss a fall past
                // the power peak, and a late turn would time the top speed
                // past the 1 mph short of it. Within 1 mph of the next
                // breakpoint it is tried there too: past it a clutch or a
                // converter may hold, and carry the car beyond a speed it
                // cannot pass before.
                bool near = !(s1.dtdv > 0) || !std::isfinite(s1.dtdv);
                double beyond = v1;
                if (!near && v1 < end && v1 + ApproachSpeed > end) {
                    beyond = end * (1 - 1e-10);
                    near = !(AccelerationAt(gear, beyond).a > 0);
                }
                if (!near) {
                    beyond = v1 + ApproachSpeed;
                    near = !(AccelerationAt(gear, beyond).a > 0);
                }
                if (near) {
                    approaching = true;
                    top = FindEquilibrium(gear, v, beyond);
                    end = std::min(end, top - ApproachSpeed);
                    continue;
                }
            }
            if (s1.traction != s0.traction) {
                const double edge = FindTractionEnd(gear, v, v1, s0.traction);
                Slope se = SlopeAt(gear, edge);
                IntegratePiece(gear, v, edge, s0, se);
                se.traction = s1.traction;
                s0 = se;
            }
            IntegratePiece(gear, v, v1, s0, s1);
            s0 = atBreak ? SlopeAt(gear, end * (1 + 1e-10)) : s1;
        }
        if (approaching && top - ApproachSpeed <= breaks[b]) {
            if (top - ApproachSpeed > vEnd)
                return false; // the redline comes first
            topSpeed = top;
            return true;
        }
    }
    return false;
}

// Each distance mark passed in a step of `h` seconds from the current state
// to (x1, v1): its time on the cubic through both ends' distances and speeds.
void RoadIntegrator::MarkDistancesInStep(double h, double x1, double v1)
{
    while (!DistancesDone() && DistanceMarks[nextDistance] <= x1) {
        const double target = DistanceMarks[nextDistance];
        double low = 0, high = h;
        for (int j = 0; j < 60; ++j) {
            const double s = 0.5 * (low + high), u = s / h;
            const double h00 = 2 * u * u * u - 3 * u * u + 1, h10 = u * u * u - 2 * u * u + u;
            const double h01 = -2 * u * u * u + 3 * u * u, h11 = u * u * u - u * u;
            const double at = h00 * x + h10 * h * v + h01 * x1 + h11 * h * v1;
            (at < target ? low : high) = s;
        }
        const double s = 0.5 * (low + high);
        MarkDistanceAt(nextDistance, t + s, v + (v1 - v) * s / h);
        ++nextDistance;
    }
}

// A gear change: the drive is off for `duration` seconds while the car rolls
// on against its resistance (Runge-Kutta in time, in steps of at most 0.1 s
// at the default speed step, shorter with it).
void RoadIntegrator::Coast(double duration, int fromGear)
{
    run.shifts.push_back({ fromGear + 1, t, v, duration });
    if (duration <= 0)
        return;
    const int steps = std::max(2, static_cast<int>(std::ceil(duration / (0.1 * step / DefaultRoadSpeedStep))));
    const double h = duration / steps;
    for (int i = 0; i < steps; ++i) {
        const double a1 = CoastAt(v).a;
        const double v2 = v + 0.5 * h * a1, a2 = CoastAt(v2).a;
        const double v3 = v + 0.5 * h * a2, a3 = CoastAt(v3).a;
        const double v4 = v + h * a3, a4 = CoastAt(v4).a;
        const double nv = v + h / 6 * (a1 + 2 * a2 + 2 * a3 + a4);
        const double nx = x + h / 6 * (v + 2 * v2 + 2 * v3 + v4);
        MarkDistancesInStep(h, nx, nv);
        t += h;
        x = nx;
        v = nv;
        Push(0, false);
    }
}

// After the top speed: the car holds it (at the redline) or creeps up to it,
// integrated in time until every distance mark is passed.
void RoadIntegrator::Tail(int gear, bool heldAtRedline)
{
    const double h = 0.2 * step / DefaultRoadSpeedStep;
    while (!DistancesDone()) {
        if (t > RoadTimeLimit) {
            moving = false;
            return;
        }
        double nv = v, nx = 0;
        if (heldAtRedline) {
            nx = x + h * v;
        } else {
            auto acc = [&](double s) { return std::max(0.0, AccelerationAt(gear, s).a); };
            const double a1 = acc(v);
            const double v2 = v + 0.5 * h * a1, a2 = acc(v2);
            const double v3 = v + 0.5 * h * a2, a3 = acc(v3);
            const double v4 = v + h * a3, a4 = acc(v4);
            nv = std::min(topSpeed, v + h / 6 * (a1 + 2 * a2 + 2 * a3 + a4));
            nx = x + h / 6 * (v + 2 * v2 + 2 * v3 + v4);
        }
        MarkDistancesInStep(h, nx, nv);
        t += h;
        x = nx;
        v = nv;
        Push(gear + 1, false);
    }
}

RoadRun RoadIntegrator::Run()
{
    run.trajectory.reserve(160);
    Push(1, AccelerationAt(0, 0).traction);
    if (!(AccelerationAt(0, 0).a > 0)) {
        run.outcome = RoadOutcome::DoesNotFinish;
        return run;
    }
    int gear = 0;
    bool redline = false;
    for (;; ++gear) {
        const bool last = gear == gears - 1;
        if (IntegrateGear(gear, redlineSpeed[gear])) {
            topSpeedTime = t;
            topSpeedDistance = x;
            break;
        }
        // At the redline: change up when the next gear still gains speed.
        if (!last) {
            double engineMass = 0;
            const double after = v - shiftTime * Resistance(v) / wheelMass;
            if (AccelerationAt(gear + 1, after).a > 0 && EngineForce(gear + 1, after, engineMass) > 0) {
                Coast(shiftTime, gear);
                continue;
            }
        }
        redline = true;
        topSpeed = v;
        topSpeedTime = t;
        topSpeedDistance = x;
        break;
    }
    run.topSpeedLimit = TopSpeedLimit::Redline;
    if (!redline) {
        const double rpm = topSpeed * radiansPerFoot[gear] / RadiansPerSecondPerRpm;
        run.topSpeedLimit = engine == EngineKind::Combustion && car.transmission != Transmission::Cvt
                                    && rpm > car.powerRpm * (1 + 1e-9)
                                ? TopSpeedLimit::Power
                                : TopSpeedLimit::Drag;
    }
    Tail(gear, redline);
    Finish();
    return run;
}

void RoadIntegrator::Finish()
{
    if (!moving || !DistancesDone()) {
        run.outcome = RoadOutcome::DoesNotFinish;
        return;
    }
    run.outcome = RoadOutcome::Finished;
    const double rollout = distanceTimes[0];
    run.rolloutTime = rollout;
    const double mph = 1 / FeetPerSecondPerMph;
    SimulationResults& r = run.results;
    r.topSpeed = topSpeed * mph;
    r.topSpeedTime = std::max(0.0, topSpeedTime - rollout);
    r.topSpeedDistance = topSpeedDistance;
    r.topSpeedWindForce = dragFactor * topSpeed * topSpeed;
    auto speedMark = [&](std::size_t i) { return i < nextSpeed && speedTimes[i] > 0 ? speedTimes[i] - rollout : 0; };
    r.zeroToSixtyTime = speedMark(0);
    r.zeroToEightyTime = speedMark(1);
    r.zeroToHundredTime = speedMark(2);
    r.sixtyToEightyTime = r.zeroToEightyTime > 0 && r.zeroToSixtyTime > 0 ? r.zeroToEightyTime - r.zeroToSixtyTime : 0;
    const double quarterTime = distanceTimes[7];
    r.quarterMileTime = quarterTime - rollout;
    r.quarterMileSpeed = TrapFeet / (quarterTime - distanceTimes[6]) * mph;
    r.quarterMileDistance = QuarterMileFeet;
    r.quarterMileWindForce = dragFactor * distanceSpeeds[7] * distanceSpeeds[7];

    // 60 ft, 330 ft, 1/8 mile, 1,000 ft, 1/4 mile.
    const std::array<std::size_t, 5> at = { 1, 2, 4, 5, 7 };
    for (std::size_t i = 0; i < at.size(); ++i) {
        RoadSplit& split = run.splits[i];
        split.distance = SplitDistances[i];
        split.elapsedTime = distanceTimes[at[i]] - rollout;
        split.speed = distanceSpeeds[at[i]] * mph;
    }
    run.splits[2].trapSpeed = TrapFeet / (distanceTimes[4] - distanceTimes[3]) * mph;
    run.splits[4].trapSpeed = r.quarterMileSpeed;
}

RoadRun RunRoadModel(const RoadCar& car, const RoadDay& day, double speedStep, const RoadCalibration& calibration)
{
    const bool dayValid = std::isfinite(day.airDensity) && day.airDensity > 0 && std::isfinite(day.powerFactor)
                          && day.powerFactor > 0 && std::isfinite(day.grade) && std::abs(day.grade) < 1;
    if (RoadRangeProblem(car) || !dayValid || !(speedStep > 0) || !std::isfinite(speedStep)) {
        RoadRun refused;
        refused.car = WithTypicalValues(car);
        refused.day = day;
        return refused;
    }
    return RoadIntegrator(WithTypicalValues(car), day, speedStep, calibration).Run();
}

double DrivetrainEfficiency(const FullRoadCar& car, const RoadCalibration& calibration)
{
    // An electric car drives each axle by its own motor through a gear set:
    // no torque converter, no belt, no transfer case.
    if (car.engine == EngineKind::Electric)
        return ElectricDriveEfficiency;
    double efficiency = calibration.drivetrainEfficiency * TransmissionEfficiency(car.transmission);
    if (car.drivetrain == Drivetrain::AllWheel)
        efficiency *= AllWheelDriveEfficiency;
    return efficiency;
}
