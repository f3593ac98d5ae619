// SPDX-License-Identifier: GPL-3.0-or-later
// torvane-run --slips on a large file of time slips: the sports car made
// up on many days of random air (tests/logbook/MadeUpRuns.h), written as a
// slips CSV, then the built program run on it once for each output format,
// its wall time and peak memory read from the finished child.
//
// Usage: bench_runner_slips [rows [format...]]   (default: 100000 read csv table json)
// "read" gives the program a car file that does not exist: the slips are
// read and nothing is fitted.
#include "MadeUpRuns.h"
#include "logbook/SlipsCsv.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Finished {
    int status = -1;
    double seconds = 0;
    double processorSeconds = 0;
    double peakMiB = 0;
};

// The program run with `arguments`, its output and messages thrown away.
Finished runProgram(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv{ const_cast<char*>(TORVANE_RUN_PATH) };
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Finished finished;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, TORVANE_RUN_PATH, &actions, nullptr, argv.data(), environ) != 0)
        qFatal("could not start torvane-run");
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    finished.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    finished.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    finished.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024;
    for (const timeval& time : { usage.ru_utime, usage.ru_stime })
        finished.processorSeconds += static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    posix_spawn_file_actions_destroy(&actions);
    return finished;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int rows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    std::vector<std::string> formats;
    for (int i = 2; i < argc; ++i)
        formats.emplace_back(argv[i]);
    if (formats.empty())
        formats = { "read", "csv", "table", "json" };

    QTemporaryDir dir;
    const QString slips = dir.filePath(QStringLiteral("slips.csv"));
    QFile file(slips);
    // The default car (the sports car's inputs) with less power and a slower
    // launch than typed.
    CarInputs car = CarInputs::DefaultCar();
    car.horsepower *= 0.93;
    car.spinTime = 0.7;
    if (!file.open(QIODevice::WriteOnly) || file.write(SlipsCsv(MadeUpRunsOnRandomDays(car, rows))) < 0)
        qFatal("could not write the slips");
    file.close();

    std::printf("torvane-run --slips, %d time slips (%.1f MiB), the sports car\n", rows,
                static_cast<double>(file.size()) / (1024 * 1024));
    for (const std::string& format : formats) {
        std::vector<std::string> arguments{ "--slips", slips.toStdString(),
                                            format == "read" ? "no-such-car.trv"
                                                             : TORVANE_EXAMPLES_DIR "/sports-car.trv" };
        if (format != "table" && format != "read")
            arguments.insert(arguments.begin(), "--" + format);
        const Finished finished = runProgram(arguments);
        std::printf("  %-6s %8.2f s (%.2f s of processor time)  peak %6.1f MiB  status %d%s\n",
                    format.c_str(), finished.seconds, finished.processorSeconds, finished.peakMiB,
                    finished.status, format == "read" ? "" : "  (target < 10 s)");
    }
    return 0;
}
