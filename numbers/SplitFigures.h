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
#include "numbers/EnumTable.h"

#include <array>

// Which value of a figure is the best one.
enum class Better { Lower, Higher, Neither };

// The splits of a slip, in the order along the track (speeds after their
// times).
enum class SplitFigure {
    SixtyFootTime,
    ThreeThirtyFootTime,
    EighthMileTime,
    EighthMileSpeed,
    ThousandFootTime,
    QuarterMileTime,
    QuarterMileSpeed,
};

enum class SplitKind { Time, Speed };

struct SplitFigureInfo {
    SplitFigure figure;
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

// One row per figure, in SplitFigure order: the order of the runner's
// columns and the logbook's.
inline constexpr std::array<SplitFigureInfo, 7> SplitFigures = { {
    { SplitFigure::SixtyFootTime, "sixtyFootTime", &SplitTimes::sixtyFootTime,
      SplitKind::Time, 0, 60, "s", 3, Better::Lower, "60ft s" },
    { SplitFigure::ThreeThirtyFootTime, "threeThirtyFootTime", &SplitTimes::threeThirtyFootTime,
      SplitKind::Time, 1, 330, "s", 3, Better::Lower, "330ft s" },
    { SplitFigure::EighthMileTime, "eighthMileTime", &SplitTimes::eighthMileTime,
      SplitKind::Time, 2, 660, "s", 3, Better::Lower, "1/8 s" },
    { SplitFigure::EighthMileSpeed, "eighthMileSpeed", &SplitTimes::eighthMileSpeed,
      SplitKind::Speed, 2, 660, "mph", 2, Better::Higher, "1/8 mph" },
    { SplitFigure::ThousandFootTime, "thousandFootTime", &SplitTimes::thousandFootTime,
      SplitKind::Time, 3, 1000, "s", 3, Better::Lower, "1000ft s" },
    { SplitFigure::QuarterMileTime, "quarterMileTime", &SplitTimes::quarterMileTime,
      SplitKind::Time, 4, 1320, "s", 3, Better::Lower, nullptr },
    { SplitFigure::QuarterMileSpeed, "quarterMileSpeed", &SplitTimes::quarterMileSpeed,
      SplitKind::Speed, 4, 1320, "mph", 2, Better::Higher, nullptr },
} };

static_assert(InEnumOrder(SplitFigures, &SplitFigureInfo::figure));

constexpr const SplitFigureInfo& InfoOf(SplitFigure figure)
{
    return RowOf(SplitFigures, figure);
}
