// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/NumberText.h"

#include "numbers/Car.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace {

// The text as ParseDecimal and ParseInteger read it: the ASCII characters
// as they are, every other one as a byte that is neither white space, a
// sign, a point nor a digit, as its UTF-8 bytes would be.
std::string asciiOf(const QString& text)
{
    std::string bytes(static_cast<std::size_t>(text.size()), '\x80');
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() < 0x80)
            bytes[static_cast<std::size_t>(i)] = static_cast<char>(text[i].unicode());
    return bytes;
}

} // namespace

double DecimalFromText(const QString& text)
{
    return ParseDecimal(asciiOf(text));
}

int IntegerFromText(const QString& text)
{
    return ParseInteger(asciiOf(text));
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
