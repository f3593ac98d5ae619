#include "garage/GarageProgram.h"

#include "core/StartGuard.h"
#include "garage/GarageWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QIcon>
#include <QUndoStack>


GarageProgram::GarageProgram(const QString& settingsPath)
    : settings(settingsPath.isEmpty() ? std::make_unique<GarageSettings>()
                                      : std::make_unique<GarageSettings>(settingsPath))
    , cars(std::make_unique<CarList>())
    , window(std::make_unique<GarageWindow>(cars.get(), settings.get()))
{
}

GarageProgram::~GarageProgram()
{
    // The window goes first: its views still read the cars.
    window.reset();
}

void GarageProgram::Start(const QStringList& files)
{
    window->OpenFiles(files);
    if (cars->Count() == 0)
        cars->AddCar(QCoreApplication::translate("GarageProgram", "Default car"), CarTexts::DefaultCar());
    cars->UndoStack()->clear();
}

int RunGarage(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("torvane-garage"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TORVANE_VERSION));
    GuardStart("torvane-garage");
    QApplication application(argc, argv);
    EndStartGuard();
    QApplication::setDesktopFileName(QStringLiteral("torvane-garage"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/torvane-garage.svg")));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("GarageProgram", "Compare Torvane cars, see their runs and ask what if."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QCoreApplication::translate("GarageProgram", "Vehicle files (.trv) to open."),
                                 QStringLiteral("[files...]"));
    parser.process(application);

    GarageProgram program;
    program.Start(parser.positionalArguments());
    program.Window().show();
    return application.exec();
}
