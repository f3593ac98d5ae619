// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isWhiteSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\v' || u == '\f' || u == '\r';
}

bool isDigit(const QString& text, qsizetype i)
{
    return i < text.size() && text[i] >= u'0' && text[i] <= u'9';
}

qsizetype skipWhiteSpace(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isWhiteSpace(text[i]))
        ++i;
    return i;
}

qsizetype skipDigits(const QString& text, qsizetype i)
{
    while (isDigit(text, i))
        ++i;
    return i;
}

} // namespace

double DecimalFromText(const QString& text)
{
    qsizetype i = skipWhiteSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype numberStart = i;
    const qsizetype integerEnd = skipDigits(text, i);
    qsizetype end = integerEnd;
    bool anyDigit = integerEnd > numberStart;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit)
        return 0;
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        qsizetype e = end + 1;
        if (e < text.size() && (text[e] == u'+' || text[e] == u'-'))
            ++e;
        if (isDigit(text, e))
            end = skipDigits(text, e);
    }

    const std::string number = text.mid(numberStart, end - numberStart).toStdString();
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
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

int IntegerFromText(const QString& text)
{
    qsizetype i = skipWhiteSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; isDigit(text, i); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1; // saturate: out of every range
    }
    if (negative)
        return value > INT_MAX ? INT_MIN : static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

namespace {

// The shortest text of a number, where every such text is made: without a
// format or precision, to_chars gives the shortest text that from_chars
// reads back exactly, in the C locale's form. The longest, such as
// "-2.2250738585072014e-308", has 24 characters.
class Shortest {
public:
    template <typename Number>
    explicit Shortest(Number value)
        : size(static_cast<std::size_t>(std::to_chars(text, text + sizeof text, value).ptr - text))
    {
    }
    const char* Data() const { return text; }
    std::size_t Size() const { return size; }

private:
    char text[32];
    std::size_t size;
};

} // namespace

QByteArray ShortestText(double value)
{
    const Shortest shortest(value);
    return QByteArray(shortest.Data(), static_cast<qsizetype>(shortest.Size()));
}

QByteArray ShortestText(int value)
{
    const Shortest shortest(value);
    return QByteArray(shortest.Data(), static_cast<qsizetype>(shortest.Size()));
}

void AppendShortest(std::string& out, double value)
{
    const Shortest shortest(value);
    out.append(shortest.Data(), shortest.Size());
}

void AppendShortest(std::string& out, int value)
{
    const Shortest shortest(value);
    out.append(shortest.Data(), shortest.Size());
}

QString FormatFixed(double value, int width, int precision, bool leftJustified)
{
    // Qt's own printf ignores the C locale: the decimal point is always ".".
    return leftJustified ? QString::asprintf("%-*.*f", width, precision, value)
                         : QString::asprintf("%*.*f", width, precision, value);
}

QString FormatPicture(double value, const QString& decimalSeparator, const QString& groupSeparator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    // The value to 18 significant digits: d.ddddddddddddddddde±x.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 17);
    const std::string scientific(buffer, result.ptr);
    std::string significant = scientific.substr(0, 1) + scientific.substr(2, 17);
    const int exponent = std::stoi(scientific.substr(scientific.find('e') + 1));

    // Digits from the highest integer place down to the thousandths.
    const int integerPlaces = exponent >= 0 ? exponent + 1 : 0;
    std::string digits;
    for (int place = integerPlaces - 1; place >= -3; --place) {
        const int k = exponent - place;
        digits += (k >= 0 && k < static_cast<int>(significant.size())) ? significant[k] : '0';
    }

    // Round at the hundredths, half away from zero.
    const bool roundUp = digits.back() >= '5';
    digits.pop_back();
    if (roundUp) {
        int k = static_cast<int>(digits.size()) - 1;
        while (k >= 0 && digits[k] == '9')
            digits[k--] = '0';
        if (k >= 0)
            ++digits[k];
        else
            digits.insert(digits.begin(), '1');
    }

    const std::string decimals = digits.substr(digits.size() - 2);
    std::string integer = digits.substr(0, digits.size() - 2);
    integer.erase(0, integer.find_first_not_of('0'));

    QString text;
    if (value < 0 && (!integer.empty() || decimals != "00"))
        text += u'-';
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (i > 0 && (integer.size() - i) % 3 == 0)
            text += groupSeparator;
        text += QChar(integer[i]);
    }
    text += decimalSeparator;
    text += QString::fromLatin1(decimals.c_str());
    return text;
}

PictureSeparators LocaleSeparators()
{
    const QLocale locale;
    PictureSeparators separators{ locale.decimalPoint(), locale.groupSeparator() };
    if (separators.decimal.isEmpty())
        separators.decimal = QStringLiteral(".");
    if (separators.group.isEmpty())
        separators.group = QStringLiteral(",");
    return separators;
}

QString FormatPicture(double value)
{
    const PictureSeparators separators = LocaleSeparators();
    return FormatPicture(value, separators.decimal, separators.group);
}
