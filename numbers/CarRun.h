// SPDX-License-Identifier: GPL-3.0-or-later
// Running a car: the engine set up as both of the classic program's actions
// set it up, and the outcome of one run.
#pragma once

#include "numbers/Car.h"
#include "engine/Simulation.h"

// The run constants.
namespace RunSetup {
inline constexpr double StepSize = 0.001;        // s, also the distance tolerance in feet
inline constexpr int TimeLimit = 60;             // s of raw run time
inline constexpr double ShiftTime = 0.5;         // s lost per shift
inline constexpr double AirDensity = 0.002;      // slug/ft³
inline constexpr double PowerPercent = 63;       // share of the rated power that drives the car
} // namespace RunSetup

// The time the shifts within the quarter mile cost: 0.5 s each.
double QuarterMileShiftTime(int quarterMileShifts);

// A record with the run constants and the car's inputs, ready to run.
SimulationRecord RecordFor(const CarInputs& car);
// The same with another horsepower and air density in place of the car's
// rated horsepower and the run constant: the car on another day
// (core/DayRun). RecordFor(car) is RecordFor(car, car.horsepower,
// RunSetup::AirDensity).
SimulationRecord RecordFor(const CarInputs& car, double horsepower, double airDensity);

// Sets up a record made once for the car, as RecordFor(car, horsepower,
// airDensity) would make it: a runner that runs many cars keeps one record
// and runs it again for each (RunSimulation starts afresh).
void SetUpRecord(SimulationRecord& record, const CarInputs& car, double horsepower, double airDensity);

// The outcome of one run: the stop state and the twelve results.
struct CarRun {
    SimulationOutcome outcome = SimulationOutcome::NotRun;
    bool timeLimitReached = false;
    double stopTime = 0; // elapsed time reported when the run gave up
    SimulationResults results;

    bool Finished() const { return outcome == SimulationOutcome::Finished; }
};

// Sets up a record for the car, runs it with the progress sink and hands
// out its outcome.
CarRun RunCar(const CarInputs& car, const ProgressSink& progress = {});
// The outcome of a record that has run.
CarRun RunOf(const SimulationRecord& record);
