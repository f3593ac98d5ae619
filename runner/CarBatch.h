// The cars of one command: each FILE read as the program's Open file reads
// it, changed by the --set options and the swept value, then converted,
// checked and run exactly as the input dialog's OK does.
//
// In: the options and a way to read standard input. Out: one CarOutcome per
// run, handed over in input order as soon as it is made.
#pragma once

#include "core/CarInputs.h"
#include "core/CarRun.h"
#include "runner/RunOptions.h"

#include <QByteArray>
#include <QString>

#include <functional>

// The bytes standard input holds for one car, or why it could not be read.
struct InputBytes {
    QByteArray bytes;
    QString error;
};
using StandardInputReader = std::function<InputBytes()>;

// A car's nine texts as read from a FILE, or the message that refused it.
struct CarSource {
    CarTexts texts;
    QString error;
};

// The outcome of one run of one car.
struct CarOutcome {
    QString file;      // the FILE argument as given
    CarInputs inputs;  // the converted inputs, once the file was read
    CarRun run;        // the run, when there is no error
    QString error;     // why the car was not run; empty when it ran

    bool Ran() const { return error.isEmpty(); }
};

// A FILE as the Open file takes it: the extension rule, then the file's
// words. "-" skips the extension rule and reads standard input.
CarSource ReadCar(const QString& file, const StandardInputReader& readStandardInput);

// The texts converted, checked against the nine ranges and, when they pass,
// run with the input dialog's set-up.
CarOutcome RunTexts(const QString& file, const CarTexts& texts);

// Every car of the options, in order: a file that cannot be read gives one
// outcome with its message; a car that was read gives one outcome per swept
// value (one when nothing is swept). Returns true when every car ran.
bool RunBatch(const RunOptions& options, const StandardInputReader& readStandardInput,
              const std::function<void(const CarOutcome&)>& take);
