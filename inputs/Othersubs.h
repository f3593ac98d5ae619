// Inputs: the input dialog (Input), the area calculator (Calculator) and the
// routines they share with the other windows (Othersubs). The current inputs
// live only in the nine boxes of the input dialog; PreviousInputs and
// PreviousPrintTitle hold the inputs and the report title of the last save
// point, which Restore Inputs and the print dialog's Cancel bring back.
#pragma once

#include "engine/Simulation.h"

#include <QString>

#include <array>
#include <memory>

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

// The nine inputs as numbers, read from the input dialog's boxes.
struct CarInputs {
    double horsepower = 0;
    double dragCoefficient = 0;
    double carWeight = 0;
    double frontalArea = 0;
    double spinTime = 0;
    int quarterMileShifts = 0;
    int availableShifts = 0;
    bool inputError = false; // a range test failed and its message was shown
};

// Degrees to radians as the program has always done it: times 1/57.3.
constexpr double RadiansPerDegree = 0.0174520069808027931864;

// The area the wind meets: the grill plus the windshield as it stands at
// its angle from horizontal.
double FrontalArea(double grillArea, double windshieldArea, double windshieldAngle);

// Reads the nine boxes of the input dialog, converts them, tests their
// ranges (showing the first failure and disabling the result buttons) and
// forms the frontal area, which is computed whatever the tests gave.
CarInputs ReadInputs();

// A new record with the run constants (0.001 s steps, a 60 s limit, 0.5 s
// per shift, air density 0.002 slug/ft³) and the inputs at 63 % power.
std::unique_ptr<SimulationRecord> NewRecordFor(const CarInputs& inputs);

// Writes the results of a run into the results dialog.
void FillResultsDialog(const SimulationResults& results);

// The vehicle data file. The two operations ask for a path with the main
// window's file dialogs and then call the routines below, which do the work
// and report every failure in the alert dialog.
void SaveDataFile();
void OpenDataFile();
// Saves the nine box texts to `path`; false (after a message) when the texts
// would not read back as they stand or the file could not be written.
bool SaveDataFileAt(const QString& path);
// Loads `path` into the nine boxes; false (after a message) when the path
// lacks ".trv" or the file cannot be taken. On success the loaded texts
// become the previous inputs, the title is saved, the result buttons are
// disabled and the save dialog proposes this file next.
bool OpenDataFileAt(const QString& path);
// The file the save dialog proposes: the last one opened or saved.
extern QString DataFileName;
