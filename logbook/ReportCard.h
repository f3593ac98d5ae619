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
// The sums are numbers/ReportSums.h's; here the methods get their names and
// a missing card its message.
#pragma once

#include "logbook/Calibration.h"
#include "numbers/ReportSums.h"

// What the report card calls a method, in the user's language.
QString PredictionMethodName(PredictionMethod method);

struct ReportCard : ReportSums {
    QString message; // why there is no report card; empty when there is

    bool Available() const { return message.isEmpty(); }
};

ReportCard ReportCardOf(const Calibration& calibration);
// Calibrates the car to the runs, then scores the methods.
ReportCard ReportCardOf(const CarInputs& typed, const QList<TimeSlip>& runs);
