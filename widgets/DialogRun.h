// SPDX-License-Identifier: GPL-3.0-or-later
// What the input dialog and the print dialog share: running a car on the
// dialog's gauge, giving up with the elapsed-time message or finishing with
// a full gauge, and the one-second close that follows.
#pragma once

#include "core/CarRun.h"

#include <QObject>

#include <optional>

class ProgramServices;
class QDialog;
class QTimer;
class TCGauge;

class DialogRun : public QObject
{
    Q_OBJECT

public:
    // The close timer is made here, a child named "Timer1" of 1000 ms.
    DialogRun(QDialog* dialog, TCGauge* gauge, ProgramServices& services);

    QTimer* CloseTimer() const { return closeTimer; }

    // One run of the car, its progress steps on the gauge. A run that gives
    // up at the time limit shows the elapsed-time message, empties the gauge
    // and gives nothing.
    std::optional<CarRun> Run(const CarInputs& car);
    // The action is done: a full gauge, and the dialog closes a second later.
    void Finish();
    // The close timer's tick: an empty gauge, the timer stopped, the dialog
    // closed with the OK result.
    void CloseOnTimer();
    // The dialog closes another way: a running timer stops and the gauge
    // empties, so that its tick cannot close the next showing.
    void Abandon();

private:
    QDialog* dialog;
    TCGauge* gauge;
    ProgramServices& services;
    QTimer* closeTimer;
};
