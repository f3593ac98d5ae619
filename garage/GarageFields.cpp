// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/GarageFields.h"

#include <QCoreApplication>

namespace {

// The texts' translations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GarageFields)
};

} // namespace

QString FieldLabel(InputField field, UnitSystem units)
{
    switch (field) {
    case InputField::Horsepower: return units == UnitSystem::Metric ? Text::tr("Power") : Text::tr("Horsepower");
    case InputField::GrillArea: return Text::tr("Grill area");
    case InputField::WindshieldArea: return Text::tr("Windshield area");
    case InputField::CarWeight: return Text::tr("Car weight");
    case InputField::DragCoefficient: return Text::tr("Drag coefficient");
    case InputField::WindshieldAngle: return Text::tr("Windshield angle");
    case InputField::AvailableShifts: return Text::tr("Available shifts");
    case InputField::QuarterMileShifts: return Text::tr("Quarter mile shifts");
    case InputField::SpinTime: return Text::tr("Spin time");
    }
    return QString();
}

QString FieldUnit(InputField field, UnitSystem units)
{
    if (field == InputField::WindshieldAngle)
        return Text::tr("degrees");
    return UnitSymbol(FieldQuantity(field), units);
}

const RangeTest& FieldRange(InputField field)
{
    return RangeTestOf(field);
}

QString FieldRangeText(InputField field, UnitSystem units, const QLocale& locale)
{
    const RangeTest& range = FieldRange(field);
    const Quantity quantity = FieldQuantity(field);
    const int decimals = IsCountField(field) ? 0 : FieldDecimals(field, units);
    auto shown = [&](double value) {
        QString text = locale.toString(ToShown(value, quantity, units), 'f', decimals);
        // Whole bounds read better without their zeros: "100–1,500 hp".
        const QString zeros = locale.decimalPoint() + QString(decimals, locale.zeroDigit().at(0));
        if (decimals > 0 && text.endsWith(zeros))
            text.chop(zeros.size());
        return text;
    };
    const QString high =
        field == InputField::QuarterMileShifts ? Text::tr("available shifts − 1") : shown(range.high);
    const QString unit = FieldUnit(field, units);
    const QString span = Text::tr("%1–%2").arg(shown(range.low), high);
    return unit.isEmpty() ? span : Text::tr("%1 %2").arg(span, unit);
}

double SliderStepsPerUnit(InputField field)
{
    switch (field) {
    case InputField::Horsepower: return 1;         // 1 hp
    case InputField::CarWeight: return 0.2;        // 5 lb
    case InputField::DragCoefficient: return 1000; // 0.001
    case InputField::GrillArea:
    case InputField::WindshieldArea: return 20;    // 0.05 ft²
    case InputField::WindshieldAngle: return 2;    // half a degree
    case InputField::SpinTime: return 100;         // 0.01 s
    case InputField::AvailableShifts:
    case InputField::QuarterMileShifts: break;     // whole shifts
    }
    return 1;
}

QString FieldValueText(double classicValue, InputField field, UnitSystem units, const QLocale& locale)
{
    if (IsCountField(field))
        return locale.toString(static_cast<int>(classicValue));
    const Quantity quantity = FieldQuantity(field);
    if (units == UnitSystem::Metric && ToShown(1, quantity, units) != 1)
        return locale.toString(ToShown(classicValue, quantity, units), 'f', FieldDecimals(field, units));
    return locale.toString(classicValue, 'g', QLocale::FloatingPointShortest);
}

int FieldDecimals(InputField field, UnitSystem units)
{
    if (IsCountField(field))
        return 0;
    if (field == InputField::DragCoefficient)
        return 3;
    return ShownDecimals(FieldQuantity(field), units);
}
