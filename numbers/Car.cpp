// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/Car.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(std::string_view text, std::size_t i)
{
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

std::size_t skipWhiteSpace(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isWhiteSpace(text[i]))
        ++i;
    return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i)
{
    while (isDigit(text, i))
        ++i;
    return i;
}

// The decimal number `number` (digits, a point, an exponent) as the nearest
// double; false when it is too large or too small for one. WebAssembly's
// C++ library has no from_chars for doubles; its C library's strtod is
// correctly rounded as from_chars is, and knows no locale.
bool decimalOf(const std::string& number, double& value)
{
#ifdef __EMSCRIPTEN__
    value = std::strtod(number.c_str(), nullptr);
    const bool zeroOfDigits = value == 0 && number.find_first_of("123456789") < number.find_first_of("eE");
    return std::isfinite(value) && !zeroOfDigits;
#else
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    return result.ec != std::errc::result_out_of_range;
#endif
}

int countFrom(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace

double CarInputs::FrontalArea() const
{
    return ::FrontalArea(grillArea, windshieldArea, windshieldAngle);
}

double CarInputs::Value(InputField field) const
{
    switch (field) {
    case InputField::Horsepower: return horsepower;
    case InputField::GrillArea: return grillArea;
    case InputField::WindshieldArea: return windshieldArea;
    case InputField::CarWeight: return carWeight;
    case InputField::DragCoefficient: return dragCoefficient;
    case InputField::WindshieldAngle: return windshieldAngle;
    case InputField::AvailableShifts: return availableShifts;
    case InputField::QuarterMileShifts: return quarterMileShifts;
    case InputField::SpinTime: return spinTime;
    }
    return 0;
}

void CarInputs::SetValue(InputField field, double value)
{
    switch (field) {
    case InputField::Horsepower: horsepower = value; break;
    case InputField::GrillArea: grillArea = value; break;
    case InputField::WindshieldArea: windshieldArea = value; break;
    case InputField::CarWeight: carWeight = value; break;
    case InputField::DragCoefficient: dragCoefficient = value; break;
    case InputField::WindshieldAngle: windshieldAngle = value; break;
    case InputField::AvailableShifts: availableShifts = countFrom(value); break;
    case InputField::QuarterMileShifts: quarterMileShifts = countFrom(value); break;
    case InputField::SpinTime: spinTime = value; break;
    }
}

CarInputs CarInputs::DefaultCar()
{
    CarInputs car;
    for (InputField field : AllInputFields)
        car.SetValue(field, ParseField(field, DefaultCarTexts[static_cast<int>(field)]));
    return car;
}

double FrontalArea(double grillArea, double windshieldArea, double windshieldAngle)
{
    return grillArea + windshieldArea * std::sin(windshieldAngle * RadiansPerDegree);
}

double ParseDecimal(std::string_view text)
{
    std::size_t i = skipWhiteSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t numberStart = i;
    const std::size_t integerEnd = skipDigits(text, i);
    std::size_t end = integerEnd;
    bool anyDigit = integerEnd > numberStart;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t e = end + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (isDigit(text, e))
            end = skipDigits(text, e);
    }

    const std::string number(text.substr(numberStart, end - numberStart));
    double value = 0;
    if (!decimalOf(number, value)) {
        // Too large or too small for a double: an infinity or zero, as the C
        // library's conversion gives. The mantissa's first non-zero digit
        // and the exponent tell which.
        const std::size_t exponentAt = number.find_first_of("eE");
        const std::string mantissa = number.substr(0, exponentAt);
        // The exponent is held within a bound far beyond any double's range
        // (and far from the limits of long long), so that adding the
        // mantissa's digit count below cannot overflow.
        constexpr long long exponentBound = 1LL << 40;
        long long exponent = 0;
        if (exponentAt != std::string::npos) {
            const char* first = number.data() + exponentAt + 1;
            if (*first == '+')
                ++first;
            if (std::from_chars(first, number.data() + number.size(), exponent).ec
                == std::errc::result_out_of_range)
                exponent = *first == '-' ? -exponentBound : exponentBound;
            exponent = std::clamp(exponent, -exponentBound, exponentBound);
        }
        const std::size_t point = mantissa.find('.');
        const std::size_t firstNonZero = mantissa.find_first_of("123456789");
        long long magnitude = exponent;
        if (point == std::string::npos || firstNonZero < point)
            magnitude += static_cast<long long>((point == std::string::npos ? mantissa.size() : point)
                                                - firstNonZero);
        else
            magnitude -= static_cast<long long>(firstNonZero - point - 1);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

int ParseInteger(std::string_view text)
{
    std::size_t i = skipWhiteSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; isDigit(text, i); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // saturate: out of every range
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

double ParseField(InputField field, std::string_view text)
{
    return IsCountField(field) ? ParseInteger(text) : ParseDecimal(text);
}
