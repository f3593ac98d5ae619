// SPDX-License-Identifier: GPL-3.0-or-later
// Sensitivity: how four figures of a car move when one of its inputs is
// 10 % lower or higher, and the reverse question: which horsepower (or
// weight) gives a quarter mile of a given time. Every figure comes from a
// run of the chosen model (garage/CarModel.h) in the day's air; nothing here
// is an approximation of it. On the road model the gears (one fewer, one
// more) and the tires (the kind before and after, street to slick) vary too.
#pragma once

#include "core/Air.h"
#include "core/CarInputs.h"
#include "engine/Simulation.h"
#include "garage/CarModel.h"

#include <QString>

#include <array>
#include <vector>

// The inputs the sensitivity table varies. The frontal area varies through
// the grill and windshield areas together, which scales it by the same share
// (or through the road model's frontal area key where the car gives one).
// The gears and the tires are the road model's: a step down and a step up.
enum class SensitivityInput { Horsepower, CarWeight, DragCoefficient, FrontalArea, Gears, Tires };
inline constexpr std::array<SensitivityInput, 4> AllSensitivityInputs = {
    SensitivityInput::Horsepower, SensitivityInput::CarWeight, SensitivityInput::DragCoefficient,
    SensitivityInput::FrontalArea,
};
inline constexpr std::array<SensitivityInput, 6> AllRoadSensitivityInputs = {
    SensitivityInput::Horsepower, SensitivityInput::CarWeight, SensitivityInput::DragCoefficient,
    SensitivityInput::FrontalArea, SensitivityInput::Gears, SensitivityInput::Tires,
};

// The figures it follows, in classic units (s, mph).
enum class SensitivityFigure { QuarterMileTime, QuarterMileSpeed, TopSpeed, ZeroToSixtyTime };
inline constexpr std::array<SensitivityFigure, 4> AllSensitivityFigures = {
    SensitivityFigure::QuarterMileTime, SensitivityFigure::QuarterMileSpeed,
    SensitivityFigure::TopSpeed, SensitivityFigure::ZeroToSixtyTime,
};

inline constexpr double SensitivityShare = 0.10;

// The car with one input scaled by `factor`; a step input (gears, tires)
// goes one step down for a factor below 1 and one step up above it, and
// stays where it is at the end of its range.
CarInputs ScaledCar(const CarInputs& car, SensitivityInput input, double factor);
ModelCar ScaledCar(const ModelCar& car, SensitivityInput input, double factor);
// A figure of a finished run; NaN for a run that did not finish or a 0-60
// mark never passed.
double FigureOf(const SimulationOutcome outcome, const SimulationResults& results,
                SensitivityFigure figure);

struct SensitivityRow {
    SensitivityInput input;
    double factor = 1;            // 0.9 or 1.1
    bool outsideRanges = false;   // the scaled car fails a range test
    std::array<double, 4> value{};  // by SensitivityFigure; NaN when there is none
    std::array<double, 4> change{}; // value minus the car's own; NaN when either is missing
};

struct SensitivityTable {
    QString problem; // why the car itself has no figures; empty when it has
    std::array<double, 4> base{};
    std::vector<SensitivityRow> rows; // each input at -10 % then +10 %
};

// The scaled cars run even where they leave the input ranges (each such
// row says so), since the question is about the physics. Every run is in
// the day's air, as the comparison's.
SensitivityTable Sensitivity(const CarInputs& car, const AirFigures& air = FiguresFor(AirConditions()));
SensitivityTable Sensitivity(const ModelCar& car, const AirFigures& air, CarModel model);

// The reverse question: which horsepower (or weight) gives a figure.
enum class SolveFor { Horsepower, CarWeight };

struct TargetAnswer {
    QString problem;          // the car's other inputs fail a range test
    bool reachable = false;
    // Every value in the range meets the target; `value` is then the end of
    // the range nearest the others (the least horsepower, the greatest
    // weight), and every value beyond it meets the target too.
    bool wholeRange = false;
    double value = 0;         // horsepower (to 0.01 hp) or weight (to 1 lb)
    double figure = 0;        // what the engine gives at that value
};

// The least horsepower within the horsepower range, to 0.01 hp, whose
// figure meets the target: a time at most `target` seconds, a speed at
// least `target` mph (or the greatest weight within the weight range, to
// 1 lb); the car's other inputs stay as they are. Unreachable when even the
// best end of the range misses the target. Found by bisection, which needs
// the figure to get better with the horsepower and worse with the weight.
// A run that gives up, or a mark never passed, misses every target. Every
// run is in the day's air; the horsepower found is the rated horsepower.
// On the road model the ranges are the road model's.
TargetAnswer SolveTarget(const CarInputs& car, SolveFor what, SensitivityFigure figure, double target,
                         const AirFigures& air = FiguresFor(AirConditions()));
TargetAnswer SolveTarget(const ModelCar& car, SolveFor what, SensitivityFigure figure, double target,
                         const AirFigures& air, CarModel model);
// The same for the quarter-mile time.
TargetAnswer SolveQuarterMile(const CarInputs& car, SolveFor what, double seconds);
