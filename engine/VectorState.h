// SPDX-License-Identifier: GPL-3.0-or-later
// The processor's vector registers before the engine's arithmetic. Library
// code that uses the 256-bit AVX registers may return with their upper
// halves still in use (Qt's text routines do, on some processors). Until
// they are cleared, many Intel processors charge every switch between the
// engine's own SSE code and the maths library's AVX variant of pow, which
// the law calls a dozen times a car, some ten times the cost of the call
// itself. The engine clears them before its own work; where the processor
// has no AVX, or is not an x86, there is nothing to clear.
#pragma once

void ClearUpperVectorHalves();
