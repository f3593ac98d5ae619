// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/ReportSums.h"

#include "numbers/DialIn.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t MethodCount = static_cast<std::size_t>(PredictionMethodCount);

// A finished run's figure, or nothing.
std::optional<double> finished(double value)
{
    if (value > 0 && std::isfinite(value))
        return value;
    return std::nullopt;
}

// The two figures the card scores, with what each method reads of a run.
struct ScoredFigure {
    std::optional<double> RunFigures::*given;
    double SplitTimes::*predicted;
    std::optional<double> RunFigures::*eighthMile; // the run's own figure the eighth-mile line reads
};

constexpr std::array<ScoredFigure, 2> ScoredFigures = { {
    { &RunFigures::quarterMileTime, &SplitTimes::quarterMileTime, &RunFigures::eighthMileTime },
    { &RunFigures::quarterMileSpeed, &SplitTimes::quarterMileSpeed, &RunFigures::eighthMileSpeed },
} };

double densityAltitudeOf(const RunFigures& run)
{
    return FiguresFor(AirOfRun(run)).densityAltitude;
}

// The least-squares line through the points, at x; the mean of the y where
// the x do not spread; nothing without a point.
std::optional<double> lineAt(const std::vector<LinePoint>& points, double x)
{
    if (points.empty())
        return std::nullopt;
    if (const std::optional<StraightLine> line = LeastSquaresLine(points))
        return line->At(x);
    double meanY = 0;
    for (const LinePoint& p : points)
        meanY += p.y;
    return meanY / static_cast<double>(points.size());
}

// The predictions of one figure of the run at place k in date order by the
// methods that read no fit: from the runs at places before `end`.
struct Racers {
    const std::vector<RunFigures>& runs;
    const std::vector<int>& order;
    const ModelledCar typed;

    // The line of the figure against `x` (read of each run) through the runs
    // before `end` that give both, at `at`.
    template <typename X>
    std::optional<double> line(const ScoredFigure& f, std::size_t end, X x, std::optional<double> at) const
    {
        if (!at)
            return std::nullopt;
        std::vector<LinePoint> points;
        for (std::size_t j = 0; j < end; ++j) {
            const RunFigures& before = runs[static_cast<std::size_t>(order[j])];
            const std::optional<double> bx = x(before);
            if (bx && before.*f.given)
                points.push_back({ *bx, *(before.*f.given) });
        }
        return lineAt(points, *at);
    }

    std::optional<double> lastRun(const ScoredFigure& f, std::size_t end) const
    {
        for (std::size_t j = end; j-- > 0;)
            if (const std::optional<double>& value = runs[static_cast<std::size_t>(order[j])].*f.given)
                return value;
        return std::nullopt;
    }

    // The method's prediction for a run on `air` (the run itself for the
    // methods that read its own figures; none for those on a day to come).
    std::optional<double> predict(PredictionMethod method, const ScoredFigure& f, std::size_t end,
                                  const AirConditions& air, const RunFigures* run) const
    {
        const bool time = f.given == &RunFigures::quarterMileTime;
        switch (method) {
        case PredictionMethod::TypedOnDay:
            return finished(RunModelledCarOnDay(typed, FiguresFor(air)).splits.*f.predicted);
        case PredictionMethod::HalesFormula: {
            const double horsepower = HorsepowerOnDay(typed.inputs.horsepower, FiguresFor(air));
            return finished(time ? HalesQuarterMileTime(typed.inputs.carWeight, horsepower)
                                 : HalesQuarterMileSpeed(typed.inputs.carWeight, horsepower));
        }
        case PredictionMethod::LastRun: return lastRun(f, end);
        case PredictionMethod::DensityAltitudeLine:
            return line(f, end, [](const RunFigures& r) { return std::optional(densityAltitudeOf(r)); },
                        FiguresFor(air).densityAltitude);
        case PredictionMethod::FromSixtyFoot:
            if (!run)
                return std::nullopt;
            return line(f, end, [](const RunFigures& r) { return r.sixtyFootTime; }, run->sixtyFootTime);
        case PredictionMethod::FromEighthMile:
            if (!run)
                return std::nullopt;
            return line(f, end, [&f](const RunFigures& r) { return r.*f.eighthMile; }, run->*f.eighthMile);
        case PredictionMethod::FittedOnDay:
        case PredictionMethod::FittedOnStandardDay: break;
        }
        return std::nullopt;
    }
};

FigureScore scoreOf(const std::vector<double>& differences)
{
    FigureScore score;
    score.runs = static_cast<int>(differences.size());
    if (differences.empty())
        return score;
    double absolute = 0;
    double sum = 0;
    double squares = 0;
    for (double d : differences) {
        absolute += std::abs(d);
        sum += d;
        squares += d * d;
    }
    score.meanAbsoluteError = absolute / score.runs;
    score.bias = sum / score.runs;
    score.rootMeanSquare = std::sqrt(squares / score.runs);
    return score;
}

// The scores of one figure: every method's prediction of each run scored
// (places in date order), then each method scored on the runs that all the
// methods kept predict. A method is kept, most runs first, while the runs
// it predicts are at least half those of the methods kept before it; the
// others predict too few of them and get no score.
std::array<FigureScore, MethodCount>
scoresOf(const std::vector<std::array<std::optional<double>, MethodCount>>& predictions,
         const std::vector<double>& given)
{
    std::array<int, MethodCount> covered{};
    for (const auto& row : predictions)
        for (std::size_t m = 0; m < MethodCount; ++m)
            covered[m] += row[m].has_value();
    std::array<std::size_t, MethodCount> byCover{};
    for (std::size_t m = 0; m < MethodCount; ++m)
        byCover[m] = m;
    std::stable_sort(byCover.begin(), byCover.end(),
                     [&covered](std::size_t a, std::size_t b) { return covered[a] > covered[b]; });
    std::vector<bool> common(predictions.size(), true);
    std::size_t commonCount = predictions.size();
    std::array<bool, MethodCount> kept{};
    for (std::size_t m : byCover) {
        if (covered[m] == 0)
            continue;
        std::size_t both = 0;
        for (std::size_t r = 0; r < predictions.size(); ++r)
            both += common[r] && predictions[r][m];
        if (both == 0 || 2 * both < commonCount)
            continue;
        kept[m] = true;
        for (std::size_t r = 0; r < predictions.size(); ++r)
            common[r] = common[r] && predictions[r][m].has_value();
        commonCount = both;
    }
    std::array<FigureScore, MethodCount> scores{};
    for (std::size_t m = 0; m < MethodCount; ++m) {
        if (!kept[m])
            continue;
        std::vector<double> differences;
        for (std::size_t r = 0; r < predictions.size(); ++r)
            if (common[r])
                differences.push_back(*predictions[r][m] - given[r]);
        scores[m] = scoreOf(differences);
    }
    return scores;
}

std::optional<double> band95Of(const FigureScore& score)
{
    if (score.runs < 2)
        return std::nullopt;
    return StudentT(BandProbability95, score.runs - 1) * score.rootMeanSquare;
}

} // namespace

MethodModel ModelOf(PredictionMethod method, MethodModel law)
{
    switch (method) {
    case PredictionMethod::FittedOnDay:
    case PredictionMethod::FittedOnStandardDay:
    case PredictionMethod::TypedOnDay: return law;
    default: return MethodModel::None;
    }
}

bool PredictsAhead(PredictionMethod method)
{
    return method != PredictionMethod::FromSixtyFoot && method != PredictionMethod::FromEighthMile;
}

// Hale's formulas, as Patrick Hale gave them with his drag-racing
// simulation programs in the 1980s and as Jeff Lucius's "Calculators for
// 1/4-Mile ET & MPH vs. HP and Weight" reproduces them: ET = 5.825 ·
// (weight / hp)^(1/3) and MPH = 234 · (hp / weight)^(1/3), weight in lb (car
// and driver) and hp the engine's (flywheel) horsepower. Here the weight is
// the car's as typed and the horsepower the typed one on the day (rated /
// the SAE J1349 factor), as the model runs it.
double HalesQuarterMileTime(double weight, double horsepower)
{
    return 5.825 * std::cbrt(weight / horsepower);
}

double HalesQuarterMileSpeed(double weight, double horsepower)
{
    return 234 * std::cbrt(horsepower / weight);
}

ReportSums ReportSumsOf(const FitCalibration& calibration, const std::vector<int>& dateOrder,
                        const std::atomic<bool>* cancel)
{
    ReportSums card;
    for (std::size_t m = 0; m < MethodCount; ++m)
        card.scores[m].method = AllPredictionMethods[m];
    card.model = calibration.fit.Road() ? MethodModel::RoadModel : MethodModel::ClassicLaw;
    if (!calibration.fit.Fitted()) {
        card.gap = ReportGap::NotFitted;
        return card;
    }
    const std::vector<RunFigures>& runs = calibration.runs;
    int timed = 0;
    for (int i : dateOrder)
        timed += runs[static_cast<std::size_t>(i)].quarterMileTime.has_value();
    if (timed < LeastRunsForReportCard || dateOrder.size() <= static_cast<std::size_t>(RunsBeforeScoring)) {
        card.gap = ReportGap::TooFewRuns;
        return card;
    }
    const ModelledCar typed = calibration.fit.TypedCar();
    const std::vector<LeftOutRun> forward = ForwardFits(typed, runs, dateOrder, RunsBeforeScoring, cancel);
    if (forward.empty()) {
        card.gap = ReportGap::NotFitted; // cancelled
        return card;
    }
    const Racers racers{ runs, dateOrder, typed };
    std::array<std::array<FigureScore, MethodCount>, ScoredFigures.size()> scores{};
    for (std::size_t f = 0; f < ScoredFigures.size(); ++f) {
        const ScoredFigure& figure = ScoredFigures[f];
        std::vector<std::array<std::optional<double>, MethodCount>> predictions;
        std::vector<double> given;
        for (std::size_t k = RunsBeforeScoring; k < dateOrder.size(); ++k) {
            const RunFigures& run = runs[static_cast<std::size_t>(dateOrder[k])];
            if (!(run.*figure.given))
                continue;
            const LeftOutRun& left = forward[k - RunsBeforeScoring];
            std::array<std::optional<double>, MethodCount> row{};
            for (std::size_t m = 0; m < MethodCount; ++m) {
                const PredictionMethod method = AllPredictionMethods[m];
                if (method == PredictionMethod::FittedOnDay)
                    row[m] = left.fitted ? finished(left.onDay.*figure.predicted) : std::nullopt;
                else if (method == PredictionMethod::FittedOnStandardDay)
                    row[m] = left.fitted ? finished(left.onStandardDay.*figure.predicted) : std::nullopt;
                else
                    row[m] = racers.predict(method, figure, k, AirOfRun(run), &run);
            }
            predictions.push_back(row);
            given.push_back(*(run.*figure.given));
        }
        scores[f] = scoresOf(predictions, given);
    }
    for (std::size_t m = 0; m < MethodCount; ++m) {
        MethodScore& score = card.scores[m];
        const FigureScore& time = scores[0][m];
        score.runs = time.runs;
        score.meanAbsoluteError = time.meanAbsoluteError;
        score.bias = time.bias;
        score.rootMeanSquare = time.rootMeanSquare;
        score.speed = scores[1][m];
        card.scoredRuns = std::max(card.scoredRuns, time.runs);
    }
    auto bestOf = [&card](bool ahead) {
        int best = -1;
        for (int m = 0; m < PredictionMethodCount; ++m) {
            const MethodScore& score = card.scores[static_cast<std::size_t>(m)];
            if (score.runs == 0 || (ahead && !PredictsAhead(score.method)))
                continue;
            if (best < 0 || score.meanAbsoluteError < card.scores[static_cast<std::size_t>(best)].meanAbsoluteError)
                best = m;
        }
        return best;
    };
    card.best = bestOf(false);
    card.bestAhead = bestOf(true);
    if (card.best < 0)
        card.gap = ReportGap::TooFewRuns;
    else
        card.scores[static_cast<std::size_t>(card.best)].best = true;
    return card;
}

DialIn DialInOf(const ReportSums& card, const FitCalibration& calibration, const std::vector<int>& dateOrder,
                const AirConditions& air)
{
    DialIn dial;
    if (card.gap != ReportGap::None || card.bestAhead < 0)
        return dial;
    dial.method = card.bestAhead;
    const MethodScore& score = card.scores[static_cast<std::size_t>(card.bestAhead)];
    const Racers racers{ calibration.runs, dateOrder, calibration.fit.TypedCar() };
    const ModelledCar fitted = calibration.fit.FittedCar();
    for (std::size_t f = 0; f < ScoredFigures.size(); ++f) {
        const ScoredFigure& figure = ScoredFigures[f];
        std::optional<double> value;
        switch (score.method) {
        case PredictionMethod::FittedOnDay:
            value = finished(RunModelledCarOnDay(fitted, FiguresFor(air)).splits.*figure.predicted);
            break;
        case PredictionMethod::FittedOnStandardDay:
            value = finished(RunModelledCarOnDay(fitted, FiguresFor(AirConditions())).splits.*figure.predicted);
            break;
        default: value = racers.predict(score.method, figure, dateOrder.size(), air, nullptr); break;
        }
        const FigureScore& errors = f == 0 ? FigureScore{ score.runs, score.meanAbsoluteError, score.bias,
                                                          score.rootMeanSquare }
                                           : score.speed;
        (f == 0 ? dial.quarterMileTime : dial.quarterMileSpeed) = value;
        (f == 0 ? dial.timeBand95 : dial.speedBand95) = value ? band95Of(errors) : std::nullopt;
    }
    return dial;
}
