// The runner's command line.
//
// In: the arguments after the program's name. Out: what to read, what to
// change in every car, what to sweep and how to write the results, or the
// text of a usage error. Nothing is read or run here.
#pragma once

#include "core/CarInputs.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

enum class OutputFormat { Table, Json, Csv };

// --set NAME=VALUE: the field's text becomes VALUE, as if typed into its box.
struct TextChange {
    InputField field;
    QString text;
};

// --sweep NAME=FROM:TO:STEP.
struct Sweep {
    InputField field;
    double from = 0;
    double to = 0;
    double step = 0;
};

// The most inputs swept at once.
inline constexpr int MaxSweeps = 1;

// The most runs one command may ask for: files times swept values.
inline constexpr long MaxRuns = 1000000;

struct RunOptions {
    OutputFormat format = OutputFormat::Table;
    std::vector<TextChange> changes; // in the order given
    std::optional<Sweep> sweep;
    std::vector<double> sweepValues; // the values the sweep takes, in order
    QStringList files;               // as given; "-" is standard input
    bool help = false;
    bool version = false;
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

// The values FROM + k * STEP for k = 0, 1, ... while the value stays at most
// TO + STEP * 1e-9 (so that a TO that the steps reach only up to rounding
// is kept). Each value is computed from k, never by adding steps up. Empty
// when there would be more than `limit`.
std::vector<double> SweepValues(const Sweep& sweep, long limit);

// The NAMEs of the inputs in file order: "horsepower, dragCoefficient, ...".
QString InputNames();
// "Usage: torvane-run [--json | --csv] ..." without a line end.
QString UsageLine();
// The whole text of --help.
QString HelpText();
