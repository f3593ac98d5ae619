// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/CsvReader.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <charconv>
#include <cmath>
#include <string>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(CsvReader)
};

QString decoded(QByteArrayView bytes)
{
    // The file's byte-order mark goes, here and only here: the decoder
    // keeps a mark that follows it, which begins the first field.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Reads one record from `text` at `i`, leaving `i` after its line end and
// `line` at the line the next record starts on.
CsvRecord readRecord(const QString& text, qsizetype& i, qsizetype& line)
{
    const qsizetype n = text.size();
    CsvRecord record;
    record.line = line;
    // Takes the line end at `i`, CR LF as one.
    auto takeLineEnd = [&] {
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        ++i;
        ++line;
    };
    auto fail = [&](const QString& reason) {
        record.fields.clear();
        record.error = reason;
        while (i < n && !isLineEnd(text[i]))
            ++i;
        if (i < n)
            takeLineEnd();
        return record;
    };
    while (true) {
        QString field;
        if (i < n && text[i] == u'"') {
            ++i;
            while (true) {
                if (i >= n) {
                    record.fields.clear();
                    record.error = Text::tr("a quoted field is not closed before the end of the file");
                    return record;
                }
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (isLineEnd(text[i])) {
                    const qsizetype start = i;
                    takeLineEnd();
                    field += QStringView(text).sliced(start, i - start);
                    continue;
                }
                field += text[i++];
            }
            if (i < n && text[i] != u',' && !isLineEnd(text[i]))
                return fail(Text::tr("a quoted field goes on after its closing quote"));
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != u',' && !isLineEnd(text[i]))
                ++i;
            field = text.sliced(start, i - start);
        }
        record.fields.append(field);
        if (i >= n)
            return record;
        if (text[i] == u',') {
            ++i;
            continue;
        }
        takeLineEnd();
        return record;
    }
}

} // namespace

QList<CsvRecord> ReadCsv(QByteArrayView bytes)
{
    const QString text = decoded(bytes);
    QList<CsvRecord> records;
    qsizetype i = 0;
    qsizetype line = 1;
    while (i < text.size())
        records.append(readRecord(text, i, line));
    return records;
}

std::optional<double> CsvNumber(QStringView text)
{
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text = text.chopped(1);
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text = text.sliced(1);
    }
    // Digits or a point first: no second sign, and none of the words
    // ("inf", "nan") from_chars would take.
    if (text.isEmpty() || !(text.front().isDigit() || text.front() == u'.'))
        return std::nullopt;
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 127)
            return std::nullopt;
        ascii += static_cast<char>(c.unicode());
    }
    double value = 0;
    const char* end = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

QString UnguardedCsvText(const QString& field)
{
    // The writer's rule, read backwards: what follows the quote is a text
    // the writer would have guarded, a formula behind any number of quotes.
    qsizetype start = 0;
    while (start < field.size() && field[start] == u'\'')
        ++start;
    if (start > 0 && field.size() - start > 1 && QStringView(u"=+-@\t\r").contains(field[start]))
        return field.sliced(1);
    return field;
}
