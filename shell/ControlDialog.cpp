// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ControlDialog.h"

#include "inputs/InputDialog.h"
#include "results/PrintDialog.h"
#include "results/ResultsDialog.h"
#include "shell/DataFile.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "widgets/Bevel.h"
#include "widgets/DialogParts.h"
#include "widgets/Hints.h"
#include "widgets/ModalShowing.h"
#include "widgets/Shape.h"

#include <QPushButton>

TControlDlg::TControlDlg(TorvaneProgram& program) : program(program)
{
    SetUpDialog(this, "ControlDlg", tr("Torvane Control..."), QSize(322, 251),
                Qt::WindowStaysOnTopHint);

    auto* bevel = new TBevel(this, TBevel::bsLowered);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setGeometry(24, 24, 273, 177);
    auto* frame = new TShape(this);
    frame->setObjectName(QStringLiteral("Shape1"));
    frame->setGeometry(40, 40, 241, 145);
    frame->SetPen(clBlue, 5);
    frame->SetBrush(ClassicPalette().color(QPalette::Button));

    // Created in their tab order.
    viewInputButton = MakeButton(this, "AutoButton", tr("View Input data"), QRect(57, 56, 96, 33),
                                 tr("Torvane values|Enter or change Torvane properties and conditions..."), true);
    resultsButton = MakeButton(this, "ResultsButton", tr("View results"), QRect(57, 96, 96, 33),
                               tr("Display results|Show 1/4 mile result summary..."), true);
    openButton = MakeButton(this, "LoadButton", tr("Open file"), QRect(169, 56, 96, 33),
                            tr("Open data file|Open Torvane input data file..."), false);
    saveButton = MakeButton(this, "SaveButton", tr("Save file"), QRect(169, 96, 96, 33),
                            tr("Save data file|Save Torvane input data file..."), false);
    printButton = MakeButton(this, "PrintButton", tr("Print results"), QRect(113, 136, 96, 33),
                             tr("Print results|Print all input and output values on the printer..."), true);
    closeButton = MakeBitBtn(this, "CloseBtn", TButtonKind::Close, 124, 216);
    SetHint(closeButton, tr("Close|Close this dialog box..."), true);
    SetResultButtonsEnabled(false);

    setTabOrder(viewInputButton, resultsButton);
    setTabOrder(resultsButton, openButton);
    setTabOrder(openButton, saveButton);
    setTabOrder(saveButton, printButton);
    setTabOrder(printButton, closeButton);

    connect(viewInputButton, &QPushButton::clicked, this, &TControlDlg::AutoButtonClick);
    connect(resultsButton, &QPushButton::clicked, this, &TControlDlg::ResultsButtonClick);
    connect(openButton, &QPushButton::clicked, this, &TControlDlg::LoadButtonClick);
    connect(saveButton, &QPushButton::clicked, this, &TControlDlg::SaveButtonClick);
    connect(printButton, &QPushButton::clicked, this, &TControlDlg::PrintButtonClick);

    // The dialog's own place is the centre of the main window; a modal
    // showing from the main window's frame keeps whatever place it has.
    CentreOn(this, program.MainWindow());
}

void TControlDlg::SetResultButtonsEnabled(bool enabled)
{
    saveButton->setEnabled(enabled);
    printButton->setEnabled(enabled);
    resultsButton->setEnabled(enabled);
}

void TControlDlg::AutoButtonClick()
{
    program.InputDlg()->SelectHorsepower();
    ShowCentredModal(program.InputDlg(), program.MainWindow());
}

void TControlDlg::ResultsButtonClick()
{
    ShowCentredModal(program.OutputDlg(), program.MainWindow());
}

void TControlDlg::PrintButtonClick()
{
    ShowCentredModal(program.PrintTitleDlg(), program.MainWindow());
}

void TControlDlg::LoadButtonClick()
{
    OpenDataFile(program);
}

void TControlDlg::SaveButtonClick()
{
    SaveDataFile(program);
}
