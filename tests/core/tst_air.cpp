// SPDX-License-Identifier: GPL-3.0-or-later
// The day's air against published figures: the SAE J1349 standard day, the
// standard atmosphere, published density-altitude and SAE J607 examples,
// the National Weather Service's altimeter formula; and the range messages
// of the boxes that hold the air.
#include "core/Air.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(AirField)
Q_DECLARE_METATYPE(PressureKind)

namespace {

// The saturation vapour pressure (hPa) by the same formula (Tetens') the
// core uses, to turn a published dew point into a relative humidity: at the dew
// point Td the vapour pressure is the saturation pressure at Td, so
// RH = 100 · es(Td) / es(T).
double saturation(double celsius)
{
    return 6.1078 * std::pow(10.0, 7.5 * celsius / (celsius + 237.3));
}

double humidityFromDewPoint(double celsius, double dewPointCelsius)
{
    return 100 * saturation(dewPointCelsius) / saturation(celsius);
}

double celsius(double fahrenheit)
{
    return (fahrenheit - 32) * 5 / 9;
}

// The temperature (°F) of the standard atmosphere at `feet`: 15 °C at sea
// level, less 6.5 °C per kilometre.
double standardTemperature(double feet)
{
    return 59 - 6.5 * feet * MetresPerFoot / 1000 * 9 / 5;
}

} // namespace

class TestAir : public QObject {
    Q_OBJECT

private slots:
    void standardDayIsExact();
    void seaLevelStandardAtmosphere();
    void densityAltitude_data();
    void densityAltitude();
    void stationPressureFromAltimeter_data();
    void stationPressureFromAltimeter();
    void j607Factor_data();
    void j607Factor();
    void hotHumidHighDayIsThinner();
    void rangeMessages_data();
    void rangeMessages();
    void firstFailingMessage();
    void altimeterMessages();
    void pressureOfTheOtherKind_data();
    void pressureOfTheOtherKind();
};

// SAE J1349's own reference: 25 °C (77 °F), dry air at 99 kPa. The factor is
// exactly 1 there, and so is the relative air density, so that the car on
// the standard day runs with exactly the classic horsepower and air density.
void TestAir::standardDayIsExact()
{
    const AirConditions standard;
    QVERIFY(standard.IsStandardDay());
    const AirFigures f = FiguresFor(standard);
    QCOMPARE(f.celsius, 25.0);
    QCOMPARE(f.stationPressure, 99000.0);
    QCOMPARE(f.vapourPressure, 0.0);
    QCOMPARE(f.dryPressure, 99000.0);
    QVERIFY(f.correctionFactor == 1.0);
    QVERIFY(f.relativeAirDensity == 1.0);
    // 99 kPa / (287.058 J/(kg·K) · 298.15 K)
    QVERIFY(std::abs(f.density - 1.1567) < 0.0001);
    QCOMPARE(QString::asprintf("%.3f", StandardDay::Pressure), QStringLiteral("29.235"));
    // A hair off the standard day is off it.
    QVERIFY(!AirConditions({ 77, 29.235, 0 }).IsStandardDay());
}

// The ICAO standard atmosphere at sea level, 15 °C (59 °F) and 1013.25 hPa
// (29.92 inHg) of dry air, has a density of 1.225 kg/m³ and a density
// altitude of 0 ft; the National Weather Service's formula gives about that.
void TestAir::seaLevelStandardAtmosphere()
{
    const AirFigures f = FiguresFor({ 59, 29.92, 0 });
    QVERIFY2(std::abs(f.densityAltitude) < 50, qPrintable(QString::number(f.densityAltitude)));
    QVERIFY2(std::abs(f.density - 1.225) < 0.001, qPrintable(QString::number(f.density)));
    QVERIFY(f.relativeAirDensity > 1); // denser than the J1349 day
    QVERIFY(f.correctionFactor < 1);
}

void TestAir::densityAltitude_data()
{
    QTest::addColumn<double>("temperature"); // °F
    QTest::addColumn<double>("pressure");    // inHg, station
    QTest::addColumn<double>("humidity");    // %
    QTest::addColumn<double>("expected");    // ft
    QTest::addColumn<double>("tolerance");   // ft

    // The two worked examples of the density-altitude calculator at
    // microlighthangar.com/calc_alt.shtm (R. Shelquist's method): "at 5050
    // feet elevation, 95 deg F air temp, 29.45 inches-Hg [altimeter
    // setting] and a dew point of 67 deg F, the Density Altitude is
    // calculated as 9252 feet", and at 1540 m, 35 °C, 997 hPa and a dew
    // point of 19 °C, 2821 m. That calculator inverts the standard
    // atmosphere exactly; the NWS formula is its approximation.
    QTest::newRow("calculator example 1: 5050 ft, 95 F, 29.45 inHg, dew point 67 F")
        << 95.0 << StationPressureFromAltimeter(29.45, 5050)
        << humidityFromDewPoint(35, celsius(67)) << 9252.0 << 25.0;
    QTest::newRow("calculator example 2: 1540 m, 35 C, 997 hPa, dew point 19 C")
        << 95.0 << StationPressureFromAltimeter(99700 / PascalsPerInchOfMercury, 1540 / MetresPerFoot)
        << humidityFromDewPoint(35, 19) << 2821 / MetresPerFoot << 25.0;
    // The U.S. Standard Atmosphere (1976): 24.90 inHg (843.1 hPa) at
    // 5,000 ft and 20.58 inHg (696.8 hPa) at 10,000 ft, in dry air at the
    // standard temperature, are at a density altitude of their altitude.
    QTest::newRow("standard atmosphere at 5,000 ft")
        << standardTemperature(5000) << 24.896 << 0.0 << 5000.0 << 30.0;
    QTest::newRow("standard atmosphere at 10,000 ft")
        << standardTemperature(10000) << 20.577 << 0.0 << 10000.0 << 30.0;
}

void TestAir::densityAltitude()
{
    QFETCH(double, temperature);
    QFETCH(double, pressure);
    QFETCH(double, humidity);
    QFETCH(double, expected);
    QFETCH(double, tolerance);
    const double altitude = FiguresFor({ temperature, pressure, humidity }).densityAltitude;
    QVERIFY2(std::abs(altitude - expected) <= tolerance,
             qPrintable(QString::asprintf("%.1f ft, expected %.1f ft", altitude, expected)));
}

void TestAir::stationPressureFromAltimeter_data()
{
    QTest::addColumn<double>("altimeter"); // inHg
    QTest::addColumn<double>("elevation"); // ft
    QTest::addColumn<double>("expected");  // inHg

    // On a standard day the altimeter setting is 29.92 inHg everywhere and
    // the station pressure is that of the U.S. Standard Atmosphere (1976).
    QTest::newRow("sea level") << 29.92 << 0.0 << 29.92;
    QTest::newRow("5,000 ft: 843.1 hPa") << 29.92 << 5000.0 << 24.896;
    QTest::newRow("10,000 ft: 696.8 hPa") << 29.92 << 10000.0 << 20.577;
    QTest::newRow("below sea level, 1,000 ft: 1050.4 hPa") << 29.92 << -1000.0 << 31.018;
}

void TestAir::stationPressureFromAltimeter()
{
    QFETCH(double, altimeter);
    QFETCH(double, elevation);
    QFETCH(double, expected);
    const double station = StationPressureFromAltimeter(altimeter, elevation);
    QVERIFY2(std::abs(station - expected) < 0.01,
             qPrintable(QString::asprintf("%.4f inHg, expected %.4f", station, expected)));
}

void TestAir::j607Factor_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("humidity");
    QTest::addColumn<double>("expected");

    // The worked example of "Corrected Horsepower" (Dynomite Dynamometer,
    // dynomitedyno.com/tech-corner/corrected-horsepower): a baseline run on
    // a day of 85 °F, 85 % and 28.85 inHg has a J607 factor of 1.1005, the
    // retest at 55 °F, 35 % and 30.10 inHg one of 0.994.
    QTest::newRow("sultry August day") << 85.0 << 28.85 << 85.0 << 1.1005;
    QTest::newRow("cool September day") << 55.0 << 30.10 << 35.0 << 0.994;
    // Its own reference: 60 °F, 29.92 inHg, dry air.
    QTest::newRow("J607 reference") << 60.0 << 29.92 << 0.0 << 1.0;
}

void TestAir::j607Factor()
{
    QFETCH(double, temperature);
    QFETCH(double, pressure);
    QFETCH(double, humidity);
    QFETCH(double, expected);
    const double factor = FiguresFor({ temperature, pressure, humidity }).j607Factor;
    QVERIFY2(std::abs(factor - expected) < 0.001,
             qPrintable(QString::asprintf("%.5f, expected %.4f", factor, expected)));
}

// Heat, humidity and a low pressure each thin the air: the density falls,
// the density altitude and the correction factor rise.
void TestAir::hotHumidHighDayIsThinner()
{
    const AirFigures standard = FiguresFor(AirConditions());
    AirFigures previous = standard;
    for (const AirConditions& air : { AirConditions{ 95, StandardDay::Pressure, 0 },
                                      AirConditions{ 95, StandardDay::Pressure, 60 },
                                      AirConditions{ 95, 28.5, 60 } }) {
        const AirFigures f = FiguresFor(air);
        QVERIFY(f.relativeAirDensity < previous.relativeAirDensity);
        QVERIFY(f.densityAltitude > previous.densityAltitude);
        QVERIFY(f.correctionFactor > previous.correctionFactor);
        previous = f;
    }
}

void TestAir::rangeMessages_data()
{
    QTest::addColumn<AirField>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("message");

    const QString temperature = QStringLiteral("The temperature must be between -40 and 140 °F.");
    const QString pressure = QStringLiteral("The station pressure must be between 20 and 32 inHg.");
    const QString humidity = QStringLiteral("The humidity must be between 0 and 100 %.");
    const QString altimeter = QStringLiteral("The altimeter setting must be between 20 and 32 inHg.");
    const QString elevation = QStringLiteral("The elevation must be between -1,500 and 14,000 ft.");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("temperature -40") << AirField::Temperature << -40.0 << QString();
    QTest::newRow("temperature 140") << AirField::Temperature << 140.0 << QString();
    QTest::newRow("temperature below") << AirField::Temperature << -40.01 << temperature;
    QTest::newRow("temperature above") << AirField::Temperature << 140.01 << temperature;
    QTest::newRow("temperature NaN") << AirField::Temperature << nan << temperature;
    QTest::newRow("pressure 20") << AirField::Pressure << 20.0 << QString();
    QTest::newRow("pressure 32") << AirField::Pressure << 32.0 << QString();
    QTest::newRow("pressure in hPa by mistake") << AirField::Pressure << 1013.0 << pressure;
    QTest::newRow("pressure below") << AirField::Pressure << 19.99 << pressure;
    QTest::newRow("humidity 0") << AirField::Humidity << 0.0 << QString();
    QTest::newRow("humidity 100") << AirField::Humidity << 100.0 << QString();
    QTest::newRow("humidity negative") << AirField::Humidity << -1.0 << humidity;
    QTest::newRow("humidity above") << AirField::Humidity << 100.5 << humidity;
    QTest::newRow("altimeter 29.92") << AirField::AltimeterSetting << 29.92 << QString();
    QTest::newRow("altimeter above") << AirField::AltimeterSetting << 32.5 << altimeter;
    QTest::newRow("elevation -1,500") << AirField::Elevation << -1500.0 << QString();
    QTest::newRow("elevation 14,000") << AirField::Elevation << 14000.0 << QString();
    QTest::newRow("elevation below") << AirField::Elevation << -1501.0 << elevation;
    QTest::newRow("elevation above") << AirField::Elevation << 14001.0 << elevation;
}

void TestAir::rangeMessages()
{
    QFETCH(AirField, field);
    QFETCH(double, value);
    QFETCH(QString, message);
    QCOMPARE(AirFieldMessage(field, value), message);
}

void TestAir::firstFailingMessage()
{
    QCOMPARE(AirRangeMessage(AirConditions()), QString());
    QCOMPARE(AirRangeMessage({ 95, 28.5, 60 }), QString());
    QCOMPARE(AirRangeMessage({ 150, 40, 120 }), AirFieldMessage(AirField::Temperature, 150));
    QCOMPARE(AirRangeMessage({ 95, 40, 120 }), AirFieldMessage(AirField::Pressure, 40));
    QCOMPARE(AirRangeMessage({ 95, 29, 120 }), AirFieldMessage(AirField::Humidity, 120));
}

// An altimeter setting and an elevation stand for a station pressure, which
// must pass the station pressure's test; the message says what it came to,
// with a point for the decimals whatever the locale.
void TestAir::altimeterMessages()
{
    QCOMPARE(AltimeterMessage(29.92, 5000), QString());
    QCOMPARE(AltimeterMessage(33, 5000), AirFieldMessage(AirField::AltimeterSetting, 33));
    QCOMPARE(AltimeterMessage(29.92, 15000), AirFieldMessage(AirField::Elevation, 15000));
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QFAIL("the de_DE.UTF-8 locale is missing: scripts/install-deps.sh generates it");
    const QString message = AltimeterMessage(29.92, 14000);
    std::setlocale(LC_ALL, "C");
    QCOMPARE(message, QStringLiteral("The altimeter setting and the elevation give a station pressure "
                                     "of 17.57 inHg; it must be between 20 and 32 inHg."));
}

// A pressure far from the standard pressure of its kind at the track's
// elevation looks like the other kind: an altimeter setting typed as the
// station pressure of a high track, or the other way round.
void TestAir::pressureOfTheOtherKind_data()
{
    QTest::addColumn<PressureKind>("kind");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("elevation");
    QTest::addColumn<bool>("warns");
    QTest::newRow("station at 5,050 ft") << PressureKind::Station << 24.9 << 5050.0 << false;
    QTest::newRow("altimeter as station at 5,050 ft") << PressureKind::Station << 29.45 << 5050.0 << true;
    QTest::newRow("station within 1.5 at sea level") << PressureKind::Station << 31.41 << 0.0 << false;
    QTest::newRow("station beyond 1.5 at sea level") << PressureKind::Station << 31.43 << 0.0 << true;
    QTest::newRow("high station, no elevation") << PressureKind::Station << 24.9 << 0.0 << true;
    QTest::newRow("altimeter at 5,050 ft") << PressureKind::Altimeter << 29.45 << 5050.0 << false;
    QTest::newRow("station as altimeter") << PressureKind::Altimeter << 24.9 << 5050.0 << true;
    QTest::newRow("not a number") << PressureKind::Altimeter << qQNaN() << 0.0 << false;
}

void TestAir::pressureOfTheOtherKind()
{
    QFETCH(PressureKind, kind);
    QFETCH(double, pressure);
    QFETCH(double, elevation);
    QFETCH(bool, warns);
    QCOMPARE(!PressureKindWarning(kind, pressure, elevation).isEmpty(), warns);
    QCOMPARE(StandardPressure(PressureKind::Station, 0), StandardSeaLevelPressure);
    QCOMPARE(PressureKindWarning(PressureKind::Station, 29.45, 5050),
             QStringLiteral("The station pressure of 29.45 inHg is more than 1.5 inHg from the standard pressure "
                            "at 5050 ft (24.85 inHg): it looks like an altimeter setting, or the elevation is not "
                            "the track's."));
}

QTEST_GUILESS_MAIN(TestAir)
#include "tst_air.moc"
