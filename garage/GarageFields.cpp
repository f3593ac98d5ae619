// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/GarageFields.h"

#include "core/NumberText.h"

#include <QCoreApplication>

namespace {

// The texts' translations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GarageFields)
};

} // namespace

QString FieldLabel(InputField field, UnitSystem units)
{
    switch (field) {
    case InputField::Horsepower: return units == UnitSystem::Metric ? Text::tr("Power") : Text::tr("Horsepower");
    case InputField::GrillArea: return Text::tr("Grill area");
    case InputField::WindshieldArea: return Text::tr("Windshield area");
    case InputField::CarWeight: return Text::tr("Car weight");
    case InputField::DragCoefficient: return Text::tr("Drag coefficient");
    case InputField::WindshieldAngle: return Text::tr("Windshield angle");
    case InputField::AvailableShifts: return Text::tr("Available shifts");
    case InputField::QuarterMileShifts: return Text::tr("Quarter mile shifts");
    case InputField::SpinTime: return Text::tr("Spin time");
    }
    return QString();
}

QString FieldUnit(InputField field, UnitSystem units)
{
    if (field == InputField::WindshieldAngle)
        return Text::tr("degrees");
    return UnitSymbol(FieldQuantity(field), units);
}

const RangeTest& FieldRange(InputField field)
{
    return RangeTestOf(field);
}

namespace {

// A range's bound in the shown units; whole bounds read better without
// their zeros: "100–1,500 hp".
QString boundText(double value, Quantity quantity, int decimals, UnitSystem units, const QLocale& locale)
{
    QString text = locale.toString(ToShown(value, quantity, units), 'f', decimals);
    const QString zeros = locale.decimalPoint() + QString(decimals, locale.zeroDigit().at(0));
    if (decimals > 0 && text.endsWith(zeros))
        text.chop(zeros.size());
    return text;
}

QString spanText(const QString& low, const QString& high, const QString& unit)
{
    const QString span = Text::tr("%1–%2").arg(low, high);
    return unit.isEmpty() ? span : Text::tr("%1 %2").arg(span, unit);
}

} // namespace

QString FieldRangeText(InputField field, UnitSystem units, const QLocale& locale)
{
    const RangeTest& range = FieldRange(field);
    const Quantity quantity = FieldQuantity(field);
    const int decimals = IsCountField(field) ? 0 : FieldDecimals(field, units);
    const QString high = field == InputField::QuarterMileShifts
                             ? Text::tr("available shifts − 1")
                             : boundText(range.high, quantity, decimals, units, locale);
    return spanText(boundText(range.low, quantity, decimals, units, locale), high, FieldUnit(field, units));
}

double SliderStepsPerUnit(InputField field)
{
    switch (field) {
    case InputField::Horsepower: return 1;         // 1 hp
    case InputField::CarWeight: return 0.2;        // 5 lb
    case InputField::DragCoefficient: return 1000; // 0.001
    case InputField::GrillArea:
    case InputField::WindshieldArea: return 20;    // 0.05 ft²
    case InputField::WindshieldAngle: return 2;    // half a degree
    case InputField::SpinTime: return 100;         // 0.01 s
    case InputField::AvailableShifts:
    case InputField::QuarterMileShifts: break;     // whole shifts
    }
    return 1;
}

QString FieldValueText(double classicValue, InputField field, UnitSystem units, const QLocale& locale)
{
    if (IsCountField(field))
        return locale.toString(static_cast<int>(classicValue));
    const Quantity quantity = FieldQuantity(field);
    if (units == UnitSystem::Metric && ToShown(1, quantity, units) != 1)
        return locale.toString(ToShown(classicValue, quantity, units), 'f', FieldDecimals(field, units));
    return locale.toString(classicValue, 'g', QLocale::FloatingPointShortest);
}

int FieldDecimals(InputField field, UnitSystem units)
{
    if (IsCountField(field))
        return 0;
    if (field == InputField::DragCoefficient)
        return 3;
    return ShownDecimals(FieldQuantity(field), units);
}

QString RoadFieldLabel(RoadKey key)
{
    switch (key) {
    case RoadKey::Engine: return Text::tr("Engine");
    case RoadKey::Drivetrain: return Text::tr("Drivetrain");
    case RoadKey::Transmission: return Text::tr("Transmission");
    case RoadKey::Gears: return Text::tr("Gears");
    case RoadKey::PowerRpm: return Text::tr("Peak power at");
    case RoadKey::Torque: return Text::tr("Peak torque");
    case RoadKey::TorqueRpm: return Text::tr("Peak torque at");
    case RoadKey::Redline: return Text::tr("Redline");
    case RoadKey::FrontalArea: return Text::tr("Measured frontal area");
    case RoadKey::Tires: return Text::tr("Tires");
    case RoadKey::Surface: return Text::tr("Surface");
    }
    return QString();
}

Quantity RoadKeyQuantity(RoadKey key)
{
    switch (key) {
    case RoadKey::Torque: return Quantity::Torque;
    case RoadKey::FrontalArea: return Quantity::Area;
    default: return Quantity::Plain;
    }
}

QString RoadKeyUnit(RoadKey key, UnitSystem units)
{
    switch (key) {
    case RoadKey::PowerRpm:
    case RoadKey::TorqueRpm:
    case RoadKey::Redline: return Text::tr("rpm");
    default: return UnitSymbol(RoadKeyQuantity(key), units);
    }
}

QString RoadKeyRangeText(RoadKey key, UnitSystem units, const QLocale& locale)
{
    const std::optional<RoadField> field = RoadKeyField(key);
    if (!field)
        return QString();
    const RoadRange& range = RoadRanges()[static_cast<std::size_t>(*field)];
    const Quantity quantity = RoadKeyQuantity(key);
    const int decimals = quantity == Quantity::Plain ? 0 : ShownDecimals(quantity, units);
    return spanText(boundText(range.low, quantity, decimals, units, locale),
                    boundText(range.high, quantity, decimals, units, locale), RoadKeyUnit(key, units));
}

QString RoadWordLabel(RoadKey key, int word)
{
    // In the order of the words in engine/RoadCar.h.
    static const char* const engines[] = { QT_TRANSLATE_NOOP("GarageFields", "Combustion"),
                                           QT_TRANSLATE_NOOP("GarageFields", "Electric") };
    static const char* const drivetrains[] = { QT_TRANSLATE_NOOP("GarageFields", "Front-wheel drive"),
                                               QT_TRANSLATE_NOOP("GarageFields", "Rear-wheel drive"),
                                               QT_TRANSLATE_NOOP("GarageFields", "All-wheel drive") };
    static const char* const transmissions[] = { QT_TRANSLATE_NOOP("GarageFields", "Manual"),
                                                 QT_TRANSLATE_NOOP("GarageFields", "Automatic"),
                                                 QT_TRANSLATE_NOOP("GarageFields", "Dual-clutch"),
                                                 QT_TRANSLATE_NOOP("GarageFields", "Automated manual"),
                                                 QT_TRANSLATE_NOOP("GarageFields", "CVT"),
                                                 QT_TRANSLATE_NOOP("GarageFields", "Direct drive") };
    static const char* const tires[] = { QT_TRANSLATE_NOOP("GarageFields", "Street tires"),
                                         QT_TRANSLATE_NOOP("GarageFields", "Summer tires"),
                                         QT_TRANSLATE_NOOP("GarageFields", "Track tires"),
                                         QT_TRANSLATE_NOOP("GarageFields", "Drag radials"),
                                         QT_TRANSLATE_NOOP("GarageFields", "Slicks") };
    static const char* const surfaces[] = { QT_TRANSLATE_NOOP("GarageFields", "Street"),
                                            QT_TRANSLATE_NOOP("GarageFields", "Prepped drag strip") };
    auto pick = [word](const auto& labels) {
        const bool inside = word >= 0 && word < static_cast<int>(std::size(labels));
        return inside ? QCoreApplication::translate("GarageFields", labels[word]) : QString();
    };
    switch (key) {
    case RoadKey::Engine: return pick(engines);
    case RoadKey::Drivetrain: return pick(drivetrains);
    case RoadKey::Transmission: return pick(transmissions);
    case RoadKey::Tires: return pick(tires);
    case RoadKey::Surface: return pick(surfaces);
    default: return QString();
    }
}

namespace {

std::optional<double> numberOf(const QString& text)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    return WholeNumber(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool convertsRoad(RoadKey key, UnitSystem units)
{
    return units == UnitSystem::Metric && ToShown(1, RoadKeyQuantity(key), units) != 1;
}

} // namespace

QString ShownRoadText(const QString& classicText, RoadKey key, UnitSystem units)
{
    const std::optional<double> value = numberOf(classicText);
    if (!convertsRoad(key, units) || !value)
        return classicText;
    const Quantity quantity = RoadKeyQuantity(key);
    return FormatFixed(ToShown(*value, quantity, units), 1, ShownDecimals(quantity, units));
}

QString ClassicRoadText(const QString& shownText, RoadKey key, UnitSystem units)
{
    const std::optional<double> value = numberOf(shownText);
    if (!convertsRoad(key, units) || !value)
        return shownText.trimmed();
    // Four decimals, so that the shown value reads back as typed.
    QString text = FormatFixed(FromShown(*value, RoadKeyQuantity(key), units), 1, 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}
