// SPDX-License-Identifier: GPL-3.0-or-later
// The car and the run the logbook tests share: the sports car as typed, and
// a quarter-mile run with every field given, as the version-1 logbook in
// data/ holds them.
#pragma once

#include "logbook/TimeSlip.h"

inline LoggedCar SportsCar()
{
    LoggedCar car;
    car.name = "Sports car";
    car.inputs = CarTexts::DefaultCar();
    return car;
}

inline TimeSlip FullRun()
{
    TimeSlip run;
    run.date = QDate(2024, 5, 4);
    run.time = QTime(14, 30);
    run.track = "Ennis";
    run.elevation = 520.0;
    run.temperature = 71.5;
    run.pressure = 29.41;
    run.humidity = 47.0;
    run.reactionTime = 0.512;
    run.sixtyFootTime = 1.953;
    run.threeThirtyFootTime = 5.61;
    run.eighthMileTime = 8.87;
    run.eighthMileSpeed = 80.12;
    run.thousandFootTime = 11.62;
    run.quarterMileTime = 13.79;
    run.quarterMileSpeed = 101.55;
    run.note = "first pass";
    return run;
}
