// SPDX-License-Identifier: GPL-3.0-or-later
// The program object of a window test: each test function starts a fresh
// one (StartProgram) and ends it (EndProgram); the accessors reach its
// windows by their names, as the program's own code does.
#pragma once

#include "inputs/AreaCalculator.h"
#include "inputs/ConditionsHelp.h"
#include "inputs/InputDialog.h"
#include "inputs/InputHelp.h"
#include "results/PrintDialog.h"
#include "results/ResultsDialog.h"
#include "shell/AboutDialog.h"
#include "shell/ControlDialog.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "widgets/Alert.h"

#include <memory>

inline std::unique_ptr<TorvaneProgram>& TheProgram()
{
    static std::unique_ptr<TorvaneProgram> program;
    return program;
}

inline TorvaneProgram& StartProgram()
{
    TheProgram() = std::make_unique<TorvaneProgram>();
    return *TheProgram();
}

inline void EndProgram()
{
    TheProgram().reset();
}

inline TMainForm* MainForm() { return TheProgram()->MainForm(); }
inline TAboutDlg* AboutDlg() { return TheProgram()->AboutDlg(); }
inline TCondHelpDlg* CondHelpDlg() { return TheProgram()->CondHelpDlg(); }
inline TControlDlg* ControlDlg() { return TheProgram()->ControlDlg(); }
inline TInputDlg* InputDlg() { return TheProgram()->InputDlg(); }
inline TInputHelpDlg* InputHelpDlg() { return TheProgram()->InputHelpDlg(); }
inline TOutputDlg* OutputDlg() { return TheProgram()->OutputDlg(); }
inline TPrintTitleDlg* PrintTitleDlg() { return TheProgram()->PrintTitleDlg(); }
inline TCalculatorDlg* CalculatorDlg() { return TheProgram()->CalculatorDlg(); }
inline TAlertDlg* AlertDlg() { return TheProgram()->AlertDlg(); }
inline ProgramState& State() { return TheProgram()->State(); }
