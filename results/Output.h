// Results: the results dialog (Output) and the print dialog with the printed
// report (PrintTitle). The results dialog keeps only the texts that
// FillResultsDialog wrote into it after the last successful run; the print
// job computes its own results from the input boxes.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TShape;

class TOutputDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TOutputDlg(QWidget* parent = nullptr);

    // Background colours of a result box.
    static const QColor Cream;
    static const QColor Yellow;

    TShape* Shape1;
    QLineEdit* TTime;
    QLineEdit* TSpeed;
    QLineEdit* TDistance;
    QLineEdit* TPounds;
    QLineEdit* TopTime;
    QLineEdit* TopSpeed;
    QLineEdit* TopDistance;
    QLineEdit* TopForce;
    QLineEdit* TSixtyTime;
    QLineEdit* TEightyTime;
    QLineEdit* THundredTime;
    QLineEdit* SixtyToEighty;
    QPushButton* Button2;
};

extern TOutputDlg* OutputDlg;

// Sets the background of a result box.
void SetBoxColour(QLineEdit* box, const QColor& colour);
// The background a result box shows.
QColor BoxColour(const QLineEdit* box);
