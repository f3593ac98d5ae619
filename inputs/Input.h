#pragma once

#include <QDialog>

class QLineEdit;

// The input dialog. For now it only owns the nine one-line input boxes with
// the default car's texts; the boxes are the one place where the current
// inputs live.
class TInputDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TInputDlg(QWidget* parent = nullptr);

    QLineEdit* THp;
    QLineEdit* TGrillArea;
    QLineEdit* TWindshieldArea;
    QLineEdit* TWeight;
    QLineEdit* TCoeff;
    QLineEdit* TWindshieldAngle;
    QLineEdit* TAvailableShifts;
    QLineEdit* TNumberOfShifts;
    QLineEdit* TSpinTime;
};

extern TInputDlg* InputDlg;
