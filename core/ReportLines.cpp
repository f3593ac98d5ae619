#include "core/ReportLines.h"

ReportValues ReportValuesFor(const CarInputs& car, const SimulationResults& results)
{
    return { car.horsepower, car.carWeight, car.dragCoefficient, car.quarterMileShifts,
             car.spinTime, results };
}

QList<ReportLine> ReportLines(const QString& title, const ReportValues& values)
{
    const ReportValues& v = values;
    const SimulationResults& r = values.results;
    // A speed mark the car never passes has the time 0; the 60-80 time is
    // only meaningful when the car reached 80 mph, so it follows the 0-80 time.
    const bool noSixty = r.zeroToSixtyTime == 0;
    const bool noEighty = r.zeroToEightyTime == 0;
    const bool noHundred = r.zeroToHundredTime == 0;

    return {
        { 2, title, ReportLine::Title },
        { 4, QString::asprintf("Engine horsepower: %20.2f Horsepower ", v.horsepower) },
        { 5, QString::asprintf("Car weight: %27.2f Pounds ", v.carWeight) },
        { 6, QString::asprintf("Drag coefficient: %21.2f ", v.dragCoefficient) },
        { 8, QString::asprintf("Number of shifts: %21i ", v.quarterMileShifts) },
        { 9, QString::asprintf("Spin time: %28.2f Seconds ", v.spinTime) },
        { 11, noSixty ? QString::asprintf("Zero to 60 time: %22s Seconds ", ForgetIt)
                      : QString::asprintf("Zero to 60 time: %22.2f Seconds ", r.zeroToSixtyTime) },
        { 12, noEighty ? QString::asprintf("Zero to 80 time: %22s Seconds ", ForgetIt)
                       : QString::asprintf("Zero to 80 time: %22.2f Seconds ", r.zeroToEightyTime) },
        { 13, noEighty ? QString::asprintf("60 to 80 time: %24s Seconds ", ForgetIt)
                       : QString::asprintf("60 to 80 time: %24.2f Seconds ", r.sixtyToEightyTime) },
        { 14, noHundred ? QString::asprintf("Zero to 100 time: %21s Seconds ", ForgetIt)
                        : QString::asprintf("Zero to 100 time: %21.2f Seconds ", r.zeroToHundredTime) },
        { 16, QString::asprintf("Quarter mile time: %20.2f Seconds ", r.quarterMileTime) },
        { 17, QString::asprintf("Quarter mile speed: %19.2f Miles per hour ", r.quarterMileSpeed) },
        { 18, QString::asprintf("Quarter mile distance: %16.2f Feet ", r.quarterMileDistance) },
        { 19, QString::asprintf("Quarter mile wind force: %14.2f Pounds ", r.quarterMileWindForce) },
        { 21, QString::asprintf("Top speed time: %23.2f Seconds ", r.topSpeedTime) },
        { 22, QString::asprintf("Top speed: %28.2f Miles per hour ", r.topSpeed) },
        { 23, QString::asprintf("Top speed distance: %19.2f Feet ", r.topSpeedDistance) },
        { 24, QString::asprintf("Top speed wind force: %17.2f Pounds ", r.topSpeedWindForce) },
    };
}
