// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CommandLine.h"

#include "core/ProgramInfo.h"
#include "core/Translations.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

// Qt's own command-line options for a window program, with whether each
// takes a value ("-style fusion" or "-style=fusion"); Qt also takes them
// with two dashes.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption qtOptions[] = {
    { "platform", true },     { "platformpluginpath", true }, { "platformtheme", true },
    { "plugin", true },       { "qwindowgeometry", true },    { "qwindowicon", true },
    { "qwindowtitle", true }, { "reverse", false },           { "session", true },
    { "display", true },      { "geometry", true },           { "style", true },
    { "stylesheet", true },   { "widgetcount", false },       { "nograb", false },
    { "dograb", false },      { "sync", false },              { "qmljsdebugger", true },
};

// The option's name without its dashes and value, and whether its value is
// in the same argument ("-style=fusion").
const QtOption* qtOption(const QString& argument, bool& valueIncluded)
{
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")
        || argument == QLatin1String("--"))
        return nullptr;
    QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    valueIncluded = equals >= 0;
    if (valueIncluded)
        name.truncate(equals);
    for (const QtOption& option : qtOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Writes all of `text` to `stream`; false when it could not.
bool write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, bytes.size(), stream) == std::size_t(bytes.size())
           && std::fflush(stream) == 0;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return { StartRequest::Help };
        if (argument == QLatin1String("-v") || argument == QLatin1String("--version"))
            return { StartRequest::Version };
        bool valueIncluded = false;
        if (const QtOption* option = qtOption(argument, valueIncluded)) {
            if (option->takesValue && !valueIncluded) {
                if (i + 1 == arguments.size())
                    return { StartRequest::UsageError, UsageProblem::MissingValue, argument };
                ++i;
            }
            continue;
        }
        return { StartRequest::UsageError,
                 argument.startsWith(QLatin1Char('-')) ? UsageProblem::UnknownOption
                                                        : UsageProblem::UnexpectedArgument,
                 argument };
    }
    return {};
}

QString UsageProblemText(const CommandLine& commandLine)
{
    switch (commandLine.problem) {
    case UsageProblem::UnknownOption:
        return Text::tr("unknown option '%1'").arg(commandLine.argument);
    case UsageProblem::MissingValue:
        return Text::tr("option '%1' needs a value").arg(commandLine.argument);
    case UsageProblem::UnexpectedArgument:
        return Text::tr("no file or other argument is taken: '%1'").arg(commandLine.argument);
    case UsageProblem::None:
        break;
    }
    return QString();
}

QString UsageText()
{
    return Text::tr("Usage: torvane [--help] [--version]") + QLatin1Char('\n');
}

QString HelpText()
{
    return UsageText()
           + Text::tr("Work out how fast a car is from nine numbers: the quarter-mile time and\n"
                      "speed, the top speed and the 0-60, 0-80, 0-100 and 60-80 mph times.\n"
                      "\n"
                      "Started without options, torvane opens its main window; a click inside\n"
                      "its blue frame opens the control dialog, from which every function is\n"
                      "reached.\n"
                      "\n"
                      "Options:\n"
                      "  -h, --help     show this help and exit\n"
                      "  -v, --version  show the version and the licence and exit\n"
                      "\n"
                      "Qt's standard options, such as -platform NAME or -style NAME, are passed\n"
                      "on to Qt.\n"
                      "\n"
                      "Exit status: 0 when the main window is closed, 1 when the program cannot\n"
                      "start (for example without a display), 2 for a wrong option.\n");
}

int AnswerCommandLine(int& argc, char** argv, const CommandLine& commandLine)
{
    QCoreApplication application(argc, argv);
    InstallTranslations();
    switch (commandLine.request) {
    case StartRequest::Help:
        return write(stdout, HelpText()) ? 0 : 1;
    case StartRequest::Version:
        return write(stdout, VersionText(QStringLiteral("torvane"))) ? 0 : 1;
    case StartRequest::UsageError:
        write(stderr, QStringLiteral("torvane: %1\n").arg(UsageProblemText(commandLine)) + UsageText()
                          + Text::tr("Try 'torvane --help' for more information.") + QLatin1Char('\n'));
        return 2;
    case StartRequest::OpenWindow:
        break;
    }
    return 0;
}
