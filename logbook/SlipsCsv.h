// SPDX-License-Identifier: GPL-3.0-or-later
// SlipsCsv: time slips to and from CSV, so that a spreadsheet or a weather
// station's export can feed the logbook and the runner, with no database.
//
// In: a CSV file whose header line names its columns, in any order, case,
// spaces and underscores aside: by the keys SlipFieldKey gives (date, track,
// elevation, temperature, pressure, humidity, reactionTime, sixtyFootTime,
// threeThirtyFootTime, eighthMileTime, eighthMileSpeed, thousandFootTime,
// quarterMileTime, quarterMileSpeed, note), by altimeterSetting, or by the
// headers racers' sheets use (Temp, Baro, RT, 60ft, 1/4 ET, ...; see
// KnownSlipColumn). A column the reader does not know is ignored unless the
// caller says what it holds (SlipsCsvOptions::columns); missing ones are
// empty. An altimeter setting becomes the station pressure at the row's
// elevation (0 ft when it has none). Dates are ISO (YYYY-MM-DD), US
// (m/d/yyyy) or the locale's short form; when both of the latter read every
// date of the file and give different days, the caller chooses
// (SlipsCsvOptions::dateOrder), else the file is refused with
// SlipsRead::ambiguousDate set. Numbers are read with "." as the decimal
// point whatever the locale.
//
// Out: the runs read, in file order, and a refusal for each row that could
// not be taken ("line 7: quarterMileTime is not a number: \"12,3\""); the
// good rows still count.
//
// Writing gives every column in that order, through the core's CSV writer:
// numbers as number cells in their shortest exact form, so that a file
// written and read back gives the very same runs.
#pragma once

#include "logbook/TimeSlip.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// What a column of a sheet holds: a field of the run, the altimeter setting
// (read into the station pressure), or nothing the logbook keeps (the
// density altitude, which it works out from the weather; the lane).
struct SlipColumn {
    enum class Kind { Field, AltimeterSetting, Ignored };
    Kind kind = Kind::Ignored;
    SlipField field = SlipField::Note; // for Kind::Field

    bool operator==(const SlipColumn&) const = default;
};
// What a header names, as the reader knows it; nullopt for a header it does
// not know.
std::optional<SlipColumn> KnownSlipColumn(const QString& header);
// Every column a user can choose for a header: the fields, the altimeter
// setting, then "ignore"; with a key to remember it by (SlipFieldKey,
// "altimeterSetting", "" for ignore) and its name for a list to choose from.
QList<SlipColumn> ChoosableSlipColumns();
QString SlipColumnKey(const SlipColumn& column);
std::optional<SlipColumn> SlipColumnFromKey(const QString& key);
QString SlipColumnName(const SlipColumn& column);

// How the dates that read two ways are read: month first (US) or day first.
enum class DateOrder { Unknown, MonthFirst, DayFirst };

struct SlipsCsvOptions {
    // What the headers the reader does not know hold, by the header's text
    // (spaces around it aside).
    QHash<QString, SlipColumn> columns;
    DateOrder dateOrder = DateOrder::Unknown;
    // The locale whose short date form is read.
    QLocale locale;
};

struct SlipsRead {
    QList<TimeSlip> runs;   // the rows taken, without ids or car
    QList<qsizetype> lines;  // the line each of them starts on
    QStringList refusals;    // "line N: reason", one for each row refused
    QStringList warnings;    // "line N: ..." for a pressure that looks like the other kind
    QString error;           // the whole file refused; then nothing was read
    QStringList headers;        // the header line's texts, spaces around them aside
    QStringList unknownColumns; // the headers neither known nor in the options (ignored)
    QString ambiguousDate;      // a date that reads two ways (then the error says so)
};

// The largest file LoadSlipsCsv reads; a file of time slips is far smaller.
inline constexpr qint64 MaxSlipsCsvBytes = 16 * 1024 * 1024;

SlipsRead ReadSlipsCsv(QByteArrayView bytes, const SlipsCsvOptions& options = {});
// Reads the file at `path`; a path that is not a regular file (a folder, a
// named pipe, a device) is refused without being opened.
SlipsRead LoadSlipsCsv(const QString& path, const SlipsCsvOptions& options = {});

// A date (and time) as the user types it in the runs table: ISO as
// ReadSlipDate reads it, the locale's short form or US m/d/yyyy, as an
// import reads them; a date that reads both of the latter ways is the
// locale's. An empty text is no date. Returns why the text is not a date,
// empty when it is (then `date` and `time` hold it).
QString ReadTypedSlipDate(const QString& text, const QLocale& locale, QDate& date, QTime& time);

// Whether two runs are the same run at the strip: the same date and time and
// the same finish (time and speed). An import skips such runs.
bool SameRun(const TimeSlip& a, const TimeSlip& b);
// The runs of `imported` that are neither in `stored` nor earlier in
// `imported` itself.
QList<TimeSlip> NewRuns(const QList<TimeSlip>& imported, const QList<TimeSlip>& stored);

// The runs as a CSV file: the header line, then one row a run.
QByteArray SlipsCsv(const QList<TimeSlip>& runs);
// Writes that file whole or not at all (see core/FileSave.h); an error
// message, empty on success.
QString SaveSlipsCsv(const QString& path, const QList<TimeSlip>& runs);
