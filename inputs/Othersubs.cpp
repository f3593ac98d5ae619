#include "inputs/Othersubs.h"

#include "inputs/Input.h"
#include "results/PrintTitle.h"
#include "shell/Control.h"

#include <QLineEdit>
#include <QPushButton>

std::array<QString, previousInputCount> PreviousInputs;
QString PreviousPrintTitle;

namespace {

struct TInputSlot
{
    QLineEdit* TInputDlg::*memo;
    TPreviousInput slot;
};

// Each box and its slot, in the order the texts are copied.
const TInputSlot inputSlots[] = {
    {&TInputDlg::THp, piHorsepower},
    {&TInputDlg::TCoeff, piDragCoefficient},
    {&TInputDlg::TWeight, piCarWeight},
    {&TInputDlg::TGrillArea, piGrillArea},
    {&TInputDlg::TWindshieldArea, piWindshieldArea},
    {&TInputDlg::TWindshieldAngle, piWindshieldAngle},
    {&TInputDlg::TAvailableShifts, piAvailableShifts},
    {&TInputDlg::TSpinTime, piSpinTime},
    {&TInputDlg::TNumberOfShifts, piQuarterMileShifts},
};

} // namespace

void DisableResultButtons()
{
    ControlDlg->SaveButton->setEnabled(false);
    ControlDlg->PrintButton->setEnabled(false);
    ControlDlg->ResultsButton->setEnabled(false);
}

void SavePreviousInputs()
{
    for (const TInputSlot& entry : inputSlots)
        PreviousInputs[entry.slot] = (InputDlg->*entry.memo)->text();
}

void RestorePreviousInputs()
{
    for (const TInputSlot& entry : inputSlots)
        (InputDlg->*entry.memo)->setText(PreviousInputs[entry.slot]);
}

void SavePrintTitle()
{
    PreviousPrintTitle = PrintTitleDlg->PrintTitle->text();
}

void RestorePrintTitle()
{
    PrintTitleDlg->PrintTitle->setText(PreviousPrintTitle);
}
