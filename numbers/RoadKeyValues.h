// SPDX-License-Identifier: GPL-3.0-or-later
// The road keys of a car file (core/RoadKeys.h), as codes: each key's name,
// its words or its range test, and a value's text taken into the road
// model's car, or why it cannot be (the core gives the messages).
#pragma once

#include "engine/RoadCar.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

// The keys, in the order a car file lists them.
enum class RoadKey {
    Engine,
    Drivetrain,
    Transmission,
    Gears,
    PowerRpm,
    Torque,
    TorqueRpm,
    Redline,
    FrontalArea,
    Tires,
    Surface,
};
inline constexpr int RoadKeyCount = 11;
inline constexpr std::array<RoadKey, RoadKeyCount> AllRoadKeys = {
    RoadKey::Engine,   RoadKey::Drivetrain, RoadKey::Transmission, RoadKey::Gears,
    RoadKey::PowerRpm, RoadKey::Torque,     RoadKey::TorqueRpm,    RoadKey::Redline,
    RoadKey::FrontalArea, RoadKey::Tires,   RoadKey::Surface,
};

// The key's name in a file ("powerRpm"), and the key of a name.
std::string_view RoadKeyNameOf(RoadKey key);
std::optional<RoadKey> RoadKeyNamed(std::string_view name);
// The words a choice key takes, empty for a number.
std::span<const std::string_view> RoadKeyWordsOf(RoadKey key);
// The range test of a number key.
std::optional<RoadField> RoadKeyField(RoadKey key);

// Why a value's text is not taken: not one of the key's words, not a
// number, or a number outside the key's range (a number of gears must be
// whole too).
enum class RoadValueError { None, NotOneOfWords, NotANumber, OutOfRange };

// Takes `text` (trimmed) as the key's value into what the keys give the
// road model: the optional values of its car, and the frontal area (ft²)
// that replaces grill + windshield · sin angle. Leaves them as they were
// when it cannot.
RoadValueError TakeRoadValue(RoadKey key, std::string_view text, RoadCar& car, std::optional<double>& frontalArea);
// Removes the key's value.
void ClearRoadValue(RoadKey key, RoadCar& car, std::optional<double>& frontalArea);

// A whole text as a finite number, "." as the decimal point whatever the
// locale: an optional "+", then a decimal number and nothing else.
std::optional<double> WholeNumber(std::string_view text);
