// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

// Explains the spin time and the two shift counts; opened from the input
// dialog.
class TCondHelpDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TCondHelpDlg(QWidget* parent = nullptr);

    void BitBtn1Click();

private:
    QPushButton* okButton;
};
