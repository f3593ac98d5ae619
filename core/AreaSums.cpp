// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/AreaSums.h"

#include "core/NumberText.h"

namespace {

// Inches to feet: times 1/12 in extended precision, rounded to single.
float feetFromInches(const QString& text)
{
    const float inches = static_cast<float>(DecimalFromText(text));
    return static_cast<float>(static_cast<long double>(inches) * (1.0L / 12.0L));
}

} // namespace

QString AreaTextFromCentimetres(const QString& widthCentimetres, const QString& heightCentimetres)
{
    constexpr double squareFeetPerSquareCentimetre = 1 / (30.48 * 30.48);
    const double area = DecimalFromText(widthCentimetres) * DecimalFromText(heightCentimetres)
                        * squareFeetPerSquareCentimetre;
    return FormatFixed(area, 1, 2);
}

QString AreaText(const QString& widthInches, const QString& heightInches)
{
    const float area = feetFromInches(widthInches) * feetFromInches(heightInches);
    return FormatFixed(static_cast<double>(area), 6, 2, true);
}
