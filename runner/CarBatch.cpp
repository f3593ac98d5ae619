#include "runner/CarBatch.h"

#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "core/VehicleFile.h"
#include "runner/FileNames.h"

BatchFile BatchFile::Of(const QString& name)
{
    return { name, OutputName(name), TerminalText(name) };
}

CarSource ReadCar(const BatchFile& file, const StandardInputReader& readStandardInput)
{
    CarSource source;
    VehicleFile::Words words;
    if (file.name == QLatin1String("-")) {
        const InputBytes input = readStandardInput();
        if (!input.error.isEmpty()) {
            source.error = input.error;
            return source;
        }
        words = VehicleFile::Decode(input.bytes, file.name);
    } else if (!VehicleFile::HasTrvExtension(file.name)) {
        source.error = ExtensionMessage();
        return source;
    } else {
        words = VehicleFile::LoadEncoded(EncodedName(file.name), file.outputName);
    }
    source.error = words.error;
    if (source.error.isEmpty())
        source.texts = VehicleFile::CarFromFileOrder(words.words);
    return source;
}

RunRow RunTexts(const BatchFile& file, const CarTexts& texts)
{
    RunRow row;
    row.file = &file;
    row.inputs = ConvertTexts(texts);
    row.failedCheck = FailingRangeTest(row.inputs);
    if (row.failedCheck < 0)
        row.run = RunCar(row.inputs);
    return row;
}

bool RunBatch(const RunOptions& options, const StandardInputReader& readStandardInput,
              const std::function<bool(const RunRow&)>& take)
{
    bool allRan = true;
    for (const QString& name : options.files) {
        const BatchFile file = BatchFile::Of(name);
        const CarSource source = ReadCar(file, readStandardInput);
        if (!source.error.isEmpty()) {
            RunRow refused;
            refused.file = &file;
            refused.refusal = source.error;
            allRan = false;
            if (!take(refused))
                return false;
            continue;
        }
        CarTexts texts = source.texts;
        for (const TextChange& change : options.changes)
            texts[change.field] = change.text;
        if (!options.sweep) {
            const RunRow row = RunTexts(file, texts);
            allRan = allRan && row.Ran();
            if (!take(row))
                return false;
            continue;
        }
        // The swept value goes into its box as the text that reads back as
        // exactly that double, so the box's own conversion gives it.
        for (double value : options.sweepValues) {
            texts[options.sweep->field] = QString::fromLatin1(ShortestText(value));
            RunRow row = RunTexts(file, texts);
            row.swept[0] = value;
            allRan = allRan && row.Ran();
            if (!take(row))
                return false;
        }
    }
    return allRan;
}
