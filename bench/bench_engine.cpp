// SPDX-License-Identifier: GPL-3.0-or-later
// Times the engine against a plain step-by-step evaluation of the motion law
// written straight from its formulas (tests/engine/PlainRun.h), in the same
// run, at the level the program ships with (-O2):
//
// - named cars, through Google Benchmark: the default car, the in-range cars
//   on which the engine works longest, the quickest in-range car (the
//   shortest plain run, so the smallest gain) and, out of range, a car that
//   gives up at the time limit; and what a plotting window asks per car (the
//   run, a 400-point trajectory and two first-step searches);
// - the distribution over random cars within the input ranges: engine and
//   plain time per car and their ratio, median, 99th percentile and extreme;
// - a sweep of 40,000 variants of the default car, 200 horsepowers times
//   200 weights over the whole ranges (the plain evaluation, some 2 ms a car,
//   is timed on every 4th horsepower and weight unless --full-sweep);
// - the time slip's splits (60, 330, 660, 1000 ft and the quarter mile on
//   the run's timeline, core/DayRun) beside the classic run, per car: named
//   cars through Google Benchmark, and the distribution over the random cars
//   (target: the splits cost less than the classic run itself).
//
// Every car timed is also checked: the engine's doubles must be identical to
// the plain evaluation's, bit for bit.
//
// Options besides Google Benchmark's: --cars=N (random cars, 1000),
// --full-sweep, --no-named (skip the named cars).
#include "PlainRun.h"
#include "SimulationProbe.h"

#include "core/DayRun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using plain::Car;

// The named cars: the default car, the in-range cars a run works longest
// on, and one out of range (1 hp) that gives up at the time limit after
// 60,001 steps.
std::vector<plain::NamedCar> namedCars()
{
    std::vector<plain::NamedCar> cars = { { "default_car", Car() } };
    for (const plain::NamedCar& slow : plain::slowCars())
        cars.push_back(slow);
    Car weak;
    weak.horsepower = 1;
    cars.push_back({ "out_of_range_gives_up", weak });
    return cars;
}

void engineRun(benchmark::State& state, const Car& car)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(plain::run(car));
}

void plainRun(benchmark::State& state, const Car& car)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(plain::reference(car));
}

// What a plotting window asks for one car on every slider step: the run, a
// 400-point trajectory to the top speed, the 1/8 mile and 0-100 km/h.
void plotQueries(benchmark::State& state, const Car& car)
{
    for (auto _ : state) {
        SimulationRecord record = RecordFor(car);
        record.RunSimulation({});
        benchmark::DoNotOptimize(SimulationProbe::SampledTrajectory(record, TrajectoryEnd::TopSpeed, 400));
        benchmark::DoNotOptimize(record.FirstStepAtDistance(660));
        benchmark::DoNotOptimize(record.FirstStepAboveSpeed(100000 / 3600.0 / 0.3048));
    }
}

// The splits of a car that has run: the searches for 60, 330, 660 and
// 1000 ft, the timeline and the elapsed times.
void splitTimes(benchmark::State& state, const Car& car)
{
    SimulationRecord record = RecordFor(car);
    record.RunSimulation({});
    for (auto _ : state) {
        const Timeline timeline = Timeline::Of(record);
        benchmark::DoNotOptimize(SplitTimesOf(record, timeline));
    }
}

// The whole car on a hot day, its air worked out once: the run, the splits
// and the timeline.
void dayRun(benchmark::State& state, const Car& car)
{
    const AirFigures air = FiguresFor({ 95, 28.5, 60 });
    for (auto _ : state)
        benchmark::DoNotOptimize(RunCarOnDay(car, air));
}

// Collects the time per iteration of every run, by name, while printing
// the usual table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> perIteration;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                perIteration[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

bool identical(const plain::Results& a, const plain::Results& b)
{
    return std::memcmp(a.v, b.v, sizeof a.v) == 0 && a.timeLimitReached == b.timeLimitReached
           && std::memcmp(&a.stopTime, &b.stopTime, sizeof a.stopTime) == 0
           && std::memcmp(a.steps, b.steps, sizeof a.steps) == 0;
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of a few batches: the least disturbed by the other work on the
// machine.
double engineMicroseconds(const Car& car, int batches, int runsPerBatch)
{
    double best = INFINITY;
    for (int b = 0; b < batches; ++b) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < runsPerBatch; ++i)
            benchmark::DoNotOptimize(plain::run(car));
        best = std::min(best, secondsSince(start) / runsPerBatch);
    }
    return best * 1e6;
}

double splitsMicroseconds(const Car& car, int batches, int runsPerBatch)
{
    SimulationRecord record = RecordFor(car);
    record.RunSimulation({});
    double best = INFINITY;
    for (int b = 0; b < batches; ++b) {
        const Clock::time_point start = Clock::now();
        for (int i = 0; i < runsPerBatch; ++i) {
            const Timeline timeline = Timeline::Of(record);
            benchmark::DoNotOptimize(SplitTimesOf(record, timeline));
        }
        best = std::min(best, secondsSince(start) / runsPerBatch);
    }
    return best * 1e6;
}

double plainMicroseconds(const Car& car, int runs)
{
    double best = INFINITY;
    for (int i = 0; i < runs; ++i) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(plain::reference(car));
        best = std::min(best, secondsSince(start));
    }
    return best * 1e6;
}

struct Timed {
    Car car;
    double engine = 0; // microseconds
    double plain = 0;  // microseconds, 0 when not timed
    double Ratio() const { return plain / engine; }
};

double quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const double rank = std::max(1.0, std::ceil(q * static_cast<double>(values.size())));
    return values[std::min(static_cast<std::size_t>(rank), values.size()) - 1];
}

void describe(const char* what, const Timed& t)
{
    const Car& c = t.car;
    if (t.plain > 0)
        std::printf("  %s: %.2f us engine, %.0f us plain, %.0f x\n", what, t.engine, t.plain,
                    t.Ratio());
    else
        std::printf("  %s: %.2f us engine (plain not timed)\n", what, t.engine);
    std::printf("    hp %.17g, weight %.17g, cd %.17g, grill %.17g, windshield %.17g at %.17g,\n"
                "    spin %.17g, shifts %d of %d\n",
                c.horsepower, c.carWeight, c.dragCoefficient, c.grillArea, c.windshieldArea,
                c.windshieldAngle, c.spinTime, c.quarterMileShifts, c.availableShifts);
}

// Prints the distribution of engine and plain time per car and of their
// ratio, and the cars at the far end.
void summarise(const char* title, const std::vector<Timed>& timed)
{
    std::vector<double> engine, plainTimes, ratios;
    const Timed* lowest = nullptr;
    const Timed* slowest = nullptr;
    for (const Timed& t : timed) {
        engine.push_back(t.engine);
        if (!slowest || t.engine > slowest->engine)
            slowest = &t;
        if (t.plain > 0) {
            plainTimes.push_back(t.plain);
            ratios.push_back(t.Ratio());
            if (!lowest || t.Ratio() < lowest->Ratio())
                lowest = &t;
        }
    }
    std::printf("\n%s: %zu cars, engine timed on all, plain on %zu\n", title, engine.size(),
                plainTimes.size());
    std::printf("  %-22s %10s %10s %10s\n", "", "median", "p99", "max");
    std::printf("  %-22s %10.3f %10.3f %10.3f\n", "engine (us per car)", quantile(engine, 0.5),
                quantile(engine, 0.99), quantile(engine, 1.0));
    std::printf("  %-22s %10.0f %10.0f %10.0f\n", "plain (us per car)", quantile(plainTimes, 0.5),
                quantile(plainTimes, 0.99), quantile(plainTimes, 1.0));
    std::printf("  %-22s %10s %10s %10s\n", "", "median", "p1", "min");
    std::printf("  %-22s %10.0f %10.0f %10.0f\n", "plain / engine (x)", quantile(ratios, 0.5),
                quantile(ratios, 0.01), quantile(ratios, 0.0));
    double engineTotal = 0;
    double plainTotal = 0;
    double engineOnPlain = 0;
    for (const Timed& t : timed) {
        engineTotal += t.engine;
        if (t.plain > 0) {
            plainTotal += t.plain;
            engineOnPlain += t.engine;
        }
    }
    std::printf("  engine total %.1f ms for all %zu cars; on the cars timed plainly, %.0f x in total\n",
                engineTotal / 1000, engine.size(), plainTotal / engineOnPlain);
    describe("lowest ratio", *lowest);
    describe("slowest for the engine", *slowest);
}

// A car timed while the machine was busy elsewhere looks slow; the cars
// well above the median are timed again, longer, keeping the best.
void retimeOutliers(std::vector<Timed>& timed)
{
    std::vector<double> engine;
    for (const Timed& t : timed)
        engine.push_back(t.engine);
    const double limit = 1.5 * quantile(engine, 0.5);
    for (Timed& t : timed)
        if (t.engine > limit)
            t.engine = std::min(t.engine, engineMicroseconds(t.car, 10, 50));
}

// The splits of each car beside its classic run, both timed here, in
// alternation, the best of a few batches each.
void summariseSplits(const std::vector<Timed>& timed)
{
    std::vector<double> run, splits, shares;
    for (const Timed& t : timed) {
        double bestRun = INFINITY;
        double bestSplits = INFINITY;
        for (int round = 0; round < 3; ++round) {
            bestRun = std::min(bestRun, engineMicroseconds(t.car, 2, 20));
            bestSplits = std::min(bestSplits, splitsMicroseconds(t.car, 2, 20));
        }
        run.push_back(bestRun);
        splits.push_back(bestSplits);
        shares.push_back(bestSplits / bestRun);
    }
    std::printf("\nThe splits beside the classic run: %zu random cars\n", timed.size());
    std::printf("  %-22s %10s %10s %10s\n", "", "median", "p99", "max");
    std::printf("  %-22s %10.3f %10.3f %10.3f\n", "classic run (us)", quantile(run, 0.5),
                quantile(run, 0.99), quantile(run, 1.0));
    std::printf("  %-22s %10.3f %10.3f %10.3f\n", "splits (us)", quantile(splits, 0.5),
                quantile(splits, 0.99), quantile(splits, 1.0));
    std::printf("  %-22s %10.2f %10.2f %10.2f\n", "splits / run", quantile(shares, 0.5),
                quantile(shares, 0.99), quantile(shares, 1.0));
    double runTotal = 0;
    double splitsTotal = 0;
    for (std::size_t i = 0; i < run.size(); ++i) {
        runTotal += run[i];
        splitsTotal += splits[i];
    }
    std::printf("  in total the splits cost %.2f of the classic runs\n", splitsTotal / runTotal);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    int cars = 1000;
    bool fullSweep = false;
    bool named = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--cars=", 0) == 0)
            cars = std::max(1, std::atoi(arg.c_str() + 7));
        else if (arg == "--full-sweep")
            fullSweep = true;
        else if (arg == "--no-named")
            named = false;
        else {
            std::fprintf(stderr, "unknown option %s\n", arg.c_str());
            return 1;
        }
    }
    std::printf("Build type %s; engine and plain evaluation compiled at -O2.\n", TORVANE_BUILD_TYPE);

    int differing = 0;
    int checked = 0;
    auto check = [&](const Car& car) {
        ++checked;
        if (!identical(plain::run(car), plain::reference(car)))
            ++differing;
    };

    RatioReporter reporter;
    if (named) {
        const std::vector<plain::NamedCar> cars = namedCars();
        for (const plain::NamedCar& car : cars) {
            benchmark::RegisterBenchmark(("engineRun/" + car.name).c_str(), engineRun, car.car)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("plainRun/" + car.name).c_str(), plainRun, car.car)
                ->Unit(benchmark::kMicrosecond);
        }
        for (const plain::NamedCar& car : cars) {
            benchmark::RegisterBenchmark(("splitTimes/" + car.name).c_str(), splitTimes, car.car)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("dayRun/" + car.name).c_str(), dayRun, car.car)
                ->Unit(benchmark::kMicrosecond);
        }
        for (const std::string name : { "default_car", "slowest_quarter_mile", "top_speed_on_100_mph" })
            for (const plain::NamedCar& car : cars)
                if (car.name == name)
                    benchmark::RegisterBenchmark(("plotQueries/" + car.name).c_str(), plotQueries, car.car)
                        ->Unit(benchmark::kMicrosecond);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        std::printf("\nNamed cars, plain evaluation time / engine time, same run:\n");
        for (const plain::NamedCar& car : cars) {
            check(car.car);
            const auto engine = reporter.perIteration.find(std::string("engineRun/") + car.name);
            const auto plainRun = reporter.perIteration.find(std::string("plainRun/") + car.name);
            if (engine == reporter.perIteration.end() || plainRun == reporter.perIteration.end())
                continue;
            std::printf("  %-24s %8.0f x  (engine %.2f us, plain %.0f us)\n", car.name.c_str(),
                        plainRun->second / engine->second, engine->second, plainRun->second);
        }
        std::printf("\nNamed cars, the splits beside the classic run, same run:\n");
        for (const plain::NamedCar& car : cars) {
            const auto engine = reporter.perIteration.find(std::string("engineRun/") + car.name);
            const auto split = reporter.perIteration.find(std::string("splitTimes/") + car.name);
            const auto day = reporter.perIteration.find(std::string("dayRun/") + car.name);
            if (engine == reporter.perIteration.end() || split == reporter.perIteration.end()
                || day == reporter.perIteration.end())
                continue;
            std::printf("  %-24s splits %.3f us = %.2f of the run (%.3f us); whole day run %.3f us\n",
                        car.name.c_str(), split->second, split->second / engine->second,
                        engine->second, day->second);
        }
    }

    std::mt19937_64 random(20261207);
    std::vector<Timed> randomCars;
    for (int i = 0; i < cars; ++i) {
        Timed t;
        t.car = plain::randomCar(random);
        t.engine = engineMicroseconds(t.car, 5, 20);
        t.plain = plainMicroseconds(t.car, 2);
        check(t.car);
        randomCars.push_back(t);
    }
    retimeOutliers(randomCars);
    summarise("Random cars within the input ranges", randomCars);
    summariseSplits(randomCars);

    std::vector<Timed> sweep;
    const int size = 200;
    for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j) {
            Timed t;
            t.car.horsepower = 100 + 1400.0 * i / (size - 1);
            t.car.carWeight = 1000 + 3500.0 * j / (size - 1);
            t.engine = engineMicroseconds(t.car, 3, 10);
            if (fullSweep || (i % 4 == 0 && j % 4 == 0)) {
                t.plain = plainMicroseconds(t.car, 1);
                check(t.car);
            }
            sweep.push_back(t);
        }
    }
    retimeOutliers(sweep);
    summarise("Sweep of the default car, 200 horsepowers x 200 weights", sweep);

    std::printf("\nIdentical doubles: %d of %d cars checked against the plain evaluation%s\n",
                checked - differing, checked, differing ? "  ** DIFFERENCES **" : "");
    benchmark::Shutdown();
    return differing == 0 ? 0 : 1;
}
