// SPDX-License-Identifier: GPL-3.0-or-later
// The cars of one command: each FILE read as the program's Open file reads
// it, changed by the --set options and the swept values, then converted,
// checked and run exactly as the input dialog's OK does; or, with --model
// road, its road keys read too and the car checked and run on the road
// model (core/RoadKeys, core/RoadRun).
//
// In: the options, a way to read standard input, and how rows are written
// (RowFormat) or kept. Out: the rows in input order, in pieces: a FILE's
// runs are cut into pieces of PieceRows, run on --jobs threads and handed
// over in order, so the output is the same for any number of jobs.
#pragma once

#include "core/CarInputs.h"
#include "core/CarRun.h"
#include "core/DayRun.h"
#include "core/RoadKeys.h"
#include "logbook/TimeSlip.h"
#include "runner/RowText.h"
#include "runner/RunOptions.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

// The bytes standard input holds for one car, or why it could not be read.
struct InputBytes {
    QByteArray bytes;
    QString error;
};
// Reads standard input for one car; with `roadKeys` to its end, for the
// road keys after the nine values (runner/StandardInput.h).
using StandardInputReader = std::function<InputBytes(bool roadKeys)>;

// A car's nine texts as read from a FILE, and its road keys when asked
// for, or the message that refused it.
struct CarSource {
    CarTexts texts;
    RoadKeys keys;
    QString error;
};

// One FILE argument in each form the output needs (runner/FileNames.h).
struct BatchFile {
    QString name;         // as given, losslessly
    QString outputName;   // for JSON, CSV and the messages
    QString terminalName; // for the table and standard error
    std::string outputUtf8; // outputName as UTF-8
    std::string csvCell;    // outputName as a CSV text cell
    std::string jsonText;   // outputName as a JSON string

    static BatchFile Of(const QString& name);
};

// One row of the output: one run of a car, or a FILE that could not be read.
struct RunRow {
    const BatchFile* file = nullptr;
    QString refusal;  // why the FILE could not be read; nothing below is set then
    std::array<double, MaxSweeps> swept{}; // the swept values, in the order of the sweeps
    CarInputs inputs; // the converted inputs
    // The check that refused the car, as CheckMessages() counts them: a
    // range test (RangeTests()), or on the road model a RoadProblem
    // (RoadCheckIndex); -1 when it ran.
    int failedCheck = -1;
    CarRun run;       // the run, when the car passed every check
    FullRoadCar roadCar; // on the road model, the car as it ran, its typical values included
    double horsepower = 0; // the horsepower the car ran with: on the day
    SplitTimes splits;     // the time slip's splits, when the writer needs them
    // With --slips: the car's fit as a JSON object (made once per FILE);
    // nullptr when the car was not fitted.
    const std::string* calibration = nullptr;

    bool Ran() const { return refusal.isEmpty() && failedCheck < 0; }
    bool Read() const { return refusal.isEmpty(); }
};

class RowFormat;

// The rows of one piece, in order: formatted, or kept for a writer that
// formats them itself, and the lines for standard error of those that did
// not run.
struct alignas(64) RowPiece { // alone on its cache lines: each thread fills its own
    std::vector<RunRow> rows;
    RowText formatted;
    std::string messages;
    bool allRan = true;
};

// The runs of a FILE are cut into pieces of this many rows; fewer when its
// rows carry a calibration, about PieceBytes of it to a piece.
inline constexpr long long PieceRows = 512;
inline constexpr std::size_t PieceBytes = 512 * 1024;

// A FILE as the Open file takes it: the extension rule, then the file's
// words, opened by the very bytes of its name. "-" skips the extension
// rule and reads standard input. On the road model the lines after the
// nine values are read as road keys too; a bad line refuses the file with
// the core's message naming it.
CarSource ReadCar(const BatchFile& file, const StandardInputReader& readStandardInput,
                  CarModel model = CarModel::Classic);

// The messages of the checks that refuse a car, by RunRow::failedCheck: the
// classic range tests, or the road model's problems (RoadCheckIndex).
std::vector<QString> CheckMessages(CarModel model);
// Where a road problem's message is among CheckMessages(CarModel::Road).
int RoadCheckIndex(const RoadProblem& problem);

// A swept value put into the inputs as its box's conversion takes the
// value's shortest text: a decimal as the very double, a count as the
// whole number the text begins with ("2.9" is 2, "1e+21" is 1).
void SetSweptValue(CarInputs& inputs, InputField field, double value);

// The texts converted, checked against the nine ranges and, when they pass,
// run with the input dialog's set-up on the standard day, with the splits.
RunRow RunTexts(const BatchFile& file, const CarTexts& texts);

// --slips: the time slips every car is fitted to, and whether the rows
// carry the fit's validation (JSON holds it; CSV and the table show the
// fitted car only, so they need the fit alone).
struct SlipsToFit {
    QList<TimeSlip> runs;
    bool validation = false;
};

// With `slips`, every car read is first fitted to them
// (logbook/Calibration.h): its horsepower and spin time become the fitted
// ones (on the road model its horsepower, its torque key and its grip, with
// its road keys after --set), the other inputs and any --sweep apply as
// before, and each row
// carries the fit. Cars that are the same after --set are fitted once. The
// classic range checks look at the car as typed (and at swept values): a
// fitted value outside them still runs. A car that cannot be fitted runs as
// typed, with the reason on standard error.
// Every row of the options, in order: a file that cannot be read gives one
// row with its message; a car that was read gives one row per swept value
// or grid point (one when nothing is swept), run in the day's air with the
// splits when `splits` is set. Rows are formatted by `format`, or kept when
// it is nullptr. Each piece goes to `take` in order on the
// calling thread; it returns false to stop. Returns false when stopped;
// `allRan` says whether every car ran.
bool RunBatch(const RunOptions& options, const StandardInputReader& readStandardInput,
              const RowFormat* format, bool splits,
              const std::function<bool(const RowPiece&)>& take, bool& allRan,
              const SlipsToFit* slips = nullptr);
