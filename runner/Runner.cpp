#include "runner/Runner.h"

#include "runner/RunOptions.h"
#include "runner/RunWriters.h"

#include <QFileDevice>

namespace {

void say(QIODevice& device, const QString& text)
{
    device.write(text.toUtf8());
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
    if (options.help) {
        say(out, HelpText());
        return EveryCarRan;
    }
    if (options.version) {
        say(out, QStringLiteral("torvane-run " TORVANE_VERSION "\n"));
        return EveryCarRan;
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

    // A full disk or a closed pipe shows only when the buffered results are
    // flushed.
    auto* file = qobject_cast<QFileDevice*>(&out);
    if (file && (!file->flush() || file->error() != QFileDevice::NoError)) {
        say(err, QStringLiteral("torvane-run: could not write the results: %1\n")
                     .arg(file->errorString()));
        return SomeCarFailed;
    }
    return allRan ? EveryCarRan : SomeCarFailed;
}
