// SPDX-License-Identifier: GPL-3.0-or-later
// DialIn: the figures a racer dials in with, worked out from a run's slip
// and its day's air: the elapsed time corrected to the standard day, and
// the straight line of least squares through points such as a car's
// elapsed times against the density altitude of their days.
//
// In: an elapsed time and the day's AirFigures (numbers/Air.h); points.
// Out: the corrected time; the line's slope and intercept, or none.
//
// The correction is the one the model makes for the day: the engine runs
// with the rated horsepower / CF (SAE J1349, numbers/DayRun.h), and an
// elapsed time goes as the cube root of weight over power (Hale's law, as
// the report card's Hale's formula uses it), so the time on the standard
// day is the day's time · (1 / CF)^(1/3). On the standard day it is the
// time itself.
#pragma once

#include "numbers/Air.h"

#include <optional>
#include <vector>

// The elapsed time (s) of a run on the day's air, corrected to the
// standard day.
double StandardDayTime(double elapsedTime, const AirFigures& air);

struct LinePoint {
    double x = 0;
    double y = 0;
};

// y = intercept + slope · x.
struct StraightLine {
    double slope = 0;
    double intercept = 0;

    double At(double x) const { return intercept + slope * x; }
};

// The line of least squares through the points: none for fewer than two
// points, or when every point has the same x (to rounding).
std::optional<StraightLine> LeastSquaresLine(const std::vector<LinePoint>& points);
