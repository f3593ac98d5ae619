// SPDX-License-Identifier: GPL-3.0-or-later
// CarEvaluation: everything the garage shows about one car, taken from one
// run of the engine in the day's air.
//
// In: the car's nine inputs and the day's air. Out: the range message that
// keeps it from running, or the run's outcome with its twelve results, the
// time slip's splits, the 0-100 km/h time, the air figures and the
// horsepower on the day, the drag racers' estimates, and the speed and
// distance curves, on the run's one timeline, through the results.
#pragma once

#include "core/Air.h"
#include "core/CarInputs.h"
#include "core/DayRun.h"
#include "core/RoadKeys.h"
#include "engine/Simulation.h"
#include "garage/Estimates.h"

#include <QString>

#include <array>
#include <vector>

inline constexpr double HundredKmhInMph = 100 / 1.609344;

// A point of a curve: the elapsed time as the results count it (spin time
// and shift time included, see EvaluateCar), the speed in mph and the
// distance in feet.
struct CurvePoint {
    double time = 0;
    double speed = 0;
    double distance = 0;
    bool operator==(const CurvePoint&) const = default;
};

// The marks of a curve: the speed marks, the quarter mile, the top speed,
// and the time slip's splits before the quarter mile (60, 330, 660 and
// 1000 ft), these in the order of the run's distance splits.
enum class CurveMark { Sixty, Eighty, Hundred, QuarterMile, TopSpeed, SixtyFoot, ThreeThirtyFoot, EighthMile,
                       ThousandFoot };
struct MarkedPoint {
    CurveMark mark;
    CurvePoint point;
};

struct EstimatePair {
    double elapsedTime = 0;
    double trapSpeed = 0;
};

struct CarEvaluation {
    CarInputs inputs;
    // The car's road keys (CarValues::roadKeys), which the road model reads
    // beside the inputs; the garage's car list sets them.
    RoadKeys roadKeys;
    // The first failing range test's message; the car is then not run.
    QString rangeMessage;
    SimulationOutcome outcome = SimulationOutcome::NotRun;
    double stopTime = 0; // elapsed time of a run that gave up
    SimulationResults results;
    SplitTimes splits;               // the time slip's, on the run's timeline
    double zeroToHundredKmhTime = 0; // s, on the run's timeline; 0 when never passed
    AirFigures air;                  // the day the car ran on
    double horsepowerOnDay = 0;      // the rated horsepower corrected for the day
    // By EstimateRule, from the weight and the horsepower on the day; NaN
    // when unusable.
    std::array<EstimatePair, 3> estimates{};
    std::vector<CurvePoint> curve;
    std::vector<MarkedPoint> marks;
    // The point of the curve where the law reaches its top speed. A car
    // that gets there before the quarter mile has curve points past it,
    // where the law's speed falls: the law has left the ground it was made
    // for (a real car holds its top speed).
    std::size_t peakIndex = 0;
    bool peaksBeforeQuarterMile = false;

    bool PassesItsPeak() const { return peaksBeforeQuarterMile && peakIndex + 1 < curve.size(); }

    bool HasResults() const
    {
        return rangeMessage.isEmpty() && outcome == SimulationOutcome::Finished;
    }
    // Why there are no results: the range message or the elapsed-time
    // message; empty when there are.
    QString Problem() const;
};

inline constexpr int DefaultCurveSamples = 400;

// Checks the car, runs it on the day and gathers what the garage shows. The
// curve runs from the start to the later of the quarter mile and the top
// speed; its time axis is the run's timeline (core/Timeline), which never
// runs backwards and passes through the quarter mile (and the top speed
// after it) exactly. A mark is placed at its result's own time: on the
// curve where the result lies on the timeline. The standard day gives the
// classic results, bit for bit.
CarEvaluation EvaluateCar(const CarInputs& inputs, const AirFigures& air = FiguresFor(AirConditions()),
                          int curveSamples = DefaultCurveSamples);
// The same without the curve, for callers that only need the numbers.
CarEvaluation EvaluateNumbers(const CarInputs& inputs, const AirFigures& air = FiguresFor(AirConditions()));
