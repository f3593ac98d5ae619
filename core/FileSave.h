// SPDX-License-Identifier: GPL-3.0-or-later
// FileSave: how every file the programs write reaches the disk: whole or
// not at all. The bytes go to a temporary file beside the target, are
// flushed and synced, and only then replace the target, so a full disk, a
// failed write or a kill leaves the old file byte for byte. A path that
// exists but is not a regular file (a folder, a device, a named pipe) is
// refused before anything is written: saving onto it would replace it, or
// block on it.
#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// "a folder", "a named pipe", "a device", "a socket", "not a regular
// file" for a path that exists and is not a regular file; empty for a
// regular file or a path that does not exist.
QString NonFileKind(const QString& path);
// The same for a file type as stat(2) gives it in st_mode: empty for a
// regular file.
QString NonFileKindOfMode(unsigned int mode);

// The system's text for an errno value.
QString ErrnoText(int error);

// Writes `bytes` to `path` as above. Returns an error message, empty on
// success.
QString SaveBytes(const QString& path, const QByteArray& bytes);

// The second half of SaveBytes: writes `bytes` through an open save file,
// makes sure every byte reached the disk, and commits; on any failure the
// save file is discarded and the reason returned.
QString WriteAndCommit(QSaveFile& file, const QByteArray& bytes);
