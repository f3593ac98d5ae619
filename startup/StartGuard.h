// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a window program without a display to open its windows on. Qt
// reports that as a fatal error and aborts, which leaves a core dump and a
// page of text; the guard ends the program instead with exit status 1 and
// one line on standard error that says why.
#pragma once

// Install before the application object is made; `programName` heads the
// line ("torvane: cannot start: ...").
void GuardStart(const char* programName);
// Once the application object exists: Qt's own message handling comes back,
// and the messages held back meanwhile are passed on to it.
void EndStartGuard();
