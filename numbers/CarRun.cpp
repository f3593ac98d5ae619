// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/CarRun.h"

double QuarterMileShiftTime(int quarterMileShifts)
{
    return quarterMileShifts * RunSetup::ShiftTime;
}

SimulationRecord RecordFor(const CarInputs& car)
{
    return RecordFor(car, car.horsepower, RunSetup::AirDensity);
}

SimulationRecord RecordFor(const CarInputs& car, double horsepower, double airDensity)
{
    SimulationRecord record(RunSetup::StepSize, RunSetup::TimeLimit, RunSetup::ShiftTime, airDensity);
    SetUpRecord(record, car, horsepower, airDensity);
    return record;
}

void SetUpRecord(SimulationRecord& record, const CarInputs& car, double horsepower, double airDensity)
{
    record.SetInputs(horsepower, car.dragCoefficient, car.carWeight, car.FrontalArea(), airDensity,
                     car.spinTime, QuarterMileShiftTime(car.quarterMileShifts), car.availableShifts,
                     RunSetup::PowerPercent);
}

CarRun RunCar(const CarInputs& car, const ProgressSink& progress)
{
    SimulationRecord record = RecordFor(car);
    record.RunSimulation(progress);
    return RunOf(record);
}

CarRun RunOf(const SimulationRecord& record)
{
    CarRun run;
    run.outcome = record.Outcome();
    record.GetStopState(run.timeLimitReached, run.stopTime);
    run.results = record.Results();
    return run;
}
