// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the runner's CSV and JSON writers on any rows. Rows are
// made from the input: file names of any bytes, refusals of any text, cars
// that failed a check, and runs with any doubles (infinities and NaN
// included) for inputs, results, the horsepower, the splits and up to two
// swept values. What the writers give must parse back: the JSON with
// QJsonDocument to an array of the rows with their very numbers and texts
// (as JSON gives a text back), the CSV with the core's reader to the header
// and a record of the header's width per row, each text as written
// (guarded) and each number exact. The table is written too, for crashes.
#include "core/CsvReader.h"
#include "core/InputChecks.h"
#include "core/ResultTexts.h"
#include "core/FileNames.h"
#include "runner/RunWriters.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <list>
#include <set>

namespace {

// A broken promise: named on standard error, then a crash libFuzzer keeps.
void broken(const char* what, int line)
{
    std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, line, what);
    std::abort();
}
#define require(holds) ((holds) ? void() : broken(#holds, __LINE__))

QByteArray written(const WriterSettings& settings, const std::vector<RunRow>& rows)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    DeviceSink sink(buffer);
    const std::unique_ptr<RunWriter> writer = MakeRunWriter(settings);
    writer->Begin(sink);
    for (const RunRow& row : rows)
        writer->Take(row, sink);
    writer->End(sink);
    require(sink.Flush());
    return buffer.data();
}

// A text as JSON gives it back: QJsonDocument drops a U+FEFF that begins a
// string, though the writer's bytes hold it (Qt 6.4), so that is what the
// writer's string reads back as.
QString asJsonGivesIt(const QString& text)
{
    return text.startsWith(QChar(0xfeff)) ? text.sliced(1) : text;
}

// A JSON number as the writer gives it: the very double, null for one
// that is not finite.
void requireJsonNumber(const QJsonValue& value, double expected)
{
    if (!std::isfinite(expected))
        require(value.isNull());
    else
        require(value.isDouble() && value.toDouble() == expected);
}

// A CSV number cell: the very double, or "inf", "-inf", "nan".
void requireCsvNumber(const QString& cell, double expected)
{
    if (std::isnan(expected))
        require(cell == QLatin1String("nan"));
    else if (std::isinf(expected))
        require(cell == QLatin1String(expected > 0 ? "inf" : "-inf"));
    else
        require(CsvNumber(cell) == expected);
}

// A text cell as the writer guards it from spreadsheets.
QString guarded(const QString& text)
{
    if (text.size() > 1 && QStringView(u"=+-@\t\r").contains(text[0]))
        return u'\'' + text;
    return text;
}

// Any double, now and then one of those a writer must take care of.
double anyDouble(FuzzedDataProvider& input)
{
    static const double special[] = { INFINITY, -INFINITY, NAN, -0.0, 5e-324, 1e300, 0.1 + 0.2 };
    if (input.ConsumeIntegralInRange(0, 7) == 0)
        return special[input.ConsumeIntegralInRange<std::size_t>(0, std::size(special) - 1)];
    return input.ConsumeFloatingPoint<double>();
}

QString messageOf(const RunRow& row)
{
    return row.Read() ? RangeTestMessage(row.failedCheck) : row.refusal;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    WriterSettings settings;
    const int sweeps = input.ConsumeIntegralInRange(0, MaxSweeps);
    for (int i = 0; i < sweeps; ++i)
        settings.swept.push_back(
            FieldKey(AllInputFields[static_cast<std::size_t>(input.ConsumeIntegralInRange(0, InputFieldCount - 1))]));
    settings.splits = input.ConsumeBool();

    std::list<BatchFile> files;
    std::vector<RunRow> rows;
    while (input.remaining_bytes() > 0 && rows.size() < 64) {
        RunRow row;
        files.push_back(BatchFile::Of(ArgumentText(QByteArray::fromStdString(input.ConsumeRandomLengthString(64)))));
        row.file = &files.back();
        const int kind = input.ConsumeIntegralInRange(0, 2);
        if (kind == 0) {
            // A message is text: the core's, naming the file by its output name.
            row.refusal = QString::fromStdString(input.ConsumeRandomLengthString(80));
            if (row.refusal.isEmpty())
                row.refusal = QStringLiteral("x");
        } else if (kind == 1) {
            row.failedCheck = input.ConsumeIntegralInRange(0, InputFieldCount - 1);
        } else {
            for (InputField field : AllInputFields)
                row.inputs.SetValue(field, input.ConsumeFloatingPoint<double>());
            row.run.timeLimitReached = input.ConsumeBool();
            row.run.stopTime = anyDouble(input);
            double* results = &row.run.results.topSpeedTime;
            for (int i = 0; i < ResultFieldCount; ++i)
                results[i] = anyDouble(input);
            row.horsepower = input.ConsumeBool() ? row.inputs.horsepower : anyDouble(input);
            row.splits = { anyDouble(input), anyDouble(input), anyDouble(input), anyDouble(input),
                           anyDouble(input),
                           input.ConsumeBool() ? row.run.results.quarterMileTime : anyDouble(input),
                           anyDouble(input) };
        }
        for (int i = 0; i < sweeps; ++i)
            row.swept[static_cast<std::size_t>(i)] = anyDouble(input);
        rows.push_back(row);
    }

    settings.format = OutputFormat::Table;
    written(settings, rows);

    settings.format = OutputFormat::Json;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(written(settings, rows), &error);
    require(error.error == QJsonParseError::NoError && json.isArray());
    const QJsonArray objects = json.array();
    require(objects.size() == static_cast<qsizetype>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RunRow& row = rows[r];
        const QJsonObject object = objects[static_cast<qsizetype>(r)].toObject();
        require(object["file"].toString() == asJsonGivesIt(row.file->outputName));
        if (!row.Ran()) {
            require(object["error"].toString() == asJsonGivesIt(messageOf(row)));
        } else {
            const QJsonObject inputs = object["inputs"].toObject();
            for (InputField field : AllInputFields)
                if (!IsCountField(field))
                    requireJsonNumber(inputs[FieldKey(field)], row.inputs.Value(field));
            const QJsonObject results = object["results"].toObject();
            for (ResultField field : AllResultFields)
                requireJsonNumber(results[ResultKey(field)], ResultValue(row.run.results, field));
            requireJsonNumber(object["air"].toObject()["horsepower"], row.horsepower);
            requireJsonNumber(object["splits"].toObject()["quarterMileTime"], row.splits.quarterMileTime);
        }
        if (row.Read() && sweeps > 0) {
            const QJsonObject swept = object["sweep"].toObject();
            require(swept.size() == static_cast<qsizetype>(std::set<QString>(settings.swept.begin(), settings.swept.end()).size()));
        }
    }

    settings.format = OutputFormat::Csv;
    const QList<CsvRecord> records = ReadCsv(written(settings, rows));
    require(records.size() == static_cast<qsizetype>(rows.size()) + 1);
    const QStringList header = records[0].fields;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RunRow& row = rows[r];
        const CsvRecord& record = records[static_cast<qsizetype>(r) + 1];
        require(record.error.isEmpty() && record.fields.size() == header.size());
        require(record.fields[0] == guarded(row.file->outputName));
        const QString errorCell = record.fields[header.indexOf(QLatin1String("error"))];
        if (!row.Ran()) {
            require(errorCell == guarded(messageOf(row)));
            continue;
        }
        require(errorCell.isEmpty());
        for (ResultField field : AllResultFields)
            requireCsvNumber(record.fields[header.indexOf(ResultKey(field))], ResultValue(row.run.results, field));
        requireCsvNumber(record.fields[header.indexOf(QLatin1String("air.horsepower"))], row.horsepower);
        for (int i = 0; i < sweeps; ++i)
            requireCsvNumber(record.fields[header.size() - sweeps + i], row.swept[static_cast<std::size_t>(i)]);
    }
    return 0;
}
