// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/SlipsCsv.h"

#include "core/Air.h"
#include "core/Csv.h"
#include "core/CsvReader.h"
#include "core/FileSave.h"
#include "core/NumberText.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <array>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(SlipsCsv)
};

// A field's text in a message, cut short when long.
QString quoted(const QString& field)
{
    constexpr qsizetype longest = 40;
    if (field.size() <= longest)
        return u'"' + field + u'"';
    return u'"' + field.left(longest) + QStringLiteral("…\"");
}

bool allEmpty(const QStringList& fields)
{
    return std::all_of(fields.begin(), fields.end(), [](const QString& f) { return f.trimmed().isEmpty(); });
}

// A header as it is compared: lower case, without spaces and underscores.
QString headerKey(const QString& header)
{
    QString key;
    for (const QChar c : header)
        if (!c.isSpace() && c != u'_')
            key += c.toLower();
    return key;
}

constexpr SlipColumn fieldColumn(SlipField field)
{
    return { SlipColumn::Kind::Field, field };
}

constexpr SlipColumn altimeterColumn{ SlipColumn::Kind::AltimeterSetting, SlipField::Note };
constexpr SlipColumn ignoredColumn{};

// The headers of racers' sheets and timing systems, as headerKey gives them.
struct Alias {
    const char* header;
    SlipColumn column;
};
constexpr std::array<Alias, 27> aliases = { {
    { "elev", fieldColumn(SlipField::Elevation) },
    { "temp", fieldColumn(SlipField::Temperature) },
    { "baro", fieldColumn(SlipField::Pressure) },
    { "hum", fieldColumn(SlipField::Humidity) },
    { "rh", fieldColumn(SlipField::Humidity) },
    { "rt", fieldColumn(SlipField::ReactionTime) },
    { "r/t", fieldColumn(SlipField::ReactionTime) },
    { "reaction", fieldColumn(SlipField::ReactionTime) },
    { "60ft", fieldColumn(SlipField::SixtyFootTime) },
    { "60'", fieldColumn(SlipField::SixtyFootTime) },
    { "330", fieldColumn(SlipField::ThreeThirtyFootTime) },
    { "330ft", fieldColumn(SlipField::ThreeThirtyFootTime) },
    { "1/8", fieldColumn(SlipField::EighthMileTime) },
    { "1/8et", fieldColumn(SlipField::EighthMileTime) },
    { "1/8mph", fieldColumn(SlipField::EighthMileSpeed) },
    { "1000", fieldColumn(SlipField::ThousandFootTime) },
    { "1000ft", fieldColumn(SlipField::ThousandFootTime) },
    { "1/4", fieldColumn(SlipField::QuarterMileTime) },
    { "1/4et", fieldColumn(SlipField::QuarterMileTime) },
    { "et", fieldColumn(SlipField::QuarterMileTime) },
    { "1/4mph", fieldColumn(SlipField::QuarterMileSpeed) },
    { "mph", fieldColumn(SlipField::QuarterMileSpeed) },
    { "notes", fieldColumn(SlipField::Note) },
    { "altimeter", altimeterColumn },
    { "da", ignoredColumn },
    { "densityaltitude", ignoredColumn },
    { "lane", ignoredColumn },
} };

constexpr const char* altimeterKey = "altimeterSetting";

// The column of each field (and of the altimeter setting) in the header, -1
// for a missing one; or why the header cannot be taken.
struct Header {
    std::array<qsizetype, SlipFieldCount> column;
    qsizetype altimeter = -1;
    QString problem;
    QStringList texts;
    QStringList unknown;
};

Header readHeader(const CsvRecord& record, const SlipsCsvOptions& options)
{
    Header header;
    header.column.fill(-1);
    if (!record.error.isEmpty()) {
        header.problem = Text::tr("its header line cannot be read: %1").arg(record.error);
        return header;
    }
    for (qsizetype i = 0; i < record.fields.size(); ++i) {
        const QString name = record.fields[i].trimmed();
        header.texts << name;
        std::optional<SlipColumn> known = KnownSlipColumn(name);
        if (!known) {
            const auto chosen = options.columns.constFind(name);
            if (chosen == options.columns.cend()) {
                if (!name.isEmpty())
                    header.unknown << name;
                continue;
            }
            known = *chosen;
        }
        if (known->kind == SlipColumn::Kind::Ignored)
            continue;
        qsizetype& column = known->kind == SlipColumn::Kind::AltimeterSetting
                                ? header.altimeter
                                : header.column[static_cast<std::size_t>(known->field)];
        if (column >= 0) {
            header.problem = Text::tr("its header line names the column %1 twice").arg(SlipColumnKey(*known));
            return header;
        }
        column = i;
    }
    auto has = [&header](SlipField field) { return header.column[static_cast<std::size_t>(field)] >= 0; };
    if (!(has(SlipField::QuarterMileTime) && has(SlipField::QuarterMileSpeed))
        && !(has(SlipField::EighthMileTime) && has(SlipField::EighthMileSpeed)))
        header.problem = Text::tr("its header line names neither the columns %1 and %2 nor %3 and %4, "
                                  "so it holds no time slips")
                             .arg(SlipFieldKey(SlipField::QuarterMileTime), SlipFieldKey(SlipField::QuarterMileSpeed),
                                  SlipFieldKey(SlipField::EighthMileTime), SlipFieldKey(SlipField::EighthMileSpeed));
    return header;
}

// A form of date with its parts in some order, split by one character: US
// m/d/yyyy, or the locale's short form (dd.MM.yy, dd/MM/yyyy, ...). A year of
// two digits is in the years 2000 to 2099.
struct DateForm {
    int dayAt;
    int monthAt;
    int yearAt;
    QChar separator;
    QString name;
};

const DateForm usForm{ 1, 0, 2, u'/', QStringLiteral("m/d/yyyy") };

// The locale's short form, when it is one of day, month and year in numbers.
std::optional<DateForm> localeForm(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    DateForm form{ -1, -1, -1, QChar(), format };
    int part = 0;
    QChar last;
    qsizetype run = 0;
    for (qsizetype i = 0; i <= format.size(); ++i) {
        const QChar c = i < format.size() ? format[i] : QChar();
        if (c == last && !c.isNull()) {
            ++run;
            continue;
        }
        if (last == u'd' || last == u'M' || last == u'y') {
            int& at = last == u'd' ? form.dayAt : last == u'M' ? form.monthAt : form.yearAt;
            if (at >= 0 || part > 2 || (last != u'y' && run > 2) || (last == u'y' && run != 2 && run != 4))
                return std::nullopt;
            at = part++;
        } else if (!last.isNull()) {
            if (last.isLetter() || run != 1 || (!form.separator.isNull() && form.separator != last))
                return std::nullopt;
            form.separator = last;
        }
        last = c;
        run = 1;
    }
    if (part != 3 || form.separator.isNull())
        return std::nullopt;
    return form;
}

bool allDigits(QStringView text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A date of the form, optionally followed by a space and H:MM or H:MM:SS.
bool readDateForm(const DateForm& form, const QString& text, QDate& date, QTime& time)
{
    const QString trimmed = text.trimmed();
    const qsizetype space = trimmed.indexOf(u' ');
    const QStringList parts = trimmed.left(space).split(form.separator);
    if (parts.size() != 3 || !std::all_of(parts.begin(), parts.end(), allDigits))
        return false;
    const QString& year = parts[form.yearAt];
    if (parts[form.dayAt].size() > 2 || parts[form.monthAt].size() > 2 || (year.size() != 2 && year.size() != 4))
        return false;
    const QDate read(year.toInt() + (year.size() == 2 ? 2000 : 0), parts[form.monthAt].toInt(),
                     parts[form.dayAt].toInt());
    QTime readTime;
    if (space >= 0) {
        const QStringList clock = trimmed.mid(space + 1).trimmed().split(u':');
        if (clock.size() < 2 || clock.size() > 3 || !std::all_of(clock.begin(), clock.end(), allDigits)
            || clock[0].size() > 2 || clock[1].size() != 2 || (clock.size() == 3 && clock[2].size() != 2))
            return false;
        readTime = QTime(clock[0].toInt(), clock[1].toInt(), clock.size() == 3 ? clock[2].toInt() : 0);
        if (!readTime.isValid())
            return false;
    }
    if (!read.isValid())
        return false;
    date = read;
    time = readTime;
    return true;
}

// How the file's dates are read: ISO always, and the one other form that
// reads them, or why it cannot be chosen.
struct DateReading {
    QList<DateForm> forms;             // the forms a date may take
    std::optional<DateForm> chosen;    // the one the dates that are not ISO are read in
    QString ambiguous;                 // a date that reads two ways, with no order to choose
};

bool sameOrder(const DateForm& a, const DateForm& b)
{
    return a.dayAt == b.dayAt && a.monthAt == b.monthAt && a.yearAt == b.yearAt && a.separator == b.separator;
}

DateReading chooseDateForm(const QList<QString>& dates, const SlipsCsvOptions& options)
{
    DateReading reading;
    reading.forms << usForm;
    if (const std::optional<DateForm> local = localeForm(options.locale); local && !sameOrder(*local, usForm))
        reading.forms << *local;
    QList<int> readsAll;
    qsizetype best = 0;
    QList<qsizetype> read(reading.forms.size(), 0);
    for (qsizetype f = 0; f < reading.forms.size(); ++f) {
        for (const QString& text : dates) {
            QDate date;
            QTime time;
            if (readDateForm(reading.forms[f], text, date, time))
                ++read[f];
        }
        if (read[f] == dates.size())
            readsAll << static_cast<int>(f);
        if (read[f] > read[best])
            best = f;
    }
    if (readsAll.size() == 2) {
        for (const QString& text : dates) {
            QDate first, second;
            QTime time;
            readDateForm(reading.forms[0], text, first, time);
            readDateForm(reading.forms[1], text, second, time);
            if (first == second)
                continue;
            if (options.dateOrder == DateOrder::Unknown) {
                reading.ambiguous = text.trimmed();
                return reading;
            }
            const bool monthFirst = options.dateOrder == DateOrder::MonthFirst;
            for (const DateForm& form : reading.forms)
                if ((form.monthAt < form.dayAt) == monthFirst)
                    reading.chosen = form;
            return reading;
        }
    }
    reading.chosen = reading.forms[readsAll.isEmpty() ? best : readsAll.front()];
    return reading;
}

double cellNumber(const QStringList& fields, qsizetype column, bool& given, bool& ok)
{
    given = column >= 0 && !fields[column].trimmed().isEmpty();
    ok = true;
    if (!given)
        return 0;
    const std::optional<double> number = CsvNumber(fields[column]);
    ok = number.has_value();
    return number.value_or(0);
}

// The run a row holds, or why it cannot be taken; a warning for a pressure
// that looks like the other kind.
QString readRow(const Header& header, const DateReading& dates, const QStringList& fields, TimeSlip& run,
                QString& warning)
{
    for (const SlipField field : AllSlipFields) {
        const qsizetype column = header.column[static_cast<std::size_t>(field)];
        if (column < 0)
            continue;
        const QString& text = fields[column];
        if (field == SlipField::Date) {
            if (!ReadSlipDate(text, run.date, run.time)
                && !(dates.chosen && readDateForm(*dates.chosen, text, run.date, run.time))) {
                QStringList forms{ QStringLiteral("YYYY-MM-DD") };
                for (const DateForm& form : dates.forms)
                    forms << form.name;
                return Text::tr("%1 is not a date of the form %2, optionally with a time HH:MM or HH:MM:SS: %3")
                    .arg(SlipFieldKey(field), forms.join(QStringLiteral(", ")), quoted(text));
            }
        } else if (field == SlipField::Track) {
            run.track = UnguardedCsvText(text);
        } else if (field == SlipField::Note) {
            run.note = UnguardedCsvText(text);
        } else if (!text.trimmed().isEmpty()) {
            const std::optional<double> number = CsvNumber(text);
            if (!number)
                return Text::tr("%1 is not a number: %2").arg(SlipFieldKey(field), quoted(text));
            run.*NumberMember(field) = *number;
        }
    }
    bool given = false;
    bool ok = true;
    const double altimeter = cellNumber(fields, header.altimeter, given, ok);
    if (!ok)
        return Text::tr("%1 is not a number: %2").arg(QLatin1String(altimeterKey), quoted(fields[header.altimeter]));
    const double elevation = run.elevation.value_or(0);
    if (given) {
        if (run.pressure)
            return Text::tr("give %1 or %2, not both").arg(SlipFieldKey(SlipField::Pressure), QLatin1String(altimeterKey));
        // An elevation out of range is told by the check of the run.
        if (!run.elevation || AirFieldPasses(AirField::Elevation, elevation)) {
            if (const QString problem = AltimeterMessage(altimeter, elevation); !problem.isEmpty())
                return Text::tr("%1: %2").arg(QLatin1String(altimeterKey), problem);
            run.pressure = StationPressureFromAltimeter(altimeter, elevation);
            warning = PressureKindWarning(PressureKind::Altimeter, altimeter, elevation);
        }
    } else if (run.pressure && run.elevation) {
        // Without the track's elevation there is no standard to hold a
        // station pressure to.
        warning = PressureKindWarning(PressureKind::Station, *run.pressure, elevation);
    }
    return SlipProblem(run, FieldNaming::Keys);
}

// Reads the runs; a whole-file refusal is given as a clause ("it is empty").
SlipsRead readRuns(QByteArrayView bytes, const SlipsCsvOptions& options)
{
    SlipsRead read;
    const QList<CsvRecord> records = ReadCsv(bytes);
    if (records.isEmpty()) {
        read.error = Text::tr("it is empty; a CSV of runs starts with a header line naming its columns");
        return read;
    }
    const Header header = readHeader(records.front(), options);
    read.headers = header.texts;
    read.unknownColumns = header.unknown;
    if (!header.problem.isEmpty()) {
        read.error = header.problem;
        return read;
    }
    const qsizetype width = records.front().fields.size();
    auto usable = [width](const CsvRecord& record) {
        return record.error.isEmpty() && !allEmpty(record.fields) && record.fields.size() == width;
    };
    // The dates are read in one form for the whole file.
    QList<QString> otherDates;
    const qsizetype dateColumn = header.column[static_cast<std::size_t>(SlipField::Date)];
    if (dateColumn >= 0)
        for (qsizetype r = 1; r < records.size(); ++r) {
            QDate date;
            QTime time;
            if (usable(records[r]) && !ReadSlipDate(records[r].fields[dateColumn], date, time))
                otherDates << records[r].fields[dateColumn];
        }
    const DateReading dates = chooseDateForm(otherDates, options);
    if (!dates.ambiguous.isEmpty()) {
        read.ambiguousDate = dates.ambiguous;
        read.error = Text::tr("its dates read two ways (%1 may be month first or day first); write them as "
                              "YYYY-MM-DD")
                         .arg(quoted(dates.ambiguous));
        return read;
    }
    for (qsizetype r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        auto refuse = [&read, &record](const QString& reason) {
            read.refusals.append(Text::tr("line %1: %2").arg(record.line).arg(reason));
        };
        if (!record.error.isEmpty()) {
            refuse(record.error);
            continue;
        }
        // Blank lines, and the rows of empty cells a spreadsheet may add.
        if (allEmpty(record.fields))
            continue;
        if (record.fields.size() != width) {
            refuse(Text::tr("it has %1 fields where the header line has %2").arg(record.fields.size()).arg(width));
            continue;
        }
        TimeSlip run;
        QString warning;
        const QString problem = readRow(header, dates, record.fields, run, warning);
        if (!problem.isEmpty()) {
            refuse(problem);
            continue;
        }
        if (!warning.isEmpty())
            read.warnings.append(Text::tr("line %1: %2").arg(record.line).arg(warning));
        read.runs.append(run);
        read.lines.append(record.line);
    }
    return read;
}

} // namespace

std::optional<SlipColumn> KnownSlipColumn(const QString& header)
{
    const QString key = headerKey(header);
    for (const SlipField field : AllSlipFields)
        if (key == headerKey(SlipFieldKey(field)))
            return fieldColumn(field);
    if (key == headerKey(QLatin1String(altimeterKey)))
        return altimeterColumn;
    for (const Alias& alias : aliases)
        if (key == QLatin1String(alias.header))
            return alias.column;
    return std::nullopt;
}

QList<SlipColumn> ChoosableSlipColumns()
{
    QList<SlipColumn> columns;
    for (const SlipField field : AllSlipFields)
        columns << fieldColumn(field);
    columns << altimeterColumn << ignoredColumn;
    return columns;
}

QString SlipColumnKey(const SlipColumn& column)
{
    switch (column.kind) {
    case SlipColumn::Kind::Field: return SlipFieldKey(column.field);
    case SlipColumn::Kind::AltimeterSetting: return QLatin1String(altimeterKey);
    case SlipColumn::Kind::Ignored: break;
    }
    return QString();
}

std::optional<SlipColumn> SlipColumnFromKey(const QString& key)
{
    for (const SlipColumn& column : ChoosableSlipColumns())
        if (SlipColumnKey(column) == key)
            return column;
    return std::nullopt;
}

QString SlipColumnName(const SlipColumn& column)
{
    switch (column.kind) {
    case SlipColumn::Kind::Field: return SlipFieldName(column.field);
    case SlipColumn::Kind::AltimeterSetting: return Text::tr("altimeter setting");
    case SlipColumn::Kind::Ignored: break;
    }
    return Text::tr("(ignore)");
}

SlipsRead ReadSlipsCsv(QByteArrayView bytes, const SlipsCsvOptions& options)
{
    SlipsRead read = readRuns(bytes, options);
    if (!read.error.isEmpty())
        read.error = Text::tr("Could not import the runs: %1.").arg(read.error);
    return read;
}

SlipsRead LoadSlipsCsv(const QString& path, const SlipsCsvOptions& options)
{
    SlipsRead read;
    auto fail = [&read, &path](const QString& reason) {
        read.error = Text::tr("Could not import the runs from %1: %2.").arg(path, reason);
        return read;
    };
    const QString kind = NonFileKind(path);
    if (!kind.isEmpty())
        return fail(Text::tr("it is %1, not a file").arg(kind));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    const QByteArray bytes = file.read(MaxSlipsCsvBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (bytes.size() > MaxSlipsCsvBytes)
        return fail(Text::tr("it is larger than %1 bytes, far more than a file of time slips holds")
                        .arg(MaxSlipsCsvBytes));
    read = readRuns(bytes, options);
    if (!read.error.isEmpty())
        return fail(read.error);
    return read;
}

QByteArray SlipsCsv(const QList<TimeSlip>& runs)
{
    QList<QList<CsvCell>> records;
    records.reserve(runs.size() + 1);
    QList<CsvCell> header;
    for (const SlipField field : AllSlipFields)
        header.append({ SlipFieldKey(field), CsvCellKind::Text });
    records.append(header);
    for (const TimeSlip& run : runs) {
        QList<CsvCell> row;
        for (const SlipField field : AllSlipFields) {
            if (field == SlipField::Date)
                row.append({ SlipDateText(run), CsvCellKind::Text });
            else if (field == SlipField::Track)
                row.append({ run.track, CsvCellKind::Text });
            else if (field == SlipField::Note)
                row.append({ run.note, CsvCellKind::Text });
            else if (const std::optional<double> value = run.*NumberMember(field))
                row.append({ QString::fromLatin1(ShortestText(*value)), CsvCellKind::Number });
            else
                row.append({ QString(), CsvCellKind::Text });
        }
        records.append(row);
    }
    return CsvDocument(records);
}

QString SaveSlipsCsv(const QString& path, const QList<TimeSlip>& runs)
{
    return SaveBytes(path, SlipsCsv(runs));
}

namespace {

// What SameRun compares, as one text.
QString runKey(const TimeSlip& run)
{
    QString key = SlipDateText(run);
    for (const SlipNumber figure : { &TimeSlip::quarterMileTime, &TimeSlip::quarterMileSpeed,
                                     &TimeSlip::eighthMileTime, &TimeSlip::eighthMileSpeed }) {
        key += u'|';
        if (const std::optional<double> value = run.*figure)
            key += QString::fromLatin1(ShortestText(*value));
    }
    return key;
}

} // namespace

bool SameRun(const TimeSlip& a, const TimeSlip& b)
{
    return runKey(a) == runKey(b);
}

QList<TimeSlip> NewRuns(const QList<TimeSlip>& imported, const QList<TimeSlip>& stored)
{
    QSet<QString> known;
    for (const TimeSlip& run : stored)
        known.insert(runKey(run));
    QList<TimeSlip> fresh;
    for (const TimeSlip& run : imported) {
        const QString key = runKey(run);
        if (known.contains(key))
            continue;
        known.insert(key);
        fresh << run;
    }
    return fresh;
}

QString ReadTypedSlipDate(const QString& text, const QLocale& locale, QDate& date, QTime& time)
{
    if (ReadSlipDate(text, date, time))
        return QString();
    // The locale's form first: a date that reads both ways is the locale's.
    QList<DateForm> forms;
    if (const std::optional<DateForm> local = localeForm(locale))
        forms << *local;
    if (forms.isEmpty() || !sameOrder(forms.front(), usForm))
        forms << usForm;
    QStringList names{ QStringLiteral("YYYY-MM-DD") };
    for (const DateForm& form : forms) {
        if (readDateForm(form, text, date, time))
            return QString();
        names << form.name;
    }
    return Text::tr("\"%1\" is not a date of the form %2, optionally with a time HH:MM or HH:MM:SS.")
        .arg(text, names.join(QStringLiteral(", ")));
}
