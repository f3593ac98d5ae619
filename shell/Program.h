// SPDX-License-Identifier: GPL-3.0-or-later
// The program object: it creates the classic program's ten windows once,
// in a fixed order, owns them and the state they share, and gives each
// window what it needs. Every window lives as long as the program object
// and keeps its contents while hidden; a test makes a fresh program object
// for each test.
//
// Who opens whom: the main window opens the control dialog and the about
// dialog; the control dialog opens the input, results and print dialogs and
// starts the data-file operations; the input dialog opens the two help
// dialogs and the area calculator.
#pragma once

#include "widgets/ProgramServices.h"

#include <QList>

#include <functional>
#include <memory>

class QWidget;
class TAboutDlg;
class TAlertDlg;
class TCalculatorDlg;
class TCondHelpDlg;
class TControlDlg;
class THintWatcher;
class TInputDlg;
class TInputHelpDlg;
class TMainForm;
class TOutputDlg;
class TPrintTitleDlg;

class TorvaneProgram final : public ProgramServices
{
public:
    // Called with each window as soon as it is made, the main window first.
    using WindowMade = std::function<void(QWidget* window)>;

    // Creates the windows in their fixed order: MainForm, AboutDlg,
    // CondHelpDlg, ControlDlg, InputDlg, InputHelpDlg, OutputDlg,
    // PrintTitleDlg, CalculatorDlg, AlertDlg. All start hidden. Each is
    // handed to windowMade, with its palette and icon, before the next is
    // made: the program's start shows the main window there, so that it is
    // drawn while the hidden nine are made.
    explicit TorvaneProgram(const WindowMade& windowMade = {});
    // Destroys them in the reverse order.
    ~TorvaneProgram();

    TorvaneProgram(const TorvaneProgram&) = delete;
    TorvaneProgram& operator=(const TorvaneProgram&) = delete;

    TMainForm* MainForm() const { return mainForm.get(); }
    TAboutDlg* AboutDlg() const { return aboutDlg.get(); }
    TCondHelpDlg* CondHelpDlg() const { return condHelpDlg.get(); }
    TControlDlg* ControlDlg() const { return controlDlg.get(); }
    TInputDlg* InputDlg() const { return inputDlg.get(); }
    TInputHelpDlg* InputHelpDlg() const { return inputHelpDlg.get(); }
    TOutputDlg* OutputDlg() const { return outputDlg.get(); }
    TPrintTitleDlg* PrintTitleDlg() const { return printTitleDlg.get(); }
    TCalculatorDlg* CalculatorDlg() const { return calculatorDlg.get(); }
    TAlertDlg* AlertDlg() const { return alertDlg.get(); }
    // The windows in the order of their creation.
    QList<QWidget*> Windows() const;
    // The application's current hint, which the main window's status bar shows.
    THintWatcher* Hints() const { return hints.get(); }

private:
    std::unique_ptr<THintWatcher> hints;
    // Destroyed in the reverse order of declaration: the reverse order of
    // creation.
    std::unique_ptr<TMainForm> mainForm;
    std::unique_ptr<TAboutDlg> aboutDlg;
    std::unique_ptr<TCondHelpDlg> condHelpDlg;
    std::unique_ptr<TControlDlg> controlDlg;
    std::unique_ptr<TInputDlg> inputDlg;
    std::unique_ptr<TInputHelpDlg> inputHelpDlg;
    std::unique_ptr<TOutputDlg> outputDlg;
    std::unique_ptr<TPrintTitleDlg> printTitleDlg;
    std::unique_ptr<TCalculatorDlg> calculatorDlg;
    std::unique_ptr<TAlertDlg> alertDlg;
};

// The program as it starts: the main window is shown as soon as it is made,
// and drawn as soon as the display exposes it, while the nine hidden windows
// are made in their turn. Input that arrives meanwhile waits in the queue
// until all ten exist.
std::unique_ptr<TorvaneProgram> StartTorvaneProgram();
