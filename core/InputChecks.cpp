#include "core/InputChecks.h"

#include "core/NumberText.h"

namespace {

// Both bounds pass; written so that a NaN fails.
bool within(double value, double low, double high)
{
    return value >= low && value <= high;
}

const char quarterMileShiftsMessage[] =
    "The number of quarter mile shifts must be between 1 and available shifts - 1.";

bool passes(const RangeTest& test, const CarInputs& car)
{
    if (test.field == InputField::QuarterMileShifts)
        return car.quarterMileShifts >= 1 && car.quarterMileShifts <= car.availableShifts - 1;
    return within(car.Value(test.field), test.low, test.high);
}

QString messageOf(const RangeTest& test)
{
    if (test.field == InputField::QuarterMileShifts)
        return QLatin1String(quarterMileShiftsMessage);
    if (IsCountField(test.field))
        return QLatin1String(test.prefix) + QString::number(static_cast<int>(test.low))
               + QStringLiteral(" and ") + QString::number(static_cast<int>(test.high));
    return QLatin1String(test.prefix) + FormatFixed(test.low, test.width, test.precision)
           + QStringLiteral(" and ") + FormatFixed(test.high, test.width, test.precision);
}

} // namespace

const std::array<RangeTest, InputFieldCount>& RangeTests()
{
    static const std::array<RangeTest, InputFieldCount> tests = { {
        { InputField::Horsepower, 100, 1500, "The horsepower must be between ", 6, 2 },
        { InputField::GrillArea, 2, 20, "The grill area must be between ", 6, 2 },
        { InputField::WindshieldArea, 2, 20, "The windshield area must be between ", 6, 2 },
        { InputField::CarWeight, 1000, 4500, "The car weight must be between ", 6, 2 },
        { InputField::DragCoefficient, 0.2, 0.4, "The drag coefficient must be between ", 6, 2 },
        { InputField::WindshieldAngle, 20, 45, "The windshield angle must be between ", 6, 2 },
        { InputField::AvailableShifts, 1, 5, "The number of available shifts must be between ", 0, 0 },
        { InputField::QuarterMileShifts, 1, 4, nullptr, 0, 0 },
        { InputField::SpinTime, 0.75, 3.0, "The spin time must be between ", 4, 2 },
    } };
    return tests;
}

const RangeTest& RangeTestOf(InputField field)
{
    // The table is indexed by the field's order, which is the order of the tests.
    return RangeTests()[static_cast<std::size_t>(field)];
}

QString RangeMessage(const CarInputs& car)
{
    for (const RangeTest& test : RangeTests())
        if (!passes(test, car))
            return messageOf(test);
    return QString();
}

QString FieldRangeMessage(const CarInputs& car, InputField field)
{
    for (const RangeTest& test : RangeTests())
        if (test.field == field)
            return passes(test, car) ? QString() : messageOf(test);
    return QString();
}

QString ElapsedTimeMessage(double elapsedTime)
{
    return QStringLiteral("The 1/4 mile e.t. is larger than ") + FormatFixed(elapsedTime, 6, 2)
           + QStringLiteral(" seconds.");
}

QString ExtensionMessage()
{
    return QStringLiteral("Can't open a file without an .trv extension...");
}
