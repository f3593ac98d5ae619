// SPDX-License-Identifier: GPL-3.0-or-later
// SlipsCsv: time slips to and from CSV, so that a spreadsheet or a weather
// station's export can feed the logbook and the runner, with no database.
//
// In: a CSV file whose header line names its columns (any order, names as
// SlipFieldKey gives them, case and surrounding spaces aside): date, track,
// elevation, temperature, pressure, humidity, reactionTime, sixtyFootTime,
// threeThirtyFootTime, eighthMileTime, eighthMileSpeed, thousandFootTime,
// quarterMileTime, quarterMileSpeed, note. Unknown columns are ignored and
// missing ones are empty. Out: the runs read, in file order, and a refusal
// for each row that could not be taken ("line 7: quarterMileTime is not a
// number: \"12,3\""); the good rows still count. Numbers are read with "." as
// the decimal point whatever the locale, dates as ReadSlipDate reads them.
//
// Writing gives every column in that order, through the core's CSV writer:
// numbers as number cells in their shortest exact form, so that a file
// written and read back gives the very same runs.
#pragma once

#include "logbook/TimeSlip.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

struct SlipsRead {
    QList<TimeSlip> runs;   // the rows taken, without ids or car
    QList<qsizetype> lines;  // the line each of them starts on
    QStringList refusals;    // "line N: reason", one for each row refused
    QString error;           // the whole file refused; then nothing was read
};

// The largest file LoadSlipsCsv reads; a file of time slips is far smaller.
inline constexpr qint64 MaxSlipsCsvBytes = 16 * 1024 * 1024;

SlipsRead ReadSlipsCsv(QByteArrayView bytes);
// Reads the file at `path`; a path that is not a regular file (a folder, a
// named pipe, a device) is refused without being opened.
SlipsRead LoadSlipsCsv(const QString& path);

// The runs as a CSV file: the header line, then one row a run.
QByteArray SlipsCsv(const QList<TimeSlip>& runs);
// Writes that file whole or not at all (see core/FileSave.h); an error
// message, empty on success.
QString SaveSlipsCsv(const QString& path, const QList<TimeSlip>& runs);
