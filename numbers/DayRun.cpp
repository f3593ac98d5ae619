// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/DayRun.h"

double HorsepowerOnDay(double ratedHorsepower, const AirFigures& air)
{
    return ratedHorsepower / air.correctionFactor;
}

double AirDensityOnDay(const AirFigures& air)
{
    return RunSetup::AirDensity * air.relativeAirDensity;
}

SimulationRecord RecordOnDay(const CarInputs& car, const AirFigures& air)
{
    return RecordFor(car, HorsepowerOnDay(car.horsepower, air), AirDensityOnDay(air));
}

SplitTimes SplitTimesOf(const SimulationRecord& record, const Timeline& timeline)
{
    SplitTimes splits;
    if (timeline.IsEmpty())
        return splits;
    const auto points = record.DistanceSplits(SplitSpeeds::SpeedTraps);
    auto elapsed = [&timeline](const SplitPoint& p) { return p.step < 0 ? 0 : timeline.ElapsedAt(p.time); };
    auto mph = [](const SplitPoint& p) { return p.speed * MphPerFootPerSecond; };
    splits.sixtyFootTime = elapsed(points[0]);
    splits.threeThirtyFootTime = elapsed(points[1]);
    splits.eighthMileTime = elapsed(points[2]);
    splits.eighthMileSpeed = mph(points[2]);
    splits.thousandFootTime = elapsed(points[3]);
    splits.quarterMileTime = elapsed(points[4]);
    splits.quarterMileSpeed = mph(points[4]);
    return splits;
}

DayResults DayResultsOf(const SimulationRecord& record, const AirFigures& air)
{
    DayResults day;
    day.run = RunOf(record);
    day.air = air;
    day.horsepower = record.Horsepower();
    day.airDensity = record.AirDensity();
    day.timeline = Timeline::Of(record);
    day.splits = SplitTimesOf(record, day.timeline);
    return day;
}

DayResults RunCarOnDay(const CarInputs& car, const AirFigures& air)
{
    SimulationRecord record = RecordOnDay(car, air);
    record.RunSimulation({});
    return DayResultsOf(record, air);
}

DayResults RunCarOnDay(const CarInputs& car, const AirConditions& air)
{
    return RunCarOnDay(car, FiguresFor(air));
}
