// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPushButton;

// Explains the horsepower, weight, frontal area and drag inputs; opened
// from the input dialog.
class TInputHelpDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TInputHelpDlg(QWidget* parent = nullptr);

    void BitBtn1Click();

private:
    QPushButton* okButton;
};
