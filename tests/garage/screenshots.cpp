// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the garage for the README and for checking its looks: the
// default car and two sample cars compared, a what-if variant, the
// sensitivity page, the logbook with a fit, the exported report, the comparison in metric units and
// in a dark palette, and the comparison on a 1366×768 laptop screen, with
// the same screen showing three cars described for the road model, one of
// them electric, with the form's road fields, and the logbook (with its
// density-altitude chart, in a dark palette too). Run under a real X server
// (scripts/screenshots.sh).
// Usage: torvane_garage_screenshots OUTPUT-FOLDER [--german] [--laptop WIDTHxHEIGHT]
// With --laptop only the laptop pictures are taken (garage-laptop.png, at
// 100 % garage-road.png, and garage-laptop-logbook*.png), in a window of WIDTH × HEIGHT screen pixels at
// whatever scale QT_SCALE_FACTOR sets. With --german
// the garage speaks German and writes its numbers as a German desktop does.
#include "ScreenshotSupport.h"

#include "core/Translations.h"

#include "garage/CarForm.h"
#include "garage/CarList.h"
#include "garage/CurveCharts.h"
#include "garage/DialInCharts.h"
#include "garage/GarageProgram.h"
#include "garage/GarageSettings.h"
#include "garage/GarageWindow.h"
#include "garage/LogbookPage.h"
#include "garage/MessageBar.h"
#include "garage/SensitivityPage.h"
#include "garage/WhatIfPage.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

void openSampleCars(GarageProgram& program)
{
    const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
    program.Start({});
    program.Files().OpenFile(examples + QStringLiteral("/economy-car.trv"));
    program.Files().OpenFile(examples + QStringLiteral("/supercar.trv"));
    program.Window().SelectCar(0);
    program.Window().Messages()->hide();
}

// Six time slips of the default car on six days, a little off the model
// as real slips are, fitted, with a prediction for a warm, humid Saturday
// and the report card.
void fillLogbook(GarageProgram& program)
{
    GarageWindow& window = program.Window();
    program.Cars().SetCurrentRow(0);
    window.Tabs()->setCurrentWidget(window.LogbookView());
    LogbookPage* logbook = window.LogbookView();
    CarInputs real = program.Cars().At(0).Inputs();
    real.horsepower *= 0.9;
    real.spinTime = 0.6;
    const std::array<AirConditions, 6> days{ { { 62, 29.4, 40 }, { 75, 29.2, 55 }, { 88, 29.0, 70 },
                                               { 55, 29.6, 30 }, { 70, 29.3, 50 }, { 81, 29.1, 65 } } };
    const std::array<double, 6> scatter{ 0.04, -0.03, 0.06, -0.05, 0.01, -0.02 };
    for (std::size_t day = 0; day < days.size(); ++day) {
        const DayResults result = RunCarOnDay(real, days[day]);
        TimeSlip run;
        run.date = QDate(2026, 4, 4).addDays(14 * static_cast<int>(day));
        run.time = QTime(14, 30);
        run.track = QStringLiteral("County Line Dragway");
        run.temperature = days[day].temperature;
        run.pressure = days[day].pressure;
        run.humidity = days[day].humidity;
        run.reactionTime = 0.52;
        run.sixtyFootTime = std::round((result.splits.sixtyFootTime + scatter[day] / 3) * 1000) / 1000;
        run.eighthMileTime = std::round((result.splits.eighthMileTime + scatter[day] * 0.7) * 1000) / 1000;
        run.eighthMileSpeed = std::round(result.splits.eighthMileSpeed * 100) / 100;
        run.quarterMileTime = std::round((result.splits.quarterMileTime + scatter[day]) * 1000) / 1000;
        run.quarterMileSpeed = std::round((result.splits.quarterMileSpeed - scatter[day] * 3) * 100) / 100;
        logbook->AddSlip(run);
    }
    logbook->Calibrate();
    while (logbook->Calibrating())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    program.Settings().SetConditions(AirConditions{ 84, 29.15, 60 });
    window.Messages()->hide();
}

// Three cars as their owners know them, run on the road model (chosen in
// the Conditions row, as a user would): the default car as a manual
// rear-drive car, the economy car front-drive, the supercar as an electric
// all-wheel-drive car; the electric one in the form, scrolled to its road
// fields.
void describeForTheRoad(GarageProgram& program)
{
    program.Settings().SetModel(CarModel::Road);
    CarList& cars = program.Cars();
    struct Key {
        int row;
        RoadKey key;
        const char* text;
    };
    const Key keys[] = {
        { 0, RoadKey::Drivetrain, "rwd" },       { 0, RoadKey::Transmission, "manual" },
        { 0, RoadKey::Gears, "6" },              { 0, RoadKey::Torque, "325" },
        { 0, RoadKey::Tires, "summer" },         { 1, RoadKey::Drivetrain, "fwd" },
        { 2, RoadKey::Engine, "electric" },      { 2, RoadKey::Drivetrain, "awd" },
        { 2, RoadKey::Torque, "740" },           { 2, RoadKey::FrontalArea, "24.5" },
    };
    for (const Key& k : keys)
        cars.EditRoadText(k.row, k.key, QString::fromLatin1(k.text));
    cars.Rename(0, QStringLiteral("Manual rear-drive car"));
    cars.Rename(2, QStringLiteral("Electric all-wheel-drive car"));
    program.Window().SelectCar(2);
    CarForm* form = program.Window().Form();
    form->ensureWidgetVisible(form->RoadControl(RoadKey::Surface), 0, 0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QStringList arguments = QApplication::arguments();
    // The German interface, to check that its texts fit the window.
    if (arguments.removeAll(QStringLiteral("--german")) > 0) {
        const QLocale german(QLocale::German, QLocale::Germany);
        QLocale::setDefault(german);
        InstallTranslations(german, { QStringLiteral(TORVANE_TRANSLATIONS_DIR) });
    }
    const bool laptop = arguments.size() == 4 && arguments.at(2) == QLatin1String("--laptop");
    const QStringList screenSize = laptop ? arguments.at(3).split(QLatin1Char('x')) : QStringList();
    if ((arguments.size() != 2 && !laptop) || (laptop && screenSize.size() != 2)) {
        std::fprintf(stderr, "usage: torvane_garage_screenshots OUTPUT-FOLDER [--german] [--laptop WIDTHxHEIGHT]\n");
        return 2;
    }
    const QDir out(arguments.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(out.path()));
        return 1;
    }

    // Settings of their own, so the pictures never touch the user's.
    // The pictures of the classic law, as they always were.
    QTemporaryDir settingsDir;
    const QString ini = settingsDir.filePath(QStringLiteral("garage.ini"));
    QSettings(ini, QSettings::IniFormat).setValue(QStringLiteral("model"), CarModelWord(CarModel::Classic));
    GarageProgram program(ini);
    openSampleCars(program);
    GarageWindow& window = program.Window();

    if (laptop) {
        // The whole screen of a laptop, as a maximised window has it.
        const qreal scale = window.devicePixelRatioF();
        window.setGeometry(0, 0, qRound(screenSize.at(0).toInt() / scale), qRound(screenSize.at(1).toInt() / scale));
        window.show();
        const QString name = scale > 1 ? QStringLiteral("garage-laptop-%1x").arg(scale)
                                       : QStringLiteral("garage-laptop");
        bool saved = SaveWindowPicture(&window, out.filePath(name + QStringLiteral(".png")));
        if (scale == 1) {
            describeForTheRoad(program);
            saved = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-road.png"))) && saved;
            program.Settings().SetModel(CarModel::Classic);
        }
        // The logbook page on the same screen, with its report card and with
        // its density-altitude chart, the chart in a dark palette too.
        fillLogbook(program);
        saved = SaveWindowPicture(&window, out.filePath(name + QStringLiteral("-logbook.png"))) && saved;
        LogbookPage* logbook = window.LogbookView();
        logbook->ChartTabs()->setCurrentWidget(logbook->DialInView());
        saved = SaveWindowPicture(&window, out.filePath(name + QStringLiteral("-logbook-dial-in.png"))) && saved;
        // The same runs fitted on the road model: its power at the wheels
        // and launch grip, and the report card's methods on that model.
        logbook->ChartTabs()->setCurrentIndex(0);
        program.Settings().SetModel(CarModel::Road);
        logbook->Calibrate();
        while (logbook->Calibrating())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        saved = SaveWindowPicture(&window, out.filePath(name + QStringLiteral("-logbook-road.png"))) && saved;
        program.Settings().SetModel(CarModel::Classic);
        logbook->Calibrate();
        while (logbook->Calibrating())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        logbook->ChartTabs()->setCurrentWidget(logbook->DialInView());
        QApplication::setPalette(DarkPalette());
        saved = SaveWindowPicture(&window, out.filePath(name + QStringLiteral("-logbook-dark.png"))) && saved;
        return saved ? 0 : 1;
    }

    window.resize(1500, 940);
    window.show();
    bool ok = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-compare.png")));

    // A what-if variant of the default car: 50 hp more, 200 lb less.
    window.Tabs()->setCurrentWidget(window.WhatIf());
    SettleWindow(&window);
    window.WhatIf()->Slider(InputField::Horsepower)->setValue(395);
    window.WhatIf()->Slider(InputField::CarWeight)->setValue(3200 / 5);
    window.WhatIf()->Charts()->SetSpan(CurveCharts::Span::QuarterMile);
    ok = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-whatif.png"))) && ok;

    window.Tabs()->setCurrentWidget(window.SensitivityView());
    window.SensitivityView()->TargetBox()->setValue(12.5);
    window.SensitivityView()->Solve();
    ok = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-sensitivity.png"))) && ok;

    // Do I beat my friend? His 400 hp, 3,600 lb car beside the default car;
    // the weight that gives his quarter mile, applied to the what-if
    // variant, and the difference from his car.
    program.Cars().CloseCar(window.WhatIf()->VariantRow());
    CarTexts friendsCar = CarTexts::DefaultCar();
    friendsCar[InputField::Horsepower] = QStringLiteral("400.00");
    friendsCar[InputField::CarWeight] = QStringLiteral("3600.00");
    const int friendRow = program.Cars().AddCar(QStringLiteral("My friend's car"), friendsCar);
    const double friendsTime = program.Cars().At(friendRow).evaluation->results.quarterMileTime;
    program.Cars().SetCurrentRow(0);
    SensitivityPage* target = window.SensitivityView();
    target->WeightChoice()->setChecked(true);
    target->TargetBox()->setValue(friendsTime);
    target->Solve();
    target->ApplyButton()->click();
    window.WhatIf()->SetReference(program.Cars().At(friendRow).id);
    ok = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-whatif-friend.png"))) && ok;

    // The report of the comparison, without the variant.
    window.Tabs()->setCurrentIndex(0);
    program.Cars().CloseCar(window.WhatIf()->VariantRow());
    const QString report = out.filePath(QStringLiteral("garage-report.pdf"));
    ok = window.ExportPdf(report) && ok;
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(report));
    window.Messages()->hide();

    fillLogbook(program);
    ok = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-logbook.png"))) && ok;
    program.Settings().SetConditions(AirConditions());
    window.Tabs()->setCurrentIndex(0);

    // Metric units, for checking that the extra row and the longer units fit.
    program.Settings().SetUnits(UnitSystem::Metric);
    ok = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-compare-metric.png"))) && ok;
    program.Settings().SetUnits(UnitSystem::Imperial);

    QApplication::setPalette(DarkPalette());
    ok = SaveWindowPicture(&window, out.filePath(QStringLiteral("garage-compare-dark.png"))) && ok;
    return ok ? 0 : 1;
}
