// SPDX-License-Identifier: GPL-3.0-or-later
// The WebAssembly build's libm functions (web/libm/), built natively under
// other names (check_pow, ...), against this machine's glibc: every result
// of a million arguments a function, over the ranges Torvane's numbers
// reach and beyond, must be the same bit for bit. Names the first argument
// that differs, so a fault shows as the function's, not as a fit's.
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

double check_pow(double, double);
double check_exp(double);
double check_log(double);
double check_sin(double);
double check_cos(double);
double check_cbrt(double);

static uint64_t state = 0x9e3779b97f4a7c15ULL;

static uint64_t next(void)
{
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    return state;
}

static double uniform(double low, double high)
{
    return low + (high - low) * (double)(next() >> 11) * 0x1p-53;
}

static int same(double a, double b)
{
    return memcmp(&a, &b, sizeof a) == 0;
}

// A function of one argument over [low, high]: 1 when all agree.
static int agree(const char* name, double (*mine)(double), double (*theirs)(double), double low, double high)
{
    for (int i = 0; i < 1000000; ++i) {
        const double x = uniform(low, high);
        if (!same(mine(x), theirs(x))) {
            printf("%s(%a): web/libm %a, glibc %a\n", name, x, mine(x), theirs(x));
            return 0;
        }
    }
    return 1;
}

int main(void)
{
    int ok = agree("exp", check_exp, exp, -20, 20) & agree("exp", check_exp, exp, -745, 710)
        & agree("log", check_log, log, 0.9, 1.1) & agree("log", check_log, log, 1e-3, 1e5)
        & agree("sin", check_sin, sin, -10, 10) & agree("cos", check_cos, cos, -10, 10)
        & agree("cbrt", check_cbrt, cbrt, 1e-3, 1e4);
    for (int i = 0; i < 1000000 && ok; ++i) {
        const double x = uniform(0.01, 100);
        const double y = uniform(-4, 4);
        if (!same(check_pow(x, y), pow(x, y))) {
            printf("pow(%a, %a): web/libm %a, glibc %a\n", x, y, check_pow(x, y), pow(x, y));
            ok = 0;
        }
    }
    if (ok)
        printf("pow, exp, log, sin, cos, cbrt: glibc's results bit for bit\n");
    return ok ? 0 : 1;
}
