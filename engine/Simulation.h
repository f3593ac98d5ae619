// SPDX-License-Identifier: GPL-3.0-or-later
// The simulation engine: one car, driven from standstill by a constant share
// of its rated power against a drag force that grows with the square of its
// speed. Inputs come in through SetInputs; RunSimulation runs the quarter
// mile, then the top speed and the speed marks, and reports its progress
// steps to a caller-supplied sink; GetStopState and GetResults hand out the
// outcome in seconds, miles per hour, feet and pounds. The law can also be
// asked for at any step of the run's time sequence, for plots, and for the
// first step at which a distance or a speed is reached, and for the drag
// strip's timing marks (DistanceSplits).
//
// Every figure is the double that stepping the law 0.001 s at a time would
// give; the runs find the deciding steps by searching over the step index
// instead of walking every step (docs/DESIGN.md, "The engine").
//
// Plain standard C++: the engine knows nothing of windows or gauges, and
// holds no state outside its records (the step-time sequence, which depends
// on the step size alone, is built once and shared).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class StepClock;

// Miles per hour in one foot per second, and back: the engine's speeds are
// in feet per second, the results in mph.
inline constexpr double MphPerFootPerSecond = 15.0 / 22.0;
inline constexpr double FeetPerSecondPerMph = 22.0 / 15.0;

// Receives the progress steps 3 (quarter mile done), 4 (top speed done) and
// 5 (speed marks done). An empty sink is allowed and receives nothing.
using ProgressSink = std::function<void(int)>;

// The twelve results of one run, named, in the order GetResults hands them
// out: seconds, miles per hour, feet and pounds, with spin and shift time
// added to the times. A mark never passed has the time 0.
struct SimulationResults {
    double topSpeedTime = 0;
    double topSpeed = 0;
    double topSpeedDistance = 0;
    double topSpeedWindForce = 0;
    double zeroToSixtyTime = 0;
    double zeroToHundredTime = 0;
    double zeroToEightyTime = 0;
    double sixtyToEightyTime = 0;
    double quarterMileTime = 0;
    double quarterMileSpeed = 0;
    double quarterMileDistance = 0;
    double quarterMileWindForce = 0;

    bool operator==(const SimulationResults&) const = default;
};

// What became of a record: not run yet, finished the quarter mile, gave up
// at the time limit, or refused its inputs, in which case no progress was
// reported and every result is 0. Refused are: a horsepower, weight, drag
// coefficient, frontal area, air density or power share that is not a
// positive finite number; a spin time, shift time or shift count that is
// negative or not finite; a step size that is not positive and finite,
// leaves the quarter-mile run no step to take (longer than the time limit,
// or a distance tolerance, which equals it, that covers the quarter mile),
// or is too small for the time to ever pass the time limit; and values so
// far out that the law cannot be evaluated in doubles (its constant terms
// overflow or underflow, or a car that covers the quarter mile has a top
// speed, top-speed time or distance that is not a finite number).
enum class SimulationOutcome { NotRun, Finished, TimeLimitReached, InvalidInputs };

// The motion law at one step of the run's time sequence: the raw time after
// `step` steps (the step size added `step` times from zero, as the runs add
// it), and the speed (ft/s), distance (ft) and wind force (lb) there. The
// point at the raw top-speed time lies between two steps and has step -1.
struct TrajectoryPoint {
    std::int64_t step = 0;
    double time = 0;
    double speed = 0;
    double distance = 0;
    double windForce = 0;
};

// The drag strip's timing marks, in feet: 60 ft, 330 ft, the 1/8 mile
// (660 ft), 1000 ft and the quarter mile (1320 ft).
inline constexpr std::array<double, 5> SplitDistances = { 60, 330, 660, 1000, 1320 };

// Where a run passed a timing mark: the step, its raw time (s, spin and
// shift time not included) and the speed there (ft/s). Step -1, time and
// speed 0 where it was not passed.
struct SplitPoint {
    std::int64_t step = -1;
    double time = 0;
    double speed = 0;
    bool operator==(const SplitPoint&) const = default;
};

// Which timing marks DistanceSplits works out the speed at: every mark, or
// only the speed traps of a time slip (the eighth mile and the quarter
// mile), the others keeping speed 0. A speed costs a library power, about
// as much as finding the mark.
enum class SplitSpeeds { EveryMark, SpeedTraps };

// Where a sampled trajectory ends (the engine test's and the benchmark's
// series): at the quarter-mile step, or at the raw top-speed time.
enum class TrajectoryEnd { QuarterMile, TopSpeed };

class SimulationRecord {
public:
    SimulationRecord(double stepSize, int timeLimit, double shiftTime, double airDensity);

    void SetInputs(double horsepower, double dragCoefficient, double carWeight, double frontalArea,
                   double airDensity, double spinTime, double quarterMileShiftTime,
                   int availableShifts, double powerPercent);
    void RunSimulation(const ProgressSink& progress);
    bool GetStopState(bool& timeLimitReached, double& stopTime) const;
    void GetResults(double& topSpeedTime, double& topSpeed, double& topSpeedDistance,
                    double& topSpeedWindForce, double& zeroToSixtyTime, double& zeroToHundredTime,
                    double& zeroToEightyTime, double& sixtyToEightyTime, double& quarterMileTime,
                    double& quarterMileSpeed, double& quarterMileDistance,
                    double& quarterMileWindForce) const;
    // The same twelve results, named.
    SimulationResults Results() const;
    SimulationOutcome Outcome() const { return outcome; }

    // The raw time after n steps, exactly as the runs accumulate it.
    double StepTime(std::int64_t n) const;
    // The motion law at step n, evaluated as the runs evaluate it (speed,
    // distance and wind force 0 for inputs the record refuses).
    TrajectoryPoint PointAtStep(std::int64_t n) const;
    // The law at `samples` steps spread evenly from step 0 to `lastStep`,
    // together with every step where a result of the run was taken (the
    // quarter mile and each speed mark passed), in step order, without
    // repeats. A curve through these points passes through the results.
    std::vector<TrajectoryPoint> Trajectory(std::int64_t lastStep, int samples) const;
    // The first step at or after the raw top-speed time; -1 unless finished.
    std::int64_t TopSpeedStep() const;
    // Steps where the results were taken; -1 where there is none (a mark
    // never passed, a run that gave up or did not run).
    std::int64_t QuarterMileStep() const;
    std::int64_t SixtyMarkStep() const;
    std::int64_t EightyMarkStep() const;
    std::int64_t HundredMarkStep() const;
    // The first step at which the distance is within the run's tolerance of
    // `feet`, tested as the quarter-mile run tests 1320 ft, within the time
    // limit; -1 when the car never gets there in time.
    std::int64_t FirstStepAtDistance(double feet) const;
    // The first step at which the speed is strictly above `feetPerSecond`,
    // searched as the speed marks are, up to the top-speed time with spin and
    // shift time; -1 when it is never passed. Needs a finished run.
    std::int64_t FirstStepAboveSpeed(double feetPerSecond) const;

    // The timing marks of SplitDistances, in that order: the first step at
    // each distance, found as FirstStepAtDistance finds it (the quarter mile
    // is the run's own quarter-mile step, so its time and speed are those of
    // the results). Every split is passed in a finished run; all are -1
    // unless the run finished.
    std::array<SplitPoint, SplitDistances.size()> DistanceSplits(SplitSpeeds speeds = SplitSpeeds::EveryMark) const;

    // The motion law at raw time t: distance (ft), speed (ft/s), and the
    // wind force (lb) at speed v. Each is evaluated afresh from its argument.
    double Distance(double t) const;
    double Speed(double t) const;
    double WindForce(double v) const;

    // Read access for callers and tests.
    bool TimeLimitReached() const { return timeLimitReached; }
    double Horsepower() const { return horsepower; }
    double AirDensity() const { return airDensity; }
    double SpinTime() const { return spinTime; }
    double QuarterMileShiftTime() const { return quarterMileShiftTime; }
    int AvailableShifts() const { return availableShifts; }
    double ShiftTime() const { return shiftTime; }
    double Mass() const { return mass; }
    double EffectivePower() const { return effectivePower; }
    double DragFactor() const { return dragFactor; }
    double QuarterMileRunTime() const { return quarterMileRunTime; }
    double QuarterMileVelocity() const { return quarterMileVelocity; }
    double RawQuarterMileDistance() const { return quarterMileDistance; }
    double RawQuarterMileWindForce() const { return quarterMileWindForce; }
    double TopSpeedTime() const { return topSpeedTime; }
    double TopSpeedVelocity() const { return topSpeedVelocity; }
    double TopSpeedDistance() const { return topSpeedDistance; }
    double TopSpeedWindForce() const { return topSpeedWindForce; }
    double SixtyMarkTime() const { return sixtyMarkTime; }
    double EightyMarkTime() const { return eightyMarkTime; }
    double HundredMarkTime() const { return hundredMarkTime; }
    double StopTime() const { return stopTime; }
    // The raw time at which the law has its top speed (spin and shift time
    // not included).
    double RawTopSpeedTime() const { return rawTopSpeedTime; }
    // Steps the last runs count, as stepping one at a time counts them: the
    // quarter mile's last step (the one past the time limit when it gave
    // up), and the step at which the mark search ends (that of the 100 mph
    // mark, or the first step at or past its bound; -1 when the time never
    // reaches the bound, so that stepping would never end).
    std::int64_t QuarterMileSteps() const { return quarterMileSteps; }
    std::int64_t MarkSearchSteps() const { return markSearchSteps; }

private:
    // The engine test and the benchmark reach the parts below through
    // SimulationProbe (tests/engine/SimulationProbe.h); every other caller
    // runs the record with RunSimulation, which checks what they do not.
    friend class SimulationProbe;

    // The three runs, in the order RunSimulation calls them. Each works on
    // whatever the record holds: only RunSimulation refuses inputs the law
    // is not defined for, and keeps the results of a refused run at 0.
    void RunQuarterMile();
    void ComputeTopSpeed();
    void FindSpeedMarks();
    // The law at each of the given steps, in the order given.
    std::vector<TrajectoryPoint> PointsAtSteps(const std::vector<std::int64_t>& steps) const;
    // Trajectory up to the quarter-mile step, or up to the raw top-speed
    // time: then the samples run to the first step at or after it and the
    // series also holds the top-speed point itself (step -1), so that a
    // curve through it passes through the top speed and its distance and
    // wind force as well. Empty unless the run finished.
    std::vector<TrajectoryPoint> SampledTrajectory(TrajectoryEnd end, int samples) const;
    // The law at the raw top-speed time: the top speed, the distance to it
    // and the wind force there, as the results hold them (step -1).
    TrajectoryPoint TopSpeedPoint() const;

    struct MarkSteps {
        std::int64_t sixty = -1, eighty = -1, hundred = -1, searchSteps = 0;
    };

    // Terms of the motion law that do not depend on the time. Each is the
    // leading part of a left-to-right product (or a whole divisor), so
    // hoisting it out of the step loops gives the very same doubles. Also
    // the plain coefficients and peak times the searches use, and whether
    // the law can be evaluated at all for these inputs.
    void PrepareLaw();
    bool InputsValid() const;
    void ClearResults();
    void ClearQuarterMile();

    MarkSteps SearchMarks(double bound, std::int64_t& budget) const;
    void StoreMarks(const MarkSteps& marks);
    // First steps, as the step loops find them (see Simulation.cpp). Each
    // spends exact evaluations from `budget`, which goes negative when the
    // law could not be settled within it.
    std::int64_t FirstStepReaching(double feet, std::int64_t& budget) const;
    std::int64_t FirstStepPassing(double feetPerSecond, std::int64_t lastStep,
                                  std::int64_t& budget) const;
    std::int64_t MarkSearchLastStep() const;

    SimulationOutcome outcome = SimulationOutcome::NotRun;
    bool timeLimitReached = false;
    int timeLimit = 0;
    int availableShifts = 0;
    double mass = 0;
    double effectivePower = 0;
    double dragFactor = 0;
    double spinTime = 0;
    double horsepower = 0;
    double quarterMileShiftTime = 0;
    double carWeight = 0;
    double stepSize = 0;
    double dragCoefficient = 0;
    double airDensity = 0;
    double frontalArea = 0;
    double shiftTime = 0;
    double eightyMarkTime = 0;
    double topSpeedWindForce = 0;
    double powerPercent = 0;
    double sixtyMarkTime = 0;
    double hundredMarkTime = 0;
    double topSpeedTime = 0;
    double topSpeedVelocity = 0;
    double topSpeedDistance = 0;
    double quarterMileRunTime = 0;
    double quarterMileVelocity = 0;
    double quarterMileDistance = 0;
    double quarterMileWindForce = 0;
    double one = 0, two = 0, three = 0, six = 0;
    double footPoundsPerHorsepower = 0;
    double feetPerSecondToMph = 0;
    double mphToFeetPerSecond = 0;
    double quarterMileFeet = 0;
    double stopTime = 0;
    double timeStep = 0;
    double distanceTolerance = 0;

    // Hoisted terms (see PrepareLaw) and step counters.
    double distanceLead = 0;     // 2 * sqrt(550) * sqrt(P)
    double distanceRoot2 = 0;    // sqrt(2)
    double distanceDivisor = 0;  // 3 * sqrt(M)
    double distanceDragDivisor = 0; // 6 * M^2
    double speedLead = 0;        // sqrt(550) * sqrt(P)
    double speedRootMass = 0;    // sqrt(M)
    double speedDragDivisor = 0; // 2 * M^2
    double rawTopSpeedTime = 0;  // top-speed time of the law alone

    // The time sequence, and the first step past the time limit.
    std::shared_ptr<const StepClock> clock;
    std::int64_t quarterMileLimitStep = 1;
    // The law as plain curves for the searches: distance = distanceClimb *
    // t^1.5 - distanceDrag * t^3, speed = speedClimb * t^0.5 - speedDrag *
    // t^2, the times of their peaks and bounds above their peak values.
    double distanceClimb = 0;
    double distanceDrag = 0;
    double speedClimb = 0;
    double speedDrag = 0;
    double lawTopSpeedTime = 0;
    double speedPeakTime = 0;
    double distancePeakTime = 0;
    double speedPeakBound = 0;
    double distancePeakBound = 0;
    bool lawValid = false;
    bool lawUnsettled = false;

    std::int64_t quarterMileSteps = 0;
    std::int64_t markSearchSteps = 0;
    std::int64_t sixtyMarkStep = -1;
    std::int64_t eightyMarkStep = -1;
    std::int64_t hundredMarkStep = -1;
};
