// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/DialIn.h"

#include "numbers/DayRun.h"

#include <cmath>

double StandardDayTime(double elapsedTime, const AirFigures& air)
{
    return elapsedTime * std::cbrt(HorsepowerOnDay(1, air));
}

std::optional<StraightLine> LeastSquaresLine(const std::vector<LinePoint>& points)
{
    if (points.size() < 2)
        return std::nullopt;
    // About the means, which keeps the sums small for x of thousands of ft.
    const double n = static_cast<double>(points.size());
    double meanX = 0;
    double meanY = 0;
    for (const LinePoint& p : points) {
        meanX += p.x;
        meanY += p.y;
    }
    meanX /= n;
    meanY /= n;
    double sxx = 0;
    double sxy = 0;
    for (const LinePoint& p : points) {
        sxx += (p.x - meanX) * (p.x - meanX);
        sxy += (p.x - meanX) * (p.y - meanY);
    }
    // A spread no wider than rounding leaves is no spread.
    if (!(sxx > 1e-12 * n * (1 + meanX * meanX)))
        return std::nullopt;
    StraightLine line;
    line.slope = sxy / sxx;
    line.intercept = meanY - line.slope * meanX;
    return line;
}
