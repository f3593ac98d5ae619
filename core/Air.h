// SPDX-License-Identifier: GPL-3.0-or-later
// The day's air with its messages: the figures and their formulas are
// numbers/Air.h; here the range messages of the boxes that hold the
// conditions, translated (empty when a value is fine). Nothing here shows a
// message.
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
