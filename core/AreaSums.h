// The area calculator's sums: a width and a height measured in inches to an
// area in square feet, worked in single precision as the calculator always
// has, so every window gives the same area for the same measurements.
#pragma once

#include <QString>

// The area in square feet, formatted "%-6.2f" (trailing spaces and all).
QString AreaText(const QString& widthInches, const QString& heightInches);
