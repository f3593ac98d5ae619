// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ShortestNumber.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

// Without a 128-bit integer (32-bit machines), std::to_chars writes every
// number.
#ifdef __SIZEOF_INT128__

namespace {

using Wide = unsigned __int128;

constexpr std::uint64_t powerOfTen[20] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
    1000000000000000000ull,
    10000000000000000000ull,
};

constexpr char digitPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                              "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                              "8081828384858687888990919293949596979899";

// Exactly eight digits of `value` (below 10^8) at `out`.
void writeEightDigits(char* out, std::uint32_t value)
{
    const std::uint32_t high = value / 10000;
    const std::uint32_t low = value % 10000;
    std::memcpy(out, digitPairs + 2 * (high / 100), 2);
    std::memcpy(out + 2, digitPairs + 2 * (high % 100), 2);
    std::memcpy(out + 4, digitPairs + 2 * (low / 100), 2);
    std::memcpy(out + 6, digitPairs + 2 * (low % 100), 2);
}

// The `count` digits of `value` (below 10^18) at `out`: eight and eight
// from the end, in 32-bit pieces, then what is left.
void writeDigits(char* out, std::uint64_t value, int count)
{
    char* end = out + count;
    while (count > 8) {
        end -= 8;
        writeEightDigits(end, static_cast<std::uint32_t>(value % 100000000));
        value /= 100000000;
        count -= 8;
    }
    auto rest = static_cast<std::uint32_t>(value);
    while (rest >= 100) {
        end -= 2;
        std::memcpy(end, digitPairs + 2 * (rest % 100), 2);
        rest /= 100;
    }
    if (rest >= 10) {
        end -= 2;
        std::memcpy(end, digitPairs + 2 * rest, 2);
    } else if (end > out) {
        *--end = static_cast<char>('0' + rest);
    }
}

// The binary exponents whose doubles take the exact path: 2^-9 (about
// 0.002) up to 2^50 (about 10^15). Below, the power of ten that scales them
// no longer fits 64 bits; above, the unit in the last place is 1 or more.
constexpr int lowestExponent = -9;
constexpr int highestExponent = 49;

} // namespace

char* WriteShortest(char* out, double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int exponent = static_cast<int>((bits >> 52) & 0x7ff) - 1023;
    if (exponent < lowestExponent || exponent > highestExponent)
        return std::to_chars(out, out + 32, value).ptr;
    if (bits >> 63)
        *out++ = '-';

    // The double is m * 2^(exponent - 52). Its neighbours' midpoints lie
    // half a unit in the last place either side of it, but a quarter unit
    // below a power of two, where the units below are half as large. All
    // three are kept four times over, as integers.
    const std::uint64_t fraction = bits & ((1ull << 52) - 1);
    const std::uint64_t m = fraction | (1ull << 52);
    const int shift = 54 - exponent; // from 5 to 63

    // Scaled by 10^k to 17 or 18 digits before the binary point:
    // 2^exponent >= 10^f, with f = floor(exponent * log10 2).
    const int f = (exponent * 78913) >> 18;
    const int k = 16 - f; // from 2 to 19
    const std::uint64_t scale = powerOfTen[k];
    const Wide scaledMid = static_cast<Wide>(4 * m) * scale;
    const Wide scaledUpper = scaledMid + 2 * static_cast<Wide>(scale);
    const Wide scaledLower = scaledMid - (fraction == 0 ? 1 : 2) * static_cast<Wide>(scale);
    const std::uint64_t below = (1ull << shift) - 1;
    const auto whole = [shift](Wide scaled) { return static_cast<std::uint64_t>(scaled >> shift); };
    const auto part = [below](Wide scaled) { return static_cast<std::uint64_t>(scaled) & below; };

    // The integers that read back as the double: strictly between the
    // midpoints, or on one when the significand is even (a tie reads as
    // the even neighbour).
    const bool even = (m & 1) == 0;
    std::uint64_t high = whole(scaledUpper);
    if (part(scaledUpper) == 0 && !even)
        --high;
    std::uint64_t low = whole(scaledLower);
    if (part(scaledLower) != 0 || !even)
        ++low;

    // Drop digits while a shorter number still lies among them, the
    // double's own digits with them: the last one dropped, and whether
    // all after it were zeros. A number n digits shorter lies among them
    // whenever one n + 1 digits shorter does, so after the first digit
    // they go eight at a time while they can, then four, two and one.
    std::uint64_t digits = whole(scaledMid);
    const std::uint64_t exactPart = part(scaledMid);
    bool zerosAfter = exactPart == 0;
    std::uint64_t lastDropped = 0;
    int dropped = 0;
    const auto drop = [&]<int count>() {
        constexpr std::uint64_t power = powerOfTen[count];
        const std::uint64_t shorterLow = (low + (power - 1)) / power;
        const std::uint64_t shorterHigh = high / power;
        if (shorterHigh < shorterLow)
            return false;
        low = shorterLow;
        high = shorterHigh;
        const std::uint64_t shorter = digits / power;
        const std::uint64_t gone = digits - power * shorter;
        constexpr std::uint64_t tenth = power / 10;
        zerosAfter = zerosAfter && lastDropped == 0 && gone % tenth == 0;
        lastDropped = gone / tenth;
        digits = shorter;
        dropped += count;
        return true;
    };
    if (drop.template operator()<1>()) {
        while (drop.template operator()<8>()) {
        }
        drop.template operator()<4>();
        drop.template operator()<2>();
        drop.template operator()<1>();
    }

    // Of the numbers that short, the nearest to the double; halfway
    // between two, the even one.
    const std::uint64_t half = dropped == 0 ? 1ull << (shift - 1) : 5;
    const std::uint64_t beyond = dropped == 0 ? exactPart : lastDropped;
    const bool tail = dropped == 0 ? false : !zerosAfter;
    digits += (beyond > half || (beyond == half && (tail || (digits & 1)))) ? 1 : 0;
    digits = digits < low ? low : digits > high ? high : digits;

    // digits * 10^last, as fixed or scientific text, whichever is
    // shorter; fixed when they are as long. Scaled, the double had 17 or
    // 18 digits.
    const int count = 17 - dropped + (digits >= powerOfTen[17 - dropped] ? 1 : 0);
    const int last = dropped - k;
    const int scientificExponent = last + count - 1;
    const int magnitude = scientificExponent < 0 ? -scientificExponent : scientificExponent;
    const int scientificLength = count + (count > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
    const int fixedLength = last >= 0 ? count + last : -last < count ? count + 1 : 2 - last;
    // The digits are written in place (a copy of digits just written
    // would wait for the writes to land).
    if (scientificLength < fixedLength) {
        writeDigits(out + 1, digits, count);
        out[0] = out[1];
        if (count > 1)
            out[1] = '.';
        out += count > 1 ? count + 1 : 1;
        *out++ = 'e';
        *out++ = scientificExponent < 0 ? '-' : '+';
        if (magnitude >= 100)
            *out++ = static_cast<char>('0' + magnitude / 100);
        std::memcpy(out, digitPairs + 2 * (magnitude % 100), 2);
        return out + 2;
    }
    if (last >= 0) {
        writeDigits(out, digits, count);
        std::memset(out + count, '0', static_cast<std::size_t>(last));
        return out + count + last;
    }
    if (-last < count) {
        // The whole part, the point, the fraction.
        const int wholeDigits = count + last;
        writeDigits(out + 1, digits, count);
        for (int i = 0; i < wholeDigits; ++i)
            out[i] = out[i + 1];
        out[wholeDigits] = '.';
        return out + count + 1;
    }
    out[0] = '0';
    out[1] = '.';
    std::memset(out + 2, '0', static_cast<std::size_t>(-last - count));
    writeDigits(out + 2 - last - count, digits, count);
    return out + 2 - last;
}

#else

char* WriteShortest(char* out, double value)
{
    return std::to_chars(out, out + 32, value).ptr;
}

#endif
