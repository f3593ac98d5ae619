#include "core/CarRun.h"

double QuarterMileShiftTime(int quarterMileShifts)
{
    return quarterMileShifts * RunSetup::ShiftTime;
}

SimulationRecord RecordFor(const CarInputs& car)
{
    SimulationRecord record(RunSetup::StepSize, RunSetup::TimeLimit, RunSetup::ShiftTime,
                            RunSetup::AirDensity);
    record.SetInputs(car.horsepower, car.dragCoefficient, car.carWeight, car.FrontalArea(),
                     RunSetup::AirDensity, car.spinTime, QuarterMileShiftTime(car.quarterMileShifts),
                     car.availableShifts, RunSetup::PowerPercent);
    return record;
}

CarRun RunCar(const CarInputs& car, const ProgressSink& progress)
{
    SimulationRecord record = RecordFor(car);
    record.RunSimulation(progress);
    CarRun run;
    run.outcome = record.Outcome();
    record.GetStopState(run.timeLimitReached, run.stopTime);
    run.results = record.Results();
    return run;
}
