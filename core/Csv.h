// SPDX-License-Identifier: GPL-3.0-or-later
// Comma-separated values as RFC 4180 writes them, for every program's
// exports: a field holding a comma, a double quote, a CR or an LF is put in
// double quotes with each double quote inside doubled, and records end with
// CR LF. Spaces are part of a field and are not quoted. The text is UTF-8.
//
// A text cell that a spreadsheet would take for a formula (one that begins
// with "=", "+", "-", "@", a tab or a CR and holds more than that one
// character) gets a single quote in front, so that the spreadsheet shows
// the text instead of running it; so does such a text behind single quotes
// ("'=1" is written "''=1"), so that the reader takes off only the quote the
// writer added. Number cells never do: "-1.5" stays a number. A field that
// begins with a byte-order mark is quoted, so that it is not taken for the
// file's own mark.
//
// In: fields as UTF-8 bytes (appended to a caller's buffer, for writers
// that stream rows) or as QStrings (whole tables). Out: the bytes.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

// What a cell holds. A number cell is written as it is: the caller vouches
// that it is a number (or "true"/"false"), as a program writes it.
enum class CsvCellKind { Text, Number };

// What ends each record.
inline constexpr std::string_view CsvRecordEnd = "\r\n";

// Appends one field, quoted and guarded as above, to `out`. Allocates only
// when `out` has to grow, so a writer that reuses its buffer allocates
// nothing per row once the buffer is large enough.
void AppendCsvField(std::string& out, std::string_view utf8, CsvCellKind kind = CsvCellKind::Text);

// One cell of a whole table.
struct CsvCell {
    QString text;
    CsvCellKind kind = CsvCellKind::Text;
};

// One field as it stands in the file.
QString CsvField(const QString& field, CsvCellKind kind = CsvCellKind::Text);

// A whole document: the records in order, each ended by CR LF. Every cell of
// the first form is text.
QByteArray CsvDocument(const QList<QStringList>& records);
QByteArray CsvDocument(const QList<QList<CsvCell>>& records);
