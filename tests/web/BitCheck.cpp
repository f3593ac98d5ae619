// SPDX-License-Identifier: GPL-3.0-or-later
// The bit-identity test's program, built twice: natively, and into
// WebAssembly for Node (web/CMakeLists.txt). It runs 1,000 cars, each under
// both models (the classic law, the road model), on a day's air, through
// the web page's own functions (web/wasm/PageApi.h), and prints every double
// they give as its bits: one line a run, "car model" and then the values,
// 16 hex digits each. tests/web/bit_identity.mjs compares the two outputs
// and names the first value that differs.
//
// The cars and days come from a fixed 64-bit generator, so both builds run
// the same ones: half of them typed as a user types (two decimals), half
// any double within the ranges; the road keys are random, some left out.
// Every 50th car is also fitted to four time slips made from its own runs
// on four days, each slip a little off, by each law (model 2 in the output
// the classic law's fit, 3 the road model's): the fit, the validation's
// errors, the prediction on the car's day and the report card.
#include "PageApi.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

std::uint64_t state = 0x9e3779b97f4a7c15ULL;

std::uint64_t next()
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

// Uniform in [low, high]; with `typed`, rounded to two decimals as a user
// would type it (the text read back as the boxes read it).
double uniform(double low, double high, bool typed)
{
    const double value = low + (high - low) * static_cast<double>(next() >> 11) * 0x1p-53;
    if (!typed)
        return value;
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%.2f", value);
    std::memcpy(tv_text(), text, static_cast<std::size_t>(length));
    return tv_parse_field(0, length);
}

int whole(int low, int high)
{
    return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
}

// A road key: left out (NaN) one time in three.
double key(double value)
{
    return next() % 3 == 0 ? std::nan("") : value;
}

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The car of the input buffer fitted by `model` (0 the classic law, 1 the
// road model) to four slips made from its runs by that model on four days,
// each figure a little off; the car's own day is the prediction's.
void printFit(int car, int model)
{
    constexpr int runs = 4;
    double* in = tv_in();
    double saved[TvIn::RoadKeys];
    std::memcpy(saved, in, sizeof saved);
    double slips[runs][TvRun::Stride];
    for (int r = 0; r < runs; ++r) {
        double* slip = slips[r];
        const bool standard = r == 0;
        slip[0] = standard ? std::nan("") : uniform(40, 100, true);
        slip[1] = standard ? std::nan("") : uniform(28, 30.5, true);
        slip[2] = standard ? std::nan("") : uniform(0, 90, true);
        in[TvIn::Air] = standard ? 77 : slip[0];
        in[TvIn::Air + 1] = standard ? 99000 / 3386.389 : slip[1];
        in[TvIn::Air + 2] = standard ? 0 : slip[2];
        tv_run(model, 0);
        const double* out = tv_out();
        for (std::size_t k = 0; k < 7; ++k) {
            const double value = out[TvOut::Splits + k];
            // The 330-ft and 1000-ft times left out of the slips, as most
            // slips a user types give them.
            slip[TvRun::Splits + k] = k == 1 || k == 4 ? std::nan("") : value * uniform(0.98, 1.02, false);
        }
        slip[TvRun::DatePlace] = runs - 1 - r;
        // The first two runs on one day, the others a day each.
        slip[TvRun::Day] = r < 1 ? 1 : r;
    }
    std::memcpy(in, saved, sizeof saved);
    std::memcpy(tv_runs(runs), slips, sizeof slips);
    tv_fit(model, runs);
    const double* out = tv_out();
    const std::size_t count = TvFit::Runs + TvFit::RunStride * static_cast<std::size_t>(out[TvFit::RunCount]);
    std::printf("%d %d", car, 2 + model);
    for (std::size_t k = 0; k < count; ++k)
        std::printf(" %016llx", static_cast<unsigned long long>(bitsOf(out[k])));
    std::printf("\n");
}

} // namespace

int main()
{
    constexpr int cars = 1000;
    constexpr int samples = 120;
    for (int i = 0; i < cars; ++i) {
        const bool typed = i % 2 == 0;
        double* in = tv_in();
        double* car = in + TvIn::Car;
        car[0] = uniform(100, 1500, typed);  // horsepower
        car[1] = uniform(2, 20, typed);      // grill area
        car[2] = uniform(2, 20, typed);      // windshield area
        car[3] = uniform(1000, 4500, typed); // weight
        car[4] = uniform(0.2, 0.4, typed);   // drag coefficient
        car[5] = uniform(20, 45, typed);     // windshield angle
        car[6] = whole(1, 5);                // available shifts
        car[7] = whole(1, static_cast<int>(car[6]) > 1 ? static_cast<int>(car[6]) - 1 : 1);
        car[8] = uniform(0.75, 3, typed);    // spin time
        double* air = in + TvIn::Air;
        if (i % 10 == 0) {
            // The standard day.
            air[0] = 77;
            air[1] = 99000 / 3386.389;
            air[2] = 0;
        } else {
            air[0] = uniform(-40, 140, typed);
            air[1] = uniform(24, 31, typed);
            air[2] = uniform(0, 100, typed);
        }
        double* keys = in + TvIn::RoadKeys;
        const bool electric = next() % 4 == 0;
        keys[0] = key(electric ? 1 : 0);
        keys[1] = key(whole(0, 2));
        keys[2] = key(electric ? 5 : whole(0, 3));
        keys[3] = electric ? std::nan("") : key(whole(4, 10));
        keys[4] = key(uniform(5000, 8000, typed));
        keys[5] = std::nan(""); // the torque: typical, so that it fits the power
        keys[6] = std::nan("");
        keys[7] = key(uniform(8500, 9500, typed));
        keys[8] = key(uniform(15, 30, typed));
        keys[9] = key(whole(0, 4));
        keys[10] = key(whole(0, 1));
        for (int model = 0; model < 2; ++model) {
            tv_run(model, samples);
            const double* out = tv_out();
            const std::size_t points = static_cast<std::size_t>(out[TvOut::PointCount]);
            const std::size_t shifts = static_cast<std::size_t>(out[TvOut::ShiftCount]);
            const std::size_t count = TvOut::Points + 3 * points + 2 * shifts;
            std::printf("%d %d", i, model);
            for (std::size_t k = 0; k < count; ++k)
                std::printf(" %016llx", static_cast<unsigned long long>(bitsOf(out[k])));
            std::printf("\n");
        }
        if (i % 50 == 0)
            for (int model = 0; model < 2; ++model)
                printFit(i, model);
    }
    return 0;
}
