#include "inputs/Messagesx.h"

#include "inputs/Input.h"
#include "inputs/NumberText.h"
#include "inputs/Othersubs.h"
#include "shell/Alert.h"
#include "widgets/Cgauges.h"

namespace {

// Both bounds pass; written so that a NaN fails.
bool within(double value, double low, double high)
{
    return value >= low && value <= high;
}

QString between(const char* prefix, double low, double high, int width, int precision)
{
    return QString::fromLatin1(prefix) + FormatFixed(low, width, precision) + QStringLiteral(" and ")
           + FormatFixed(high, width, precision);
}

} // namespace

QString RangeMessage(double horsepower, int quarterMileShifts, int availableShifts,
                     double carWeight, double grillArea, double spinTime, double dragCoefficient,
                     double windshieldArea, double windshieldAngle)
{
    if (!within(horsepower, 100, 1500))
        return between("The horsepower must be between ", 100, 1500, 6, 2);
    if (!within(grillArea, 2, 20))
        return between("The grill area must be between ", 2, 20, 6, 2);
    if (!within(windshieldArea, 2, 20))
        return between("The windshield area must be between ", 2, 20, 6, 2);
    if (!within(carWeight, 1000, 4500))
        return between("The car weight must be between ", 1000, 4500, 6, 2);
    if (!within(dragCoefficient, 0.2, 0.4))
        return between("The drag coefficient must be between ", 0.2, 0.4, 6, 2);
    if (!within(windshieldAngle, 20, 45))
        return between("The windshield angle must be between ", 20, 45, 6, 2);
    if (availableShifts < 1 || availableShifts > 5)
        return QStringLiteral("The number of available shifts must be between 1 and 5");
    if (quarterMileShifts < 1 || quarterMileShifts > availableShifts - 1)
        return QStringLiteral(
            "The number of quarter mile shifts must be between 1 and available shifts - 1.");
    if (!within(spinTime, 0.75, 3.0))
        return between("The spin time must be between ", 0.75, 3.0, 4, 2);
    return QString();
}

bool CheckInputRanges(double horsepower, int quarterMileShifts, int availableShifts,
                      double carWeight, double grillArea, double spinTime, double dragCoefficient,
                      double windshieldArea, double windshieldAngle)
{
    const QString message = RangeMessage(horsepower, quarterMileShifts, availableShifts, carWeight,
                                         grillArea, spinTime, dragCoefficient, windshieldArea,
                                         windshieldAngle);
    if (message.isEmpty())
        return false;
    DisableResultButtons();
    ShowAlert(message);
    return true;
}

QString ElapsedTimeMessage(double elapsedTime)
{
    return QStringLiteral("The 1/4 mile e.t. is larger than ") + FormatFixed(elapsedTime, 6, 2)
           + QStringLiteral(" seconds.");
}

void ShowElapsedTimeMessage(double elapsedTime)
{
    DisableResultButtons();
    InputDlg->CGauge1->SetProgress(0);
    ShowAlert(ElapsedTimeMessage(elapsedTime));
}

void ShowExtensionMessage()
{
    InputDlg->CGauge1->SetProgress(0);
    ShowAlert(QStringLiteral("Can't open a file without an .trv extension..."));
}
