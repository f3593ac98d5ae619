// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers/Air.h"

#include <cmath>
#include <utility>

namespace {

// Gas constants of dry air and of water vapour, J/(kg·K).
constexpr double DryAirGasConstant = 287.058;
constexpr double VapourGasConstant = 461.495;

double CelsiusOf(double fahrenheit)
{
    return (fahrenheit - 32) * 5 / 9;
}

// Vapour pressure (Pa) of air at `celsius` with `humidity` per cent relative
// humidity: the saturation pressure by Tetens' formula (1930),
// 6.1078 · 10^(7.5·T/(T + 237.3)) hPa, times the relative humidity. Dry air
// has none, exactly.
double VapourPressure(double celsius, double humidity)
{
    const double saturation = 6.1078 * std::pow(10.0, 7.5 * celsius / (celsius + 237.3)); // hPa
    return humidity / 100 * saturation * 100;
}

// The ideal-gas density (kg/m³) of a mixture of dry air and water vapour:
// ρ = Pd/(Rd·T) + Pv/(Rv·T), pressures in Pa, T in K.
double DensityOf(double dryPressure, double vapourPressure, double kelvin)
{
    return dryPressure / (DryAirGasConstant * kelvin) + vapourPressure / (VapourGasConstant * kelvin);
}

// Everything but the density of the standard day, which the relative
// density needs.
AirFigures FiguresWithoutReference(const AirConditions& air)
{
    AirFigures f;
    f.conditions = air;
    f.celsius = CelsiusOf(air.temperature);
    f.kelvin = f.celsius + 273.15;
    f.stationPressure = air.pressure * PascalsPerInchOfMercury;
    f.vapourPressure = VapourPressure(f.celsius, air.humidity);
    f.dryPressure = f.stationPressure - f.vapourPressure;
    f.density = DensityOf(f.dryPressure, f.vapourPressure, f.kelvin);

    // SAE J1349 (2004): CF = 1.176·(990/Pd)·√((T + 273)/298) − 0.176, Pd in
    // hPa, T in °C. On the standard day every step is exact: 77 °F is 25 °C,
    // StandardDay::Pressure turns into 99000 Pa, so Pd = 990 hPa, both
    // ratios are 1, their root is 1 and 1.176 − 0.176 is 1 in doubles.
    f.correctionFactor =
        1.176 * (990 / (f.dryPressure / 100)) * std::sqrt((f.celsius + 273) / 298) - 0.176;
    // SAE J607 ("STD"): 60 °F, 29.92 inHg, dry air.
    f.j607Factor = 29.92 / (f.dryPressure / PascalsPerInchOfMercury)
                   * std::sqrt((air.temperature + 459.67) / 519.67);

    // Density altitude (US National Weather Service): the virtual
    // temperature in °R, then DA = 145366·(1 − (17.326·P/Tv)^0.235) ft with
    // the station pressure P in inHg.
    const double virtualKelvin = f.kelvin / (1 - f.vapourPressure / f.stationPressure * (1 - 0.622));
    const double virtualRankine = virtualKelvin * 9 / 5;
    f.densityAltitude = 145366 * (1 - std::pow(17.326 * air.pressure / virtualRankine, 0.235));
    return f;
}

bool Within(double value, double low, double high)
{
    return value >= low && value <= high;
}

const AirLimits& LimitsOf(AirField field)
{
    return AirLimitsTable()[static_cast<std::size_t>(field)];
}

} // namespace

AirFigures FiguresFor(const AirConditions& air)
{
    AirFigures figures = FiguresWithoutReference(air);
    // Relative air density: the density over that of the standard day,
    // computed by the very same expressions, so that on the standard day it
    // is a number divided by itself, exactly 1.
    figures.relativeAirDensity = figures.density / FiguresWithoutReference(AirConditions()).density;
    return figures;
}

double StationPressureFromAltimeter(double altimeterSetting, double elevation)
{
    // US National Weather Service: P = A·((288 − 0.0065·h)/288)^5.2561, h in m.
    const double metres = elevation * MetresPerFoot;
    return altimeterSetting * std::pow((288 - 0.0065 * metres) / 288, 5.2561);
}

const std::array<AirLimits, 5>& AirLimitsTable()
{
    static const std::array<AirLimits, 5> limits = { {
        { AirField::Temperature, -40, 140 },
        { AirField::Pressure, 20, 32 },
        { AirField::Humidity, 0, 100 },
        { AirField::AltimeterSetting, 20, 32 },
        { AirField::Elevation, -1500, 14000 },
    } };
    return limits;
}

bool AirFieldPasses(AirField field, double value)
{
    const AirLimits& limits = LimitsOf(field);
    return Within(value, limits.low, limits.high);
}

std::optional<AirField> FailingAirField(const AirConditions& air)
{
    for (const auto& [field, value] : { std::pair{ AirField::Temperature, air.temperature },
                                        std::pair{ AirField::Pressure, air.pressure },
                                        std::pair{ AirField::Humidity, air.humidity } })
        if (!AirFieldPasses(field, value))
            return field;
    return std::nullopt;
}

AltimeterCheck CheckAltimeter(double altimeterSetting, double elevation)
{
    AltimeterCheck check;
    if (!AirFieldPasses(AirField::AltimeterSetting, altimeterSetting))
        check.failingField = AirField::AltimeterSetting;
    else if (!AirFieldPasses(AirField::Elevation, elevation))
        check.failingField = AirField::Elevation;
    if (check.failingField)
        return check;
    check.station = StationPressureFromAltimeter(altimeterSetting, elevation);
    check.stationOutOfRange = !AirFieldPasses(AirField::Pressure, check.station);
    return check;
}
