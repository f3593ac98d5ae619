// SPDX-License-Identifier: GPL-3.0-or-later
// The three ways the runner writes its rows: an aligned table for people,
// JSON and CSV for other programs.
//
// In: the rows of a command, in order. Out: UTF-8 bytes on an OutputSink.
// JSON and CSV write each row by itself (RowFormat) into a text that grows
// (RowText), numbers with std::to_chars (core/NumberText), never depending
// on the locale, so rows can be formatted on any thread and written in
// order. The table shows the results
// dialog's texts, every number with the separators of the user's numeric
// locale; it sizes its columns from the first TableWindow rows, then
// streams the rest.
#pragma once

#include "runner/CarBatch.h"
#include "runner/OutputSink.h"
#include "runner/RowText.h"
#include "runner/RunOptions.h"

#include <memory>
#include <vector>
#include <string>
#include <string_view>

// The rows the table holds back to size its columns.
inline constexpr int TableWindow = 1000;

// How JSON or CSV writes a row: by itself, on any thread.
class RowFormat {
public:
    virtual ~RowFormat() = default;
    // Appends the row's bytes to `out`. Every row but the first of the
    // output starts with Separator(); Row writes it for every row.
    virtual void Row(const RunRow& row, RowText& out) const = 0;
    virtual std::string_view Separator() const { return {}; }
};

class RunWriter {
public:
    virtual ~RunWriter() = default;
    // How rows may be formatted apart from the writer; nullptr when the
    // writer must see them itself, in order (the table).
    virtual const RowFormat* Format() const { return nullptr; }
    virtual void Begin(OutputSink& out) = 0;
    // One row, in order.
    virtual void Take(const RunRow& row, OutputSink& out) = 0;
    // Rows formatted one after another by Format()->Row, in order.
    virtual void TakeFormatted(std::string_view rows, OutputSink& out);
    virtual void End(OutputSink& out) = 0;
};

// What the writers need to know of the command besides the rows.
struct WriterSettings {
    OutputFormat format = OutputFormat::Table;
    QStringList swept;             // the swept NAMEs, in the order of the sweeps
    AirFigures air = FiguresFor(AirConditions()); // the day's air
    bool splits = false;           // the table shows the splits
    CarModel model = CarModel::Classic;
    bool modelGiven = false;       // JSON and CSV name the model
    // The pressure as given besides the station pressure it stands for:
    // JSON and CSV hold them when given.
    std::optional<double> altimeterSetting;
    std::optional<double> elevation;
};

std::unique_ptr<RunWriter> MakeRunWriter(const WriterSettings& settings);

// A JSON string: quotes and backslashes escaped, control characters as
// \u00XX, everything else as UTF-8.
void AppendJsonString(std::string& out, std::string_view utf8);

struct Calibration;
// A car's fit (--slips) as the JSON object "calibration": the fitted
// horsepower and spin time, whether they lie in the classic ranges (on the
// road model "model": "road", the fitted rated horsepower, the power at the
// wheels and the launch grip's factor, and whether they lie in the road
// model's ranges), the
// notes on the bounds, each run's quarter-mile time and speed as given and
// as the fitted car runs them that day, and with three runs or more the
// validation's error (leave-one-out, or by folds above LeaveOneOutBound
// runs).
std::string CalibrationJson(const Calibration& calibration);
