#include "runner/Runner.h"

#include "runner/RunOptions.h"
#include "runner/RunWriters.h"

#include <QFileDevice>

namespace {

void say(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
}

// Whether every byte written to `out` has left: a full disk or a closed
// pipe shows only when the buffered bytes are flushed. Says why on `err`
// when not.
bool outputWritten(QIODevice& out, QIODevice& err)
{
    auto* file = qobject_cast<QFileDevice*>(&out);
    if (!file || (file->flush() && file->error() == QFileDevice::NoError))
        return true;
    say(err, QStringLiteral("torvane-run: could not write the output: %1\n").arg(file->errorString()));
    return false;
}

} // namespace

int RunCommand(const QStringList& arguments, const RunnerStreams& streams)
{
    QIODevice& out = *streams.out;
    QIODevice& err = *streams.err;
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.error.isEmpty()) {
        say(err, QStringLiteral("torvane-run: %1\n%2\n"
                                "Try 'torvane-run --help' for more information.\n")
                     .arg(parsed.error, UsageLine()));
        return UsageError;
    }
    const RunOptions& options = parsed.options;
    if (options.help || options.version) {
        say(out, options.help ? HelpText() : QStringLiteral("torvane-run " TORVANE_VERSION "\n"));
        return outputWritten(out, err) ? EveryCarRan : OutputFailed;
    }

    const std::unique_ptr<RunWriter> writer
        = MakeRunWriter(options.format, out,
                        options.sweep ? std::optional<InputField>(options.sweep->field) : std::nullopt);
    writer->Begin();
    const auto take = [&](const CarOutcome& outcome) {
        if (!outcome.Ran())
            say(err, QStringLiteral("torvane-run: %1: %2\n").arg(outcome.file, outcome.error));
        writer->Write(outcome);
    };
    const bool allRan = RunBatch(options, streams.readStandardInput, take);
    writer->End();

    if (!outputWritten(out, err))
        return OutputFailed;
    return allRan ? EveryCarRan : SomeCarFailed;
}
