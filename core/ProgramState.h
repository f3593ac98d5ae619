// SPDX-License-Identifier: GPL-3.0-or-later
// What the classic program remembers between its actions, apart from the
// texts in its windows. The program object owns one; each window is handed
// the part it needs.
#pragma once

#include "core/CarInputs.h"
#include "core/CarRun.h"

#include <QString>

#include <array>
#include <optional>

struct ProgramState {
    // The nine input texts of the last save point (a successful run, the
    // View menu's command, a file opened), which Restore Inputs brings back;
    // empty at start.
    CarTexts previousInputs;
    // The report title of the last save point (a print, the View menu's
    // command, a file opened), which the print dialog's Cancel brings back;
    // empty at start.
    QString previousPrintTitle;
    // The file the save dialog proposes: the last one opened or saved.
    QString dataFileName;
    // The lines after the nine values of the file last opened (a newer
    // program's road keys and the garage's car identity, as read) and that
    // file: a save back to it keeps them.
    QString dataFileLines;
    QString dataFileLinesPath;
    // The grill and windshield areas of the calculator's last Calculate,
    // kept for Transfer.
    std::array<QString, 2> areaTexts;
    // The last successful run of the input dialog: its inputs and outcome.
    std::optional<CarInputs> lastInputs;
    std::optional<CarRun> lastRun;
};
