// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the runner's reader of standard input, fed through a
// pipe in pieces. The first byte of the input sets the size of the first
// 256 pieces (1 to 256 bytes); the rest of the input is what the pipe
// carries. However the bytes arrive, the reader must take the car the whole
// input holds: the words it reads, or its refusal, are those of the bytes
// read at once.
#include "StandardInputFeed.h"

#include "core/VehicleFile.h"
#include "runner/StandardInput.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data) + 1,
                                                     static_cast<qsizetype>(size - 1));
    QBuffer notices;
    notices.open(QIODevice::WriteOnly);
    InputBytes input;
    {
        PipedStandardInput feed(PipedStandardInput::Pieces(bytes, data[0] + 1, 256));
        input = ReadStandardInput(notices);
    }
    if (!input.error.isEmpty() || !bytes.startsWith(input.bytes))
        std::abort();
    const VehicleFile::Words read = VehicleFile::Decode(input.bytes, QStringLiteral("-"));
    const VehicleFile::Words whole = VehicleFile::Decode(bytes, QStringLiteral("-"));
    if (read.words != whole.words || read.error != whole.error)
        std::abort();
    return 0;
}
