#include "shell/Control.h"

#include "inputs/Input.h"
#include "inputs/Othersubs.h"
#include "results/Output.h"
#include "results/PrintTitle.h"
#include "shell/Alert.h"
#include "shell/Bevel.h"
#include "shell/Forms.h"
#include "shell/Hints.h"
#include "shell/Main.h"
#include "shell/Shape.h"

#include <QLineEdit>
#include <QPushButton>

TControlDlg* ControlDlg = nullptr;

TControlDlg::TControlDlg(QWidget* parent) : QDialog(parent)
{
    SetUpDialog(this, "ControlDlg", QStringLiteral("Torvane Control..."), QSize(322, 251),
                Qt::WindowStaysOnTopHint);

    Bevel1 = new TBevel(this, TBevel::bsLowered);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(24, 24, 273, 177);
    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(40, 40, 241, 145);
    Shape1->SetPen(clBlue, 5);
    Shape1->SetBrush(palette().color(QPalette::Button));

    // Created in their tab order.
    AutoButton = MakeButton(this, "AutoButton", QStringLiteral("View Input data"), QRect(57, 56, 96, 33),
                            QStringLiteral("Torvane values|Enter or change Torvane properties and conditions..."), true);
    ResultsButton = MakeButton(this, "ResultsButton", QStringLiteral("View results"), QRect(57, 96, 96, 33),
                               QStringLiteral("Display results|Show 1/4 mile result summary..."), true);
    ResultsButton->setEnabled(false);
    LoadButton = MakeButton(this, "LoadButton", QStringLiteral("Open file"), QRect(169, 56, 96, 33),
                            QStringLiteral("Open data file|Open Torvane input data file..."), false);
    SaveButton = MakeButton(this, "SaveButton", QStringLiteral("Save file"), QRect(169, 96, 96, 33),
                            QStringLiteral("Save data file|Save Torvane input data file..."), false);
    SaveButton->setEnabled(false);
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("Print results"), QRect(113, 136, 96, 33),
                             QStringLiteral("Print results|Print all input and output values on the printer..."), true);
    PrintButton->setEnabled(false);
    CloseBtn = MakeBitBtn(this, "CloseBtn", TButtonKind::Close, 124, 216);
    SetHint(CloseBtn, QStringLiteral("Close|Close this dialog box..."), true);

    setTabOrder(AutoButton, ResultsButton);
    setTabOrder(ResultsButton, LoadButton);
    setTabOrder(LoadButton, SaveButton);
    setTabOrder(SaveButton, PrintButton);
    setTabOrder(PrintButton, CloseBtn);

    connect(AutoButton, &QPushButton::clicked, this, &TControlDlg::AutoButtonClick);
    connect(ResultsButton, &QPushButton::clicked, this, &TControlDlg::ResultsButtonClick);
    connect(LoadButton, &QPushButton::clicked, this, &TControlDlg::LoadButtonClick);
    connect(SaveButton, &QPushButton::clicked, this, &TControlDlg::SaveButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TControlDlg::PrintButtonClick);

    // The dialog's own place is the centre of the main window; a modal
    // showing from the main window's frame keeps whatever place it has.
    CentreOnMainForm(this);
}

void TControlDlg::AutoButtonClick()
{
    InputDlg->THp->selectAll();
    CentreOnMainForm(InputDlg);
    ShowModal(InputDlg);
}

void TControlDlg::ResultsButtonClick()
{
    CentreOnMainForm(OutputDlg);
    ShowModal(OutputDlg);
}

void TControlDlg::PrintButtonClick()
{
    CentreOnMainForm(PrintTitleDlg);
    ShowModal(PrintTitleDlg);
}

void TControlDlg::LoadButtonClick()
{
    OpenDataFile();
}

void TControlDlg::SaveButtonClick()
{
    SaveDataFile();
}
