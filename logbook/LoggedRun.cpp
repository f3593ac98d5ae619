// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/LoggedRun.h"

#include "core/Air.h"
#include "core/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(LoggedRun)
};

struct FieldInfo {
    RunField field;
    const char* key;
    RunNumber member;
    int decimals;
};

// One row per field, in RunField order.
constexpr std::array<FieldInfo, RunFieldCount> fieldTable = { {
    { RunField::Date, "date", nullptr, 0 },
    { RunField::Track, "track", nullptr, 0 },
    { RunField::Elevation, "elevation", &LoggedRun::elevation, 0 },
    { RunField::Temperature, "temperature", &LoggedRun::temperature, 1 },
    { RunField::Pressure, "pressure", &LoggedRun::pressure, 2 },
    { RunField::Humidity, "humidity", &LoggedRun::humidity, 0 },
    { RunField::ReactionTime, "reactionTime", &LoggedRun::reactionTime, 3 },
    { RunField::SixtyFootTime, "sixtyFootTime", &LoggedRun::sixtyFootTime, 3 },
    { RunField::ThreeThirtyFootTime, "threeThirtyFootTime", &LoggedRun::threeThirtyFootTime, 3 },
    { RunField::EighthMileTime, "eighthMileTime", &LoggedRun::eighthMileTime, 3 },
    { RunField::EighthMileSpeed, "eighthMileSpeed", &LoggedRun::eighthMileSpeed, 2 },
    { RunField::ThousandFootTime, "thousandFootTime", &LoggedRun::thousandFootTime, 3 },
    { RunField::QuarterMileTime, "quarterMileTime", &LoggedRun::quarterMileTime, 3 },
    { RunField::QuarterMileSpeed, "quarterMileSpeed", &LoggedRun::quarterMileSpeed, 2 },
    { RunField::Note, "note", nullptr, 0 },
} };

const FieldInfo& infoOf(RunField field)
{
    return fieldTable[static_cast<std::size_t>(field)];
}

// The split times in the order the car reaches them.
constexpr std::array<RunField, 5> splitsAlongTheTrack = {
    RunField::SixtyFootTime, RunField::ThreeThirtyFootTime, RunField::EighthMileTime,
    RunField::ThousandFootTime, RunField::QuarterMileTime,
};

QString label(RunField field, FieldNaming naming)
{
    if (naming == FieldNaming::Keys)
        return RunFieldKey(field);
    return Text::tr("the %1").arg(RunFieldName(field));
}

// A message that starts with a field's name: capitalised when the name is
// in words, as it stands when it is a column name.
QString sentence(QString text, FieldNaming naming)
{
    if (naming == FieldNaming::Words && !text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString numberText(double value)
{
    return QString::fromLatin1(ShortestText(value));
}

// The values a slip can hold. The weather takes the ranges of the boxes that
// hold the day's air (core/Air). The times and speeds take what a car at the
// strip can make, from a top-fuel dragster (0.8 s to 60 ft, 3 s over the
// quarter mile, 350 mph) to a slow street car (4 s to 60 ft, 30 s over the
// quarter mile, 20 mph); the 330-ft and 1000-ft times lie between their
// neighbours' bounds. A reaction time may be a red light, down to leaving on
// the first amber of a full tree (-1.5 s).
struct Range {
    double low;
    double high;
};

std::optional<Range> rangeOf(RunField field)
{
    auto air = [](AirField box) {
        const auto& ranges = AirRanges();
        const auto range = std::find_if(ranges.begin(), ranges.end(), [box](const AirRange& r) { return r.field == box; });
        return Range{ range->low, range->high };
    };
    switch (field) {
    case RunField::Elevation: return air(AirField::Elevation);
    case RunField::Temperature: return air(AirField::Temperature);
    case RunField::Pressure: return air(AirField::Pressure);
    case RunField::Humidity: return air(AirField::Humidity);
    case RunField::ReactionTime: return Range{ -1.5, 2 };
    case RunField::SixtyFootTime: return Range{ 0.8, 4 };
    case RunField::ThreeThirtyFootTime: return Range{ 1.5, 15 };
    case RunField::EighthMileTime: return Range{ 2, 20 };
    case RunField::ThousandFootTime: return Range{ 2.5, 26 };
    case RunField::QuarterMileTime: return Range{ 3, 30 };
    case RunField::EighthMileSpeed:
    case RunField::QuarterMileSpeed: return Range{ 20, 350 };
    case RunField::Date:
    case RunField::Track:
    case RunField::Note: break;
    }
    return std::nullopt;
}

// Why one number field's value cannot be kept, empty when it can.
QString numberProblem(RunField field, double value, FieldNaming naming)
{
    const QString name = label(field, naming);
    if (!std::isfinite(value))
        return Text::tr("%1 is not a finite number.").arg(name);
    const std::optional<Range> range = rangeOf(field);
    if (range && !(value >= range->low && value <= range->high))
        return Text::tr("%1 must lie between %2 and %3 %4 (it is %5).")
            .arg(name, numberText(range->low), numberText(range->high), RunFieldUnit(field), numberText(value));
    return QString();
}

bool hasBoth(const LoggedRun& run, RunNumber time, RunNumber speed)
{
    return (run.*time).has_value() && (run.*speed).has_value();
}

// The `count` ASCII digits of `text` at `at` as a number, -1 when they are
// not all digits.
int digitsAt(QStringView text, qsizetype at, qsizetype count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < u'0' || text[i] > u'9')
            return -1;
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

} // namespace

QString RunFieldKey(RunField field)
{
    return QString::fromLatin1(infoOf(field).key);
}

std::optional<RunField> RunFieldFromKey(const QString& key)
{
    for (const FieldInfo& info : fieldTable)
        if (key == QLatin1String(info.key))
            return info.field;
    return std::nullopt;
}

QString RunFieldName(RunField field)
{
    switch (field) {
    case RunField::Date: return Text::tr("date");
    case RunField::Track: return Text::tr("track");
    case RunField::Elevation: return Text::tr("elevation");
    case RunField::Temperature: return Text::tr("temperature");
    case RunField::Pressure: return Text::tr("station pressure");
    case RunField::Humidity: return Text::tr("humidity");
    case RunField::ReactionTime: return Text::tr("reaction time");
    case RunField::SixtyFootTime: return Text::tr("60-foot time");
    case RunField::ThreeThirtyFootTime: return Text::tr("330-foot time");
    case RunField::EighthMileTime: return Text::tr("1/8-mile time");
    case RunField::EighthMileSpeed: return Text::tr("1/8-mile speed");
    case RunField::ThousandFootTime: return Text::tr("1000-foot time");
    case RunField::QuarterMileTime: return Text::tr("quarter-mile time");
    case RunField::QuarterMileSpeed: return Text::tr("quarter-mile speed");
    case RunField::Note: return Text::tr("note");
    }
    return QString();
}

QString RunFieldUnit(RunField field)
{
    switch (field) {
    case RunField::Elevation: return QStringLiteral("ft");
    case RunField::Temperature: return QStringLiteral("°F");
    case RunField::Pressure: return QStringLiteral("inHg");
    case RunField::Humidity: return QStringLiteral("%");
    case RunField::EighthMileSpeed:
    case RunField::QuarterMileSpeed: return QStringLiteral("mph");
    case RunField::ReactionTime:
    case RunField::SixtyFootTime:
    case RunField::ThreeThirtyFootTime:
    case RunField::EighthMileTime:
    case RunField::ThousandFootTime:
    case RunField::QuarterMileTime: return QStringLiteral("s");
    case RunField::Date:
    case RunField::Track:
    case RunField::Note: break;
    }
    return QString();
}

int RunFieldDecimals(RunField field)
{
    return infoOf(field).decimals;
}

bool IsNumberField(RunField field)
{
    return infoOf(field).member != nullptr;
}

RunNumber NumberMember(RunField field)
{
    return infoOf(field).member;
}

QString RunProblem(const LoggedRun& run, FieldNaming naming)
{
    if (run.time.isValid() && !run.date.isValid())
        return Text::tr("A run with a time needs a date.");
    if (run.time.isValid() && run.time.msec() != 0)
        return Text::tr("A run's time is kept in whole seconds, without the %1 ms this one has.").arg(run.time.msec());
    if (run.date.isValid() && (run.date.year() < 1 || run.date.year() > 9999))
        return sentence(Text::tr("%1 must lie within the years 1 to 9999.").arg(label(RunField::Date, naming)), naming);
    for (const FieldInfo& info : fieldTable) {
        if (!info.member || !(run.*info.member))
            continue;
        const QString problem = numberProblem(info.field, *(run.*info.member), naming);
        if (!problem.isEmpty())
            return sentence(problem, naming);
    }
    if (!hasBoth(run, &LoggedRun::quarterMileTime, &LoggedRun::quarterMileSpeed)
        && !hasBoth(run, &LoggedRun::eighthMileTime, &LoggedRun::eighthMileSpeed))
        return Text::tr("A run needs %1 and %2, or %3 and %4.")
            .arg(label(RunField::QuarterMileTime, naming), label(RunField::QuarterMileSpeed, naming),
                 label(RunField::EighthMileTime, naming), label(RunField::EighthMileSpeed, naming));
    // Each split is reached after the ones before it.
    const FieldInfo* earlier = nullptr;
    for (const RunField split : splitsAlongTheTrack) {
        const FieldInfo& info = infoOf(split);
        if (!(run.*info.member))
            continue;
        if (earlier && !(*(run.*info.member) > *(run.*earlier->member)))
            return sentence(Text::tr("%1 (%2 s) must be longer than %3 (%4 s).")
                                .arg(label(split, naming), numberText(*(run.*info.member)),
                                     label(earlier->field, naming), numberText(*(run.*earlier->member))),
                            naming);
        earlier = &info;
    }
    return QString();
}

QString CarProblem(const LoggedCar& car)
{
    if (car.name.trimmed().isEmpty())
        return Text::tr("A car in the logbook needs a name.");
    return QString();
}

QString RunLabel(const LoggedRun& run)
{
    QString finish;
    for (const auto& [time, speed] : { std::pair{ RunField::QuarterMileTime, RunField::QuarterMileSpeed },
                                       std::pair{ RunField::EighthMileTime, RunField::EighthMileSpeed } }) {
        const std::optional<double> t = run.*NumberMember(time);
        const std::optional<double> v = run.*NumberMember(speed);
        if (!t || !v)
            continue;
        finish = time == RunField::QuarterMileTime
                     ? Text::tr("%1 s, %2 mph")
                     : Text::tr("1/8 mile %1 s, %2 mph");
        finish = finish.arg(QString::asprintf("%.*f", RunFieldDecimals(time), *t),
                            QString::asprintf("%.*f", RunFieldDecimals(speed), *v));
        break;
    }
    const QString date = RunDateText(run);
    QString label = date.isEmpty() ? Text::tr("The run without a date") : Text::tr("The run of %1").arg(date);
    if (!run.track.trimmed().isEmpty())
        label = Text::tr("%1 at %2").arg(label, run.track.trimmed());
    return finish.isEmpty() ? label : Text::tr("%1 (%2)").arg(label, finish);
}

QString RunDateText(const LoggedRun& run)
{
    if (!run.date.isValid())
        return QString();
    QString text = QString::asprintf("%04d-%02d-%02d", run.date.year(), run.date.month(), run.date.day());
    if (run.time.isValid()) {
        text += QString::asprintf(" %02d:%02d", run.time.hour(), run.time.minute());
        if (run.time.second() != 0)
            text += QString::asprintf(":%02d", run.time.second());
    }
    return text;
}

bool ReadRunDate(const QString& text, QDate& date, QTime& time)
{
    const QStringView trimmed = QStringView(text).trimmed();
    if (trimmed.isEmpty()) {
        date = QDate();
        time = QTime();
        return true;
    }
    // YYYY-MM-DD, then optionally [T ]HH:MM, then optionally :SS.
    const qsizetype size = trimmed.size();
    if (size != 10 && size != 16 && size != 19)
        return false;
    const int year = digitsAt(trimmed, 0, 4);
    const int month = digitsAt(trimmed, 5, 2);
    const int day = digitsAt(trimmed, 8, 2);
    if (year < 1 || month < 0 || day < 0 || trimmed[4] != u'-' || trimmed[7] != u'-')
        return false;
    const QDate readDate(year, month, day);
    if (!readDate.isValid())
        return false;
    QTime readTime;
    if (size > 10) {
        const int hour = digitsAt(trimmed, 11, 2);
        const int minute = digitsAt(trimmed, 14, 2);
        const int second = size == 19 ? digitsAt(trimmed, 17, 2) : 0;
        if ((trimmed[10] != u'T' && trimmed[10] != u' ') || trimmed[13] != u':'
            || (size == 19 && trimmed[16] != u':') || hour < 0 || minute < 0 || second < 0)
            return false;
        readTime = QTime(hour, minute, second);
        if (!readTime.isValid())
            return false;
    }
    date = readDate;
    time = readTime;
    return true;
}

bool RunComesBefore(const LoggedRun& a, const LoggedRun& b)
{
    // As SQL orders them: a missing date or time before any other.
    auto key = [](const LoggedRun& run) {
        return std::tuple(run.date.isValid(), run.date.isValid() ? run.date.toJulianDay() : 0,
                          run.time.isValid(), run.time.isValid() ? run.time.msecsSinceStartOfDay() : 0,
                          run.id);
    };
    return key(a) < key(b);
}
