// SPDX-License-Identifier: GPL-3.0-or-later
// Units: the garage's two ways of showing a quantity. The engine, the core
// and the vehicle file always work in the classic units (seconds, mph, feet,
// pounds, horsepower, square feet); the garage converts a value only on its
// way to the screen, a report or an export, and a typed value back on its way
// in.
#pragma once

#include "core/CarInputs.h"

#include <QLocale>
#include <QMetaType>
#include <QString>

enum class UnitSystem { Imperial, Metric };
Q_DECLARE_METATYPE(UnitSystem)

// What a number measures, which decides how it converts.
enum class Quantity { Plain, Time, Speed, Distance, Force, Weight, Power, Area, Temperature, Pressure, Percent, Torque };

namespace MetricFactor {
inline constexpr double KilometresPerHourPerMph = 1.609344;
inline constexpr double KilogramsPerPound = 0.45359237;
inline constexpr double KilowattsPerHorsepower = 0.745699872;
inline constexpr double SquareMetresPerSquareFoot = 0.09290304;
inline constexpr double MetresPerFoot = 0.3048;
inline constexpr double NewtonsPerPoundForce = 4.4482216152605;
inline constexpr double HectopascalsPerInchOfMercury = 33.86389;
inline constexpr double NewtonMetresPerPoundFoot = 1.3558179483314004;
} // namespace MetricFactor

// A classic-unit value as the unit system shows it, and back.
double ToShown(double classicValue, Quantity quantity, UnitSystem units);
double FromShown(double shownValue, Quantity quantity, UnitSystem units);

// The unit's symbol in this system ("mph", "km/h", "s"); empty for a plain
// number. Translated.
QString UnitSymbol(Quantity quantity, UnitSystem units);

// The quantity an input field holds.
Quantity FieldQuantity(InputField field);

// Decimals the garage shows for a quantity in this system.
int ShownDecimals(Quantity quantity, UnitSystem units);

// A difference as the garage shows it: its size in the locale's digits
// with "+" or "−" in front, and no sign when it rounds to nothing
// ("−0.35", "+1,204", "0.00").
QString SignedDifferenceText(double difference, int decimals, const QLocale& locale);

// A field's text typed in this unit system, as the classic units keep it:
// a converted number with two decimals ("268.20" for 200 kW); a text in
// imperial units, or of a field without a unit to change, stays as typed.
QString ClassicFieldText(const QString& shownText, InputField field, UnitSystem units);
// A field's classic text as this unit system shows it.
QString ShownFieldText(const QString& classicText, InputField field, UnitSystem units);

// The key QSettings keeps for a unit system, and back (Imperial for
// anything unknown).
QString UnitSystemKey(UnitSystem units);
UnitSystem UnitSystemFromKey(const QString& key);
