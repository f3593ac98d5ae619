#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TBevel;
class TShape;

// Explains the horsepower, weight, frontal area and drag inputs; opened
// from the input dialog.
class TInputHelpDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TInputHelpDlg(QWidget* parent = nullptr);

    TShape* Shape1;
    TBevel* Bevel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label5;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QPushButton* BitBtn1;

    void BitBtn1Click();
};

extern TInputHelpDlg* InputHelpDlg;
