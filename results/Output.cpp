#include "results/Output.h"

TOutputDlg* OutputDlg = nullptr;

TOutputDlg::TOutputDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OutputDlg"));
    setWindowTitle(QStringLiteral(" Torvane Results..."));
    setFixedSize(594, 297);
}
