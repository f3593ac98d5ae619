// SPDX-License-Identifier: GPL-3.0-or-later
// The drag racers' rules of thumb: a quarter-mile elapsed time and trap
// speed from the weight and the rated horsepower alone, set beside the
// engine's answer in the comparison. Each rule is ET = a·(W/hp)^⅓ and
// trap = b·(hp/W)^⅓ with W in pounds and hp the rated power as typed.
#pragma once

#include <array>

enum class EstimateRule { Hale, Fox, Huntington };
inline constexpr std::array<EstimateRule, 3> AllEstimateRules = {
    EstimateRule::Hale, EstimateRule::Fox, EstimateRule::Huntington
};

struct EstimateFactors {
    double elapsedTime; // seconds per (lb/hp)^⅓
    double trapSpeed;   // mph per (hp/lb)^⅓
};

EstimateFactors FactorsOf(EstimateRule rule);
// The rule's name as drag racers know it ("Hale", "Fox", "Huntington").
const char* RuleName(EstimateRule rule);

// NaN when the weight or the power is not a positive finite number.
double EstimatedElapsedTime(EstimateRule rule, double weightPounds, double horsepower);
double EstimatedTrapSpeed(EstimateRule rule, double weightPounds, double horsepower);
