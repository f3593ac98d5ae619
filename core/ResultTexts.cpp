// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ResultTexts.h"

#include "core/NumberText.h"

#include <QCoreApplication>

namespace {

struct ResultInfo {
    const char* key;
    double SimulationResults::*value;
    bool fixedFormat; // "%6.2f"; otherwise the picture format
};

// Indexed by ResultField.
constexpr ResultInfo resultInfo[ResultFieldCount] = {
    { "topSpeedTime", &SimulationResults::topSpeedTime, false },
    { "topSpeed", &SimulationResults::topSpeed, true },
    { "topSpeedDistance", &SimulationResults::topSpeedDistance, false },
    { "topSpeedWindForce", &SimulationResults::topSpeedWindForce, true },
    { "zeroToSixtyTime", &SimulationResults::zeroToSixtyTime, false },
    { "zeroToHundredTime", &SimulationResults::zeroToHundredTime, false },
    { "zeroToEightyTime", &SimulationResults::zeroToEightyTime, false },
    { "sixtyToEightyTime", &SimulationResults::sixtyToEightyTime, false },
    { "quarterMileTime", &SimulationResults::quarterMileTime, true },
    { "quarterMileSpeed", &SimulationResults::quarterMileSpeed, true },
    { "quarterMileDistance", &SimulationResults::quarterMileDistance, false },
    { "quarterMileWindForce", &SimulationResults::quarterMileWindForce, true },
};

const ResultInfo& infoFor(ResultField field)
{
    return resultInfo[static_cast<int>(field)];
}

} // namespace

QString ResultKey(ResultField field)
{
    return QLatin1String(infoFor(field).key);
}

double ResultValue(const SimulationResults& results, ResultField field)
{
    return results.*infoFor(field).value;
}

bool MarkMissed(const SimulationResults& results, ResultField field)
{
    switch (field) {
    case ResultField::ZeroToSixtyTime: return results.zeroToSixtyTime == 0;
    case ResultField::ZeroToEightyTime:
    case ResultField::SixtyToEightyTime: return results.zeroToEightyTime == 0;
    case ResultField::ZeroToHundredTime: return results.zeroToHundredTime == 0;
    default: return false;
    }
}

QString ResultText(const SimulationResults& results, ResultField field,
                   const QString& decimalSeparator, const QString& groupSeparator)
{
    if (MarkMissed(results, field))
        return QCoreApplication::translate("ResultTexts", ForgetItText);
    const double value = ResultValue(results, field);
    if (infoFor(field).fixedFormat)
        return FormatFixed(value, 6, 2);
    return FormatPicture(value, decimalSeparator, groupSeparator);
}

QString ResultText(const SimulationResults& results, ResultField field)
{
    const PictureSeparators separators = LocaleSeparators();
    return ResultText(results, field, separators.decimal, separators.group);
}
