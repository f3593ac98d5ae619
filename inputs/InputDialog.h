// SPDX-License-Identifier: GPL-3.0-or-later
// The input dialog, where the current inputs live: nine boxes, and the OK
// action that reads and checks them, runs one simulation on the gauge,
// hands the results to the results dialog and closes itself a second
// later. It also opens the two help dialogs and the area calculator, and
// brings back the inputs of the last save point.
#pragma once

#include "core/CarInputs.h"
#include "widgets/ProgramServices.h"

#include <QDialog>
#include <QHash>

class DialogRun;
class QLineEdit;
class QPushButton;
class TCGauge;

class TInputDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TInputDlg(ProgramServices& services);

    // The nine box texts, whole, and setting them.
    CarTexts Texts() const;
    void SetTexts(const CarTexts& texts);
    void SetText(InputField field, const QString& text);

    // The box texts become the previous inputs, and back.
    void SavePreviousInputs();
    void RestorePreviousInputs();
    // Selects the horsepower text, as the control dialog does before showing.
    void SelectHorsepower();
    void ResetGauge();

    // Handlers.
    void OkButtonClick();
    // The OK action once the inputs have passed their range tests: one run
    // of the car, then its results handed on, or the elapsed-time message
    // when the run gave up.
    void RunCar(const CarInputs& car);
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

public slots:
    // Closing the dialog any other way than by its timer also ends a running
    // timer and empties the gauge, so the next showing is not closed by a
    // tick that belonged to the last one.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* Box(InputField field) const { return boxes[static_cast<int>(field)]; }
    void ShowFromHere(ProgramDialog which);

    ProgramServices& services;
    std::array<QLineEdit*, InputFieldCount> boxes{};
    TCGauge* gauge;
    DialogRun* run;
    QPushButton* inputHelpButton;
    QPushButton* conditionsHelpButton;
    QPushButton* calculatorButton;
    QPushButton* restoreButton;
    QPushButton* okButton;
    QPushButton* closeButton;
    // Each box's on-enter handler, for the focus filter.
    QHash<QObject*, void (TInputDlg::*)()> enterHandlers;
};
