// SPDX-License-Identifier: GPL-3.0-or-later
#include "Simulation.h"

#include "StepClock.h"
#include "VectorState.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// How the runs find their steps without walking them.
//
// A run's test at step n (distance within the tolerance of 1320 ft, speed
// above a mark) looks at the law evaluated at the n-th time of the step
// sequence, by the record's own expressions. That evaluation rounds, so it
// is not exactly monotone from step to step; but it never strays from the
// exact curve further than kRounding times the sum of the curve's climb and
// drag terms at that time. Both curves, climb * t^p - drag * t^q, rise up to
// a peak time and fall after it. So:
//
// - a step before the peak whose value, even raised by that bound (three
//   times over), is below the threshold proves that the test failed at that
//   step and at every earlier one (the climb and drag terms, and so the
//   bound, grow with the time);
// - a step after the peak whose value is that clearly below the threshold
//   proves that the test fails there and at every later step;
// - a step whose value, lowered by the bound, is above the threshold passes.
//
// The plain curves below evaluate the law with a handful of operations
// (t * sqrt(t) for t^1.5, t * t * t for t^3) and are just as close to the
// exact curve, so the proofs above can be made with them. A search guesses
// the crossing from the closed form, finds the last step the proofs clear
// by galloping and bisection over the step index, and then walks on from
// there, evaluating the record's own expressions wherever no proof settles
// a step. Away from a peak that walk is one step; near a peak (a threshold
// within a hair of the top speed or of the distance's maximum) it covers the
// few steps where the curve is too flat for the bound to decide.

// A bound on the relative rounding of one evaluation of the law, against the
// sum of its climb and drag terms, by the record's expressions or by the
// plain curves: each is a handful of correctly rounded operations and at
// most two library powers, each within one unit in the last place, some 20
// units of 2^-53 in all. 2^-40 is about 400 times that.
constexpr double kRounding = 0x1p-40;
// The peak times are known to within some 2^-45 of their value (a power with
// a rounded exponent of 2/3, of a ratio of rounded terms); a step this far
// (relative) from a peak is on a known side of it.
constexpr double kPeakMargin = 0x1p-30;
// Steps a run may walk in stretches that no proof settles. Within the input
// ranges a run walks at most a handful; the budget keeps absurd inputs (a
// threshold within a hair of a peak that lies hours of steps wide) from
// taking unbounded time: a run that spends it is refused.
constexpr std::int64_t kWalkBudget = std::int64_t{ 1 } << 22;
// No search looks beyond this many steps (some 36 million years of 0.001 s).
constexpr std::int64_t kStepCap = std::int64_t{ 1 } << 60;

struct Estimate {
    double value;
    double error;
};

// The test passes above `level`; `slack` covers the rounding of the test
// itself (the distance test subtracts from 1320 ft before it compares).
struct Threshold {
    double level;
    double slack;
    bool SurelyBelow(const Estimate& e) const { return e.value + 3 * e.error + slack < level; }
    bool SurelyAbove(const Estimate& e) const { return e.value - 3 * e.error - slack > level; }
};

// climb * t^1.5 - drag * t^3 (distance) or climb * t^0.5 - drag * t^2
// (speed), in plain arithmetic, with the bound on its rounding.
struct Curve {
    bool distance;
    double climb;
    double drag;
    double peak;

    Estimate At(double t) const
    {
        const double root = std::sqrt(t);
        const double up = distance ? climb * (t * root) : climb * root;
        const double down = distance ? drag * (t * t * t) : drag * (t * t);
        return { up - down, kRounding * (up + down) };
    }

    // Where the rising part of the curve reaches `level`; the peak time when
    // the level is at or above the peak value. Only a guess for the search;
    // it needs no exactness. The distance is climb * u - drag * u^2 in
    // u = t^1.5, so its crossing is the smaller root of a quadratic, written
    // 2 level / (climb + sqrt(climb^2 - 4 drag level)) so as not to cancel.
    // The speed needs Newton's method on s = sqrt(t), kept inside a bracket,
    // starting from the time without drag (which comes first).
    double CrossingTime(double level) const
    {
        if (!(level > 0))
            return 0;
        if (distance) {
            const double discriminant = climb * climb - 4 * drag * level;
            if (!(discriminant > 0))
                return peak;
            const double u = 2 * level / (climb + std::sqrt(discriminant));
            return std::cbrt(u * u);
        }
        double s = level / climb;
        if (drag == 0)
            return s * s;
        const double top = std::sqrt(peak);
        auto excess = [this, level](double x) { return climb * x - drag * (x * x) * (x * x) - level; };
        auto slope = [this](double x) { return climb - 4 * drag * x * x * x; };
        const double atTop = excess(top);
        if (!(s < top) || !(atTop > 0))
            return peak;
        double lo = s;
        double hi = top;
        if (atTop < 0.01 * level) {
            // Near the top the speed is V(T) (1 - (t/T - 1)^2 / 2): start
            // there, where Newton's method would creep towards a double root.
            s = top * std::sqrt(1 - std::sqrt(2 * atTop / (atTop + level)));
            if (!(s > lo))
                s = lo;
        }
        for (int i = 0; i < 60; ++i) {
            const double f = excess(s);
            const double correction = f / slope(s);
            if (std::abs(correction) <= 1e-12 * s)
                return (s - correction) * (s - correction);
            if (f < 0)
                lo = s;
            else
                hi = s;
            s -= correction;
            if (!(s > lo && s < hi))
                s = lo + (hi - lo) / 2;
        }
        return s * s;
    }
};

// The first step in [1, last] at which `passes(t)`, the run's own test on
// the record's evaluation of the law at that step's time, holds; -1 when no
// step does. `guess` is a step near the expected crossing. Every step the
// walk visits is taken from `budget`.
template <typename Passes>
std::int64_t FirstCrossing(const StepClock& clock, const Curve& curve, const Threshold& threshold,
                           std::int64_t last, std::int64_t guess, Passes passes, std::int64_t& budget)
{
    last = std::min(last, kStepCap);
    if (last < 1)
        return -1;
    const double risingUntil = curve.peak * (1 - kPeakMargin);
    const double fallingFrom = curve.peak * (1 + kPeakMargin);
    // The test failed at every step up to n.
    auto clearUpTo = [&](std::int64_t n) {
        if (n <= 0)
            return true;
        const double t = clock.TimeAt(n);
        return t <= risingUntil && threshold.SurelyBelow(curve.At(t));
    };

    guess = std::clamp<std::int64_t>(guess, 1, last);
    std::int64_t lo; // clearUpTo(lo) holds
    std::int64_t hi; // lo < hi, and clearUpTo(hi) does not hold unless hi == last + 1
    if (clearUpTo(guess - 1)) {
        if (threshold.SurelyAbove(curve.At(clock.TimeAt(guess))))
            return guess; // the common case: two plain evaluations
        lo = guess - 1;
        hi = last + 1;
        for (std::int64_t stride = 1; stride <= last - lo; stride *= 2) {
            if (!clearUpTo(lo + stride)) {
                hi = lo + stride;
                break;
            }
            lo += stride;
        }
    } else {
        lo = 0;
        hi = guess - 1;
        for (std::int64_t stride = 1; stride < hi; stride *= 2) {
            if (clearUpTo(hi - stride)) {
                lo = hi - stride;
                break;
            }
            hi -= stride;
        }
    }
    while (hi - lo > 1) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (clearUpTo(mid))
            lo = mid;
        else
            hi = mid;
    }

    for (std::int64_t n = lo + 1; n <= last; ++n) {
        if (--budget < 0)
            return -1;
        const double t = clock.TimeAt(n);
        const Estimate e = curve.At(t);
        if (threshold.SurelyAbove(e))
            return n;
        if (threshold.SurelyBelow(e)) {
            if (t >= fallingFrom)
                return -1;
            continue;
        }
        if (passes(t))
            return n;
    }
    return -1;
}

double SlackFor(double a, double b = 0)
{
    const double size = std::abs(a) + std::abs(b);
    return std::isfinite(size) ? kRounding * size : 0;
}

} // namespace

SimulationRecord::SimulationRecord(double stepSize, int timeLimit, double shiftTime, double airDensity)
    : timeLimit(timeLimit)
    , stepSize(stepSize)
    , airDensity(airDensity)
    , shiftTime(shiftTime)
{
    one = 1;
    two = 2;
    three = 3;
    six = 6;
    footPoundsPerHorsepower = 550;
    feetPerSecondToMph = MphPerFootPerSecond;
    mphToFeetPerSecond = FeetPerSecondPerMph;
    quarterMileFeet = 1320;
    timeStep = stepSize;
    distanceTolerance = stepSize;
    clock = StepClock::For(stepSize);
    // The quarter-mile run gives up at the first step whose time is beyond
    // the limit; the limit is tested only after a step has been added.
    quarterMileLimitStep = std::max<std::int64_t>(1, clock->FirstStepBeyond(static_cast<double>(timeLimit)));
}

void SimulationRecord::SetInputs(double horsepower, double dragCoefficient, double carWeight,
                                 double frontalArea, double airDensity, double spinTime,
                                 double quarterMileShiftTime, int availableShifts, double powerPercent)
{
    this->horsepower = horsepower;
    this->dragCoefficient = dragCoefficient;
    this->carWeight = carWeight;
    this->frontalArea = frontalArea;
    this->airDensity = airDensity;
    this->spinTime = spinTime;
    this->quarterMileShiftTime = quarterMileShiftTime;
    this->availableShifts = availableShifts;
    this->powerPercent = powerPercent;

    mass = carWeight * (1.0 / 32.2);
    effectivePower = horsepower * powerPercent * 0.01;
    dragFactor = airDensity * dragCoefficient * frontalArea;
    PrepareLaw();
}

void SimulationRecord::PrepareLaw()
{
    const double rootPower = std::sqrt(effectivePower);
    const double massSquared = std::pow(mass, two);
    distanceLead = two * std::sqrt(footPoundsPerHorsepower) * rootPower;
    distanceRoot2 = std::sqrt(two);
    distanceDivisor = three * std::sqrt(mass);
    distanceDragDivisor = six * massSquared;
    speedLead = std::sqrt(footPoundsPerHorsepower) * rootPower;
    speedRootMass = std::sqrt(mass);
    speedDragDivisor = two * massSquared;

    // The law's own top-speed time, as ComputeTopSpeed forms it.
    const double massCubed = std::pow(mass, three);
    const double dragSquared = std::pow(dragFactor, two);
    const double powerTerm = two * footPoundsPerHorsepower * effectivePower;
    lawTopSpeedTime = std::pow(massCubed / (powerTerm * dragSquared), one / three);

    // The plain curves. The speed peaks where climb * t^0.5 - drag * t^2 has
    // slope 0, t^1.5 = climb / (4 drag); the distance where the speed is 0,
    // t^1.5 = climb / drag, 4^(2/3) = 16^(1/3) times later.
    const double dragProduct = footPoundsPerHorsepower * effectivePower * dragFactor;
    distanceClimb = distanceLead * distanceRoot2 / distanceDivisor;
    distanceDrag = dragProduct / distanceDragDivisor;
    speedClimb = speedLead * distanceRoot2 / speedRootMass;
    speedDrag = dragProduct / speedDragDivisor;
    speedPeakTime = std::pow(speedClimb / (4 * speedDrag), 2.0 / 3.0);
    distancePeakTime = speedPeakTime * 2.5198420997897464;
    // Bounds on every value the record's evaluation can give: the peak of
    // each curve raised by the rounding bound. The distance peaks at
    // climb^2 / (4 drag).
    if (std::isfinite(speedPeakTime)) {
        const Estimate top = Curve{ false, speedClimb, speedDrag, speedPeakTime }.At(speedPeakTime);
        speedPeakBound = top.value + 4 * top.error;
    } else {
        speedPeakBound = std::numeric_limits<double>::infinity();
    }
    distancePeakBound = distanceClimb * distanceClimb / (4 * distanceDrag) * (1 + 4 * kRounding);

    lawValid = InputsValid();
}

// D(t) = 2·√550·√P·t^1.5·√2 / (3·√M) − t³·550·P·K / (6·M²), products left to right.
double SimulationRecord::Distance(double t) const
{
    const double climb = distanceLead * std::pow(t, three / two) * distanceRoot2 / distanceDivisor;
    const double drag = std::pow(t, three) * footPoundsPerHorsepower * effectivePower * dragFactor
                        / distanceDragDivisor;
    return climb - drag;
}

// V(t) = √550·√P·√t·√2 / √M − t²·550·P·K / (2·M²), products left to right.
double SimulationRecord::Speed(double t) const
{
    const double climb = speedLead * std::sqrt(t) * distanceRoot2 / speedRootMass;
    const double drag = std::pow(t, two) * footPoundsPerHorsepower * effectivePower * dragFactor
                        / speedDragDivisor;
    return climb - drag;
}

double SimulationRecord::WindForce(double v) const
{
    return std::pow(v, two) * dragFactor / two;
}

bool SimulationRecord::InputsValid() const
{
    auto positive = [](double x) { return std::isfinite(x) && x > 0; };
    auto normal = [](double x) { return std::isnormal(x) && x > 0; };
    auto notNegative = [](double x) { return std::isfinite(x) && x >= 0; };
    // A drag term of 0 is exact only where M² overflowed, so that the law's
    // drag term is 0 at every time too.
    auto dragTerm = [&normal](double drag, double divisor) {
        return normal(drag) || (drag == 0 && std::isinf(divisor));
    };
    return positive(horsepower) && positive(dragCoefficient) && positive(carWeight)
           && positive(frontalArea) && positive(airDensity) && positive(powerPercent)
           && notNegative(spinTime) && notNegative(quarterMileShiftTime) && notNegative(shiftTime)
           && availableShifts >= 0 && positive(stepSize) && stepSize <= timeLimit
           && quarterMileFeet - 0.0 > distanceTolerance
           && quarterMileLimitStep != StepClock::Never && normal(mass) && normal(effectivePower)
           && normal(dragFactor) && distanceDragDivisor > 0 && speedDragDivisor > 0
           && normal(distanceClimb) && normal(speedClimb)
           && dragTerm(distanceDrag, distanceDragDivisor) && dragTerm(speedDrag, speedDragDivisor)
           && speedPeakTime > 0 && !std::isnan(speedPeakBound) && !std::isnan(distancePeakBound);
}

// The first step at which the distance is within the tolerance of `feet`,
// as the quarter-mile loop tests it: the loop first tests the distance 0,
// then steps, giving up at the first step past the time limit. -1 when the
// time limit comes first.
std::int64_t SimulationRecord::FirstStepReaching(double feet, std::int64_t& budget) const
{
    if (!(feet - 0.0 > distanceTolerance))
        return 0;
    if (std::isinf(feet))
        return -1;
    const std::int64_t last = std::min(quarterMileLimitStep, kStepCap) - 1;
    const Threshold threshold{ feet - distanceTolerance, SlackFor(feet, distanceTolerance) };
    if (threshold.SurelyBelow({ distancePeakBound, 0 }))
        return -1; // beyond the distance's peak
    const Curve curve{ true, distanceClimb, distanceDrag, distancePeakTime };
    const std::int64_t guess = clock->FirstStepNotBelow(curve.CrossingTime(threshold.level));
    return FirstCrossing(
        *clock, curve, threshold, last, guess,
        [this, feet](double t) { return !(feet - Distance(t) > distanceTolerance); }, budget);
}

// The first step in [1, lastStep] at which the speed is strictly above
// `feetPerSecond`, as the mark search tests it; -1 when there is none.
std::int64_t SimulationRecord::FirstStepPassing(double feetPerSecond, std::int64_t lastStep,
                                               std::int64_t& budget) const
{
    if (lastStep < 1)
        return -1;
    if (std::isnan(feetPerSecond))
        return 1; // the test !(mark >= v) holds at once
    if (!(feetPerSecond < speedPeakBound))
        return -1; // above the top speed
    const Curve curve{ false, speedClimb, speedDrag, speedPeakTime };
    const Threshold threshold{ feetPerSecond, SlackFor(feetPerSecond) };
    const std::int64_t guess = clock->FirstStepNotBelow(curve.CrossingTime(feetPerSecond));
    return FirstCrossing(
        *clock, curve, threshold, lastStep, guess,
        [this, feetPerSecond](double t) { return !(feetPerSecond >= Speed(t)); }, budget);
}

void SimulationRecord::ClearQuarterMile()
{
    timeLimitReached = false;
    stopTime = 0;
    quarterMileRunTime = 0;
    quarterMileVelocity = 0;
    quarterMileDistance = 0;
    quarterMileWindForce = 0;
    quarterMileSteps = 0;
    lawUnsettled = false;
}

void SimulationRecord::ClearResults()
{
    ClearQuarterMile();
    rawTopSpeedTime = 0;
    topSpeedTime = 0;
    topSpeedVelocity = 0;
    topSpeedDistance = 0;
    topSpeedWindForce = 0;
    StoreMarks(MarkSteps());
}

// The quarter mile: step the time until the distance is within the
// tolerance of 1320 ft, giving up once the raw time passes the time limit.
// The kept values are those of the last step evaluated: the finishing step,
// or the step before the one past the limit.
void SimulationRecord::RunQuarterMile()
{
    ClearQuarterMile();
    if (!lawValid)
        return;

    std::int64_t budget = kWalkBudget;
    const std::int64_t finish = FirstStepReaching(quarterMileFeet, budget);
    if (budget < 0) {
        lawUnsettled = true;
        return;
    }
    std::int64_t kept = finish;
    if (finish >= 0) {
        quarterMileSteps = finish;
        quarterMileRunTime = clock->TimeAt(finish);
    } else {
        quarterMileSteps = quarterMileLimitStep;
        quarterMileRunTime = clock->TimeAt(quarterMileLimitStep);
        timeLimitReached = true;
        stopTime = quarterMileRunTime + spinTime + quarterMileShiftTime;
        kept = quarterMileLimitStep - 1;
    }
    if (kept > 0) {
        const double t = clock->TimeAt(kept);
        quarterMileDistance = Distance(t);
        quarterMileVelocity = Speed(t);
        quarterMileWindForce = WindForce(quarterMileVelocity);
    }
}

void SimulationRecord::ComputeTopSpeed()
{
    // T = (M³ / (K² · 2 · 550 · P))^(1/3), the time of the law's top speed
    // (formed in PrepareLaw); the distance is that at T, and the spin and
    // shift time lengthen the time only.
    rawTopSpeedTime = lawTopSpeedTime;
    topSpeedVelocity = Speed(rawTopSpeedTime);
    topSpeedDistance = Distance(rawTopSpeedTime);
    topSpeedWindForce = WindForce(topSpeedVelocity);
    topSpeedTime = rawTopSpeedTime + spinTime + availableShifts * shiftTime;
}

// The first step time at which the speed is strictly above 60, 80 and
// 100 mph, as a loop finds them that steps while the time is below the
// bound (the top-speed time with spin and shift time) and ends at the
// 100 mph mark. Within one step the 100 mph test comes first, so the lower
// marks count only when first passed before that step; the speed at a step
// above a higher mark is above the lower ones, so each lower mark comes no
// later than the next higher one.
SimulationRecord::MarkSteps SimulationRecord::SearchMarks(double bound, std::int64_t& budget) const
{
    MarkSteps marks;
    const std::int64_t last = clock->FirstStepNotBelow(bound);
    marks.hundred = FirstStepPassing(100 * mphToFeetPerSecond, last, budget);
    const std::int64_t beforeHundred = marks.hundred > 0 ? marks.hundred - 1 : last;
    marks.eighty = FirstStepPassing(80 * mphToFeetPerSecond, beforeHundred, budget);
    marks.sixty = FirstStepPassing(60 * mphToFeetPerSecond,
                                   marks.eighty > 0 ? marks.eighty : beforeHundred, budget);
    marks.searchSteps = marks.hundred > 0 ? marks.hundred : last == StepClock::Never ? -1 : last;
    return marks;
}

void SimulationRecord::StoreMarks(const MarkSteps& marks)
{
    sixtyMarkStep = marks.sixty;
    eightyMarkStep = marks.eighty;
    hundredMarkStep = marks.hundred;
    markSearchSteps = marks.searchSteps;
    sixtyMarkTime = marks.sixty > 0 ? clock->TimeAt(marks.sixty) : 0;
    eightyMarkTime = marks.eighty > 0 ? clock->TimeAt(marks.eighty) : 0;
    hundredMarkTime = marks.hundred > 0 ? clock->TimeAt(marks.hundred) : 0;
}

void SimulationRecord::FindSpeedMarks()
{
    StoreMarks(MarkSteps());
    if (!lawValid)
        return;
    std::int64_t budget = kWalkBudget;
    const MarkSteps marks = SearchMarks(topSpeedTime, budget);
    if (budget < 0) {
        lawUnsettled = true;
        return;
    }
    StoreMarks(marks);
}

void SimulationRecord::RunSimulation(const ProgressSink& progress)
{
    ClearUpperVectorHalves();
    auto report = [&progress](int step) {
        if (progress)
            progress(step);
    };
    ClearResults();
    // The three runs are made before the first progress step, so that
    // inputs the law cannot be evaluated for are refused before any
    // progress: no progress, no results, and a state that says why.
    bool refused = !lawValid;
    if (!refused) {
        RunQuarterMile();
        refused = lawUnsettled || !std::isfinite(quarterMileRunTime)
                  || !std::isfinite(quarterMileDistance) || !std::isfinite(quarterMileVelocity)
                  || !std::isfinite(quarterMileWindForce) || !std::isfinite(stopTime);
    }
    if (!refused && !timeLimitReached) {
        ComputeTopSpeed();
        refused = !std::isfinite(rawTopSpeedTime) || !std::isfinite(topSpeedVelocity)
                  || !std::isfinite(topSpeedDistance) || !std::isfinite(topSpeedWindForce)
                  || !std::isfinite(topSpeedTime);
        if (!refused) {
            FindSpeedMarks();
            refused = lawUnsettled;
        }
    }
    if (refused) {
        ClearResults();
        outcome = SimulationOutcome::InvalidInputs;
        return;
    }

    outcome = timeLimitReached ? SimulationOutcome::TimeLimitReached : SimulationOutcome::Finished;
    report(3);
    if (timeLimitReached)
        return;
    report(4);
    report(5);
}

double SimulationRecord::StepTime(std::int64_t n) const
{
    return clock->TimeAt(n);
}

TrajectoryPoint SimulationRecord::PointAtStep(std::int64_t n) const
{
    TrajectoryPoint point;
    point.step = n;
    point.time = clock->TimeAt(n);
    if (lawValid) {
        point.speed = Speed(point.time);
        point.distance = Distance(point.time);
        point.windForce = WindForce(point.speed);
    }
    return point;
}

std::vector<TrajectoryPoint> SimulationRecord::PointsAtSteps(const std::vector<std::int64_t>& steps) const
{
    ClearUpperVectorHalves();
    std::vector<TrajectoryPoint> points;
    points.reserve(steps.size());
    for (std::int64_t step : steps)
        points.push_back(PointAtStep(step));
    return points;
}

std::int64_t SimulationRecord::QuarterMileStep() const
{
    return outcome == SimulationOutcome::Finished ? quarterMileSteps : -1;
}

std::int64_t SimulationRecord::SixtyMarkStep() const
{
    return outcome == SimulationOutcome::Finished ? sixtyMarkStep : -1;
}

std::int64_t SimulationRecord::EightyMarkStep() const
{
    return outcome == SimulationOutcome::Finished ? eightyMarkStep : -1;
}

std::int64_t SimulationRecord::HundredMarkStep() const
{
    return outcome == SimulationOutcome::Finished ? hundredMarkStep : -1;
}

std::int64_t SimulationRecord::TopSpeedStep() const
{
    if (outcome != SimulationOutcome::Finished)
        return -1;
    const std::int64_t step = clock->FirstStepNotBelow(rawTopSpeedTime);
    return step == StepClock::Never ? -1 : step;
}

TrajectoryPoint SimulationRecord::TopSpeedPoint() const
{
    TrajectoryPoint point;
    point.step = -1;
    point.time = rawTopSpeedTime;
    point.speed = topSpeedVelocity;
    point.distance = topSpeedDistance;
    point.windForce = topSpeedWindForce;
    return point;
}

std::vector<TrajectoryPoint> SimulationRecord::Trajectory(std::int64_t lastStep, int samples) const
{
    if (!lawValid || outcome == SimulationOutcome::InvalidInputs || lastStep < 0)
        return {};
    std::vector<std::int64_t> steps;
    if (samples >= 2) {
        steps.reserve(static_cast<std::size_t>(samples) + 4);
        for (int i = 0; i < samples; ++i)
            steps.push_back(static_cast<std::int64_t>(static_cast<double>(lastStep) * i / (samples - 1)));
    } else {
        steps.push_back(lastStep);
    }
    for (std::int64_t step : { QuarterMileStep(), SixtyMarkStep(), EightyMarkStep(), HundredMarkStep() })
        if (step >= 0 && step <= lastStep)
            steps.push_back(step);
    std::sort(steps.begin(), steps.end());
    steps.erase(std::unique(steps.begin(), steps.end()), steps.end());
    return PointsAtSteps(steps);
}

std::vector<TrajectoryPoint> SimulationRecord::SampledTrajectory(TrajectoryEnd end, int samples) const
{
    if (outcome != SimulationOutcome::Finished)
        return {};
    if (end == TrajectoryEnd::QuarterMile)
        return Trajectory(QuarterMileStep(), samples);
    std::vector<TrajectoryPoint> points = Trajectory(TopSpeedStep(), samples);
    const TrajectoryPoint top = TopSpeedPoint();
    const auto after = std::find_if(points.begin(), points.end(),
                                    [&top](const TrajectoryPoint& p) { return p.time > top.time; });
    points.insert(after, top);
    return points;
}

std::int64_t SimulationRecord::FirstStepAtDistance(double feet) const
{
    if (!lawValid || outcome == SimulationOutcome::InvalidInputs)
        return -1;
    std::int64_t budget = kWalkBudget;
    const std::int64_t step = FirstStepReaching(feet, budget);
    return budget < 0 ? -1 : step;
}

std::array<SplitPoint, SplitDistances.size()> SimulationRecord::DistanceSplits(SplitSpeeds speeds) const
{
    std::array<SplitPoint, SplitDistances.size()> splits{};
    if (outcome != SimulationOutcome::Finished)
        return splits;
    std::int64_t budget = kWalkBudget;
    for (std::size_t i = 0; i < SplitDistances.size(); ++i) {
        const double feet = SplitDistances[i];
        const std::int64_t step
            = feet == quarterMileFeet ? quarterMileSteps : FirstStepReaching(feet, budget);
        if (budget < 0)
            return {};
        if (step < 0)
            continue;
        const double t = clock->TimeAt(step);
        double speed = 0;
        if (feet == quarterMileFeet)
            speed = quarterMileVelocity;
        else if (speeds == SplitSpeeds::EveryMark || feet == SplitDistances[2])
            speed = Speed(t);
        splits[i] = { step, t, speed };
    }
    return splits;
}

std::int64_t SimulationRecord::FirstStepAboveSpeed(double feetPerSecond) const
{
    if (outcome != SimulationOutcome::Finished)
        return -1;
    std::int64_t budget = kWalkBudget;
    const std::int64_t step = FirstStepPassing(feetPerSecond, MarkSearchLastStep(), budget);
    return budget < 0 ? -1 : step;
}

std::int64_t SimulationRecord::MarkSearchLastStep() const
{
    return clock->FirstStepNotBelow(topSpeedTime);
}

bool SimulationRecord::GetStopState(bool& timeLimitReached, double& stopTime) const
{
    timeLimitReached = this->timeLimitReached;
    stopTime = this->stopTime;
    return timeLimitReached;
}

SimulationResults SimulationRecord::Results() const
{
    SimulationResults r;
    GetResults(r.topSpeedTime, r.topSpeed, r.topSpeedDistance, r.topSpeedWindForce,
               r.zeroToSixtyTime, r.zeroToHundredTime, r.zeroToEightyTime, r.sixtyToEightyTime,
               r.quarterMileTime, r.quarterMileSpeed, r.quarterMileDistance, r.quarterMileWindForce);
    return r;
}

void SimulationRecord::GetResults(double& topSpeedTime, double& topSpeed, double& topSpeedDistance,
                                  double& topSpeedWindForce, double& zeroToSixtyTime,
                                  double& zeroToHundredTime, double& zeroToEightyTime,
                                  double& sixtyToEightyTime, double& quarterMileTime,
                                  double& quarterMileSpeed, double& quarterMileDistance,
                                  double& quarterMileWindForce) const
{
    if (outcome == SimulationOutcome::InvalidInputs) {
        topSpeedTime = topSpeed = topSpeedDistance = topSpeedWindForce = 0;
        zeroToSixtyTime = zeroToHundredTime = zeroToEightyTime = sixtyToEightyTime = 0;
        quarterMileTime = quarterMileSpeed = quarterMileDistance = quarterMileWindForce = 0;
        return;
    }
    topSpeedTime = this->topSpeedTime;
    topSpeed = topSpeedVelocity * feetPerSecondToMph;
    topSpeedDistance = this->topSpeedDistance;
    topSpeedWindForce = this->topSpeedWindForce;

    // A mark time of 0 means the speed never passed the mark.
    zeroToSixtyTime = sixtyMarkTime != 0 ? sixtyMarkTime + 0.5 * quarterMileShiftTime + spinTime : 0;
    zeroToHundredTime = hundredMarkTime != 0 ? hundredMarkTime + quarterMileShiftTime + spinTime : 0;
    zeroToEightyTime = eightyMarkTime != 0 ? eightyMarkTime + quarterMileShiftTime + spinTime : 0;
    sixtyToEightyTime = eightyMarkTime != 0 ? eightyMarkTime - sixtyMarkTime : 0;

    quarterMileTime = quarterMileRunTime + quarterMileShiftTime + spinTime;
    quarterMileSpeed = quarterMileVelocity * feetPerSecondToMph;
    quarterMileDistance = this->quarterMileDistance;
    quarterMileWindForce = this->quarterMileWindForce;
}
