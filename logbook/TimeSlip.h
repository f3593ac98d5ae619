// SPDX-License-Identifier: GPL-3.0-or-later
// TimeSlip: the values the logbook keeps, apart from any database. A car as
// the user typed it (LoggedCar) and a run at the strip with its weather and
// its time slip (TimeSlip), the fields a run has with their names, units and
// shown decimals, and the checks every stored or imported run passes.
//
// The units are the classic ones: feet, °F, inHg (station pressure, as the
// track's weather station reads it), % relative humidity, seconds and mph.
// The fit, the runner and the garage read these structs; only the logbook
// (logbook/Logbook.h) knows SQL.
#pragma once

#include "core/CarInputs.h"
#include "numbers/SplitFigures.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

// A car of the logbook: its name, the nine inputs as typed, the .trv file
// they came from (empty when none) and the car's identity.
struct LoggedCar {
    qint64 id = 0; // 0 until stored
    QString name;
    CarTexts inputs;
    QString trvFile;
    // Stable through renames and copies of the file, which keeps it as its
    // "car=" line; empty until stored.
    QString identity;

    bool operator==(const LoggedCar&) const = default;
};

// One run at the strip. Every field may be missing except the finish: the
// quarter-mile time and speed, or for an eighth-mile track the 1/8-mile time
// and speed. The date and time are the track's wall clock, without a time
// zone, to the second: a time is only given with a date.
struct TimeSlip {
    qint64 id = 0;    // 0 until stored
    qint64 carId = 0; // the car it was run with, once stored
    QDate date;       // invalid when not given
    QTime time;       // invalid when not given
    QString track;
    std::optional<double> elevation;   // ft
    std::optional<double> temperature; // °F
    std::optional<double> pressure;    // inHg, station pressure
    std::optional<double> humidity;    // %
    std::optional<double> reactionTime;        // s
    std::optional<double> sixtyFootTime;       // s
    std::optional<double> threeThirtyFootTime; // s
    std::optional<double> eighthMileTime;      // s
    std::optional<double> eighthMileSpeed;     // mph
    std::optional<double> thousandFootTime;    // s
    std::optional<double> quarterMileTime;     // s
    std::optional<double> quarterMileSpeed;    // mph
    QString note;

    bool operator==(const TimeSlip&) const = default;
};

// The fields of a run in the order of the CSV columns and the garage's
// table.
enum class SlipField {
    Date,
    Track,
    Elevation,
    Temperature,
    Pressure,
    Humidity,
    ReactionTime,
    SixtyFootTime,
    ThreeThirtyFootTime,
    EighthMileTime,
    EighthMileSpeed,
    ThousandFootTime,
    QuarterMileTime,
    QuarterMileSpeed,
    Note,
};
inline constexpr int SlipFieldCount = 15;

inline constexpr std::array<SlipField, SlipFieldCount> AllSlipFields = {
    SlipField::Date,           SlipField::Track,           SlipField::Elevation,
    SlipField::Temperature,    SlipField::Pressure,        SlipField::Humidity,
    SlipField::ReactionTime,   SlipField::SixtyFootTime,   SlipField::ThreeThirtyFootTime,
    SlipField::EighthMileTime, SlipField::EighthMileSpeed, SlipField::ThousandFootTime,
    SlipField::QuarterMileTime, SlipField::QuarterMileSpeed, SlipField::Note,
};

// The CSV column name of a field ("date", "quarterMileTime", ...).
QString SlipFieldKey(SlipField field);
std::optional<SlipField> SlipFieldFromKey(const QString& key);
// What the user calls a field in a sentence ("quarter-mile time").
QString SlipFieldName(SlipField field);
// The unit of a number field ("s", "mph", "ft", "°F", "inHg", "%"); empty for
// the others.
QString SlipFieldUnit(SlipField field);
// The column header of a field in the tables that list slips ("1/4 mile
// (s)").
QString SlipFieldHeader(SlipField field);
// The time slip's figure a field holds (nullptr for none); the field that
// holds a figure of SplitFigures.
const SplitFigureInfo* SplitOf(SlipField field);
SlipField SlipFieldOf(const SplitFigureInfo& figure);
// The decimals a number field is shown with.
int SlipFieldDecimals(SlipField field);
// Whether a field holds a number (all but the date, track and note).
bool IsNumberField(SlipField field);
// The member that holds a number field; nullptr for the others.
using SlipNumber = std::optional<double> TimeSlip::*;
SlipNumber NumberMember(SlipField field);

// How a check names the fields: as a sentence does ("The quarter-mile time
// must be more than 0 s"), or by their CSV column ("quarterMileTime must be
// more than 0 s"), for the refusals of an import.
enum class FieldNaming { Words, Keys };

// Why a run cannot be kept as it stands, empty when it can: the finish
// missing, a number that is not finite or outside its range, split times that
// do not grow along the track, a time without a date or with milliseconds, a
// date outside the years 1 to 9999. The ranges: the weather as the air's
// boxes and the runner's options take it, with their messages (core/Air:
// -40 to 140 °F, 20 to 32 inHg, 0 to 100 %, -1500 to 14000 ft); the
// reaction time 0 to 2 s, or down to -1.5 s for a red light;
// 60 ft 0.8 to 4 s, 330 ft 1.5 to 15 s, 1/8 mile 2 to 20 s, 1000 ft 2.5 to
// 26 s, 1/4 mile 3 to 30 s; speeds 20 to 350 mph.
QString SlipProblem(const TimeSlip& run, FieldNaming naming = FieldNaming::Words);

// Sets a number field from a text as the user types it (the runs table, a
// new run): a number with "." or the default QLocale's decimal separator,
// digits never grouped, so that "1,234" cannot pass for 1234; an empty text
// clears the field. Returns why the text is not a number, empty when it is
// (its range is SlipProblem's).
QString SetTypedNumber(TimeSlip& run, SlipField field, const QString& text);

// Why a car cannot be kept as it stands (no name), empty when it can.
QString CarProblem(const LoggedCar& car);

// A run named for a message, as a sentence begins: "The run of 2024-05-04
// 14:30 at Maple Grove (13.512 s, 101.50 mph)", with its date and time, its
// track and its finish (the quarter mile's, else the eighth mile's), its
// numbers in the user's locale (QLocale's default).
QString SlipLabel(const TimeSlip& run);

// The date and time as the CSV and the table write them: "2024-05-04",
// "2024-05-04 14:30", or "2024-05-04 14:30:15" when the seconds are not 0;
// empty when there is no date.
QString SlipDateText(const TimeSlip& run);

// A date (and time) as the CSV and the table read it: YYYY-MM-DD, optionally
// followed by "T" or a space and HH:MM or HH:MM:SS, with spaces around it
// allowed. An empty text is no date. False when the text is neither.
bool ReadSlipDate(const QString& text, QDate& date, QTime& time);

// The runs in the order the logbook lists them: by date and time (runs
// without a date first), then by id.
bool SlipComesBefore(const TimeSlip& a, const TimeSlip& b);
