// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/Estimates.h"

#include <cmath>
#include <limits>

namespace {

bool usable(double weightPounds, double horsepower)
{
    return std::isfinite(weightPounds) && std::isfinite(horsepower) && weightPounds > 0
           && horsepower > 0;
}

} // namespace

EstimateFactors FactorsOf(EstimateRule rule)
{
    switch (rule) {
    case EstimateRule::Hale: return { 5.825, 234 };
    case EstimateRule::Fox: return { 6.269, 230 };
    case EstimateRule::Huntington: return { 6.290, 224 };
    }
    return { 0, 0 };
}

const char* RuleName(EstimateRule rule)
{
    switch (rule) {
    case EstimateRule::Hale: return "Hale";
    case EstimateRule::Fox: return "Fox";
    case EstimateRule::Huntington: return "Huntington";
    }
    return "";
}

double EstimatedElapsedTime(EstimateRule rule, double weightPounds, double horsepower)
{
    if (!usable(weightPounds, horsepower))
        return std::numeric_limits<double>::quiet_NaN();
    return FactorsOf(rule).elapsedTime * std::cbrt(weightPounds / horsepower);
}

double EstimatedTrapSpeed(EstimateRule rule, double weightPounds, double horsepower)
{
    if (!usable(weightPounds, horsepower))
        return std::numeric_limits<double>::quiet_NaN();
    return FactorsOf(rule).trapSpeed * std::cbrt(horsepower / weightPounds);
}
