// SPDX-License-Identifier: GPL-3.0-or-later
// Tables that describe an enum: one row per value, in the enum's order, so
// that a value's row is the row at its index. The figures' tables (the
// comparison's rows, the curves' marks, the slip's fields) check their order
// with InEnumOrder when they are compiled and find a row with RowOf.
#pragma once

#include <cstddef>

// Whether row i of the table describes value i of the enum, as the row's
// member `key` names it.
template <typename Table, typename Row, typename Enum>
constexpr bool InEnumOrder(const Table& table, Enum Row::*key)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].*key != static_cast<Enum>(i))
            return false;
    return true;
}

// The row of a value.
template <typename Table, typename Enum>
constexpr const auto& RowOf(const Table& table, Enum value)
{
    return table[static_cast<std::size_t>(value)];
}
