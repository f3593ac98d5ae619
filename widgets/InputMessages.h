// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the current inputs for a run, and the messages about a car and
// its file. Each failure that makes the results shown stale first disables
// the result buttons, then shows one line in the alert.
#pragma once

#include "core/CarInputs.h"

class ProgramServices;

struct ReadInputsResult {
    CarInputs car;
    bool inputError = false; // a range test failed and its message was shown
};

// Reads the nine boxes of the input dialog, converts them and tests their
// ranges, showing the first failure.
ReadInputsResult ReadInputs(ProgramServices& services);

// Tests the car's ranges; on the first failure disables the result buttons,
// shows that test's message and returns true. Later tests are not made.
bool CheckInputRanges(ProgramServices& services, const CarInputs& car);

// "The 1/4 mile e.t. is larger than  61.75 seconds." for a run that gave
// up; also disables the result buttons and empties the input dialog's gauge.
void ShowElapsedTimeMessage(ProgramServices& services, double elapsedTime);

// Refuses a data file whose path lacks ".trv"; empties the input dialog's
// gauge first.
void ShowExtensionMessage(ProgramServices& services);
