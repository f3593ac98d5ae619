// SPDX-License-Identifier: GPL-3.0-or-later
// How long a what-if slider step takes, from the slider's new value to the
// comparison table and the curves drawn again, with the default car, two
// sample cars and a what-if variant of the default car open (four columns
// in the comparison, two in the what-if table, curves for all of them), on
// the classic law and on the road model, one after the other in one run.
//
// Usage: bench_garage_whatif [STEPS]   (default 400)
// Prints, for each model, the median, mean, 95th percentile and worst time
// of a step, both as wall-clock time and as the processor time of the window
// thread (which other programs on a busy machine do not inflate), and the
// same for the evaluation of the variant alone and for a whole refresh that
// evaluates every car again; then the road model's step against the classic
// law's. The target is 16 ms median (one frame) and 33 ms worst.
#include "BenchClock.h"
#include "garage/CarEvaluation.h"
#include "garage/CarList.h"
#include "garage/GarageProgram.h"
#include "garage/GarageSettings.h"
#include "garage/GarageWindow.h"
#include "garage/WhatIfPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <utility>
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


// One drag of the what-if horsepower slider over `steps` steps, each step
// timed from the value to every event it caused (the table's and the
// charts' repaints among them) until the event queue is empty; then the
// variant's evaluation alone, and every car changed and evaluated again.
std::pair<Figures, Figures> dragSlider(GarageWindow& window, CarList& cars, int steps, std::vector<double>& evaluation,
                                       std::vector<double>& wholeRefresh)
{
    QSlider* slider = window.WhatIf()->Slider(InputField::Horsepower);
    // The first step makes the variant; the steps measured are one drag.
    slider->setValue(slider->value() + 1);
    QApplication::processEvents();
    slider->setSliderDown(true);
    std::vector<double> step;
    std::vector<double> stepProcessor;
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
    const ModelCar car = cars.ModelCarAt(variant);
    for (int i = 0; i < steps; ++i) {
        ModelCar changed = car;
        changed.inputs.horsepower = 300 + (i % 200);
        QElapsedTimer timer;
        timer.start();
        const CarEvaluation e = EvaluateCar(changed, cars.Air(), cars.Model());
        evaluation.push_back(elapsedMs(timer));
        if (!e.HasResults())
            std::exit(1);
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
    for (int c = 0; c < cars.Count(); ++c)
        cars.EditNumbers(c, originals[static_cast<std::size_t>(c)]);
    QApplication::processEvents();
    return { figuresOf(step), figuresOf(stepProcessor) };
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
    CarList& cars = program.Cars();
    std::printf("cars open: %d and the what-if variant, %d slider steps a model\n", cars.Count(), steps);
    std::array<Figures, 2> wallOf{};
    std::array<Figures, 2> processorOf{};
    for (CarModel model : { CarModel::Classic, CarModel::Road }) {
        program.Settings().SetModel(model);
        QApplication::processEvents();
        const std::size_t m = model == CarModel::Road ? 1 : 0;
        std::vector<double> wholeRefresh;
        std::vector<double> evaluation;
        const auto [wall, processor] = dragSlider(window, cars, steps, evaluation, wholeRefresh);
        const QByteArray name = CarModelName(model).toUtf8();
        std::printf("%s:\n", name.constData());
        print("slider step to table and curves drawn (wall clock)", wall);
        print("the same step, processor time of the window thread", processor);
        print("evaluation of the variant alone", figuresOf(evaluation));
        print("every car evaluated again, table and curves drawn", figuresOf(wholeRefresh));
        wallOf[m] = wall;
        processorOf[m] = processor;
    }
    std::printf("road model against classic law, median step: wall clock %.2f x, processor %.2f x\n",
                wallOf[1].median / wallOf[0].median, processorOf[1].median / processorOf[0].median);
    for (std::size_t m = 0; m < 2; ++m)
        std::printf("%s: target 16 ms median, 33 ms worst: wall-clock median %.3f ms, worst %.3f ms; processor "
                    "median %.3f ms, worst %.3f ms\n",
                    m == 0 ? "classic law" : "road model", wallOf[m].median, wallOf[m].worst, processorOf[m].median,
                    processorOf[m].worst);
    return 0;
}
