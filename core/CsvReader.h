// SPDX-License-Identifier: GPL-3.0-or-later
// CsvReader: comma-separated values as RFC 4180 reads them, the other half
// of the core's CSV writer (core/Csv.h).
//
// In: a file's bytes, UTF-8 with or without a byte-order mark at the start
// (bytes that are not valid UTF-8 are read as Latin-1, as a spreadsheet of an
// 8-bit code page writes them). Only that one mark is dropped: U+FEFF
// anywhere else, a field's first character too, is part of the text. Out: the records, each with the line it
// starts on, and the field texts as the writer put them in. A field in double
// quotes may hold commas, line ends and doubled double quotes; records end
// with CR LF, LF or a lone CR. A double quote inside a field that does not
// start with one is taken as it stands.
#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

struct CsvRecord {
    qsizetype line = 0; // the line the record starts on, counted from 1
    QStringList fields;
    QString error; // why the record could not be read; its fields are then empty
};

// Every record of `bytes` in order. A record that cannot be read (a quoted
// field with text after its closing quote, or one left open at the end of the
// file) carries its reason, and reading goes on at the next line. An empty
// line is a record of one empty field; the line end after the last record
// does not start another one.
QList<CsvRecord> ReadCsv(QByteArrayView bytes);

// A number cell as the programs write it, read whatever the locale: an
// optional sign, digits with an optional "." and fraction, an optional
// exponent ("1e3"), with nothing else but spaces or tabs around it. "12,3",
// "12.3abc", "1 000", "inf", "nan" and an empty text are not numbers, nor is
// a value beyond the range of a double.
std::optional<double> CsvNumber(QStringView text);

// A text cell as it was before the writer guarded it from spreadsheets: the
// single quote the writer puts before a text that would pass for a formula
// (one that begins with "=", "+", "-", "@", a tab or a CR and holds more than
// that one character, behind any number of single quotes) is taken off. Any
// other text is returned as it is.
QString UnguardedCsvText(const QString& field);
