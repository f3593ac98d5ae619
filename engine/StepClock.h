// SPDX-License-Identifier: GPL-3.0-or-later
// The time sequence of the runs: the time after n steps is the step size
// added n times from zero, t(n) = t(n-1) + step, rounded as every addition
// rounds. StepClock gives t(n) for any n, and the first step at which the
// time reaches a given value, without walking the steps, and gives exactly
// the doubles that the repeated addition gives.
//
// Within one binade [2^e, 2^(e+1)) every time is a multiple of the same
// unit in the last place, so once two successive additions have moved the
// time by the same amount, every further addition moves it by that amount
// again until the sum comes near the top of the binade (see StepClock.cpp).
// The clock therefore holds a few runs per binade, each an arithmetic
// sequence t(first) + (n - first) * increment, which is exact there.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

class StepClock {
public:
    // A step count that the time never reaches (the sum stops growing once
    // the step is below half a unit in the last place of the time).
    static constexpr std::int64_t Never = std::numeric_limits<std::int64_t>::max();

    explicit StepClock(double step);

    // A clock for `step`, shared by every record that uses the same step:
    // the sequence depends on the step alone and never changes.
    static std::shared_ptr<const StepClock> For(double step);

    double Step() const { return step; }
    // t(n); 0 for n <= 0.
    double TimeAt(std::int64_t n) const;
    // The first n >= 0 with !(t(n) < time): the first time not below it.
    std::int64_t FirstStepNotBelow(double time) const;
    // The first n >= 0 with !(time >= t(n)): the first time beyond it.
    std::int64_t FirstStepBeyond(double time) const;

private:
    // t(n) = time + (n - first) * increment for first <= n <= last.
    struct Run {
        std::int64_t first;
        std::int64_t last;
        double time;
        double increment;
        double TimeAt(std::int64_t n) const { return time + static_cast<double>(n - first) * increment; }
        double LastTime() const { return increment == 0 ? time : TimeAt(last); }
    };

    template <typename Reached>
    std::int64_t FirstStepWhere(double time, Reached reached) const;
    std::size_t RunNear(double time) const;

    double step;
    std::vector<Run> runs;
    // For each binade from that of the step upwards, the first run whose
    // times reach into it; a starting point for the look-ups.
    int lowestBinade = 0;
    std::vector<std::size_t> runOfBinade;
};
