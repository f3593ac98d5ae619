// Messagesx: the messages about the inputs. Each failure first disables the
// control dialog's result buttons, since the results shown stop being valid,
// then shows one line in the alert dialog.
#pragma once

#include <QString>

// The message of the first range test that fails, in the fixed order of the
// tests (horsepower, grill area, windshield area, car weight, drag
// coefficient, windshield angle, available shifts, quarter-mile shifts, spin
// time); empty when every value is in range. Both bounds are allowed; a NaN
// is out of range.
QString RangeMessage(double horsepower, int quarterMileShifts, int availableShifts,
                     double carWeight, double grillArea, double spinTime, double dragCoefficient,
                     double windshieldArea, double windshieldAngle);

// Tests the values; on the first failure disables the result buttons, shows
// that test's message and returns true (the input error). Later tests are
// not made.
bool CheckInputRanges(double horsepower, int quarterMileShifts, int availableShifts,
                      double carWeight, double grillArea, double spinTime, double dragCoefficient,
                      double windshieldArea, double windshieldAngle);

// "The 1/4 mile e.t. is larger than  61.75 seconds." for a run that gave up;
// also disables the result buttons and empties the input dialog's gauge.
QString ElapsedTimeMessage(double elapsedTime);
void ShowElapsedTimeMessage(double elapsedTime);

// Refuses a data file whose path lacks the ".trv" extension.
void ShowExtensionMessage();
