// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileNames.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>

namespace {

constexpr char16_t escapeBase = 0xDC00;

bool isEscapedByte(char16_t c)
{
    return c >= escapeBase + 0x80 && c <= escapeBase + 0xFF;
}

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The length of the valid UTF-8 sequence at `at` (RFC 3629: no overlong
// forms, no surrogates, nothing above U+10FFFF), 0 when it is not one.
int validSequence(const QByteArray& bytes, qsizetype at, char32_t& code)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byte(at + i);
        if (i == 1 ? (next < low || next > high) : !isContinuation(next))
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    return length;
}

void appendHex(QString& out, const char* prefix, unsigned value, int digits)
{
    out += QLatin1String(prefix);
    out += QString::number(value, 16).rightJustified(digits, u'0');
}

} // namespace

QString ArgumentText(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t code = 0;
        const int length = validSequence(bytes, at, code);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(escapeBase + static_cast<unsigned char>(bytes[at])));
            ++at;
            continue;
        }
        if (QChar::requiresSurrogates(code)) {
            text += QChar(QChar::highSurrogate(code));
            text += QChar(QChar::lowSurrogate(code));
        } else {
            text += QChar(static_cast<char16_t>(code));
        }
        at += length;
    }
    return text;
}

QByteArray EncodedName(const QString& name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype start = 0; // the start of the run of ordinary text
    const auto flush = [&](qsizetype end) {
        bytes += QStringView(name).mid(start, end - start).toUtf8();
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!isEscapedByte(c))
            continue;
        // A low surrogate after a high one is half of a pair, not a byte.
        if (i > 0 && QChar::isHighSurrogate(name[i - 1].unicode()))
            continue;
        flush(i);
        bytes += static_cast<char>(c - escapeBase);
        start = i + 1;
    }
    flush(name.size());
    return bytes;
}

QString OutputName(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (isEscapedByte(c) && !(i > 0 && QChar::isHighSurrogate(name[i - 1].unicode())))
            appendHex(out, "\\x", c - escapeBase, 2);
        else
            out += name[i];
    }
    return out;
}

QString TerminalText(const QString& text)
{
    const QString named = OutputName(text);
    QString out;
    out.reserve(named.size());
    for (const QChar ch : named) {
        const char16_t c = ch.unicode();
        if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c < 0x20 || c == 0x7F)
            appendHex(out, "\\x", c, 2);
        else if ((c >= 0x80 && c <= 0x9F) || c == 0x2028 || c == 0x2029)
            appendHex(out, "\\u", c, 4);
        else
            out += ch;
    }
    return out;
}

QString ExistingName(const QString& path)
{
    if (!path.contains(QChar::ReplacementCharacter))
        return path;
    const QFileInfo info(path);
    const QString folder = info.path();
    const QByteArray folderBytes = EncodedName(folder);
    DIR* listing = ::opendir(folderBytes.constData());
    if (!listing)
        return path;
    QString found;
    int matches = 0;
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (QFile::decodeName(name) != info.fileName())
            continue;
        ++matches;
        found = ArgumentText(folderBytes + '/' + name);
    }
    ::closedir(listing);
    return matches == 1 ? found : path;
}
