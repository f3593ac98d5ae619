// SPDX-License-Identifier: GPL-3.0-or-later
// The area calculator's sums: a width and a height measured in inches to an
// area in square feet, worked in single precision as the calculator always
// has, so every window gives the same area for the same measurements.
#pragma once

#include <QString>

// The area in square feet, formatted "%-6.2f" (trailing spaces and all).
QString AreaText(const QString& widthInches, const QString& heightInches);
// The same from a width and a height in centimetres, in double precision:
// the area in square feet with two decimals, as a box keeps it.
QString AreaTextFromCentimetres(const QString& widthCentimetres, const QString& heightCentimetres);
