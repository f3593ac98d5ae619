// SPDX-License-Identifier: GPL-3.0-or-later
#include "VectorState.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

// Asked once: the instruction exists only on processors with AVX.
const bool hasAvx = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}();

__attribute__((target("avx"))) void zeroUpperHalves()
{
    _mm256_zeroupper();
}

} // namespace

void ClearUpperVectorHalves()
{
    if (hasAvx)
        zeroUpperHalves();
}
#else
void ClearUpperVectorHalves()
{
}
#endif
