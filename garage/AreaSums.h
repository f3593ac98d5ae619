// The area calculator's sums for the car form: a width and a height in
// inches to an area in square feet, worked in single precision exactly as
// the classic area calculator works them, so the two programs give the same
// area for the same measurements.
#pragma once

#include <QString>

// The area as the calculator writes it ("%-6.2f", trailing spaces trimmed),
// ready to stand as a grill or windshield area text.
QString AreaTextFromInches(const QString& widthInches, const QString& heightInches);
