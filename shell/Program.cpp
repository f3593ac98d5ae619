// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Program.h"

#include "inputs/AreaCalculator.h"
#include "inputs/ConditionsHelp.h"
#include "inputs/InputDialog.h"
#include "inputs/InputHelp.h"
#include "results/PrintDialog.h"
#include "results/ResultsDialog.h"
#include "shell/AboutDialog.h"
#include "shell/ControlDialog.h"
#include "shell/MainWindow.h"
#include "widgets/Alert.h"
#include "widgets/DialogParts.h"
#include "widgets/Hints.h"
#include "widgets/WindowIcon.h"

#include <QIcon>

TorvaneProgram::TorvaneProgram() : hints(std::make_unique<THintWatcher>())
{
    mainForm = std::make_unique<TMainForm>(*this);
    mainWindow = mainForm.get();
    aboutDlg = std::make_unique<TAboutDlg>();
    condHelpDlg = std::make_unique<TCondHelpDlg>();
    controlDlg = std::make_unique<TControlDlg>(*this);
    setResultButtonsEnabled = [this](bool enabled) { controlDlg->SetResultButtonsEnabled(enabled); };
    inputDlg = std::make_unique<TInputDlg>(*this);
    resetInputGauge = [this] { inputDlg->ResetGauge(); };
    currentInputs = [this] { return inputDlg->Texts(); };
    inputHelpDlg = std::make_unique<TInputHelpDlg>();
    outputDlg = std::make_unique<TOutputDlg>();
    fillResultsDialog = [this](const CarInputs& car, const CarRun& run) {
        state.lastInputs = car;
        state.lastRun = run;
        outputDlg->FillResultsDialog(run.results);
    };
    printTitleDlg = std::make_unique<TPrintTitleDlg>(*this);
    calculatorDlg = std::make_unique<TCalculatorDlg>(state.areaTexts, *inputDlg);
    alertDlg = std::make_unique<TAlertDlg>(mainForm.get());
    showAlert = [this](const QString& message) { alertDlg->ShowMessage(message); };
    dialogs = { inputHelpDlg.get(), condHelpDlg.get(), calculatorDlg.get() };
    const QIcon icon = ProgramIcon();
    for (QWidget* window : Windows()) {
        UseClassicPalette(window);
        window->setWindowIcon(icon);
    }
}

TorvaneProgram::~TorvaneProgram() = default;

QIcon ProgramIcon()
{
    return WindowIcon(QStringLiteral("torvane"));
}

QList<QWidget*> TorvaneProgram::Windows() const
{
    return { mainForm.get(),  aboutDlg.get(),      condHelpDlg.get(), controlDlg.get(),
             inputDlg.get(),  inputHelpDlg.get(),  outputDlg.get(),   printTitleDlg.get(),
             calculatorDlg.get(), alertDlg.get() };
}
