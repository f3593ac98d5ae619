// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/RunWriters.h"

#include "core/Csv.h"
#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "core/ResultTexts.h"
#include "core/ShortestNumber.h"
#include "core/VehicleFile.h"
#include "logbook/Calibration.h"
#include "core/FileNames.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <cmath>
#include <tuple>

namespace {

// The shortest text that reads back as the very same double (what
// ShortestText gives), appended without a temporary.
void appendShortest(std::string& out, double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

void appendShortest(std::string& out, int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

// A row of JSON or CSV as it is written: its bytes go straight into a
// buffer of this thread with room for the longest row, and the whole row is
// appended to the output at once. Numbers are written by std::to_chars in
// place.
//
// The numbers are remembered by their bits, and the text of a double
// depends on its bits alone: a value that comes again is copied from the
// text written before instead of being converted again, with the same
// bytes. Again in the row: the quarter mile in the splits, the horsepower
// on the standard day, a swept value among the inputs. Again in its place
// in the row before: whatever the swept input does not change, such as the
// top speed when the weight is swept.
class RowText {
public:
    // Room for `fixed` bytes of text besides `numbers` numbers.
    RowText(std::size_t fixed, std::size_t numbers)
    {
        thread_local std::vector<char> buffer;
        // Numbers are copied 32 bytes at a time, whatever their length.
        const std::size_t room = fixed + numbers * longestNumber + slack;
        if (buffer.size() < room)
            buffer.resize(room);
        start = at = buffer.data();
        thread_local std::array<Previous, previousKept> previousRow{};
        previous = previousRow.data();
    }

    void Put(std::string_view text)
    {
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    }
    void Put(char c) { *at++ = c; }
    void Put(const PaddedText& text)
    {
        if (text.Size() <= PaddedText::copied)
            std::memcpy(at, text.Data(), PaddedText::copied);
        else
            std::memcpy(at, text.Data(), text.Size());
        at += text.Size();
    }

    void Number(double value)
    {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        Previous& before = previous[place++ % previousKept];
        char* const from = at;
        const Written& seen = written[slotOf(bits)];
        if (before.length > 0 && before.bits == bits) {
            std::memcpy(at, before.text, longestNumber);
            at += before.length;
        } else if (seen.length > 0 && seen.bits == bits) {
            std::memcpy(at, start + seen.at, seen.length);
            at += seen.length;
        } else {
            at = WriteShortest(at, value);
        }
        before.bits = bits;
        before.length = static_cast<std::uint32_t>(at - from);
        std::memcpy(before.text, from, longestNumber);
        remember(bits, from);
    }

    // JSON has no infinity or NaN; a run within the ranges never gives one.
    void JsonNumber(double value)
    {
        if (std::isfinite(value))
            Number(value);
        else
            Put("null");
    }

    // An input as the runner hands it out: the counts as integers. The
    // text of an input no sweep changes was made once for its file.
    void Input(const RunRow& row, InputField field, unsigned sweptFields)
    {
        const double value = row.inputs.Value(field);
        char* const from = at;
        if (row.inputTexts && !(sweptFields & (1u << static_cast<unsigned>(field)))) {
            Put((*row.inputTexts)[static_cast<std::size_t>(field)]);
        } else if (IsCountField(field)) {
            at = std::to_chars(at, at + longestNumber, static_cast<int>(value)).ptr;
        } else {
            at = WriteShortest(at, value);
        }
        if (!IsCountField(field))
            remember(std::bit_cast<std::uint64_t>(value), from);
    }

    void AppendTo(std::string& out) const { out.append(start, static_cast<std::size_t>(at - start)); }

    static constexpr std::size_t longestNumber = 32;
    // Room past the end for the fixed-size moves of numbers and texts.
    static constexpr std::size_t slack = 64;

private:
    void remember(std::uint64_t bits, const char* from)
    {
        written[slotOf(bits)] = { bits, static_cast<std::uint32_t>(from - start),
                                  static_cast<std::uint32_t>(at - from) };
    }

    // A value is looked for in one slot of a small table, chosen by its
    // bits: a value that shares its slot with another is written again.
    static std::size_t slotOf(std::uint64_t bits) { return (bits * 0x9E3779B97F4A7C15u) >> 59; }

    struct Written {
        std::uint64_t bits;
        std::uint32_t at;
        std::uint32_t length; // 0: the slot is empty
    };
    // A number of the row before, by its place among the row's numbers.
    struct Previous {
        std::uint64_t bits;
        std::uint32_t length; // 0: none yet
        char text[longestNumber];
    };
    static constexpr std::size_t previousKept = 32;
    char* start;
    char* at;
    Previous* previous;
    std::size_t place = 0;
    std::array<Written, 32> written{};
};

unsigned sweptMask(const std::vector<InputField>& swept)
{
    unsigned mask = 0;
    for (InputField field : swept)
        mask |= 1u << static_cast<unsigned>(field);
    return mask;
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

std::string jsonString(const QString& text)
{
    std::string out;
    AppendJsonString(out, utf8(text));
    return out;
}

// JSON has no infinity or NaN; a run within the ranges never gives one.
void appendJsonNumber(std::string& out, double value)
{
    if (std::isfinite(value))
        appendShortest(out, value);
    else
        out += "null";
}


// The messages of the range tests, made once.
std::vector<QString> checkMessages()
{
    std::vector<QString> messages;
    for (std::size_t i = 0; i < RangeTests().size(); ++i)
        messages.push_back(RangeTestMessage(static_cast<int>(i)));
    return messages;
}

QString messageOf(const RunRow& row, const std::vector<QString>& checks)
{
    return row.Read() ? checks[static_cast<std::size_t>(row.failedCheck)] : row.refusal;
}

// The day's air as JSON and CSV give it, besides the horsepower on the day.
struct AirValue {
    const char* key;
    double value;
};

std::array<AirValue, 6> airValues(const AirFigures& air)
{
    return { { { "temperature", air.conditions.temperature },
               { "pressure", air.conditions.pressure },
               { "humidity", air.conditions.humidity },
               { "densityAltitude", air.densityAltitude },
               { "relativeAirDensity", air.relativeAirDensity },
               { "correctionFactor", air.correctionFactor } } };
}

// The time slip's splits, by name.
struct SplitField {
    const char* key;
    double SplitTimes::*value;
};

const std::array<SplitField, 7> splitFields = { {
    { "sixtyFootTime", &SplitTimes::sixtyFootTime },
    { "threeThirtyFootTime", &SplitTimes::threeThirtyFootTime },
    { "eighthMileTime", &SplitTimes::eighthMileTime },
    { "eighthMileSpeed", &SplitTimes::eighthMileSpeed },
    { "thousandFootTime", &SplitTimes::thousandFootTime },
    { "quarterMileTime", &SplitTimes::quarterMileTime },
    { "quarterMileSpeed", &SplitTimes::quarterMileSpeed },
} };

// The numbers a row of JSON or CSV may hold: inputs, stop time, results,
// horsepower, splits, swept values.
constexpr std::size_t numbersInRow
    = InputFieldCount + 1 + ResultFieldCount + 1 + std::tuple_size_v<decltype(splitFields)> + MaxSweeps;

class JsonFormat : public RowFormat {
public:
    explicit JsonFormat(const WriterSettings& settings) : sweptFields(sweptMask(settings.swept))
    {
        for (const QString& message : checkMessages())
            checks.push_back(jsonString(message));
        // Each key with the separator before it, so that a member is two
        // appends: its key, then its value.
        const auto key = [](std::vector<PaddedText>& keys, const QString& name) {
            keys.emplace_back((keys.empty() ? std::string() : std::string(", ")) + jsonString(name) + ": ");
        };
        for (InputField field : VehicleFile::FileOrder)
            key(inputKeys, FieldKey(field));
        for (ResultField field : AllResultFields)
            key(resultKeys, ResultKey(field));
        for (InputField field : settings.swept)
            key(sweptKeys, FieldKey(field));
        // The day's air is the same for every car but its horsepower.
        airStart = ", \"air\": {";
        for (const AirValue& value : airValues(settings.air)) {
            airStart += jsonString(QLatin1String(value.key)) + ": ";
            appendJsonNumber(airStart, value.value);
            airStart += ", ";
        }
        airStart += "\"horsepower\": ";
        for (const SplitField& field : splitFields)
            key(splitKeys, QLatin1String(field.key));
        // The words between them, with room to spare.
        keysLength = airStart.size() + 256;
        for (const auto* keys : { &inputKeys, &resultKeys, &sweptKeys, &splitKeys })
            for (const PaddedText& k : *keys)
                keysLength += k.Size();
    }

    std::string_view Separator() const override { return ","; }

    void Row(const RunRow& row, std::string& out) const override
    {
        out += ",\n  {\"file\": ";
        out += row.file->jsonText;
        if (!row.Ran()) {
            out += ", \"error\": ";
            if (row.Read())
                out += checks[static_cast<std::size_t>(row.failedCheck)];
            else
                AppendJsonString(out, utf8(row.refusal));
            if (row.Read())
                appendSweep(row, out);
            out += '}';
            return;
        }
        RowText text(keysLength + (row.calibration ? row.calibration->size() : 0), numbersInRow);
        text.Put(", \"inputs\": {");
        for (std::size_t i = 0; i < VehicleFile::FileOrder.size(); ++i) {
            text.Put(inputKeys[i]);
            text.Input(row, VehicleFile::FileOrder[i], sweptFields);
        }
        text.Put("}, \"timeLimitReached\": ");
        text.Put(row.run.timeLimitReached ? "true" : "false");
        if (row.run.timeLimitReached) {
            text.Put(", \"stopTime\": ");
            text.JsonNumber(row.run.stopTime);
        }
        text.Put(", \"results\": {");
        for (std::size_t i = 0; i < AllResultFields.size(); ++i) {
            text.Put(resultKeys[i]);
            text.JsonNumber(ResultValue(row.run.results, AllResultFields[i]));
        }
        text.Put('}');
        text.Put(airStart);
        text.JsonNumber(row.horsepower);
        text.Put("}, \"splits\": {");
        for (std::size_t i = 0; i < splitFields.size(); ++i) {
            text.Put(splitKeys[i]);
            text.JsonNumber(row.splits.*splitFields[i].value);
        }
        text.Put('}');
        if (row.calibration) {
            text.Put(", \"calibration\": ");
            text.Put(*row.calibration);
        }
        if (!sweptKeys.empty()) {
            text.Put(", \"sweep\": {");
            for (std::size_t i = 0; i < sweptKeys.size(); ++i) {
                text.Put(sweptKeys[i]);
                text.JsonNumber(row.swept[i]);
            }
            text.Put('}');
        }
        text.Put('}');
        text.AppendTo(out);
    }

private:
    // "sweep": {"horsepower": 312.5}: the swept values, each in its
    // shortest exact form.
    void appendSweep(const RunRow& row, std::string& out) const
    {
        if (sweptKeys.empty())
            return;
        out += ", \"sweep\": {";
        for (std::size_t i = 0; i < sweptKeys.size(); ++i) {
            out.append(sweptKeys[i].Data(), sweptKeys[i].Size());
            appendJsonNumber(out, row.swept[i]);
        }
        out += '}';
    }

    unsigned sweptFields;
    std::size_t keysLength = 0; // the keys and the rest of a row's fixed text
    std::string airStart;
    std::vector<PaddedText> splitKeys;
    std::vector<std::string> checks;
    std::vector<PaddedText> inputKeys;
    std::vector<PaddedText> resultKeys;
    std::vector<PaddedText> sweptKeys;
};

void appendCsvText(std::string& out, const QString& text)
{
    AppendCsvField(out, utf8(text), CsvCellKind::Text);
}

class CsvFormat : public RowFormat {
public:
    explicit CsvFormat(const WriterSettings& settings)
        : sweptCount(settings.swept.size()), sweptFields(sweptMask(settings.swept))
    {
        for (const QString& message : checkMessages()) {
            std::string cell;
            appendCsvText(cell, message);
            checks.push_back(cell);
        }
        QStringList titles{ QStringLiteral("file") };
        for (InputField field : VehicleFile::FileOrder)
            titles.append(FieldKey(field));
        titles.append({ QStringLiteral("timeLimitReached"), QStringLiteral("stopTime") });
        for (ResultField field : AllResultFields)
            titles.append(ResultKey(field));
        titles.append(QStringLiteral("error"));
        for (const AirValue& value : airValues(settings.air))
            titles.append(QStringLiteral("air.") + QLatin1String(value.key));
        titles.append(QStringLiteral("air.horsepower"));
        for (const SplitField& field : splitFields)
            titles.append(QStringLiteral("splits.") + QLatin1String(field.key));
        for (InputField field : settings.swept)
            titles.append(QStringLiteral("sweep.") + FieldKey(field));
        for (qsizetype i = 0; i < titles.size(); ++i) {
            if (i > 0)
                header += ',';
            appendCsvText(header, titles[i]);
        }
        header += CsvRecordEnd;
        for (const AirValue& value : airValues(settings.air)) {
            airCells += ',';
            appendShortest(airCells, value.value);
        }
        airCells += ',';
    }

    const std::string& Header() const { return header; }

    void Row(const RunRow& row, std::string& out) const override
    {
        out += row.file->csvCell;
        if (!row.Ran()) {
            out.append(InputFieldCount + 2 + ResultFieldCount, ',');
            out += ',';
            if (row.Read())
                out += checks[static_cast<std::size_t>(row.failedCheck)];
            else
                appendCsvText(out, row.refusal);
            out.append(airValues(AirFigures()).size() + 1 + splitFields.size(), ',');
            appendSweep(row, out);
            out += CsvRecordEnd;
            return;
        }
        const CarRun& run = row.run;
        // Besides the numbers: a comma each, the air, the flag.
        RowText text(airCells.size() + 64, numbersInRow);
        for (InputField field : VehicleFile::FileOrder) {
            text.Put(',');
            text.Input(row, field, sweptFields);
        }
        text.Put(run.timeLimitReached ? ",true," : ",false,");
        if (run.timeLimitReached)
            text.Number(run.stopTime);
        for (ResultField field : AllResultFields) {
            text.Put(',');
            text.Number(ResultValue(run.results, field));
        }
        text.Put(',');
        text.Put(airCells);
        text.Number(row.horsepower);
        for (const SplitField& field : splitFields) {
            text.Put(',');
            text.Number(row.splits.*field.value);
        }
        for (std::size_t i = 0; i < sweptCount; ++i) {
            text.Put(',');
            text.Number(row.swept[i]);
        }
        text.Put(CsvRecordEnd);
        text.AppendTo(out);
    }

private:
    // The swept values of a car that did not run: none when its file could
    // not be read.
    void appendSweep(const RunRow& row, std::string& out) const
    {
        for (std::size_t i = 0; i < sweptCount; ++i) {
            out += ',';
            if (row.Read())
                appendShortest(out, row.swept[i]);
        }
    }

    std::size_t sweptCount;
    unsigned sweptFields;
    std::string airCells; // ",T,P,H,DA,RAD,CF,": the day's air before the horsepower
    std::string header;
    std::vector<std::string> checks;
};

// JSON and CSV: each row formatted by itself, the whole written in order.
class StreamWriter : public RunWriter {
public:
    StreamWriter(std::unique_ptr<RowFormat> format, std::string begin, std::string endEmpty,
                 std::string endAfterRows)
        : format(std::move(format)), begin(std::move(begin)), endEmpty(std::move(endEmpty)),
          endAfterRows(std::move(endAfterRows))
    {
    }

    const RowFormat* Format() const override { return format.get(); }
    void Begin(OutputSink& out) override { out.Write(begin); }

    void Take(const RunRow& row, OutputSink& out) override
    {
        buffer.clear();
        format->Row(row, buffer);
        TakeFormatted(buffer, out);
    }

    void TakeFormatted(std::string_view rows, OutputSink& out) override
    {
        if (rows.empty())
            return;
        if (!anyRow)
            rows.remove_prefix(format->Separator().size());
        anyRow = true;
        out.Write(rows);
    }

    void End(OutputSink& out) override { out.Write(anyRow ? endAfterRows : endEmpty); }

private:
    std::unique_ptr<RowFormat> format;
    std::string begin;
    std::string endEmpty;
    std::string endAfterRows;
    std::string buffer;
    bool anyRow = false;
};

// The results in the table's order: the top speed, the speed marks in
// rising order, the quarter mile; each with a short title, the mark, then
// the unit.
struct TableColumn {
    ResultField field;
    const char* title;
};
const TableColumn resultColumns[ResultFieldCount] = {
    { ResultField::TopSpeedTime, "Top s" },
    { ResultField::TopSpeed, "Top mph" },
    { ResultField::TopSpeedDistance, "Top ft" },
    { ResultField::TopSpeedWindForce, "Top lb" },
    { ResultField::ZeroToSixtyTime, "0-60 s" },
    { ResultField::ZeroToEightyTime, "0-80 s" },
    { ResultField::ZeroToHundredTime, "0-100 s" },
    { ResultField::SixtyToEightyTime, "60-80 s" },
    { ResultField::QuarterMileTime, "1/4 s" },
    { ResultField::QuarterMileSpeed, "1/4 mph" },
    { ResultField::QuarterMileDistance, "1/4 ft" },
    { ResultField::QuarterMileWindForce, "1/4 lb" },
};

// The splits with --splits: elapsed times to the thousandth, as a time slip
// gives them, and the speed to the hundredth.
struct SplitColumn {
    double SplitTimes::*value;
    const char* title;
    int decimals;
};
const SplitColumn splitColumns[] = {
    { &SplitTimes::sixtyFootTime, "60ft s", 3 },
    { &SplitTimes::threeThirtyFootTime, "330ft s", 3 },
    { &SplitTimes::eighthMileTime, "1/8 s", 3 },
    { &SplitTimes::eighthMileSpeed, "1/8 mph", 2 },
    { &SplitTimes::thousandFootTime, "1000ft s", 3 },
};

// Sizes its columns from the first TableWindow rows, which it holds back,
// then writes them and streams every later row in those widths (a wider
// later cell pushes its line out rather than holding every row).
class TableWriter : public RunWriter {
public:
    explicit TableWriter(const WriterSettings& settings)
        : separators(LocaleSeparators()), swept(settings.swept), splits(settings.splits),
          checks(checkMessages())
    {
        QStringList titles{ QStringLiteral("File") };
        for (InputField field : swept)
            titles.append(FieldKey(field));
        for (const TableColumn& column : resultColumns)
            titles.append(QLatin1String(column.title));
        if (splits)
            for (const SplitColumn& column : splitColumns)
                titles.append(QLatin1String(column.title));
        header.cells = titles;
        for (const QString& title : titles)
            widths.push_back(static_cast<int>(title.size()));
    }

    void Begin(OutputSink&) override {}

    void Take(const RunRow& row, OutputSink& out) override
    {
        Line line = lineOf(row);
        if (held.size() < static_cast<std::size_t>(TableWindow)) {
            widen(line);
            held.push_back(std::move(line));
            return;
        }
        writeHeld(out);
        write(line, out);
    }

    void End(OutputSink& out) override { writeHeld(out); }

private:
    // The cells of a line; a line with a message has the file, the swept
    // values (for a car that was read) and the message.
    struct Line {
        QStringList cells;
        QString message;
    };

    Line lineOf(const RunRow& row) const
    {
        Line line;
        line.cells.append(row.file->terminalName);
        if (row.Read())
            for (std::size_t i = 0; i < swept.size(); ++i)
                line.cells.append(localized(QString::fromLatin1(ShortestText(row.swept[i]))));
        if (!row.Ran()) {
            line.message = TerminalText(messageOf(row, checks));
            return line;
        }
        // A run that gave up at the time limit shows the program's message
        // for it instead of its results: the car ran, but its results mean
        // nothing.
        if (row.run.timeLimitReached) {
            line.message = ElapsedTimeMessage(row.run.stopTime);
            return line;
        }
        for (const TableColumn& column : resultColumns)
            line.cells.append(resultCell(row.run.results, column.field));
        if (splits)
            for (const SplitColumn& column : splitColumns)
                line.cells.append(localized(FormatFixed(row.splits.*column.value, 0, column.decimals)));
        return line;
    }

    // The results dialog's text, with a zero before a bare decimal point
    // (".75" is written "0.75").
    QString resultCell(const SimulationResults& results, ResultField field) const
    {
        QString text = ResultText(results, field, QStringLiteral("."), QStringLiteral(",")).trimmed();
        if (text.startsWith(u'.'))
            text.prepend(u'0');
        else if (text.startsWith(QLatin1String("-.")))
            text.insert(1, u'0');
        return localized(text);
    }

    // A number written in the C form ("10,312.34") in the table's one form:
    // with the separators of the user's numeric locale.
    QString localized(const QString& text) const
    {
        if (separators.decimal == u'.' && separators.group == u',')
            return text;
        QString out;
        for (const QChar c : text) {
            if (c == u'.')
                out += separators.decimal;
            else if (c == u',')
                out += separators.group;
            else
                out += c;
        }
        return out;
    }

    void widen(const Line& line)
    {
        for (qsizetype i = 0; i < line.cells.size(); ++i)
            widths[i] = std::max(widths[i], static_cast<int>(line.cells[i].size()));
    }

    void writeHeld(OutputSink& out)
    {
        if (headerWritten)
            return;
        headerWritten = true;
        write(header, out);
        for (const Line& line : held)
            write(line, out);
        held.clear();
        held.shrink_to_fit();
    }

    // The file left-aligned, every other cell right-aligned, then the
    // message.
    void write(const Line& line, OutputSink& out)
    {
        QString text;
        for (qsizetype i = 0; i < line.cells.size(); ++i) {
            if (i == 0)
                text += line.cells[i].leftJustified(widths[0]);
            else
                text += QStringLiteral("  ") + line.cells[i].rightJustified(widths[i]);
        }
        if (!line.message.isEmpty())
            text += QStringLiteral("  ") + line.message;
        while (text.endsWith(u' '))
            text.chop(1);
        const QByteArray bytes = text.toUtf8() + '\n';
        out.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }

    PictureSeparators separators;
    std::vector<InputField> swept;
    bool splits;
    std::vector<QString> checks;
    Line header;
    std::vector<int> widths;
    std::vector<Line> held;
    bool headerWritten = false;
};

} // namespace

void RunWriter::TakeFormatted(std::string_view, OutputSink&) {}

std::unique_ptr<RunWriter> MakeRunWriter(const WriterSettings& settings)
{
    switch (settings.format) {
    case OutputFormat::Json:
        return std::make_unique<StreamWriter>(std::make_unique<JsonFormat>(settings), "[", "]\n",
                                              "\n]\n");
    case OutputFormat::Csv: {
        auto format = std::make_unique<CsvFormat>(settings);
        const std::string header = format->Header();
        return std::make_unique<StreamWriter>(std::move(format), header, "", "");
    }
    case OutputFormat::Table: break;
    }
    return std::make_unique<TableWriter>(settings);
}

// The fit as the JSON object "calibration" gives it: the fitted values,
// whether they lie in the classic ranges, the notes on the bounds, each
// run's quarter mile as given and as the fitted car runs it that day, and
// the leave-one-out error with three runs or more.
std::string CalibrationJson(const Calibration& calibration)
{
    const auto number = [](std::string& out, double value) { appendJsonNumber(out, value); };
    const auto figure = [&](std::string& out, const SlipFigure& slip) {
        out += "{\"given\": ";
        if (slip.given)
            number(out, *slip.given);
        else
            out += "null";
        out += ", \"predicted\": ";
        number(out, slip.predicted);
        out += '}';
    };
    const CarFit& fit = calibration.fit;
    std::string out = "{\"horsepower\": ";
    number(out, fit.horsepower);
    out += ", \"spinTime\": ";
    number(out, fit.spinTime);
    out += ", \"inClassicRanges\": ";
    out += fit.InClassicRanges() ? "true" : "false";
    out += ", \"notes\": [";
    for (qsizetype i = 0; i < fit.boundNotes.size(); ++i) {
        if (i > 0)
            out += ", ";
        AppendJsonString(out, utf8(fit.boundNotes[i]));
    }
    out += "], \"runs\": [";
    for (std::size_t i = 0; i < fit.runs.size(); ++i) {
        if (i > 0)
            out += ", ";
        out += "{\"quarterMileTime\": ";
        figure(out, fit.runs[i].quarterMileTime);
        out += ", \"quarterMileSpeed\": ";
        figure(out, fit.runs[i].quarterMileSpeed);
        out += '}';
    }
    out += ']';
    if (calibration.band.Available()) {
        out += ", \"leaveOneOutError\": {";
        const std::array<std::pair<const char*, RunField>, 2> figures{ {
            { "quarterMileTime", RunField::QuarterMileTime },
            { "quarterMileSpeed", RunField::QuarterMileSpeed },
        } };
        for (std::size_t i = 0; i < figures.size(); ++i) {
            const FigureError error = LeaveOneOutError(calibration, figures[i].second);
            if (i > 0)
                out += ", ";
            out += '"';
            out += figures[i].first;
            out += "\": {\"runs\": " + std::to_string(error.runs) + ", \"meanAbsolute\": ";
            number(out, error.meanAbsolute);
            out += ", \"bias\": ";
            number(out, error.bias);
            out += ", \"rootMeanSquare\": ";
            number(out, error.rootMeanSquare);
            out += '}';
        }
        out += '}';
    }
    out += '}';
    return out;
}

void AppendJsonString(std::string& out, std::string_view utf8)
{
    static const char hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}
