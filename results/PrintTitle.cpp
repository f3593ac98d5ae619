#include "results/PrintTitle.h"

#include <QLineEdit>

TPrintTitleDlg* PrintTitleDlg = nullptr;

TPrintTitleDlg::TPrintTitleDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PrintTitleDlg"));
    setWindowTitle(QStringLiteral("Print Torvane results..."));
    setFixedSize(329, 226);
    PrintTitle = new QLineEdit(QStringLiteral("Simulation results"), this);
    PrintTitle->setObjectName(QStringLiteral("PrintTitle"));
}
