// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/DialogRun.h"

#include "widgets/InputMessages.h"
#include "widgets/ProgramServices.h"
#include "widgets/ProgressGauge.h"

#include <QDialog>
#include <QTimer>

DialogRun::DialogRun(QDialog* dialog, TCGauge* gauge, ProgramServices& services)
    : QObject(dialog), dialog(dialog), gauge(gauge), services(services), closeTimer(new QTimer(dialog))
{
    closeTimer->setObjectName(QStringLiteral("Timer1"));
    closeTimer->setInterval(1000);
}

std::optional<CarRun> DialogRun::Run(const CarInputs& car)
{
    const CarRun run = RunCar(car, [this](int step) { gauge->SetProgress(step); });
    if (run.timeLimitReached) {
        ShowElapsedTimeMessage(services, run.stopTime);
        gauge->SetProgress(0);
        return std::nullopt;
    }
    return run;
}

void DialogRun::Finish()
{
    gauge->SetProgress(6);
    closeTimer->start();
}

void DialogRun::CloseOnTimer()
{
    gauge->SetProgress(0);
    closeTimer->stop();
    dialog->accept();
}

void DialogRun::Abandon()
{
    if (closeTimer->isActive()) {
        closeTimer->stop();
        gauge->SetProgress(0);
    }
}
