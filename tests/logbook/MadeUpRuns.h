// SPDX-License-Identifier: GPL-3.0-or-later
// Time slips made up by the model itself, for the calibration's tests and
// benchmark: a car run on a day's air, its splits rounded as a drag strip's
// timing system prints them (times to 0.001 s, speeds to 0.01 mph).
#pragma once

#include "core/DayRun.h"
#include "logbook/TimeSlip.h"

#include <array>
#include <cmath>
#include <random>

// Days' air within the ranges the checks take: a cool day, a hot and humid
// one at the elevation of a high track, a cold dry one, the standard day and
// a warm one at sea level.
inline const std::array<AirConditions, 5>& MadeUpDays()
{
    static const std::array<AirConditions, 5> days = { {
        { 60, 29.92, 30 },
        { 95, 24.90, 60 },
        { 40, 30.20, 10 },
        {},
        { 85, 29.70, 75 },
    } };
    return days;
}

inline double RoundedTo(double value, double step)
{
    return std::round(value / step) * step;
}

// The slip of `car` on `air`, dated `date`. An eighth-mile run gives the 1/8
// figures as its finish and no quarter-mile figures.
inline TimeSlip MadeUpRun(const CarInputs& car, const AirConditions& air, const QDate& date,
                           bool eighthMile = false)
{
    const SplitTimes s = RunCarOnDay(car, air).splits;
    TimeSlip run;
    run.date = date;
    run.track = QStringLiteral("Made-up strip");
    run.temperature = air.temperature;
    run.pressure = air.pressure;
    run.humidity = air.humidity;
    run.sixtyFootTime = RoundedTo(s.sixtyFootTime, 0.001);
    run.threeThirtyFootTime = RoundedTo(s.threeThirtyFootTime, 0.001);
    run.eighthMileTime = RoundedTo(s.eighthMileTime, 0.001);
    run.eighthMileSpeed = RoundedTo(s.eighthMileSpeed, 0.01);
    if (!eighthMile) {
        run.thousandFootTime = RoundedTo(s.thousandFootTime, 0.001);
        run.quarterMileTime = RoundedTo(s.quarterMileTime, 0.001);
        run.quarterMileSpeed = RoundedTo(s.quarterMileSpeed, 0.01);
    }
    return run;
}

// `count` runs of the car, one a week from 2024-04-06, on the made-up days
// in turn.
inline QList<TimeSlip> MadeUpRuns(const CarInputs& car, int count)
{
    QList<TimeSlip> runs;
    for (int i = 0; i < count; ++i)
        runs << MadeUpRun(car, MadeUpDays()[static_cast<std::size_t>(i) % MadeUpDays().size()],
                          QDate(2024, 4, 6).addDays(7 * i));
    return runs;
}

// `count` runs of the car, one a day from 1990-01-01, each on air drawn at
// random within the checks' ranges (the same draws on every call): a big
// logbook's slips.
inline QList<TimeSlip> MadeUpRunsOnRandomDays(const CarInputs& car, int count)
{
    std::mt19937 random(29);
    std::uniform_real_distribution<double> temperature(40, 100);
    std::uniform_real_distribution<double> pressure(24, 30.5);
    std::uniform_real_distribution<double> humidity(0, 90);
    QList<TimeSlip> runs;
    runs.reserve(count);
    for (int i = 0; i < count; ++i) {
        const AirConditions air{ RoundedTo(temperature(random), 0.1), RoundedTo(pressure(random), 0.01),
                                 RoundedTo(humidity(random), 1) };
        runs << MadeUpRun(car, air, QDate(1990, 1, 1).addDays(i));
    }
    return runs;
}
