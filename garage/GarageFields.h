// SPDX-License-Identifier: GPL-3.0-or-later
// GarageFields: how the garage shows each of the nine inputs: its label, the
// quantity it measures (which decides its unit and its metric factor), its
// range, the size of one slider step and the order the sliders come in. The
// form, the what-if sliders, the sensitivity page and the exports all read
// this one table. The road keys (core/RoadKeys) are shown the same way:
// their labels, units, ranges, the words of the choices, and their texts in
// the shown units.
#pragma once

#include "core/CarInputs.h"
#include "core/InputChecks.h"
#include "garage/Units.h"
#include "numbers/RoadKeyValues.h"

#include <QLocale>
#include <QString>

#include <array>

// "Horsepower" ("Power" in metric units, where it is given in kW), "Car
// weight": the field's name as a label, translated, without a mnemonic.
QString FieldLabel(InputField field, UnitSystem units = UnitSystem::Imperial);
// The unit the field is shown in: "hp" or "kW", "degrees"; empty for the
// shift counts.
QString FieldUnit(InputField field, UnitSystem units);
// The field's range test (its bounds in the classic units).
const RangeTest& FieldRange(InputField field);
// "100–1,500 hp": the range in the shown units, for hints.
QString FieldRangeText(InputField field, UnitSystem units, const QLocale& locale);
// Slider steps per classic unit: 1 hp, 5 lb, 0.001, 0.05 ft², half a
// degree, 0.01 s, whole shifts.
double SliderStepsPerUnit(InputField field);
// Decimals a spin box or a box shows for the field.
int FieldDecimals(InputField field, UnitSystem units);
// A value as a report or an export shows it: in the classic units the
// shortest text that reads back as the very number (so a shared report
// reproduces the car), converted with the box's decimals in metric units.
QString FieldValueText(double classicValue, InputField field, UnitSystem units, const QLocale& locale);

// What people change most first.
inline constexpr std::array<InputField, InputFieldCount> SliderOrder = {
    InputField::Horsepower,      InputField::CarWeight,         InputField::DragCoefficient,
    InputField::GrillArea,       InputField::WindshieldArea,    InputField::WindshieldAngle,
    InputField::SpinTime,        InputField::AvailableShifts,   InputField::QuarterMileShifts,
};

// "Engine", "Peak torque": a road key's name as a label, translated.
QString RoadFieldLabel(RoadKey key);
// What a road key measures: torque, an area, or a plain number (the engine
// speeds, the gears and the choices).
Quantity RoadKeyQuantity(RoadKey key);
// The unit a road key is shown in ("lb-ft" or "N·m", "rpm"); empty for the
// gears and the choices.
QString RoadKeyUnit(RoadKey key, UnitSystem units);
// "1,000–25,000 rpm": a number key's range in the shown units.
QString RoadKeyRangeText(RoadKey key, UnitSystem units, const QLocale& locale);
// The label of a choice key's word, by its place among RoadKeyWords
// ("Electric", "All-wheel drive").
QString RoadWordLabel(RoadKey key, int word);
// A road key's text as a file keeps it (classic units, "." as the decimal
// point) as the unit system shows it, and a typed text back. A text that is
// not a number stays as it is, for the key's check to name.
QString ShownRoadText(const QString& classicText, RoadKey key, UnitSystem units);
QString ClassicRoadText(const QString& shownText, RoadKey key, UnitSystem units);
