// SPDX-License-Identifier: GPL-3.0-or-later
// CalibrationTask: one calibration of a car to its runs (logbook/Calibration)
// with its report card, worked out on a thread of its own so that the window
// stays responsive however many runs there are.
//
// In: the car as typed (on the garage's model: the classic law, or the road
// model with its road keys), the runs and the threads its validation may use.
// Out, on the thread that made the task: progressed() as each fit ends, then
// finished() with the result, unless it was cancelled. Cancel() stops the
// work within a run of the model or so; a cancelled task deletes itself
// once its thread has ended, and a task deleted while it runs cancels and
// waits.
#pragma once

#include "logbook/Calibration.h"
#include "logbook/ReportCard.h"

#include <QObject>

#include <atomic>

class QThread;

class CalibrationTask : public QObject
{
    Q_OBJECT

public:
    CalibrationTask(const ModelledCar& typed, const QList<TimeSlip>& runs, int jobs, QObject* parent = nullptr);
    ~CalibrationTask() override;

    const ModelledCar& Typed() const { return typed; }
    const QList<TimeSlip>& Runs() const { return runs; }
    void Cancel();

    // Once finished: the calibration and its report card.
    const Calibration& Result() const { return calibration; }
    const ReportCard& Card() const { return card; }

signals:
    void progressed(int done, int total);
    void finished();

private:
    const ModelledCar typed;
    const QList<TimeSlip> runs;
    std::atomic<bool> cancel = false;
    QThread* thread;
    Calibration calibration;
    ReportCard card;
};
