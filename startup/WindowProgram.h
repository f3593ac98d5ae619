// SPDX-License-Identifier: GPL-3.0-or-later
// The start of a window program, the same for the classic program and the
// garage: from the application object to the moment its first window may be
// made, as quickly as the machine allows.
//
// In: the command line, the program's name and desktop entry, and what the
// program does once started (make its windows, run the event loop). Out: the
// program's exit status; 1, with one line on standard error, when there is
// no display to start on. The caller has named the application
// (QCoreApplication's organisation and application names) and answered
// whatever needs no display (--help, --version) before.
#pragma once

#include <QString>

#include <functional>

struct WindowProgramStart {
    // The start guard's line ("NAME: cannot start: ...") and the window
    // icon's resources (":/icons/NAME-SIZE.rgba", startup/WindowIcon.h).
    QString name;
    // The desktop entry the program's windows belong to; none when empty.
    QString desktopEntry;
};

// Reads the font configuration on a thread of its own while the application
// object is made, connects to the session bus on another while the rest is
// set up: the style with its extension glyphs read when drawn, the window
// icon and the translations. Then, the font configuration read, `run`.
int StartWindowProgram(int& argc, char** argv, const WindowProgramStart& start, const std::function<int()>& run);
