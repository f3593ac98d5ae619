// SPDX-License-Identifier: GPL-3.0-or-later
#include "StepClock.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <mutex>

// Why the runs are exact. Take a time t in the binade [2^e, 2^(e+1)), where
// the doubles are the multiples of u = 2^(e-52). While the exact sum t + step
// stays below 2^(e+1) - u/2, the addition rounds it to a multiple of u, so it
// adds q*u or (q+1)*u, where q*u <= step < (q+1)*u; which one depends on t
// only when step/u is exactly q + 1/2, a tie. Without a tie every addition in
// the binade adds the same amount. With a tie, rounding to even leaves the
// time an even multiple of u after at most two additions, and from then on
// every addition adds the same amount. Either way, two successive additions
// within the binade that add the same amount show that every further one
// adds it too, up to the top of the binade. The clock checks that, then
// jumps over the interior of the binade, stopping a few steps short of the
// top; the additions near the edges of a binade are made one by one. A
// product (n - first) * increment and the sum time + that product are exact
// too: both are multiples of u below 2^(e+1).
StepClock::StepClock(double step)
    : step(step)
{
    runs.push_back({ 0, 0, 0.0, 0.0 });
    if (!(step > 0) || !std::isfinite(step)) {
        // The time never grows (or is not a time at all).
        runs.back().last = Never;
        return;
    }

    std::int64_t n = 0;
    double t = 0;
    for (;;) {
        const double next = t + step;
        if (!(next > t)) {
            // The step is below half a unit in the last place of the time:
            // the sum stays where it is for ever.
            runs.push_back({ n + 1, Never, t, 0.0 });
            break;
        }
        ++n;
        if (std::isinf(next)) {
            runs.push_back({ n, Never, next, 0.0 });
            break;
        }
        const double increment = next - t; // exact: t is 0 or at least the step
        Run& run = runs.back();
        const bool single = run.last == run.first;
        const double runIncrement = single ? increment : run.increment;
        if (runIncrement == increment
            && run.time + static_cast<double>(n - run.first) * runIncrement == next) {
            run.increment = runIncrement;
            run.last = n;
        } else {
            runs.push_back({ n, n, next, 0.0 });
        }
        t = next;

        Run& current = runs.back();
        if (current.last - current.first < 2)
            continue;
        const int binade = std::ilogb(t);
        const double bottom = std::ldexp(1.0, binade);
        const double top = std::ldexp(1.0, binade + 1);
        if (t - 2 * current.increment < bottom)
            continue; // the two equal additions did not both start inside this binade
        const double room = (top - t) - step;
        if (!(room > 0))
            continue;
        const double jumps = std::floor(room / current.increment) - 4;
        if (jumps < 1)
            continue;
        const std::int64_t count = static_cast<std::int64_t>(std::min(jumps, 0x1p52));
        current.last += count;
        n += count;
        t = current.TimeAt(n);
    }

    // The look-up table: for each binade, the first run that reaches it.
    lowestBinade = std::ilogb(step);
    double highest = 0;
    for (const Run& run : runs)
        if (std::isfinite(run.LastTime()))
            highest = std::max(highest, run.LastTime());
    const int highestBinade = std::max(lowestBinade, std::ilogb(highest));
    std::size_t index = 0;
    for (int binade = lowestBinade; binade <= highestBinade; ++binade) {
        const double bottom = std::ldexp(1.0, binade);
        while (index + 1 < runs.size() && runs[index].LastTime() < bottom)
            ++index;
        runOfBinade.push_back(index);
    }
}

std::shared_ptr<const StepClock> StepClock::For(double step)
{
    // Records are made by the thousand with the same step; the sequence is
    // built once per step and shared. It is immutable, so sharing it across
    // threads needs the lock only for the look-up.
    static std::mutex mutex;
    static std::vector<std::shared_ptr<const StepClock>> clocks;
    const std::lock_guard<std::mutex> lock(mutex);
    // The same step is the same bits, compared as bytes: std::bit_cast is
    // missing from some of the standard libraries the engine is built with.
    for (const auto& clock : clocks)
        if (std::memcmp(&clock->step, &step, sizeof step) == 0)
            return clock;
    auto clock = std::make_shared<const StepClock>(step);
    constexpr std::size_t kept = 16;
    if (clocks.size() >= kept)
        clocks.erase(clocks.begin());
    clocks.push_back(clock);
    return clock;
}

std::size_t StepClock::RunNear(double time) const
{
    if (runOfBinade.empty() || !(time >= step))
        return 0;
    const int binade = std::ilogb(time); // INT_MAX for an infinite time
    const std::int64_t offset = std::min<std::int64_t>(static_cast<std::int64_t>(binade) - lowestBinade,
                                                       static_cast<std::int64_t>(runOfBinade.size()) - 1);
    return runOfBinade[static_cast<std::size_t>(std::max<std::int64_t>(0, offset))];
}

double StepClock::TimeAt(std::int64_t n) const
{
    if (n <= 0)
        return 0;
    // n * step is close to t(n): it finds the binade, give or take one.
    std::size_t i = RunNear(static_cast<double>(n) * step);
    while (i + 1 < runs.size() && runs[i + 1].first <= n)
        ++i;
    while (runs[i].first > n)
        --i;
    return runs[i].TimeAt(n);
}

template <typename Reached>
std::int64_t StepClock::FirstStepWhere(double time, Reached reached) const
{
    if (reached(0.0))
        return 0;
    std::size_t i = RunNear(time);
    while (i < runs.size() && !reached(runs[i].LastTime()))
        ++i;
    if (i == runs.size())
        return Never;
    while (i > 0 && reached(runs[i - 1].LastTime()))
        --i;
    const Run& run = runs[i];
    if (reached(run.time))
        return run.first;
    // Within the run the times grow by the increment (which is not 0 here:
    // a run with a zero increment keeps one time, and that did not reach).
    const std::int64_t span = run.last - run.first;
    const double estimate = std::ceil((time - run.time) / run.increment);
    std::int64_t j = estimate >= static_cast<double>(span) ? span
                     : estimate <= 1                        ? 1
                                                            : static_cast<std::int64_t>(estimate);
    while (j > 1 && reached(run.TimeAt(run.first + j - 1)))
        --j;
    while (!reached(run.TimeAt(run.first + j)))
        ++j;
    return run.first + j;
}

std::int64_t StepClock::FirstStepNotBelow(double time) const
{
    return FirstStepWhere(time, [time](double t) { return !(t < time); });
}

std::int64_t StepClock::FirstStepBeyond(double time) const
{
    return FirstStepWhere(time, [time](double t) { return !(time >= t); });
}
