#include "runner/CarBatch.h"

#include "core/InputChecks.h"
#include "core/VehicleFile.h"
#include "core/NumberText.h"

CarSource ReadCar(const QString& file, const StandardInputReader& readStandardInput)
{
    CarSource source;
    VehicleFile::Words words;
    if (file == QLatin1String("-")) {
        const InputBytes input = readStandardInput();
        if (!input.error.isEmpty()) {
            source.error = input.error;
            return source;
        }
        words = VehicleFile::Decode(input.bytes, file);
    } else if (!VehicleFile::HasTrvExtension(file)) {
        source.error = ExtensionMessage();
        return source;
    } else {
        words = VehicleFile::Load(file);
    }
    source.error = words.error;
    if (source.error.isEmpty())
        source.texts = VehicleFile::CarFromFileOrder(words.words);
    return source;
}

CarOutcome RunTexts(const QString& file, const CarTexts& texts)
{
    CarOutcome outcome;
    outcome.file = file;
    outcome.inputs = ConvertTexts(texts);
    outcome.error = RangeMessage(outcome.inputs);
    if (outcome.error.isEmpty())
        outcome.run = RunCar(outcome.inputs);
    return outcome;
}

bool RunBatch(const RunOptions& options, const StandardInputReader& readStandardInput,
              const std::function<void(const CarOutcome&)>& take)
{
    bool allRan = true;
    const auto runAndTake = [&](const QString& file, const CarTexts& texts) {
        const CarOutcome outcome = RunTexts(file, texts);
        allRan = allRan && outcome.Ran();
        take(outcome);
    };
    for (const QString& file : options.files) {
        const CarSource source = ReadCar(file, readStandardInput);
        if (!source.error.isEmpty()) {
            CarOutcome refused;
            refused.file = file;
            refused.error = source.error;
            allRan = false;
            take(refused);
            continue;
        }
        CarTexts texts = source.texts;
        for (const TextChange& change : options.changes)
            texts[change.field] = change.text;
        if (!options.sweep) {
            runAndTake(file, texts);
            continue;
        }
        // The swept value goes into its box as the text that reads back as
        // exactly that double, so the box's own conversion gives it.
        for (double value : options.sweepValues) {
            texts[options.sweep->field] = QString::fromLatin1(ShortestText(value));
            runAndTake(file, texts);
        }
    }
    return allRan;
}
