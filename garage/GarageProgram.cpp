// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/GarageProgram.h"

#include "core/FileNames.h"
#include "core/ProgramInfo.h"
#include "core/Translations.h"
#include "garage/GarageWindow.h"
#include "startup/WindowProgram.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QUndoStack>

#include <cstdio>
#include <optional>


GarageProgram::GarageProgram(const QString& settingsPath)
    : settings(settingsPath.isEmpty() ? std::make_unique<GarageSettings>()
                                      : std::make_unique<GarageSettings>(settingsPath))
    , cars(std::make_unique<CarList>())
    , files(std::make_unique<CarFiles>(cars.get(), settings.get()))
    , window(std::make_unique<GarageWindow>(cars.get(), settings.get(), files.get()))
{
}

GarageProgram::~GarageProgram()
{
    // The window goes first: its views still read the cars.
    window.reset();
}

void GarageProgram::Start(const QStringList& paths)
{
    files->OpenFiles(paths);
    if (cars->Count() == 0)
        cars->AddCar(QCoreApplication::translate("GarageProgram", "Default car"), CarTexts::DefaultCar());
    cars->UndoStack()->clear();
}

namespace {

// The garage's command line: files, and the standard -h/--help and
// -v/--version.
void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("GarageProgram", "Compare Torvane cars, see their runs and ask what if."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"),
                                 QCoreApplication::translate("GarageProgram", "Vehicle files (.trv) to open."),
                                 QStringLiteral("[files...]"));
}

// Writes all of `text` to `stream`; false when it could not.
bool write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream)
               == static_cast<std::size_t>(bytes.size())
           && std::fflush(stream) == 0;
}

// --help and --version are answered before anything needs a display.
std::optional<int> answerWithoutDisplay(int& argc, char** argv)
{
    bool asked = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            break;
        asked = asked || argument == "-h" || argument == "--help" || argument == "-v" || argument == "--version";
    }
    if (!asked)
        return std::nullopt;
    QCoreApplication application(argc, argv);
    InstallTranslations();
    QCommandLineParser parser;
    describe(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        return write(stdout, VersionText(QStringLiteral("torvane-garage"))) ? 0 : 1;
    return write(stdout, parser.helpText()) ? 0 : 1;
}

} // namespace

int RunGarage(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("torvane-garage"));
    QCoreApplication::setApplicationVersion(TorvaneVersion());
    if (const std::optional<int> status = answerWithoutDisplay(argc, argv))
        return *status;
    const QString name = QStringLiteral("torvane-garage");
    return StartWindowProgram(argc, argv, { name, name }, [&argc, argv] {
        // The arguments as the system gave them, so that a file name that is
        // not UTF-8 still names its file (core/FileNames.h).
        QStringList arguments;
        for (int i = 0; i < argc; ++i)
            arguments << ArgumentText(QByteArray(argv[i]));
        QCommandLineParser parser;
        describe(parser);
        if (!parser.parse(arguments)) {
            write(stderr, QStringLiteral("torvane-garage: %1\n").arg(parser.errorText()));
            write(stderr, parser.helpText().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n'));
            return 2;
        }
        GarageProgram program;
        program.Start(parser.positionalArguments());
        program.Window().show();
        return QApplication::exec();
    });
}
