// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/Checks.h"

const std::array<InputRange, InputFieldCount>& InputRanges()
{
    static const std::array<InputRange, InputFieldCount> tests = { {
        { InputField::Horsepower, 100, 1500, 6, 2 },
        { InputField::GrillArea, 2, 20, 6, 2 },
        { InputField::WindshieldArea, 2, 20, 6, 2 },
        { InputField::CarWeight, 1000, 4500, 6, 2 },
        { InputField::DragCoefficient, 0.2, 0.4, 6, 2 },
        { InputField::WindshieldAngle, 20, 45, 6, 2 },
        { InputField::AvailableShifts, 1, 5, 0, 0 },
        { InputField::QuarterMileShifts, 1, 4, 0, 0 },
        { InputField::SpinTime, 0.75, 3.0, 4, 2 },
    } };
    return tests;
}

bool PassesInputRange(const InputRange& test, const CarInputs& car)
{
    if (test.field == InputField::QuarterMileShifts)
        return car.quarterMileShifts >= 1 && car.quarterMileShifts <= car.availableShifts - 1;
    // Both bounds pass; written so that a NaN fails.
    const double value = car.Value(test.field);
    return value >= test.low && value <= test.high;
}

int FailingInputRange(const CarInputs& car)
{
    const auto& tests = InputRanges();
    for (std::size_t i = 0; i < tests.size(); ++i)
        if (!PassesInputRange(tests[i], car))
            return static_cast<int>(i);
    return -1;
}
