// SPDX-License-Identifier: GPL-3.0-or-later
// ReportSums: the sums of the report card, how well each way of predicting
// a car's quarter-mile time would have predicted its own runs.
//
// In: a calibration (numbers/Fit.h: the car as typed, its runs and the
// validation fits) and the runs' places in date order. Out: for each of
// five methods the mean absolute error and the bias (mean of predicted less
// given) of the quarter-mile time over the runs that give one, and which
// method is best (the least mean absolute error), or a code for why there is
// no card. Each run is predicted without itself: the fitted model by the fit
// without it, the last run's time by the run before it. The logbook
// (logbook/ReportCard.h) names the methods and gives the messages.
#pragma once

#include "numbers/Fit.h"

#include <array>
#include <vector>

enum class PredictionMethod {
    FittedOnDay,         // the fitted model on the run's day
    FittedOnStandardDay, // the fitted model on the standard day
    TypedOnDay,          // the car as typed on the run's day
    HalesFormula,        // Hale's formula, the typed horsepower corrected for the day
    LastRun,             // the time of the run before, as it was
};
inline constexpr int PredictionMethodCount = 5;

inline constexpr std::array<PredictionMethod, PredictionMethodCount> AllPredictionMethods = {
    PredictionMethod::FittedOnDay,  PredictionMethod::FittedOnStandardDay,
    PredictionMethod::TypedOnDay,   PredictionMethod::HalesFormula,
    PredictionMethod::LastRun,
};

// Hale's formula for the quarter-mile elapsed time (s) from the weight (lb)
// and the horsepower: 5.825 · (weight / horsepower)^(1/3).
double HalesQuarterMileTime(double weight, double horsepower);

struct MethodScore {
    PredictionMethod method = PredictionMethod::FittedOnDay;
    int runs = 0;            // runs predicted
    double meanAbsoluteError = 0; // s
    double bias = 0;         // s, mean of predicted less given
    bool best = false;
};

// The fewest runs with a quarter-mile time a report card is given for.
inline constexpr int LeastRunsForReportCard = 3;

// Why there is no report card: the fit failed, or too few runs (or no
// validation) to score.
enum class ReportGap { None, NotFitted, TooFewRuns };

struct ReportSums {
    ReportGap gap = ReportGap::None;
    std::array<MethodScore, PredictionMethodCount> scores{};
    int best = -1;   // index of the best score; -1 when none
};

// `dateOrder` holds the places of the runs in the order the logbook lists
// them (by date), for the run before.
ReportSums ReportSumsOf(const FitCalibration& calibration, const std::vector<int>& dateOrder);
