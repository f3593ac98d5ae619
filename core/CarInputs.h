// SPDX-License-Identifier: GPL-3.0-or-later
// CarInputs: the nine inputs of a car, as the texts a user typed (CarTexts)
// and as the numbers they stand for (CarInputs, numbers/Car.h), with the
// names scripts and messages use for each field.
#pragma once

#include "numbers/Car.h"

#include <QString>

#include <array>
#include <optional>

// The name scripts and exported data use for a field ("horsepower",
// "dragCoefficient", "carWeight", "grillArea", "windshieldArea",
// "windshieldAngle", "availableShifts", "quarterMileShifts", "spinTime").
QString FieldKey(InputField field);
std::optional<InputField> FieldFromKey(const QString& key);
// What the user calls a field in a sentence ("quarter mile shifts"), in the
// user's language.
QString FieldName(InputField field);

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

// Each text converted as the program reads its boxes: the seven decimals by
// DecimalFromText, the two counts by IntegerFromText.
CarInputs ConvertTexts(const CarTexts& texts);
