// SPDX-License-Identifier: GPL-3.0-or-later
// NewRunDialog: a run typed from its time slip. It starts as the page hands
// it over (dated now, on the day's air) with no figures of the strip, so
// that nothing counts until the user has typed the slip; the numbers take
// the locale's decimal separator or "." as the runs table does. OK keeps the
// run only when it passes the same checks as an edit in the table or a row
// of an import (SlipProblem); otherwise the dialog says why and stays open.
#pragma once

#include "logbook/TimeSlip.h"

#include <QDialog>
#include <QMap>

class QDateTimeEdit;
class QLabel;
class QLineEdit;

class NewRunDialog : public QDialog
{
    Q_OBJECT

public:
    NewRunDialog(const TimeSlip& start, QWidget* parent = nullptr);

    // The run as typed into `run`, and why it cannot be kept (empty when it
    // can).
    QString Read(TimeSlip& run) const;
    // The box of a field other than the date.
    QLineEdit* Box(SlipField field) const { return boxes.value(field); }
    QDateTimeEdit* DateBox() const { return dateBox; }
    QLabel* MessageLabel() const { return messageLabel; }

    void accept() override;

private:
    TimeSlip start;
    QDateTimeEdit* dateBox;
    QMap<SlipField, QLineEdit*> boxes;
    QMap<SlipField, QString> shown; // the text each box started with
    QLabel* messageLabel;
};
