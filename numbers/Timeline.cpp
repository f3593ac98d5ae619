// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/Timeline.h"

#include <algorithm>
#include <cmath>
#include <limits>

Timeline Timeline::Of(const SimulationRecord& record)
{
    Timeline timeline;
    if (record.Outcome() != SimulationOutcome::Finished)
        return timeline;

    // Each mark with its classic loss, written as the results add it (the
    // results add the raw time first, so a knot's elapsed time is the
    // result itself, not raw + loss).
    const SimulationResults r = record.Results();
    const double spin = record.SpinTime();
    const double shifts = record.QuarterMileShiftTime();
    const double quarterLoss = shifts + spin;
    // In raw-time order, each mark put in its place as it comes; at equal
    // raw times in the order written here (the quarter mile before the top
    // speed).
    std::array<Knot, 6> marks;
    std::size_t count = 0;
    auto place = [&marks, &count](const Knot& k) {
        std::size_t i = count++;
        for (; i > 0 && marks[i - 1].raw > k.raw; --i)
            marks[i] = marks[i - 1];
        marks[i] = k;
    };
    place({ TimelineMark::Start, 0, spin, spin });
    if (record.SixtyMarkStep() > 0)
        place({ TimelineMark::Sixty, record.SixtyMarkTime(), 0.5 * shifts + spin, r.zeroToSixtyTime });
    if (record.EightyMarkStep() > 0)
        place({ TimelineMark::Eighty, record.EightyMarkTime(), quarterLoss, r.zeroToEightyTime });
    if (record.HundredMarkStep() > 0)
        place({ TimelineMark::Hundred, record.HundredMarkTime(), quarterLoss, r.zeroToHundredTime });
    const Knot quarter{ TimelineMark::QuarterMile, record.QuarterMileRunTime(), quarterLoss,
                        r.quarterMileTime };
    const Knot top{ TimelineMark::TopSpeed, record.RawTopSpeedTime(),
                    record.AvailableShifts() * record.ShiftTime() + spin, r.topSpeedTime };
    place(quarter);
    place(top);
    const auto end = marks.begin() + static_cast<std::ptrdiff_t>(count);

    // The knots that must be on the timeline: the start, the quarter mile,
    // and the top speed when it comes after the quarter mile (with a loss
    // and a time no less than the quarter mile's, as the input ranges
    // ensure: there are more available shifts than quarter-mile shifts).
    const bool topFixed =
        top.raw > quarter.raw && top.loss >= quarter.loss && top.elapsed >= quarter.elapsed;
    auto fixed = [topFixed](const Knot& k) {
        return k.mark == TimelineMark::Start || k.mark == TimelineMark::QuarterMile
               || (k.mark == TimelineMark::TopSpeed && topFixed);
    };
    // Any other mark is a knot when its loss and time lie between those of
    // the last knot and those of every fixed knot after it.
    for (auto k = marks.begin(); k != end; ++k) {
        if (!fixed(*k)) {
            const Knot* last = timeline.count > 0 ? &timeline.knots[timeline.count - 1] : nullptr;
            if (last && (k->loss < last->loss || k->elapsed < last->elapsed))
                continue;
            const bool belowLater = std::all_of(k + 1, end, [&](const Knot& m) {
                return !fixed(m) || (k->loss <= m.loss && k->elapsed <= m.elapsed);
            });
            if (!belowLater)
                continue;
        }
        timeline.knots[timeline.count++] = *k;
    }
    return timeline;
}

std::size_t Timeline::KnotFrom(double raw) const
{
    const auto begin = knots.begin();
    const auto at = std::lower_bound(begin, begin + static_cast<std::ptrdiff_t>(count), raw,
                                     [](const Knot& k, double value) { return k.raw < value; });
    return static_cast<std::size_t>(at - begin);
}

double Timeline::LossAt(double raw) const
{
    if (count == 0 || std::isnan(raw))
        return std::numeric_limits<double>::quiet_NaN();
    return LossFrom(KnotFrom(raw), raw);
}

double Timeline::LossFrom(std::size_t b, double raw) const
{
    if (b == count)
        return knots[count - 1].loss;
    if (b == 0 || knots[b].raw == raw)
        return knots[b].loss;
    // Linear between the knots a and c, a.raw < raw < c.raw; each operation
    // is non-decreasing in `raw`, and the clamp keeps the rounding within
    // the two knots' losses, so the whole is non-decreasing.
    const Knot& a = knots[b - 1];
    const Knot& c = knots[b];
    const double loss = a.loss + (raw - a.raw) / (c.raw - a.raw) * (c.loss - a.loss);
    return std::clamp(loss, a.loss, c.loss);
}

double Timeline::ElapsedAt(double raw) const
{
    if (count == 0 || std::isnan(raw))
        return std::numeric_limits<double>::quiet_NaN();
    const std::size_t b = KnotFrom(raw);
    if (b < count && knots[b].raw == raw)
        return knots[b].elapsed;
    // raw + loss is non-decreasing in `raw` (both terms are, and rounding a
    // sum keeps its order); kept within the neighbouring knots' elapsed
    // times, it stays below every later knot and above every earlier one.
    const double elapsed = raw + LossFrom(b, raw);
    if (b == 0)
        return std::min(elapsed, knots[0].elapsed);
    if (b == count)
        return std::max(elapsed, knots[count - 1].elapsed);
    return std::clamp(elapsed, knots[b - 1].elapsed, knots[b].elapsed);
}

bool Timeline::OnTimeline(TimelineMark mark) const
{
    const std::span<const Knot> all = Knots();
    return std::any_of(all.begin(), all.end(), [this, mark](const Knot& k) {
        return k.mark == mark && ElapsedAt(k.raw) == k.elapsed;
    });
}
