// Inputs: the input dialog (Input), the area calculator (Calculator) and the
// routines they share with the other windows (Othersubs). The current inputs
// live only in the nine boxes of the input dialog; PreviousInputs and
// PreviousPrintTitle hold the inputs and the report title of the last save
// point, which Restore Inputs and the print dialog's Cancel bring back.
#pragma once

#include <QString>

#include <array>

// Disables the control dialog's SaveButton, PrintButton and ResultsButton,
// in this order: the results shown there no longer belong to the inputs.
void DisableResultButtons();

// The slots of PreviousInputs.
enum TPreviousInput {
    piHorsepower,
    piGrillArea,
    piWindshieldArea,
    piCarWeight,
    piDragCoefficient,
    piWindshieldAngle,
    piQuarterMileShifts,
    piSpinTime,
    piAvailableShifts,
    previousInputCount
};

// The nine input texts of the last save point, whole; empty at start.
extern std::array<QString, previousInputCount> PreviousInputs;
// Copies the texts of the input dialog's nine boxes into PreviousInputs.
void SavePreviousInputs();
// Writes PreviousInputs back into the nine boxes.
void RestorePreviousInputs();

// The report title of the last save point, whole; empty at start.
extern QString PreviousPrintTitle;
void SavePrintTitle();
void RestorePrintTitle();
