// SPDX-License-Identifier: GPL-3.0-or-later
// NumberText: numbers to and from the texts of the program's boxes.
//
// In: the texts a user typed. Out: doubles and integers, and the texts the
// results dialog, the report and the messages show. None of these depends on
// the C or Qt locale, except the picture format, which takes its separators
// from the user's locale on purpose.
#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// The longest leading decimal number of `text`, after leading white space:
// an optional sign, digits with an optional decimal point, an optional
// exponent ("1e3"). Anything after it is ignored ("345 hp" gives 345); a text
// without such a number gives 0. A number too large for a double gives an
// infinity of its sign, one too small gives 0.
double DecimalFromText(const QString& text);

// The leading integer of `text`, after leading white space: an optional sign
// and decimal digits up to the first non-digit ("2.9" gives 2); no digit
// gives 0. A value beyond 32 bits gives INT_MAX or INT_MIN, which lie outside
// every range the program accepts.
int IntegerFromText(const QString& text);

// The shortest text that reads back as the very same number, whatever the
// locale: "0.1", "345", "1e+21", "-0"; "inf", "-inf" or "nan" for a value
// that is not finite. What the programs write for other programs to read:
// std::to_chars's text, as a QByteArray or appended to a string that grows.
QByteArray ShortestText(double value);
QByteArray ShortestText(int value);
void AppendShortest(std::string& out, double value);
void AppendShortest(std::string& out, int value);

// C's "%<width>.<precision>f" (and "-" for left justification), always with
// "." as the decimal point whatever the locale.
QString FormatFixed(double value, int width, int precision, bool leftJustified = false);

// The picture format "###,###.#0": two decimals rounded half away from zero
// after taking the value to 18 significant digits, no digit before the
// decimal separator when the integer part is 0 (".75"), thousands grouped,
// a leading "-" for a negative value that does not round to zero.
QString FormatPicture(double value, const QString& decimalSeparator, const QString& groupSeparator);

// The decimal and thousands separators of the user's locale, "." and ","
// where the locale gives none.
struct PictureSeparators {
    QString decimal;
    QString group;
};
PictureSeparators LocaleSeparators();

// The picture format with the separators of the user's locale.
QString FormatPicture(double value);
