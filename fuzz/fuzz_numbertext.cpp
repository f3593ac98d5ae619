// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any text typed into a box. The conversions must never
// crash or overflow, and the formats must take whatever they give back.
// The shortest text of a double, as the writers append it, must be the
// standard library's, for the number read and for the input's first eight
// bytes as a double.
#include "core/InputChecks.h"
#include "core/NumberText.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

void sameAsToChars(double value)
{
    char expected[64];
    const std::string_view a(expected, static_cast<std::size_t>(std::to_chars(expected, expected + 64, value).ptr - expected));
    std::string b = "x";
    AppendShortest(b, value);
    if (b.substr(1) != a)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const double value = DecimalFromText(text);
    const int count = IntegerFromText(text);
    FormatFixed(value, 6, 2);
    FormatPicture(value, QStringLiteral("."), QStringLiteral(","));
    CarTexts texts;
    for (InputField field : AllInputFields)
        texts[field] = text;
    RangeMessage(ConvertTexts(texts));
    sameAsToChars(value);
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        sameAsToChars(raw);
    }
    (void)count;
    return 0;
}
