// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes the three writers give: the rows' numbers as std::to_chars
// writes them, JSON with the shortest round-trip numbers and its escapes, RFC 4180 quoting with CR LF lines and the
// formula guard, the aligned table with the results dialog's texts, and
// file names as the output shows them.
#include "core/FileNames.h"
#include "runner/RunWriters.h"

#include "core/ResultTexts.h"

#include <QBuffer>
#include <QLocale>
#include <QTest>

#include <bit>
#include <charconv>
#include <random>

namespace {

QByteArray written(OutputFormat format, const QList<RunRow>& rows,
                   QStringList swept = {})
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    DeviceSink sink(buffer);
    const std::unique_ptr<RunWriter> writer = MakeRunWriter({ format, swept });
    writer->Begin(sink);
    for (const RunRow& row : rows)
        writer->Take(row, sink);
    writer->End(sink);
    sink.Flush();
    return buffer.data();
}

// The files the rows name live as long as the test.
const BatchFile* fileNamed(const QString& name)
{
    static std::list<BatchFile> files;
    files.push_back(BatchFile::Of(name));
    return &files.back();
}

RunRow refused(const QString& file)
{
    RunRow row;
    row.file = fileNamed(file);
    row.refusal = QStringLiteral("Can't open a file without an .trv extension...");
    return row;
}

} // namespace

class TestRunnerWriters : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void rowTextAsToChars();
    void jsonOfARunThatGaveUp();
    void jsonEscapesAFailedCar();
    void csvQuoting_data();
    void csvQuoting();
    void table();
    void tableOfASweepNamesTheValue();
    void fileNames_data();
    void fileNames();
};

// Numbers written into a row's text, many of them again (copied from where
// they were first written, or written anew when another took their slot),
// among other text: byte for byte std::to_chars's texts, through pieces of
// rows and a text that grows.
void TestRunnerWriters::rowTextAsToChars()
{
    std::mt19937_64 random(20240607);
    std::vector<double> values(300);
    for (double& value : values)
        value = std::bit_cast<double>(random());
    values[0] = -0.0;
    values[1] = 0.0;
    RowText text;
    std::string expected;
    for (int piece = 0; piece < 20; ++piece) {
        text.Clear();
        expected.clear();
        for (int i = 0; i < 5000; ++i) {
            const double value = values[random() % (piece % 2 ? values.size() : 20)];
            char number[32];
            expected.append(number, std::to_chars(number, number + sizeof number, value).ptr);
            text.Number(value);
            expected += ',';
            text += ',';
        }
        if (text.Text() != expected)
            QFAIL(qPrintable(QStringLiteral("piece %1 differs").arg(piece)));
    }
}

void TestRunnerWriters::jsonOfARunThatGaveUp()
{
    RunRow car = RunTexts(*fileNamed(QStringLiteral("car.trv")), CarTexts::DefaultCar());
    car.run.timeLimitReached = true;
    car.run.stopTime = 61.751;
    car.run.results.topSpeedTime = 0.1 + 0.2;
    const QByteArray json = written(OutputFormat::Json, { car });
    QVERIFY2(json.contains("\"availableShifts\": 5, \"quarterMileShifts\": 2, \"spinTime\": "
                           "0.75}, \"timeLimitReached\": true, \"stopTime\": 61.751, \"results\": "
                           "{\"topSpeedTime\": 0.30000000000000004, \"topSpeed\": "),
             json);
}

void TestRunnerWriters::jsonEscapesAFailedCar()
{
    QCOMPARE(written(OutputFormat::Json, { refused(QStringLiteral("a\"b\\c\nd\x01\u00e9.txt")) }),
             QByteArray("[\n  {\"file\": \"a\\\"b\\\\c\\u000ad\\u0001\xc3\xa9.txt\", "
                        "\"error\": \"Can't open a file without an .trv extension...\"}\n]\n"));
}

// RFC 4180 quoting, and a single quote before a text a spreadsheet would
// take for a formula.
void TestRunnerWriters::csvQuoting_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << "a b.txt" << QByteArray("a b.txt");
    QTest::newRow("comma") << "a,b.txt" << QByteArray("\"a,b.txt\"");
    QTest::newRow("quote") << "a\"b.txt" << QByteArray("\"a\"\"b.txt\"");
    QTest::newRow("LF") << "a\nb.txt" << QByteArray("\"a\nb.txt\"");
    QTest::newRow("=") << "=1+2.trv" << QByteArray("'=1+2.trv");
    QTest::newRow("+") << "+1.trv" << QByteArray("'+1.trv");
    QTest::newRow("-") << "-x.trv" << QByteArray("'-x.trv");
    QTest::newRow("@") << "@SUM(1).trv" << QByteArray("'@SUM(1).trv");
    QTest::newRow("= and comma") << "=1,2.trv" << QByteArray("\"'=1,2.trv\"");
    QTest::newRow("standard input") << "-" << QByteArray("-");
}

void TestRunnerWriters::csvQuoting()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, field);
    QCOMPARE(written(OutputFormat::Csv, { refused(file) }),
             "file,horsepower,dragCoefficient,carWeight,grillArea,windshieldArea,windshieldAngle,"
             "availableShifts,quarterMileShifts,spinTime,timeLimitReached,stopTime,topSpeedTime,"
             "topSpeed,topSpeedDistance,topSpeedWindForce,zeroToSixtyTime,zeroToHundredTime,"
             "zeroToEightyTime,sixtyToEightyTime,quarterMileTime,quarterMileSpeed,"
             "quarterMileDistance,quarterMileWindForce,error,air.temperature,air.pressure,"
             "air.humidity,air.densityAltitude,air.relativeAirDensity,air.correctionFactor,"
             "air.horsepower,splits.sixtyFootTime,splits.threeThirtyFootTime,splits.eighthMileTime,"
             "splits.eighthMileSpeed,splits.thousandFootTime,splits.quarterMileTime,"
             "splits.quarterMileSpeed\r\n"
                 + field
                 + ",,,,,,,,,,,,,,,,,,,,,,,,Can't open a file without an .trv extension...,,,,,,,,,,,,,,\r\n");
}

// The speed marks in rising order, a zero before a bare decimal point, and
// a file name that cannot break the line.
void TestRunnerWriters::table()
{
    RunRow slow;
    slow.file = fileNamed(QStringLiteral("slow.trv"));
    slow.run.results = { 61.2, 95.123, 1234567.891, 88, 12.346, 0, 30.5, 0.746,
                         19.004, 77.5, 1320.0049, 40.25 };
    RunRow stuck = slow;
    stuck.file = fileNamed(QStringLiteral("stuck\n.trv"));
    stuck.run.timeLimitReached = true;
    stuck.run.stopTime = 61.751;
    QCOMPARE(written(OutputFormat::Table, { slow, refused(QStringLiteral("x\x1b")), stuck }),
             QByteArray("File         Top s  Top mph        Top ft  Top lb  0-60 s  0-80 s     0-100 s"
                        "  60-80 s  1/4 s  1/4 mph    1/4 ft  1/4 lb\n"
                        "slow.trv     61.20    95.12  1,234,567.89   88.00   12.35   30.50  Forget it!"
                        "     0.75  19.00    77.50  1,320.00   40.25\n"
                        "x\\x1b        Can't open a file without an .trv extension...\n"
                        "stuck\\n.trv  The 1/4 mile e.t. is larger than  61.75 seconds.\n"));
}

// In a sweep every row comes from the same file: a column for the swept
// input tells them apart.
void TestRunnerWriters::tableOfASweepNamesTheValue()
{
    RunRow car;
    car.file = fileNamed(QStringLiteral("car.trv"));
    car.swept[0] = 312.5;
    const QList<QByteArray> lines = written(OutputFormat::Table, { car, refused(QStringLiteral("x")) },
                                            { QStringLiteral("horsepower") })
                                        .split('\n');
    QVERIFY2(lines[0].startsWith("File     horsepower  Top s"), lines[0]);
    QVERIFY2(lines[1].startsWith("car.trv       312.5   0.00"), lines[1]);
    QVERIFY2(lines[2].startsWith("x        Can't open"), lines[2]);
}

// A name as the system gives it, for the output (odd bytes as \xHH) and for
// a terminal line (control characters escaped too); its bytes come back
// whole.
void TestRunnerWriters::fileNames_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("terminal");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9.trv") << u"caf\u00e9.trv"_qs << u"caf\u00e9.trv"_qs;
    QTest::newRow("Latin-1") << QByteArray("caf\xe9.trv") << "caf\\xe9.trv" << "caf\\xe9.trv";
    QTest::newRow("cut sequence") << QByteArray("a\xe2\x82.trv") << "a\\xe2\\x82.trv" << "a\\xe2\\x82.trv";
    QTest::newRow("overlong") << QByteArray("\xc0\xaf") << "\\xc0\\xaf" << "\\xc0\\xaf";
    QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << "\\xed\\xa0\\x80" << "\\xed\\xa0\\x80";
    QTest::newRow("beside a pair") << QByteArray("\xf0\x90\x82\x80\xe9")
                                   << u"\U00010080\\xe9"_qs << u"\U00010080\\xe9"_qs;
    QTest::newRow("line end") << QByteArray("a\nb\r\t.trv") << "a\nb\r\t.trv" << "a\\nb\\r\\t.trv";
    QTest::newRow("escape, DEL") << QByteArray("\x1b[2J\x7f") << "\x1b[2J\x7f" << "\\x1b[2J\\x7f";
    QTest::newRow("C1, separator") << QByteArray("\xc2\x85\xe2\x80\xa8") << u"\u0085\u2028"_qs
                                   << "\\u0085\\u2028";
}

void TestRunnerWriters::fileNames()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, output);
    QFETCH(QString, terminal);
    const QString name = ArgumentText(bytes);
    QCOMPARE(EncodedName(name), bytes);
    QCOMPARE(OutputName(name), output);
    QCOMPARE(TerminalText(name), terminal);
}

QTEST_GUILESS_MAIN(TestRunnerWriters)
#include "tst_runnerwriters.moc"
