// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Air.h"

#include <QCoreApplication>

#include <cmath>

const std::array<AirRange, 5>& AirRanges()
{
    // The messages, by AirField; the bounds are numbers/Air's.
    static constexpr std::array<const char*, 5> messages = {
        QT_TRANSLATE_NOOP("Air", "The temperature must be between -40 and 140 °F."),
        QT_TRANSLATE_NOOP("Air", "The station pressure must be between 20 and 32 inHg."),
        QT_TRANSLATE_NOOP("Air", "The humidity must be between 0 and 100 %."),
        QT_TRANSLATE_NOOP("Air", "The altimeter setting must be between 20 and 32 inHg."),
        QT_TRANSLATE_NOOP("Air", "The elevation must be between -1,500 and 14,000 ft."),
    };
    static const std::array<AirRange, 5> ranges = [] {
        std::array<AirRange, 5> all{};
        for (std::size_t i = 0; i < all.size(); ++i) {
            const AirLimits& limits = AirLimitsTable()[i];
            all[i] = { limits.field, limits.low, limits.high, messages[i] };
        }
        return all;
    }();
    return ranges;
}

QString AirFieldMessage(AirField field, double value)
{
    if (AirFieldPasses(field, value))
        return QString();
    return QCoreApplication::translate("Air", AirRanges()[static_cast<std::size_t>(field)].message);
}

QString AirRangeMessage(const AirConditions& air)
{
    const std::optional<AirField> failing = FailingAirField(air);
    return failing ? QCoreApplication::translate("Air", AirRanges()[static_cast<std::size_t>(*failing)].message)
                   : QString();
}

QString AltimeterMessage(double altimeterSetting, double elevation)
{
    const AltimeterCheck check = CheckAltimeter(altimeterSetting, elevation);
    if (check.failingField)
        return QCoreApplication::translate("Air", AirRanges()[static_cast<std::size_t>(*check.failingField)].message);
    if (!check.stationOutOfRange)
        return QString();
    return QCoreApplication::translate("Air", "The altimeter setting and the elevation give a station pressure of "
                                              "%1 inHg; it must be between 20 and 32 inHg.")
        .arg(QString::asprintf("%.2f", check.station));
}

double StandardPressure(PressureKind kind, double elevation)
{
    return kind == PressureKind::Station ? StationPressureFromAltimeter(StandardSeaLevelPressure, elevation)
                                         : StandardSeaLevelPressure;
}

QString PressureKindWarning(PressureKind kind, double pressure, double elevation)
{
    const double standard = StandardPressure(kind, elevation);
    if (!std::isfinite(pressure) || !std::isfinite(standard) || std::abs(pressure - standard) <= PressureKindTolerance)
        return QString();
    const QString inHg = QString::asprintf("%.2f", pressure);
    if (kind == PressureKind::Station)
        return QCoreApplication::translate("Air", "The station pressure of %1 inHg is more than 1.5 inHg from the "
                                                  "standard pressure at %2 ft (%3 inHg): it looks like an altimeter "
                                                  "setting, or the elevation is not the track's.")
            .arg(inHg, QString::asprintf("%.0f", elevation), QString::asprintf("%.2f", standard));
    return QCoreApplication::translate("Air", "The altimeter setting of %1 inHg is more than 1.5 inHg from the "
                                              "standard pressure at sea level (29.92 inHg), to which it is reduced: "
                                              "it looks like a station pressure.")
        .arg(inHg);
}
