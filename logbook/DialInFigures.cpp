// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/DialInFigures.h"

#include "logbook/Calibration.h"
#include "numbers/DialIn.h"

std::optional<AirFigures> AirFiguresOfRun(const TimeSlip& run)
{
    if (!run.temperature || !run.pressure)
        return std::nullopt;
    return FiguresFor(AirOfRun(run));
}

std::optional<double> DensityAltitudeOfRun(const TimeSlip& run)
{
    const std::optional<AirFigures> air = AirFiguresOfRun(run);
    if (!air)
        return std::nullopt;
    return air->densityAltitude;
}

std::optional<double> StandardDayTimeOfRun(const TimeSlip& run)
{
    const std::optional<AirFigures> air = AirFiguresOfRun(run);
    if (!air || !run.quarterMileTime)
        return std::nullopt;
    return StandardDayTime(*run.quarterMileTime, *air);
}
