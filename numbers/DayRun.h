// SPDX-License-Identifier: GPL-3.0-or-later
// The car on the day: a car run in the day's air, with the time slip's
// splits and the one timeline of its run.
//
// In: the car's inputs and the day's air (AirConditions, or its AirFigures
// worked out once for many cars). Out: DayResults, the run's outcome and
// twelve results as the classic program gives them, the air figures, the
// horsepower and air density the engine ran with, the splits, and the
// timeline that turns any raw time of the run into an elapsed time (for
// curves). The engine runs with horsepower = rated horsepower / CF (SAE
// J1349) and air density = 0.002 slug/ft³ · ρ/ρ of the standard day;
// everything else is unchanged. On the standard day CF and ρ/ρ are exactly
// 1, so the engine gets exactly the classic arguments and every result is
// the classic one, bit for bit.
#pragma once

#include "numbers/Air.h"
#include "numbers/CarRun.h"
#include "numbers/Timeline.h"

// The time slip's splits: elapsed times (s) on the run's timeline, speeds
// in mph. All 0 unless the run finished. The quarter mile is the classic
// quarter-mile time and speed.
struct SplitTimes {
    double sixtyFootTime = 0;
    double threeThirtyFootTime = 0;
    double eighthMileTime = 0;
    double eighthMileSpeed = 0;
    double thousandFootTime = 0;
    double quarterMileTime = 0;
    double quarterMileSpeed = 0;

    bool operator==(const SplitTimes&) const = default;
};

struct DayResults {
    CarRun run;
    AirFigures air;
    double horsepower = 0; // hp the engine ran with: the horsepower on the day
    double airDensity = 0; // slug/ft³ the engine ran with
    SplitTimes splits;
    Timeline timeline;
};

// The horsepower on the day: rated / CF.
double HorsepowerOnDay(double ratedHorsepower, const AirFigures& air);
// The air density (slug/ft³) on the day: 0.002 · ρ/ρ of the standard day.
double AirDensityOnDay(const AirFigures& air);

// A record of the car on the day, ready to run (RecordFor with the
// horsepower and air density on the day).
SimulationRecord RecordOnDay(const CarInputs& car, const AirFigures& air);
// The splits of a record that has run, on its timeline.
SplitTimes SplitTimesOf(const SimulationRecord& record, const Timeline& timeline);
// Everything about a record of the car on the day (RecordOnDay) that has run.
DayResults DayResultsOf(const SimulationRecord& record, const AirFigures& air);

// Runs the car on the day.
DayResults RunCarOnDay(const CarInputs& car, const AirFigures& air);
DayResults RunCarOnDay(const CarInputs& car, const AirConditions& air);
