#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

// The two area texts of the last Calculate, grill first, kept for Transfer.
extern std::array<QString, 2> AreaTexts;

// The area in square feet of a width and a height typed in inches, worked
// in single precision as the calculator always has, formatted "%-6.2f".
QString AreaText(const QString& widthInches, const QString& heightInches);

// The area calculator: grill and windshield measurements in inches to the
// areas in square feet, which Transfer writes into the input dialog.
class TCalculatorDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TCalculatorDlg(QWidget* parent = nullptr);

    void CalculateButtonClick();
    void SaveButtonClick();
    void BitBtn1Click();

    QLineEdit* TGrillWidthInches;
    QLineEdit* TGrillHeightInches;
    QLineEdit* TGlassWidthInches;
    QLineEdit* TGlassHeightInches;
    QLineEdit* TGrillAreaFeet;
    QLineEdit* TGlassAreaFeet;
    QPushButton* CalculateButton;
    QPushButton* SaveButton;
    QPushButton* BitBtn1;

public slots:
    void reject() override;
};

extern TCalculatorDlg* CalculatorDlg;
