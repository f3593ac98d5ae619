// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/InputMessages.h"

#include "core/InputChecks.h"
#include "widgets/ProgramServices.h"

ReadInputsResult ReadInputs(ProgramServices& services)
{
    ReadInputsResult result;
    result.car = ConvertTexts(services.CurrentInputs());
    result.inputError = CheckInputRanges(services, result.car);
    return result;
}

bool CheckInputRanges(ProgramServices& services, const CarInputs& car)
{
    const QString message = RangeMessage(car);
    if (message.isEmpty())
        return false;
    services.DisableResultButtons();
    services.ShowAlert(message);
    return true;
}

void ShowElapsedTimeMessage(ProgramServices& services, double elapsedTime)
{
    services.DisableResultButtons();
    services.ResetInputGauge();
    services.ShowAlert(ElapsedTimeMessage(elapsedTime));
}

void ShowExtensionMessage(ProgramServices& services)
{
    services.ResetInputGauge();
    services.ShowAlert(ExtensionMessage());
}
