// SPDX-License-Identifier: GPL-3.0-or-later
// The day's air: what a track's weather station reads (the temperature, the
// station barometric pressure and the relative humidity) turned into the
// figures a drag racer's logbook shows (density altitude, relative air
// density, the horsepower correction factor) and into what the engine needs
// to run the car on that day (core/DayRun).
//
// In: AirConditions in the units of the weather station (°F, inHg, %), or an
// altimeter setting and the track's elevation for the pressure. Out:
// AirFigures, and the range tests of the boxes that hold the conditions as
// codes (the core's Air.h turns them into messages).
//
// The formulas, each named where it is computed (core/Air.cpp):
// - °C = (°F − 32)·5/9, K = °C + 273.15, 1 inHg = 3386.389 Pa.
// - Vapour pressure (Tetens' formula, 1930, for the saturation pressure):
//   Pv = RH/100 · 6.1078 · 10^(7.5·T/(T + 237.3)) hPa, T in °C; the dry-air
//   pressure is Pd = P − Pv.
// - Air density (ideal gas, dry air and water vapour): ρ = Pd/(Rd·T) +
//   Pv/(Rv·T), Rd = 287.058 and Rv = 461.495 J/(kg·K), pressures in Pa, T in K.
// - The standard day of SAE J1349: 25 °C (77 °F), dry air at 99 kPa
//   (29.235 inHg). The classic program's results are those of that day.
// - SAE J1349 (2004) horsepower correction factor:
//   CF = 1.176·(990/Pd)·√((T + 273)/298) − 0.176, Pd in hPa, T in °C.
// - SAE J607 (the racers' "STD") correction factor, 60 °F and 29.92 inHg of
//   dry air: CF = (29.92/Pd)·√((T + 459.67)/519.67), Pd in inHg, T in °F.
// - Relative air density: ρ/ρ of the standard day.
// - Density altitude (US National Weather Service):
//   DA = 145366·(1 − (17.326·P/Tv)^0.235) ft, P the station pressure in inHg
//   and Tv the virtual temperature in °R, Tv = T/(1 − (Pv/P)·(1 − 0.622))·9/5
//   with T in K.
// - Station pressure from an altimeter setting A (US National Weather
//   Service): P = A·((288 − 0.0065·h)/288)^5.2561, h the elevation in metres.
#pragma once

#include <array>
#include <optional>

// Units of the formulas.
inline constexpr double PascalsPerInchOfMercury = 3386.389;
inline constexpr double MetresPerFoot = 0.3048;

// The standard day of SAE J1349, in the weather station's units.
namespace StandardDay {
inline constexpr double Temperature = 77; // °F, 25 °C
// 99 kPa in inHg: the double nearest 99000 / 3386.389, which turns back
// into exactly 99000 Pa (29.235 inHg to three decimals).
inline constexpr double Pressure = 99000 / PascalsPerInchOfMercury;
inline constexpr double Humidity = 0; // %
} // namespace StandardDay

// The air of one day at the track. A default value is the standard day.
struct AirConditions {
    double temperature = StandardDay::Temperature; // °F
    double pressure = StandardDay::Pressure;       // inHg, station (uncorrected)
    double humidity = StandardDay::Humidity;       // %, relative

    bool operator==(const AirConditions&) const = default;
    bool IsStandardDay() const { return *this == AirConditions(); }
};

// The day US road tests correct their figures to: 60 °F, 29.92 inHg, dry
// air. An engine rated on the standard day makes about 4.7 % more on it,
// so the road model runs on it when a road test's figures are wanted.
namespace RoadTestDay {
inline constexpr double Temperature = 60; // °F
inline constexpr double Pressure = 29.92; // inHg
inline constexpr double Humidity = 0;     // %
} // namespace RoadTestDay
inline constexpr AirConditions RoadTestConditions{ RoadTestDay::Temperature, RoadTestDay::Pressure,
                                                   RoadTestDay::Humidity };

// The air figures of a day. On the standard day the correction factor and
// the relative air density are exactly 1.
struct AirFigures {
    AirConditions conditions;
    double celsius = 0;            // °C
    double kelvin = 0;             // K
    double stationPressure = 0;    // Pa
    double vapourPressure = 0;     // Pa
    double dryPressure = 0;        // Pa
    double density = 0;            // kg/m³
    double relativeAirDensity = 0; // density / the standard day's density
    double correctionFactor = 0;   // SAE J1349 (2004)
    double j607Factor = 0;         // SAE J607 ("STD")
    double densityAltitude = 0;    // ft
};

AirFigures FiguresFor(const AirConditions& air);

// The station pressure (inHg) that an altimeter setting (inHg) stands for
// at an elevation (ft).
double StationPressureFromAltimeter(double altimeterSetting, double elevation);

// The boxes that hold the day's air.
enum class AirField { Temperature, Pressure, Humidity, AltimeterSetting, Elevation };

// The range test of one box: a value passes when low <= value <= high (a
// NaN fails).
struct AirLimits {
    AirField field;
    double low;
    double high;
};

// The five tests, in AirField order: temperature −40 to 140 °F, station
// pressure 20 to 32 inHg, humidity 0 to 100 %, altimeter setting 20 to
// 32 inHg, elevation −1,500 to 14,000 ft.
const std::array<AirLimits, 5>& AirLimitsTable();
bool AirFieldPasses(AirField field, double value);

// The first failing box of the temperature, the station pressure and the
// humidity, in that order; none when all pass.
std::optional<AirField> FailingAirField(const AirConditions& air);

// An altimeter setting and an elevation: the first of the two boxes that
// fails its own test, else whether the station pressure they stand for
// fails the station pressure's test, with that pressure (inHg).
struct AltimeterCheck {
    std::optional<AirField> failingField;
    bool stationOutOfRange = false;
    double station = 0;
};
AltimeterCheck CheckAltimeter(double altimeterSetting, double elevation);
