// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the core's CSV writer and reader. Any table of text and
// number cells, written and read back, is the same table: the same records,
// each text cell as it was once the writer's formula guard is taken off,
// each number cell the very same double. The reader must also take any
// bytes at all without fault.
#include "core/Csv.h"
#include "core/CsvReader.h"
#include "core/NumberText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void differs(const QByteArray& document, qsizetype row, const QString& written,
                          const QString& read)
{
    auto shown = [](const QString& text) { return text.toUtf8().toPercentEncoding(" ,\"'").toStdString(); };
    std::fprintf(stderr, "record %lld: \"%s\" was written, \"%s\" read, in\n%s\n",
                 static_cast<long long>(row + 1), shown(written).c_str(), shown(read).c_str(),
                 document.toPercentEncoding(" ,\"'").constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const CsvRecord& record : ReadCsv(QByteArrayView(data, static_cast<qsizetype>(size))))
        for (const QString& field : record.fields)
            (void)CsvNumber(field), (void)UnguardedCsvText(field);

    FuzzedDataProvider in(data, size);
    QList<QList<CsvCell>> table;
    QList<QList<double>> numbers;
    while (in.remaining_bytes() > 0) {
        QList<CsvCell>& row = table.emplace_back();
        QList<double>& rowNumbers = numbers.emplace_back();
        // A record has at least one field: an empty line is one empty field.
        for (int cells = in.ConsumeIntegralInRange(1, 6); cells > 0; --cells) {
            const double value = in.ConsumeBool() ? std::bit_cast<double>(in.ConsumeIntegral<uint64_t>())
                                                  : NAN;
            if (std::isfinite(value))
                row.append({ QString::fromLatin1(ShortestText(value)), CsvCellKind::Number });
            else
                row.append({ QString::fromStdString(in.ConsumeRandomLengthString(40)), CsvCellKind::Text });
            rowNumbers.append(value);
        }
    }
    const QByteArray document = CsvDocument(table);
    const QList<CsvRecord> records = ReadCsv(document);
    if (records.size() != table.size())
        differs(document, records.size(), QStringLiteral("(the records)"), QString::number(records.size()));
    for (qsizetype r = 0; r < table.size(); ++r) {
        const QStringList& fields = records[r].fields;
        if (!records[r].error.isEmpty() || fields.size() != table[r].size())
            differs(document, r, QStringLiteral("(the fields)"), records[r].error + fields.join(u'|'));
        for (qsizetype c = 0; c < fields.size(); ++c) {
            const CsvCell& cell = table[r][c];
            const bool same = cell.kind == CsvCellKind::Text
                                  ? UnguardedCsvText(fields[c]) == cell.text
                                  : fields[c] == cell.text
                                        && std::bit_cast<uint64_t>(CsvNumber(fields[c]).value_or(NAN))
                                               == std::bit_cast<uint64_t>(numbers[r][c]);
            if (!same)
                differs(document, r, cell.text, fields[c]);
        }
    }
    return 0;
}
