// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of the one-page printed report of one car.
//
// In: the five inputs the print job read, the twelve results of its own run
// (ReportValues) and the title the user typed. Out: the title and the
// seventeen value lines, each on its numbered line slot. Drawing them is the
// printer's business (results/Report).
//
// The numbers are formatted with QString::asprintf, which always writes "."
// as the decimal point whatever the C locale says; the words are
// translated, and every number still ends in the same column.
#pragma once

#include "core/CarInputs.h"
#include "engine/Simulation.h"

#include <QList>
#include <QString>

struct ReportValues {
    // The inputs, as the print job read them.
    double horsepower = 0;
    double carWeight = 0;
    double dragCoefficient = 0;
    int quarterMileShifts = 0;
    double spinTime = 0;

    // The results of the job's own run.
    SimulationResults results;
};

// The report's values: the five inputs the job read and the twelve results
// of the run of that car.
ReportValues ReportValuesFor(const CarInputs& car, const SimulationResults& results);

struct ReportLine {
    enum Style { Title, Value };

    int slot = 0;
    QString text;
    Style style = Value;

    bool operator==(const ReportLine&) const = default;
};

// The text that stands for a speed mark the car never passes (translated in
// the lines).
inline constexpr char ForgetIt[] = QT_TRANSLATE_NOOP("ReportLines", "Forget it!");

// The column in which every number, and every "Forget it!", ends.
inline constexpr int ReportValueColumn = 39;

// The title on slot 2, then the seventeen value lines in printing order,
// each with its trailing space. A speed-mark time of exactly 0 prints
// "Forget it!"; the 60-80 line follows the 0-80 time, not its own.
QList<ReportLine> ReportLines(const QString& title, const ReportValues& values);
