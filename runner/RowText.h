// SPDX-License-Identifier: GPL-3.0-or-later
// The text JSON and CSV rows are written into: a string that grows, and the
// numbers written into it, remembered by their bits.
//
// The text of a double depends on its bits alone, so a number written again
// is copied from where it was first written instead of being converted
// again, with the same bytes: the quarter mile among the splits, the
// horsepower on the standard day, a swept value among the inputs, and in a
// sweep whatever the swept input leaves as it was in the row before.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class RowText {
public:
    void Clear();

    RowText& operator+=(std::string_view part)
    {
        text += part;
        return *this;
    }
    RowText& operator+=(char c)
    {
        text += c;
        return *this;
    }
    // The shortest text that reads back as `value` (core/NumberText).
    void Number(double value);
    void Number(int value);

    // The text so far; it is only ever appended to.
    std::string& Text() { return text; }
    const std::string& Text() const { return text; }

private:
    // Where a number was written; length 0 for none. A number is looked
    // for in one slot, chosen by its bits: a later number that takes the
    // slot makes it be written anew.
    struct Written {
        std::uint64_t bits = 0;
        std::size_t at = 0;
        std::size_t length = 0;
    };
    static constexpr int slotBits = 9;

    std::string text;
    std::array<Written, std::size_t{ 1 } << slotBits> written{};
};
