// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CalibrationTask.h"

#include <QThread>

CalibrationTask::CalibrationTask(const ModelledCar& typed, const QList<TimeSlip>& runs, int jobs, QObject* parent)
    : QObject(parent)
    , typed(typed)
    , runs(runs)
{
    // The thread reads the car and the runs (never changed after this) and
    // writes the result, which this thread reads only once it has ended.
    thread = QThread::create([this, jobs] {
        CalibrationControl control;
        control.jobs = jobs;
        control.cancel = &cancel;
        control.progress = [this](int done, int total) {
            QMetaObject::invokeMethod(
                this,
                [this, done, total] {
                    if (!cancel)
                        emit progressed(done, total);
                },
                Qt::QueuedConnection);
        };
        calibration = Calibrate(this->typed, this->runs, control);
        if (!cancel)
            card = ReportCardOf(calibration, &cancel);
    });
    connect(thread, &QThread::finished, this, [this] {
        thread->wait();
        if (cancel)
            deleteLater();
        else
            emit finished();
    });
    thread->start();
}

CalibrationTask::~CalibrationTask()
{
    cancel = true;
    thread->wait();
    delete thread;
}

void CalibrationTask::Cancel()
{
    cancel = true;
}
