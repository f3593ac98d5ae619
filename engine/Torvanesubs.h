// The simulation engine: one car, driven from standstill by a constant share
// of its rated power against a drag force that grows with the square of its
// speed. Inputs come in through SetInputs; RunSimulation runs the quarter
// mile, then the top speed and the speed marks, and reports its progress
// steps to a caller-supplied sink; GetStopState and GetResults hand out the
// outcome in seconds, miles per hour, feet and pounds.
//
// Plain standard C++: the engine knows nothing of windows or gauges.
#pragma once

#include <functional>

// Receives the progress steps 3 (quarter mile done), 4 (top speed done) and
// 5 (speed marks done). An empty sink is allowed and receives nothing.
using ProgressSink = std::function<void(int)>;

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
};

// The record of the input dialog's OK action while that action runs.
extern SimulationRecord* currentSimulation;
