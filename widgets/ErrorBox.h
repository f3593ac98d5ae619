// SPDX-License-Identifier: GPL-3.0-or-later
// The standard error box: how the program shows an error it did not
// foresee a message of its own for (a refused modal showing, a printer that
// failed), with the application's title as its caption.
#pragma once

#include <QString>

// The application's title: the program file's name up to its first dot,
// with a capital first letter and every later letter in lower case
// ("Torvane" for torvane).
QString TitleFromFileName(const QString& fileName);
QString ApplicationTitle();

// The text of the standard error box: the message with a full stop appended
// when it is not empty and its last character's code is greater than that
// of '.' (a letter, a digit, '?' and the like).
QString ErrorBoxText(const QString& message);

// The standard error box: the application's title as caption, the error
// icon, an OK button and ErrorBoxText(message), above the window it belongs
// to. Modal; returns on OK.
void ShowErrorBox(const QString& message);
