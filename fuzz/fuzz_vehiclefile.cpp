// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a vehicle data file. Decoding must never
// crash, hang or touch memory it does not own; what it accepts must be
// nine words that save again and read back the same.
#include "core/VehicleFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                     static_cast<qsizetype>(size));
    const VehicleFile::Words loaded = VehicleFile::Decode(bytes, QStringLiteral("fuzz.trv"));
    if (!loaded.error.isEmpty())
        return 0;
    if (loaded.words.size() != VehicleFile::ValueCount)
        std::abort();
    // Words of 8-bit files may grow past the limit as UTF-8; the others must
    // go round unchanged.
    if (VehicleFile::SaveRefusal(loaded.words).isEmpty()) {
        const VehicleFile::Words again = VehicleFile::Decode(VehicleFile::Encode(loaded.words), QStringLiteral("fuzz.trv"));
        if (again.words != loaded.words)
            std::abort();
    }
    return 0;
}
