// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/VehicleFile.h"

#include "core/FileSave.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace VehicleFile {

namespace {

// The messages' translations. The numbers in them are ours to format, so
// they follow the user's locale ("%L2").
struct Text {
    Q_DECLARE_TR_FUNCTIONS(VehicleFile)
};

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool isWhiteSpace(QChar c)
{
    return c.unicode() < 128 && isWhiteSpace(static_cast<char>(c.unicode()));
}

QString decodeWord(const QByteArray& word)
{
    // A byte-order mark inside the file is part of the word: only the one
    // at the file's start is skipped, by the scanner.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString text = utf8.decode(word);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(word);
}

Words wordsFrom(const WordScanner& scanner, const QString& fileName)
{
    Words result;
    switch (ProblemOf(scanner)) {
    case TrvProblem::WordTooLong:
        result.error = Text::tr("The file %1 holds a value for the %2 longer than %L3 bytes, "
                                "so it is not a Torvane data file. Nothing was loaded.")
                           .arg(fileName, ValueName(static_cast<int>(scanner.words.size())))
                           .arg(MaxWordLength);
        break;
    case TrvProblem::RunsPastBound:
        result.error = Text::tr("The file %1 holds a value that runs on past its first %L2 "
                                "bytes, where a Torvane data file keeps all nine values; it "
                                "would be cut short. Nothing was loaded.")
                           .arg(fileName)
                           .arg(MaxScannedBytes);
        break;
    case TrvProblem::TooFewWithinBound:
        result.error = Text::tr("The file %1 holds only %L2 of the nine values within its "
                                "first %L3 bytes, where a Torvane data file keeps them all. "
                                "Nothing was loaded.")
                           .arg(fileName)
                           .arg(static_cast<qsizetype>(scanner.words.size()))
                           .arg(MaxScannedBytes);
        break;
    case TrvProblem::TooFew:
        result.error = Text::tr("The file %1 holds %L2 of the nine values a Torvane data file "
                                "needs. Nothing was loaded.")
                           .arg(fileName)
                           .arg(static_cast<qsizetype>(scanner.words.size()));
        break;
    case TrvProblem::None:
        for (const std::string& word : scanner.words)
            result.words.append(decodeWord(QByteArray::fromStdString(word)));
        result.tail = QString::fromUtf8(scanner.tail.data(), static_cast<qsizetype>(scanner.tail.size()));
        result.tailFirstLine = scanner.tailFirstLine;
        break;
    }
    return result;
}

} // namespace

QStringList TextsInFileOrder(const CarTexts& car)
{
    QStringList texts;
    for (InputField field : FileOrder)
        texts.append(car[field]);
    return texts;
}

CarTexts CarFromFileOrder(const QStringList& texts)
{
    CarTexts car;
    for (int i = 0; i < ValueCount && i < texts.size(); ++i)
        car[FileOrder[i]] = texts[i];
    return car;
}

QString ValueName(int index)
{
    return index >= 0 && index < ValueCount ? FieldName(FileOrder[index]) : QString();
}

QString SaveRefusal(const QStringList& texts)
{
    for (int i = 0; i < ValueCount && i < texts.size(); ++i) {
        const QString value = texts[i];
        qsizetype first = 0;
        qsizetype last = value.size();
        while (first < last && isWhiteSpace(value[first]))
            ++first;
        while (last > first && isWhiteSpace(value[last - 1]))
            --last;
        if (first == last)
            return Text::tr("The %1 box is empty. Fill it in before saving; nothing was saved.")
                .arg(ValueName(i));
        for (qsizetype k = first; k < last; ++k) {
            if (isWhiteSpace(value[k]))
                return Text::tr("The %1 box holds a space inside its value, which would not "
                                "read back as one value. Nothing was saved.")
                    .arg(ValueName(i));
        }
        // The file's first bytes would read as a byte-order mark, not as
        // part of the value.
        if (i == 0 && value.startsWith(QChar(0xfeff)))
            return Text::tr("The %1 box starts with an invisible byte-order mark, which would "
                            "not read back as part of its value. Nothing was saved.")
                .arg(ValueName(i));
        // The word the file would hold, as it would be read back.
        const qsizetype bytes = value.mid(first, last - first).toUtf8().size();
        if (bytes > MaxWordLength)
            return Text::tr("The %1 box holds a value of %L2 bytes; a Torvane data file holds "
                            "at most %L3 bytes a value (letters beyond plain ASCII take two or "
                            "more). Nothing was saved.")
                .arg(ValueName(i))
                .arg(bytes)
                .arg(MaxWordLength);
    }
    return QString();
}

QByteArray Encode(const QStringList& texts)
{
    std::vector<std::string> lines;
    for (const QString& text : texts)
        lines.push_back(text.toUtf8().toStdString());
    return QByteArray::fromStdString(EncodeTrvLines(lines));
}

Words Decode(const QByteArray& bytes, const QString& fileName)
{
    return wordsFrom(ScanTrv(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))), fileName);
}

QString Save(const QString& path, const QStringList& texts, const QString& lines)
{
    const QString refusal = SaveRefusal(texts);
    if (!refusal.isEmpty())
        return refusal;
    return SaveBytes(path, Encode(texts) + lines.toUtf8());
}

Words Load(const QString& path)
{
    return LoadEncoded(QFile::encodeName(path), path);
}

Words LoadEncoded(const QByteArray& encodedPath, const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    Words result;
    // Opened without blocking, then looked at: only a regular file is read,
    // so a named pipe with no writer cannot hang the program.
    const int fd = ::open(encodedPath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        result.error = Text::tr("Could not open %1: %2.").arg(path, ErrnoText(errno));
        return result;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        QString kind = NonFileKindOfMode(status.st_mode);
        if (kind.isEmpty())
            kind = Text::tr("not a regular file");
        ::close(fd);
        result.error = Text::tr("Could not open %1: it is %2, not a Torvane data file. "
                                "Nothing was loaded.")
                           .arg(path, kind);
        return result;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result.error = Text::tr("Could not open %1: %2.").arg(path, file.errorString());
        return result;
    }
    WordScanner scanner;
    char chunk[4096];
    qint64 scanned = 0;
    // The nine values, then the road keys after them, all within the bound.
    while (!(scanner.done() && (scanner.tooLong || scanner.runsPastBound)) && scanned < MaxScannedBytes) {
        const qint64 got = file.read(chunk, qMin<qint64>(sizeof chunk, MaxScannedBytes - scanned));
        if (got < 0) {
            result.error = Text::tr("Could not read %1: %2.").arg(path, file.errorString());
            return result;
        }
        if (got == 0)
            break;
        scanner.feed(chunk, got);
        scanned += got;
    }
    int next = -1;
    char after = 0;
    if (scanned == MaxScannedBytes && file.read(&after, 1) == 1)
        next = static_cast<unsigned char>(after);
    // Keys cut by the bound: their last line is not whole.
    if (next >= 0 && !scanner.tail.empty())
        scanner.cutTailToLines();
    scanner.finish(next);
    return wordsFrom(scanner, fileName);
}

bool HasTrvExtension(const QString& path)
{
    return path.contains(QStringLiteral(".trv"), Qt::CaseSensitive);
}

} // namespace VehicleFile
