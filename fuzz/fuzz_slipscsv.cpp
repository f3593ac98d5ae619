// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: time slips imported from CSV. Any bytes are read without
// fault, and the runs taken, exported and imported again, are the very same
// runs, with no refusal.
#include "logbook/SlipsCsv.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const SlipsRead read = ReadSlipsCsv(QByteArrayView(data, static_cast<qsizetype>(size)));
    if (read.runs.isEmpty())
        return 0;
    const QByteArray written = SlipsCsv(read.runs);
    const SlipsRead again = ReadSlipsCsv(written);
    if (again.runs != read.runs || !again.refusals.isEmpty() || !again.error.isEmpty()) {
        std::fprintf(stderr, "%s\n%s\n", written.constData(), qPrintable(again.refusals.join(u'\n') + again.error));
        std::abort();
    }
    return 0;
}
