// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/RoadRun.h"

#include "numbers/SplitFigures.h"

namespace {

// 1 kg/m³ in slug/ft³: 0.3048³ / 14.593903.
constexpr double SlugsPerCubicFootPerKilogramPerCubicMetre = 0.3048 * 0.3048 * 0.3048 / 14.593903;

SimulationOutcome OutcomeOf(RoadOutcome outcome)
{
    switch (outcome) {
    case RoadOutcome::Finished: return SimulationOutcome::Finished;
    case RoadOutcome::DoesNotFinish: return SimulationOutcome::TimeLimitReached;
    case RoadOutcome::InvalidInputs: return SimulationOutcome::InvalidInputs;
    }
    return SimulationOutcome::InvalidInputs;
}

} // namespace

RoadCar RoadCarFrom(const CarInputs& inputs, const RoadCar& keys, std::optional<double> frontalArea)
{
    RoadCar car = keys;
    car.horsepower = inputs.horsepower;
    car.weight = inputs.carWeight;
    car.dragCoefficient = inputs.dragCoefficient;
    car.frontalArea = frontalArea.value_or(inputs.FrontalArea());
    const Transmission transmission = car.transmission.value_or(TypicalTransmission(car));
    const bool stepped = transmission != Transmission::Cvt && transmission != Transmission::Direct;
    if (!car.gears && stepped)
        car.gears = inputs.availableShifts + 1;
    return car;
}

RoadDay RoadDayOf(const AirFigures& air)
{
    RoadDay day;
    day.airDensity = air.density * SlugsPerCubicFootPerKilogramPerCubicMetre;
    day.powerFactor = 1 / air.correctionFactor;
    return day;
}

SplitTimes SplitTimesOf(const RoadRun& run)
{
    SplitTimes splits;
    if (!run.Finished())
        return splits;
    const RoadSplits& s = run.Splits();
    for (const SplitFigureInfo& f : SplitFigures) {
        const auto& split = s[static_cast<std::size_t>(f.mark)];
        splits.*f.value = f.kind == SplitKind::Time ? split.elapsedTime : split.trapSpeed;
    }
    return splits;
}

DayResults DayResultsOf(const RoadRun& run, const AirFigures& air)
{
    DayResults day;
    day.run.outcome = OutcomeOf(run.Outcome());
    day.run.timeLimitReached = run.Outcome() == RoadOutcome::DoesNotFinish;
    day.run.stopTime = day.run.timeLimitReached ? RoadTimeLimit : 0;
    if (run.Finished())
        day.run.results = run.Results();
    day.air = air;
    day.horsepower = run.Car().horsepower * (run.Car().engine == EngineKind::Electric ? 1 : run.Day().powerFactor);
    day.airDensity = run.Day().airDensity;
    day.splits = SplitTimesOf(run);
    return day;
}

DayResults RunRoadCarOnDay(const RoadCar& car, const AirFigures& air)
{
    return DayResultsOf(RunRoadModel(car, RoadDayOf(air)), air);
}
