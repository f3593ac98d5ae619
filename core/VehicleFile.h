// SPDX-License-Identifier: GPL-3.0-or-later
// VehicleFile: the ".trv" vehicle data file, apart from any dialog.
//
// In: the nine box texts (to save) or a path (to open). Out: a file of nine
// CR LF lines, or the first nine words of a file. The format is that of every
// file the program has ever written: one box text per line, in the fixed
// order horsepower, drag coefficient, car weight, grill area, windshield
// area, windshield angle, available shifts, quarter-mile shifts, spin time;
// reading takes the file as white-space separated words, whatever lines they
// stand on.
#pragma once

#include "core/CarInputs.h"
#include "numbers/TrvWords.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace VehicleFile {

constexpr int ValueCount = InputFieldCount;

// The fields in the order of the file's lines.
inline constexpr std::array<InputField, ValueCount> FileOrder = {
    InputField::Horsepower,      InputField::DragCoefficient, InputField::CarWeight,
    InputField::GrillArea,       InputField::WindshieldArea,  InputField::WindshieldAngle,
    InputField::AvailableShifts, InputField::QuarterMileShifts, InputField::SpinTime,
};

// A car's texts in file order, and back.
QStringList TextsInFileOrder(const CarTexts& car);
CarTexts CarFromFileOrder(const QStringList& texts);
// The longest value, in bytes as the file holds it (UTF-8): saving refuses a
// longer text and opening refuses a longer word, so that every file the
// program writes opens again.
constexpr int MaxWordLength = TrvMaxWordLength;
// The nine words must lie wholly within this many bytes from the file's
// start; a file is never read further.
constexpr qint64 MaxScannedBytes = TrvMaxScannedBytes;

// What the user calls each value, in file order, for the messages.
QString ValueName(int index);

// Why these texts would not read back as they stand: a text that is empty
// or holds white space between its characters would shift every later value
// by a word, and one longer than MaxWordLength bytes would be refused on
// opening. Empty when they can be saved.
QString SaveRefusal(const QStringList& texts);

// The file's bytes: each text as UTF-8, every LF written as CR LF, each
// line ended by CR LF.
QByteArray Encode(const QStringList& texts);

// The first nine words of `bytes` (white space: space, tab, LF, CR, VT, FF),
// decoded as UTF-8 when they are valid UTF-8 and as Latin-1 otherwise. A
// UTF-8 byte-order mark at the start is not part of the first word. The
// words must lie wholly within the first MaxScannedBytes bytes.
//
// The lines after the ninth value's line are the car's road keys
// (core/RoadKeys): `tail` holds them as read (UTF-8), from the file's line
// `tailFirstLine` on, within the same first MaxScannedBytes bytes; the rest
// of the ninth value's line is ignored, as every word after the ninth is.
struct Words {
    QStringList words;
    QString error; // non-empty when the file cannot be taken
    QString tail;
    int tailFirstLine = 0;
};
Words Decode(const QByteArray& bytes, const QString& fileName);

// Splits bytes into words as they arrive (numbers/TrvWords.h).
using WordScanner = TrvScanner;

// Saves atomically: an existing file is replaced only when the whole new
// file has reached the disk, and is left byte for byte as it was when any
// write, flush or sync fails. A path that exists but is not a regular file
// (a folder, a device, a named pipe) is refused. Returns an error message,
// empty on success.
// `lines` follow the nine values as they are (lines read after them).
QString Save(const QString& path, const QStringList& texts, const QString& lines = QString());

// Reads no more of the file than the first nine words need, and at most
// MaxScannedBytes (and a byte beyond, to see whether a word runs past the
// bound). Anything but a regular file is refused before it is read, so a
// named pipe or a device can never block the program. On failure `error`
// says why and `words` is empty.
Words Load(const QString& path);
// The same for a path given as the bytes the system names the file by, so
// that a name that is not valid UTF-8 opens too; the messages name the
// file as `shownPath`.
Words LoadEncoded(const QByteArray& encodedPath, const QString& shownPath);

// The extension rule of opening: the path must hold ".trv" somewhere,
// compared case-sensitively.
bool HasTrvExtension(const QString& path);

} // namespace VehicleFile
