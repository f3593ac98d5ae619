// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileSave.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The messages' translations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileSave)
};

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return Text::tr("a folder");
    if (S_ISFIFO(mode))
        return Text::tr("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Text::tr("a device");
    if (S_ISSOCK(mode))
        return Text::tr("a socket");
    return Text::tr("not a regular file");
}

} // namespace

QString NonFileKind(const QString& path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return QString();
    return kindOf(status.st_mode);
}

QString NonFileKindOfMode(unsigned int mode)
{
    return S_ISREG(mode) ? QString() : kindOf(static_cast<mode_t>(mode));
}

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString WriteAndCommit(QSaveFile& file, const QByteArray& bytes)
{
    const QString path = file.fileName();
    auto fail = [&file, &path](const QString& reason) {
        file.cancelWriting();
        return Text::tr("Could not write %1: %2.").arg(path, reason);
    };
    if (file.write(bytes) != bytes.size())
        return fail(file.errorString());
    // A buffered write fails only when it is flushed, and a file system may
    // only report a full disk when the data is synced: both are checked
    // before the old file is replaced.
    if (!file.flush())
        return fail(file.errorString());
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS)
        return fail(ErrnoText(errno));
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (!file.commit())
        return Text::tr("Could not save %1: %2.").arg(path, file.errorString());
    return QString();
}

QString SaveBytes(const QString& path, const QByteArray& bytes)
{
    // Saving over a device or a named pipe would replace it with a file.
    const QString kind = NonFileKind(path);
    if (!kind.isEmpty())
        return Text::tr("Could not save %1: it is %2, not a file; nothing was written.").arg(path, kind);
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Text::tr("Could not save %1: %2.").arg(path, file.errorString());
    return WriteAndCommit(file, bytes);
}
