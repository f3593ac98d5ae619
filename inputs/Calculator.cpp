#include "inputs/Calculator.h"

TCalculatorDlg* CalculatorDlg = nullptr;

TCalculatorDlg::TCalculatorDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CalculatorDlg"));
    setWindowTitle(QStringLiteral("Area calculator..."));
    setFixedSize(330, 290);
}
