// SPDX-License-Identifier: GPL-3.0-or-later
// File names as the system gives them, whatever their bytes.
//
// A Unix file name is bytes; most are UTF-8, some are not ("caf\xe9.trv"
// written by a Latin-1 program). QFile::decodeName turns each invalid byte
// into U+FFFD, so such a name no longer opens. The runner and the garage
// decode their arguments losslessly instead: valid UTF-8 as text, and each byte that is
// not part of valid UTF-8 as the lone low surrogate U+DC00 + byte (as
// Python's "surrogateescape" does; a lone surrogate never comes from valid
// UTF-8). EncodedName gives back the very bytes, to open the file by, and
// the texts to show name the odd bytes as "\xe9".
#pragma once

#include <QByteArray>
#include <QString>

// An argument's bytes as text, losslessly (see above).
QString ArgumentText(const QByteArray& bytes);
// The bytes an ArgumentText stands for.
QByteArray EncodedName(const QString& name);
// The name for output that carries its own escapes (JSON, CSV) and for
// messages: each byte that was not valid UTF-8 as "\xHH".
QString OutputName(const QString& name);
// A text for a terminal line (the table, standard error): as OutputName,
// and every control character escaped, so that a name cannot break a line
// or move the cursor: "\n", "\r", "\t", "\xHH" for the other C0 controls
// and DEL, "\uHHHH" for the C1 controls and the line and paragraph
// separators.
QString TerminalText(const QString& text);

// The name of the file `path` stands for when a routine of Qt's (a file
// dialog, a folder listing) has turned its odd bytes into U+FFFD: the one
// entry of the path's folder whose decoded name is the path's, given
// losslessly (as ArgumentText gives it). The path itself when it holds no
// U+FFFD, or when no entry or more than one fits.
QString ExistingName(const QString& path);
