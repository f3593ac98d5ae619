#include "runner/StandardInput.h"

#include "core/VehicleFile.h"

#include <QStringList>

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
    if (isatty(STDIN_FILENO)) {
        QStringList names;
        for (InputField field : VehicleFile::FileOrder)
            names.append(FieldKey(field));
        notices.write(QStringLiteral("torvane-run: type the car's nine values (%1), or end with "
                                     "Ctrl-D\n")
                          .arg(names.join(QStringLiteral(", ")))
                          .toUtf8());
    }
    InputBytes input;
    char chunk[4096];
    while (input.bytes.size() < VehicleFile::MaxScannedBytes && !holdsWholeCar(input.bytes)) {
        const qint64 room = VehicleFile::MaxScannedBytes - input.bytes.size();
        const qint64 wanted = qMin<qint64>(sizeof chunk, room);
        const ssize_t got = ::read(STDIN_FILENO, chunk, static_cast<size_t>(wanted));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            input.error = QStringLiteral("Could not read standard input: %1.")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return input;
        }
        if (got == 0)
            break;
        input.bytes.append(chunk, got);
    }
    return input;
}
