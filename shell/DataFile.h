// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening the vehicle data file from the control dialog: the
// file dialogs ask for a path, the core's VehicleFile does the work, and the
// input dialog's boxes are what is saved and what an opened file fills.
#pragma once

#include <QString>

class TorvaneProgram;

// The folder the file dialogs start in: the user's Documents folder, or the
// home folder when there is none.
QString DocumentsFolder();

// Ask for a path with the main window's file dialogs, then save or open it.
// The save dialog proposes the last file opened or saved; when that file's
// folder cannot be written to, it proposes its name in DocumentsFolder(), and
// it never starts in a folder that cannot be written to.
void SaveDataFile(TorvaneProgram& program);
void OpenDataFile(TorvaneProgram& program);

// Saves the nine box texts to `path`; false (after a message) when the
// texts would not read back as they stand or the file could not be written.
bool SaveDataFileAt(TorvaneProgram& program, const QString& path);
// Loads `path` into the nine boxes; false (after a message) when the path
// lacks ".trv" or the file cannot be taken. On success the loaded texts
// become the previous inputs, the title is saved, the result buttons are
// disabled and the save dialog proposes this file next.
bool OpenDataFileAt(TorvaneProgram& program, const QString& path);
