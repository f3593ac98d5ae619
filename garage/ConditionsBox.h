// SPDX-License-Identifier: GPL-3.0-or-later
// ConditionsBox: the day's air every car of the garage runs in: the
// temperature, the pressure (the station's own, or an altimeter setting and
// the track's elevation) and the humidity, in the settings' units, with the
// standard day one click away. It shows what the air does to a car: the
// density altitude, the air's density against the standard day's and the
// horsepower correction factors. What it sets goes to the settings, which
// the car list follows.
#pragma once

#include <QGroupBox>

struct AirConditions;
class GarageSettings;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

class ConditionsBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit ConditionsBox(GarageSettings* settings, QWidget* parent = nullptr);

    QDoubleSpinBox* TemperatureBox() const { return temperature; }
    QDoubleSpinBox* PressureBox() const { return pressure; }
    QDoubleSpinBox* ElevationBox() const { return elevation; }
    QDoubleSpinBox* HumidityBox() const { return humidity; }
    QComboBox* PressureKindBox() const { return pressureKind; }
    QPushButton* StandardDayButton() const { return standardDay; }
    QPushButton* RoadTestDayButton() const { return roadTestDay; }
    // "Road model" or "Classic law", for every page of the garage.
    QComboBox* ModelBox() const { return model; }
    // "Density altitude 2,310 ft · air density 91.8 % of the standard day ·
    // correction factor 1.061 (SAE J1349), 1.079 (J607)".
    QString FiguresText() const;

private:
    void showSettings();
    void refreshUnits();
    void apply();
    void choosePressureKind(int kind);
    void setDay(const AirConditions& air);

    GarageSettings* settings;
    QDoubleSpinBox* temperature;
    QComboBox* pressureKind;
    QDoubleSpinBox* pressure;
    QLabel* elevationLabel;
    QDoubleSpinBox* elevation;
    QDoubleSpinBox* humidity;
    QPushButton* standardDay;
    QPushButton* roadTestDay;
    QComboBox* model;
    QLabel* figures;
    QLabel* problem;
};
