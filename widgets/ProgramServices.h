// SPDX-License-Identifier: GPL-3.0-or-later
// The program as its windows see it. Each window is handed this in its
// constructor; through it a window reaches the state the windows share, the
// alert, the result buttons, the current inputs and the dialogs created
// after it, without knowing the windows above its own layer. The program
// object (shell/Program) fills in each service as it creates the window
// that gives it.
#pragma once

#include "core/CarInputs.h"
#include "core/CarRun.h"
#include "core/ProgramState.h"

#include <QString>

#include <array>
#include <functional>

class QDialog;
class QWidget;

// The dialogs a window opens that the program creates after it.
enum class ProgramDialog { InputHelp, ConditionsHelp, AreaCalculator };

class ProgramServices {
public:
    ProgramState& State() { return state; }
    // The window every dialog is centred on.
    QWidget* MainWindow() const { return mainWindow; }
    QDialog* Dialog(ProgramDialog which) const { return dialogs[static_cast<int>(which)]; }

    // The alert protocol: one message, shown modally until the user closes it.
    void ShowAlert(const QString& message) { showAlert(message); }
    // Enables or disables the control dialog's Save file, Print results and
    // View results buttons, in that order: they mean that valid results exist.
    void SetResultButtonsEnabled(bool enabled) { setResultButtonsEnabled(enabled); }
    void DisableResultButtons() { setResultButtonsEnabled(false); }
    // Empties the input dialog's gauge.
    void ResetInputGauge() { resetInputGauge(); }
    // The nine texts of the input dialog's boxes, where the current inputs live.
    CarTexts CurrentInputs() const { return currentInputs(); }
    // A successful run of the input dialog: the program keeps it and writes
    // its results into the results dialog.
    void FillResultsDialog(const CarInputs& car, const CarRun& run) { fillResultsDialog(car, run); }

protected:
    ProgramServices() = default;
    ~ProgramServices() = default;

    ProgramState state;
    QWidget* mainWindow = nullptr;
    std::array<QDialog*, 3> dialogs{};
    std::function<void(const QString&)> showAlert;
    std::function<void(bool)> setResultButtonsEnabled;
    std::function<void()> resetInputGauge;
    std::function<CarTexts()> currentInputs;
    std::function<void(const CarInputs&, const CarRun&)> fillResultsDialog;
};
