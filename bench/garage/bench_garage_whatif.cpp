// SPDX-License-Identifier: GPL-3.0-or-later
// How long a what-if slider step takes, from the slider's new value to the
// comparison table and the curves drawn again, with the default car, two
// sample cars and a what-if variant of the default car open (four columns
// in the comparison, two in the what-if table, curves for all of them).
//
// Usage: bench_garage_whatif [STEPS]   (default 400)
// Prints the median, mean, 95th percentile and worst time of a step, both
// as wall-clock time and as the processor time of the window thread (which
// other programs on a busy machine do not inflate), and the same for the
// engine's evaluation of the variant alone and for a whole refresh that
// evaluates every car again. The target is 16 ms.
#include "BenchClock.h"
#include "garage/CarEvaluation.h"
#include "garage/CarList.h"
#include "garage/GarageProgram.h"
#include "garage/GarageWindow.h"
#include "garage/WhatIfPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

struct Figures {
    double median, mean, p95, worst;
};

Figures figuresOf(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    return { ms[ms.size() / 2], mean, ms[ms.size() * 95 / 100], ms.back() };
}

void print(const char* what, const Figures& f)
{
    std::printf("%-56s median %7.3f ms  mean %7.3f ms  p95 %7.3f ms  worst %7.3f ms\n", what, f.median,
                f.mean, f.p95, f.worst);
}

double elapsedMs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}


} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int steps = argc > 1 ? std::max(10, std::atoi(argv[1])) : 400;

    QTemporaryDir settingsDir;
    GarageProgram program(settingsDir.filePath(QStringLiteral("garage.ini")));
    program.Start({});
    const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
    program.Files().OpenFile(examples + QStringLiteral("/economy-car.trv"));
    program.Files().OpenFile(examples + QStringLiteral("/supercar.trv"));
    program.Window().SelectCar(0);
    GarageWindow& window = program.Window();
    window.resize(1500, 940);
    window.show();
    window.Tabs()->setCurrentWidget(window.WhatIf());
    QApplication::processEvents();
    QSlider* slider = window.WhatIf()->Slider(InputField::Horsepower);
    CarList& cars = program.Cars();
    // The first step makes the variant; the steps measured are one drag.
    slider->setValue(slider->value() + 1);
    QApplication::processEvents();
    slider->setSliderDown(true);
    std::printf("cars open: %d (three cars and the what-if variant), %d slider steps\n", cars.Count(), steps);

    // One slider step: the value, then every event it caused (the table's
    // and the charts' repaints among them) until the event queue is empty.
    std::vector<double> step;
    std::vector<double> stepProcessor;
    std::vector<double> evaluation;
    std::vector<double> wholeRefresh;
    for (int i = 0; i < steps; ++i) {
        const int value = 300 + (i % 200);
        QElapsedTimer timer;
        const double processorStart = ThreadMs();
        timer.start();
        slider->setValue(value);
        QApplication::processEvents();
        step.push_back(elapsedMs(timer));
        stepProcessor.push_back(ThreadMs() - processorStart);
    }
    slider->setSliderDown(false);
    const int variant = window.WhatIf()->VariantRow();
    const CarInputs inputs = cars.At(variant).Inputs();
    for (int i = 0; i < steps; ++i) {
        CarInputs changed = inputs;
        changed.horsepower = 300 + (i % 200);
        QElapsedTimer timer;
        timer.start();
        const CarEvaluation e = EvaluateCar(changed);
        evaluation.push_back(elapsedMs(timer));
        if (!e.HasResults())
            return 1;
    }
    // The worst case: every car changed and evaluated again on each step.
    std::vector<CarInputs> originals;
    for (int c = 0; c < cars.Count(); ++c)
        originals.push_back(cars.At(c).Inputs());
    for (int i = 0; i < steps / 4; ++i) {
        QElapsedTimer timer;
        timer.start();
        for (int c = 0; c < cars.Count(); ++c) {
            CarInputs again = originals[static_cast<std::size_t>(c)];
            again.spinTime += 0.01 * (1 + i % 2);
            cars.EditNumbers(c, again);
        }
        QApplication::processEvents();
        wholeRefresh.push_back(elapsedMs(timer));
    }

    print("slider step to table and curves drawn (wall clock)", figuresOf(step));
    print("the same step, processor time of the window thread", figuresOf(stepProcessor));
    print("engine evaluation of the variant alone", figuresOf(evaluation));
    print("every car evaluated again, table and curves drawn", figuresOf(wholeRefresh));
    const Figures wall = figuresOf(step);
    const Figures processor = figuresOf(stepProcessor);
    std::printf("target 16 ms per step: wall-clock median %.3f ms, p95 %.3f ms; processor median %.3f ms, p95 %.3f ms\n",
                wall.median, wall.p95, processor.median, processor.p95);
    return 0;
}
