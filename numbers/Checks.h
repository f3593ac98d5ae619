// SPDX-License-Identifier: GPL-3.0-or-later
// The range tests of the nine inputs, as codes: which test fails first, in
// the fixed order of the tests. The core's InputChecks.h gives each test its
// translated message.
#pragma once

#include "numbers/Car.h"

#include <array>

// One range test. Decimal values pass when low <= value <= high (both
// bounds allowed, a NaN fails); the quarter-mile shifts pass when
// 1 <= value <= available shifts - 1. The width and precision are those of
// the bounds' "%*.*f" format in the message; a count's bounds are written
// as integers.
struct InputRange {
    InputField field;
    double low;
    double high;
    int width;
    int precision;
};

// The nine tests in the order they are made: horsepower, grill area,
// windshield area, car weight, drag coefficient, windshield angle,
// available shifts, quarter-mile shifts, spin time.
const std::array<InputRange, InputFieldCount>& InputRanges();

bool PassesInputRange(const InputRange& test, const CarInputs& car);
// The index in InputRanges() of the first test that fails; -1 when all pass.
int FailingInputRange(const CarInputs& car);
