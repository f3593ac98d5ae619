// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageApi.h"

#include "numbers/Air.h"
#include "numbers/Car.h"
#include "numbers/Checks.h"
#include "numbers/DayRun.h"
#include "numbers/Fit.h"
#include "numbers/ReportSums.h"
#include "numbers/RoadKeyValues.h"
#include "numbers/RoadRun.h"
#include "numbers/SplitFigures.h"
#include "numbers/TrvWords.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <vector>

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define TV_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define TV_EXPORT
#endif

namespace {

// The buffers: the page holds one car at a time in them.
double in[TvIn::Size];
double out[TvOut::Size];
char text[4096];
char bytes[TrvMaxScannedBytes + 1];
std::vector<double> runsBuffer;

CarInputs carOf(const double* values)
{
    CarInputs car;
    for (InputField field : AllInputFields)
        car.SetValue(field, values[static_cast<int>(field)]);
    return car;
}

AirConditions airOf(const double* values)
{
    return { values[0], values[1], values[2] };
}

// An optional key: NaN stands for a key left out.
template <typename T>
std::optional<T> keyOf(double value)
{
    if (std::isnan(value))
        return std::nullopt;
    return static_cast<T>(static_cast<int>(value));
}
std::optional<double> numberKey(double value)
{
    return std::isnan(value) ? std::nullopt : std::optional<double>(value);
}

// The road keys the input buffer gives (the optional ones only, the
// frontal area apart).
RoadCar roadKeysOf(const double* keys)
{
    RoadCar car;
    car.engine = keyOf<EngineKind>(keys[0]);
    car.drivetrain = keyOf<Drivetrain>(keys[1]);
    car.transmission = keyOf<Transmission>(keys[2]);
    car.gears = keyOf<int>(keys[3]);
    car.powerRpm = numberKey(keys[4]);
    car.torque = numberKey(keys[5]);
    car.torqueRpm = numberKey(keys[6]);
    car.redline = numberKey(keys[7]);
    car.tires = keyOf<TireKind>(keys[9]);
    car.surface = keyOf<SurfaceKind>(keys[10]);
    return car;
}

// The road model's car from the nine inputs and the keys.
RoadCar roadCarOf(const CarInputs& inputs, const double* keys)
{
    return RoadCarFrom(inputs, roadKeysOf(keys), numberKey(keys[8]));
}

// The car as a fit runs it: by the classic law (model 0), or with its road
// keys by the road model (1).
ModelledCar modelledCarOf(int model, const double* values)
{
    const CarInputs inputs = carOf(values + TvIn::Car);
    if (model != 1)
        return { inputs, std::nullopt };
    const double* keys = values + TvIn::RoadKeys;
    return { inputs, RoadDescription{ roadKeysOf(keys), numberKey(keys[8]), 1 } };
}

void writeAir(const AirFigures& f, double* to)
{
    const std::array<double, 10> values = { f.celsius, f.kelvin, f.stationPressure, f.vapourPressure,
                                            f.dryPressure, f.density, f.relativeAirDensity,
                                            f.correctionFactor, f.j607Factor, f.densityAltitude };
    std::copy(values.begin(), values.end(), to);
}

void writeSplits(const SplitTimes& s, double* to)
{
    for (std::size_t i = 0; i < SplitFigures.size(); ++i)
        to[i] = s.*SplitFigures[i].value;
}

void writeDay(const DayResults& day)
{
    out[TvOut::Outcome] = static_cast<double>(day.run.outcome);
    out[TvOut::TimeLimit] = day.run.timeLimitReached ? 1 : 0;
    out[TvOut::StopTime] = day.run.stopTime;
    const SimulationResults& r = day.run.results;
    const std::array<double, 12> results = { r.topSpeedTime,      r.topSpeed,          r.topSpeedDistance,
                                             r.topSpeedWindForce, r.zeroToSixtyTime,   r.zeroToHundredTime,
                                             r.zeroToEightyTime,  r.sixtyToEightyTime, r.quarterMileTime,
                                             r.quarterMileSpeed,  r.quarterMileDistance,
                                             r.quarterMileWindForce };
    std::copy(results.begin(), results.end(), out + TvOut::Results);
    writeSplits(day.splits, out + TvOut::Splits);
    out[TvOut::Horsepower] = day.horsepower;
    out[TvOut::AirDensity] = day.airDensity;
    writeAir(day.air, out + TvOut::AirFigures);
}

// The room for curve points and shifts after TvOut::Points.
constexpr std::size_t maxPoints = (TvOut::Size - TvOut::Points) / 3 - 64;

void runClassic(const CarInputs& car, const AirFigures& air, int samples)
{
    SimulationRecord record = RecordOnDay(car, air);
    record.RunSimulation({});
    const DayResults day = DayResultsOf(record, air);
    writeDay(day);
    std::size_t n = 0;
    if (day.run.Finished() && samples > 1) {
        const auto points = record.Trajectory(record.QuarterMileStep(), samples);
        for (const TrajectoryPoint& p : points) {
            if (n == maxPoints)
                break;
            double* at = out + TvOut::Points + 3 * n++;
            at[0] = day.timeline.ElapsedAt(p.time);
            at[1] = p.speed * MphPerFootPerSecond;
            at[2] = p.distance;
        }
    }
    out[TvOut::PointCount] = static_cast<double>(n);
    out[TvOut::ShiftCount] = 0;
}

void runRoad(const RoadCar& car, const AirFigures& air, int samples)
{
    const RoadRun run = RunRoadModel(car, RoadDayOf(air));
    writeDay(DayResultsOf(run, air));
    const RoadProblem problem = RoadRangeProblem(car);
    out[TvOut::RoadProblem] = static_cast<double>(problem.kind);
    out[TvOut::RoadProblem + 1] = static_cast<double>(problem.field);
    const FullRoadCar& full = run.Car();
    const std::array<double, 11> keys = {
        static_cast<double>(full.engine), static_cast<double>(full.drivetrain),
        static_cast<double>(full.transmission), static_cast<double>(full.gears), full.powerRpm, full.torque,
        full.torqueRpm, full.redline, full.frontalArea, static_cast<double>(full.tires),
        static_cast<double>(full.surface),
    };
    std::copy(keys.begin(), keys.end(), out + TvOut::RoadCar);
    std::size_t n = 0;
    std::size_t shifts = 0;
    if (run.Finished() && samples > 1) {
        // The trajectory up to the quarter mile, thinned to about `samples`
        // points, every point timed from the rollout.
        const double end = run.Results().quarterMileTime + run.RolloutTime();
        const auto& points = run.Trajectory();
        const std::size_t last = static_cast<std::size_t>(
            std::upper_bound(points.begin(), points.end(), end,
                             [](double t, const RoadPoint& p) { return t < p.time; })
            - points.begin());
        const std::size_t stride = std::max<std::size_t>(1, last / static_cast<std::size_t>(samples));
        for (std::size_t i = 0; i < last && n + 1 < maxPoints; i += stride) {
            const RoadPoint& p = points[i];
            double* at = out + TvOut::Points + 3 * n++;
            at[0] = std::max(0.0, p.time - run.RolloutTime());
            at[1] = p.speed * MphPerFootPerSecond;
            at[2] = p.distance;
        }
        // The curves end at the quarter mile's mark itself.
        const RoadSplit& quarter = run.Splits().back();
        double* at = out + TvOut::Points + 3 * n++;
        at[0] = quarter.elapsedTime;
        at[1] = quarter.speed;
        at[2] = quarter.distance;
        double* shiftsAt = out + TvOut::Points + 3 * n;
        for (const RoadShift& shift : run.Shifts()) {
            if (shift.time > end || shifts == 32)
                break;
            shiftsAt[2 * shifts] = std::max(0.0, shift.time - run.RolloutTime());
            shiftsAt[2 * shifts + 1] = shift.speed * MphPerFootPerSecond;
            ++shifts;
        }
    }
    out[TvOut::PointCount] = static_cast<double>(n);
    out[TvOut::ShiftCount] = static_cast<double>(shifts);
}

// A run of the runs buffer.
RunFigures runFiguresOf(const double* at)
{
    RunFigures run;
    run.temperature = numberKey(at[TvRun::Weather]);
    run.pressure = numberKey(at[TvRun::Weather + 1]);
    run.humidity = numberKey(at[TvRun::Weather + 2]);
    for (std::size_t i = 0; i < SplitFigures.size(); ++i)
        run.Of(SplitFigures[i].figure) = numberKey(at[TvRun::Splits + i]);
    if (const std::optional<double> day = numberKey(at[TvRun::Day]))
        run.day = static_cast<long long>(*day);
    return run;
}

double orNaN(const std::optional<double>& value)
{
    return value ? *value : std::numeric_limits<double>::quiet_NaN();
}

double band68Of(const std::optional<BandWidths>& band)
{
    return band ? band->band68 : std::numeric_limits<double>::quiet_NaN();
}

double band95Of(const std::optional<BandWidths>& band)
{
    return band ? band->band95 : std::numeric_limits<double>::quiet_NaN();
}

void writeFit(const FitCalibration& calibration)
{
    const FitResult& fit = calibration.fit;
    out[TvFit::Outcome] = static_cast<double>(fit.outcome);
    out[TvFit::RefusedRun] = fit.refusedRun;
    out[TvFit::UnrunnableField] = fit.unrunnableField ? static_cast<double>(*fit.unrunnableField) : -1;
    out[TvFit::Horsepower] = fit.horsepower;
    out[TvFit::SpinTime] = fit.spinTime;
    out[TvFit::SumOfSquares] = fit.sumOfSquares;
    out[TvFit::Figures] = fit.figures;
    out[TvFit::SpinTimeHeld] = fit.spinTimeHeld ? 1 : 0;
    out[TvFit::FewerShifts] = fit.fewerShifts;
    out[TvFit::HorsepowerBound] = static_cast<double>(fit.horsepowerBound);
    out[TvFit::FailingRange] = fit.Fitted() ? FailingInputRange(fit.car) : -1;
    out[TvFit::Folds] = calibration.folds;
    out[TvFit::BandGap] = static_cast<double>(calibration.band.gap);
    out[TvFit::Days] = calibration.days;
    out[TvFit::Model] = fit.Road() ? 1 : 0;
    out[TvFit::PowerFactor] = fit.powerFactor;
    out[TvFit::WheelHorsepower] = fit.wheelHorsepower;
    out[TvFit::GripFactor] = fit.gripFactor;
    out[TvFit::GripHeld] = fit.gripHeld ? 1 : 0;
    out[TvFit::GripBound] = static_cast<double>(fit.gripBound);
    if (fit.Road()) {
        const RoadProblem problem = RoadRangeProblem(RoadCarOf(fit.Fitted() ? fit.FittedCar() : fit.TypedCar()));
        out[TvFit::RoadProblem] = static_cast<double>(problem.kind);
        out[TvFit::RoadProblem + 1] = static_cast<double>(problem.field);
    }
    const FitBand& band = calibration.band;
    const std::array<const FigureError*, 4> errors = { &band.quarterMileTime, &band.quarterMileSpeed,
                                                       &band.eighthMileTime, &band.eighthMileSpeed };
    for (std::size_t i = 0; i < errors.size(); ++i) {
        double* at = out + TvFit::Errors + 4 * i;
        at[0] = errors[i]->runs;
        at[1] = errors[i]->meanAbsolute;
        at[2] = errors[i]->bias;
        at[3] = errors[i]->rootMeanSquare;
        const std::optional<BandWidths> widths = BandOf(*errors[i]);
        double* bands = out + TvFit::ErrorBands + 3 * i;
        bands[0] = errors[i]->days;
        bands[1] = widths ? widths->band68 : std::numeric_limits<double>::quiet_NaN();
        bands[2] = widths ? widths->band95 : std::numeric_limits<double>::quiet_NaN();
    }
    constexpr std::size_t room = (TvOut::Size - TvFit::Runs) / TvFit::RunStride;
    const std::size_t shown = std::min(fit.runs.size(), room);
    out[TvFit::RunCount] = static_cast<double>(shown);
    for (std::size_t i = 0; i < shown; ++i) {
        const SlipResidual& r = fit.runs[i];
        double* at = out + TvFit::Runs + TvFit::RunStride * i;
        at[0] = r.finished ? 1 : 0;
        for (std::size_t f = 0; f < SplitFigures.size(); ++f)
            at[1 + f] = r.Of(SplitFigures[f].figure).predicted;
    }
}

void writePrediction(const DayPrediction& p)
{
    double* at = out + TvFit::Prediction;
    const std::optional<AirField> failing = FailingAirField(p.air);
    const std::array<double, 16> values = {
        static_cast<double>(p.gap), failing ? static_cast<double>(*failing) : -1, p.finished ? 1.0 : 0.0,
        p.quarterMileTime, p.quarterMileSpeed, p.eighthMileTime, p.eighthMileSpeed,
        band68Of(p.quarterMileTimeBand), band68Of(p.quarterMileSpeedBand), band68Of(p.eighthMileTimeBand),
        band68Of(p.eighthMileSpeedBand), p.banded ? 1.0 : 0.0,
        band95Of(p.quarterMileTimeBand), band95Of(p.quarterMileSpeedBand), band95Of(p.eighthMileTimeBand),
        band95Of(p.eighthMileSpeedBand),
    };
    std::copy(values.begin(), values.end(), at);
}

void writeReport(const ReportSums& card, const DialIn& dial)
{
    double* at = out + TvFit::Report;
    at[0] = static_cast<double>(card.gap);
    at[1] = card.best;
    at[2] = card.bestAhead;
    for (std::size_t m = 0; m < card.scores.size(); ++m) {
        const MethodScore& score = card.scores[m];
        double* method = at + 3 + TvFit::ReportStride * m;
        method[0] = score.runs;
        method[1] = score.meanAbsoluteError;
        method[2] = score.bias;
        method[3] = score.speed.runs;
        method[4] = score.speed.meanAbsoluteError;
        method[5] = score.speed.bias;
    }
    double* dialIn = out + TvFit::DialIn;
    dialIn[0] = dial.method;
    dialIn[1] = orNaN(dial.quarterMileTime);
    dialIn[2] = orNaN(dial.quarterMileSpeed);
    dialIn[3] = orNaN(dial.timeBand95);
    dialIn[4] = orNaN(dial.speedBand95);
}

} // namespace

extern "C" {

TV_EXPORT double* tv_in()
{
    return in;
}

TV_EXPORT double* tv_out()
{
    return out;
}

TV_EXPORT char* tv_text()
{
    return text;
}

TV_EXPORT std::size_t tv_text_size()
{
    return sizeof text;
}

TV_EXPORT char* tv_bytes()
{
    return bytes;
}

TV_EXPORT std::size_t tv_bytes_size()
{
    return sizeof bytes;
}

TV_EXPORT int tv_trv_scan(int length)
{
    const std::size_t size = std::min(static_cast<std::size_t>(std::max(length, 0)), sizeof bytes);
    const TrvScanner scanner = ScanTrv(std::string_view(bytes, size));
    out[0] = static_cast<double>(scanner.words.size());
    out[1] = scanner.tailFirstLine;
    std::size_t at = 0;
    for (std::size_t i = 0; i < scanner.words.size(); ++i) {
        out[2 + i] = static_cast<double>(scanner.words[i].size());
        std::copy(scanner.words[i].begin(), scanner.words[i].end(), bytes + at);
        at += scanner.words[i].size();
    }
    out[11] = static_cast<double>(scanner.tail.size());
    std::copy(scanner.tail.begin(), scanner.tail.end(), bytes + at);
    return static_cast<int>(ProblemOf(scanner));
}

TV_EXPORT int tv_road_value(int key, int length)
{
    const std::size_t size = std::min(static_cast<std::size_t>(std::max(length, 0)), sizeof text);
    RoadCar car;
    std::optional<double> frontalArea;
    const RoadKey roadKey = static_cast<RoadKey>(key);
    const RoadValueError error = TakeRoadValue(roadKey, std::string_view(text, size), car, frontalArea);
    out[0] = 0;
    if (error == RoadValueError::None) {
        // The value as the input buffer's road keys take it.
        switch (roadKey) {
        case RoadKey::Engine: out[0] = static_cast<double>(*car.engine); break;
        case RoadKey::Drivetrain: out[0] = static_cast<double>(*car.drivetrain); break;
        case RoadKey::Transmission: out[0] = static_cast<double>(*car.transmission); break;
        case RoadKey::Gears: out[0] = *car.gears; break;
        case RoadKey::PowerRpm: out[0] = *car.powerRpm; break;
        case RoadKey::Torque: out[0] = *car.torque; break;
        case RoadKey::TorqueRpm: out[0] = *car.torqueRpm; break;
        case RoadKey::Redline: out[0] = *car.redline; break;
        case RoadKey::FrontalArea: out[0] = *frontalArea; break;
        case RoadKey::Tires: out[0] = static_cast<double>(*car.tires); break;
        case RoadKey::Surface: out[0] = static_cast<double>(*car.surface); break;
        }
    }
    return static_cast<int>(error);
}

TV_EXPORT double tv_parse_field(int field, int length)
{
    const std::size_t size = std::min(static_cast<std::size_t>(std::max(length, 0)), sizeof text);
    return ParseField(static_cast<InputField>(field), std::string_view(text, size));
}

TV_EXPORT int tv_check_car()
{
    return FailingInputRange(carOf(in + TvIn::Car));
}

TV_EXPORT int tv_air()
{
    const AirConditions air = airOf(in + TvIn::Car);
    writeAir(FiguresFor(air), out + TvOut::AirFigures);
    const std::optional<AirField> failing = FailingAirField(air);
    return failing ? static_cast<int>(*failing) : -1;
}

TV_EXPORT int tv_altimeter()
{
    const AltimeterCheck check = CheckAltimeter(in[0], in[1]);
    out[0] = check.failingField ? 0 : check.station;
    if (check.failingField)
        return static_cast<int>(*check.failingField);
    return check.stationOutOfRange ? 5 : -1;
}

TV_EXPORT int tv_run(int model, int samples)
{
    std::fill(out, out + TvOut::Points, 0.0);
    const CarInputs car = carOf(in + TvIn::Car);
    const AirFigures air = FiguresFor(airOf(in + TvIn::Air));
    if (model == 1)
        runRoad(roadCarOf(car, in + TvIn::RoadKeys), air, samples);
    else
        runClassic(car, air, samples);
    return static_cast<int>(out[TvOut::Outcome]);
}

TV_EXPORT double* tv_runs(int count)
{
    runsBuffer.assign(static_cast<std::size_t>(std::max(count, 0)) * TvRun::Stride, 0.0);
    return runsBuffer.data();
}

TV_EXPORT int tv_fit(int model, int count)
{
    std::fill(out, out + TvFit::Runs, 0.0);
    const std::size_t n = std::min(static_cast<std::size_t>(std::max(count, 0)), runsBuffer.size() / TvRun::Stride);
    std::vector<RunFigures> runs;
    std::vector<int> dateOrder(n);
    runs.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double* at = runsBuffer.data() + TvRun::Stride * i;
        runs.push_back(runFiguresOf(at));
        // A place out of range or given twice leaves the runs as given.
        dateOrder[i] = static_cast<int>(i);
    }
    std::vector<int> byPlace(n, -1);
    bool placed = true;
    for (std::size_t i = 0; i < n && placed; ++i) {
        const double place = runsBuffer[TvRun::Stride * i + TvRun::DatePlace];
        const auto k = static_cast<std::size_t>(place);
        placed = place >= 0 && place < static_cast<double>(n) && byPlace[k] < 0;
        if (placed)
            byPlace[k] = static_cast<int>(i);
    }
    if (placed)
        dateOrder = byPlace;
    const FitCalibration calibration = CalibrateToRuns(modelledCarOf(model, in), runs);
    writeFit(calibration);
    if (calibration.fit.Fitted())
        writePrediction(PredictOnDay(calibration.fit.FittedCar(), calibration.band, airOf(in + TvIn::Air)));
    const ReportSums card = ReportSumsOf(calibration, dateOrder);
    writeReport(card, DialInOf(card, calibration, dateOrder, airOf(in + TvIn::Air)));
    return static_cast<int>(calibration.fit.outcome);
}

} // extern "C"
