// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any text typed into a box. The conversions must never
// crash or overflow, and the formats must take whatever they give back.
#include "core/InputChecks.h"
#include "core/NumberText.h"

#include <cstdint>

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
    (void)count;
    return 0;
}
