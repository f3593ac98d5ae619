// Times a whole RunSimulation for three cars against a plain step-by-step
// evaluation of the motion law written straight from its formulas, and
// prints, for each car, how many times faster the engine is in this run.
#include "PlainRun.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

plain::Car defaultCar()
{
    return plain::Car();
}

// The longest speed-mark search the input ranges admit: a heavy, weak car
// whose top speed stays just under 100 mph.
plain::Car slowestMarkSearch()
{
    plain::Car car;
    car.horsepower = 100;
    car.carWeight = 4500;
    car.dragCoefficient = 0.25;
    car.grillArea = 20; // a frontal area of 20 square feet
    car.windshieldArea = 0;
    car.spinTime = 3;
    car.availableShifts = 5;
    return car;
}

// Too weak to cover the quarter mile: the run gives up after 60,001 steps.
plain::Car givesUp()
{
    plain::Car car;
    car.horsepower = 1;
    return car;
}

void engineRun(benchmark::State& state, plain::Car (*make)())
{
    const plain::Car car = make();
    for (auto _ : state)
        benchmark::DoNotOptimize(plain::run(car));
}

void plainRun(benchmark::State& state, plain::Car (*make)())
{
    const plain::Car car = make();
    for (auto _ : state)
        benchmark::DoNotOptimize(plain::reference(car));
}

BENCHMARK_CAPTURE(engineRun, default_car, defaultCar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(plainRun, default_car, defaultCar)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(engineRun, slowest_mark_search, slowestMarkSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(plainRun, slowest_mark_search, slowestMarkSearch)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(engineRun, gives_up, givesUp)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(plainRun, gives_up, givesUp)->Unit(benchmark::kMicrosecond);

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

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nPlain evaluation time / engine time, same run:\n");
    for (const char* car : { "default_car", "slowest_mark_search", "gives_up" }) {
        const auto engine = reporter.perIteration.find(std::string("engineRun/") + car);
        const auto plainRun = reporter.perIteration.find(std::string("plainRun/") + car);
        if (engine == reporter.perIteration.end() || plainRun == reporter.perIteration.end())
            continue;
        std::printf("  %-20s %8.1f x  (engine %.1f us, plain %.1f us)\n", car,
                    plainRun->second / engine->second, engine->second, plainRun->second);
    }
    benchmark::Shutdown();
    return 0;
}
