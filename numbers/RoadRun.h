// SPDX-License-Identifier: GPL-3.0-or-later
// The road model's run of a car on the day, in the form the programs show
// the classic run's.
//
// In: the road model's car (core/RoadKeys: RoadCarOf) and the day's air
// (core/Air). Out: the road model's day (the air's real density and the
// engine's power on the day, SAE J1349), and DayResults as the classic run
// on the day gives them: the outcome, the twelve results, the air figures,
// the horsepower and air density the run took, and the time slip's splits.
// The classic law is not involved: its 0.002 slug/ft³ and its 63 % of the
// power are the classic law's own.
#pragma once

#include "numbers/DayRun.h"
#include "engine/RoadModel.h"

#include <optional>

// The road model's car from the nine inputs and the optional keys of a car
// file (`keys`, its first four values unused, and the frontal area key):
// the horsepower, the weight, the drag coefficient, the frontal area (the
// key, or grill + windshield · sin angle), and the keys; the number of
// gears, where no key gives it, is the available shifts + 1 for a stepped
// gearbox.
RoadCar RoadCarFrom(const CarInputs& inputs, const RoadCar& keys, std::optional<double> frontalArea);

// The day as the road model takes it: the density of the day's air
// (slug/ft³) and the engine's power over its rating (1 / the SAE J1349
// correction factor).
RoadDay RoadDayOf(const AirFigures& air);

// The splits of a road run as the time slip gives them.
SplitTimes SplitTimesOf(const RoadRun& run);

// The road run in the classic run's form: Finished, TimeLimitReached for a
// car that does not reach the quarter mile, InvalidInputs for one the road
// model refuses.
DayResults DayResultsOf(const RoadRun& run, const AirFigures& air);

DayResults RunRoadCarOnDay(const RoadCar& car, const AirFigures& air);
