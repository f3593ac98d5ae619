// SPDX-License-Identifier: GPL-3.0-or-later
// The time slip's figures, described once: the splits a run gives (60 ft,
// 330 ft, the 1/8 mile with its speed, 1000 ft, the quarter mile with its
// speed), each with its key, the run's mark that gives it and where along
// the track that is, its unit, the decimals a time slip gives it with,
// which way is better, and the runner table's title. The splits of a run,
// the runner's writers, the logbook's fields and fit and the garage's
// tables and charts all read SplitFigures, so that a new figure is one line
// here (and its member of SplitTimes).
#pragma once

#include "numbers/DayRun.h"

#include <array>

// Which value of a figure is the best one.
enum class Better { Lower, Higher, Neither };

enum class SplitKind { Time, Speed };

struct SplitFigureInfo {
    // The name in the runner's JSON ("splits": {...}) and CSV
    // ("splits.sixtyFootTime"), and the logbook's column.
    const char* key;
    double SplitTimes::*value;
    SplitKind kind;
    // Which of the run's distance splits (60, 330, 660, 1000 and 1320 ft)
    // gives the figure, and its distance along the track.
    int mark;
    double feet;
    const char* unit;
    int decimals; // as a time slip gives it
    Better better;
    // The runner's table column with --splits; nullptr where the results'
    // own columns show the figure already.
    const char* runnerTitle;
};

// Along the track, each speed after its time: the order of the runner's
// columns and the logbook's.
inline constexpr std::array<SplitFigureInfo, 7> SplitFigures = { {
    { "sixtyFootTime", &SplitTimes::sixtyFootTime, SplitKind::Time, 0, 60, "s", 3, Better::Lower, "60ft s" },
    { "threeThirtyFootTime", &SplitTimes::threeThirtyFootTime, SplitKind::Time, 1, 330, "s", 3, Better::Lower, "330ft s" },
    { "eighthMileTime", &SplitTimes::eighthMileTime, SplitKind::Time, 2, 660, "s", 3, Better::Lower, "1/8 s" },
    { "eighthMileSpeed", &SplitTimes::eighthMileSpeed, SplitKind::Speed, 2, 660, "mph", 2, Better::Higher, "1/8 mph" },
    { "thousandFootTime", &SplitTimes::thousandFootTime, SplitKind::Time, 3, 1000, "s", 3, Better::Lower, "1000ft s" },
    { "quarterMileTime", &SplitTimes::quarterMileTime, SplitKind::Time, 4, 1320, "s", 3, Better::Lower, nullptr },
    { "quarterMileSpeed", &SplitTimes::quarterMileSpeed, SplitKind::Speed, 4, 1320, "mph", 2, Better::Higher, nullptr },
} };

// The figure a member of SplitTimes holds; nullptr for none.
constexpr const SplitFigureInfo* SplitFigureOf(double SplitTimes::*value)
{
    for (const SplitFigureInfo& figure : SplitFigures)
        if (figure.value == value)
            return &figure;
    return nullptr;
}
