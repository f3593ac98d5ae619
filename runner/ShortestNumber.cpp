#include "runner/ShortestNumber.h"

#include <charconv>

QByteArray ShortestText(double value)
{
    // Without a format or precision, to_chars gives the shortest text that
    // from_chars reads back exactly, in the C locale's form.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, result.ptr - buffer);
}

QByteArray ShortestText(int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, result.ptr - buffer);
}
