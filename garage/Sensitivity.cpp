// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/Sensitivity.h"

#include "core/DayRun.h"
#include "core/InputChecks.h"

#include <algorithm>
#include <cmath>
#include <span>
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
    return ScaledCar(ModelCar{ car, {} }, input, factor).inputs;
}

ModelCar ScaledCar(const ModelCar& car, SensitivityInput input, double factor)
{
    ModelCar scaled = car;
    CarInputs& inputs = scaled.inputs;
    const int step = factor < 1 ? -1 : 1;
    switch (input) {
    case SensitivityInput::Horsepower: inputs.horsepower *= factor; break;
    case SensitivityInput::CarWeight: inputs.carWeight *= factor; break;
    case SensitivityInput::DragCoefficient: inputs.dragCoefficient *= factor; break;
    case SensitivityInput::FrontalArea:
        if (scaled.keys.frontalArea) {
            *scaled.keys.frontalArea *= factor;
        } else {
            inputs.grillArea *= factor;
            inputs.windshieldArea *= factor;
        }
        break;
    case SensitivityInput::Gears: {
        const int gears = WithTypicalValues(RoadCarOf(car)).gears + step;
        const RoadRange& range = RoadRanges()[static_cast<std::size_t>(RoadField::Gears)];
        if (gears >= range.low && gears <= range.high)
            scaled.keys.car.gears = gears;
        break;
    }
    case SensitivityInput::Tires: {
        const int tires = static_cast<int>(WithTypicalValues(RoadCarOf(car)).tires) + step;
        if (tires >= 0 && tires < static_cast<int>(TireWords.size()))
            scaled.keys.car.tires = static_cast<TireKind>(tires);
        break;
    }
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
    return Sensitivity(ModelCar{ car, {} }, air, CarModel::Classic);
}

SensitivityTable Sensitivity(const ModelCar& car, const AirFigures& air, CarModel model)
{
    SensitivityTable table;
    table.problem = ModelRangeMessage(car, model);
    if (table.problem.isEmpty()) {
        const CarRun run = RunModelCarOnDay(car, air, model).run;
        if (!run.Finished())
            table.problem = ElapsedTimeMessage(run.stopTime);
        table.base = figuresOf(run);
    }
    if (!table.problem.isEmpty()) {
        table.base.fill(noValue);
        return table;
    }
    const std::span<const SensitivityInput> inputs = model == CarModel::Road
                                                         ? std::span<const SensitivityInput>(AllRoadSensitivityInputs)
                                                         : std::span<const SensitivityInput>(AllSensitivityInputs);
    for (SensitivityInput input : inputs) {
        for (double factor : { 1 - SensitivityShare, 1 + SensitivityShare }) {
            SensitivityRow row;
            row.input = input;
            row.factor = factor;
            const ModelCar scaled = ScaledCar(car, input, factor);
            row.outsideRanges = !ModelRangeMessage(scaled, model).isEmpty();
            row.value = figuresOf(RunModelCarOnDay(scaled, air, model).run);
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
    return SolveTarget(ModelCar{ car, {} }, what, figure, target, air, CarModel::Classic);
}

TargetAnswer SolveTarget(const ModelCar& car, SolveFor what, SensitivityFigure figure, double target,
                         const AirFigures& air, CarModel model)
{
    TargetAnswer answer;
    const InputField field = what == SolveFor::Horsepower ? InputField::Horsepower
                                                          : InputField::CarWeight;
    double rangeLow = 0;
    double rangeHigh = 0;
    if (model == CarModel::Classic) {
        rangeLow = RangeTestOf(field).low;
        rangeHigh = RangeTestOf(field).high;
    } else {
        const RoadRange& road = RoadRanges()[static_cast<std::size_t>(
            what == SolveFor::Horsepower ? RoadField::Horsepower : RoadField::Weight)];
        rangeLow = road.low;
        rangeHigh = road.high;
    }
    // Work on a grid of whole hundredths of a horsepower, or whole pounds.
    const double perUnit = what == SolveFor::Horsepower ? 100 : 1;
    auto carAt = [&](long long grid) {
        ModelCar trial = car;
        trial.inputs.SetValue(field, static_cast<double>(grid) / perUnit);
        return trial;
    };
    auto figureAt = [&](long long grid) {
        const CarRun run = RunModelCarOnDay(carAt(grid), air, model).run;
        return FigureOf(run.outcome, run.results, figure);
    };
    const bool speed = figure == SensitivityFigure::QuarterMileSpeed || figure == SensitivityFigure::TopSpeed;
    // A NaN (no run, no mark) meets nothing.
    auto meets = [&](long long grid) {
        const double value = figureAt(grid);
        return speed ? value >= target : value <= target;
    };
    const long long low = std::llround(rangeLow * perUnit);
    const long long high = std::llround(rangeHigh * perUnit);

    // The classic ranges are each value's own; the road model's typical
    // values follow the power (the torque), so its other values are checked
    // at the car's own value, within the range.
    const double own = car.inputs.Value(field);
    const long long checked = model == CarModel::Classic || !std::isfinite(own)
                                  ? low
                                  : std::clamp(std::llround(own * perUnit), low, high);
    answer.problem = ModelRangeMessage(carAt(checked), model);
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
