// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// Shows the read-only about text: disclaimer, the allowed input ranges,
// a warning and notes on the results and the method.
class TAboutDlg : public QDialog
{
    Q_OBJECT

public:
    TAboutDlg();

private:
    QPlainTextEdit* aboutText;
    QPushButton* okButton;
};

// The text the about dialog shows.
QString AboutText();
// Where the sample cars are: the installed program's share/torvane/examples,
// or the Examples folder beside a program run from its build folder.
QString ExamplesFolder();
