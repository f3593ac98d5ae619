// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/Sensitivity.h"

#include "core/DayRun.h"
#include "core/InputChecks.h"

#include <cmath>
#include <limits>

namespace {

constexpr double noValue = std::numeric_limits<double>::quiet_NaN();

std::array<double, 4> figuresOf(const CarRun& run)
{
    std::array<double, 4> figures{};
    for (SensitivityFigure figure : AllSensitivityFigures)
        figures[static_cast<int>(figure)] = FigureOf(run.outcome, run.results, figure);
    return figures;
}


} // namespace

CarInputs ScaledCar(const CarInputs& car, SensitivityInput input, double factor)
{
    CarInputs scaled = car;
    switch (input) {
    case SensitivityInput::Horsepower: scaled.horsepower *= factor; break;
    case SensitivityInput::CarWeight: scaled.carWeight *= factor; break;
    case SensitivityInput::DragCoefficient: scaled.dragCoefficient *= factor; break;
    case SensitivityInput::FrontalArea:
        scaled.grillArea *= factor;
        scaled.windshieldArea *= factor;
        break;
    }
    return scaled;
}

double FigureOf(const SimulationOutcome outcome, const SimulationResults& results,
                SensitivityFigure figure)
{
    if (outcome != SimulationOutcome::Finished)
        return noValue;
    switch (figure) {
    case SensitivityFigure::QuarterMileTime: return results.quarterMileTime;
    case SensitivityFigure::QuarterMileSpeed: return results.quarterMileSpeed;
    case SensitivityFigure::TopSpeed: return results.topSpeed;
    case SensitivityFigure::ZeroToSixtyTime:
        return results.zeroToSixtyTime != 0 ? results.zeroToSixtyTime : noValue;
    }
    return noValue;
}

SensitivityTable Sensitivity(const CarInputs& car, const AirFigures& air)
{
    SensitivityTable table;
    table.problem = RangeMessage(car);
    if (table.problem.isEmpty()) {
        const CarRun run = RunCarOnDay(car, air).run;
        if (!run.Finished())
            table.problem = ElapsedTimeMessage(run.stopTime);
        table.base = figuresOf(run);
    }
    if (!table.problem.isEmpty()) {
        table.base.fill(noValue);
        return table;
    }
    for (SensitivityInput input : AllSensitivityInputs) {
        for (double factor : { 1 - SensitivityShare, 1 + SensitivityShare }) {
            SensitivityRow row;
            row.input = input;
            row.factor = factor;
            const CarInputs scaled = ScaledCar(car, input, factor);
            row.outsideRanges = !RangeMessage(scaled).isEmpty();
            row.value = figuresOf(RunCarOnDay(scaled, air).run);
            for (int i = 0; i < 4; ++i)
                row.change[i] = row.value[i] - table.base[i];
            table.rows.push_back(row);
        }
    }
    return table;
}

TargetAnswer SolveTarget(const CarInputs& car, SolveFor what, SensitivityFigure figure, double target,
                         const AirFigures& air)
{
    TargetAnswer answer;
    const InputField field = what == SolveFor::Horsepower ? InputField::Horsepower
                                                          : InputField::CarWeight;
    const RangeTest& range = RangeTestOf(field);
    // Work on a grid of whole hundredths of a horsepower, or whole pounds.
    const double perUnit = what == SolveFor::Horsepower ? 100 : 1;
    auto carAt = [&](long long grid) {
        CarInputs trial = car;
        trial.SetValue(field, static_cast<double>(grid) / perUnit);
        return trial;
    };
    auto figureAt = [&](long long grid) {
        const CarRun run = RunCarOnDay(carAt(grid), air).run;
        return FigureOf(run.outcome, run.results, figure);
    };
    const bool speed = figure == SensitivityFigure::QuarterMileSpeed || figure == SensitivityFigure::TopSpeed;
    // A NaN (no run, no mark) meets nothing.
    auto meets = [&](long long grid) {
        const double value = figureAt(grid);
        return speed ? value >= target : value <= target;
    };
    const long long low = std::llround(range.low * perUnit);
    const long long high = std::llround(range.high * perUnit);

    answer.problem = RangeMessage(carAt(low));
    if (!answer.problem.isEmpty())
        return answer;
    if (!std::isfinite(target) || target <= 0)
        return answer;

    // `best` is the end of the range that gives the best figure.
    const bool solvingPower = what == SolveFor::Horsepower;
    const long long best = solvingPower ? high : low;
    const long long worst = solvingPower ? low : high;
    if (!meets(best))
        return answer;
    answer.reachable = true;
    long long good = best;
    if (meets(worst)) {
        answer.wholeRange = true;
        good = worst;
    } else {
        // Invariant: `good` meets the target, `bad` does not; they close in
        // on the boundary between the two.
        long long bad = worst;
        while (std::llabs(good - bad) > 1) {
            const long long mid = bad + (good - bad) / 2;
            if (meets(mid))
                good = mid;
            else
                bad = mid;
        }
    }
    answer.value = static_cast<double>(good) / perUnit;
    answer.figure = figureAt(good);
    return answer;
}

TargetAnswer SolveQuarterMile(const CarInputs& car, SolveFor what, double seconds)
{
    return SolveTarget(car, what, SensitivityFigure::QuarterMileTime, seconds);
}
