#include "runner/RunWriters.h"

#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "core/ResultTexts.h"
#include "core/VehicleFile.h"
#include "core/NumberText.h"

#include <cmath>
#include <vector>

namespace {

// An input as the runner hands it out: the counts as integers.
QByteArray inputText(const CarInputs& inputs, InputField field)
{
    if (IsCountField(field))
        return ShortestText(static_cast<int>(inputs.Value(field)));
    return ShortestText(inputs.Value(field));
}

// A JSON string: quotes and backslashes escaped, control characters as
// \u00XX, everything else as UTF-8.
QByteArray jsonString(const QString& text)
{
    QByteArray quoted = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            quoted += QByteArray("\\") + c;
        else if (static_cast<unsigned char>(c) < 0x20)
            quoted += "\\u00" + QByteArray::number(c, 16).rightJustified(2, '0');
        else
            quoted += c;
    }
    return quoted + '"';
}

// JSON has no infinity or NaN; a run within the ranges never gives one.
QByteArray jsonNumber(double value)
{
    return std::isfinite(value) ? ShortestText(value) : QByteArrayLiteral("null");
}

class JsonWriter : public RunWriter {
public:
    explicit JsonWriter(QIODevice& out) : out(out) {}

    void Begin() override { out.write("["); }

    void Write(const CarOutcome& outcome) override
    {
        QByteArray line = first ? "\n  {" : ",\n  {";
        first = false;
        line += "\"file\": " + jsonString(outcome.file);
        if (!outcome.Ran()) {
            out.write(line + ", \"error\": " + jsonString(outcome.error) + "}");
            return;
        }
        line += ", \"inputs\": {";
        for (InputField field : VehicleFile::FileOrder) {
            if (field != VehicleFile::FileOrder.front())
                line += ", ";
            line += jsonString(FieldKey(field)) + ": " + inputText(outcome.inputs, field);
        }
        line += "}, \"timeLimitReached\": ";
        line += outcome.run.timeLimitReached ? "true" : "false";
        if (outcome.run.timeLimitReached)
            line += ", \"stopTime\": " + jsonNumber(outcome.run.stopTime);
        line += ", \"results\": {";
        for (ResultField field : AllResultFields) {
            if (field != AllResultFields.front())
                line += ", ";
            line += jsonString(ResultKey(field)) + ": "
                    + jsonNumber(ResultValue(outcome.run.results, field));
        }
        out.write(line + "}}");
    }

    void End() override { out.write(first ? "]\n" : "\n]\n"); }

private:
    QIODevice& out;
    bool first = true;
};

// RFC 4180: a field holding a comma, a quote, CR or LF is quoted, with its
// quotes doubled.
QByteArray csvField(const QByteArray& field)
{
    if (!field.contains(',') && !field.contains('"') && !field.contains('\r')
        && !field.contains('\n'))
        return field;
    QByteArray quoted = field;
    quoted.replace("\"", "\"\"");
    return '"' + quoted + '"';
}

class CsvWriter : public RunWriter {
public:
    explicit CsvWriter(QIODevice& out) : out(out) {}

    void Begin() override
    {
        QList<QByteArray> header{ "file" };
        for (InputField field : VehicleFile::FileOrder)
            header.append(FieldKey(field).toUtf8());
        header.append({ "timeLimitReached", "stopTime" });
        for (ResultField field : AllResultFields)
            header.append(ResultKey(field).toUtf8());
        header.append("error");
        writeRow(header);
    }

    void Write(const CarOutcome& outcome) override
    {
        QList<QByteArray> row{ outcome.file.toUtf8() };
        if (!outcome.Ran()) {
            for (int i = 0; i < InputFieldCount + 2 + ResultFieldCount; ++i)
                row.append(QByteArray());
            row.append(outcome.error.toUtf8());
            writeRow(row);
            return;
        }
        const CarRun& run = outcome.run;
        for (InputField field : VehicleFile::FileOrder)
            row.append(inputText(outcome.inputs, field));
        row.append(run.timeLimitReached ? "true" : "false");
        row.append(run.timeLimitReached ? ShortestText(run.stopTime) : QByteArray());
        for (ResultField field : AllResultFields)
            row.append(ShortestText(ResultValue(run.results, field)));
        row.append(QByteArray());
        writeRow(row);
    }

private:
    void writeRow(const QList<QByteArray>& fields)
    {
        QByteArray line;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                line += ',';
            line += csvField(fields[i]);
        }
        out.write(line + "\r\n");
    }

    QIODevice& out;
};

// Short column titles: the mark, then the unit.
const char* const resultTitles[ResultFieldCount] = {
    "Top s", "Top mph", "Top ft", "Top lb", "0-60 s", "0-100 s",
    "0-80 s", "60-80 s", "1/4 s", "1/4 mph", "1/4 ft", "1/4 lb",
};

// Keeps the rows until the end, since every row decides the widths. A row
// keeps the results rather than their texts, and the texts are made again
// when the table is written: a long sweep stays small in memory.
class TableWriter : public RunWriter {
public:
    TableWriter(QIODevice& out, std::optional<InputField> swept)
        : out(out), separators(LocaleSeparators()), swept(swept)
    {
        widths.push_back(static_cast<int>(firstTitle().size()));
        for (const char* title : resultTitles)
            widths.push_back(static_cast<int>(qstrlen(title)));
    }

    void Write(const CarOutcome& outcome) override
    {
        QString first = outcome.file;
        if (swept && outcome.Ran())
            first += QStringLiteral(" (%1)").arg(QString::fromLatin1(ShortestText(outcome.inputs.Value(*swept))));
        rows.push_back(Row{ first, outcome.run.results, messageOf(outcome) });
        widths[0] = std::max(widths[0], static_cast<int>(first.size()));
        if (rows.back().message.isEmpty()) {
            const QStringList cells = resultCells(rows.back().results);
            for (int i = 0; i < ResultFieldCount; ++i)
                widths[i + 1] = std::max(widths[i + 1], static_cast<int>(cells[i].size()));
        }
    }

    void End() override
    {
        QStringList titles{ firstTitle() };
        for (const char* title : resultTitles)
            titles.append(QLatin1String(title));
        writeLine(titles);
        for (const Row& row : rows) {
            if (row.message.isEmpty())
                writeLine(QStringList{ row.file } + resultCells(row.results));
            else
                writeText(row.file.leftJustified(widths[0]) + QStringLiteral("  ") + row.message);
        }
    }

private:
    struct Row {
        QString file;
        SimulationResults results;
        QString message; // an error, or the message of a run that gave up
    };

    // "File", and in a sweep the input it changes: "File (horsepower)".
    QString firstTitle() const
    {
        return swept ? QStringLiteral("File (%1)").arg(FieldKey(*swept)) : QStringLiteral("File");
    }

    // A run that gave up at the time limit shows the program's message for
    // it instead of its results: the car ran, but its results mean nothing.
    static QString messageOf(const CarOutcome& outcome)
    {
        if (!outcome.Ran())
            return outcome.error;
        if (outcome.run.timeLimitReached)
            return ElapsedTimeMessage(outcome.run.stopTime);
        return QString();
    }

    QStringList resultCells(const SimulationResults& results) const
    {
        QStringList cells;
        for (ResultField field : AllResultFields) {
            const QString text = ResultText(results, field, separators.decimal, separators.group);
            cells.append(text.trimmed());
        }
        return cells;
    }

    // The file left-aligned, the results right-aligned.
    void writeLine(const QStringList& cells)
    {
        QString line = cells[0].leftJustified(widths[0]);
        for (int i = 1; i < cells.size(); ++i)
            line += QStringLiteral("  ") + cells[i].rightJustified(widths[i]);
        writeText(line);
    }

    void writeText(QString line)
    {
        while (line.endsWith(u' '))
            line.chop(1);
        out.write(line.toUtf8() + '\n');
    }

    QIODevice& out;
    PictureSeparators separators;
    std::optional<InputField> swept;
    std::vector<int> widths;
    std::vector<Row> rows;
};

} // namespace

std::unique_ptr<RunWriter> MakeRunWriter(OutputFormat format, QIODevice& out,
                                         std::optional<InputField> swept)
{
    switch (format) {
    case OutputFormat::Json: return std::make_unique<JsonWriter>(out);
    case OutputFormat::Csv: return std::make_unique<CsvWriter>(out);
    case OutputFormat::Table: break;
    }
    return std::make_unique<TableWriter>(out, swept);
}
