// The three ways the runner writes its outcomes: an aligned table for
// people, JSON and CSV for other programs.
//
// In: the outcomes of a command, one at a time, in order. Out: UTF-8 bytes
// on a device. JSON and CSV write each outcome as it comes and never depend
// on the locale; the table waits for the last row to align its columns and
// shows the results dialog's texts in the user's locale.
#pragma once

#include "runner/CarBatch.h"
#include "runner/RunOptions.h"

#include <QIODevice>

#include <memory>
#include <optional>

class RunWriter {
public:
    virtual ~RunWriter() = default;
    virtual void Begin() {}
    virtual void Write(const CarOutcome& outcome) = 0;
    virtual void End() {}
};

// `swept`, in a sweep, is the input that changes from row to row: the table
// shows it after the file, since the file alone no longer tells the rows
// apart (JSON and CSV carry every input anyway).
std::unique_ptr<RunWriter> MakeRunWriter(OutputFormat format, QIODevice& out,
                                         std::optional<InputField> swept = std::nullopt);
