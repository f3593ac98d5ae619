// SPDX-License-Identifier: GPL-3.0-or-later
// CarInputs: the nine inputs of a car, as the texts a user typed (CarTexts)
// and as the numbers they stand for (CarInputs), with the names scripts and
// messages use for each field and the frontal area the wind meets.
#pragma once

#include <QString>

#include <array>
#include <optional>

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

// The name scripts and exported data use for a field ("horsepower",
// "dragCoefficient", "carWeight", "grillArea", "windshieldArea",
// "windshieldAngle", "availableShifts", "quarterMileShifts", "spinTime").
QString FieldKey(InputField field);
std::optional<InputField> FieldFromKey(const QString& key);
// What the user calls a field in a sentence ("quarter mile shifts"), in the
// user's language.
QString FieldName(InputField field);
// The two shift counts are whole numbers; the others decimals.
bool IsCountField(InputField field);

// The nine texts as the user typed them, kept whole: the current inputs of
// the input dialog, the previous inputs, a file's words.
struct CarTexts {
    std::array<QString, InputFieldCount> texts;

    QString& operator[](InputField field) { return texts[static_cast<int>(field)]; }
    const QString& operator[](InputField field) const { return texts[static_cast<int>(field)]; }
    bool operator==(const CarTexts&) const = default;

    // The texts a new input dialog shows: the default car.
    static CarTexts DefaultCar();
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

    static CarInputs DefaultCar();
};

// Degrees to radians by dividing by 57.3 degrees per radian, held as the
// double nearest 1/57.3: the frontal areas of every saved car depend on it.
inline constexpr double RadiansPerDegree = 0.0174520069808027931864;

// The grill plus the windshield as it stands at its angle from horizontal.
double FrontalArea(double grillArea, double windshieldArea, double windshieldAngle);

// Each text converted as the program reads its boxes: the seven decimals by
// DecimalFromText, the two counts by IntegerFromText.
CarInputs ConvertTexts(const CarTexts& texts);
