// SPDX-License-Identifier: GPL-3.0-or-later
// Texts from outside the program (car names, file names, messages that hold
// them) shown where Qt would take them for rich text: a tooltip guesses, and
// a chart's legend always reads HTML. A file named "<h1>Saved OK<!--.trv"
// must show as those characters, not as a heading that hides the rest.
#pragma once

#include <QString>
#include <QTextDocument>

// For a tooltip: escaped, with its line breaks kept.
inline QString PlainToolTip(const QString& text)
{
    return text.isEmpty() ? text : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal);
}

// For a label that is always read as HTML.
inline QString PlainHtml(const QString& text)
{
    return text.toHtmlEscaped();
}
