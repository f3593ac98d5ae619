// SPDX-License-Identifier: GPL-3.0-or-later
// The vehicle data file apart from its dialogs: the bytes written, the words
// read back, atomic saving, and every refusal.
#include "core/FileSave.h"
#include "core/VehicleFile.h"
#include "FileSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QStringList defaultTexts = { "345.00", "0.29", "3400.00", "5.20", "13.61",
                                   "22.00",  "5",    "2",       "0.75" };

} // namespace

class TestVehicleFile : public QObject {
    Q_OBJECT

private slots:
    // The messages write their counts as the locale does; these are the
    // texts of the C locale, whatever the machine's.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init() { QVERIFY(dir.isValid()); }

    void defaultFileByteForByte();
    void lineBreaksInsideATextBecomeCrLf();
    void savedAsTyped();
    void roundTrip();
    void readsWords_data();
    void readsWords();
    void refusesToSave_data();
    void refusesToSave();
    void failedSaveLeavesOldFileAlone();
    void refusesToLoad_data();
    void refusesToLoad();
    void hugeFileIsNotReadWhole();
    void nonAsciiTexts();
    void valuesAtTheReadBound_data();
    void valuesAtTheReadBound();
    void onlyRegularFilesAreOpened();
    void onlyRegularFilesAreSavedOver();
    void failingDeviceLeavesOldFileAlone();
    void fullDiskLeavesOldFileAlone();
    void whatIsSavedOpensAgain();
    void extensionRule_data();
    void extensionRule();

private:
    QTemporaryDir dir;
};

void TestVehicleFile::defaultFileByteForByte()
{
    const QString path = dir.filePath("default.trv");
    QCOMPARE(VehicleFile::Save(path, defaultTexts), QString());
    QCOMPARE(readAll(path),
             QByteArray("345.00\r\n0.29\r\n3400.00\r\n5.20\r\n13.61\r\n22.00\r\n5\r\n2\r\n0.75\r\n"));
}

void TestVehicleFile::lineBreaksInsideATextBecomeCrLf()
{
    QStringList texts = defaultTexts;
    texts[0] = "345.00\r\n"; // its own CR stays, its LF is expanded
    QCOMPARE(VehicleFile::Encode(texts).left(13), QByteArray("345.00\r\r\n\r\n0."));
    // Reading skips the extra empty line.
    QCOMPARE(VehicleFile::Decode(VehicleFile::Encode(texts), "x.trv").words, defaultTexts);
}

void TestVehicleFile::savedAsTyped()
{
    QStringList texts = defaultTexts;
    texts[3] = "5.2";
    texts[2] = "03400";
    texts[0] = "  345 ";
    const QString path = dir.filePath("typed.trv");
    QCOMPARE(VehicleFile::Save(path, texts), QString());
    QVERIFY(readAll(path).startsWith("  345 \r\n0.29\r\n03400\r\n5.2\r\n"));
}

void TestVehicleFile::roundTrip()
{
    const QStringList texts = { "1500", "0.2", "4500.5", "20", "2", "45", "5", "4", "3.00" };
    const QString path = dir.filePath("round.trv");
    QCOMPARE(VehicleFile::Save(path, texts), QString());
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    QCOMPARE(loaded.error, QString());
    QCOMPARE(loaded.words, texts);
}

void TestVehicleFile::readsWords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("as written") << QByteArray("345.00\r\n0.29\r\n3400.00\r\n5.20\r\n13.61\r\n22.00\r\n5\r\n2\r\n0.75\r\n");
    QTest::newRow("one line") << QByteArray("345.00 0.29 3400.00 5.20 13.61 22.00 5 2 0.75");
    QTest::newRow("LF only, blank lines") << QByteArray("\n345.00\n\n0.29\n3400.00\n5.20\n13.61\n\n22.00\n5\n2\n0.75\n\n");
    QTest::newRow("tabs, vertical tab, form feed") << QByteArray("\t345.00\v0.29\f3400.00 5.20\t13.61 22.00 5 2 0.75");
    QTest::newRow("more than nine words") << QByteArray("345.00 0.29 3400.00 5.20 13.61 22.00 5 2 0.75 extra words here");
    QTest::newRow("a long word after the ninth") << QByteArray("345.00 0.29 3400.00 5.20 13.61 22.00 5 2 0.75 ") + QByteArray(500, 'x');
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF" "345.00\r\n0.29 3400.00 5.20 13.61 22.00 5 2 0.75");
    QTest::newRow("byte-order mark, then a blank line") << QByteArray("\xEF\xBB\xBF\r\n345.00 0.29 3400.00 5.20 13.61 22.00 5 2 0.75");
}

void TestVehicleFile::readsWords()
{
    QFETCH(QByteArray, bytes);
    const QString path = dir.filePath("words.trv");
    writeAll(path, bytes);
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    QCOMPARE(loaded.error, QString());
    QCOMPARE(loaded.words, defaultTexts);
}

void TestVehicleFile::refusesToSave_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty weight") << 2 << ""
        << "The car weight box is empty. Fill it in before saving; nothing was saved.";
    QTest::newRow("blank spin time") << 8 << "   "
        << "The spin time box is empty. Fill it in before saving; nothing was saved.";
    QTest::newRow("space inside the weight") << 2 << "3 400"
        << "The car weight box holds a space inside its value, which would not read back as one value. Nothing was saved.";
    QTest::newRow("tab inside the horsepower") << 0 << " 3\t45 "
        << "The horsepower box holds a space inside its value, which would not read back as one value. Nothing was saved.";
    QTest::newRow("a byte-order mark before the horsepower") << 0 << QString(QChar(0xfeff)) + "345"
        << "The horsepower box starts with an invisible byte-order mark, which would not read back as part of its value. Nothing was saved.";
    QTest::newRow("65 bytes of spin time") << 8 << QString(65, QLatin1Char('1'))
        << "The spin time box holds a value of 65 bytes; a Torvane data file holds at most 64 bytes a value (letters beyond plain ASCII take two or more). Nothing was saved.";
    QTest::newRow("64 letters, one of them two bytes") << 0 << QString(63, QLatin1Char('1')) + QChar(0xe9)
        << "The horsepower box holds a value of 65 bytes; a Torvane data file holds at most 64 bytes a value (letters beyond plain ASCII take two or more). Nothing was saved.";
}

void TestVehicleFile::refusesToSave()
{
    QFETCH(int, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QStringList texts = defaultTexts;
    texts[box] = text;
    const QString path = dir.filePath("refused.trv");
    writeAll(path, "old contents");
    QCOMPARE(VehicleFile::Save(path, texts), message);
    QCOMPARE(readAll(path), QByteArray("old contents"));
    QCOMPARE(VehicleFile::Save(dir.filePath("new.trv"), texts), message);
    QVERIFY(!QFile::exists(dir.filePath("new.trv")));
}

void TestVehicleFile::failedSaveLeavesOldFileAlone()
{
    // A folder that cannot be written: the save fails and says so.
    const QString missing = dir.filePath("no/such/folder/car.trv");
    const QString error = VehicleFile::Save(missing, defaultTexts);
    QVERIFY2(error.startsWith("Could not save " + missing), qPrintable(error));
    QVERIFY(!QFile::exists(missing));

    // Saving over a file replaces it whole, leaving no temporary file behind.
    const QString path = dir.filePath("over.trv");
    writeAll(path, "old contents");
    QCOMPARE(VehicleFile::Save(path, defaultTexts), QString());
    QVERIFY(readAll(path).startsWith("345.00\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter("over").size(), 1);
}

void TestVehicleFile::refusesToLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty file") << QByteArray()
        << "The file bad.trv holds 0 of the nine values a Torvane data file needs. Nothing was loaded.";
    QTest::newRow("eight words") << QByteArray("345.00\r\n0.29\r\n3400.00\r\n5.20\r\n13.61\r\n22.00\r\n5\r\n2\r\n")
        << "The file bad.trv holds 8 of the nine values a Torvane data file needs. Nothing was loaded.";
    QTest::newRow("overlong word") << QByteArray("345.00 ") + QByteArray(65, '1') + " 3400 5.2 13.61 22 5 2 0.75"
        << "The file bad.trv holds a value for the drag coefficient longer than 64 bytes, so it is not a Torvane data file. Nothing was loaded.";
    QTest::newRow("binary") << QByteArray(5000, '\0')
        << "The file bad.trv holds a value for the horsepower longer than 64 bytes, so it is not a Torvane data file. Nothing was loaded.";
    QTest::newRow("a byte-order mark is not a value") << QByteArray("\xEF\xBB\xBF 345.00 0.29 3400.00 5.20 13.61 22.00 5 2")
        << "The file bad.trv holds 8 of the nine values a Torvane data file needs. Nothing was loaded.";
}

void TestVehicleFile::refusesToLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = dir.filePath("bad.trv");
    writeAll(path, bytes);
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    QCOMPARE(loaded.error, message);
    QVERIFY(loaded.words.isEmpty());
}

void TestVehicleFile::hugeFileIsNotReadWhole()
{
    // Ten megabytes of white space: the nine words are not within the first
    // megabyte, so the file is refused without reading it all.
    const QString path = dir.filePath("huge.trv");
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray blanks(1024 * 1024, ' ');
        for (int i = 0; i < 10; ++i)
            file.write(blanks);
        file.write("345 0.29 3400 5.2 13.61 22 5 2 0.75");
    }
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    QCOMPARE(loaded.error, QStringLiteral("The file huge.trv holds only 0 of the nine values within its "
                                          "first 1048576 bytes, where a Torvane data file keeps them all. "
                                          "Nothing was loaded."));

    const VehicleFile::Words missing = VehicleFile::Load(dir.filePath("absent.trv"));
    QVERIFY(missing.error.startsWith("Could not open " + dir.filePath("absent.trv")));
}

void TestVehicleFile::nonAsciiTexts()
{
    QStringList texts = defaultTexts;
    texts[0] = QString::fromUtf8("345°");
    const QString path = dir.filePath("degree.trv");
    QCOMPARE(VehicleFile::Save(path, texts), QString());
    QVERIFY(readAll(path).startsWith("345\xc2\xb0\r\n"));
    QCOMPARE(VehicleFile::Load(path).words, texts);
    // A byte-order mark is skipped at the file's start only: inside a word
    // it is part of the word, and goes round unchanged.
    const QByteArray marked = "\xEF\xBB\xBF" "345 \xEF\xBB\xBF\xEF\xBB\xBF" "0.29 3400 5.2 13.61 22 5 2 0.75";
    const QStringList words = VehicleFile::Decode(marked, "marked.trv").words;
    QCOMPARE(words.value(1), QString(2, QChar(0xfeff)) + "0.29");
    QCOMPARE(VehicleFile::Decode(VehicleFile::Encode(words), "again.trv").words, words);
    // A byte that is not UTF-8 (a file from an 8-bit code page) reads as Latin-1.
    writeAll(path, "345\xb0 0.29 3400.00 5.20 13.61 22.00 5 2 0.75");
    QCOMPARE(VehicleFile::Load(path).words, texts);
}

void TestVehicleFile::valuesAtTheReadBound_data()
{
    const qsizetype bound = VehicleFile::MaxScannedBytes;
    const QByteArray eight = "345.00 0.29 3400.00 5.20 13.61 22.00 5 2 ";
    // The last value is placed so that it ends `offset` bytes from the bound.
    auto endingAt = [&](qsizetype offset, const QByteArray& value, const QByteArray& after) {
        return eight + QByteArray(bound + offset - eight.size() - value.size(), ' ') + value + after;
    };
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("ends on the bound, then a line end") << endingAt(0, "0.75", "\r\n") << "";
    QTest::newRow("ends on the bound, then the end") << endingAt(0, "0.75", "") << "";
    QTest::newRow("straddles the bound") << endingAt(1, "2.75", "\r\n")
        << "The file edge.trv holds a value that runs on past its first 1048576 bytes, where a "
           "Torvane data file keeps all nine values; it would be cut short. Nothing was loaded.";
    QTest::newRow("wholly past the bound") << endingAt(10, "2.75", "\r\n")
        << "The file edge.trv holds only 8 of the nine values within its first 1048576 bytes, "
           "where a Torvane data file keeps them all. Nothing was loaded.";
}

void TestVehicleFile::valuesAtTheReadBound()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const QString path = dir.filePath("edge.trv");
    writeAll(path, bytes);
    for (const VehicleFile::Words& loaded : { VehicleFile::Load(path), VehicleFile::Decode(bytes, "edge.trv") }) {
        QCOMPARE(loaded.error, error);
        if (error.isEmpty())
            QCOMPARE(loaded.words.last(), bytes.contains("2.75") ? "2.75" : "0.75");
    }
}

void TestVehicleFile::onlyRegularFilesAreOpened()
{
    // A named pipe with no writer: opening it must neither block nor read.
    const QString pipe = dir.filePath("pipe.trv");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(VehicleFile::Load(pipe).error,
             "Could not open " + pipe + ": it is a named pipe, not a Torvane data file. Nothing was loaded.");
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(VehicleFile::Load(dir.path()).error,
             "Could not open " + dir.path() + ": it is a folder, not a Torvane data file. Nothing was loaded.");
}

void TestVehicleFile::onlyRegularFilesAreSavedOver()
{
    const QString pipe = dir.filePath("target.trv");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QCOMPARE(VehicleFile::Save(pipe, defaultTexts),
             "Could not save " + pipe + ": it is a named pipe, not a file; nothing was written.");
    struct stat status;
    QCOMPARE(::stat(QFile::encodeName(pipe).constData(), &status), 0);
    QVERIFY(S_ISFIFO(status.st_mode));
    QVERIFY(VehicleFile::Save(dir.path(), defaultTexts).endsWith("it is a folder, not a file; nothing was written."));
}

// The save file's descriptor is made to point at a device that is always
// full: every write fails as on a full disk, and the old file must survive.
void TestVehicleFile::failingDeviceLeavesOldFileAlone()
{
    const QString path = dir.filePath("kept.trv");
    writeAll(path, "old contents");
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const int full = ::open("/dev/full", O_WRONLY);
    if (full < 0)
        QSKIP("no /dev/full on this machine");
    QVERIFY(::dup2(full, file.handle()) >= 0);
    ::close(full);
    const QString error = WriteAndCommit(file, VehicleFile::Encode(defaultTexts));
    QVERIFY2(error.startsWith("Could not write " + path + ": ") && error.contains("space"), qPrintable(error));
    QCOMPARE(readAll(path), QByteArray("old contents"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter("kept").size(), 1);
}

// A real full file system: a small tmpfs, filled up, with an old file on it.
void TestVehicleFile::fullDiskLeavesOldFileAlone()
{
    const QString mountPoint = dir.filePath("small");
    QVERIFY(QDir().mkpath(mountPoint));
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
        QSKIP("mounting a small file system is not allowed here (needs root)");
    const QString path = mountPoint + "/car.trv";
    writeAll(path, "old contents");
    {
        QFile filler(mountPoint + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    const QString error = VehicleFile::Save(path, defaultTexts);
    const QByteArray kept = readAll(path);
    const QStringList left = QDir(mountPoint).entryList(QDir::Files);
    ::umount(QFile::encodeName(mountPoint).constData());
    QVERIFY2(error.startsWith("Could not "), qPrintable(error));
    QVERIFY2(error.contains("space"), qPrintable(error));
    QCOMPARE(kept, QByteArray("old contents"));
    QCOMPARE(left, (QStringList{ "car.trv", "filler" }));
}

// An 8-bit file opens; a value that grows past the limit as UTF-8 is refused
// on saving with a message naming its box, so no saved file is ever refused.
void TestVehicleFile::whatIsSavedOpensAgain()
{
    const QString path = dir.filePath("latin1.trv");
    writeAll(path, QByteArray(63, '3') + "\xb0 0.29 3400.00 5.20 13.61 22.00 5 2 0.75");
    const VehicleFile::Words loaded = VehicleFile::Load(path);
    QCOMPARE(loaded.error, QString());
    QVERIFY(VehicleFile::Save(dir.filePath("again.trv"), loaded.words).startsWith("The horsepower box holds a value of 65 bytes"));
    QStringList longest = defaultTexts;
    longest[1] = QString(64, QLatin1Char('1'));
    QCOMPARE(VehicleFile::Save(dir.filePath("again.trv"), longest), QString());
    QCOMPARE(VehicleFile::Load(dir.filePath("again.trv")).words, longest);
}

void TestVehicleFile::extensionRule_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain") << "/home/me/car.trv" << true;
    QTest::newRow("before another extension") << "/home/me/cars.trv.old" << true;
    QTest::newRow("in a folder name") << "/home/me/old.trv/car.txt" << true;
    QTest::newRow("upper case") << "/home/me/CAR.TRV" << false;
    QTest::newRow("other extension") << "/home/me/car.txt" << false;
    QTest::newRow("no dot") << "/home/me/cartrv" << false;
}

void TestVehicleFile::extensionRule()
{
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(VehicleFile::HasTrvExtension(path), accepted);
}

QTEST_GUILESS_MAIN(TestVehicleFile)
#include "tst_vehiclefile.moc"
