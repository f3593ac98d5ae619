// Pictures of the garage for the README and for checking its looks: the
// default car and two sample cars compared, a what-if variant, the
// sensitivity page, the exported report, and the comparison once more in
// metric units and in a dark palette. Usage: torvane_garage_screenshots OUTPUT-FOLDER
#include "garage/CarList.h"
#include "garage/CurveCharts.h"
#include "garage/GarageProgram.h"
#include "garage/GarageWindow.h"
#include "garage/MessageBar.h"
#include "garage/SensitivityPage.h"
#include "garage/WhatIfPage.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QSlider>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

bool shoot(QWidget& window, const QString& path)
{
    settle();
    const bool saved = window.grab().save(path, "PNG");
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    return dark;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: torvane_garage_screenshots OUTPUT-FOLDER\n");
        return 2;
    }
    const QDir out(arguments.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(out.path()));
        return 1;
    }

    // Settings of its own, so the pictures never touch the user's.
    QTemporaryDir settingsDir;
    GarageProgram program(settingsDir.filePath(QStringLiteral("garage.ini")));
    const QString examples = QStringLiteral(TORVANE_EXAMPLES_DIR);
    program.Start({});
    program.Window().OpenFile(examples + QStringLiteral("/economy-car.trv"));
    program.Window().OpenFile(examples + QStringLiteral("/supercar.trv"));
    program.Window().SelectCar(0);
    GarageWindow& window = program.Window();
    window.resize(1500, 940);
    window.show();
    settle();

    bool ok = shoot(window, out.filePath(QStringLiteral("garage-compare.png")));

    // A what-if variant of the default car: 50 hp more, 200 lb less.
    window.Tabs()->setCurrentWidget(window.WhatIf());
    settle();
    window.WhatIf()->Slider(InputField::Horsepower)->setValue(395);
    window.WhatIf()->Slider(InputField::CarWeight)->setValue(3200 / 5);
    window.WhatIf()->Charts()->SetSpan(CurveCharts::Span::QuarterMile);
    ok = shoot(window, out.filePath(QStringLiteral("garage-whatif.png"))) && ok;

    window.Tabs()->setCurrentWidget(window.SensitivityView());
    settle();
    window.SensitivityView()->ShowCar(program.Cars().At(0).id);
    window.SensitivityView()->TargetBox()->setValue(12.5);
    window.SensitivityView()->Solve();
    ok = shoot(window, out.filePath(QStringLiteral("garage-sensitivity.png"))) && ok;

    // The report of the comparison: the three cars, without the variant.
    window.Tabs()->setCurrentIndex(0);
    program.Cars().Remove(program.Cars().IndexOf(window.WhatIf()->VariantId()));
    settle();
    const QString report = out.filePath(QStringLiteral("garage-report.pdf"));
    ok = window.ExportPdf(report) && ok;
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(report));
    window.Messages()->hide();

    // Metric units, for checking that the extra row and the longer units fit.
    window.SetUnitSystem(UnitSystem::Metric);
    ok = shoot(window, out.filePath(QStringLiteral("garage-compare-metric.png"))) && ok;
    window.SetUnitSystem(UnitSystem::Imperial);

    QApplication::setPalette(darkPalette());
    ok = shoot(window, out.filePath(QStringLiteral("garage-compare-dark.png"))) && ok;
    return ok ? 0 : 1;
}
