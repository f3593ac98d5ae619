// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/Fit.h"

#include "numbers/Checks.h"
#include "numbers/RoadRun.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <future>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <tuple>

namespace {

constexpr double Infinite = std::numeric_limits<double>::infinity();

// The figures the fit counts, with the split that predicts each. The
// quarter mile's time and speed carry the fit; each launch figure (the 60 ft
// and the eighth mile) is weighed against the quarter-mile figure of its
// kind (`reference`) by its own scatter.
struct FittedFigure {
    std::optional<double> RunFigures::*given;
    double SplitTimes::*predicted;
    bool time;     // a time (which the spin time lengthens) or a speed
    int reference; // the quarter-mile figure it is weighed against; -1 for those
};

constexpr std::array<FittedFigure, 5> FittedFigures = { {
    { &RunFigures::sixtyFootTime, &SplitTimes::sixtyFootTime, true, 3 },
    { &RunFigures::eighthMileTime, &SplitTimes::eighthMileTime, true, 3 },
    { &RunFigures::eighthMileSpeed, &SplitTimes::eighthMileSpeed, false, 4 },
    { &RunFigures::quarterMileTime, &SplitTimes::quarterMileTime, true, -1 },
    { &RunFigures::quarterMileSpeed, &SplitTimes::quarterMileSpeed, false, -1 },
} };

// The most a launch figure weighs against a quarter-mile one: together the
// three never outweigh the quarter mile's time.
constexpr double LaunchShare = 0.25;

using FigureWeights = std::array<double, FittedFigures.size()>;

// The members of a run and of a residual that hold each split, in
// SplitFigure order.
struct SplitMembers {
    SplitFigure figure;
    std::optional<double> RunFigures::*given;
    SlipFigure SlipResidual::*residual;
};

constexpr std::array<SplitMembers, SplitFigures.size()> splitMembers = { {
    { SplitFigure::SixtyFootTime, &RunFigures::sixtyFootTime, &SlipResidual::sixtyFootTime },
    { SplitFigure::ThreeThirtyFootTime, &RunFigures::threeThirtyFootTime, &SlipResidual::threeThirtyFootTime },
    { SplitFigure::EighthMileTime, &RunFigures::eighthMileTime, &SlipResidual::eighthMileTime },
    { SplitFigure::EighthMileSpeed, &RunFigures::eighthMileSpeed, &SlipResidual::eighthMileSpeed },
    { SplitFigure::ThousandFootTime, &RunFigures::thousandFootTime, &SlipResidual::thousandFootTime },
    { SplitFigure::QuarterMileTime, &RunFigures::quarterMileTime, &SlipResidual::quarterMileTime },
    { SplitFigure::QuarterMileSpeed, &RunFigures::quarterMileSpeed, &SlipResidual::quarterMileSpeed },
} };
static_assert(InEnumOrder(splitMembers, &SplitMembers::figure));

// The runs of a fit, each with the day's air it was run on. Runs on the
// same air share that day's figures, and one run of the model each time the
// fit tries a horsepower.
struct RunDays {
    std::vector<const RunFigures*> runs;
    std::vector<AirFigures> days; // the distinct days' air, by first run
    std::vector<int> dayOf;       // for each run, its day
};

// One fitted figure of a day's runs: how many give it, their mean and the
// sum of the squares of their differences from the mean (Welford's sums),
// from which the sum of squares about any model's value follows:
// count · (value − mean)² + squares.
struct FigureSums {
    double count = 0;
    double mean = 0;
    double squares = 0;

    void Add(double value)
    {
        count += 1;
        const double d = value - mean;
        mean += d / count;
        squares += d * (value - mean);
    }
};

// The runs of one day in a fit: the day's air and the sums of each fitted
// figure over its runs.
struct DayGroup {
    const AirFigures* air = nullptr;
    std::array<FigureSums, FittedFigures.size()> figures{};
    int day = 0; // its place among the fit's days
    FigureWeights weight{}; // the fit's weights, the same in every group
};

// The weights of the figures in a fit: 1 for the quarter mile's time and
// speed; for a launch figure LaunchShare times the ratio of the variances
// of its reference and of itself within the days (pooled over the days with
// two runs or more that give it), at most 1: a launch figure that scatters
// more than the quarter mile weighs less. Without runs to measure the
// scatter, LaunchShare.
FigureWeights weightsOf(const std::vector<DayGroup>& groups)
{
    std::array<double, FittedFigures.size()> squares{};
    std::array<double, FittedFigures.size()> freedom{};
    for (const DayGroup& g : groups)
        for (std::size_t f = 0; f < FittedFigures.size(); ++f)
            if (g.figures[f].count >= 2) {
                squares[f] += g.figures[f].squares;
                freedom[f] += g.figures[f].count - 1;
            }
    FigureWeights weight{};
    for (std::size_t f = 0; f < FittedFigures.size(); ++f) {
        const int reference = FittedFigures[f].reference;
        if (reference < 0) {
            weight[f] = 1;
            continue;
        }
        const auto r = static_cast<std::size_t>(reference);
        const double own = freedom[f] > 0 ? squares[f] / freedom[f] : 0;
        const double theirs = freedom[r] > 0 ? squares[r] / freedom[r] : 0;
        weight[f] = own > 0 && theirs > 0 ? LaunchShare * std::min(1.0, theirs / own) : LaunchShare;
    }
    return weight;
}

// The days of the runs `chosen` (places in `fit`), in the order of their
// first run: the groups the profile sums over.
std::vector<DayGroup> groupsOf(const RunDays& fit, const std::vector<int>& chosen)
{
    std::vector<DayGroup> groups;
    std::vector<int> groupOfDay(fit.days.size(), -1);
    for (int i : chosen) {
        const int day = fit.dayOf[static_cast<std::size_t>(i)];
        int& group = groupOfDay[static_cast<std::size_t>(day)];
        if (group < 0) {
            group = static_cast<int>(groups.size());
            groups.push_back({ &fit.days[static_cast<std::size_t>(day)], {}, day });
        }
        DayGroup& g = groups[static_cast<std::size_t>(group)];
        const RunFigures& run = *fit.runs[static_cast<std::size_t>(i)];
        for (std::size_t f = 0; f < FittedFigures.size(); ++f)
            if (const std::optional<double>& given = run.*FittedFigures[f].given)
                g.figures[f].Add(*given);
    }
    const FigureWeights weight = weightsOf(groups);
    for (DayGroup& g : groups)
        g.weight = weight;
    return groups;
}

std::vector<int> allRunsOf(const RunDays& fit)
{
    std::vector<int> all(fit.runs.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    return all;
}

bool cancelled(const std::atomic<bool>* cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

// Fewer days than this are run on the calling thread alone: a thread's
// start would cost more than it saves.
constexpr std::size_t DaysForThreads = 2048;

// Calls `work(i)` for every i below `count`, in contiguous shares on up to
// `jobs` threads (the calling one among them). Each i is written by one
// thread only, so what the calls leave is the same however many run.
template <typename Work>
void forEachDay(std::size_t count, int jobs, const Work& work)
{
    const std::size_t threads = count < DaysForThreads ? 1 : static_cast<std::size_t>(std::max(1, jobs));
    auto share = [&](std::size_t t) {
        for (std::size_t i = count * t / threads; i < count * (t + 1) / threads; ++i)
            work(i);
    };
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(share, t);
        } catch (const std::system_error&) {
            // No more threads to be had: this one does the rest.
            for (std::size_t rest = t; rest < threads; ++rest)
                share(rest);
            break;
        }
    }
    share(0);
    for (std::thread& helper : helpers)
        helper.join();
}

// The model's splits (none where it does not finish) on every day of a fit
// at a horsepower, spin time 0, kept for the last few horsepowers tried and
// shared by the validation's searches: theirs start alike from the fit on
// all runs and, on runs that mostly agree, try the same horsepowers, which
// are then run once for all of them. A horsepower being run by one thread
// is waited for by the others.
class SharedDays {
public:
    using Splits = std::vector<std::optional<SplitTimes>>;

    SharedDays(const CarInputs& typed, const RunDays& fit, const std::atomic<bool>* cancel)
        : car(typed), fit(fit), cancel(cancel)
    {
        car.spinTime = 0;
    }

    std::shared_ptr<const Splits> At(double horsepower)
    {
        std::unique_lock lock(mutex);
        ++clock;
        if (const auto found = kept.find(horsepower); found != kept.end()) {
            found->second.used = clock;
            std::shared_future<std::shared_ptr<const Splits>> made = found->second.splits;
            lock.unlock();
            return made.get();
        }
        if (kept.size() >= Kept) {
            auto oldest = kept.begin();
            for (auto entry = kept.begin(); entry != kept.end(); ++entry)
                if (entry->second.used < oldest->second.used)
                    oldest = entry;
            kept.erase(oldest);
        }
        std::promise<std::shared_ptr<const Splits>> promise;
        kept[horsepower] = { promise.get_future().share(), clock };
        lock.unlock();
        CarInputs run = car;
        run.horsepower = horsepower;
        auto splits = std::make_shared<Splits>(fit.days.size());
        for (std::size_t day = 0; day < fit.days.size() && !cancelled(cancel); ++day) {
            const DayResults result = RunCarOnDay(run, fit.days[day]);
            if (result.run.Finished())
                (*splits)[day] = result.splits;
        }
        promise.set_value(splits);
        return splits;
    }

private:
    static constexpr std::size_t Kept = 12;
    struct Entry {
        std::shared_future<std::shared_ptr<const Splits>> splits;
        std::uint64_t used = 0;
    };
    CarInputs car;
    const RunDays& fit;
    const std::atomic<bool>* cancel;
    std::mutex mutex;
    std::map<double, Entry> kept;
    std::uint64_t clock = 0;
};

// The sum of squares as a function of the horsepower, with the best spin
// time for that horsepower.
//
// The car is run with spin time 0; every elapsed time of the run is its raw
// time plus a loss of time that is the spin time plus a share of the shift
// time (core/Timeline), so the spin time s lengthens every time by s and
// leaves the speeds alone. For a horsepower the sum of squares is then a
// parabola in s, least at the weighted mean of the given less the predicted
// times (each figure by its weight), and held at 0 when that mean is below
// it.
struct ProfilePoint {
    double sumOfSquares = Infinite; // infinite when a run does not finish
    double spinTime = 0;            // the best spin time, 0 or more
    double freeSpinTime = 0;        // the best spin time without the bound
    int figures = 0;
};

class Profile {
public:
    // With `shared`, the days' runs are taken from it (the groups are of
    // its fit's days).
    Profile(const CarInputs& typed, const std::vector<DayGroup>& groups, const std::atomic<bool>* cancel,
            int jobs = 1, SharedDays* shared = nullptr)
        : car(typed), groups(groups), cancel(cancel), jobs(jobs), shared(shared), days(groups.size())
    {
        car.spinTime = 0;
    }

    // Once cancelled, every point is infinitely far off: the search then
    // ends at once, and its caller drops what it found.
    ProfilePoint At(double horsepower)
    {
        car.horsepower = horsepower;
        times.clear();
        double timeCount = 0;
        double timeSum = 0;
        double speedSquares = 0;
        ProfilePoint point;
        // The days run first (on several threads for many days), then summed
        // in their order, so the sums are the same however many threads ran.
        std::atomic<bool> unfinished = false;
        if (shared) {
            const std::shared_ptr<const SharedDays::Splits> all = shared->At(horsepower);
            for (std::size_t g = 0; g < groups.size() && !unfinished; ++g) {
                const std::optional<SplitTimes>& splits = (*all)[static_cast<std::size_t>(groups[g].day)];
                if (splits)
                    days[g] = *splits;
                else
                    unfinished = true;
            }
        } else {
            forEachDay(groups.size(), jobs, [&](std::size_t g) {
                if (unfinished.load(std::memory_order_relaxed) || cancelled(cancel))
                    return;
                const DayResults day = RunCarOnDay(car, *groups[g].air);
                if (day.run.Finished())
                    days[g] = day.splits;
                else
                    unfinished = true;
            });
        }
        if (unfinished || cancelled(cancel))
            return point;
        for (std::size_t index = 0; index < groups.size(); ++index) {
            const DayGroup& g = groups[index];
            const SplitTimes& splits = days[index];
            for (std::size_t f = 0; f < FittedFigures.size(); ++f) {
                const FigureSums& sums = g.figures[f];
                if (sums.count == 0)
                    continue;
                const double predicted = splits.*FittedFigures[f].predicted;
                const double weight = g.weight[f];
                if (FittedFigures[f].time) {
                    // The runs' mean time difference, given less predicted.
                    const double difference = sums.mean - predicted;
                    times.push_back({ weight * sums.count, difference, weight * sums.squares });
                    timeCount += weight * sums.count;
                    timeSum += weight * sums.count * difference;
                } else {
                    const double d = (predicted - sums.mean) / FitScale::Speed;
                    speedSquares +=
                        weight * (sums.count * (d * d) + sums.squares / (FitScale::Speed * FitScale::Speed));
                }
                point.figures += static_cast<int>(sums.count);
            }
        }
        point.freeSpinTime = timeCount == 0 ? 0 : timeSum / timeCount;
        point.spinTime = std::max(0.0, point.freeSpinTime);
        double timeSquares = 0;
        for (const TimeTerm& t : times) {
            const double r = (point.spinTime - t.difference) / FitScale::Time;
            timeSquares += t.count * (r * r) + t.squares / (FitScale::Time * FitScale::Time);
        }
        point.sumOfSquares = timeSquares + speedSquares;
        return point;
    }

private:
    struct TimeTerm {
        double count;
        double difference;
        double squares;
    };
    CarInputs car;
    const std::vector<DayGroup>& groups;
    const std::atomic<bool>* cancel;
    int jobs;
    SharedDays* shared;
    std::vector<SplitTimes> days; // the model's splits on each group's day
    std::vector<TimeTerm> times;
};

// The search's result: the horsepower and the profile there.
struct Search {
    bool found = false;
    double horsepower = 0;
    ProfilePoint point;
    bool atLowest = false;
    bool atHighest = false;
};

// Where a search starts and how it ends: from the typed horsepower with
// steps of 25 %, then golden-section search to a relative width of 1e-7. A
// validation fit starts from the fit on all runs with steps of 1 % (its runs
// are most of those, so its best horsepower lies near), then Brent's search
// (parabolas through the best three points, golden sections where they do
// not help) to 1e-5, which moves an elapsed time by some 0.00004 s, far
// below the model's 0.001-s clock.
struct SearchStart {
    double horsepower = 0; // 0: the typed horsepower
    double firstStep = 0.22314355131420976; // ln 1.25
    double width = 1e-7;
    bool parabolic = false;
};
constexpr SearchStart WarmStart(double horsepower)
{
    return { horsepower, 0.009950330853168083 /* ln 1.01 */, 1e-5, true };
}

// The least of f within [low, high], from x inside it with f(x) = fx below
// f at both ends, to within `width`: Brent's method (R. P. Brent,
// "Algorithms for Minimization without Derivatives", 1973, chapter 5), a
// parabola through the three best points where it falls well inside the
// bracket and shrinks it fast enough, else a golden section of the larger
// part. Points where f is not finite (a run that does not finish) take
// golden sections.
template <typename F>
double brentMinimum(F& f, double low, double x, double fx, double high, double width)
{
    constexpr double Golden = 0.3819660112501051; // 2 − the golden ratio
    double w = x;
    double v = x;
    double fw = fx;
    double fv = fx;
    double step = 0;    // the last step
    double earlier = 0; // the step before it
    const double tolerance = width / 4;
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        if (std::abs(x - middle) <= 2 * tolerance - (high - low) / 2)
            break;
        bool golden = true;
        if (std::abs(earlier) > tolerance && std::isfinite(fx) && std::isfinite(fw) && std::isfinite(fv)) {
            double r = (x - w) * (fx - fv);
            double q = (x - v) * (fx - fw);
            double p = (x - v) * q - (x - w) * r;
            q = 2 * (q - r);
            if (q > 0)
                p = -p;
            q = std::abs(q);
            if (std::abs(p) < std::abs(q * earlier / 2) && p > q * (low - x) && p < q * (high - x)) {
                earlier = step;
                step = p / q;
                const double u = x + step;
                if (u - low < 2 * tolerance || high - u < 2 * tolerance)
                    step = middle > x ? tolerance : -tolerance;
                golden = false;
            }
        }
        if (golden) {
            earlier = x >= middle ? low - x : high - x;
            step = Golden * earlier;
        }
        const double u = std::abs(step) >= tolerance ? x + step : x + (step > 0 ? tolerance : -tolerance);
        const double fu = f(u);
        if (fu <= fx) {
            (u >= x ? low : high) = x;
            v = w;
            fv = fw;
            w = x;
            fw = fx;
            x = u;
            fx = fu;
        } else {
            (u < x ? low : high) = u;
            if (fu <= fw || w == x) {
                v = w;
                fv = fw;
                w = u;
                fw = fu;
            } else if (fu <= fv || v == x || v == w) {
                v = u;
                fv = fu;
            }
        }
    }
    return x;
}

// The horsepower of least sum of squares, on the scale x = ln(horsepower)
// between the limits: from the start, steps of growing length downhill until
// the sum of squares rises again (a run that does not finish counts as
// infinitely far off), then golden-section search inside that bracket down
// to a relative width of 1e-7 in the horsepower.
Search searchHorsepower(const CarInputs& typed, const std::vector<DayGroup>& groups,
                        const std::atomic<bool>* cancel = nullptr, const SearchStart& start = {}, int jobs = 1,
                        SharedDays* shared = nullptr)
{
    Profile profile(typed, groups, cancel, jobs, shared);
    const double lowest = std::log(FitLimits::LowestHorsepower);
    const double highest = std::log(FitLimits::HighestHorsepower);
    auto f = [&profile](double x) { return profile.At(std::exp(x)).sumOfSquares; };
    const double FirstStep = start.firstStep;
    constexpr double Growth = 1.618034;
    const double Width = start.width;

    const double from = start.horsepower > 0 ? start.horsepower : typed.horsepower;
    double a = std::isfinite(from) && from > 0 ? std::clamp(std::log(from), lowest, highest) : std::log(200.0);
    double fa = f(a);
    // A car that does not finish on every day needs more power: walk up.
    for (double step = FirstStep; !std::isfinite(fa) && a < highest; step *= 2) {
        a = std::min(highest, a + step);
        fa = f(a);
    }
    Search search;
    if (!std::isfinite(fa))
        return search;

    // The first step goes up, or down when up is no better; when neither is
    // better, the start lies between them.
    double direction = 1;
    double b = std::min(highest, a + FirstStep);
    double fb = b == a ? Infinite : f(b);
    double c = b;
    double fc = fb;
    bool walk = fb < fa;
    if (!walk) {
        direction = -1;
        b = std::max(lowest, a - FirstStep);
        fb = b == a ? Infinite : f(b);
        walk = fb < fa;
        if (!walk) {
            std::swap(a, b);
            std::swap(fa, fb);
        }
    }
    // Walk on while the sum of squares falls.
    if (walk) {
        for (double step = FirstStep * Growth;; step *= Growth) {
            c = std::clamp(b + direction * step, lowest, highest);
            fc = c == b ? Infinite : f(c);
            if (!(fc < fb))
                break;
            a = b;
            fa = fb;
            b = c;
            fb = fc;
        }
    }
    // Now fb is the least of fa, fb, fc, with b between a and c (or at the
    // end of the search).
    double low = std::min(a, c);
    double high = std::max(a, c);
    double x = b;
    double fx = fb;
    if (start.parabolic && low < x && x < high) {
        x = brentMinimum(f, low, x, fx, high, Width);
    } else {
        constexpr double InverseGolden = 0.6180339887498949;
        double u = high - InverseGolden * (high - low);
        double v = low + InverseGolden * (high - low);
        double fu = f(u);
        double fv = f(v);
        while (high - low > Width) {
            if (fu <= fv) {
                high = v;
                v = u;
                fv = fu;
                u = high - InverseGolden * (high - low);
                fu = f(u);
            } else {
                low = u;
                u = v;
                fu = fv;
                v = low + InverseGolden * (high - low);
                fv = f(v);
            }
        }
        for (const auto& [point, value] : { std::pair{ u, fu }, std::pair{ v, fv } }) {
            if (value < fx) {
                x = point;
                fx = value;
            }
        }
    }
    search.found = true;
    search.horsepower = std::exp(x);
    search.point = profile.At(search.horsepower);
    search.atLowest = x - lowest < 2 * Width;
    search.atHighest = highest - x < 2 * Width;
    return search;
}

// The road model's sum of squares as a function of x = (ln power factor,
// ln grip factor): the same terms as the classic profile's, each figure's
// difference scaled and weighed, without a spin time (the road model's
// elapsed times are its own). `residuals` holds the terms that depend on x
// (√(weight · count) · (predicted − mean) / scale); the sums of squares of
// the runs about their days' means add a constant.
struct RoadFitPoint {
    bool finished = false;
    double sumOfSquares = Infinite;
    bool tractionLimited = false; // on some day the grip holds the launch
    int figures = 0;
    std::vector<double> residuals;
};

using RoadX = std::array<double, 2>;

class RoadProfile {
public:
    RoadProfile(const ModelledCar& typed, const std::vector<DayGroup>& groups, const std::atomic<bool>* cancel,
                int jobs)
        : typed(typed), groups(groups), cancel(cancel), jobs(jobs), runs(groups.size())
    {
    }

    RoadFitPoint At(const RoadX& x)
    {
        const ModelledCar car = ScaledRoadCar(typed, std::exp(x[0]), std::exp(x[1]));
        const RoadCar road = RoadCarOf(car);
        const RoadCalibration calibration = RoadCalibrationOf(car);
        std::atomic<bool> unfinished = false;
        forEachDay(groups.size(), jobs, [&](std::size_t g) {
            if (unfinished.load(std::memory_order_relaxed) || cancelled(cancel))
                return;
            const RoadRun run = RunRoadModel(road, RoadDayOf(*groups[g].air), DefaultRoadSpeedStep, calibration);
            if (!run.Finished()) {
                unfinished = true;
                return;
            }
            runs[g] = { SplitTimesOf(run), run.TractionLimitedUntil() > 0 };
        });
        RoadFitPoint point;
        if (unfinished || cancelled(cancel))
            return point;
        point.finished = true;
        point.sumOfSquares = 0;
        for (std::size_t index = 0; index < groups.size(); ++index) {
            const DayGroup& g = groups[index];
            point.tractionLimited = point.tractionLimited || runs[index].tractionLimited;
            for (std::size_t f = 0; f < FittedFigures.size(); ++f) {
                const FigureSums& sums = g.figures[f];
                if (sums.count == 0)
                    continue;
                const double scale = FittedFigures[f].time ? FitScale::Time : FitScale::Speed;
                const double r = std::sqrt(g.weight[f] * sums.count)
                    * (runs[index].splits.*FittedFigures[f].predicted - sums.mean) / scale;
                point.residuals.push_back(r);
                point.sumOfSquares += r * r + g.weight[f] * sums.squares / (scale * scale);
                point.figures += static_cast<int>(sums.count);
            }
        }
        return point;
    }

private:
    struct DayRun {
        SplitTimes splits;
        bool tractionLimited = false;
    };
    const ModelledCar& typed;
    const std::vector<DayGroup>& groups;
    const std::atomic<bool>* cancel;
    int jobs;
    std::vector<DayRun> runs;
};

struct RoadSearch {
    bool found = false;
    double powerFactor = 1;
    double gripFactor = 1;
    RoadFitPoint point;
    bool gripHeld = false;
    HorsepowerBound powerBound = HorsepowerBound::None;
    HorsepowerBound gripBound = HorsepowerBound::None;
};

// The power and grip factors of least sum of squares within their limits
// (the road model's horsepower range, RoadFitLimits), from `start` (the
// typed car, or a fit near by): Levenberg-Marquardt steps (K. Levenberg,
// 1944; D. W. Marquardt, 1963) on x = the factors' logarithms, with the
// derivatives by forward differences of FiniteStep, each step at most
// LongestStep, until a step moves x by less than StepWidth (which moves an
// elapsed time by some 0.00001 s). A grip whose small rise changes no
// figure (no launch held by the grip) moves only down, where that helps;
// held at its start of 1 with no day's launch held by the grip, the fit
// says so. A car that does not finish on every day is walked up in power
// first.
RoadSearch searchRoad(const ModelledCar& typed, const std::vector<DayGroup>& groups,
                      const std::atomic<bool>* cancel = nullptr, RoadX x = { 0, 0 }, int jobs = 1)
{
    constexpr double FiniteStep = 1e-4;
    constexpr double LongestStep = 0.5;
    constexpr double StepWidth = 1e-6;
    const RoadRange& power = RoadRanges()[static_cast<std::size_t>(RoadField::Horsepower)];
    const double typedPower = typed.inputs.horsepower;
    RoadSearch search;
    if (!(typedPower > 0) || !std::isfinite(typedPower))
        return search;
    const RoadX lowest = { std::log(power.low / typedPower), std::log(RoadFitLimits::LowestGrip) };
    const RoadX highest = { std::log(power.high / typedPower), std::log(RoadFitLimits::HighestGrip) };
    auto clamped = [&](RoadX y) {
        for (std::size_t k = 0; k < 2; ++k)
            y[k] = std::clamp(y[k], lowest[k], highest[k]);
        return y;
    };
    RoadProfile profile(typed, groups, cancel, jobs);
    x = clamped(x);
    RoadFitPoint at = profile.At(x);
    for (double step = 0.2; !at.finished && x[0] < highest[0] && !cancelled(cancel); step *= 2) {
        x[0] = std::min(highest[0], x[0] + step);
        at = profile.At(x);
    }
    if (!at.finished)
        return search;

    // Levenberg-Marquardt steps from x (at: the profile there) to the
    // least it comes to.
    auto descend = [&](RoadX& x, RoadFitPoint& at) {
        double damping = 1e-3;
        for (int iteration = 0; iteration < 100 && !cancelled(cancel); ++iteration) {
            // The derivatives of the residuals, each by a step up (down at the
            // upper bound). A value whose rise changes nothing (a grip above what
            // the launch needs) is tried by a step down, and moved down only, where
            // that lowers the sum of squares (a grip below what the typed tires
            // give); else it is not moved.
            std::array<std::vector<double>, 2> column;
            std::array<bool, 2> moves{};
            std::array<bool, 2> downOnly{};
            auto differences = [&](std::size_t k, double h) {
                RoadX y = x;
                y[k] += h;
                const RoadFitPoint near = profile.At(y);
                column[k].assign(at.residuals.size(), 0);
                if (!near.finished || near.residuals.size() != at.residuals.size())
                    return false;
                bool changes = false;
                for (std::size_t i = 0; i < at.residuals.size(); ++i) {
                    column[k][i] = (near.residuals[i] - at.residuals[i]) / h;
                    changes = changes || column[k][i] != 0;
                }
                return changes;
            };
            for (std::size_t k = 0; k < 2; ++k) {
                const bool up = x[k] + FiniteStep <= highest[k];
                moves[k] = differences(k, up ? FiniteStep : -FiniteStep);
                if (!moves[k] && up && x[k] - FiniteStep >= lowest[k] && differences(k, -FiniteStep)) {
                    double slope = 0;
                    for (std::size_t i = 0; i < at.residuals.size(); ++i)
                        slope += column[k][i] * at.residuals[i];
                    moves[k] = downOnly[k] = slope > 0;
                }
            }
            if (!moves[0] && !moves[1])
                break;
            // The normal equations JᵀJ δ = −Jᵀr of the values that move.
            double a[2][2] = { { 0, 0 }, { 0, 0 } };
            double g[2] = { 0, 0 };
            for (std::size_t i = 0; i < at.residuals.size(); ++i)
                for (std::size_t k = 0; k < 2; ++k) {
                    if (!moves[k])
                        continue;
                    g[k] += column[k][i] * at.residuals[i];
                    for (std::size_t l = 0; l < 2; ++l)
                        if (moves[l])
                            a[k][l] += column[k][i] * column[l][i];
                }
            bool taken = false;
            RoadX next = x;
            RoadFitPoint there;
            for (; damping < 1e12 && !cancelled(cancel); damping *= 10) {
                const double d00 = a[0][0] * (1 + damping) + (moves[0] ? 0 : 1);
                const double d11 = a[1][1] * (1 + damping) + (moves[1] ? 0 : 1);
                const double determinant = d00 * d11 - a[0][1] * a[1][0];
                if (!(determinant > 0))
                    continue;
                RoadX delta = { (-g[0] * d11 + g[1] * a[0][1]) / determinant,
                                (-g[1] * d00 + g[0] * a[1][0]) / determinant };
                for (std::size_t k = 0; k < 2; ++k)
                    if (downOnly[k])
                        delta[k] = std::min(0.0, delta[k]);
                const double longest = std::max(std::abs(delta[0]), std::abs(delta[1]));
                if (longest > LongestStep)
                    for (double& d : delta)
                        d *= LongestStep / longest;
                next = clamped({ x[0] + delta[0], x[1] + delta[1] });
                if (next == x)
                    break;
                there = profile.At(next);
                if (there.finished && there.sumOfSquares <= at.sumOfSquares) {
                    taken = true;
                    damping = std::max(1e-9, damping / 10);
                    break;
                }
            }
            if (!taken)
                break;
            const double moved = std::max(std::abs(next[0] - x[0]), std::abs(next[1] - x[1]));
            x = next;
            at = std::move(there);
            if (moved < StepWidth)
                break;
        }
    };
    descend(x, at);
    // A grip that never entered (no launch held by it at the grip found)
    // may still be too high: where a lower one holds some day's launch,
    // the steps start again just below the highest such grip, and the
    // second fit is kept where it is better by more than Negligible (in
    // the units of FitScale; a fit already within it is kept).
    constexpr double Negligible = 1e-6;
    // Where `holds` starts to hold between `below` (it does not) and `above`
    // (it does), at the power found: both ends narrowed by bisection to
    // within StepWidth.
    auto gripEdge = [&](double below, double above, auto&& holds) {
        while (above - below > StepWidth) {
            const double middle = (below + above) / 2;
            (holds(middle) ? above : below) = middle;
        }
        return std::pair{ below, above };
    };
    auto gripFree = [&](double grip) { return !profile.At({ x[0], grip }).tractionLimited; };
    if (!at.tractionLimited && at.sumOfSquares > Negligible && !cancelled(cancel)) {
        if (!gripFree(lowest[1])) {
            const double held = gripEdge(lowest[1], x[1], gripFree).first;
            RoadX again = clamped({ x[0], held - 10 * FiniteStep });
            RoadFitPoint there = profile.At(again);
            if (there.finished) {
                descend(again, there);
                if (there.finished && there.sumOfSquares < at.sumOfSquares - Negligible) {
                    x = again;
                    at = std::move(there);
                }
            }
        }
    }
    // A grip raised past what any day's launch needs gives the same runs
    // however high it went: the fit reports the least grip that gives them
    // (found by bisection on the sum of squares), the one the slips show,
    // not where the last step happened to land.
    if (!at.tractionLimited && x[1] > 0 && !cancelled(cancel) && !gripFree(0)) {
        auto same = [&](double grip) {
            const RoadFitPoint p = profile.At({ x[0], grip });
            return p.finished && p.sumOfSquares <= at.sumOfSquares + Negligible;
        };
        const double free = gripEdge(0, x[1], same).second;
        if (free < x[1]) {
            x[1] = free;
            at = profile.At(x);
        }
    }
    if (cancelled(cancel))
        return search;
    search.found = true;
    search.powerFactor = std::exp(x[0]);
    search.gripFactor = std::exp(x[1]);
    search.gripHeld = x[1] == 0 && !at.tractionLimited;
    auto boundOf = [&](std::size_t k) {
        return x[k] - lowest[k] < 2 * StepWidth   ? HorsepowerBound::Lowest
            : highest[k] - x[k] < 2 * StepWidth ? HorsepowerBound::Highest
                                                 : HorsepowerBound::None;
    };
    search.powerBound = boundOf(0);
    search.gripBound = boundOf(1);
    search.point = std::move(at);
    return search;
}

// The start of a road search from a fit's factors.
RoadX roadStartOf(double powerFactor, double gripFactor)
{
    return { std::log(powerFactor), std::log(gripFactor) };
}

RunDays runDays(const std::vector<RunFigures>& runs)
{
    RunDays fit;
    fit.runs.reserve(runs.size());
    fit.dayOf.reserve(runs.size());
    std::map<std::tuple<double, double, double>, int> dayOfAir;
    for (const RunFigures& run : runs) {
        const AirConditions air = AirOfRun(run);
        const auto [day, added] = dayOfAir.try_emplace({ air.temperature, air.pressure, air.humidity },
                                                       static_cast<int>(fit.days.size()));
        if (added)
            fit.days.push_back(FiguresFor(air));
        fit.runs.push_back(&run);
        fit.dayOf.push_back(day->second);
    }
    return fit;
}

// Whether the fit can take a run: it gives a finish (the quarter mile's
// time and speed, or the eighth mile's) and every number it gives is
// finite. The logbook's own checks of a run (logbook/TimeSlip.h) are
// stricter; this keeps any caller's numbers out of the sums.
bool fittable(const RunFigures& run)
{
    for (auto member : { &RunFigures::temperature, &RunFigures::pressure, &RunFigures::humidity,
                         &RunFigures::sixtyFootTime, &RunFigures::threeThirtyFootTime,
                         &RunFigures::eighthMileTime, &RunFigures::eighthMileSpeed,
                         &RunFigures::thousandFootTime, &RunFigures::quarterMileTime,
                         &RunFigures::quarterMileSpeed })
        if (run.*member && !std::isfinite(*(run.*member)))
            return false;
    return (run.quarterMileTime && run.quarterMileSpeed) || (run.eighthMileTime && run.eighthMileSpeed);
}

// A typed value outside the checks' ranges (an absurd one: 0, infinite,
// 1e308), among those the fit keeps: the car then cannot run, which is no
// finding about its power.
std::optional<InputField> unrunnableField(const CarInputs& typed)
{
    for (const InputRange& test : InputRanges()) {
        if (test.field == InputField::Horsepower || test.field == InputField::SpinTime)
            continue;
        if (!PassesInputRange(test, typed))
            return test.field;
    }
    return std::nullopt;
}

// For a spin time held at 0: the most of fewer quarter-mile shifts (down to
// 1) with which the best spin time would not be below 0; 0 when none.
int fewerShiftsFor(const CarInputs& typed, const std::vector<DayGroup>& groups, const std::atomic<bool>* cancel)
{
    for (int fewer = typed.quarterMileShifts - 1; fewer >= 1; --fewer) {
        CarInputs car = typed;
        car.quarterMileShifts = fewer;
        const Search search = searchHorsepower(car, groups, cancel);
        if (search.found && search.point.freeSpinTime >= 0)
            return fewer;
    }
    return 0;
}

FigureError errorOf(const std::vector<double>& differences, int days)
{
    FigureError error;
    error.runs = static_cast<int>(differences.size());
    error.days = days;
    if (differences.empty())
        return error;
    double absolute = 0;
    double sum = 0;
    double squares = 0;
    for (double d : differences) {
        absolute += std::abs(d);
        sum += d;
        squares += d * d;
    }
    const double n = static_cast<double>(differences.size());
    error.meanAbsolute = absolute / n;
    error.bias = sum / n;
    error.rootMeanSquare = std::sqrt(squares / n);
    return error;
}

// The probability that Student's t with `nu` degrees of freedom lies within
// ±√nu·tan θ: Abramowitz and Stegun, "Handbook of Mathematical Functions",
// 26.7.3 and 26.7.4, the finite sums for whole degrees of freedom.
double studentWithin(double theta, int nu)
{
    const double s = std::sin(theta);
    const double c2 = std::cos(theta) * std::cos(theta);
    if (nu % 2 == 0) {
        double term = 1;
        double sum = 1;
        for (int k = 2; k <= nu - 2; k += 2) {
            term *= (k - 1.0) / k * c2;
            sum += term;
        }
        return s * sum;
    }
    constexpr double Pi = 3.141592653589793;
    double sum = 0;
    if (nu > 1) {
        double term = std::cos(theta);
        sum = term;
        for (int k = 3; k <= nu - 2; k += 2) {
            term *= (k - 1.0) / k * c2;
            sum += term;
        }
    }
    return 2 / Pi * (theta + s * sum);
}

// The units the validation leaves out: each run's day's place among the
// days, by first run (a run of no known day a day of its own), and their
// count.
std::vector<int> unitsOf(const std::vector<RunFigures>& runs, int& count)
{
    std::map<long long, int> unitOfDay;
    std::vector<int> units;
    units.reserve(runs.size());
    count = 0;
    for (const RunFigures& run : runs) {
        if (run.day == RunFigures::NoDay) {
            units.push_back(count++);
            continue;
        }
        const auto [found, added] = unitOfDay.try_emplace(run.day, count);
        if (added)
            ++count;
        units.push_back(found->second);
    }
    return units;
}

SlipResidual residualOf(const RunFigures& run, const AirConditions& air, bool finished, const SplitTimes& s)
{
    SlipResidual residual;
    residual.air = air;
    residual.finished = finished;
    for (const SplitFigureInfo& f : SplitFigures)
        residual.Of(f.figure) = { run.Of(f.figure), s.*f.value };
    return residual;
}

// What a residual needs of a car's run on a day.
struct DayModel {
    bool finished = false;
    SplitTimes splits;
};

DayModel modelOn(const ModelledCar& car, const AirFigures& air)
{
    const DayResults day = RunModelledCarOnDay(car, air);
    return { day.run.Finished(), day.splits };
}

// What a fit found, on either law: the car as fitted, its horsepower, spin
// time and grip factor.
struct LawFit {
    bool found = false;
    ModelledCar car;
    double horsepower = 0;
    double spinTime = 0;
    double gripFactor = 1;
};

LawFit classicFitOf(const CarInputs& typed, const Search& search)
{
    LawFit fit{ search.found, { typed, std::nullopt }, search.horsepower, search.point.spinTime, 1 };
    fit.car.inputs.horsepower = search.horsepower;
    fit.car.inputs.spinTime = search.point.spinTime;
    return fit;
}

LawFit roadFitOf(const ModelledCar& typed, const RoadSearch& search)
{
    LawFit fit{ search.found, ScaledRoadCar(typed, search.powerFactor, search.gripFactor), 0,
                typed.inputs.spinTime, search.gripFactor };
    fit.horsepower = fit.car.inputs.horsepower;
    return fit;
}

// The fit on the runs of `groups`, from a fit near by (`warm`: one on
// more of the runs, or on fewer) when there is one.
LawFit fitOn(const ModelledCar& typed, const std::vector<DayGroup>& groups, const std::atomic<bool>* cancel,
             const LawFit* warm, SharedDays* shared = nullptr)
{
    if (typed.road)
        return roadFitOf(typed, searchRoad(typed, groups, cancel,
                                           warm ? roadStartOf(warm->horsepower / typed.inputs.horsepower,
                                                              warm->gripFactor)
                                                : RoadX{ 0, 0 }));
    return classicFitOf(typed.inputs, searchHorsepower(typed.inputs, groups, cancel,
                                                       warm ? WarmStart(warm->horsepower) : SearchStart{}, 1,
                                                       shared));
}

FitResult cancelledFit(const CarInputs& typed)
{
    FitResult fit;
    fit.typed = typed;
    fit.car = typed;
    fit.outcome = FitOutcome::Cancelled;
    return fit;
}

// The fit on all runs (FitToRuns), with the runs it fitted gathered by day.
FitResult fitCar(const ModelledCar& typed, const std::vector<RunFigures>& runs, const std::atomic<bool>* cancel,
                 RunDays* fitted, int jobs = 1)
{
    FitResult fit;
    fit.typed = typed.inputs;
    fit.car = typed.inputs;
    fit.road = typed.road;
    if (runs.empty())
        return fit;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (!fittable(runs[i])) {
            fit.outcome = FitOutcome::RunRefused;
            fit.refusedRun = static_cast<int>(i);
            return fit;
        }
    }
    RunDays days = runDays(runs);
    const std::vector<DayGroup> groups = groupsOf(days, allRunsOf(days));
    bool found = false;
    bool freeSpinTimeBelowZero = false;
    if (typed.road) {
        const RoadSearch search = searchRoad(typed, groups, cancel, { 0, 0 }, jobs);
        found = search.found;
        if (found) {
            fit.powerFactor = search.powerFactor;
            fit.gripFactor = search.gripFactor;
            fit.gripHeld = search.gripHeld;
            fit.horsepowerBound = search.powerBound;
            fit.gripBound = search.gripBound;
            fit.car = ScaledRoadCar(typed, search.powerFactor, search.gripFactor).inputs;
            fit.horsepower = fit.car.horsepower;
            fit.spinTime = fit.car.spinTime;
            fit.wheelHorsepower =
                fit.horsepower * DrivetrainEfficiency(WithTypicalValues(RoadCarOf(typed)), RoadCalibrationOf(typed));
        }
    } else {
        const Search search = searchHorsepower(typed.inputs, groups, cancel, {}, jobs);
        found = search.found;
        if (found) {
            fit.horsepower = search.horsepower;
            fit.spinTime = search.point.spinTime;
            fit.car.horsepower = fit.horsepower;
            fit.car.spinTime = fit.spinTime;
            freeSpinTimeBelowZero = search.point.freeSpinTime < 0;
            if (search.atLowest || search.atHighest)
                fit.horsepowerBound = search.atLowest ? HorsepowerBound::Lowest : HorsepowerBound::Highest;
        }
    }
    if (cancelled(cancel))
        return cancelledFit(typed.inputs);
    if (!found) {
        fit.outcome = FitOutcome::NotFinished;
        if (!typed.road)
            fit.unrunnableField = unrunnableField(typed.inputs);
        return fit;
    }
    fit.outcome = FitOutcome::Fitted;

    // Each run's slip beside the fitted car's own run that day (not the
    // profile's run with spin time 0 plus the spin time), and the sum of
    // squares of those; each day run once.
    const ModelledCar fittedCar = fit.FittedCar();
    std::vector<DayModel> models(days.days.size());
    forEachDay(models.size(), jobs, [&](std::size_t day) { models[day] = modelOn(fittedCar, days.days[day]); });
    fit.runs.reserve(days.runs.size());
    for (std::size_t i = 0; i < days.runs.size(); ++i) {
        const RunFigures& run = *days.runs[i];
        const std::size_t day = static_cast<std::size_t>(days.dayOf[i]);
        const DayModel& model = models[day];
        fit.runs.push_back(residualOf(run, days.days[day].conditions, model.finished, model.splits));
        for (std::size_t k = 0; k < FittedFigures.size(); ++k) {
            const FittedFigure& f = FittedFigures[k];
            const std::optional<double>& given = run.*f.given;
            if (!given)
                continue;
            const double d =
                (model.splits.*f.predicted - *given) / (f.time ? FitScale::Time : FitScale::Speed);
            fit.sumOfSquares += groups.front().weight[k] * d * d;
            ++fit.figures;
        }
    }

    if (freeSpinTimeBelowZero) {
        fit.spinTimeHeld = true;
        fit.fewerShifts = fewerShiftsFor(typed.inputs, groups, cancel);
    }
    if (cancelled(cancel))
        return cancelledFit(typed.inputs);
    if (fitted)
        *fitted = std::move(days);
    return fit;
}

} // namespace

AirConditions AirOfRun(const RunFigures& run)
{
    AirConditions air;
    air.temperature = run.temperature.value_or(StandardDay::Temperature);
    air.pressure = run.pressure.value_or(StandardDay::Pressure);
    air.humidity = run.humidity.value_or(StandardDay::Humidity);
    return air;
}

const std::optional<double>& RunFigures::Of(SplitFigure figure) const
{
    return this->*RowOf(splitMembers, figure).given;
}

std::optional<double>& RunFigures::Of(SplitFigure figure)
{
    return this->*RowOf(splitMembers, figure).given;
}

const SlipFigure& SlipResidual::Of(SplitFigure figure) const
{
    return this->*RowOf(splitMembers, figure).residual;
}

SlipFigure& SlipResidual::Of(SplitFigure figure)
{
    return this->*RowOf(splitMembers, figure).residual;
}

std::optional<double> SlipFigure::Difference() const
{
    if (!given)
        return std::nullopt;
    return predicted - *given;
}

SlipResidual ResidualOf(const RunFigures& run, const AirConditions& air, const DayResults& model)
{
    return residualOf(run, air, model.run.Finished(), model.splits);
}

FitResult FitToRuns(const CarInputs& typed, const std::vector<RunFigures>& runs)
{
    return fitCar(ModelledCar{ typed, std::nullopt }, runs, nullptr, nullptr);
}

FitResult FitToRuns(const ModelledCar& typed, const std::vector<RunFigures>& runs)
{
    return fitCar(typed, runs, nullptr, nullptr);
}

DayResults RunModelledCarOnDay(const ModelledCar& car, const AirFigures& air)
{
    if (!car.road)
        return RunCarOnDay(car.inputs, air);
    return DayResultsOf(RunRoadModel(RoadCarOf(car), RoadDayOf(air), DefaultRoadSpeedStep, RoadCalibrationOf(car)),
                        air);
}

RoadCar RoadCarOf(const ModelledCar& car)
{
    const RoadDescription road = car.road.value_or(RoadDescription());
    return RoadCarFrom(car.inputs, road.keys, road.frontalArea);
}

RoadCalibration RoadCalibrationOf(const ModelledCar& car)
{
    RoadCalibration calibration;
    if (car.road)
        calibration.streetGrip *= car.road->gripFactor;
    return calibration;
}

ModelledCar ScaledRoadCar(const ModelledCar& car, double powerFactor, double gripFactor)
{
    ModelledCar scaled = car;
    scaled.inputs.horsepower *= powerFactor;
    if (scaled.road) {
        if (scaled.road->keys.torque)
            *scaled.road->keys.torque *= powerFactor;
        scaled.road->gripFactor *= gripFactor;
    }
    return scaled;
}

ModelledCar FitResult::TypedCar() const
{
    return { typed, road };
}

ModelledCar FitResult::FittedCar() const
{
    if (!road)
        return { car, std::nullopt };
    ModelledCar fitted = ScaledRoadCar(TypedCar(), powerFactor, gripFactor);
    fitted.inputs = car;
    return fitted;
}

FigureError LeaveOneOutError(const std::vector<RunFigures>& runs, const std::vector<LeftOutRun>& leftOut,
                             SplitFigure figure)
{
    const auto given = RowOf(splitMembers, figure).given;
    double SplitTimes::*predicted = InfoOf(figure).value;
    std::vector<double> differences;
    std::vector<int> days;
    for (const LeftOutRun& left : leftOut) {
        const std::optional<double>& value = runs[static_cast<std::size_t>(left.run)].*given;
        if (!left.fitted || !value)
            continue;
        differences.push_back(left.onDay.*predicted - *value);
        days.push_back(left.day);
    }
    std::sort(days.begin(), days.end());
    const auto distinct = static_cast<int>(std::unique(days.begin(), days.end()) - days.begin());
    return errorOf(differences, distinct);
}

std::vector<LeftOutRun> ForwardFits(const CarInputs& typed, const std::vector<RunFigures>& runs,
                                    const std::vector<int>& order, int first, const std::atomic<bool>* cancel)
{
    return ForwardFits(ModelledCar{ typed, std::nullopt }, runs, order, first, cancel);
}

std::vector<LeftOutRun> ForwardFits(const ModelledCar& typed, const std::vector<RunFigures>& runs,
                                    const std::vector<int>& order, int first, const std::atomic<bool>* cancel)
{
    std::vector<LeftOutRun> forward;
    const AirFigures standardDay = FiguresFor(AirConditions());
    std::vector<RunFigures> before;
    before.reserve(order.size());
    bool allFittable = true;
    std::optional<LawFit> start;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const auto i = static_cast<std::size_t>(order[k]);
        if (static_cast<int>(k) >= first) {
            if (cancelled(cancel))
                return {};
            LeftOutRun left;
            left.run = order[k];
            if (allFittable && !before.empty()) {
                const RunDays days = runDays(before);
                const LawFit fit =
                    fitOn(typed, groupsOf(days, allRunsOf(days)), cancel, start ? &*start : nullptr);
                if (fit.found) {
                    start = fit;
                    const DayModel model = modelOn(fit.car, FiguresFor(AirOfRun(runs[i])));
                    left.fitted = model.finished;
                    left.horsepower = fit.horsepower;
                    left.spinTime = fit.spinTime;
                    left.gripFactor = fit.gripFactor;
                    left.onDay = model.splits;
                    left.onStandardDay = RunModelledCarOnDay(fit.car, standardDay).splits;
                }
            }
            forward.push_back(left);
        }
        allFittable = allFittable && fittable(runs[i]);
        before.push_back(runs[i]);
    }
    if (cancelled(cancel))
        return {};
    return forward;
}

double StudentT(double probability, int degreesOfFreedom)
{
    const int nu = std::max(1, degreesOfFreedom);
    // The probability rises with θ from 0 to 1 over [0, π/2): halve that.
    double low = 0;
    double high = 1.5707963267948966;
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        (studentWithin(middle, nu) < probability ? low : high) = middle;
    }
    return std::sqrt(static_cast<double>(nu)) * std::tan((low + high) / 2);
}

std::optional<BandWidths> BandOf(const FigureError& error)
{
    if (error.runs < LeastRunsForBand || error.days < LeastDaysForBand)
        return std::nullopt;
    const int nu = error.days - 1;
    return BandWidths{ StudentT(BandProbability68, nu) * error.rootMeanSquare,
                       StudentT(BandProbability95, nu) * error.rootMeanSquare };
}

int DaysOf(const std::vector<RunFigures>& runs)
{
    int count = 0;
    unitsOf(runs, count);
    return count;
}

FitCalibration CalibrateToRuns(const CarInputs& typed, const std::vector<RunFigures>& runs,
                               const CalibrationControl& control)
{
    return CalibrateToRuns(ModelledCar{ typed, std::nullopt }, runs, control);
}

FitCalibration CalibrateToRuns(const ModelledCar& typed, const std::vector<RunFigures>& runs,
                               const CalibrationControl& control)
{
    FitCalibration calibration;
    calibration.runs = runs;
    const int count = static_cast<int>(runs.size());
    const std::vector<int> units = unitsOf(runs, calibration.days);
    const int folds = ValidationFoldsFor(count, calibration.days);
    const bool validated = folds > 0;
    std::mutex progressMutex;
    int fitsDone = 0;
    auto fitDone = [&](int fits) {
        if (!control.progress)
            return;
        const std::lock_guard lock(progressMutex);
        fitsDone += fits;
        control.progress(fitsDone, 1 + folds);
    };
    fitDone(0);

    RunDays all;
    calibration.fit = fitCar(typed, calibration.runs, control.cancel, &all, control.jobs);
    if (!calibration.fit.Fitted()) {
        calibration.band.gap = BandGap::NotFitted;
        return calibration;
    }
    fitDone(1);
    if (!validated) {
        calibration.band.gap = count < LeastRunsForBand ? BandGap::TooFewRuns : BandGap::OneDay;
        return calibration;
    }

    // Each fold (whole days) fitted on the others, from the fit on all runs;
    // the folds taken in turn by the threads.
    calibration.folds = folds;
    calibration.leftOut.resize(static_cast<std::size_t>(count));
    const AirFigures standardDay = FiguresFor(AirConditions());
    const LawFit warm{ true, calibration.fit.FittedCar(), calibration.fit.horsepower, calibration.fit.spinTime,
                       calibration.fit.gripFactor };
    std::atomic<int> nextFold = 0;
    SharedDays shared(typed.inputs, all, control.cancel);
    auto fitFolds = [&] {
        std::vector<int> others;
        std::vector<int> left;
        std::vector<std::optional<DayModel>> onDay;
        for (int fold = nextFold++; fold < folds && !cancelled(control.cancel); fold = nextFold++) {
            others.clear();
            left.clear();
            for (int i = 0; i < count; ++i)
                (units[static_cast<std::size_t>(i)] % folds == fold ? left : others).push_back(i);
            const LawFit search = fitOn(typed, groupsOf(all, others), control.cancel, &warm, &shared);
            const ModelledCar& car = search.car;
            const SplitTimes onStandardDay =
                search.found ? RunModelledCarOnDay(car, standardDay).splits : SplitTimes();
            // The fold's runs on their days, each day run once.
            onDay.assign(all.days.size(), std::nullopt);
            for (int i : left) {
                LeftOutRun& out = calibration.leftOut[static_cast<std::size_t>(i)];
                out.run = i;
                out.day = units[static_cast<std::size_t>(i)];
                out.fitted = search.found;
                if (!search.found)
                    continue;
                out.horsepower = search.horsepower;
                out.spinTime = search.spinTime;
                out.gripFactor = search.gripFactor;
                out.onStandardDay = onStandardDay;
                const int day = all.dayOf[static_cast<std::size_t>(i)];
                std::optional<DayModel>& model = onDay[static_cast<std::size_t>(day)];
                if (!model)
                    model = modelOn(car, all.days[static_cast<std::size_t>(day)]);
                out.fitted = model->finished;
                out.onDay = model->splits;
            }
            if (!cancelled(control.cancel))
                fitDone(1);
        }
    };
    std::vector<std::thread> helpers;
    for (int j = 1; j < std::min(control.jobs, folds); ++j) {
        try {
            helpers.emplace_back(fitFolds);
        } catch (const std::system_error&) {
            break; // no more threads to be had: the others do the folds
        }
    }
    fitFolds();
    for (std::thread& helper : helpers)
        helper.join();
    if (cancelled(control.cancel)) {
        calibration.leftOut.clear();
        calibration.folds = 0;
        calibration.fit = cancelledFit(typed.inputs);
        calibration.band.gap = BandGap::NotFitted;
        return calibration;
    }
    FitBand& band = calibration.band;
    band.quarterMileTime = LeaveOneOutError(runs, calibration.leftOut, SplitFigure::QuarterMileTime);
    band.quarterMileSpeed = LeaveOneOutError(runs, calibration.leftOut, SplitFigure::QuarterMileSpeed);
    band.eighthMileTime = LeaveOneOutError(runs, calibration.leftOut, SplitFigure::EighthMileTime);
    band.eighthMileSpeed = LeaveOneOutError(runs, calibration.leftOut, SplitFigure::EighthMileSpeed);
    return calibration;
}

DayPrediction PredictOnDay(const CarInputs& fittedCar, const FitBand& band, const AirConditions& air)
{
    return PredictOnDay(ModelledCar{ fittedCar, std::nullopt }, band, air);
}

DayPrediction PredictOnDay(const ModelledCar& fittedCar, const FitBand& band, const AirConditions& air)
{
    DayPrediction prediction;
    prediction.air = air;
    if (FailingAirField(air)) {
        prediction.gap = PredictionGap::AirOutOfRange;
        return prediction;
    }
    prediction.day = RunModelledCarOnDay(fittedCar, FiguresFor(air));
    prediction.finished = prediction.day.run.Finished();
    if (!prediction.finished) {
        prediction.gap = PredictionGap::NotFinished;
        return prediction;
    }
    const SplitTimes& s = prediction.day.splits;
    prediction.quarterMileTime = s.quarterMileTime;
    prediction.quarterMileSpeed = s.quarterMileSpeed;
    prediction.eighthMileTime = s.eighthMileTime;
    prediction.eighthMileSpeed = s.eighthMileSpeed;
    prediction.bandGap = band.gap;
    if (band.gap != BandGap::None)
        return prediction;
    prediction.quarterMileTimeBand = BandOf(band.quarterMileTime);
    prediction.quarterMileSpeedBand = BandOf(band.quarterMileSpeed);
    prediction.eighthMileTimeBand = BandOf(band.eighthMileTime);
    prediction.eighthMileSpeedBand = BandOf(band.eighthMileSpeed);
    prediction.banded = prediction.quarterMileTimeBand || prediction.quarterMileSpeedBand
        || prediction.eighthMileTimeBand || prediction.eighthMileSpeedBand;
    return prediction;
}
