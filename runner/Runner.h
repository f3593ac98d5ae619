// SPDX-License-Identifier: GPL-3.0-or-later
// torvane-run as a routine: a command line in, the results and messages out,
// and the exit status. main() hands it the process's streams; the tests hand
// it buffers.
#pragma once

#include "runner/CarBatch.h"
#include "runner/OutputSink.h"

#include <QIODevice>
#include <QStringList>

// The exit statuses.
enum RunStatus : int {
    EveryCarRan = 0,
    SomeCarFailed = 1, // a file that could not be read, a car that failed a check or could
                       // not be fitted, a slips file that could not be read or a refused row
    UsageError = 2,
    OutputFailed = 3, // the output could not be written: a full disk, a reader that left
};

struct RunnerStreams {
    StandardInputReader readStandardInput; // for each FILE "-"
    OutputSink* out = nullptr;             // the results, --help and --version
    QIODevice* err = nullptr;              // the messages
};

// Runs the command (its arguments without the program's name, each as
// ArgumentText gives it) and returns its exit status. Every car that fails
// is reported on `err` as well as in the results, which still hold every
// other car. The first write that fails ends the command: with a message,
// or quietly when the reader has left.
int RunCommand(const QStringList& arguments, const RunnerStreams& streams);
