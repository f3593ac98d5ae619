// SPDX-License-Identifier: GPL-3.0-or-later
#include "runner/StandardInput.h"

#include "core/VehicleFile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

InputBytes ReadStandardInput(QIODevice& notices, bool roadKeys)
{
    if (isatty(STDIN_FILENO))
        notices.write((roadKeys ? QStringLiteral("torvane-run: type the car's nine values (%1), then any road "
                                                 "keys, one key=value a line, and end with Ctrl-D\n")
                                : QStringLiteral("torvane-run: type the car's nine values (%1), or end with "
                                                 "Ctrl-D\n"))
                          .arg(InputNames())
                          .toUtf8());
    InputBytes input;
    // The words are found as the bytes arrive, by the scanner the file
    // reader uses, so that each byte is looked at once however small the
    // pieces a writer hands over; reading stops as soon as more bytes could
    // change nothing. The scanner sees the first three bytes together, so
    // that a byte-order mark split across reads is still seen whole.
    // As the file reader does, one byte past the bound is read, so that a
    // value that runs on past it is refused rather than cut short.
    constexpr qint64 bound = VehicleFile::MaxScannedBytes + 1;
    VehicleFile::WordScanner scanner;
    qint64 fed = 0;
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    // The road keys follow the nine words: then only a refusal of the words
    // ends the reading early.
    const auto enough = [&scanner, roadKeys] {
        return scanner.done() && (!roadKeys || scanner.tooLong || scanner.runsPastBound);
    };
    while (input.bytes.size() < bound && !enough()) {
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
        const qint64 upTo = qMin<qint64>(input.bytes.size(), VehicleFile::MaxScannedBytes);
        if (upTo >= 3 && upTo > fed) {
            scanner.feed(input.bytes.constData() + fed, upTo - fed);
            fed = upTo;
        }
    }
    return input;
}
