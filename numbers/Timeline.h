// SPDX-License-Identifier: GPL-3.0-or-later
// One timeline for a run: the elapsed time a stopwatch shows for any raw
// time of the motion law, as one non-decreasing function.
//
// The motion law runs in raw time; the car first stands still while its
// wheels spin, and its shifts cost time along the way. The classic results
// count that loss of time differently at each mark: the 0-60 mph time adds
// the spin time and half the quarter-mile shift time, the 0-80 and 0-100
// mph times and the quarter mile all the quarter-mile shift time, the top
// speed every available shift. The timeline is one loss of time for the
// whole run, non-decreasing in the raw time (docs/DESIGN.md, "One
// timeline"):
//
// - its knots are the classic marks, each at its raw time with its classic
//   loss: the start (raw 0, the spin time), the 60, 80 and 100 mph marks, the
//   quarter mile, and the top speed;
// - the quarter mile is always a knot, and so is the top speed when the car
//   reaches it after the quarter mile (its loss is then the larger);
// - any other mark is a knot only if its loss lies between the losses of
//   the knots before it and those of the quarter mile (and the top speed)
//   after it; a mark that does not is off the timeline, and is shown at its
//   classic time;
// - between knots the loss is linear in the raw time, after the last knot it
//   stays at the last knot's loss.
//
// ElapsedAt gives the raw time plus that loss; at a knot it gives the
// classic result itself, bit for bit, so the quarter-mile time is always on
// the timeline. Plain standard C++ (no Qt), built from a finished record.
#pragma once

#include "engine/Simulation.h"

#include <array>
#include <span>

// The classic marks, in the order a run passes them when the top speed
// comes last.
enum class TimelineMark { Start, Sixty, Eighty, Hundred, QuarterMile, TopSpeed };

class Timeline {
public:
    // A mark on the timeline: its raw time, its classic loss of time, and
    // its classic elapsed time (the result's own double).
    struct Knot {
        TimelineMark mark;
        double raw;
        double loss;
        double elapsed;
    };

    // An empty timeline (no finished run): every elapsed time is NaN.
    Timeline() = default;
    // The timeline of a finished run; empty unless the record finished.
    static Timeline Of(const SimulationRecord& record);

    bool IsEmpty() const { return count == 0; }
    // The elapsed time at raw time `raw` (s): non-decreasing in `raw`, the
    // classic result at every knot. NaN for an empty timeline or a NaN.
    double ElapsedAt(double raw) const;
    // The loss of time at `raw` (s): non-decreasing in `raw`.
    double LossAt(double raw) const;
    // Whether the mark's classic result lies on the timeline (a mark never
    // passed does not).
    bool OnTimeline(TimelineMark mark) const;
    // The knots, in raw-time order.
    std::span<const Knot> Knots() const { return { knots.data(), count }; }

private:
    // The first knot at or after `raw`: count when there is none.
    std::size_t KnotFrom(double raw) const;
    // The loss at `raw`, whose first knot at or after it is knot b.
    double LossFrom(std::size_t b, double raw) const;

    // At most one knot per mark, held in place (a run's timeline costs no
    // allocation).
    std::array<Knot, 6> knots{};
    std::size_t count = 0;
};
