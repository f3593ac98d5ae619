// SPDX-License-Identifier: GPL-3.0-or-later
// Torvane: starts the classic program and runs it until its main window closes.
#include "shell/CommandLine.h"
#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "startup/WindowProgram.h"
#include "widgets/ErrorBox.h"

#include <QApplication>

#include <exception>
#include <memory>

int main(int argc, char** argv)
{
    // The command line is read before anything needs a display: --help and
    // --version answer on a terminal without one.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = ParseCommandLine(arguments);
    if (commandLine.request != StartRequest::OpenWindow)
        return AnswerCommandLine(argc, argv, commandLine);

    QCoreApplication::setOrganizationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationName(QStringLiteral("torvane"));
    return StartWindowProgram(argc, argv, { QStringLiteral("torvane"), QString() }, [] {
        // An error that escapes creating the windows ends the program after
        // the standard error box has shown it; nothing is thrown while events
        // are handled.
        try {
            const std::unique_ptr<TorvaneProgram> program = StartTorvaneProgram();
            // A main window closed before the last window was made has ended
            // the program already.
            if (program->MainForm()->isVisible())
                QApplication::exec();
        } catch (const std::exception& error) {
            ShowErrorBox(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            ShowErrorBox(QString());
        }
        return 0;
    });
}
