// SPDX-License-Identifier: GPL-3.0-or-later
// What the runner costs a car beside the engine's own cost, and what a
// second job gives, each as a ratio measured in one run.
//
// Two sets of cars: a weight sweep of the sports car, as fine as a long
// sweep is (neighbouring cars share many figures, which the writers copy
// instead of converting again), and a grid of horsepower and drag
// coefficient whose drag varies fastest in coarse steps (neighbours share
// almost nothing). The engine's own cost is a record set up and run for
// each car, its results read (no checks, no output); the runner's cost is
// the whole command (options, the file, each car checked, run, formatted
// and written to a sink that discards the bytes). Rounds interleave the
// measures and the medians are compared, so a busy machine slows every
// measure alike.
//
// The road model (--model road) runs a shorter weight sweep of the same
// car, its own cost a car being some twenty times the classic engine's: the
// road model alone (the car made from the inputs and run on the day), and
// the runner's CSV of it, beside the classic runner's CSV a car.
#include "core/CarRun.h"
#include "core/DayRun.h"
#include "core/NumberText.h"
#include "core/RoadKeys.h"
#include "core/RoadRun.h"
#include "core/VehicleFile.h"
#include "runner/CarBatch.h"
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

constexpr int rounds = 7;

struct Axis {
    InputField field;
    double from;
    double step;
    long long count;
};

struct CarSet {
    const char* name;
    std::vector<Axis> axes; // the first varies slowest
    long long Count() const
    {
        long long count = 1;
        for (const Axis& axis : axes)
            count *= axis.count;
        return count;
    }
};

const CarSet weightSweep{ "weight sweep, 200,000 cars", { { InputField::CarWeight, 1000, 3500.0 / 200000, 200000 } } };
const CarSet roadSweep{ "road model, weight sweep, 20,000 cars", { { InputField::CarWeight, 1000, 3500.0 / 20000, 20000 } } };
const CarSet coarseGrid{ "horsepower x drag grid, 1,000 x 200 cars",
                         { { InputField::Horsepower, 100, 1400.0 / 999, 1000 },
                           { InputField::DragCoefficient, 0.2, 0.001, 200 } } };

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
void engineOnly(const CarInputs& base, const CarSet& cars, bool splits)
{
    SimulationRecord record = RecordFor(base);
    CarInputs car = base;
    double sum = 0;
    for (long long k = 0; k < cars.Count(); ++k) {
        long long rest = k;
        for (std::size_t a = cars.axes.size(); a-- > 0;) {
            const Axis& axis = cars.axes[a];
            SetSweptValue(car, axis.field, axis.from + static_cast<double>(rest % axis.count) * axis.step);
            rest /= axis.count;
        }
        SetUpRecord(record, car, car.horsepower, RunSetup::AirDensity);
        record.RunSimulation({});
        sum += RunOf(record).results.quarterMileTime;
        if (splits)
            sum += SplitTimesOf(record, Timeline::Of(record)).sixtyFootTime;
    }
    sink = sum;
}

// The road model alone on the standard day: the car made from the inputs
// (no road keys) and run, its quarter-mile time read.
void roadModelOnly(const CarInputs& base, const CarSet& cars)
{
    const RoadDay day = RoadDayOf(FiguresFor(AirConditions()));
    CarInputs car = base;
    double sum = 0;
    for (long long k = 0; k < cars.Count(); ++k) {
        const Axis& axis = cars.axes.front();
        SetSweptValue(car, axis.field, axis.from + static_cast<double>(k) * axis.step);
        sum += RunRoadModel(RoadCarOf(car, {}), day).Results().quarterMileTime;
    }
    sink = sum;
}

void runner(const QString& file, const CarSet& cars, const char* format, int jobs, bool road = false)
{
    QStringList arguments{ QString::fromLatin1(format), "--jobs", QString::number(jobs) };
    if (road)
        arguments << "--model=road";
    for (const Axis& axis : cars.axes)
        arguments << "--sweep"
                  << QStringLiteral("%1=%2:%3:%4")
                         .arg(FieldKey(axis.field), QString::fromLatin1(ShortestText(axis.from)),
                              QString::fromLatin1(ShortestText(axis.from + static_cast<double>(axis.count - 1) * axis.step)),
                              QString::fromLatin1(ShortestText(axis.step)));
    arguments << file;
    DiscardingSink out;
    QBuffer err;
    err.open(QIODevice::WriteOnly);
    RunnerStreams streams{ [](bool) { return InputBytes{}; }, &out, &err };
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

    struct Measures {
        std::vector<double> engine, engineSplits, csv, json, csv2, csvCpu, csv2Cpu;
    };
    std::vector<double> roadAlone, roadCsv;
    const CarSet* sets[] = { &weightSweep, &coarseGrid };
    Measures measures[2];
    for (int round = 0; round < rounds; ++round) {
        for (int s = 0; s < 2; ++s) {
            const CarSet& cars = *sets[s];
            Measures& m = measures[s];
            double cpu = 0;
            m.engine.push_back(seconds([&] { engineOnly(base, cars, false); }));
            m.engineSplits.push_back(seconds([&] { engineOnly(base, cars, true); }));
            m.csv.push_back(seconds([&] { runner(file, cars, "--csv", 1); }, &cpu));
            m.csvCpu.push_back(cpu);
            m.json.push_back(seconds([&] { runner(file, cars, "--json", 1); }));
            if (s == 0) {
                m.csv2.push_back(seconds([&] { runner(file, cars, "--csv", 2); }, &cpu));
                m.csv2Cpu.push_back(cpu);
                roadAlone.push_back(seconds([&] { roadModelOnly(base, roadSweep); }));
                roadCsv.push_back(seconds([&] { runner(file, roadSweep, "--csv", 1, true); }));
            }
        }
    }
    std::printf("torvane-run on the sports car, medians of %d interleaved rounds\n", rounds);
    for (int s = 0; s < 2; ++s) {
        const Measures& m = measures[s];
        const long long count = sets[s]->Count();
        const auto perCar = [count](double seconds) { return seconds / static_cast<double>(count) * 1e6; };
        std::printf("%s\n", sets[s]->name);
        std::printf("  engine alone           %7.3f us a car\n", perCar(median(m.engine)));
        std::printf("  engine and its splits  %7.3f us a car\n", perCar(median(m.engineSplits)));
        for (const auto& [name, times] : { std::pair{ "CSV, 1 job ", &m.csv }, std::pair{ "JSON, 1 job", &m.json } })
            std::printf("  runner, %s    %7.3f us a car   %.2fx the engine alone, %.2fx the engine with "
                        "the splits it writes (target <= 3)\n",
                        name, perCar(median(*times)), median(*times) / median(m.engine),
                        median(*times) / median(m.engineSplits));
        if (s != 0)
            continue;
        std::printf("  runner, CSV, 2 jobs    %7.3f us a car   %.2fx faster than 1 job (target >= 1.8)\n",
                    perCar(median(m.csv2)), median(m.csv) / median(m.csv2));
        // On a machine busy with other work the wall-clock speed-up cannot
        // show; the processor time says whether the second job added work
        // of its own.
        std::printf("  processor time, CSV    %7.3f us a car with 1 job, %.3f with 2 (%.2fx)\n",
                    perCar(median(m.csvCpu)), perCar(median(m.csv2Cpu)), median(m.csv2Cpu) / median(m.csvCpu));
    }
    const double roadCount = static_cast<double>(roadSweep.Count());
    const double classicCsv = median(measures[0].csv) / static_cast<double>(weightSweep.Count()) * 1e6;
    const double roadAloneCar = median(roadAlone) / roadCount * 1e6;
    const double roadCsvCar = median(roadCsv) / roadCount * 1e6;
    std::printf("%s\n", roadSweep.name);
    std::printf("  road model alone       %7.3f us a car (target <= 20)\n", roadAloneCar);
    std::printf("  runner, CSV, 1 job     %7.3f us a car   %.2fx the road model alone, %.2fx the classic "
                "runner's CSV a car\n",
                roadCsvCar, roadCsvCar / roadAloneCar, roadCsvCar / classicCsv);
    return 0;
}
