// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/ConditionsBox.h"

#include "core/Air.h"
#include "garage/GarageSettings.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QDoubleSpinBox* newBox(QWidget* parent, const char* name, const QString& accessibleName)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    // A value counts when it is entered, not at every key.
    box->setKeyboardTracking(false);
    return box;
}

// Sets a box's value without it telling anyone.
void showValue(QDoubleSpinBox* box, double value)
{
    const QSignalBlocker blocker(box);
    box->setValue(value);
}

const AirRange& rangeOf(AirField field)
{
    return AirRanges()[static_cast<std::size_t>(field)];
}

} // namespace

ConditionsBox::ConditionsBox(GarageSettings* settings, QWidget* parent)
    : QGroupBox(parent)
    , settings(settings)
    , temperature(newBox(this, "airTemperature", tr("Temperature")))
    , pressureKind(new QComboBox(this))
    , pressure(newBox(this, "airPressure", tr("Pressure")))
    , elevationLabel(new QLabel(tr("at an elevation of"), this))
    , elevation(newBox(this, "trackElevation", tr("Track elevation")))
    , humidity(newBox(this, "airHumidity", tr("Relative humidity")))
    , standardDay(new QPushButton(tr("Standard day"), this))
    , roadTestDay(new QPushButton(tr("Road-test day"), this))
    , model(new QComboBox(this))
    , figures(new QLabel(this))
    , problem(new QLabel(this))
{
    setObjectName(QStringLiteral("conditionsBox"));
    pressureKind->setObjectName(QStringLiteral("pressureKind"));
    pressureKind->setAccessibleName(tr("Pressure given as"));
    pressureKind->addItem(tr("station pressure"));
    pressureKind->addItem(tr("altimeter setting"));
    model->setObjectName(QStringLiteral("carModel"));
    model->setAccessibleName(tr("Model"));
    model->setToolTip(tr("The law every page runs the cars by: the road model (a real car at a real strip) "
                         "or the classic law (the classic program's numbers)"));
    for (CarModel m : AllCarModels)
        model->addItem(CarModelName(m), static_cast<int>(m));
    standardDay->setObjectName(QStringLiteral("standardDay"));
    standardDay->setToolTip(tr("25 °C (77 °F), dry air at 99 kPa (29.235 inHg): the day the classic "
                               "program's results are for (SAE J1349)"));
    roadTestDay->setObjectName(QStringLiteral("roadTestDay"));
    roadTestDay->setToolTip(tr("15.6 °C (60 °F), dry air at 29.92 inHg: the day US road tests correct "
                               "their figures to, and the road model's day in torvane-run"));
    figures->setObjectName(QStringLiteral("airFigures"));
    figures->setTextFormat(Qt::PlainText);
    figures->setWordWrap(true);
    problem->setObjectName(QStringLiteral("airProblem"));
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    humidity->setRange(rangeOf(AirField::Humidity).low, rangeOf(AirField::Humidity).high);
    humidity->setDecimals(0);
    humidity->setSuffix(tr(" %"));

    auto* row = new QHBoxLayout;
    auto* temperatureLabel = new QLabel(tr("The day's air:"), this);
    temperatureLabel->setBuddy(temperature);
    auto* humidityLabel = new QLabel(tr("humidity"), this);
    humidityLabel->setBuddy(humidity);
    row->addWidget(temperatureLabel);
    row->addWidget(temperature);
    row->addWidget(pressureKind);
    row->addWidget(pressure);
    row->addWidget(elevationLabel);
    row->addWidget(elevation);
    row->addWidget(humidityLabel);
    row->addWidget(humidity);
    row->addWidget(standardDay);
    row->addStretch(1);
    // The model beside what the air does, on a line of their own, so the
    // figures read in a line or two on a laptop's screen too.
    auto* second = new QHBoxLayout;
    auto* modelLabel = new QLabel(tr("Model:"), this);
    modelLabel->setBuddy(model);
    second->addWidget(modelLabel);
    second->addWidget(model);
    second->addWidget(roadTestDay);
    second->addWidget(figures, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addLayout(row);
    layout->addLayout(second);
    layout->addWidget(problem);
    problem->hide();

    // Each box changes its own figure only, so the others keep their exact
    // values (the standard day's pressure has more digits than a box shows).
    connect(temperature, &QDoubleSpinBox::valueChanged, this, &ConditionsBox::apply);
    connect(pressure, &QDoubleSpinBox::valueChanged, this, &ConditionsBox::apply);
    connect(elevation, &QDoubleSpinBox::valueChanged, this, &ConditionsBox::apply);
    connect(humidity, &QDoubleSpinBox::valueChanged, this, &ConditionsBox::apply);
    connect(pressureKind, &QComboBox::activated, this, &ConditionsBox::choosePressureKind);
    connect(standardDay, &QPushButton::clicked, this, [this] { setDay(AirConditions()); });
    connect(roadTestDay, &QPushButton::clicked, this, [this] { setDay(RoadTestConditions); });
    connect(settings, &GarageSettings::conditionsChanged, this, &ConditionsBox::showSettings);
    connect(settings, &GarageSettings::unitsChanged, this, &ConditionsBox::refreshUnits);
    connect(model, &QComboBox::activated, this, [this, settings](int index) {
        settings->SetModel(static_cast<CarModel>(model->itemData(index).toInt()));
    });
    const auto showModel = [this](CarModel chosen) {
        model->setCurrentIndex(model->findData(static_cast<int>(chosen)));
    };
    connect(settings, &GarageSettings::modelChanged, this, showModel);
    showModel(settings->Model());
    refreshUnits();
}

void ConditionsBox::refreshUnits()
{
    const UnitSystem units = settings->Units();
    const auto setRange = [units](QDoubleSpinBox* box, const AirRange& range, Quantity quantity, int decimals) {
        const QSignalBlocker blocker(box);
        box->setDecimals(decimals);
        box->setRange(ToShown(range.low, quantity, units), ToShown(range.high, quantity, units));
        box->setSuffix(QLatin1Char(' ') + UnitSymbol(quantity, units));
    };
    setRange(temperature, rangeOf(AirField::Temperature), Quantity::Temperature,
             ShownDecimals(Quantity::Temperature, units));
    setRange(pressure, rangeOf(AirField::Pressure), Quantity::Pressure, ShownDecimals(Quantity::Pressure, units));
    setRange(elevation, rangeOf(AirField::Elevation), Quantity::Distance, 0);
    showSettings();
}

void ConditionsBox::showSettings()
{
    const UnitSystem units = settings->Units();
    const AirConditions air = settings->Conditions();
    const GarageSettings::PressureEntry entry = settings->PressureGiven();
    showValue(temperature, ToShown(air.temperature, Quantity::Temperature, units));
    showValue(humidity, air.humidity);
    {
        const QSignalBlocker blocker(pressureKind);
        pressureKind->setCurrentIndex(entry.altimeter ? 1 : 0);
    }
    showValue(pressure, ToShown(entry.altimeter ? entry.altimeterSetting : air.pressure, Quantity::Pressure, units));
    showValue(elevation, ToShown(entry.elevation, Quantity::Distance, units));
    elevationLabel->setVisible(entry.altimeter);
    elevation->setVisible(entry.altimeter);
    figures->setText(FiguresText());
}

QString ConditionsBox::FiguresText() const
{
    const UnitSystem units = settings->Units();
    const AirFigures air = FiguresFor(settings->Conditions());
    const QLocale locale;
    QString text = tr("density altitude %1 %2 · air %3 % as dense as on the standard day · correction "
                      "factor %4 (SAE J1349), %5 (SAE J607)")
                       .arg(locale.toString(ToShown(air.densityAltitude, Quantity::Distance, units), 'f', 0),
                            UnitSymbol(Quantity::Distance, units),
                            locale.toString(100 * air.relativeAirDensity, 'f', 1),
                            locale.toString(air.correctionFactor, 'f', 3), locale.toString(air.j607Factor, 'f', 3));
    if (settings->PressureGiven().altimeter)
        text += tr(" · station pressure %1 %2")
                    .arg(locale.toString(ToShown(air.conditions.pressure, Quantity::Pressure, units), 'f',
                                         ShownDecimals(Quantity::Pressure, units)),
                         UnitSymbol(Quantity::Pressure, units));
    return text;
}

void ConditionsBox::apply()
{
    const UnitSystem units = settings->Units();
    AirConditions air = settings->Conditions();
    GarageSettings::PressureEntry entry = settings->PressureGiven();
    QObject* changed = sender();
    if (changed == temperature)
        air.temperature = FromShown(temperature->value(), Quantity::Temperature, units);
    else if (changed == humidity)
        air.humidity = humidity->value();
    if (entry.altimeter && (changed == pressure || changed == elevation)) {
        entry.altimeterSetting = FromShown(pressure->value(), Quantity::Pressure, units);
        entry.elevation = FromShown(elevation->value(), Quantity::Distance, units);
        const QString message = AltimeterMessage(entry.altimeterSetting, entry.elevation);
        problem->setText(message);
        problem->setVisible(!message.isEmpty());
        if (!message.isEmpty())
            return;
        air.pressure = StationPressureFromAltimeter(entry.altimeterSetting, entry.elevation);
        settings->SetPressureGiven(entry);
    } else if (changed == pressure) {
        air.pressure = FromShown(pressure->value(), Quantity::Pressure, units);
    }
    problem->clear();
    problem->hide();
    settings->SetConditions(air);
    figures->setText(FiguresText());
}

// Switching the kind converts the day's pressure into the other kind, at
// the track's elevation, so the day stays the same; the value shown is then
// what the cars run on (the box's rounding included). A pressure that has no
// altimeter setting in range at the remembered elevation is taken at 0 ft,
// where the two kinds are the same number.
void ConditionsBox::choosePressureKind(int kind)
{
    const UnitSystem units = settings->Units();
    GarageSettings::PressureEntry entry = settings->PressureGiven();
    if (entry.altimeter == (kind == 1))
        return; // the kind it already has: nothing to convert
    AirConditions air = settings->Conditions();
    // What the pressure box shows for a pressure (inHg), back in inHg.
    const auto asShown = [&](double inHg) {
        showValue(pressure, ToShown(inHg, Quantity::Pressure, units));
        return FromShown(pressure->value(), Quantity::Pressure, units);
    };
    entry.altimeter = kind == 1;
    if (entry.altimeter) {
        entry.altimeterSetting = asShown(air.pressure / StationPressureFromAltimeter(1, entry.elevation));
        if (!AltimeterMessage(entry.altimeterSetting, entry.elevation).isEmpty()) {
            entry.elevation = 0;
            entry.altimeterSetting = asShown(air.pressure);
        }
        air.pressure = StationPressureFromAltimeter(entry.altimeterSetting, entry.elevation);
    } else {
        air.pressure = asShown(air.pressure);
    }
    settings->SetPressureGiven(entry);
    problem->hide();
    settings->SetConditions(air);
    showSettings();
}

void ConditionsBox::setDay(const AirConditions& air)
{
    GarageSettings::PressureEntry entry = settings->PressureGiven();
    entry.altimeter = false;
    settings->SetPressureGiven(entry);
    problem->hide();
    settings->SetConditions(air);
    showSettings();
}
