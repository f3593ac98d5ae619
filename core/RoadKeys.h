// SPDX-License-Identifier: GPL-3.0-or-later
// RoadKeys: the road model's description of a car, kept in its ".trv" file
// after the nine values, one "key=value" a line.
//
// In: the text that follows the ninth value of a car file (VehicleFile's
// Words::tail), or one "KEY=VALUE" of the runner's --set. Out: the keys as
// written, in their order (so that a save keeps every key it read, as it
// read it), their values as the road model takes them, and a message naming
// the line of an unknown key or a bad value. Old programs read the nine
// values and ignore everything after them, so they still read these files.
//
// The keys: engine (combustion, electric), drivetrain (fwd, rwd, awd),
// transmission (manual, automatic, dct, automated, cvt, direct), gears,
// powerRpm, torque (lb-ft), torqueRpm, redline, frontalArea (ft², which
// replaces grill + windshield · sin angle), tires (street, summer, track,
// dragRadial, slick) and surface (street, prepped). Every key is optional.
// One more line is the logbook's: "car=<identity>", the car's stable name
// that its runs are kept under; it is read and written back as it stands.
#pragma once

#include "core/CarInputs.h"
#include "engine/RoadCar.h"
#include "numbers/RoadKeyValues.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The key's name in a file ("powerRpm").
QString RoadKeyName(RoadKey key);
std::optional<RoadKey> RoadKeyFromName(const QString& name);
// The words a choice key takes, empty for a number.
QStringList RoadKeyWords(RoadKey key);

// The keys of one car.
struct RoadKeys {
    // Every key line as written: key and value, in file order.
    struct Line {
        QString key;
        QString value;
        bool operator==(const Line&) const = default;
    };
    QList<Line> lines;

    // The values the road model takes (the last line of a key wins).
    RoadCar car;                       // the optional keys only
    std::optional<double> frontalArea; // ft²

    bool operator==(const RoadKeys&) const = default;
    bool IsEmpty() const { return lines.isEmpty(); }
    // The value text of a key as written, empty when the car leaves it out.
    QString Text(RoadKey key) const;
    // Sets a key to a value text (a new line at the end, or the key's own
    // line rewritten), or removes it for an empty text. Returns the
    // message of a bad value, empty when it was taken.
    QString Set(RoadKey key, const QString& value);
};

// What a car file's text after its nine values holds: its keys, or the
// message of the first line that is not a known key with a good value.
struct RoadKeysRead {
    RoadKeys keys;
    QString error;
};
// `firstLine` is the file's line number of the text's first line.
RoadKeysRead ReadRoadKeys(const QString& text, int firstLine, const QString& fileName);

// One "KEY=VALUE" (the runner's --set): the message of an unknown key or a
// bad value, empty when `keys` took it.
QString SetRoadKey(RoadKeys& keys, const QString& assignment);

// The lines a save writes after the nine values: "key=value" and CR LF
// each, as the keys were read or set.
QByteArray EncodeRoadKeys(const RoadKeys& keys);

// The road model's car from the nine inputs and the keys: the horsepower,
// the weight, the drag coefficient, the frontal area (the key, or grill +
// windshield · sin angle), and the keys; the number of gears, where no key
// gives it, is the available shifts + 1 for a stepped gearbox.
RoadCar RoadCarOf(const CarInputs& inputs, const RoadKeys& keys);

// The message of a car the road model cannot run (RoadRangeProblem), in the
// classic style ("The weight must be between 500.00 and 8000.00"); empty
// when it can.
QString RoadProblemMessage(const RoadProblem& problem);
QString RoadRangeMessage(const RoadCar& car);

// The road keys a run used, each with its value, the typical ones
// included, as "key" and the text a file would hold (for JSON and CSV).
QList<RoadKeys::Line> RoadKeysUsed(const FullRoadCar& car);

// The key of the car's identity line ("car").
QString CarIdentityKey();
// The car's identity in the lines after the nine values (the value of its
// last "car=" line), empty when they hold none.
QString CarIdentityIn(const QString& lines);
// The lines with the identity set: the value of the "car=" line replaced,
// every other byte as it was, or a "car=" line added at the end.
QString WithCarIdentity(const QString& lines, const QString& identity);
