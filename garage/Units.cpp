// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/Units.h"

#include "core/NumberText.h"

#include <QCoreApplication>

#include <cmath>

namespace {

double metricFactor(Quantity quantity)
{
    using namespace MetricFactor;
    switch (quantity) {
    case Quantity::Speed: return KilometresPerHourPerMph;
    case Quantity::Distance: return MetresPerFoot;
    case Quantity::Force: return NewtonsPerPoundForce;
    case Quantity::Weight: return KilogramsPerPound;
    case Quantity::Power: return KilowattsPerHorsepower;
    case Quantity::Area: return SquareMetresPerSquareFoot;
    case Quantity::Pressure: return HectopascalsPerInchOfMercury;
    case Quantity::Torque: return NewtonMetresPerPoundFoot;
    case Quantity::Plain:
    case Quantity::Time:
    case Quantity::Temperature: // not a factor: see ToShown
    case Quantity::Percent: break;
    }
    return 1;
}

} // namespace

double ToShown(double classicValue, Quantity quantity, UnitSystem units)
{
    if (units == UnitSystem::Imperial)
        return classicValue;
    if (quantity == Quantity::Temperature)
        return (classicValue - 32) * 5 / 9;
    return classicValue * metricFactor(quantity);
}

double FromShown(double shownValue, Quantity quantity, UnitSystem units)
{
    if (units == UnitSystem::Imperial)
        return shownValue;
    if (quantity == Quantity::Temperature)
        return shownValue * 9 / 5 + 32;
    return shownValue / metricFactor(quantity);
}

QString UnitSymbol(Quantity quantity, UnitSystem units)
{
    const bool metric = units == UnitSystem::Metric;
    switch (quantity) {
    case Quantity::Plain: return QString();
    case Quantity::Time: return QCoreApplication::translate("Units", "s");
    case Quantity::Speed:
        return metric ? QCoreApplication::translate("Units", "km/h")
                      : QCoreApplication::translate("Units", "mph");
    case Quantity::Distance:
        return metric ? QCoreApplication::translate("Units", "m")
                      : QCoreApplication::translate("Units", "ft");
    case Quantity::Force:
        return metric ? QCoreApplication::translate("Units", "N")
                      : QCoreApplication::translate("Units", "lb");
    case Quantity::Weight:
        return metric ? QCoreApplication::translate("Units", "kg")
                      : QCoreApplication::translate("Units", "lb");
    case Quantity::Power:
        return metric ? QCoreApplication::translate("Units", "kW")
                      : QCoreApplication::translate("Units", "hp");
    case Quantity::Area:
        return metric ? QCoreApplication::translate("Units", "m²")
                      : QCoreApplication::translate("Units", "ft²");
    case Quantity::Temperature:
        return metric ? QCoreApplication::translate("Units", "°C")
                      : QCoreApplication::translate("Units", "°F");
    case Quantity::Pressure:
        return metric ? QCoreApplication::translate("Units", "hPa")
                      : QCoreApplication::translate("Units", "inHg");
    case Quantity::Percent: return QCoreApplication::translate("Units", "%");
    case Quantity::Torque:
        return metric ? QCoreApplication::translate("Units", "N·m")
                      : QCoreApplication::translate("Units", "lb-ft");
    }
    return QString();
}

Quantity FieldQuantity(InputField field)
{
    switch (field) {
    case InputField::Horsepower: return Quantity::Power;
    case InputField::GrillArea:
    case InputField::WindshieldArea: return Quantity::Area;
    case InputField::CarWeight: return Quantity::Weight;
    case InputField::SpinTime: return Quantity::Time;
    default: return Quantity::Plain;
    }
}

int ShownDecimals(Quantity quantity, UnitSystem units)
{
    if (quantity == Quantity::Area && units == UnitSystem::Metric)
        return 3;
    if (quantity == Quantity::Temperature || quantity == Quantity::Percent
        || (quantity == Quantity::Pressure && units == UnitSystem::Metric))
        return 1;
    if (quantity == Quantity::Pressure)
        return 3;
    return 2;
}

QString UnitSystemKey(UnitSystem units)
{
    return units == UnitSystem::Metric ? QStringLiteral("metric") : QStringLiteral("imperial");
}

UnitSystem UnitSystemFromKey(const QString& key)
{
    return key == QLatin1String("metric") ? UnitSystem::Metric : UnitSystem::Imperial;
}

namespace {

bool converts(InputField field, UnitSystem units)
{
    return units == UnitSystem::Metric && ToShown(1, FieldQuantity(field), units) != 1;
}

} // namespace

QString ClassicFieldText(const QString& shownText, InputField field, UnitSystem units)
{
    if (!converts(field, units))
        return shownText;
    return FormatFixed(FromShown(DecimalFromText(shownText), FieldQuantity(field), units), 1, 2);
}

QString ShownFieldText(const QString& classicText, InputField field, UnitSystem units)
{
    if (!converts(field, units))
        return classicText;
    const Quantity quantity = FieldQuantity(field);
    return FormatFixed(ToShown(DecimalFromText(classicText), quantity, units), 1, ShownDecimals(quantity, units));
}

QString SignedDifferenceText(double difference, int decimals, const QLocale& locale)
{
    QString text = locale.toString(std::abs(difference), 'f', decimals);
    if (text != locale.toString(0.0, 'f', decimals))
        text.prepend(difference < 0 ? QStringLiteral("−") : QStringLiteral("+"));
    return text;
}
