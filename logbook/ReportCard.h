// SPDX-License-Identifier: GPL-3.0-or-later
// ReportCard: how well each way of predicting a car's quarter-mile time
// would have predicted its own runs.
//
// In: a calibration (logbook/Calibration.h: the car as typed and its runs).
// Out: for each method the errors of the quarter-mile time and speed, all
// over the same runs, forward in time only (each run predicted from the runs
// before it, after the first three), and which method is best (the least
// mean absolute error of the time); the dial-in for a day from the best
// method that predicts ahead. The sums are numbers/ReportSums.h's; here the
// methods and their models get their names and a missing card its message.
#pragma once

#include "logbook/Calibration.h"
#include "numbers/ReportSums.h"

// What the report card calls a method, and the model it runs, in the
// user's language.
QString PredictionMethodName(PredictionMethod method);
QString MethodModelName(MethodModel model);

struct ReportCard : ReportSums {
    QString message; // why there is no report card; empty when there is

    bool Available() const { return message.isEmpty(); }
};

// A cancel stops the card's fits; the card then says the calibration was
// cancelled.
ReportCard ReportCardOf(const Calibration& calibration, const std::atomic<bool>* cancel = nullptr);
// Calibrates the car to the runs, then scores the methods.
ReportCard ReportCardOf(const CarInputs& typed, const QList<TimeSlip>& runs);

// The dial-in for a day's air from the card's best method that predicts
// ahead, with its 95 % band.
DialIn DialInFor(const ReportCard& card, const Calibration& calibration, const AirConditions& air);
