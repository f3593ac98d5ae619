// SPDX-License-Identifier: GPL-3.0-or-later
// DialInFigures: a run's dial-in figures from its slip and its weather, for
// the runs table and the dial-in charts: the density altitude of its day and
// its quarter-mile time corrected to the standard day (numbers/DialIn.h).
// Shown, never stored: they follow the run's weather as it is edited.
#pragma once

#include "logbook/TimeSlip.h"
#include "numbers/Air.h"

#include <optional>

// The air of the run's day, when the run gives its temperature and its
// pressure (a missing humidity counts as dry air, as in the fit); none
// otherwise.
std::optional<AirFigures> AirFiguresOfRun(const TimeSlip& run);
// The density altitude (ft) of the run's day; none without its air.
std::optional<double> DensityAltitudeOfRun(const TimeSlip& run);
// The quarter-mile time (s) corrected to the standard day; none without
// the time or the air.
std::optional<double> StandardDayTimeOfRun(const TimeSlip& run);
