// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/Runner.h"

#include "logbook/SlipsCsv.h"
#include "core/FileNames.h"
#include "core/ProgramInfo.h"
#include "runner/RunOptions.h"
#include "runner/RunWriters.h"

namespace {

void say(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
}

void write(OutputSink& out, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    out.Write(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// The status of a command whose output ended here: every byte flushed, or
// the failure said on `err` (nothing when the reader has left).
int finished(OutputSink& out, QIODevice& err, int status)
{
    if (out.Flush())
        return status;
    if (!out.ReaderLeft())
        say(err, QStringLiteral("torvane-run: could not write the output: %1\n").arg(out.Failure()));
    return OutputFailed;
}

} // namespace

int RunCommand(const QStringList& arguments, const RunnerStreams& streams)
{
    OutputSink& out = *streams.out;
    QIODevice& err = *streams.err;
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.error.isEmpty()) {
        say(err, QStringLiteral("torvane-run: %1\n%2\n"
                                "Try 'torvane-run --help' for more information.\n")
                     .arg(TerminalText(parsed.error), UsageLine()));
        return UsageError;
    }
    const RunOptions& options = parsed.options;
    if (options.help || options.version) {
        write(out, options.help ? HelpText() : VersionLine(QStringLiteral("torvane-run")) + QLatin1Char('\n'));
        return finished(out, err, EveryCarRan);
    }

    // The time slips every car is fitted to: a row that cannot be taken is
    // told with its line and makes the status 1; the others still count.
    SlipsToFit slips;
    // Only JSON holds the calibration with its validation.
    slips.validation = options.format == OutputFormat::Json;
    bool slipsRefused = false;
    if (!options.slips.isEmpty()) {
        const QString name = TerminalText(options.slips);
        const SlipsRead read = LoadSlipsCsv(options.slips);
        if (!read.error.isEmpty()) {
            say(err, QStringLiteral("torvane-run: %1: %2\n").arg(name, TerminalText(read.error)));
            return SomeCarFailed;
        }
        for (const QString& refusal : read.refusals)
            say(err, QStringLiteral("torvane-run: %1: %2\n").arg(name, TerminalText(refusal)));
        for (const QString& warning : read.warnings)
            say(err, QStringLiteral("torvane-run: %1: warning: %2\n").arg(name, TerminalText(warning)));
        slipsRefused = !read.refusals.isEmpty();
        slips.runs = read.runs;
        if (slips.runs.isEmpty()) {
            say(err, QStringLiteral("torvane-run: %1: no time slip to fit the cars to\n").arg(name));
            return SomeCarFailed;
        }
    }

    // A pressure that looks like the other kind is told, and run as given.
    if (const QString warning = options.PressureWarning(); !warning.isEmpty())
        say(err, QStringLiteral("torvane-run: warning: %1\n").arg(warning));

    WriterSettings settings;
    settings.format = options.format;
    settings.air = FiguresFor(options.air);
    settings.splits = options.splits;
    settings.model = options.model;
    settings.modelGiven = options.modelGiven;
    settings.altimeterSetting = options.altimeterSetting;
    settings.elevation = options.elevation;
    for (const Sweep& sweep : options.sweeps)
        settings.swept.append(sweep.Name());
    const std::unique_ptr<RunWriter> writer = MakeRunWriter(settings);
    writer->Begin(out);
    const auto take = [&](const RowPiece& piece) {
        if (!piece.messages.empty())
            err.write(piece.messages.data(), static_cast<qint64>(piece.messages.size()));
        if (writer->Format())
            writer->TakeFormatted(piece.formatted.Text(), out);
        for (const RunRow& row : piece.rows)
            writer->Take(row, out);
        return !out.Failed();
    };
    bool allRan = true;
    // JSON and CSV always hold the splits; the table when asked.
    const bool splits = options.format != OutputFormat::Table || options.splits;
    if (RunBatch(options, streams.readStandardInput, writer->Format(), splits, take, allRan,
                 options.slips.isEmpty() ? nullptr : &slips))
        writer->End(out);
    return finished(out, err, allRan && !slipsRefused ? EveryCarRan : SomeCarFailed);
}
