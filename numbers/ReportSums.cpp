// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/ReportSums.h"

#include <cmath>
#include <optional>

namespace {

// A finished run's quarter-mile time, or nothing.
std::optional<double> finishedTime(double quarterMileTime)
{
    if (quarterMileTime > 0 && std::isfinite(quarterMileTime))
        return quarterMileTime;
    return std::nullopt;
}

MethodScore scoreOf(PredictionMethod method, const std::vector<double>& differences)
{
    MethodScore score;
    score.method = method;
    score.runs = static_cast<int>(differences.size());
    if (differences.empty())
        return score;
    double absolute = 0;
    double sum = 0;
    for (double d : differences) {
        absolute += std::abs(d);
        sum += d;
    }
    score.meanAbsoluteError = absolute / score.runs;
    score.bias = sum / score.runs;
    return score;
}

} // namespace

// Hale's formula, as Patrick Hale gave it with his drag-racing simulation
// programs in the 1980s and as Jeff Lucius's "Calculators for 1/4-Mile ET &
// MPH vs. HP and Weight" reproduces it: ET = 5.825 · (weight / hp)^(1/3),
// weight in lb (car and driver) and hp the engine's (flywheel) horsepower.
// Here the weight is the car's as typed and the horsepower the typed one on
// the day (rated / the SAE J1349 factor), as the model runs it.
double HalesQuarterMileTime(double weight, double horsepower)
{
    return 5.825 * std::cbrt(weight / horsepower);
}

ReportSums ReportSumsOf(const FitCalibration& calibration, const std::vector<int>& dateOrder)
{
    ReportSums card;
    for (int m = 0; m < PredictionMethodCount; ++m)
        card.scores[static_cast<std::size_t>(m)].method = AllPredictionMethods[static_cast<std::size_t>(m)];
    if (!calibration.fit.Fitted()) {
        card.gap = ReportGap::NotFitted;
        return card;
    }
    const std::vector<RunFigures>& runs = calibration.runs;
    // The runs with a quarter-mile time, in date order (for the run before).
    std::vector<int> timed;
    for (int i : dateOrder)
        if (runs[static_cast<std::size_t>(i)].quarterMileTime)
            timed.push_back(i);
    if (static_cast<int>(timed.size()) < LeastRunsForReportCard || calibration.leftOut.size() != runs.size()) {
        card.gap = ReportGap::TooFewRuns;
        return card;
    }

    const CarInputs& typed = calibration.fit.typed;
    std::array<std::vector<double>, PredictionMethodCount> differences;
    auto add = [&differences](PredictionMethod method, std::optional<double> predicted, double given) {
        if (predicted)
            differences[static_cast<std::size_t>(method)].push_back(*predicted - given);
    };
    for (std::size_t k = 0; k < timed.size(); ++k) {
        const auto i = static_cast<std::size_t>(timed[k]);
        const RunFigures& run = runs[i];
        const double given = *run.quarterMileTime;
        const LeftOutRun& left = calibration.leftOut[i];
        const AirFigures air = FiguresFor(AirOfRun(run));
        if (left.fitted) {
            add(PredictionMethod::FittedOnDay, finishedTime(left.onDay.quarterMileTime), given);
            add(PredictionMethod::FittedOnStandardDay,
                finishedTime(left.onStandardDay.quarterMileTime), given);
        }
        add(PredictionMethod::TypedOnDay,
            finishedTime(RunCarOnDay(typed, air).splits.quarterMileTime), given);
        add(PredictionMethod::HalesFormula,
            finishedTime(HalesQuarterMileTime(typed.carWeight, HorsepowerOnDay(typed.horsepower, air))),
            given);
        // The first run has no run before it, and is left out of this method.
        if (k > 0)
            add(PredictionMethod::LastRun, runs[static_cast<std::size_t>(timed[k - 1])].quarterMileTime, given);
    }
    for (std::size_t m = 0; m < card.scores.size(); ++m)
        card.scores[m] = scoreOf(AllPredictionMethods[m], differences[m]);
    for (int m = 0; m < PredictionMethodCount; ++m) {
        const MethodScore& score = card.scores[static_cast<std::size_t>(m)];
        if (score.runs > 0
            && (card.best < 0
                || score.meanAbsoluteError < card.scores[static_cast<std::size_t>(card.best)].meanAbsoluteError))
            card.best = m;
    }
    if (card.best >= 0)
        card.scores[static_cast<std::size_t>(card.best)].best = true;
    return card;
}
