// SPDX-License-Identifier: GPL-3.0-or-later
// How the garage copes with many cars: N vehicle files (default 200, each a
// different weight) opened on the command line, from the program's start to
// the window shown with every curve drawn; the peak memory of the process
// then; and one more car opened beside them, to the window drawn again.
//
// Usage: bench_garage_cars [N]
// Targets: 200 cars open in under 3 s and 400 MiB, one more car in under
// 50 ms.
#include "core/VehicleFile.h"
#include "BenchClock.h"
#include "garage/CarList.h"
#include "garage/GarageProgram.h"
#include "garage/GarageWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

namespace {


double peakMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

QString writeCar(const QTemporaryDir& dir, int index)
{
    CarTexts texts = CarTexts::DefaultCar();
    texts[InputField::CarWeight] = QString::number(1500 + 10 * index);
    const QString path = dir.filePath(QStringLiteral("car-%1.trv").arg(index, 4, 10, QLatin1Char('0')));
    if (!VehicleFile::Save(path, VehicleFile::TextsInFileOrder(texts)).isEmpty())
        std::exit(1);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < count; ++i)
        files << writeCar(dir, i);
    // Cars opened one by one after the start, for the median and the worst.
    constexpr int extraCars = 40;
    QStringList extras;
    for (int i = 0; i < extraCars; ++i)
        extras << writeCar(dir, count + i);
    const double before = peakMiB();

    QElapsedTimer timer;
    timer.start();
    double processor = ThreadMs();
    GarageProgram program(dir.filePath(QStringLiteral("garage.ini")));
    program.Start(files);
    program.Window().resize(1500, 940);
    program.Window().show();
    QApplication::processEvents();
    const double openMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    const double openProcessorMs = ThreadMs() - processor;
    const double openMiB = peakMiB();

    std::vector<double> addMs;
    std::vector<double> addProcessorMs;
    for (const QString& extra : extras) {
        timer.restart();
        processor = ThreadMs();
        program.Files().OpenFile(extra);
        QApplication::processEvents();
        addMs.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        addProcessorMs.push_back(ThreadMs() - processor);
    }
    std::sort(addMs.begin(), addMs.end());
    std::sort(addProcessorMs.begin(), addProcessorMs.end());

    std::printf("cars opened at the start: %d (window shown, every curve drawn)\n", count);
    std::printf("start with %d cars: %.0f ms (processor %.0f ms)   peak memory %.0f MiB (%.0f MiB before the garage)\n",
                count, openMs, openProcessorMs, openMiB, before);
    std::printf("one more car opened beside them, %d times: median %.1f ms (processor %.1f ms), worst %.1f ms "
                "(processor %.1f ms)\n",
                extraCars, addMs[extraCars / 2], addProcessorMs[extraCars / 2], addMs.back(), addProcessorMs.back());
    std::printf("targets: under 3000 ms and 400 MiB for 200 cars, under 50 ms for one more\n");
    return 0;
}
