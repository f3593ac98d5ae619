// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Csv.h"

namespace {

// A field that begins with a byte-order mark is quoted too: as the first
// field of a file, the reader would take the mark for the file's own.
bool needsQuotes(std::string_view field)
{
    return field.find_first_of(",\"\r\n") != std::string_view::npos || field.starts_with("\xEF\xBB\xBF");
}

// The characters that start a formula in the common spreadsheets, with the
// tab and CR that some of them skip before looking for one. A text that is
// such a formula behind single quotes is guarded as well, so that the reader
// takes off only the quote the writer put there ("'=1" is written "''=1").
bool looksLikeFormula(std::string_view field)
{
    const std::size_t start = field.find_first_not_of('\'');
    if (start == std::string_view::npos)
        return false;
    field.remove_prefix(start);
    return field.size() > 1 && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos;
}

} // namespace

void AppendCsvField(std::string& out, std::string_view utf8, CsvCellKind kind)
{
    const bool guard = kind == CsvCellKind::Text && looksLikeFormula(utf8);
    if (!needsQuotes(utf8)) {
        if (guard)
            out += '\'';
        out += utf8;
        return;
    }
    out += '"';
    if (guard)
        out += '\'';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

QString CsvField(const QString& field, CsvCellKind kind)
{
    std::string out;
    const QByteArray utf8 = field.toUtf8();
    AppendCsvField(out, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())), kind);
    return QString::fromStdString(out);
}

namespace {

template <typename Record, typename CellOf>
QByteArray documentOf(const QList<Record>& records, CellOf cellOf)
{
    std::string out;
    for (const Record& record : records) {
        for (qsizetype i = 0; i < record.size(); ++i) {
            if (i > 0)
                out += ',';
            const CsvCell cell = cellOf(record[i]);
            const QByteArray utf8 = cell.text.toUtf8();
            AppendCsvField(out, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                           cell.kind);
        }
        out += CsvRecordEnd;
    }
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

} // namespace

QByteArray CsvDocument(const QList<QStringList>& records)
{
    return documentOf(records, [](const QString& text) { return CsvCell{ text, CsvCellKind::Text }; });
}

QByteArray CsvDocument(const QList<QList<CsvCell>>& records)
{
    return documentOf(records, [](const CsvCell& cell) { return cell; });
}
