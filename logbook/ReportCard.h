// SPDX-License-Identifier: GPL-3.0-or-later
// ReportCard: how well each way of predicting a car's quarter-mile time
// would have predicted its own runs.
//
// In: a calibration (logbook/Calibration.h: the car as typed, its runs and
// the leave-one-out fits). Out: for each of five methods the mean absolute
// error and the bias (mean of predicted less given) of the quarter-mile time
// over the runs that give one, and which method is best (the least mean
// absolute error). Each run is predicted without itself: the fitted model by
// the fit on all the other runs, the last run's time by the run before it.
#pragma once

#include "logbook/Calibration.h"

#include <array>

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

// What the report card calls a method, in the user's language.
QString PredictionMethodName(PredictionMethod method);

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

struct ReportCard {
    QString message; // why there is no report card; empty when there is
    std::array<MethodScore, PredictionMethodCount> scores{};
    int best = -1;   // index of the best score; -1 when none

    bool Available() const { return message.isEmpty(); }
};

// The fewest runs with a quarter-mile time a report card is given for.
inline constexpr int LeastRunsForReportCard = 3;

ReportCard ReportCardOf(const Calibration& calibration);
// Calibrates the car to the runs, then scores the methods.
ReportCard ReportCardOf(const CarInputs& typed, const QList<TimeSlip>& runs);
