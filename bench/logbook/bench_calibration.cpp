// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the calibration: one fit of the sports car to 5 and to 20
// time slips made up by the model (the typed horsepower and spin time off
// the car's own), the calibration with its leave-one-out fits, and the car's
// run on one day, all measured in one run on the processor time of the
// thread, so that the fit can be read as so many runs of the car. Then the
// calibration of 1,000 and 10,000 runs (ten validation folds), each run on a
// day's air of its own and four runs a day, on one thread and on two, on
// the wall clock and in the processor time of all threads. Target: 10,000
// runs calibrated in under 5 s.
//
// Usage: bench_calibration [repeats]
#include "MadeUpRuns.h"
#include "logbook/Calibration.h"
#include "logbook/ReportCard.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <random>
#include <vector>

namespace {

double threadMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

// The median of `rounds` timings of `repeats` calls, per call (µs).
template <typename Call>
double perCall(int rounds, int repeats, Call call)
{
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const double start = threadMicroseconds();
        for (int i = 0; i < repeats; ++i)
            call();
        times.push_back((threadMicroseconds() - start) / repeats);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

volatile double sink = 0;

double processMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// `count` runs of the car on days' air drawn within the checks' ranges,
// `perDay` runs a day on the same air.
QList<TimeSlip> runsOnDays(const CarInputs& car, int count, int perDay)
{
    std::mt19937 random(29);
    std::uniform_real_distribution<double> temperature(40, 100);
    std::uniform_real_distribution<double> pressure(24, 30.5);
    std::uniform_real_distribution<double> humidity(0, 90);
    QList<TimeSlip> runs;
    AirConditions air;
    for (int i = 0; i < count; ++i) {
        if (i % perDay == 0)
            air = { RoundedTo(temperature(random), 0.1), RoundedTo(pressure(random), 0.01),
                    RoundedTo(humidity(random), 1) };
        runs << MadeUpRun(car, air, QDate(1990, 1, 1).addDays(i / perDay));
    }
    return runs;
}

} // namespace

int main(int argc, char** argv)
{
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    constexpr int rounds = 5;
    const CarInputs typed = CarInputs::DefaultCar();
    CarInputs truth = typed;
    truth.horsepower = 395;
    truth.spinTime = 1.1;
    const AirFigures day = FiguresFor(MadeUpDays()[1]);

    const double run = perCall(rounds, repeats * 50, [&] { sink = RunCarOnDay(truth, day).splits.quarterMileTime; });
    std::printf("one run of the car on a day:      %10.1f µs\n", run);
    for (int count : { 5, 20 }) {
        const QList<TimeSlip> runs = MadeUpRuns(truth, count);
        const double fit = perCall(rounds, repeats, [&] { sink = FitCar(typed, runs).horsepower; });
        const double calibrate =
            perCall(rounds, std::max(1, repeats / 5), [&] { sink = Calibrate(typed, runs).fit.horsepower; });
        const CarFit result = FitCar(typed, runs);
        std::printf("fit to %2d runs:                   %10.1f µs  (%5.0f runs of the car, %.1f per slip)\n",
                    count, fit, fit / run, fit / run / count);
        std::printf("calibration with leave-one-out:   %10.1f µs  (%5.1f fits)\n", calibrate,
                    calibrate / fit);
        std::printf("  fitted %.3f hp (made up with %.3f), spin time %.4f s (%.4f)\n",
                    result.horsepower, truth.horsepower, result.spinTime, truth.spinTime);
    }

    std::printf("calibration with ten folds:       wall clock (processor time, all threads)\n");
    for (int count : { 1000, 10000 }) {
        for (int perDay : { 1, 4 }) {
            const QList<TimeSlip> runs = runsOnDays(truth, count, perDay);
            std::printf("  %5d runs, %d a day:", count, perDay);
            for (int jobs : { 1, 2 }) {
                CalibrationControl control;
                control.jobs = jobs;
                const auto start = std::chrono::steady_clock::now();
                const double processor = processMilliseconds();
                sink = Calibrate(typed, runs, control).fit.horsepower;
                const double wall =
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                std::printf("   %d thread%s %6.0f ms (%6.0f ms)", jobs, jobs == 1 ? ": " : "s:", wall,
                            processMilliseconds() - processor);
            }
            std::printf("\n");
        }
    }
    std::printf("target: 10,000 runs calibrated in under 5000 ms\n");
    return 0;
}
