// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers below Qt: what every program and the web page compute about a
// car, in standard C++ only, returning values and codes (the core turns the
// codes into the programs' translated messages).
//
// Car: the nine inputs of a car as numbers, the frontal area the wind meets,
// and the reading of a box's text into its number, as the programs read it.
#pragma once

#include <array>
#include <string_view>

// The nine inputs, in the order the input dialog shows them.
enum class InputField {
    Horsepower,
    GrillArea,
    WindshieldArea,
    CarWeight,
    DragCoefficient,
    WindshieldAngle,
    AvailableShifts,
    QuarterMileShifts,
    SpinTime,
};
inline constexpr int InputFieldCount = 9;

inline constexpr std::array<InputField, InputFieldCount> AllInputFields = {
    InputField::Horsepower,      InputField::GrillArea,       InputField::WindshieldArea,
    InputField::CarWeight,       InputField::DragCoefficient, InputField::WindshieldAngle,
    InputField::AvailableShifts, InputField::QuarterMileShifts, InputField::SpinTime,
};

// The two shift counts are whole numbers; the others decimals.
constexpr bool IsCountField(InputField field)
{
    return field == InputField::AvailableShifts || field == InputField::QuarterMileShifts;
}

// The texts of the default car, by InputField.
inline constexpr std::array<std::string_view, InputFieldCount> DefaultCarTexts = {
    "345.00", "5.20", "13.61", "3400.00", "0.29", "22.00", "5", "2", "0.75",
};

// The nine inputs as numbers.
struct CarInputs {
    double horsepower = 0;
    double grillArea = 0;
    double windshieldArea = 0;
    double carWeight = 0;
    double dragCoefficient = 0;
    double windshieldAngle = 0;
    int availableShifts = 0;
    int quarterMileShifts = 0;
    double spinTime = 0;

    bool operator==(const CarInputs&) const = default;

    // The area the wind meets (see FrontalArea).
    double FrontalArea() const;
    // A field as a double (the counts exactly), and set from one (a count
    // is truncated towards zero and saturated to 32 bits).
    double Value(InputField field) const;
    void SetValue(InputField field, double value);

    // The default car: DefaultCarTexts read as the boxes are read.
    static CarInputs DefaultCar();
};

// Degrees to radians by dividing by 57.3 degrees per radian, held as the
// double nearest 1/57.3: the frontal areas of every saved car depend on it.
inline constexpr double RadiansPerDegree = 0.0174520069808027931864;

// The grill plus the windshield as it stands at its angle from horizontal.
double FrontalArea(double grillArea, double windshieldArea, double windshieldAngle);

// The longest leading decimal number of `text` (UTF-8), after leading white
// space: an optional sign, digits with an optional decimal point, an
// optional exponent ("1e3"). Anything after it is ignored ("345 hp" gives
// 345); a text without such a number gives 0. A number too large for a
// double gives an infinity of its sign, one too small gives 0.
double ParseDecimal(std::string_view text);
// The leading integer of `text`, after leading white space: an optional
// sign and decimal digits up to the first non-digit ("2.9" gives 2); no
// digit gives 0. A value beyond 32 bits gives INT_MAX or INT_MIN, which lie
// outside every range the program accepts.
int ParseInteger(std::string_view text);

// A field's text read as the program reads its box: a count by
// ParseInteger, a decimal by ParseDecimal.
double ParseField(InputField field, std::string_view text);
