// SPDX-License-Identifier: GPL-3.0-or-later
// The shortest text that reads back as the very same double, byte for byte
// what std::to_chars(first, last, value) writes, made faster for the
// numbers the runner writes by the million (times, speeds, distances,
// weights: magnitudes from about 0.002 to 10^15).
//
// For those the decimal digits are found in exact integer arithmetic: the
// double and the two midpoints to its neighbours, scaled by a power of ten
// to 17 or 18 digits, fit in 128 bits before and 64 bits after the binary
// point is dropped. The digits are the fewest that name a decimal between
// the midpoints (on a midpoint only when the double's significand is even,
// as reading rounds a tie to even), the nearest of them to the double
// itself; the text is fixed or scientific, whichever is shorter, fixed on a
// tie. Every other double (0, tiny, huge, infinite, NaN) is left to
// std::to_chars.
#pragma once

// Writes the text of `value` at `out`, which has room for at least 32
// characters, and returns the end of what it wrote.
char* WriteShortest(char* out, double value);
