#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TBevel;
class TShape;

// Explains the spin time and the two shift counts; opened from the input
// dialog.
class TCondHelpDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TCondHelpDlg(QWidget* parent = nullptr);

    TShape* Shape1;
    TBevel* Bevel1;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* StaticText1;
    QPushButton* BitBtn1;

    void BitBtn1Click();
};

extern TCondHelpDlg* CondHelpDlg;
