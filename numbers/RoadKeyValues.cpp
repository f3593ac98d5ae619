// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/RoadKeyValues.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// One key: its name in a file, the words of a choice (none for a number),
// and the road model's range test of a number.
struct KeyInfo {
    RoadKey key;
    std::string_view name;
    std::span<const std::string_view> words;
    std::optional<RoadField> field;
};

const std::array<KeyInfo, RoadKeyCount>& keyInfo()
{
    static const std::array<KeyInfo, RoadKeyCount> info = { {
        { RoadKey::Engine, "engine", EngineWords, std::nullopt },
        { RoadKey::Drivetrain, "drivetrain", DrivetrainWords, std::nullopt },
        { RoadKey::Transmission, "transmission", TransmissionWords, std::nullopt },
        { RoadKey::Gears, "gears", {}, RoadField::Gears },
        { RoadKey::PowerRpm, "powerRpm", {}, RoadField::PowerRpm },
        { RoadKey::Torque, "torque", {}, RoadField::Torque },
        { RoadKey::TorqueRpm, "torqueRpm", {}, RoadField::TorqueRpm },
        { RoadKey::Redline, "redline", {}, RoadField::Redline },
        { RoadKey::FrontalArea, "frontalArea", {}, RoadField::FrontalArea },
        { RoadKey::Tires, "tires", TireWords, std::nullopt },
        { RoadKey::Surface, "surface", SurfaceWords, std::nullopt },
    } };
    return info;
}

const KeyInfo& infoOf(RoadKey key)
{
    return keyInfo()[static_cast<std::size_t>(key)];
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether `text` is a decimal number as from_chars reads one in its general
// format: a sign, digits with a point, an exponent.
bool isDecimal(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && isDigit(text[e])) {
            while (e < text.size() && isDigit(text[e]))
                ++e;
            i = e;
        }
    }
    return i == text.size();
}

} // namespace

std::string_view RoadKeyNameOf(RoadKey key)
{
    return infoOf(key).name;
}

std::optional<RoadKey> RoadKeyNamed(std::string_view name)
{
    for (const KeyInfo& info : keyInfo())
        if (name == info.name)
            return info.key;
    return std::nullopt;
}

std::span<const std::string_view> RoadKeyWordsOf(RoadKey key)
{
    return infoOf(key).words;
}

std::optional<RoadField> RoadKeyField(RoadKey key)
{
    return infoOf(key).field;
}

std::optional<double> WholeNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
#ifdef __EMSCRIPTEN__
    // WebAssembly's C++ library has no from_chars for doubles: the same
    // texts, checked first, through the C library's strtod (correctly
    // rounded, and without a locale there).
    if (!isDecimal(text))
        return std::nullopt;
    value = std::strtod(std::string(text).c_str(), nullptr);
    const bool zeroOfDigits = value == 0 && text.find_first_of("123456789") < text.find_first_of("eE");
    if (zeroOfDigits)
        return std::nullopt;
#else
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (text.empty() || error != std::errc() || end != last)
        return std::nullopt;
#endif
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

RoadValueError TakeRoadValue(RoadKey key, std::string_view text, RoadCar& car, std::optional<double>& frontalArea)
{
    const KeyInfo& info = infoOf(key);
    if (!info.words.empty()) {
        for (std::size_t i = 0; i < info.words.size(); ++i) {
            if (text != info.words[i])
                continue;
            switch (key) {
            case RoadKey::Engine: car.engine = static_cast<EngineKind>(i); break;
            case RoadKey::Drivetrain: car.drivetrain = static_cast<Drivetrain>(i); break;
            case RoadKey::Transmission: car.transmission = static_cast<Transmission>(i); break;
            case RoadKey::Tires: car.tires = static_cast<TireKind>(i); break;
            case RoadKey::Surface: car.surface = static_cast<SurfaceKind>(i); break;
            default: break;
            }
            return RoadValueError::None;
        }
        return RoadValueError::NotOneOfWords;
    }
    const std::optional<double> number = WholeNumber(text);
    if (!number)
        return RoadValueError::NotANumber;
    const RoadRange& range = RoadRanges()[static_cast<std::size_t>(*info.field)];
    const bool whole = key != RoadKey::Gears || *number == std::floor(*number);
    if (!(*number >= range.low && *number <= range.high) || !whole)
        return RoadValueError::OutOfRange;
    switch (key) {
    case RoadKey::Gears: car.gears = static_cast<int>(*number); break;
    case RoadKey::PowerRpm: car.powerRpm = *number; break;
    case RoadKey::Torque: car.torque = *number; break;
    case RoadKey::TorqueRpm: car.torqueRpm = *number; break;
    case RoadKey::Redline: car.redline = *number; break;
    case RoadKey::FrontalArea: frontalArea = *number; break;
    default: break;
    }
    return RoadValueError::None;
}

void ClearRoadValue(RoadKey key, RoadCar& car, std::optional<double>& frontalArea)
{
    switch (key) {
    case RoadKey::Engine: car.engine.reset(); break;
    case RoadKey::Drivetrain: car.drivetrain.reset(); break;
    case RoadKey::Transmission: car.transmission.reset(); break;
    case RoadKey::Gears: car.gears.reset(); break;
    case RoadKey::PowerRpm: car.powerRpm.reset(); break;
    case RoadKey::Torque: car.torque.reset(); break;
    case RoadKey::TorqueRpm: car.torqueRpm.reset(); break;
    case RoadKey::Redline: car.redline.reset(); break;
    case RoadKey::FrontalArea: frontalArea.reset(); break;
    case RoadKey::Tires: car.tires.reset(); break;
    case RoadKey::Surface: car.surface.reset(); break;
    }
}
