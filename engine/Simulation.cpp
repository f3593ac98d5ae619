#include "Simulation.h"

#include <algorithm>
#include <cmath>
#include <limits>

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
    feetPerSecondToMph = 15.0 / 22.0;
    mphToFeetPerSecond = 22.0 / 15.0;
    quarterMileFeet = 1320;
    timeStep = stepSize;
    distanceTolerance = stepSize;
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

namespace {

// Margins that cover the rounding of one evaluation of the law many times
// over: an evaluation is within about 1e-12 of the exact value for any car
// the program can be given, so a value this far on the safe side of a
// threshold is on that side exactly too.
constexpr double kDistanceMargin = 1.0; // feet
constexpr double kSpeedMargin = 1e-6;   // feet per second
constexpr double kBisectionWidth = 1e-4; // seconds

// The last time in [from, to], to within kBisectionWidth, at which `holds`
// is true, for a predicate that is true up to some time and false after
// it. Returns `from` when it holds nowhere beyond `from`.
template <typename Predicate>
double LastTimeWhere(double from, double to, Predicate holds)
{
    if (!(to > from))
        return from;
    if (holds(to))
        return to;
    double lo = from;
    double hi = to;
    while (hi - lo > kBisectionWidth) {
        const double mid = lo + (hi - lo) / 2;
        if (holds(mid))
            lo = mid;
        else
            hi = mid;
    }
    return lo;
}

} // namespace

// A time before which no step of the quarter-mile run can reach the finish.
// The distance law rises as long as the speed is positive, so a time where
// the speed is still positive and the distance is well short of the finish
// bounds every earlier step too. Kept two steps short of the time limit, so
// that the steps just before the limit are always evaluated.
double SimulationRecord::QuarterMileSkipTime() const
{
    const double target = quarterMileFeet - distanceTolerance - kDistanceMargin;
    const double upper = static_cast<double>(timeLimit) - 2 * timeStep;
    return LastTimeWhere(0.0, upper, [this, target](double t) {
        return Distance(t) < target && Speed(t) > kSpeedMargin;
    });
}

// Steps the distance law until the car is within the tolerance of 1320 ft,
// giving up once the raw time passes the time limit. The time is always
// accumulated one step at a time; the law is evaluated only for the steps
// that can end the run (see QuarterMileSkipTime). Speed and wind force are
// evaluated once, for the step whose values are kept. The law is a pure
// function of the time, so the results are the very doubles that evaluating
// every step would give.
void SimulationRecord::RunQuarterMile()
{
    timeLimitReached = false;
    stopTime = 0;
    quarterMileRunTime = 0;
    quarterMileVelocity = 0;
    quarterMileDistance = 0;
    quarterMileWindForce = 0;
    quarterMileSteps = 0;

    const double limit = timeLimit;
    const double skipUntil = QuarterMileSkipTime();
    double lastComputedTime = 0;
    bool anyStepComputed = false;
    while (quarterMileFeet - quarterMileDistance > distanceTolerance) {
        quarterMileRunTime = quarterMileRunTime + timeStep;
        ++quarterMileSteps;
        if (quarterMileRunTime < skipUntil)
            continue;
        if (!(limit >= quarterMileRunTime)) {
            timeLimitReached = true;
            stopTime = quarterMileRunTime + spinTime + quarterMileShiftTime;
            break;
        }
        quarterMileDistance = Distance(quarterMileRunTime);
        lastComputedTime = quarterMileRunTime;
        anyStepComputed = true;
    }
    if (anyStepComputed) {
        quarterMileVelocity = Speed(lastComputedTime);
        quarterMileWindForce = WindForce(quarterMileVelocity);
    }
}

void SimulationRecord::ComputeTopSpeed()
{
    const double massCubed = std::pow(mass, three);
    const double dragSquared = std::pow(dragFactor, two);
    const double powerTerm = two * footPoundsPerHorsepower * effectivePower;
    const double rawTime = std::pow(massCubed / (powerTerm * dragSquared), one / three);

    rawTopSpeedTime = rawTime;
    topSpeedTime = rawTime;
    topSpeedVelocity = Speed(rawTime);
    topSpeedDistance = Distance(rawTime);
    topSpeedWindForce = WindForce(Speed(rawTime));
    topSpeedTime = rawTime + spinTime + availableShifts * shiftTime;
}

// The first step time at which the speed is strictly above 60, 80 and
// 100 mph; a mark never passed keeps 0. The search is bounded by the time
// to top speed with spin and shift time included.
//
// The speed rises until the raw top-speed time and falls after it, and
// never exceeds the top speed. So a mark well above the top speed is never
// passed, and a time before the top-speed time whose speed is well below a
// mark bounds every earlier step too. The loop therefore accumulates the
// time step by step as always, but evaluates the law only near the marks it
// can still pass, and stops once no mark is left to find; the mark times are
// the very doubles that evaluating every step would give.
void SimulationRecord::FindSpeedMarks()
{
    sixtyMarkTime = 0;
    eightyMarkTime = 0;
    hundredMarkTime = 0;
    markSearchSteps = 0;
    sixtyMarkStep = eightyMarkStep = hundredMarkStep = -1;
    bool sixtyFound = false;
    bool eightyFound = false;
    const double hundred = 100 * mphToFeetPerSecond;
    const double eighty = 80 * mphToFeetPerSecond;
    const double sixty = 60 * mphToFeetPerSecond;

    auto reachable = [this](double mark) { return !(topSpeedVelocity + kSpeedMargin < mark); };
    const bool sixtyReachable = reachable(sixty);
    const bool eightyReachable = reachable(eighty);
    const bool hundredReachable = reachable(hundred);
    auto nothingLeft = [&] {
        return !hundredReachable && (sixtyFound || !sixtyReachable)
               && (eightyFound || !eightyReachable);
    };
    auto skipTime = [&](double from) {
        const double mark = !sixtyFound ? sixty : !eightyFound ? eighty : hundred;
        const double upper = std::min(rawTopSpeedTime - kSpeedMargin, topSpeedTime);
        return LastTimeWhere(from, upper,
                             [this, mark](double t) { return Speed(t) < mark - kSpeedMargin; });
    };

    double t = 0;
    double skipUntil = nothingLeft() ? 0 : skipTime(0);
    while (t < topSpeedTime && !nothingLeft()) {
        t = t + timeStep;
        ++markSearchSteps;
        if (t < skipUntil)
            continue;
        const double v = Speed(t);
        if (!(hundred >= v)) {
            hundredMarkTime = t;
            hundredMarkStep = markSearchSteps;
            break;
        }
        bool found = false;
        if (!eightyFound && !(eighty >= v)) {
            eightyFound = true;
            eightyMarkTime = t;
            eightyMarkStep = markSearchSteps;
            found = true;
        }
        if (!sixtyFound && !(sixty >= v)) {
            sixtyFound = true;
            sixtyMarkTime = t;
            sixtyMarkStep = markSearchSteps;
            found = true;
        }
        if (found)
            skipUntil = skipTime(t);
    }
}

bool SimulationRecord::InputsValid() const
{
    auto positive = [](double x) { return std::isfinite(x) && x > 0; };
    return positive(mass) && positive(effectivePower) && positive(dragFactor)
           && positive(stepSize) && std::isfinite(spinTime) && std::isfinite(quarterMileShiftTime)
           && std::isfinite(shiftTime);
}

void SimulationRecord::RunSimulation(const ProgressSink& progress)
{
    auto report = [&progress](int step) {
        if (progress)
            progress(step);
    };
    // Inputs the law is not defined for are refused before any step: no
    // progress, no results, and a state that says why.
    if (!InputsValid()) {
        outcome = SimulationOutcome::InvalidInputs;
        return;
    }
    RunQuarterMile();
    outcome = timeLimitReached ? SimulationOutcome::TimeLimitReached : SimulationOutcome::Finished;
    report(3);
    if (timeLimitReached)
        return;
    ComputeTopSpeed();
    report(4);
    FindSpeedMarks();
    report(5);
}

double SimulationRecord::StepTime(long n) const
{
    double t = 0;
    for (long i = 0; i < n; ++i)
        t = t + timeStep;
    return t;
}

TrajectoryPoint SimulationRecord::PointAtStep(long n) const
{
    TrajectoryPoint point;
    point.step = n;
    point.time = StepTime(n);
    point.speed = Speed(point.time);
    point.distance = Distance(point.time);
    point.windForce = WindForce(Speed(point.time));
    return point;
}

long SimulationRecord::QuarterMileStep() const
{
    return outcome == SimulationOutcome::Finished ? quarterMileSteps : -1;
}

long SimulationRecord::SixtyMarkStep() const
{
    return outcome == SimulationOutcome::Finished ? sixtyMarkStep : -1;
}

long SimulationRecord::EightyMarkStep() const
{
    return outcome == SimulationOutcome::Finished ? eightyMarkStep : -1;
}

long SimulationRecord::HundredMarkStep() const
{
    return outcome == SimulationOutcome::Finished ? hundredMarkStep : -1;
}

std::vector<TrajectoryPoint> SimulationRecord::Trajectory(long lastStep, int samples) const
{
    std::vector<long> steps;
    if (outcome == SimulationOutcome::InvalidInputs || lastStep < 0)
        return {};
    if (samples >= 2) {
        for (int i = 0; i < samples; ++i)
            steps.push_back(static_cast<long>(static_cast<double>(lastStep) * i / (samples - 1)));
    } else {
        steps.push_back(lastStep);
    }
    for (long step : { QuarterMileStep(), SixtyMarkStep(), EightyMarkStep(), HundredMarkStep() })
        if (step >= 0 && step <= lastStep)
            steps.push_back(step);
    std::sort(steps.begin(), steps.end());
    steps.erase(std::unique(steps.begin(), steps.end()), steps.end());

    std::vector<TrajectoryPoint> points;
    points.reserve(steps.size());
    double t = 0;
    long at = 0;
    for (long step : steps) {
        for (; at < step; ++at)
            t = t + timeStep;
        TrajectoryPoint point;
        point.step = step;
        point.time = t;
        point.speed = Speed(t);
        point.distance = Distance(t);
        point.windForce = WindForce(Speed(t));
        points.push_back(point);
    }
    return points;
}

long SimulationRecord::FirstStepAtDistance(double feet) const
{
    if (outcome == SimulationOutcome::InvalidInputs || !InputsValid())
        return -1;
    const double limit = timeLimit;
    double t = 0;
    double distance = 0;
    long step = 0;
    while (feet - distance > distanceTolerance) {
        t = t + timeStep;
        ++step;
        if (!(limit >= t))
            return -1;
        distance = Distance(t);
    }
    return step;
}

long SimulationRecord::FirstStepAboveSpeed(double feetPerSecond) const
{
    if (outcome != SimulationOutcome::Finished)
        return -1;
    double t = 0;
    long step = 0;
    while (t < topSpeedTime) {
        t = t + timeStep;
        ++step;
        if (!(feetPerSecond >= Speed(t)))
            return step;
    }
    return -1;
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
