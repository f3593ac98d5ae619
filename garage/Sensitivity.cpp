#include "garage/Sensitivity.h"

#include "core/CarRun.h"
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

// The quarter-mile time the engine gives; infinity for a run that gives up.
double quarterMileTime(const CarInputs& car)
{
    const CarRun run = RunCar(car);
    return run.Finished() ? run.results.quarterMileTime : std::numeric_limits<double>::infinity();
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

SensitivityTable Sensitivity(const CarInputs& car)
{
    SensitivityTable table;
    table.problem = RangeMessage(car);
    if (table.problem.isEmpty()) {
        const CarRun run = RunCar(car);
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
            row.value = figuresOf(RunCar(scaled));
            for (int i = 0; i < 4; ++i)
                row.change[i] = row.value[i] - table.base[i];
            table.rows.push_back(row);
        }
    }
    return table;
}

TargetAnswer SolveQuarterMile(const CarInputs& car, SolveFor what, double seconds)
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
    const long long low = std::llround(range.low * perUnit);
    const long long high = std::llround(range.high * perUnit);

    answer.problem = RangeMessage(carAt(low));
    if (!answer.problem.isEmpty())
        return answer;
    if (!std::isfinite(seconds) || seconds <= 0)
        return answer;

    // `fast` is the end of the range that gives the shortest time.
    const bool solvingPower = what == SolveFor::Horsepower;
    const long long fast = solvingPower ? high : low;
    const long long slow = solvingPower ? low : high;
    if (quarterMileTime(carAt(fast)) > seconds || quarterMileTime(carAt(slow)) < seconds)
        return answer;

    // Invariant: `good` meets the target, `bad` does not (or is past the
    // range); they close in on the boundary between the two.
    long long good = fast;
    long long bad = solvingPower ? slow - 1 : slow + 1;
    while (std::llabs(good - bad) > 1) {
        const long long mid = bad + (good - bad) / 2;
        if (quarterMileTime(carAt(mid)) <= seconds)
            good = mid;
        else
            bad = mid;
    }
    answer.reachable = true;
    answer.value = static_cast<double>(good) / perUnit;
    answer.quarterMileTime = quarterMileTime(carAt(good));
    return answer;
}
