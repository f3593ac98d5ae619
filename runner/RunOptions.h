// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's command line.
//
// In: the arguments after the program's name. Out: what to read, what to
// change in every car, what to sweep and how to write the results, or the
// text of a usage error. Nothing is read or run here.
#pragma once

#include "core/Air.h"
#include "core/CarInputs.h"
#include "core/RoadKeys.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

enum class OutputFormat { Table, Json, Csv };

// --model: the classic law (the classic program's), or the road model
// (engine/RoadModel.h), which also reads each car's road keys.
enum class CarModel { Classic, Road };
// "classic", "road".
QString ModelName(CarModel model);

// --set NAME=VALUE: the field's text becomes VALUE, as if typed into its box.
struct TextChange {
    InputField field;
    QString text;
};

// --sweep NAME=FROM:TO:STEP: the values FROM + k * STEP for k = 0, 1, ...
// while the value stays at most TO + STEP * 1e-9 (so that a TO that the
// steps reach only up to rounding is kept). Each value is computed from k,
// never by adding steps up. NAME is one of the nine inputs, or with
// --model road a road key that is a number (`roadKey`, then `field` is not
// used).
struct Sweep {
    InputField field = InputField::Horsepower;
    std::optional<RoadKey> roadKey;
    double from = 0;
    double to = 0;
    double step = 0;
    long long count = 0; // how many values it takes

    double Value(long long k) const { return from + static_cast<double>(k) * step; }
    // The NAME: the input's or the road key's.
    QString Name() const;
};

// The most inputs swept at once: two make a grid.
inline constexpr int MaxSweeps = 2;

// The most runs one command may ask for: files times the sweeps' values.
// The output streams, so memory does not grow with the runs; the bound only
// keeps every count exact (below 2^53) and is far beyond any run's patience.
inline constexpr long long MaxRuns = 1000000000000000; // 10^15

// The most threads --jobs may ask for.
inline constexpr int MaxJobs = 256;

struct RunOptions {
    OutputFormat format = OutputFormat::Table;
    CarModel model = CarModel::Classic;
    bool modelGiven = false;         // --model was given: JSON and CSV name the model
    std::vector<TextChange> changes; // in the order given
    QStringList roadChanges;         // --set KEY=VALUE of the road keys, in the order given
    std::vector<Sweep> sweeps;       // in the order given: the first varies slowest
    int jobs = 1;                    // threads that run the cars
    AirConditions air;               // the day's air: the model's standard day unless given
    // How the pressure was given: --pressure (a station pressure), or
    // --altimeter (then `air.pressure` is the station pressure it stands
    // for at the elevation), and --elevation with either.
    bool pressureGiven = false;
    std::optional<double> altimeterSetting; // inHg
    std::optional<double> elevation;        // ft
    bool splits = false;             // the table shows the time slip's splits
    QString slips;                   // --slips: a CSV file of time slips to fit every car to
    QStringList files;               // as given; "-" is standard input
    bool help = false;
    bool version = false;

    // The runs of each car read: the product of the sweeps' counts.
    long long RunsPerCar() const;
    // The warning for a pressure given that looks like the other kind
    // (PressureKindWarning): an altimeter setting, or a station pressure
    // given with the elevation; empty otherwise or when it looks right.
    QString PressureWarning() const;
};

struct ParsedOptions {
    RunOptions options;
    QString error; // a usage error; empty when the command line is sound
};

// Reads the command line with QCommandLineParser: options may stand
// anywhere, long ones as "--set X" or "--set=X", the short -h and -v may be
// grouped, "-" is a FILE, and "--" ends the options, so that later
// arguments are files even when they begin with "-". An unknown option or a
// missing value is an error wherever it stands; then the options are taken
// in the order given up to the first error, and --help or --version ends
// the reading where it stands.
ParsedOptions ParseOptions(const QStringList& arguments);

// How many values the sweep takes (see Sweep), or limit + 1 when it would
// take more than `limit`.
long long SweepCount(const Sweep& sweep, long long limit);

// The NAMEs of the inputs in file order: "horsepower, dragCoefficient, ...".
QString InputNames();
// The road keys in file order: "engine, drivetrain, ...".
QString RoadKeyNames();
// "Usage: torvane-run [--json | --csv] ..." on five lines, without a line
// end after the last.
QString UsageLine();
// The whole text of --help.
QString HelpText();
