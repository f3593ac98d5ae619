// SPDX-License-Identifier: GPL-3.0-or-later
// The day's air with its messages: the figures and their formulas are
// numbers/Air.h; here the range messages of the boxes that hold the
// conditions, translated (empty when a value is fine), and the warning for
// a pressure that looks like the other kind (PressureKindWarning). Nothing
// here shows a message.
#pragma once

#include "numbers/Air.h"

#include <QString>

#include <array>

// One range test: a value passes when low <= value <= high (a NaN fails).
struct AirRange {
    AirField field;
    double low;
    double high;
    const char* message;
};

// The five tests, in AirField order: temperature −40 to 140 °F, station
// pressure 20 to 32 inHg, humidity 0 to 100 %, altimeter setting 20 to
// 32 inHg, elevation −1,500 to 14,000 ft.
const std::array<AirRange, 5>& AirRanges();

// The message of one box's test ("The temperature must be between -40 and
// 140 °F."); empty when the value passes.
QString AirFieldMessage(AirField field, double value);
// The first failing message of the temperature, the station pressure and
// the humidity, in that order; empty when all pass.
QString AirRangeMessage(const AirConditions& air);
// The message for an altimeter setting and an elevation: each box's own
// test, then the station pressure they stand for, which must pass the
// station pressure's test; empty when all pass.
QString AltimeterMessage(double altimeterSetting, double elevation);

// The two kinds of pressure racers have: the station (uncorrected) pressure
// a barometer at the track reads, and the altimeter setting of a weather
// report, which is that pressure reduced to sea level.
enum class PressureKind { Station, Altimeter };

// The standard atmosphere's sea-level pressure, inHg.
inline constexpr double StandardSeaLevelPressure = 29.92;
// How far a pressure may lie from the standard pressure of its kind before
// it looks like the other kind, inHg. The weather moves a pressure by about
// 1 inHg either way; the two kinds part by about 1 inHg a 1,000 ft.
inline constexpr double PressureKindTolerance = 1.5;

// The standard pressure of a kind at an elevation (ft): for a station
// pressure the standard atmosphere's pressure there
// (StationPressureFromAltimeter of 29.92 inHg), for an altimeter setting
// 29.92 inHg at any elevation.
double StandardPressure(PressureKind kind, double elevation);

// A warning for a pressure (inHg) more than PressureKindTolerance from the
// standard pressure of its kind at the elevation (ft; 0 when none is
// known): it looks like the other kind. Empty when it does not, or when a
// value is not a finite number.
QString PressureKindWarning(PressureKind kind, double pressure, double elevation);
