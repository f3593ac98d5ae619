// SPDX-License-Identifier: GPL-3.0-or-later
// What the runner costs a car beside the engine's own cost, and what a
// second job gives, each as a ratio measured in one run.
//
// The cars are a weight sweep of the sports car. The engine's own cost is a
// record set up and run for each car, its results read (no checks, no
// output); the runner's cost is the whole command (options, the file, each
// car checked, run, formatted and written to a sink that discards the
// bytes). Rounds interleave the measures and the medians are compared, so a
// busy machine slows every measure alike.
#include "core/CarRun.h"
#include "core/DayRun.h"
#include "core/NumberText.h"
#include "core/VehicleFile.h"
#include "runner/Runner.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr long long cars = 200000;
constexpr double lightest = 1000;
constexpr double step = 3500.0 / cars; // up to 4500 lb, the heaviest car allowed
constexpr int rounds = 7;

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The wall time of the work; `cpu` gets the time the process's threads
// spent on it.
double seconds(const std::function<void()>& work, double* cpu = nullptr)
{
    const double cpuStart = processSeconds();
    const auto start = std::chrono::steady_clock::now();
    work();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (cpu)
        *cpu = processSeconds() - cpuStart;
    return wall;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Keeps a result alive so the compiler cannot drop the work.
volatile double sink = 0;

// The engine alone; with `splits`, also the time slip's splits, which
// JSON and CSV hold (the engine's search and the core's timeline).
void engineOnly(const CarInputs& base, bool splits)
{
    SimulationRecord record = RecordFor(base);
    CarInputs car = base;
    double sum = 0;
    for (long long k = 0; k < cars; ++k) {
        car.carWeight = lightest + static_cast<double>(k) * step;
        SetUpRecord(record, car, car.horsepower, RunSetup::AirDensity);
        record.RunSimulation({});
        sum += RunOf(record).results.quarterMileTime;
        if (splits)
            sum += SplitTimesOf(record, Timeline::Of(record)).sixtyFootTime;
    }
    sink = sum;
}

void runner(const QString& file, const char* format, int jobs)
{
    const QString sweep = QStringLiteral("carWeight=%1:%2:%3")
                              .arg(QString::fromLatin1(ShortestText(lightest)),
                                   QString::fromLatin1(ShortestText(lightest + (cars - 1) * step)),
                                   QString::fromLatin1(ShortestText(step)));
    DiscardingSink out;
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    RunnerStreams streams{ [] { return InputBytes{}; }, &out, &err };
    const QStringList arguments{ QString::fromLatin1(format), "--jobs", QString::number(jobs),
                                 "--sweep", sweep, file };
    const int status = RunCommand(arguments, streams);
    if (status != 0 || out.Count() == 0)
        qFatal("torvane-run failed: %d %s", status, err.data().constData());
    sink = static_cast<double>(out.Count());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QString file = QStringLiteral(TORVANE_EXAMPLES_DIR "/sports-car.trv");
    const CarInputs base = ConvertTexts(VehicleFile::CarFromFileOrder(VehicleFile::Load(file).words));

    std::vector<double> engine, engineSplits, csv, json, csv2, csvCpu, csv2Cpu;
    for (int round = 0; round < rounds; ++round) {
        double cpu = 0;
        engine.push_back(seconds([&] { engineOnly(base, false); }));
        engineSplits.push_back(seconds([&] { engineOnly(base, true); }));
        csv.push_back(seconds([&] { runner(file, "--csv", 1); }, &cpu));
        csvCpu.push_back(cpu);
        json.push_back(seconds([&] { runner(file, "--json", 1); }));
        csv2.push_back(seconds([&] { runner(file, "--csv", 2); }, &cpu));
        csv2Cpu.push_back(cpu);
    }
    const auto perCar = [](double s) { return s / cars * 1e6; };
    std::printf("torvane-run, a %lld-car weight sweep of the sports car, medians of %d interleaved rounds\n",
                cars, rounds);
    std::printf("  engine alone           %7.3f us a car\n", perCar(median(engine)));
    std::printf("  engine and its splits  %7.3f us a car\n", perCar(median(engineSplits)));
    for (const auto& [name, times] : { std::pair{ "CSV, 1 job ", &csv }, std::pair{ "JSON, 1 job", &json } })
        std::printf("  runner, %s    %7.3f us a car   %.2fx the engine alone, %.2fx the engine with "
                    "the splits it writes (target <= 3)\n",
                    name, perCar(median(*times)), median(*times) / median(engine),
                    median(*times) / median(engineSplits));
    std::printf("  runner, CSV, 2 jobs    %7.3f us a car   %.2fx faster than 1 job (target >= 1.8)\n",
                perCar(median(csv2)), median(csv) / median(csv2));
    // On a machine busy with other work the wall-clock speed-up cannot show;
    // the processor time says whether the second job added work of its own.
    std::printf("  processor time, CSV    %7.3f us a car with 1 job, %.3f with 2 (%.2fx)\n",
                perCar(median(csvCpu)), perCar(median(csv2Cpu)), median(csv2Cpu) / median(csvCpu));
    return 0;
}
