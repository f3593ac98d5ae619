// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/StandardInput.h"

#include "core/VehicleFile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Whether the bytes already hold the car's nine whole words: one more
// character after them would leave the words the reader finds unchanged.
bool holdsWholeCar(const QByteArray& bytes)
{
    const VehicleFile::Words words = VehicleFile::Decode(bytes, QString());
    return words.error.isEmpty()
           && VehicleFile::Decode(bytes + 'x', QString()).words == words.words;
}

} // namespace

InputBytes ReadStandardInput(QIODevice& notices)
{
    if (isatty(STDIN_FILENO))
        notices.write(QStringLiteral("torvane-run: type the car's nine values (%1), or end with "
                                     "Ctrl-D\n")
                          .arg(InputNames())
                          .toUtf8());
    InputBytes input;
    // Large reads keep the rescans of a long run of white space few; a
    // terminal hands over one line per read whatever the size.
    // As the file reader does, one byte past the bound is read, so that a
    // value that runs on past it is refused rather than cut short.
    constexpr qint64 bound = VehicleFile::MaxScannedBytes + 1;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    while (input.bytes.size() < bound && !holdsWholeCar(input.bytes)) {
        const qint64 room = bound - input.bytes.size();
        const qint64 wanted = qMin<qint64>(chunk.size(), room);
        const ssize_t got = ::read(STDIN_FILENO, chunk.data(), static_cast<size_t>(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            input.error = QStringLiteral("Could not read standard input: %1.")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return input;
        }
        if (got == 0)
            break;
        input.bytes.append(chunk.constData(), got);
    }
    return input;
}
