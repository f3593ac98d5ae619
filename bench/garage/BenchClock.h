// SPDX-License-Identifier: GPL-3.0-or-later
// The clock the garage's benchmarks read beside the wall clock: the
// processor time of the window thread, which other programs on a busy
// machine do not inflate.
#pragma once

#include <ctime>

// Processor time of the calling thread, in ms.
inline double ThreadMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}
