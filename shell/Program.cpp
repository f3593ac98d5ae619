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
#include "startup/WindowIcon.h"

#include <QCoreApplication>
#include <QIcon>

TorvaneProgram::TorvaneProgram(const WindowMade& windowMade)
    : hints(std::make_unique<THintWatcher>())
{
    const QIcon icon = ApplicationWindowIcon(QStringLiteral("torvane"));
    auto made = [&](QWidget* window) {
        UseClassicPalette(window);
        window->setWindowIcon(icon);
        if (windowMade)
            windowMade(window);
    };
    mainForm = std::make_unique<TMainForm>(*this);
    mainWindow = mainForm.get();
    made(mainForm.get());
    aboutDlg = std::make_unique<TAboutDlg>();
    made(aboutDlg.get());
    condHelpDlg = std::make_unique<TCondHelpDlg>();
    made(condHelpDlg.get());
    controlDlg = std::make_unique<TControlDlg>(*this);
    made(controlDlg.get());
    setResultButtonsEnabled = [this](bool enabled) { controlDlg->SetResultButtonsEnabled(enabled); };
    inputDlg = std::make_unique<TInputDlg>(*this);
    made(inputDlg.get());
    resetInputGauge = [this] { inputDlg->ResetGauge(); };
    currentInputs = [this] { return inputDlg->Texts(); };
    inputHelpDlg = std::make_unique<TInputHelpDlg>();
    made(inputHelpDlg.get());
    outputDlg = std::make_unique<TOutputDlg>();
    made(outputDlg.get());
    fillResultsDialog = [this](const CarInputs& car, const CarRun& run) {
        state.lastInputs = car;
        state.lastRun = run;
        outputDlg->FillResultsDialog(run.results);
    };
    printTitleDlg = std::make_unique<TPrintTitleDlg>(*this);
    made(printTitleDlg.get());
    calculatorDlg = std::make_unique<TCalculatorDlg>(state.areaTexts, *inputDlg);
    made(calculatorDlg.get());
    alertDlg = std::make_unique<TAlertDlg>(mainForm.get());
    made(alertDlg.get());
    showAlert = [this](const QString& message) { alertDlg->ShowMessage(message); };
    dialogs = { inputHelpDlg.get(), condHelpDlg.get(), calculatorDlg.get() };
}

TorvaneProgram::~TorvaneProgram() = default;

QList<QWidget*> TorvaneProgram::Windows() const
{
    return { mainForm.get(),  aboutDlg.get(),      condHelpDlg.get(), controlDlg.get(),
             inputDlg.get(),  inputHelpDlg.get(),  outputDlg.get(),   printTitleDlg.get(),
             calculatorDlg.get(), alertDlg.get() };
}

std::unique_ptr<TorvaneProgram> StartTorvaneProgram()
{
    bool mainWindowShown = false;
    return std::make_unique<TorvaneProgram>([&mainWindowShown](QWidget* window) {
        if (!mainWindowShown) {
            window->show();
            mainWindowShown = true;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
}
