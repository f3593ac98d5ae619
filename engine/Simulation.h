// The simulation engine: one car, driven from standstill by a constant share
// of its rated power against a drag force that grows with the square of its
// speed. Inputs come in through SetInputs; RunSimulation runs the quarter
// mile, then the top speed and the speed marks, and reports its progress
// steps to a caller-supplied sink; GetStopState and GetResults hand out the
// outcome in seconds, miles per hour, feet and pounds.
//
// Plain standard C++: the engine knows nothing of windows or gauges, and
// holds no state outside its records.
#pragma once

#include <functional>
#include <vector>

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
// at the time limit, or refused its inputs (a mass, power or drag factor
// that is not a positive finite number, or a spin or shift time that is not
// finite), in which case nothing was run and every result stays 0.
enum class SimulationOutcome { NotRun, Finished, TimeLimitReached, InvalidInputs };

// The motion law at one step of the run's time sequence: the raw time after
// `step` steps (the step size added `step` times from zero, as the runs add
// it), and the speed (ft/s), distance (ft) and wind force (lb) there.
struct TrajectoryPoint {
    long step = 0;
    double time = 0;
    double speed = 0;
    double distance = 0;
    double windForce = 0;
};

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
    double StepTime(long n) const;
    // The motion law at step n, evaluated as the runs evaluate it.
    TrajectoryPoint PointAtStep(long n) const;
    // The law at `samples` steps spread evenly from step 0 to `lastStep`,
    // together with every step where a result of the run was taken (the
    // quarter mile and each speed mark passed), in step order, without
    // repeats. A curve through these points passes through the results.
    std::vector<TrajectoryPoint> Trajectory(long lastStep, int samples) const;
    // Steps where the results were taken; -1 where there is none (a mark
    // never passed, a run that gave up or did not run).
    long QuarterMileStep() const;
    long SixtyMarkStep() const;
    long EightyMarkStep() const;
    long HundredMarkStep() const;
    // The first step at which the distance is within the run's tolerance of
    // `feet`, tested as the quarter-mile run tests 1320 ft, within the time
    // limit; -1 when the car never gets there in time.
    long FirstStepAtDistance(double feet) const;
    // The first step at which the speed is strictly above `feetPerSecond`,
    // searched as the speed marks are, up to the top-speed time with spin and
    // shift time; -1 when it is never passed. Needs a finished run.
    long FirstStepAboveSpeed(double feetPerSecond) const;

    // The three runs, in the order RunSimulation calls them.
    void RunQuarterMile();
    void ComputeTopSpeed();
    void FindSpeedMarks();

    // The motion law at raw time t: distance (ft), speed (ft/s), and the
    // wind force (lb) at speed v. Each is evaluated afresh from its argument.
    double Distance(double t) const;
    double Speed(double t) const;
    double WindForce(double v) const;

    // Read access for callers and tests.
    bool TimeLimitReached() const { return timeLimitReached; }
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
    // Steps taken by the last runs (every step advances the time once).
    long QuarterMileSteps() const { return quarterMileSteps; }
    long MarkSearchSteps() const { return markSearchSteps; }

private:
    // Terms of the motion law that do not depend on the time. Each is the
    // leading part of a left-to-right product (or a whole divisor), so
    // hoisting it out of the step loops gives the very same doubles.
    void PrepareLaw();
    double QuarterMileSkipTime() const;

    bool InputsValid() const;

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
    long quarterMileSteps = 0;
    long markSearchSteps = 0;
    long sixtyMarkStep = -1;
    long eightyMarkStep = -1;
    long hundredMarkStep = -1;
};
