// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RoadKeys.h"

#include "core/NumberText.h"
#include "numbers/RoadRun.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <span>
#include <cmath>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("RoadKeys", text);
}

// One key: its name in a file, the words of a choice (none for a number),
// and the road model's range test of a number.
struct KeyInfo {
    RoadKey key;
    const char* name;
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

// The range messages, in the classic style, by RoadField.
const std::array<const char*, RoadFieldCount> rangeMessages = {
    QT_TRANSLATE_NOOP("RoadKeys", "The horsepower must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The car weight must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The drag coefficient must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The frontal area must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The number of gears must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The engine speed of peak power must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The torque must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The engine speed of peak torque must be between %1 and %2"),
    QT_TRANSLATE_NOOP("RoadKeys", "The redline must be between %1 and %2"),
};

QString rangeMessage(RoadField field)
{
    const RoadRange& range = RoadRanges()[static_cast<std::size_t>(field)];
    if (field == RoadField::Gears)
        return translated(rangeMessages[static_cast<std::size_t>(field)])
            .arg(QString::number(static_cast<int>(range.low)), QString::number(static_cast<int>(range.high)));
    return translated(rangeMessages[static_cast<std::size_t>(field)])
        .arg(FormatFixed(range.low, 6, 2), FormatFixed(range.high, 6, 2));
}

// A whole text as a finite number, "." as the decimal point whatever the
// locale; nothing else may follow it.
std::optional<double> numberOf(const QString& text)
{
    const QByteArray bytes = text.trimmed().toUtf8();
    double value = 0;
    const char* first = bytes.constData();
    const char* last = first + bytes.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (bytes.isEmpty() || error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool within(double value, const RoadRange& range)
{
    return value >= range.low && value <= range.high;
}

// Takes one key's value into `keys`; the message of a bad value otherwise.
QString take(RoadKeys& keys, const KeyInfo& info, const QString& text)
{
    const QString value = text.trimmed();
    if (!info.words.empty()) {
        for (std::size_t i = 0; i < info.words.size(); ++i) {
            if (value == QLatin1String(info.words[i].data(), static_cast<qsizetype>(info.words[i].size()))) {
                switch (info.key) {
                case RoadKey::Engine: keys.car.engine = static_cast<EngineKind>(i); break;
                case RoadKey::Drivetrain: keys.car.drivetrain = static_cast<Drivetrain>(i); break;
                case RoadKey::Transmission: keys.car.transmission = static_cast<Transmission>(i); break;
                case RoadKey::Tires: keys.car.tires = static_cast<TireKind>(i); break;
                case RoadKey::Surface: keys.car.surface = static_cast<SurfaceKind>(i); break;
                default: break;
                }
                return QString();
            }
        }
        return QCoreApplication::translate("RoadKeys", "The value of %1 must be one of %2.")
            .arg(RoadKeyName(info.key), RoadKeyWords(info.key).join(QStringLiteral(", ")));
    }
    const std::optional<double> number = numberOf(value);
    if (!number)
        return QCoreApplication::translate("RoadKeys", "The value of %1 must be a number.").arg(RoadKeyName(info.key));
    const RoadRange& range = RoadRanges()[static_cast<std::size_t>(*info.field)];
    const bool whole = info.key != RoadKey::Gears || *number == std::floor(*number);
    if (!within(*number, range) || !whole)
        return rangeMessage(*info.field);
    switch (info.key) {
    case RoadKey::Gears: keys.car.gears = static_cast<int>(*number); break;
    case RoadKey::PowerRpm: keys.car.powerRpm = *number; break;
    case RoadKey::Torque: keys.car.torque = *number; break;
    case RoadKey::TorqueRpm: keys.car.torqueRpm = *number; break;
    case RoadKey::Redline: keys.car.redline = *number; break;
    case RoadKey::FrontalArea: keys.frontalArea = *number; break;
    default: break;
    }
    return QString();
}

void clear(RoadKeys& keys, RoadKey key)
{
    switch (key) {
    case RoadKey::Engine: keys.car.engine.reset(); break;
    case RoadKey::Drivetrain: keys.car.drivetrain.reset(); break;
    case RoadKey::Transmission: keys.car.transmission.reset(); break;
    case RoadKey::Gears: keys.car.gears.reset(); break;
    case RoadKey::PowerRpm: keys.car.powerRpm.reset(); break;
    case RoadKey::Torque: keys.car.torque.reset(); break;
    case RoadKey::TorqueRpm: keys.car.torqueRpm.reset(); break;
    case RoadKey::Redline: keys.car.redline.reset(); break;
    case RoadKey::FrontalArea: keys.frontalArea.reset(); break;
    case RoadKey::Tires: keys.car.tires.reset(); break;
    case RoadKey::Surface: keys.car.surface.reset(); break;
    }
}

QString unknownKey(const QString& key)
{
    QStringList names;
    for (RoadKey k : AllRoadKeys)
        names.append(RoadKeyName(k));
    return QCoreApplication::translate("RoadKeys", "\"%1\" is not a key of a Torvane car file (%2).")
        .arg(key, names.join(QStringLiteral(", ")));
}

QString numberText(double value)
{
    return QString::fromLatin1(ShortestText(value));
}

} // namespace

QString RoadKeyName(RoadKey key)
{
    return QLatin1String(infoOf(key).name);
}

std::optional<RoadKey> RoadKeyFromName(const QString& name)
{
    for (const KeyInfo& info : keyInfo())
        if (name == QLatin1String(info.name))
            return info.key;
    return std::nullopt;
}

QStringList RoadKeyWords(RoadKey key)
{
    QStringList words;
    for (std::string_view word : infoOf(key).words)
        words.append(QLatin1String(word.data(), static_cast<qsizetype>(word.size())));
    return words;
}

QString RoadKeys::Text(RoadKey key) const
{
    const QString name = RoadKeyName(key);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (line->key == name)
            return line->value;
    return QString();
}

QString RoadKeys::Set(RoadKey key, const QString& value)
{
    const QString name = RoadKeyName(key);
    const QString text = value.trimmed();
    RoadKeys changed = *this;
    if (text.isEmpty()) {
        clear(changed, key);
    } else if (const QString error = take(changed, infoOf(key), text); !error.isEmpty()) {
        return error;
    }
    // The key keeps the place of its first line; any other line of it goes.
    const auto first = std::find_if(changed.lines.cbegin(), changed.lines.cend(),
                                    [&name](const Line& line) { return line.key == name; });
    const qsizetype at = first - changed.lines.cbegin();
    changed.lines.removeIf([&name](const Line& line) { return line.key == name; });
    if (!text.isEmpty())
        changed.lines.insert(std::min(at, changed.lines.size()), { name, text });
    *this = changed;
    return QString();
}

RoadKeysRead ReadRoadKeys(const QString& text, int firstLine, const QString& fileName)
{
    RoadKeysRead read;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        const int number = firstLine + static_cast<int>(i);
        auto refuse = [&](QString why) {
            // The range messages, in the classic style, end without a stop.
            if (!why.endsWith(QLatin1Char('.')))
                why += QLatin1Char('.');
            read.keys = {};
            read.error = QCoreApplication::translate("RoadKeys", "%1, line %L2: %3 Nothing was loaded.")
                             .arg(fileName)
                             .arg(number)
                             .arg(why);
        };
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0) {
            refuse(QCoreApplication::translate("RoadKeys", "\"%1\" is not a line of the form key=value.").arg(line));
            return read;
        }
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        const std::optional<RoadKey> known = RoadKeyFromName(key);
        if (!known) {
            refuse(unknownKey(key));
            return read;
        }
        const QString error = take(read.keys, infoOf(*known), value);
        if (!error.isEmpty()) {
            refuse(error);
            return read;
        }
        read.keys.lines.append({ key, value });
    }
    return read;
}

QString SetRoadKey(RoadKeys& keys, const QString& assignment)
{
    const qsizetype equals = assignment.indexOf(QLatin1Char('='));
    const QString key = assignment.left(equals).trimmed();
    const std::optional<RoadKey> known = RoadKeyFromName(key);
    if (!known)
        return unknownKey(key);
    return keys.Set(*known, assignment.mid(equals + 1));
}

QByteArray EncodeRoadKeys(const RoadKeys& keys)
{
    QByteArray bytes;
    for (const RoadKeys::Line& line : keys.lines)
        bytes += line.key.toUtf8() + '=' + line.value.toUtf8() + "\r\n";
    return bytes;
}

RoadCar RoadCarOf(const CarInputs& inputs, const RoadKeys& keys)
{
    return RoadCarFrom(inputs, keys.car, keys.frontalArea);
}

QString RoadProblemMessage(const RoadProblem& problem)
{
    switch (problem.kind) {
    case RoadProblemKind::None: return QString();
    case RoadProblemKind::OutOfRange: return rangeMessage(problem.field);
    case RoadProblemKind::TorquePeakAbovePowerPeak:
        return translated(QT_TRANSLATE_NOOP("RoadKeys", "The engine speed of peak torque must not be above "
                                                        "that of peak power"));
    case RoadProblemKind::PowerPeakAboveRedline:
        return translated(QT_TRANSLATE_NOOP("RoadKeys", "The engine speed of peak power must not be above the "
                                                        "redline"));
    case RoadProblemKind::TorqueTooSmall:
        return translated(QT_TRANSLATE_NOOP("RoadKeys", "The torque must be at least what the horsepower gives "
                                                        "at the engine speed of peak power"));
    case RoadProblemKind::GearsForTransmission:
        return translated(QT_TRANSLATE_NOOP("RoadKeys", "A CVT or a direct drive has one gear"));
    }
    return QString();
}

QString RoadRangeMessage(const RoadCar& car)
{
    return RoadProblemMessage(RoadRangeProblem(car));
}

QList<RoadKeys::Line> RoadKeysUsed(const FullRoadCar& car)
{
    auto word = [](auto words, auto value) {
        const std::string_view w = words[static_cast<std::size_t>(value)];
        return QString(QLatin1String(w.data(), static_cast<qsizetype>(w.size())));
    };
    return {
        { RoadKeyName(RoadKey::Engine), word(EngineWords, car.engine) },
        { RoadKeyName(RoadKey::Drivetrain), word(DrivetrainWords, car.drivetrain) },
        { RoadKeyName(RoadKey::Transmission), word(TransmissionWords, car.transmission) },
        { RoadKeyName(RoadKey::Gears), QString::number(car.gears) },
        { RoadKeyName(RoadKey::PowerRpm), numberText(car.powerRpm) },
        { RoadKeyName(RoadKey::Torque), numberText(car.torque) },
        { RoadKeyName(RoadKey::TorqueRpm), numberText(car.torqueRpm) },
        { RoadKeyName(RoadKey::Redline), numberText(car.redline) },
        { RoadKeyName(RoadKey::FrontalArea), numberText(car.frontalArea) },
        { RoadKeyName(RoadKey::Tires), word(TireWords, car.tires) },
        { RoadKeyName(RoadKey::Surface), word(SurfaceWords, car.surface) },
    };
}
