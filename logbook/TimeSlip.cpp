// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/TimeSlip.h"

#include "core/Air.h"
#include "core/CsvReader.h"
#include "numbers/EnumTable.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(TimeSlip)
};

struct FieldInfo {
    SlipField field;
    const char* key;
    SlipNumber member; // nullptr for the fields that are not numbers
    int decimals;
    const char* unit;   // UTF-8; nullptr for the fields that are not numbers
    const char* name;   // in the context TimeSlip
    const char* header; // in the context SlipTableModel
    const SplitFigureInfo* split; // nullptr for the fields that are not splits
};

// A split takes its key, decimals and unit from the time slip's figures.
constexpr FieldInfo splitRow(SlipField field, SplitFigure figure, SlipNumber member, const char* name,
                             const char* header)
{
    const SplitFigureInfo& split = InfoOf(figure);
    return { field, split.key, member, split.decimals, split.unit, name, header, &split };
}

// One row per field, in SlipField order.
constexpr std::array<FieldInfo, SlipFieldCount> fieldTable = { {
    { SlipField::Date, "date", nullptr, 0, nullptr, QT_TRANSLATE_NOOP("TimeSlip", "date"),
      QT_TRANSLATE_NOOP("SlipTableModel", "Date"), nullptr },
    { SlipField::Track, "track", nullptr, 0, nullptr, QT_TRANSLATE_NOOP("TimeSlip", "track"),
      QT_TRANSLATE_NOOP("SlipTableModel", "Track"), nullptr },
    { SlipField::Elevation, "elevation", &TimeSlip::elevation, 0, "ft", QT_TRANSLATE_NOOP("TimeSlip", "elevation"),
      QT_TRANSLATE_NOOP("SlipTableModel", "Elevation (ft)"), nullptr },
    { SlipField::Temperature, "temperature", &TimeSlip::temperature, 1, "°F",
      QT_TRANSLATE_NOOP("TimeSlip", "temperature"), QT_TRANSLATE_NOOP("SlipTableModel", "Temperature (°F)"),
      nullptr },
    { SlipField::Pressure, "pressure", &TimeSlip::pressure, 2, "inHg",
      QT_TRANSLATE_NOOP("TimeSlip", "station pressure"), QT_TRANSLATE_NOOP("SlipTableModel", "Pressure (inHg)"),
      nullptr },
    { SlipField::Humidity, "humidity", &TimeSlip::humidity, 0, "%", QT_TRANSLATE_NOOP("TimeSlip", "humidity"),
      QT_TRANSLATE_NOOP("SlipTableModel", "Humidity (%)"), nullptr },
    { SlipField::ReactionTime, "reactionTime", &TimeSlip::reactionTime, 3, "s",
      QT_TRANSLATE_NOOP("TimeSlip", "reaction time"), QT_TRANSLATE_NOOP("SlipTableModel", "Reaction (s)"),
      nullptr },
    splitRow(SlipField::SixtyFootTime, SplitFigure::SixtyFootTime, &TimeSlip::sixtyFootTime,
             QT_TRANSLATE_NOOP("TimeSlip", "60-foot time"),
             QT_TRANSLATE_NOOP("SlipTableModel", "60 ft (s)")),
    splitRow(SlipField::ThreeThirtyFootTime, SplitFigure::ThreeThirtyFootTime, &TimeSlip::threeThirtyFootTime,
             QT_TRANSLATE_NOOP("TimeSlip", "330-foot time"),
             QT_TRANSLATE_NOOP("SlipTableModel", "330 ft (s)")),
    splitRow(SlipField::EighthMileTime, SplitFigure::EighthMileTime, &TimeSlip::eighthMileTime,
             QT_TRANSLATE_NOOP("TimeSlip", "1/8-mile time"),
             QT_TRANSLATE_NOOP("SlipTableModel", "1/8 mile (s)")),
    splitRow(SlipField::EighthMileSpeed, SplitFigure::EighthMileSpeed, &TimeSlip::eighthMileSpeed,
             QT_TRANSLATE_NOOP("TimeSlip", "1/8-mile speed"),
             QT_TRANSLATE_NOOP("SlipTableModel", "1/8 mile (mph)")),
    splitRow(SlipField::ThousandFootTime, SplitFigure::ThousandFootTime, &TimeSlip::thousandFootTime,
             QT_TRANSLATE_NOOP("TimeSlip", "1000-foot time"),
             QT_TRANSLATE_NOOP("SlipTableModel", "1000 ft (s)")),
    splitRow(SlipField::QuarterMileTime, SplitFigure::QuarterMileTime, &TimeSlip::quarterMileTime,
             QT_TRANSLATE_NOOP("TimeSlip", "quarter-mile time"),
             QT_TRANSLATE_NOOP("SlipTableModel", "1/4 mile (s)")),
    splitRow(SlipField::QuarterMileSpeed, SplitFigure::QuarterMileSpeed, &TimeSlip::quarterMileSpeed,
             QT_TRANSLATE_NOOP("TimeSlip", "quarter-mile speed"),
             QT_TRANSLATE_NOOP("SlipTableModel", "1/4 mile (mph)")),
    { SlipField::Note, "note", nullptr, 0, nullptr, QT_TRANSLATE_NOOP("TimeSlip", "note"),
      QT_TRANSLATE_NOOP("SlipTableModel", "Note"), nullptr },
} };

static_assert(InEnumOrder(fieldTable, &FieldInfo::field));

const FieldInfo& infoOf(SlipField field)
{
    return RowOf(fieldTable, field);
}

// The split times in the order the car reaches them.
constexpr std::array<SlipField, 5> splitsAlongTheTrack = {
    SlipField::SixtyFootTime, SlipField::ThreeThirtyFootTime, SlipField::EighthMileTime,
    SlipField::ThousandFootTime, SlipField::QuarterMileTime,
};

QString label(SlipField field, FieldNaming naming)
{
    if (naming == FieldNaming::Keys)
        return SlipFieldKey(field);
    return Text::tr("the %1").arg(SlipFieldName(field));
}

// A message that starts with a field's name: capitalised when the name is
// in words, as it stands when it is a column name.
QString sentence(QString text, FieldNaming naming)
{
    if (naming == FieldNaming::Words && !text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A number in a sentence: in the user's locale (QLocale's default), as
// short as reads back the same, its digits never grouped, as they are typed.
QString numberText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

// The values a slip's times and speeds can hold. The times and speeds take what a car at the
// strip can make, from a top-fuel dragster (0.8 s to 60 ft, 3 s over the
// quarter mile, 350 mph) to a slow street car (4 s to 60 ft, 30 s over the
// quarter mile, 20 mph); the 330-ft and 1000-ft times lie between their
// neighbours' bounds. A reaction time lies between 0 and 2 s, or is a red
// light, down to leaving on the first amber of a full tree (-1.5 s): stored
// runs and exported files hold red lights, and they stay readable.
struct Range {
    double low;
    double high;
};

std::optional<Range> rangeOf(SlipField field)
{
    switch (field) {
    case SlipField::ReactionTime: return Range{ -1.5, 2 };
    case SlipField::SixtyFootTime: return Range{ 0.8, 4 };
    case SlipField::ThreeThirtyFootTime: return Range{ 1.5, 15 };
    case SlipField::EighthMileTime: return Range{ 2, 20 };
    case SlipField::ThousandFootTime: return Range{ 2.5, 26 };
    case SlipField::QuarterMileTime: return Range{ 3, 30 };
    case SlipField::EighthMileSpeed:
    case SlipField::QuarterMileSpeed: return Range{ 20, 350 };
    default: break;
    }
    return std::nullopt;
}

// The weather fields, whose ranges and messages are the air's (core/Air).
std::optional<AirField> airFieldOf(SlipField field)
{
    switch (field) {
    case SlipField::Elevation: return AirField::Elevation;
    case SlipField::Temperature: return AirField::Temperature;
    case SlipField::Pressure: return AirField::Pressure;
    case SlipField::Humidity: return AirField::Humidity;
    default: return std::nullopt;
    }
}

// Why one number field's value cannot be kept, empty when it can.
QString numberProblem(SlipField field, double value, FieldNaming naming)
{
    const QString name = label(field, naming);
    if (!std::isfinite(value))
        return Text::tr("%1 is not a finite number.").arg(name);
    // The weather takes the messages of the air's boxes and the runner's
    // options.
    if (const std::optional<AirField> box = airFieldOf(field)) {
        const QString message = AirFieldMessage(*box, value);
        if (message.isEmpty() || naming == FieldNaming::Words)
            return message;
        return Text::tr("%1: %2").arg(name, message);
    }
    const std::optional<Range> range = rangeOf(field);
    if (field == SlipField::ReactionTime && !(value >= range->low && value <= range->high))
        return Text::tr("%1 must lie between 0 and 2 s, or down to %2 s for a red light (it is %3).")
            .arg(name, numberText(range->low), numberText(value));
    if (range && !(value >= range->low && value <= range->high))
        return Text::tr("%1 must lie between %2 and %3 %4 (it is %5).")
            .arg(name, numberText(range->low), numberText(range->high), SlipFieldUnit(field), numberText(value));
    return QString();
}

bool hasBoth(const TimeSlip& run, SlipNumber time, SlipNumber speed)
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

QString SlipFieldKey(SlipField field)
{
    return QString::fromLatin1(infoOf(field).key);
}

std::optional<SlipField> SlipFieldFromKey(const QString& key)
{
    for (const FieldInfo& info : fieldTable)
        if (key == QLatin1String(info.key))
            return info.field;
    return std::nullopt;
}

QString SlipFieldName(SlipField field)
{
    return QCoreApplication::translate("TimeSlip", infoOf(field).name);
}

QString SlipFieldUnit(SlipField field)
{
    return QString::fromUtf8(infoOf(field).unit);
}

QString SlipFieldHeader(SlipField field)
{
    return QCoreApplication::translate("SlipTableModel", infoOf(field).header);
}

const SplitFigureInfo* SplitOf(SlipField field)
{
    return infoOf(field).split;
}

SlipField SlipFieldOf(const SplitFigureInfo& figure)
{
    return std::find_if(fieldTable.begin(), fieldTable.end(), [&figure](const FieldInfo& info) {
        return info.split == &figure;
    })->field;
}

int SlipFieldDecimals(SlipField field)
{
    return infoOf(field).decimals;
}

bool IsNumberField(SlipField field)
{
    return infoOf(field).member != nullptr;
}

SlipNumber NumberMember(SlipField field)
{
    return infoOf(field).member;
}

QString SlipProblem(const TimeSlip& run, FieldNaming naming)
{
    if (run.time.isValid() && !run.date.isValid())
        return Text::tr("A run with a time needs a date.");
    if (run.time.isValid() && run.time.msec() != 0)
        return Text::tr("A run's time is kept in whole seconds, without the %1 ms this one has.").arg(run.time.msec());
    if (run.date.isValid() && (run.date.year() < 1 || run.date.year() > 9999))
        return sentence(Text::tr("%1 must lie within the years 1 to 9999.").arg(label(SlipField::Date, naming)), naming);
    for (const FieldInfo& info : fieldTable) {
        if (!info.member || !(run.*info.member))
            continue;
        const QString problem = numberProblem(info.field, *(run.*info.member), naming);
        if (!problem.isEmpty())
            return sentence(problem, naming);
    }
    if (!hasBoth(run, &TimeSlip::quarterMileTime, &TimeSlip::quarterMileSpeed)
        && !hasBoth(run, &TimeSlip::eighthMileTime, &TimeSlip::eighthMileSpeed))
        return Text::tr("A run needs %1 and %2, or %3 and %4.")
            .arg(label(SlipField::QuarterMileTime, naming), label(SlipField::QuarterMileSpeed, naming),
                 label(SlipField::EighthMileTime, naming), label(SlipField::EighthMileSpeed, naming));
    // Each split is reached after the ones before it.
    const FieldInfo* earlier = nullptr;
    for (const SlipField split : splitsAlongTheTrack) {
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

QString SetTypedNumber(TimeSlip& run, SlipField field, const QString& text)
{
    std::optional<double>& number = run.*NumberMember(field);
    if (text.trimmed().isEmpty()) {
        number.reset();
        return QString();
    }
    if (const std::optional<double> read = CsvNumber(text)) {
        number = *read;
        return QString();
    }
    QLocale locale;
    if (locale.decimalPoint() == QLatin1String("."))
        return Text::tr("\"%1\" is not a number for the %2: write it with \".\" as the decimal point.")
            .arg(text, SlipFieldName(field));
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (ok && std::isfinite(value)) {
        number = value;
        return QString();
    }
    return Text::tr("\"%1\" is not a number for the %2: write it with \"%3\" or \".\" as the decimal point.")
        .arg(text, SlipFieldName(field), locale.decimalPoint());
}

QString CarProblem(const LoggedCar& car)
{
    if (car.name.trimmed().isEmpty())
        return Text::tr("A car in the logbook needs a name.");
    return QString();
}

QString SlipLabel(const TimeSlip& run)
{
    QString finish;
    for (const auto& [time, speed] : { std::pair{ SlipField::QuarterMileTime, SlipField::QuarterMileSpeed },
                                       std::pair{ SlipField::EighthMileTime, SlipField::EighthMileSpeed } }) {
        const std::optional<double> t = run.*NumberMember(time);
        const std::optional<double> v = run.*NumberMember(speed);
        if (!t || !v)
            continue;
        finish = time == SlipField::QuarterMileTime
                     ? Text::tr("%1 s, %2 mph")
                     : Text::tr("1/8 mile %1 s, %2 mph");
        // A sentence's numbers in the user's locale.
        const QLocale locale;
        finish = finish.arg(locale.toString(*t, 'f', SlipFieldDecimals(time)),
                            locale.toString(*v, 'f', SlipFieldDecimals(speed)));
        break;
    }
    const QString date = SlipDateText(run);
    QString label = date.isEmpty() ? Text::tr("The run without a date") : Text::tr("The run of %1").arg(date);
    if (!run.track.trimmed().isEmpty())
        label = Text::tr("%1 at %2").arg(label, run.track.trimmed());
    return finish.isEmpty() ? label : Text::tr("%1 (%2)").arg(label, finish);
}

QString SlipDateText(const TimeSlip& run)
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

bool ReadSlipDate(const QString& text, QDate& date, QTime& time)
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

bool SlipComesBefore(const TimeSlip& a, const TimeSlip& b)
{
    // As SQL orders them: a missing date or time before any other.
    auto key = [](const TimeSlip& run) {
        return std::tuple(run.date.isValid(), run.date.isValid() ? run.date.toJulianDay() : 0,
                          run.time.isValid(), run.time.isValid() ? run.time.msecsSinceStartOfDay() : 0,
                          run.id);
    };
    return key(a) < key(b);
}
