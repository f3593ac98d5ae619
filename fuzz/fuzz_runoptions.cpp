// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the runner's options on any list of arguments. The
// input is the arguments' bytes, each ended by a NUL, as the system hands
// them to main(). Reading them must never crash, hang or allocate beyond
// measure, and a command line it takes must hold together: files, at most
// two sweeps of different inputs that take a value each and together stay
// within the bound, a job count within its range, the day's air within its
// ranges; a usage error names what is wrong.
#include "core/FileNames.h"
#include "runner/RunOptions.h"

#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A broken promise: named on standard error, then a crash libFuzzer keeps.
void broken(const char* what, int line)
{
    std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, line, what);
    std::abort();
}
#define require(holds) ((holds) ? void() : broken(#holds, __LINE__))

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QStringList arguments;
    const char* const bytes = reinterpret_cast<const char*>(data);
    size_t start = 0;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || bytes[i] == '\0') {
            if (i > start || i < size)
                arguments.append(ArgumentText(QByteArray(bytes + start, static_cast<qsizetype>(i - start))));
            start = i + 1;
        }
    }
    const ParsedOptions parsed = ParseOptions(arguments);
    const RunOptions& options = parsed.options;
    if (!parsed.error.isEmpty() || options.help || options.version)
        return 0;
    require(!options.files.isEmpty());
    require(options.sweeps.size() <= static_cast<std::size_t>(MaxSweeps));
    require(options.jobs >= 1 && options.jobs <= MaxJobs);
    require(AirRangeMessage(options.air).isEmpty());
    long long runs = options.files.size();
    for (const Sweep& sweep : options.sweeps) {
        require(sweep.count >= 1);
        require(sweep.step > 0 && sweep.from <= sweep.to);
        // The last value is taken and the one after it is not.
        const double last = sweep.to + sweep.step * 1e-9;
        require(sweep.Value(sweep.count - 1) <= last);
        const double next = sweep.Value(sweep.count);
        require(!(std::isfinite(next) && next <= last));
        runs *= sweep.count;
        require(runs <= MaxRuns);
    }
    if (options.sweeps.size() == 2)
        require(options.sweeps[0].field != options.sweeps[1].field);
    return 0;
}
