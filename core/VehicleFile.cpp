#include "core/VehicleFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace VehicleFile {

namespace {

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
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(word);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(word);
}

// Splits bytes into words as they arrive, keeping no more than the first
// nine words and refusing an overlong word as soon as it shows.
class WordScanner {
public:
    void feed(const char* data, qint64 size)
    {
        for (qint64 i = 0; i < size && !done(); ++i) {
            if (isWhiteSpace(data[i])) {
                endWord();
            } else {
                current.append(data[i]);
                if (current.size() > MaxWordLength)
                    tooLong = true;
            }
        }
    }
    void finish() { endWord(); }
    bool done() const { return words.size() == ValueCount || tooLong; }

    QList<QByteArray> words;
    bool tooLong = false;

private:
    void endWord()
    {
        if (!current.isEmpty() && !tooLong && words.size() < ValueCount)
            words.append(current);
        current.clear();
    }
    QByteArray current;
};

Words wordsFrom(const WordScanner& scanner, const QString& fileName)
{
    Words result;
    if (scanner.tooLong) {
        result.error = QStringLiteral("The file %1 holds a value longer than %2 characters, so it "
                                      "is not a Torvane data file. Nothing was loaded.")
                           .arg(fileName)
                           .arg(MaxWordLength);
    } else if (scanner.words.size() < ValueCount) {
        result.error = QStringLiteral("The file %1 holds %2 of the nine values a Torvane data file "
                                      "needs. Nothing was loaded.")
                           .arg(fileName)
                           .arg(scanner.words.size());
    } else {
        for (const QByteArray& word : scanner.words)
            result.words.append(decodeWord(word));
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
            return QStringLiteral("The %1 box is empty. Fill it in before saving; nothing was saved.")
                .arg(ValueName(i));
        for (qsizetype k = first; k < last; ++k) {
            if (isWhiteSpace(value[k]))
                return QStringLiteral("The %1 box holds a space inside its value, which would not "
                                      "read back as one value. Nothing was saved.")
                    .arg(ValueName(i));
        }
    }
    return QString();
}

QByteArray Encode(const QStringList& texts)
{
    QByteArray bytes;
    for (const QString& text : texts) {
        QByteArray line = text.toUtf8();
        line.replace("\n", "\r\n");
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

Words Decode(const QByteArray& bytes, const QString& fileName)
{
    WordScanner scanner;
    scanner.feed(bytes.constData(), qMin<qint64>(bytes.size(), MaxScannedBytes));
    scanner.finish();
    return wordsFrom(scanner, fileName);
}

QString Save(const QString& path, const QStringList& texts)
{
    const QString refusal = SaveRefusal(texts);
    if (!refusal.isEmpty())
        return refusal;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Could not save %1: %2.").arg(path, file.errorString());
    const QByteArray bytes = Encode(texts);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QStringLiteral("Could not write %1: %2.").arg(path, reason);
    }
    if (!file.commit())
        return QStringLiteral("Could not save %1: %2.").arg(path, file.errorString());
    return QString();
}

Words Load(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Words result;
        result.error = QStringLiteral("Could not open %1: %2.").arg(path, file.errorString());
        return result;
    }
    WordScanner scanner;
    char chunk[4096];
    qint64 scanned = 0;
    while (!scanner.done() && scanned < MaxScannedBytes) {
        const qint64 got = file.read(chunk, qMin<qint64>(sizeof chunk, MaxScannedBytes - scanned));
        if (got < 0) {
            Words result;
            result.error = QStringLiteral("Could not read %1: %2.").arg(path, file.errorString());
            return result;
        }
        if (got == 0)
            break;
        scanner.feed(chunk, got);
        scanned += got;
    }
    scanner.finish();
    return wordsFrom(scanner, fileName);
}

bool HasTrvExtension(const QString& path)
{
    return path.contains(QStringLiteral(".trv"), Qt::CaseSensitive);
}

} // namespace VehicleFile
