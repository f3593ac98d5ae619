// SPDX-License-Identifier: GPL-3.0-or-later
// MessageBar: a strip across the top of the window that tells the user
// about a failed or finished action (a file that would not open, a refused
// save, an export written) without stopping them: no modal dialog, nothing
// being edited is touched. It stays until closed or replaced.
#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

class MessageBar : public QFrame
{
    Q_OBJECT

public:
    enum class Kind { Information, Error };

    explicit MessageBar(QWidget* parent = nullptr);

    void ShowMessage(Kind kind, const QString& text);
    void ShowError(const QString& text) { ShowMessage(Kind::Error, text); }
    void ShowInformation(const QString& text) { ShowMessage(Kind::Information, text); }

    QString Text() const;
    Kind CurrentKind() const { return kind; }

private:
    void applyColours();

    Kind kind = Kind::Information;
    QLabel* icon;
    QLabel* text;
    QToolButton* closeButton;
};
