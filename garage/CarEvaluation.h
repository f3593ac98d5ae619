// CarEvaluation: everything the garage shows about one car, taken from one
// run of the engine.
//
// In: the car's nine inputs. Out: the range message that keeps it from
// running, or the run's outcome with its twelve results, the 1/8 mile and
// the 0-100 km/h time (found with the same stepping law as the other marks),
// the drag racers' estimates, and the speed and distance curves through the
// results.
#pragma once

#include "core/CarInputs.h"
#include "engine/Simulation.h"
#include "garage/Estimates.h"

#include <QString>

#include <array>
#include <vector>

// The engine's speeds are in feet per second; the results in mph.
inline constexpr double MphPerFootPerSecond = 15.0 / 22.0;
inline constexpr double EighthMileFeet = 660;
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

enum class CurveMark { Sixty, Eighty, Hundred, QuarterMile, TopSpeed };
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
    // The first failing range test's message; the car is then not run.
    QString rangeMessage;
    SimulationOutcome outcome = SimulationOutcome::NotRun;
    double stopTime = 0; // elapsed time of a run that gave up
    SimulationResults results;
    double eighthMileTime = 0;      // s, like the quarter-mile time
    double eighthMileSpeed = 0;     // mph
    double zeroToHundredKmhTime = 0; // s, like the 0-60 time; 0 when never passed
    std::array<EstimatePair, 3> estimates{}; // by EstimateRule; NaN when unusable
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

// Checks the car, runs it and gathers what the garage shows. The curve runs
// from the start to the later of the quarter mile and the top speed. Its
// time axis counts the spin time and spreads the shift time between the
// points where the results count it (half the quarter-mile shift time at
// 60 mph, all of it at 80 and 100 mph and the quarter mile, every available
// shift at the top speed), so the curve passes exactly through each result.
CarEvaluation EvaluateCar(const CarInputs& inputs, int curveSamples = DefaultCurveSamples);
// The same without the curve, for callers that only need the numbers.
CarEvaluation EvaluateNumbers(const CarInputs& inputs);
