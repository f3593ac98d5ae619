// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/SlipsCsv.h"

#include "core/Csv.h"
#include "core/CsvReader.h"
#include "core/FileSave.h"
#include "core/NumberText.h"

#include <QCoreApplication>
#include <QFile>

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

// The column of each field in the header, -1 for a missing one; or why the
// header cannot be taken.
struct Header {
    std::array<qsizetype, SlipFieldCount> column;
    QString problem;
};

Header readHeader(const CsvRecord& record)
{
    Header header;
    header.column.fill(-1);
    if (!record.error.isEmpty()) {
        header.problem = Text::tr("its header line cannot be read: %1").arg(record.error);
        return header;
    }
    for (qsizetype i = 0; i < record.fields.size(); ++i) {
        const QString name = record.fields[i].trimmed();
        for (const SlipField field : AllSlipFields) {
            if (name.compare(SlipFieldKey(field), Qt::CaseInsensitive) != 0)
                continue;
            qsizetype& column = header.column[static_cast<std::size_t>(field)];
            if (column >= 0) {
                header.problem = Text::tr("its header line names the column %1 twice").arg(SlipFieldKey(field));
                return header;
            }
            column = i;
        }
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

// The run a row holds, or why it cannot be taken.
QString readRow(const Header& header, const QStringList& fields, TimeSlip& run)
{
    for (const SlipField field : AllSlipFields) {
        const qsizetype column = header.column[static_cast<std::size_t>(field)];
        if (column < 0)
            continue;
        const QString& text = fields[column];
        if (field == SlipField::Date) {
            if (!ReadSlipDate(text, run.date, run.time))
                return Text::tr("%1 is not a date of the form YYYY-MM-DD, optionally with a time HH:MM or "
                                "HH:MM:SS: %2")
                    .arg(SlipFieldKey(field), quoted(text));
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
    return SlipProblem(run, FieldNaming::Keys);
}

// Reads the runs; a whole-file refusal is given as a clause ("it is empty").
SlipsRead readRuns(QByteArrayView bytes)
{
    SlipsRead read;
    const QList<CsvRecord> records = ReadCsv(bytes);
    if (records.isEmpty()) {
        read.error = Text::tr("it is empty; a CSV of runs starts with a header line naming its columns");
        return read;
    }
    const Header header = readHeader(records.front());
    if (!header.problem.isEmpty()) {
        read.error = header.problem;
        return read;
    }
    const qsizetype width = records.front().fields.size();
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
        const QString problem = readRow(header, record.fields, run);
        if (!problem.isEmpty()) {
            refuse(problem);
            continue;
        }
        read.runs.append(run);
        read.lines.append(record.line);
    }
    return read;
}

} // namespace

SlipsRead ReadSlipsCsv(QByteArrayView bytes)
{
    SlipsRead read = readRuns(bytes);
    if (!read.error.isEmpty())
        read.error = Text::tr("Could not import the runs: %1.").arg(read.error);
    return read;
}

SlipsRead LoadSlipsCsv(const QString& path)
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
    read = readRuns(bytes);
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
