#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TCGauge;
class TShape;
struct CarInputs;

// The input dialog: the nine boxes where the current inputs live, and the
// OK action that reads and checks them, runs one simulation on the gauge,
// fills the results dialog and closes itself a second later.
class TInputDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TInputDlg(QWidget* parent = nullptr);

    // Handlers.
    void OkButtonClick();
    // The OK action after the inputs passed their range tests: one run of
    // the car, its results into the results dialog or the elapsed-time
    // message when the run gave up.
    void RunCar(const CarInputs& inputs);
    void Timer1Timer();
    void FormShow();
    void RestoreButtonClick();
    void InputHelpClick();
    void ConditionsHelpClick();
    void CalculatorButtonClick();
    void THpEnter();
    void TGrillAreaEnter();
    void TWindshieldAreaEnter();
    void TWeightEnter();
    void TCoeffEnter();
    void TWindshieldAngleEnter();
    void TAvailableShiftsEnter();
    void TNumberOfShiftsEnter();
    void TSpinTimeEnter();

    QLineEdit* THp;
    QLineEdit* TGrillArea;
    QLineEdit* TWindshieldArea;
    QLineEdit* TWeight;
    QLineEdit* TCoeff;
    QLineEdit* TWindshieldAngle;
    QLineEdit* TAvailableShifts;
    QLineEdit* TNumberOfShifts;
    QLineEdit* TSpinTime;
    TCGauge* CGauge1;
    QLabel* StaticText1;
    QPushButton* InputHelp;
    QPushButton* ConditionsHelp;
    QPushButton* CalculatorButton;
    QPushButton* RestoreButton;
    QPushButton* OkButton;
    QPushButton* BitBtn1;
    QTimer* Timer1;

public slots:
    // Closing the dialog any other way than by its timer also ends a running
    // timer and empties the gauge, so the next showing is not closed by a
    // tick that belonged to the last one.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each box's on-enter handler, for the focus filter.
    QHash<QObject*, void (TInputDlg::*)()> enterHandlers;
};

extern TInputDlg* InputDlg;
