// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/CarBatch.h"


#include "core/Csv.h"
#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "core/RoadRun.h"
#include "core/VehicleFile.h"
#include "logbook/Calibration.h"
#include "core/FileNames.h"
#include "runner/OrderedWork.h"
#include "runner/RunWriters.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>

BatchFile BatchFile::Of(const QString& name)
{
    const QString output = OutputName(name);
    BatchFile file{ name, output, TerminalText(name), output.toStdString(), {}, {} };
    // Every row of the file starts with its name: quoted and escaped once.
    AppendCsvField(file.csvCell, file.outputUtf8, CsvCellKind::Text);
    AppendJsonString(file.jsonText, file.outputUtf8);
    return file;
}

CarSource ReadCar(const BatchFile& file, const StandardInputReader& readStandardInput, CarModel model)
{
    CarSource source;
    VehicleFile::Words words;
    const bool standardInput = file.name == QLatin1String("-");
    // The name the reader's messages give the file.
    const QString name = standardInput ? file.name : file.outputName;
    if (standardInput) {
        const InputBytes input = readStandardInput(model == CarModel::Road);
        if (!input.error.isEmpty()) {
            source.error = input.error;
            return source;
        }
        words = VehicleFile::Decode(input.bytes, name);
    } else if (!VehicleFile::HasTrvExtension(file.name)) {
        source.error = ExtensionMessage();
        return source;
    } else {
        words = VehicleFile::LoadEncoded(EncodedName(file.name), name);
    }
    source.error = words.error;
    if (source.error.isEmpty() && model == CarModel::Road) {
        RoadKeysRead read = ReadRoadKeys(words.tail, words.tailFirstLine, name);
        source.error = read.error;
        source.keys = std::move(read.keys);
    }
    if (source.error.isEmpty())
        source.texts = VehicleFile::CarFromFileOrder(words.words);
    return source;
}

std::vector<QString> CheckMessages(CarModel model)
{
    std::vector<QString> messages;
    if (model == CarModel::Classic) {
        for (std::size_t i = 0; i < RangeTests().size(); ++i)
            messages.push_back(RangeTestMessage(static_cast<int>(i)));
        return messages;
    }
    // Every problem but None, each with every field, in RoadCheckIndex's
    // order.
    for (int kind = 1; kind <= static_cast<int>(RoadProblemKind::GearsForTransmission); ++kind)
        for (int field = 0; field < RoadFieldCount; ++field)
            messages.push_back(RoadProblemMessage({ static_cast<RoadProblemKind>(kind), static_cast<RoadField>(field) }));
    return messages;
}

int RoadCheckIndex(const RoadProblem& problem)
{
    return (static_cast<int>(problem.kind) - 1) * RoadFieldCount + static_cast<int>(problem.field);
}

void SetSweptValue(CarInputs& inputs, InputField field, double value)
{
    if (IsCountField(field)) {
        // IntegerFromText on the shortest text, without a QString: an
        // optional sign, then the digits up to the first other character,
        // saturated beyond 32 bits.
        std::string text;
        AppendShortest(text, value);
        const char* at = text.data();
        const char* const end = at + text.size();
        const bool negative = *at == '-';
        if (negative)
            ++at;
        long long whole = 0;
        for (; at < end && *at >= '0' && *at <= '9'; ++at)
            whole = std::min(whole * 10 + (*at - '0'), static_cast<long long>(INT_MAX) + 1);
        const long long count = negative ? -whole : whole;
        inputs.SetValue(field, static_cast<double>(std::clamp<long long>(count, INT_MIN, INT_MAX)));
        return;
    }
    // The shortest text reads back as the very double, except a subnormal,
    // which the conversion takes through the text.
    if (std::fpclassify(value) == FP_SUBNORMAL)
        value = DecimalFromText(QString::fromLatin1(ShortestText(value)));
    inputs.SetValue(field, value);
}

RunRow RunTexts(const BatchFile& file, const CarTexts& texts)
{
    RunRow row;
    row.file = &file;
    row.inputs = ConvertTexts(texts);
    row.failedCheck = FailingRangeTest(row.inputs);
    if (row.failedCheck < 0) {
        const DayResults day = RunCarOnDay(row.inputs, AirConditions());
        row.run = day.run;
        row.horsepower = day.horsepower;
        row.splits = day.splits;
    }
    return row;
}

namespace {

// What every piece of the command needs, made once.
struct BatchSetting {
    const RunOptions& options;
    const RowFormat* format;
    bool splits;
    AirFigures air;
    double airDensity; // slug/ft³ on the day, for the classic law
    RoadDay roadDay;   // the day as the road model takes it
    std::vector<std::string> checkLines; // each check's message (CheckMessages), for standard error
};

// A car's fit to the time slips, as its rows need it.
struct FittedCar {
    bool fitted = false;
    CarInputs car;           // the fitted car
    ModelledCar modelled;    // the same as the fit runs it (on the road model: its torque and grip too)
    std::string calibration; // the fit as JSON, when the rows carry it
    std::string failure;     // why the car could not be fitted: a line for standard error
};

// The one call into the calibration: the fit, with its validation (on
// `jobs` threads) only when the rows carry it.
Calibration calibrationOf(const ModelledCar& typed, const SlipsToFit& slips, int jobs)
{
    if (slips.validation) {
        CalibrationControl control;
        control.jobs = jobs;
        return Calibrate(typed, slips.runs, control);
    }
    Calibration calibration;
    calibration.runs = slips.runs;
    calibration.fit = FitCar(typed, slips.runs);
    return calibration;
}

// The fits of the cars met so far, by the bits of their inputs after --set,
// so that a car given again (or another file with the same inputs) is
// fitted once. The JSON texts kept are bounded: past the bound the oldest
// fits are forgotten, and made again should their car come back.
class FitCache {
public:
    FitCache(const SlipsToFit& slips, int jobs) : slips(slips), jobs(jobs) {}

    // `keys`: on the road model, the car's road keys (after --set).
    std::shared_ptr<const FittedCar> Of(const CarInputs& inputs, const RoadKeys* keys)
    {
        Key key;
        for (InputField field : AllInputFields)
            key.first[static_cast<std::size_t>(field)] = std::bit_cast<std::uint64_t>(inputs.Value(field));
        if (keys)
            key.second = EncodeRoadKeys(*keys).toStdString();
        const ModelledCar typed = keys ? RoadModelledCar(inputs, *keys) : ModelledCar{ inputs, std::nullopt };
        if (const auto known = fits.find(key); known != fits.end())
            return known->second;
        auto made = std::make_shared<FittedCar>();
        const Calibration calibration = calibrationOf(typed, slips, jobs);
        if (calibration.fit.Fitted()) {
            made->fitted = true;
            made->car = calibration.fit.car;
            made->modelled = calibration.fit.FittedCar();
            if (slips.validation)
                made->calibration = CalibrationJson(calibration);
        } else {
            made->failure = (TerminalText(QStringLiteral("could not be fitted to the time slips: %1")
                                              .arg(calibration.fit.message))
                             + u'\n')
                                .toStdString();
        }
        while (!order.empty() && bytes + made->calibration.size() > keptBytes) {
            bytes -= fits[order.front()]->calibration.size();
            fits.erase(order.front());
            order.pop_front();
        }
        bytes += made->calibration.size();
        order.push_back(key);
        fits.emplace(key, made);
        return made;
    }

private:
    using Key = std::pair<std::array<std::uint64_t, InputFieldCount>, std::string>;
    static constexpr std::size_t keptBytes = 64 << 20;
    const SlipsToFit& slips;
    int jobs;
    std::map<Key, std::shared_ptr<const FittedCar>> fits;
    std::deque<Key> order; // oldest first
    std::size_t bytes = 0; // of the JSON texts kept
};

// One FILE's runs.
struct CarRuns {
    const BatchFile* file;
    CarInputs base;      // the converted inputs, before the sweeps
    std::string prefix;  // "torvane-run: FILE: "
    CarInputs typed;     // the converted inputs as typed, for the range checks
    // The car's fit when it was fitted: `base` then holds the fitted
    // horsepower and spin time.
    std::shared_ptr<const FittedCar> fit;
    RoadKeys keys;       // on the road model: the file's road keys, after --set (a fit's torque)
    RoadCalibration roadCalibration; // on the road model: a fit's grip
};

// A swept value of a road key that is a number put into the road model's
// car, as the key's line would give it: a number of gears must be whole
// and in its range.
RoadProblem setRoadValue(RoadCar& car, RoadKey key, double value)
{
    switch (key) {
    case RoadKey::Gears: {
        const RoadRange& range = RoadRanges()[static_cast<std::size_t>(RoadField::Gears)];
        if (!(value >= range.low && value <= range.high) || value != std::floor(value))
            return { RoadProblemKind::OutOfRange, RoadField::Gears };
        car.gears = static_cast<int>(value);
        break;
    }
    case RoadKey::PowerRpm: car.powerRpm = value; break;
    case RoadKey::Torque: car.torque = value; break;
    case RoadKey::TorqueRpm: car.torqueRpm = value; break;
    case RoadKey::Redline: car.redline = value; break;
    case RoadKey::FrontalArea: car.frontalArea = value; break;
    default: break; // the choices are not swept (RunOptions)
    }
    return {};
}

// One row on the road model: the car of the row's inputs and the file's
// keys, the swept road values set, checked with the road model's ranges
// and run on the day.
void runRoadRow(const BatchSetting& setting, const CarRuns& car, RunRow& row)
{
    RoadCar roadCar = RoadCarOf(row.inputs, car.keys);
    RoadProblem problem;
    const std::vector<Sweep>& sweeps = setting.options.sweeps;
    for (std::size_t s = 0; s < sweeps.size() && !problem; ++s)
        if (sweeps[s].roadKey)
            problem = setRoadValue(roadCar, *sweeps[s].roadKey, row.swept[s]);
    if (!problem)
        problem = RoadRangeProblem(roadCar);
    if (problem) {
        row.failedCheck = RoadCheckIndex(problem);
        row.run = CarRun();
        row.horsepower = 0;
        row.splits = SplitTimes();
        return;
    }
    const RoadRun run = RunRoadModel(roadCar, setting.roadDay, DefaultRoadSpeedStep, car.roadCalibration);
    const DayResults day = DayResultsOf(run, setting.air);
    row.failedCheck = -1;
    row.run = day.run;
    row.horsepower = day.horsepower;
    row.splits = day.splits;
    row.roadCar = run.Car();
}

// The range test a fitted car's row answers to: the car's inputs with the
// fitted values as typed, unless a sweep set them.
int failingCheckOfFitted(const CarRuns& car, CarInputs inputs, const std::vector<Sweep>& sweeps)
{
    const auto swept = [&](InputField field) {
        return std::any_of(sweeps.begin(), sweeps.end(), [field](const Sweep& sweep) { return sweep.field == field; });
    };
    if (!swept(InputField::Horsepower))
        inputs.horsepower = car.typed.horsepower;
    if (!swept(InputField::SpinTime))
        inputs.spinTime = car.typed.spinTime;
    return FailingRangeTest(inputs);
}

void finishRow(const BatchSetting& setting, const CarRuns& car, RunRow& row, RowPiece& piece)
{
    if (!row.Ran()) {
        piece.allRan = false;
        piece.messages += car.prefix;
        piece.messages += setting.checkLines[static_cast<std::size_t>(row.failedCheck)];
    }
    if (setting.format)
        setting.format->Row(row, piece.formatted);
    else
        piece.rows.push_back(row);
}

// Rows first .. first+rows-1 of a car's runs: grid point by grid point, the
// last sweep varying fastest.
void runPiece(const BatchSetting& setting, const CarRuns& car, long long first, long long rows,
              SimulationRecord& record, RowPiece& piece)
{
    piece.rows.clear();
    piece.formatted.Clear();
    piece.messages.clear();
    piece.allRan = true;
    const std::vector<Sweep>& sweeps = setting.options.sweeps;
    RunRow row;
    row.file = car.file;
    row.calibration = car.fit && !car.fit->calibration.empty() ? &car.fit->calibration : nullptr;
    for (long long index = first; index < first + rows; ++index) {
        row.inputs = car.base;
        long long rest = index;
        for (std::size_t s = sweeps.size(); s-- > 0;) {
            const long long k = rest % sweeps[s].count;
            rest /= sweeps[s].count;
            row.swept[s] = sweeps[s].Value(k);
            if (!sweeps[s].roadKey)
                SetSweptValue(row.inputs, sweeps[s].field, row.swept[s]);
        }
        if (setting.options.model == CarModel::Road) {
            runRoadRow(setting, car, row);
            finishRow(setting, car, row, piece);
            continue;
        }
        row.failedCheck = car.fit ? failingCheckOfFitted(car, row.inputs, sweeps) : FailingRangeTest(row.inputs);
        if (row.failedCheck < 0) {
            // The car on the day (core/DayRun): on the standard day the
            // horsepower and the air density are exactly the classic ones.
            row.horsepower = HorsepowerOnDay(row.inputs.horsepower, setting.air);
            SetUpRecord(record, row.inputs, row.horsepower, setting.airDensity);
            record.RunSimulation({});
            row.run = RunOf(record);
            if (setting.splits)
                row.splits = SplitTimesOf(record, Timeline::Of(record));
        } else {
            row.run = CarRun();
            row.horsepower = 0;
            row.splits = SplitTimes();
        }
        finishRow(setting, car, row, piece);
    }
}

} // namespace

bool RunBatch(const RunOptions& options, const StandardInputReader& readStandardInput,
              const RowFormat* format, bool splits,
              const std::function<bool(const RowPiece&)>& take, bool& allRan,
              const SlipsToFit* slips)
{
    const AirFigures air = FiguresFor(options.air);
    BatchSetting setting{ options, format, splits, air, AirDensityOnDay(air), RoadDayOf(air), {} };
    for (const QString& message : CheckMessages(options.model))
        setting.checkLines.push_back((TerminalText(message) + u'\n').toStdString());
    allRan = true;
    OrderedWork work(options.jobs);
    std::vector<RowPiece> held(static_cast<std::size_t>(work.Window()));
    // One engine record for each thread, alone on its cache lines.
    struct alignas(64) WorkerRecord {
        SimulationRecord record = RecordFor(CarInputs::DefaultCar());
    };
    std::vector<WorkerRecord> records(static_cast<std::size_t>(work.Jobs()));
    const long long runs = options.RunsPerCar();
    const std::unique_ptr<FitCache> fits = slips ? std::make_unique<FitCache>(*slips, options.jobs) : nullptr;
    for (const QString& name : options.files) {
        const BatchFile file = BatchFile::Of(name);
        const CarRuns car{ &file, {}, ("torvane-run: " + file.terminalName + ": ").toStdString() };
        const CarSource source = ReadCar(file, readStandardInput, options.model);
        if (!source.error.isEmpty()) {
            RowPiece& piece = held.front();
            piece = RowPiece();
            piece.allRan = false;
            piece.messages = car.prefix + (TerminalText(source.error) + u'\n').toStdString();
            RunRow refused;
            refused.file = &file;
            refused.refusal = source.error;
            if (format)
                format->Row(refused, piece.formatted);
            else
                piece.rows.push_back(refused);
            allRan = false;
            if (!take(piece))
                return false;
            continue;
        }
        CarTexts texts = source.texts;
        for (const TextChange& change : options.changes)
            texts[change.field] = change.text;
        CarRuns runsOfCar = car;
        runsOfCar.base = ConvertTexts(texts);
        runsOfCar.typed = runsOfCar.base;
        runsOfCar.keys = source.keys;
        for (const QString& change : options.roadChanges)
            SetRoadKey(runsOfCar.keys, change); // checked with the options
        if (fits) {
            const bool road = options.model == CarModel::Road;
            std::shared_ptr<const FittedCar> fit = fits->Of(runsOfCar.base, road ? &runsOfCar.keys : nullptr);
            if (fit->fitted) {
                runsOfCar.base = fit->car;
                if (road) {
                    runsOfCar.keys.car.torque = fit->modelled.road->keys.torque;
                    runsOfCar.roadCalibration = RoadCalibrationOf(fit->modelled);
                }
                runsOfCar.fit = std::move(fit);
            } else {
                RowPiece& piece = held.front();
                piece = RowPiece();
                piece.allRan = false;
                piece.messages = car.prefix + fit->failure;
                allRan = false;
                if (!take(piece))
                    return false;
            }
        }
        // Rows that each carry a long calibration come in shorter pieces, so
        // that the pieces held at once stay about as large as without.
        const long long pieceRows = runsOfCar.fit ? std::clamp<long long>(
                                        static_cast<long long>(PieceBytes / (runsOfCar.fit->calibration.size() + 1)),
                                        1, PieceRows)
                                                  : PieceRows;
        const long long pieces = (runs + pieceRows - 1) / pieceRows;
        const auto doPiece = [&](long long piece, int worker) {
            const long long first = piece * pieceRows;
            runPiece(setting, runsOfCar, first, std::min(pieceRows, runs - first),
                     records[static_cast<std::size_t>(worker)].record,
                     held[static_cast<std::size_t>(piece % work.Window())]);
        };
        const auto takePiece = [&](long long piece) {
            const RowPiece& done = held[static_cast<std::size_t>(piece % work.Window())];
            allRan = allRan && done.allRan;
            return take(done);
        };
        if (!work.Run(pieces, doPiece, takePiece))
            return false;
    }
    return true;
}
