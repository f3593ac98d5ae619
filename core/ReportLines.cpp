// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ReportLines.h"

#include <QCoreApplication>

ReportValues ReportValuesFor(const CarInputs& car, const SimulationResults& results)
{
    return { car.horsepower, car.carWeight, car.dragCoefficient, car.quarterMileShifts,
             car.spinTime, results };
}

namespace {

QString translated(const char* text)
{
    return QCoreApplication::translate("ReportLines", text);
}

// One value line: the label, then the value ending in ReportValueColumn,
// then the unit (if any) and a space. The numbers keep their fixed formats
// in every language; only the words are translated.
QString valueLine(const char* label, const QString& value, const char* unit = nullptr)
{
    const QString start = translated(label) + QLatin1Char(' ');
    QString line = start + value.rightJustified(ReportValueColumn - start.size());
    line += QLatin1Char(' ');
    if (unit)
        line += translated(unit) + QLatin1Char(' ');
    return line;
}

QString fixed(double value)
{
    return QString::asprintf("%.2f", value);
}

// A speed-mark time, or "Forget it!" when the car never passed the mark.
QString markTime(bool missed, double time)
{
    return missed ? translated(ForgetIt) : fixed(time);
}

const char seconds[] = QT_TRANSLATE_NOOP("ReportLines", "Seconds");
const char pounds[] = QT_TRANSLATE_NOOP("ReportLines", "Pounds");
const char feet[] = QT_TRANSLATE_NOOP("ReportLines", "Feet");
const char milesPerHour[] = QT_TRANSLATE_NOOP("ReportLines", "Miles per hour");

} // namespace

QList<ReportLine> ReportLines(const QString& title, const ReportValues& values)
{
    const ReportValues& v = values;
    const SimulationResults& r = values.results;
    // A speed mark the car never passes has the time 0; the 60-80 time is
    // only meaningful when the car reached 80 mph, so it follows the 0-80 time.
    const bool noSixty = r.zeroToSixtyTime == 0;
    const bool noEighty = r.zeroToEightyTime == 0;
    const bool noHundred = r.zeroToHundredTime == 0;

    return {
        { 2, title, ReportLine::Title },
        { 4, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Engine horsepower:"), fixed(v.horsepower),
                       QT_TRANSLATE_NOOP("ReportLines", "Horsepower")) },
        { 5, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Car weight:"), fixed(v.carWeight), pounds) },
        { 6, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Drag coefficient:"), fixed(v.dragCoefficient)) },
        { 8, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Number of shifts:"),
                       QString::number(v.quarterMileShifts)) },
        { 9, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Spin time:"), fixed(v.spinTime), seconds) },
        { 11, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Zero to 60 time:"),
                        markTime(noSixty, r.zeroToSixtyTime), seconds) },
        { 12, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Zero to 80 time:"),
                        markTime(noEighty, r.zeroToEightyTime), seconds) },
        { 13, valueLine(QT_TRANSLATE_NOOP("ReportLines", "60 to 80 time:"),
                        markTime(noEighty, r.sixtyToEightyTime), seconds) },
        { 14, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Zero to 100 time:"),
                        markTime(noHundred, r.zeroToHundredTime), seconds) },
        { 16, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Quarter mile time:"), fixed(r.quarterMileTime),
                        seconds) },
        { 17, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Quarter mile speed:"), fixed(r.quarterMileSpeed),
                        milesPerHour) },
        { 18, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Quarter mile distance:"),
                        fixed(r.quarterMileDistance), feet) },
        { 19, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Quarter mile wind force:"),
                        fixed(r.quarterMileWindForce), pounds) },
        { 21, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Top speed time:"), fixed(r.topSpeedTime),
                        seconds) },
        { 22, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Top speed:"), fixed(r.topSpeed), milesPerHour) },
        { 23, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Top speed distance:"), fixed(r.topSpeedDistance),
                        feet) },
        { 24, valueLine(QT_TRANSLATE_NOOP("ReportLines", "Top speed wind force:"),
                        fixed(r.topSpeedWindForce), pounds) },
    };
}
