// SPDX-License-Identifier: GPL-3.0-or-later
// The range tests of the nine inputs and the program's messages about a car.
//
// In: a car's numbers. Out: the message of the first test that fails, in
// the fixed order of the tests, or an empty text when every value is in
// range. Nothing here shows a message: the caller decides where it goes.
#pragma once

#include "core/CarInputs.h"

#include <QString>

class QLocale;

// One range test. Decimal values pass when low <= value <= high (both
// bounds allowed, a NaN fails); the quarter-mile shifts pass when
// 1 <= value <= available shifts - 1.
struct RangeTest {
    InputField field;
    double low;
    double high;
    // The message, with %1 and %2 for the bounds (untranslated; the checks
    // translate it), and the width and precision of the bounds' "%*.*f"
    // format; a count's bounds are written as integers.
    const char* message;
    int width;
    int precision;
};

// The nine tests in the order they are made: horsepower, grill area,
// windshield area, car weight, drag coefficient, windshield angle,
// available shifts, quarter-mile shifts, spin time.
const std::array<RangeTest, InputFieldCount>& RangeTests();
// The test of one field.
const RangeTest& RangeTestOf(InputField field);

// The messages are translated; the bounds keep their fixed formats, "." as
// the decimal point, in every language.
//
// The message of the first failing test; empty when all pass.
QString RangeMessage(const CarInputs& car);
// The same with the bounds in the user's locale ("0,75 und 3,00"), for a
// sentence of the garage's own pages.
QString RangeMessage(const CarInputs& car, const QLocale& locale);
// The index in RangeTests() of the first test that fails; -1 when all pass.
// With RangeTestMessage, what RangeMessage gives, without making a text for
// a car that passes.
int FailingRangeTest(const CarInputs& car);
// The message of the test at `index` in RangeTests().
QString RangeTestMessage(int index);
// The message of one field's own test, whatever the others give; empty
// when it passes. The quarter-mile shifts are tested against the car's
// available shifts.
QString FieldRangeMessage(const CarInputs& car, InputField field);

// "The 1/4 mile e.t. is larger than  61.75 seconds." for a run that gave
// up after `elapsedTime` seconds, spin and shift time included.
QString ElapsedTimeMessage(double elapsedTime);

// The refusal of a data file path without ".trv" in it.
QString ExtensionMessage();
