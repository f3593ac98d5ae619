// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/RunWriters.h"

#include "core/Csv.h"
#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "core/ResultTexts.h"
#include "numbers/SplitFigures.h"
#include "core/VehicleFile.h"
#include "logbook/Calibration.h"
#include "core/FileNames.h"

#include <cmath>

namespace {

// JSON has no infinity or NaN; a run within the ranges never gives one.
void appendJsonNumber(RowText& out, double value)
{
    if (std::isfinite(value))
        out.Number(value);
    else
        out += "null";
}

// An input as the runner hands it out: the counts as integers.
void appendInput(RowText& out, const CarInputs& inputs, InputField field)
{
    const double value = inputs.Value(field);
    if (IsCountField(field))
        out.Number(static_cast<int>(value));
    else
        out.Number(value);
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


QString messageOf(const RunRow& row, const std::vector<QString>& checks)
{
    return row.Read() ? checks[static_cast<std::size_t>(row.failedCheck)] : row.refusal;
}

// The day's air as JSON and CSV give it, besides the horsepower on the day.
struct AirValue {
    const char* key;
    double value;
};

// The altimeter setting and the elevation come after the figures, each
// only when it was given.
std::vector<AirValue> airValues(const WriterSettings& settings)
{
    const AirFigures& air = settings.air;
    std::vector<AirValue> values{ { { "temperature", air.conditions.temperature },
                                    { "pressure", air.conditions.pressure },
                                    { "humidity", air.conditions.humidity },
                                    { "densityAltitude", air.densityAltitude },
                                    { "relativeAirDensity", air.relativeAirDensity },
                                    { "correctionFactor", air.correctionFactor } } };
    if (settings.altimeterSetting)
        values.push_back({ "altimeterSetting", *settings.altimeterSetting });
    if (settings.elevation)
        values.push_back({ "elevation", *settings.elevation });
    return values;
}

// The road keys a road run used (RoadKeysUsed), each as JSON or CSV takes
// it: `number` when the key is a number, whose text is then its value's
// shortest exact form.
struct RoadKeyValue {
    QString key;
    QString value;
    bool number;
};

std::vector<RoadKeyValue> roadKeyValues(const FullRoadCar& car)
{
    std::vector<RoadKeyValue> values;
    for (const RoadKeys::Line& line : RoadKeysUsed(car))
        values.push_back({ line.key, line.value, RoadKeyWords(*RoadKeyFromName(line.key)).isEmpty() });
    return values;
}

class JsonFormat : public RowFormat {
public:
    explicit JsonFormat(const WriterSettings& settings)
        : road(settings.model == CarModel::Road)
    {
        for (const QString& message : CheckMessages(settings.model))
            checks.push_back(jsonString(message));
        if (settings.modelGiven)
            modelMember = ", \"model\": " + jsonString(ModelName(settings.model));
        // Each key with the separator before it, so that a member is two
        // appends: its key, then its value.
        const auto key = [](std::vector<std::string>& keys, const QString& name) {
            keys.push_back((keys.empty() ? std::string() : std::string(", ")) + jsonString(name) + ": ");
        };
        for (InputField field : VehicleFile::FileOrder)
            key(inputKeys, FieldKey(field));
        for (ResultField field : AllResultFields)
            key(resultKeys, ResultKey(field));
        for (const QString& name : settings.swept)
            key(sweptKeys, name);
        // The day's air is the same for every car but its horsepower.
        RowText air;
        air += ", \"air\": {";
        for (const AirValue& value : airValues(settings)) {
            air += jsonString(QLatin1String(value.key)) + ": ";
            appendJsonNumber(air, value.value);
            air += ", ";
        }
        air += "\"horsepower\": ";
        airStart = air.Text();
        for (const SplitFigureInfo& field : SplitFigures)
            key(splitKeys, QLatin1String(field.key));
    }

    std::string_view Separator() const override { return ","; }

    void Row(const RunRow& row, RowText& out) const override
    {
        out += ",\n  {\"file\": ";
        out += row.file->jsonText;
        out += modelMember;
        if (!row.Ran()) {
            out += ", \"error\": ";
            if (row.Read())
                out += checks[static_cast<std::size_t>(row.failedCheck)];
            else
                AppendJsonString(out.Text(), utf8(row.refusal));
            if (row.Read())
                appendSweep(row, out);
            out += '}';
            return;
        }
        out += ", \"inputs\": {";
        for (std::size_t i = 0; i < VehicleFile::FileOrder.size(); ++i) {
            out += inputKeys[i];
            appendInput(out, row.inputs, VehicleFile::FileOrder[i]);
        }
        if (road)
            for (const RoadKeyValue& value : roadKeyValues(row.roadCar)) {
                out += ", " + jsonString(value.key) + ": ";
                if (value.number)
                    out += utf8(value.value);
                else
                    AppendJsonString(out.Text(), utf8(value.value));
            }
        out += "}, \"timeLimitReached\": ";
        out += row.run.timeLimitReached ? "true" : "false";
        if (row.run.timeLimitReached) {
            out += ", \"stopTime\": ";
            appendJsonNumber(out, row.run.stopTime);
        }
        out += ", \"results\": {";
        for (std::size_t i = 0; i < AllResultFields.size(); ++i) {
            out += resultKeys[i];
            appendJsonNumber(out, ResultValue(row.run.results, AllResultFields[i]));
        }
        out += '}';
        out += airStart;
        appendJsonNumber(out, row.horsepower);
        out += "}, \"splits\": {";
        for (std::size_t i = 0; i < SplitFigures.size(); ++i) {
            out += splitKeys[i];
            appendJsonNumber(out, row.splits.*SplitFigures[i].value);
        }
        out += '}';
        if (row.calibration) {
            out += ", \"calibration\": ";
            out += *row.calibration;
        }
        appendSweep(row, out);
        out += '}';
    }

private:
    // "sweep": {"horsepower": 312.5}: the swept values, each in its
    // shortest exact form.
    void appendSweep(const RunRow& row, RowText& out) const
    {
        if (sweptKeys.empty())
            return;
        out += ", \"sweep\": {";
        for (std::size_t i = 0; i < sweptKeys.size(); ++i) {
            out += sweptKeys[i];
            appendJsonNumber(out, row.swept[i]);
        }
        out += '}';
    }

    bool road;
    std::string modelMember; // ", \"model\": ..." when the model was given
    std::string airStart;
    std::vector<std::string> checks;
    std::vector<std::string> inputKeys;
    std::vector<std::string> resultKeys;
    std::vector<std::string> splitKeys;
    std::vector<std::string> sweptKeys;
};

void appendCsvText(std::string& out, const QString& text)
{
    AppendCsvField(out, utf8(text), CsvCellKind::Text);
}

class CsvFormat : public RowFormat {
public:
    explicit CsvFormat(const WriterSettings& settings)
        : sweptCount(static_cast<std::size_t>(settings.swept.size())), airCount(airValues(settings).size()),
          road(settings.model == CarModel::Road)
    {
        if (settings.modelGiven) {
            modelCell = ",";
            appendCsvText(modelCell, ModelName(settings.model));
        }
        for (const QString& message : CheckMessages(settings.model)) {
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
        for (const AirValue& value : airValues(settings))
            titles.append(QStringLiteral("air.") + QLatin1String(value.key));
        titles.append(QStringLiteral("air.horsepower"));
        for (const SplitFigureInfo& field : SplitFigures)
            titles.append(QStringLiteral("splits.") + QLatin1String(field.key));
        // The model and the road keys after the classic columns, which keep
        // their places.
        if (settings.modelGiven)
            titles.append(QStringLiteral("model"));
        if (road)
            for (RoadKey key : AllRoadKeys)
                titles.append(RoadKeyName(key));
        for (const QString& name : settings.swept)
            titles.append(QStringLiteral("sweep.") + name);
        for (qsizetype i = 0; i < titles.size(); ++i) {
            if (i > 0)
                header += ',';
            appendCsvText(header, titles[i]);
        }
        header += CsvRecordEnd;
        RowText air;
        for (const AirValue& value : airValues(settings)) {
            air += ',';
            air.Number(value.value);
        }
        air += ',';
        airCells = air.Text();
    }

    const std::string& Header() const { return header; }

    void Row(const RunRow& row, RowText& out) const override
    {
        out += row.file->csvCell;
        if (!row.Ran()) {
            out.Text().append(InputFieldCount + 2 + ResultFieldCount, ',');
            out += ',';
            if (row.Read())
                out += checks[static_cast<std::size_t>(row.failedCheck)];
            else
                appendCsvText(out.Text(), row.refusal);
            out.Text().append(airCount + 1 + SplitFigures.size(), ',');
            out += modelCell;
            if (road)
                out.Text().append(RoadKeyCount, ',');
            appendSweep(row, out);
            out += CsvRecordEnd;
            return;
        }
        const CarRun& run = row.run;
        for (InputField field : VehicleFile::FileOrder) {
            out += ',';
            appendInput(out, row.inputs, field);
        }
        out += run.timeLimitReached ? ",true," : ",false,";
        if (run.timeLimitReached)
            out.Number(run.stopTime);
        for (ResultField field : AllResultFields) {
            out += ',';
            out.Number(ResultValue(run.results, field));
        }
        out += ',';
        out += airCells;
        out.Number(row.horsepower);
        for (const SplitFigureInfo& field : SplitFigures) {
            out += ',';
            out.Number(row.splits.*field.value);
        }
        out += modelCell;
        if (road)
            for (const RoadKeyValue& value : roadKeyValues(row.roadCar)) {
                out += ',';
                if (value.number)
                    out += utf8(value.value);
                else
                    appendCsvText(out.Text(), value.value);
            }
        appendSweep(row, out);
        out += CsvRecordEnd;
    }

private:
    // The swept values: none when the car's file could not be read.
    void appendSweep(const RunRow& row, RowText& out) const
    {
        for (std::size_t i = 0; i < sweptCount; ++i) {
            out += ',';
            if (row.Read())
                out.Number(row.swept[i]);
        }
    }

    std::size_t sweptCount;
    std::size_t airCount; // the day's air values before the horsepower
    bool road;
    std::string modelCell; // ",road" when the model was given
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
        buffer.Clear();
        format->Row(row, buffer);
        TakeFormatted(buffer.Text(), out);
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
    RowText buffer;
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

// Sizes its columns from the first TableWindow rows, which it holds back,
// then writes them and streams every later row in those widths (a wider
// later cell pushes its line out rather than holding every row).
class TableWriter : public RunWriter {
public:
    explicit TableWriter(const WriterSettings& settings)
        : separators(LocaleSeparators()), swept(settings.swept), splits(settings.splits),
          checks(CheckMessages(settings.model))
    {
        QStringList titles{ QStringLiteral("File") };
        titles.append(swept);
        for (const TableColumn& column : resultColumns)
            titles.append(QLatin1String(column.title));
        if (splits)
            for (const SplitFigureInfo& figure : SplitFigures)
                if (figure.runnerTitle)
                    titles.append(QLatin1String(figure.runnerTitle));
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
            for (std::size_t i = 0; i < static_cast<std::size_t>(swept.size()); ++i)
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
            for (const SplitFigureInfo& figure : SplitFigures)
                if (figure.runnerTitle)
                    line.cells.append(localized(FormatFixed(row.splits.*figure.value, 0, figure.decimals)));
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
    QStringList swept;
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
// with three runs or more on two days or more the validation's error of each
// figure the runs give, with its 68 % and 95 % bands (each day left out in
// turn, or by folds above LeaveOneOutBound days); else a note of why there
// is no band.
std::string CalibrationJson(const Calibration& calibration)
{
    const auto number = [](RowText& out, double value) { appendJsonNumber(out, value); };
    // A key (with what goes before it) and its number.
    const auto keyed = [](RowText& out, const char* key, double value) {
        out += key;
        appendJsonNumber(out, value);
    };
    const auto figure = [&](RowText& out, const SlipFigure& slip) {
        out += "{\"given\": ";
        if (slip.given)
            number(out, *slip.given);
        else
            out += "null";
        keyed(out, ", \"predicted\": ", slip.predicted);
        out += '}';
    };
    const CarFit& fit = calibration.fit;
    RowText out;
    if (fit.Road()) {
        // The road model's values: the rated power as fitted, the power at
        // the wheels it gives, and the factor on the tires' grip.
        keyed(out, "{\"model\": \"road\", \"horsepower\": ", fit.horsepower);
        keyed(out, ", \"wheelHorsepower\": ", fit.wheelHorsepower);
        keyed(out, ", \"launchGrip\": ", fit.gripFactor);
        out += ", \"inRoadRanges\": ";
    } else {
        keyed(out, "{\"horsepower\": ", fit.horsepower);
        keyed(out, ", \"spinTime\": ", fit.spinTime);
        out += ", \"inClassicRanges\": ";
    }
    out += fit.InClassicRanges() ? "true" : "false";
    out += ", \"notes\": [";
    for (qsizetype i = 0; i < fit.boundNotes.size(); ++i) {
        if (i > 0)
            out += ", ";
        AppendJsonString(out.Text(), utf8(fit.boundNotes[i]));
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
        // Each run is predicted by the fit without its day; above
        // LeaveOneOutBound days the days are dealt into folds, and it says
        // how many. The field keeps its name, so a reader finds it either way.
        out += ", \"leaveOneOutError\": {";
        if (calibration.folds != calibration.days)
            out += "\"folds\": " + std::to_string(calibration.folds) + ", ";
        out += "\"days\": " + std::to_string(calibration.days);
        const std::array<std::pair<const char*, SlipField>, 4> figures{ {
            { "quarterMileTime", SlipField::QuarterMileTime },
            { "quarterMileSpeed", SlipField::QuarterMileSpeed },
            { "eighthMileTime", SlipField::EighthMileTime },
            { "eighthMileSpeed", SlipField::EighthMileSpeed },
        } };
        for (const auto& [name, field] : figures) {
            const FigureError error = LeaveOneOutError(calibration, field);
            if (error.runs == 0)
                continue; // no run gives it
            out += ", \"";
            out += name;
            out += "\": {\"runs\": " + std::to_string(error.runs) + ", \"days\": " + std::to_string(error.days);
            const std::optional<BandWidths> band = BandOf(error);
            if (!band) {
                out += ", \"note\": ";
                AppendJsonString(out.Text(), utf8(NoFigureBandMessage()));
                out += '}';
                continue;
            }
            keyed(out, ", \"meanAbsolute\": ", error.meanAbsolute);
            keyed(out, ", \"bias\": ", error.bias);
            keyed(out, ", \"rootMeanSquare\": ", error.rootMeanSquare);
            keyed(out, ", \"band68\": ", band->band68);
            keyed(out, ", \"band95\": ", band->band95);
            out += '}';
        }
        out += '}';
    } else {
        out += ", \"note\": ";
        AppendJsonString(out.Text(), utf8(calibration.band.message));
    }
    out += '}';
    return out.Text();
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
