// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/RoadKeys.h"

#include "core/NumberText.h"
#include "numbers/RoadRun.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("RoadKeys", text);
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

QString wordOf(std::string_view word)
{
    return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
}

// Takes one key's value into `keys`; the message of a bad value otherwise.
QString take(RoadKeys& keys, RoadKey key, const QString& text)
{
    const QByteArray value = text.trimmed().toUtf8();
    switch (TakeRoadValue(key, std::string_view(value.constData(), static_cast<std::size_t>(value.size())), keys.car,
                          keys.frontalArea)) {
    case RoadValueError::None: return QString();
    case RoadValueError::NotOneOfWords:
        return QCoreApplication::translate("RoadKeys", "The value of %1 must be one of %2.")
            .arg(RoadKeyName(key), RoadKeyWords(key).join(QStringLiteral(", ")));
    case RoadValueError::NotANumber:
        return QCoreApplication::translate("RoadKeys", "The value of %1 must be a number.").arg(RoadKeyName(key));
    case RoadValueError::OutOfRange: return rangeMessage(*RoadKeyField(key));
    }
    return QString();
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
    return wordOf(RoadKeyNameOf(key));
}

std::optional<RoadKey> RoadKeyFromName(const QString& name)
{
    const QByteArray bytes = name.toUtf8();
    return RoadKeyNamed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QStringList RoadKeyWords(RoadKey key)
{
    QStringList words;
    for (std::string_view word : RoadKeyWordsOf(key))
        words.append(wordOf(word));
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
        ClearRoadValue(key, changed.car, changed.frontalArea);
    } else if (const QString error = take(changed, key, text); !error.isEmpty()) {
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
        // The car's identity is the logbook's, not the road model's: kept
        // as written.
        if (key == CarIdentityKey()) {
            read.keys.lines.append({ key, value });
            continue;
        }
        const std::optional<RoadKey> known = RoadKeyFromName(key);
        if (!known) {
            refuse(unknownKey(key));
            return read;
        }
        const QString error = take(read.keys, *known, value);
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

QString CarIdentityKey()
{
    return QStringLiteral("car");
}

namespace {

// Where the car's identity stands in a file's lines after the nine values:
// the start and end of its value in the last "car=" line; start < 0 when
// there is none.
struct IdentityPlace {
    qsizetype start = -1;
    qsizetype end = -1;
};

IdentityPlace identityPlace(const QString& lines)
{
    IdentityPlace place;
    qsizetype lineStart = 0;
    while (lineStart <= lines.size()) {
        qsizetype lineEnd = lines.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = lines.size();
        const QString line = lines.mid(lineStart, lineEnd - lineStart);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && line.left(equals).trimmed() == CarIdentityKey()) {
            qsizetype start = lineStart + equals + 1;
            qsizetype end = lineEnd;
            while (start < end && lines[start].isSpace())
                ++start;
            while (end > start && lines[end - 1].isSpace())
                --end;
            place = { start, end };
        }
        lineStart = lineEnd + 1;
    }
    return place;
}

} // namespace

QString CarIdentityIn(const QString& lines)
{
    const IdentityPlace place = identityPlace(lines);
    return place.start < 0 ? QString() : lines.mid(place.start, place.end - place.start);
}

QString WithCarIdentity(const QString& lines, const QString& identity)
{
    const IdentityPlace place = identityPlace(lines);
    if (place.start >= 0)
        return QString(lines).replace(place.start, place.end - place.start, identity);
    QString text = lines;
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n')))
        text += QStringLiteral("\r\n");
    return text + CarIdentityKey() + QLatin1Char('=') + identity + QStringLiteral("\r\n");
}
