// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/InputChecks.h"

#include "core/NumberText.h"
#include "numbers/Checks.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("InputChecks", text);
}

const char quarterMileShiftsMessage[] = QT_TRANSLATE_NOOP(
    "InputChecks", "The number of quarter mile shifts must be between 1 and available shifts - 1.");

bool passes(const RangeTest& test, const CarInputs& car)
{
    return PassesInputRange({ test.field, test.low, test.high, test.width, test.precision }, car);
}

// The message with its bounds written in `locale` (no padding), for the
// sentences of the garage's own pages.
QString localeMessageOf(const RangeTest& test, const QLocale& locale)
{
    if (test.field == InputField::QuarterMileShifts)
        return translated(quarterMileShiftsMessage);
    const int decimals = IsCountField(test.field) ? 0 : test.precision;
    return translated(test.message)
        .arg(locale.toString(test.low, 'f', decimals), locale.toString(test.high, 'f', decimals));
}

QString messageOf(const RangeTest& test)
{
    if (test.field == InputField::QuarterMileShifts)
        return translated(quarterMileShiftsMessage);
    if (IsCountField(test.field))
        return translated(test.message)
            .arg(QString::number(static_cast<int>(test.low)),
                 QString::number(static_cast<int>(test.high)));
    return translated(test.message)
        .arg(FormatFixed(test.low, test.width, test.precision),
             FormatFixed(test.high, test.width, test.precision));
}

} // namespace

const std::array<RangeTest, InputFieldCount>& RangeTests()
{
    // The messages, by InputField; the bounds are numbers/Checks'.
    static constexpr std::array<const char*, InputFieldCount> messages = {
        QT_TRANSLATE_NOOP("InputChecks", "The horsepower must be between %1 and %2"),
        QT_TRANSLATE_NOOP("InputChecks", "The grill area must be between %1 and %2"),
        QT_TRANSLATE_NOOP("InputChecks", "The windshield area must be between %1 and %2"),
        QT_TRANSLATE_NOOP("InputChecks", "The car weight must be between %1 and %2"),
        QT_TRANSLATE_NOOP("InputChecks", "The drag coefficient must be between %1 and %2"),
        QT_TRANSLATE_NOOP("InputChecks", "The windshield angle must be between %1 and %2"),
        QT_TRANSLATE_NOOP("InputChecks", "The number of available shifts must be between %1 and %2"),
        quarterMileShiftsMessage,
        QT_TRANSLATE_NOOP("InputChecks", "The spin time must be between %1 and %2"),
    };
    static const std::array<RangeTest, InputFieldCount> tests = [] {
        std::array<RangeTest, InputFieldCount> all{};
        for (std::size_t i = 0; i < all.size(); ++i) {
            const InputRange& range = InputRanges()[i];
            all[i] = { range.field, range.low, range.high, messages[i], range.width, range.precision };
        }
        return all;
    }();
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

QString RangeMessage(const CarInputs& car, const QLocale& locale)
{
    for (const RangeTest& test : RangeTests())
        if (!passes(test, car))
            return localeMessageOf(test, locale);
    return QString();
}

int FailingRangeTest(const CarInputs& car)
{
    return FailingInputRange(car);
}

QString RangeTestMessage(int index)
{
    return messageOf(RangeTests()[static_cast<std::size_t>(index)]);
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
    return QCoreApplication::translate("InputChecks", "The 1/4 mile e.t. is larger than %1 seconds.")
        .arg(FormatFixed(elapsedTime, 6, 2));
}

QString ExtensionMessage()
{
    return QCoreApplication::translate("InputChecks", "Can't open a file without an .trv extension...");
}
