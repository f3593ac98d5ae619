// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CarInputs.h"

#include "core/NumberText.h"

#include <QCoreApplication>

#include <climits>
#include <cmath>

namespace {

struct FieldInfo {
    const char* key;
    const char* name; // as the messages name it, untranslated
    const char* defaultText;
};

// Indexed by InputField.
constexpr FieldInfo fieldInfo[InputFieldCount] = {
    { "horsepower", QT_TRANSLATE_NOOP("CarInputs", "horsepower"), "345.00" },
    { "grillArea", QT_TRANSLATE_NOOP("CarInputs", "grill area"), "5.20" },
    { "windshieldArea", QT_TRANSLATE_NOOP("CarInputs", "windshield area"), "13.61" },
    { "carWeight", QT_TRANSLATE_NOOP("CarInputs", "car weight"), "3400.00" },
    { "dragCoefficient", QT_TRANSLATE_NOOP("CarInputs", "drag coefficient"), "0.29" },
    { "windshieldAngle", QT_TRANSLATE_NOOP("CarInputs", "windshield angle"), "22.00" },
    { "availableShifts", QT_TRANSLATE_NOOP("CarInputs", "available shifts"), "5" },
    { "quarterMileShifts", QT_TRANSLATE_NOOP("CarInputs", "quarter mile shifts"), "2" },
    { "spinTime", QT_TRANSLATE_NOOP("CarInputs", "spin time"), "0.75" },
};

const FieldInfo& infoFor(InputField field)
{
    return fieldInfo[static_cast<int>(field)];
}

int countFrom(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
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

bool IsCountField(InputField field)
{
    return field == InputField::AvailableShifts || field == InputField::QuarterMileShifts;
}

CarTexts CarTexts::DefaultCar()
{
    CarTexts car;
    for (InputField field : AllInputFields)
        car[field] = QLatin1String(infoFor(field).defaultText);
    return car;
}

double CarInputs::FrontalArea() const
{
    return ::FrontalArea(grillArea, windshieldArea, windshieldAngle);
}

double CarInputs::Value(InputField field) const
{
    switch (field) {
    case InputField::Horsepower: return horsepower;
    case InputField::GrillArea: return grillArea;
    case InputField::WindshieldArea: return windshieldArea;
    case InputField::CarWeight: return carWeight;
    case InputField::DragCoefficient: return dragCoefficient;
    case InputField::WindshieldAngle: return windshieldAngle;
    case InputField::AvailableShifts: return availableShifts;
    case InputField::QuarterMileShifts: return quarterMileShifts;
    case InputField::SpinTime: return spinTime;
    }
    return 0;
}

void CarInputs::SetValue(InputField field, double value)
{
    switch (field) {
    case InputField::Horsepower: horsepower = value; break;
    case InputField::GrillArea: grillArea = value; break;
    case InputField::WindshieldArea: windshieldArea = value; break;
    case InputField::CarWeight: carWeight = value; break;
    case InputField::DragCoefficient: dragCoefficient = value; break;
    case InputField::WindshieldAngle: windshieldAngle = value; break;
    case InputField::AvailableShifts: availableShifts = countFrom(value); break;
    case InputField::QuarterMileShifts: quarterMileShifts = countFrom(value); break;
    case InputField::SpinTime: spinTime = value; break;
    }
}

CarInputs CarInputs::DefaultCar()
{
    return ConvertTexts(CarTexts::DefaultCar());
}

double FrontalArea(double grillArea, double windshieldArea, double windshieldAngle)
{
    return grillArea + windshieldArea * std::sin(windshieldAngle * RadiansPerDegree);
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
