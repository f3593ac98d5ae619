// SPDX-License-Identifier: GPL-3.0-or-later
// The twelve results as the program shows them: their names, and the texts
// of the results dialog with its two number formats.
#pragma once

#include "engine/Simulation.h"

#include <QString>

#include <array>

// The twelve results, in the order GetResults hands them out.
enum class ResultField {
    TopSpeedTime,
    TopSpeed,
    TopSpeedDistance,
    TopSpeedWindForce,
    ZeroToSixtyTime,
    ZeroToHundredTime,
    ZeroToEightyTime,
    SixtyToEightyTime,
    QuarterMileTime,
    QuarterMileSpeed,
    QuarterMileDistance,
    QuarterMileWindForce,
};
inline constexpr int ResultFieldCount = 12;

inline constexpr std::array<ResultField, ResultFieldCount> AllResultFields = {
    ResultField::TopSpeedTime,      ResultField::TopSpeed,         ResultField::TopSpeedDistance,
    ResultField::TopSpeedWindForce, ResultField::ZeroToSixtyTime,  ResultField::ZeroToHundredTime,
    ResultField::ZeroToEightyTime,  ResultField::SixtyToEightyTime, ResultField::QuarterMileTime,
    ResultField::QuarterMileSpeed,  ResultField::QuarterMileDistance,
    ResultField::QuarterMileWindForce,
};

// The name scripts and exported data use for a result ("topSpeedTime" ...
// "quarterMileWindForce").
QString ResultKey(ResultField field);
double ResultValue(const SimulationResults& results, ResultField field);

// A speed-mark result of exactly 0 is a speed the car never passed. The
// 60-80 time counts as passed when the car passed 80 mph, whatever its own
// value is.
bool MarkMissed(const SimulationResults& results, ResultField field);

// The text that stands for a speed the car never passed, in the results
// dialog (with its trailing space); ResultText translates it.
inline constexpr char ForgetItText[] = QT_TRANSLATE_NOOP("ResultTexts", "Forget it! ");

// A result as the results dialog shows it: "%6.2f" for the quarter-mile
// time, speed and wind force and the top speed and its wind force; the
// picture format "###,###.#0" for the rest, with "Forget it! " for a speed
// mark never passed. The picture format takes the given separators.
QString ResultText(const SimulationResults& results, ResultField field,
                   const QString& decimalSeparator, const QString& groupSeparator);
// The same with the separators of the user's locale.
QString ResultText(const SimulationResults& results, ResultField field);
