// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CarInputs.h"

#include "core/NumberText.h"

#include <QCoreApplication>

namespace {

struct FieldInfo {
    const char* key;
    const char* name; // as the messages name it, untranslated
};

// Indexed by InputField.
constexpr FieldInfo fieldInfo[InputFieldCount] = {
    { "horsepower", QT_TRANSLATE_NOOP("CarInputs", "horsepower") },
    { "grillArea", QT_TRANSLATE_NOOP("CarInputs", "grill area") },
    { "windshieldArea", QT_TRANSLATE_NOOP("CarInputs", "windshield area") },
    { "carWeight", QT_TRANSLATE_NOOP("CarInputs", "car weight") },
    { "dragCoefficient", QT_TRANSLATE_NOOP("CarInputs", "drag coefficient") },
    { "windshieldAngle", QT_TRANSLATE_NOOP("CarInputs", "windshield angle") },
    { "availableShifts", QT_TRANSLATE_NOOP("CarInputs", "available shifts") },
    { "quarterMileShifts", QT_TRANSLATE_NOOP("CarInputs", "quarter mile shifts") },
    { "spinTime", QT_TRANSLATE_NOOP("CarInputs", "spin time") },
};

const FieldInfo& infoFor(InputField field)
{
    return fieldInfo[static_cast<int>(field)];
}

} // namespace

QString FieldKey(InputField field)
{
    return QLatin1String(infoFor(field).key);
}

std::optional<InputField> FieldFromKey(const QString& key)
{
    for (InputField field : AllInputFields)
        if (key == QLatin1String(infoFor(field).key))
            return field;
    return std::nullopt;
}

QString FieldName(InputField field)
{
    return QCoreApplication::translate("CarInputs", infoFor(field).name);
}

CarTexts CarTexts::DefaultCar()
{
    CarTexts car;
    for (InputField field : AllInputFields)
    {
        const std::string_view text = DefaultCarTexts[static_cast<int>(field)];
        car[field] = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    return car;
}

CarInputs ConvertTexts(const CarTexts& texts)
{
    CarInputs car;
    for (InputField field : AllInputFields) {
        if (IsCountField(field))
            car.SetValue(field, IntegerFromText(texts[field]));
        else
            car.SetValue(field, DecimalFromText(texts[field]));
    }
    return car;
}
