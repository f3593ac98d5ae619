// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/OutputSink.h"

#include "core/FileSave.h"

#include <cerrno>
#include <unistd.h>

bool OutputSink::Write(std::string_view bytes)
{
    if (failed)
        return false;
    if (held.size() + bytes.size() < pieceSize) {
        held += bytes;
        return true;
    }
    // A large piece goes out as it is, after what is held.
    if (!Flush())
        return false;
    if (bytes.size() >= pieceSize)
        return Put(bytes);
    held += bytes;
    return true;
}

bool OutputSink::Flush()
{
    if (failed)
        return false;
    if (held.empty())
        return true;
    const bool written = Put(held);
    held.clear();
    return written;
}

void OutputSink::Fail(const QString& reason, bool readerHasLeft)
{
    failed = true;
    readerLeft = readerHasLeft;
    failure = reason;
}

bool DescriptorSink::Put(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const int error = written < 0 ? errno : EIO;
            Fail(ErrnoText(error), error == EPIPE);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool DeviceSink::Put(std::string_view bytes)
{
    if (device.write(bytes.data(), static_cast<qint64>(bytes.size()))
        == static_cast<qint64>(bytes.size()))
        return true;
    Fail(device.errorString());
    return false;
}
