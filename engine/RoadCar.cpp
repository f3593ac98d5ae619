// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoadCar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// hp = lb-ft · rpm / (33000 / 2π).
constexpr double LbFtRpmPerHorsepower = 33000 / (2 * std::numbers::pi);

// Typical engine speeds (docs/DESIGN.md, "Typical values").
constexpr double TypicalPowerRpm = 6500;
// The redline 10 % above the power peak, as 11/10 (and the peak 10/11 of
// the redline) so that a round engine speed gives a round one.
double RedlineAbovePowerPeak(double powerRpm) { return powerRpm * 11 / 10; }
double PowerPeakBelowRedline(double redline) { return redline * 10 / 11; }
constexpr double TorquePeakOverPowerPeak = 0.65;   // of the engine speed
constexpr double PeakTorqueOverTorqueAtPowerPeak = 1.15;
constexpr double TypicalMotorBaseRpm = 5000;
constexpr double TypicalMotorRedline = 18000;

bool within(double value, double low, double high)
{
    return value >= low && value <= high;
}

bool single(Transmission transmission)
{
    return transmission == Transmission::Cvt || transmission == Transmission::Direct;
}

} // namespace

Transmission TypicalTransmission(const RoadCar& car)
{
    const bool electric = car.engine.value_or(EngineKind::Combustion) == EngineKind::Electric;
    return electric && car.gears.value_or(1) <= 1 ? Transmission::Direct : Transmission::Automatic;
}

int TypicalGears(Transmission transmission)
{
    switch (transmission) {
    case Transmission::Manual: return 6;
    case Transmission::Automatic: return 8;
    case Transmission::DualClutch: return 7;
    case Transmission::Automated: return 6;
    case Transmission::Cvt:
    case Transmission::Direct: return 1;
    }
    return 1;
}

FullRoadCar WithTypicalValues(const RoadCar& car)
{
    FullRoadCar full;
    full.horsepower = car.horsepower;
    full.weight = car.weight;
    full.dragCoefficient = car.dragCoefficient;
    full.frontalArea = car.frontalArea;
    full.engine = car.engine.value_or(EngineKind::Combustion);
    full.drivetrain = car.drivetrain.value_or(Drivetrain::RearWheel);
    full.transmission = car.transmission.value_or(TypicalTransmission(car));
    full.gears = single(full.transmission) ? 1 : car.gears.value_or(TypicalGears(full.transmission));
    full.tires = car.tires.value_or(TireKind::Street);
    full.surface = car.surface.value_or(SurfaceKind::Street);

    const double power = car.horsepower;
    if (full.engine == EngineKind::Electric) {
        // A motor gives its full torque up to its base speed, full power
        // above: either figure sets the other.
        if (car.torque)
            full.torque = *car.torque;
        else
            full.torque = power * LbFtRpmPerHorsepower / car.powerRpm.value_or(TypicalMotorBaseRpm);
        full.powerRpm = car.powerRpm.value_or(power * LbFtRpmPerHorsepower / full.torque);
        full.torqueRpm = car.torqueRpm.value_or(0);
        full.redline = car.redline.value_or(std::max(TypicalMotorRedline, RedlineAbovePowerPeak(full.powerRpm)));
        return full;
    }
    // The power peak's speed: given, or where the typical curve puts it
    // for a given peak torque (15 % above the torque at the power peak), or
    // below a given redline, or above a given torque peak.
    if (car.powerRpm)
        full.powerRpm = *car.powerRpm;
    else if (car.torque)
        full.powerRpm = std::max(PeakTorqueOverTorqueAtPowerPeak * power * LbFtRpmPerHorsepower / *car.torque,
                                 car.torqueRpm.value_or(0));
    else if (car.redline)
        full.powerRpm = PowerPeakBelowRedline(*car.redline);
    else if (car.torqueRpm)
        full.powerRpm = *car.torqueRpm / TorquePeakOverPowerPeak;
    else
        full.powerRpm = TypicalPowerRpm;
    full.redline = car.redline.value_or(RedlineAbovePowerPeak(full.powerRpm));
    full.torqueRpm = car.torqueRpm.value_or(TorquePeakOverPowerPeak * full.powerRpm);
    full.torque = car.torque.value_or(PeakTorqueOverTorqueAtPowerPeak * power * LbFtRpmPerHorsepower
                                      / full.powerRpm);
    return full;
}

const std::array<RoadRange, RoadFieldCount>& RoadRanges()
{
    static constexpr std::array<RoadRange, RoadFieldCount> ranges = { {
        { RoadField::Horsepower, 10, 2000 },
        { RoadField::Weight, 500, 8000 },
        { RoadField::DragCoefficient, 0.15, 0.8 },
        { RoadField::FrontalArea, 5, 80 },
        { RoadField::Gears, 1, 10 },
        { RoadField::PowerRpm, 1000, 25000 },
        { RoadField::Torque, 10, 2500 },
        { RoadField::TorqueRpm, 0, 25000 },
        { RoadField::Redline, 1000, 25000 },
    } };
    return ranges;
}

RoadProblem RoadRangeProblem(const RoadCar& car)
{
    const FullRoadCar full = WithTypicalValues(car);
    const std::array<double, RoadFieldCount> values = {
        full.horsepower, full.weight,  full.dragCoefficient, full.frontalArea, double(car.gears.value_or(full.gears)),
        full.powerRpm,   full.torque,  full.torqueRpm,       full.redline,
    };
    for (const RoadRange& range : RoadRanges())
        if (!within(values[static_cast<std::size_t>(range.field)], range.low, range.high))
            return { RoadProblemKind::OutOfRange, range.field };
    if (car.gears && single(full.transmission) && *car.gears != 1)
        return { RoadProblemKind::GearsForTransmission, RoadField::Gears };
    if (full.torqueRpm > full.powerRpm)
        return { RoadProblemKind::TorquePeakAbovePowerPeak, RoadField::TorqueRpm };
    if (full.powerRpm > full.redline)
        return { RoadProblemKind::PowerPeakAboveRedline, RoadField::PowerRpm };
    // The torque at the power peak is the power over the speed; the peak
    // torque cannot be less (1 % of room for rounded figures).
    if (full.torque * 1.01 < full.horsepower * LbFtRpmPerHorsepower / full.powerRpm)
        return { RoadProblemKind::TorqueTooSmall, RoadField::Torque };
    return {};
}
