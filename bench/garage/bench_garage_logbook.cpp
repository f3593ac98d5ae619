// SPDX-License-Identifier: GPL-3.0-or-later
// How the garage copes with a big logbook: for logbooks of 1,000, 10,000
// and 100,000 runs of the default car (each on a day's air of its own, the
// costliest case for the fit), the Logbook tab shown from the Compare tab
// until its runs, slips and charts are in place, then Calibrate until the
// fit, its validation and the report card are shown. Meanwhile a timer
// beats every 5 ms on the window's thread; the longest time between two
// beats is the longest the window froze. Also the memory the process holds
// with the window shown on the Compare tab, and then with the logbook
// shown and calibrated.
//
// Then the edits of the runs, each from the click to the table and the
// page in step: a run added, taken back and made again; 1,000 neighbouring
// runs and 100 scattered ones deleted, and taken back; 100 runs imported;
// and the logbook opened again through File ▸ Open Logbook.
//
// Usage: bench_garage_logbook [RUNS...]   (default 1000 10000 100000)
// Targets at 100,000 runs: the tab shown in under 1 s, the window never
// frozen for more than 100 ms; 10,000 runs calibrated in under 5 s.
#include "BenchClock.h"
#include "MadeUpRuns.h"
#include "garage/CarList.h"
#include "garage/GarageProgram.h"
#include "garage/GarageSettings.h"
#include "garage/GarageWindow.h"
#include "garage/LogbookPage.h"
#include "logbook/Logbook.h"
#include "logbook/SlipTableModel.h"
#include "logbook/SlipsCsv.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QTableView>
#include <QUndoStack>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <unistd.h>

namespace {

// The memory the process holds now (its resident set), in MiB.
double residentMiB()
{
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Processor time of every thread of the process, in ms.
double processMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double elapsedMs(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// A logbook of `count` runs of the default car, made up by the model on
// days' air drawn within the checks' ranges, one run a day.
bool writeLogbook(const QString& path, int count)
{
    Logbook book;
    if (!book.Open(path).isEmpty())
        return false;
    LoggedCar car;
    car.name = QStringLiteral("Default car");
    car.inputs = CarTexts::DefaultCar();
    if (!book.AddCar(car).isEmpty())
        return false;
    CarInputs truth = CarInputs::DefaultCar();
    truth.horsepower *= 0.93;
    truth.spinTime = 0.7;
    QList<TimeSlip> runs = MadeUpRunsOnRandomDays(truth, count);
    return book.AddSlips(car.id, runs).isEmpty();
}

// The longest time between two beats of a 5-ms timer on the window's
// thread while it runs, on the wall clock and in the thread's processor
// time (what the window did between the beats, which other programs on a
// busy machine do not inflate).
class Heartbeat
{
public:
    Heartbeat()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { beat(); });
    }
    void Start()
    {
        longest = longestProcessor = 0;
        sinceBeat.start();
        processorAtBeat = ThreadMs();
        timer.start();
    }
    void Stop()
    {
        beat();
        timer.stop();
    }
    double Longest() const { return longest; }
    double LongestProcessor() const { return longestProcessor; }

private:
    void beat()
    {
        longest = std::max(longest, elapsedMs(sinceBeat));
        const double processor = ThreadMs();
        longestProcessor = std::max(longestProcessor, processor - processorAtBeat);
        sinceBeat.restart();
        processorAtBeat = processor;
    }

    QTimer timer;
    QElapsedTimer sinceBeat;
    double processorAtBeat = 0;
    double longest = 0;
    double longestProcessor = 0;
};

// Runs the event loop until `done` holds (looked at every 2 ms), or five
// minutes pass.
void runUntil(const std::function<bool()>& done)
{
    QEventLoop loop;
    QElapsedTimer timer;
    timer.start();
    QTimer look;
    look.setInterval(2);
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || timer.elapsed() > 300000)
            loop.quit();
    });
    look.start();
    if (!done())
        loop.exec();
}

// What one step cost: its time on the wall clock, the longest the window
// froze (on the wall clock and in the window thread's processor time), and
// the processor time of the window thread and of all threads.
struct Step {
    double ms = 0;
    double freezeMs = 0;
    double freezeProcessorMs = 0;
    double windowMs = 0;
    double processMs = 0;
};

// Starts a step and runs the event loop until it is done.
Step measure(const std::function<void()>& start, const std::function<bool()>& done)
{
    Heartbeat heartbeat;
    QElapsedTimer timer;
    heartbeat.Start();
    timer.start();
    const double windowThread = ThreadMs();
    const double process = processMs();
    start();
    runUntil(done);
    QApplication::processEvents();
    heartbeat.Stop();
    return { elapsedMs(timer), heartbeat.Longest(), heartbeat.LongestProcessor(), ThreadMs() - windowThread,
             processMs() - process };
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QList<int> counts;
    for (int i = 1; i < argc; ++i)
        counts << std::max(1, std::atoi(argv[i]));
    if (counts.isEmpty())
        counts = { 1000, 10000, 100000 };

    std::printf("The longest freeze on the wall clock, and (in brackets) the window thread's processor time in it.\n");
    std::printf("logbook runs | tab shown  longest freeze    | calibrated   longest freeze   | memory\n");
    for (int count : counts) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("logbook.sqlite"));
        if (!writeLogbook(path, count)) {
            std::printf("could not write a logbook of %d runs\n", count);
            return 1;
        }
        GarageProgram program(dir.filePath(QStringLiteral("garage.ini")));
        program.Settings().SetLogbookPath(path);
        program.Start({});
        GarageWindow& window = program.Window();
        window.resize(1366, 768);
        window.show();
        runUntil([&window] { return window.windowHandle() && window.windowHandle()->isExposed(); });
        QApplication::processEvents();
        const double memoryBefore = residentMiB();

        // The Logbook tab, from the click to its runs and charts drawn;
        // then Calibrate, to the fit shown.
        LogbookPage* page = nullptr;
        const Step shown = measure(
            [&] {
                window.Tabs()->setCurrentIndex(3);
                page = window.LogbookView();
            },
            [&] { return page->Runs()->rowCount() == count; });
        const Step calibrated = measure([page] { page->Calibrate(); }, [page] { return !page->Calibrating(); });
        const bool fitted = page->CurrentCalibration() && page->CurrentCalibration()->fit.Fitted();

        std::printf("%12d | %7.0f ms  %6.0f ms (%3.0f) | %8.0f ms  %6.0f ms (%3.0f) | %4.0f → %4.0f MiB%s\n",
                    count, shown.ms, shown.freezeMs, shown.freezeProcessorMs, calibrated.ms, calibrated.freezeMs,
                    calibrated.freezeProcessorMs, memoryBefore, residentMiB(), fitted ? "" : "  (no fit!)");
        std::printf("             | processor: window %5.0f ms, all %5.0f ms | window %5.0f ms, all %6.0f ms |\n",
                    shown.windowMs, shown.processMs, calibrated.windowMs, calibrated.processMs);

        // The edits, with no fit wanted (each would start a calibration).
        page->CancelCalibration();
        const QString importPath = dir.filePath(QStringLiteral("import.csv"));
        CarInputs truth = CarInputs::DefaultCar();
        truth.spinTime = 0.7;
        SaveSlipsCsv(importPath, MadeUpRunsOnRandomDays(truth, 100));
        QUndoStack* undo = page->UndoStack();
        auto select = [page](const QList<int>& rows) {
            QItemSelection selection;
            for (int row : rows)
                selection.select(page->Runs()->index(row, 0), page->Runs()->index(row, 0));
            page->RunsView()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect
                                                                      | QItemSelectionModel::Rows);
        };
        QList<int> neighbours;
        QList<int> scattered;
        for (int i = 0; i < std::min(1000, count / 2); ++i)
            neighbours << count / 4 + i;
        for (int i = 0; i < 100; ++i)
            scattered << static_cast<int>(static_cast<qint64>(count) * i / 100);
        const TimeSlip typed = page->Runs()->RunAt(count / 2);
        struct Edit {
            const char* name;
            std::function<void()> make;
            int rowsAfter;
        };
        const int neighbourCount = static_cast<int>(neighbours.size());
        const QList<Edit> edits = {
            { "add a run", [&] { page->AddSlip(typed); }, count + 1 },
            { "undo it", [&] { undo->undo(); }, count },
            { "redo it", [&] { undo->redo(); }, count + 1 },
            { "delete 1,000 neighbours", [&] { select(neighbours); page->DeleteSelectedRuns(); },
              count + 1 - neighbourCount },
            { "undo it", [&] { undo->undo(); }, count + 1 },
            { "delete 100 scattered", [&] { select(scattered); page->DeleteSelectedRuns(); }, count + 1 - 100 },
            { "undo it", [&] { undo->undo(); }, count + 1 },
            { "import 100 runs", [&] { page->ImportRuns(importPath); }, count + 101 },
            { "open the logbook", [&] { window.OpenLogbook(path); }, count + 101 },
        };
        for (const Edit& edit : edits) {
            const Step step = measure(edit.make, [&] { return page->Runs()->rowCount() == edit.rowsAfter; });
            std::printf("             | %-24s %7.0f ms, longest freeze %6.0f ms (%3.0f)\n", edit.name, step.ms,
                        step.freezeMs, step.freezeProcessorMs);
        }
    }
    std::printf("targets at 100,000 runs: tab shown in under 1000 ms, no freeze over 100 ms; "
                "10,000 runs calibrated in under 5000 ms\n");
    return 0;
}
