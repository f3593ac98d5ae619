// SPDX-License-Identifier: GPL-3.0-or-later
// The area calculator: grill and windshield measurements in inches to the
// areas in square feet, which Transfer writes into the input dialog.
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;
class TInputDlg;

class TCalculatorDlg : public QDialog
{
    Q_OBJECT

public:
    // `areaTexts` keeps the grill and windshield areas of the last Calculate
    // for Transfer, which writes them into `inputDialog`.
    TCalculatorDlg(std::array<QString, 2>& areaTexts, TInputDlg& inputDialog);

    void CalculateButtonClick();
    void SaveButtonClick();
    void BitBtn1Click();

public slots:
    // Esc closes the calculator as its Close button does.
    void reject() override;

protected:
    // Opening puts the focus on the grill width with its text selected, so
    // that typing replaces the "00.00" (or the last measurement).
    void showEvent(QShowEvent* event) override;

private:
    std::array<QString, 2>& areaTexts;
    TInputDlg& inputDialog;
    QLineEdit* grillWidthEdit;
    QLineEdit* grillHeightEdit;
    QLineEdit* glassWidthEdit;
    QLineEdit* glassHeightEdit;
    QLineEdit* grillAreaEdit;
    QLineEdit* glassAreaEdit;
    QPushButton* calculateButton;
    QPushButton* transferButton;
    QPushButton* closeButton;
};
