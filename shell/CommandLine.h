// SPDX-License-Identifier: GPL-3.0-or-later
// The classic program's command line, read before the application object
// and any window exist, so that --help and --version work without a display.
//
// In: the arguments after the program's name. Out: what to do. The program
// takes -h/--help and -v/--version and nothing else of its own; Qt's
// standard options (-platform, -style, -display, ...) are left to Qt. Started
// without arguments it opens its main window as it always has.
#pragma once

#include <QString>
#include <QStringList>

enum class StartRequest { OpenWindow, Help, Version, UsageError };

// What is wrong with a command line that gives a usage error.
enum class UsageProblem { None, UnknownOption, MissingValue, UnexpectedArgument };

struct CommandLine {
    StartRequest request = StartRequest::OpenWindow;
    UsageProblem problem = UsageProblem::None;
    QString argument; // the argument the problem is with
};

CommandLine ParseCommandLine(const QStringList& arguments);

// The first line of a usage error ("unknown option '--colour'"), translated.
QString UsageProblemText(const CommandLine& commandLine);

// "Usage: torvane [--help] [--version]" and the help that --help prints
// (translated), each ending in a line feed.
QString UsageText();
QString HelpText();

// Answers --help, --version or a usage error on standard output or standard
// error, with a core application only (no display needed); returns the exit
// status: 0, or 2 for a usage error, or 1 when the answer could not be
// written.
int AnswerCommandLine(int& argc, char** argv, const CommandLine& commandLine);
