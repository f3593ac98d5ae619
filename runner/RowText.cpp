// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/RowText.h"

#include "core/NumberText.h"

#include <bit>

void RowText::Clear()
{
    text.clear();
    written.fill({});
}

void RowText::Number(double value)
{
    const auto bits = std::bit_cast<std::uint64_t>(value);
    Written& slot = written[(bits * 0x9E3779B97F4A7C15u) >> (64 - slotBits)];
    if (slot.length > 0 && slot.bits == bits) {
        text.append(text, slot.at, slot.length);
        return;
    }
    const std::size_t at = text.size();
    AppendShortest(text, value);
    slot = { bits, at, text.size() - at };
}

void RowText::Number(int value)
{
    AppendShortest(text, value);
}
