// SPDX-License-Identifier: GPL-3.0-or-later
// A car of the input dialog, the record set up as the program's actions set
// it up, and the motion law with its three runs evaluated plainly, step by
// step, straight from the formulas. Shared by the engine test (which holds
// the engine against it bit for bit) and the benchmark (which times both).
#pragma once

#include "core/CarRun.h"
#include "engine/Simulation.h"

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace plain {

// The default car of the input dialog unless told otherwise.
struct Car : CarInputs {
    Car() : CarInputs(CarInputs::DefaultCar()) {}
};

// A car drawn uniformly from the input ranges, shifts that pass the checks.
inline Car randomCar(std::mt19937_64& random)
{
    auto uniform = [&random](double lo, double hi) {
        return std::uniform_real_distribution<double>(lo, hi)(random);
    };
    auto integer = [&random](int lo, int hi) {
        return std::uniform_int_distribution<int>(lo, hi)(random);
    };
    Car c;
    c.horsepower = uniform(100, 1500);
    c.grillArea = uniform(2, 20);
    c.windshieldArea = uniform(2, 20);
    c.carWeight = uniform(1000, 4500);
    c.dragCoefficient = uniform(0.2, 0.4);
    c.windshieldAngle = uniform(20, 45);
    c.availableShifts = integer(2, 5);
    c.quarterMileShifts = integer(1, c.availableShifts - 1);
    c.spinTime = uniform(0.75, 3.0);
    return c;
}

// The default car with another body and power.
inline Car makeCar(double horsepower, double carWeight, double dragCoefficient, double grillArea,
                   double windshieldArea, double windshieldAngle)
{
    Car c;
    c.horsepower = horsepower;
    c.carWeight = carWeight;
    c.dragCoefficient = dragCoefficient;
    c.grillArea = grillArea;
    c.windshieldArea = windshieldArea;
    c.windshieldAngle = windshieldAngle;
    return c;
}

struct NamedCar {
    std::string name;
    Car car;
};

// The in-range cars on which a run works longest: top speeds within a hair
// of a mark (the speed is so flat there that the engine evaluates the law
// at a few steps; the slowest found among 30,000 random cars), the slowest
// and the quickest car the ranges admit, and the longest mark search (a
// heavy, weak car whose top speed stays just under 100 mph).
inline std::vector<NamedCar> slowCars()
{
    const auto car = makeCar;
    Car onHundred = car(146.07768919870921, 3772.3533081170981, 0.34487791191113226,
                        9.6372907302881181, 14.564851252117339, 43.297457781566621);
    onHundred.spinTime = 1.5858732413744725;
    onHundred.quarterMileShifts = 1;
    onHundred.availableShifts = 4;
    Car onEighty = car(110.15906883771325, 3564.6237055348956, 0.23252051990490977,
                       14.310442659762382, 13.439722586385356, 34.647958775241008);
    onEighty.spinTime = 1.3954154848432956;
    onEighty.quarterMileShifts = 4;
    onEighty.availableShifts = 5;
    Car longestMarkSearch = car(100, 4500, 0.25, 20, 0, 22);
    longestMarkSearch.spinTime = 3;
    return { { "top_speed_on_100_mph", onHundred },
             { "top_speed_on_80_mph", onEighty },
             { "slowest_quarter_mile", car(100, 4500, 0.4, 20, 20, 45) },
             { "quickest", car(1500, 1000, 0.2, 2, 2, 20) },
             { "longest_mark_search", longestMarkSearch } };
}

struct Results {
    double v[12] = {};
    bool timeLimitReached = false;
    double stopTime = 0;
    // Steps counted: the quarter mile's last step, the steps at which the
    // 60, 80 and 100 mph marks were taken (-1: not taken), and the step at
    // which the mark search ended (0: not run).
    std::int64_t steps[5] = { 0, -1, -1, -1, 0 };
};

// A record made with other run constants, given the car's inputs as the
// program's two actions give them.
inline void setUp(SimulationRecord& record, const Car& car)
{
    record.SetInputs(car.horsepower, car.dragCoefficient, car.carWeight, car.FrontalArea(),
                     RunSetup::AirDensity, car.spinTime, QuarterMileShiftTime(car.quarterMileShifts),
                     car.availableShifts, RunSetup::PowerPercent);
}

inline Results run(const Car& car, std::vector<int>* steps = nullptr)
{
    SimulationRecord record = RecordFor(car);
    ProgressSink sink;
    if (steps)
        sink = [steps](int step) { steps->push_back(step); };
    record.RunSimulation(sink);
    Results r;
    record.GetStopState(r.timeLimitReached, r.stopTime);
    double* v = r.v;
    record.GetResults(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
    r.steps[0] = record.QuarterMileSteps();
    r.steps[1] = record.SixtyMarkStep();
    r.steps[2] = record.EightyMarkStep();
    r.steps[3] = record.HundredMarkStep();
    r.steps[4] = record.MarkSearchSteps();
    return r;
}

// The motion law and the three runs written straight from their formulas:
// every root and power taken afresh at every step, speed and wind force
// computed at every step of the quarter mile, the mark search walking every
// step up to its bound, the steps counted as they are walked.
inline Results reference(const Car& car)
{
    // The law takes its exponents and divisors from the record's fields, so
    // the powers are library calls with exponents known only at run time
    // (a compiler would otherwise turn pow(x, 2.0) into x * x, which rounds
    // differently now and then).
    static volatile double fieldValues[] = { 1, 2, 3, 6 };
    const double one = fieldValues[0], two = fieldValues[1], three = fieldValues[2],
                 six = fieldValues[3];
    const double M = car.carWeight * (1.0 / 32.2);
    const double P = car.horsepower * RunSetup::PowerPercent * 0.01;
    const double K = RunSetup::AirDensity * car.dragCoefficient * car.FrontalArea();
    const double spin = car.spinTime;
    const double qmShift = QuarterMileShiftTime(car.quarterMileShifts);
    const double timeStep = RunSetup::StepSize;
    auto D = [&](double t) {
        return two * std::sqrt(550.0) * std::sqrt(P) * std::pow(t, three / two) * std::sqrt(two)
                   / (three * std::sqrt(M))
               - std::pow(t, three) * 550.0 * P * K / (six * std::pow(M, two));
    };
    auto V = [&](double t) {
        return std::sqrt(550.0) * std::sqrt(P) * std::sqrt(t) * std::sqrt(two) / std::sqrt(M)
               - std::pow(t, two) * 550.0 * P * K / (two * std::pow(M, two));
    };
    auto W = [&](double v) { return std::pow(v, two) * K / two; };

    Results r;
    double qt = 0, qv = 0, qd = 0, qw = 0;
    while (1320.0 - qd > timeStep) {
        qt = qt + timeStep;
        ++r.steps[0];
        if (!(double(RunSetup::TimeLimit) >= qt)) {
            r.timeLimitReached = true;
            r.stopTime = qt + spin + qmShift;
            // Only the quarter-mile figures are written, those of the last
            // step computed; top speed and marks stay zero.
            r.v[8] = qt + qmShift + spin;
            r.v[9] = qv * MphPerFootPerSecond;
            r.v[10] = qd;
            r.v[11] = qw;
            return r;
        }
        qd = D(qt);
        qv = V(qt);
        qw = W(V(qt));
    }

    const double T = std::pow(std::pow(M, three) / (two * 550.0 * P * std::pow(K, two)), one / three);
    const double topVelocity = V(T);
    const double topDistance = D(T);
    const double topForce = W(V(T));
    const double topTime = T + spin + car.availableShifts * RunSetup::ShiftTime;

    double sixty = 0, eighty = 0, hundred = 0, t = 0;
    bool sixtyFound = false, eightyFound = false;
    const double mph = FeetPerSecondPerMph;
    std::int64_t& step = r.steps[4];
    while (t < topTime) {
        t = t + timeStep;
        ++step;
        const double v = V(t);
        if (!(100 * mph >= v)) {
            hundred = t;
            r.steps[3] = step;
            break;
        }
        if (!eightyFound && !(80 * mph >= v)) {
            eightyFound = true;
            eighty = t;
            r.steps[2] = step;
        }
        if (!sixtyFound && !(60 * mph >= v)) {
            sixtyFound = true;
            sixty = t;
            r.steps[1] = step;
        }
    }

    const double toMph = MphPerFootPerSecond;
    r.v[0] = topTime;
    r.v[1] = topVelocity * toMph;
    r.v[2] = topDistance;
    r.v[3] = topForce;
    r.v[4] = sixty != 0 ? sixty + 0.5 * qmShift + spin : 0;
    r.v[5] = hundred != 0 ? hundred + qmShift + spin : 0;
    r.v[6] = eighty != 0 ? eighty + qmShift + spin : 0;
    r.v[7] = eighty != 0 ? eighty - sixty : 0;
    r.v[8] = qt + qmShift + spin;
    r.v[9] = qv * toMph;
    r.v[10] = qd;
    r.v[11] = qw;
    return r;
}

} // namespace plain
