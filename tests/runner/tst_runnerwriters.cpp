// The bytes the three writers give: JSON with the shortest round-trip
// numbers and its escapes, RFC 4180 quoting with CR LF lines, and the
// aligned table with the results dialog's texts.
#include "runner/RunWriters.h"

#include "core/ResultTexts.h"

#include <QBuffer>
#include <QLocale>
#include <QTest>

namespace {

QByteArray written(OutputFormat format, const QList<CarOutcome>& outcomes,
                   std::optional<InputField> swept = std::nullopt)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const std::unique_ptr<RunWriter> writer = MakeRunWriter(format, buffer, swept);
    writer->Begin();
    for (const CarOutcome& outcome : outcomes)
        writer->Write(outcome);
    writer->End();
    return buffer.data();
}

CarOutcome refused(const QString& file)
{
    CarOutcome outcome;
    outcome.file = file;
    outcome.error = QStringLiteral("Can't open a file without an .trv extension...");
    return outcome;
}

} // namespace

class TestRunnerWriters : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void jsonOfARunThatGaveUp();
    void jsonEscapesAFailedCar();
    void csvQuoting_data();
    void csvQuoting();
    void table();
    void tableOfASweepNamesTheValue();
};

void TestRunnerWriters::jsonOfARunThatGaveUp()
{
    CarOutcome car = RunTexts(QStringLiteral("car.trv"), CarTexts::DefaultCar());
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

void TestRunnerWriters::csvQuoting_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("plain") << "a b.txt" << QByteArray("a b.txt");
    QTest::newRow("comma") << "a,b.txt" << QByteArray("\"a,b.txt\"");
    QTest::newRow("quote") << "a\"b.txt" << QByteArray("\"a\"\"b.txt\"");
    QTest::newRow("LF") << "a\nb.txt" << QByteArray("\"a\nb.txt\"");
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
             "quarterMileDistance,quarterMileWindForce,error\r\n"
                 + field
                 + ",,,,,,,,,,,,,,,,,,,,,,,,Can't open a file without an .trv extension...\r\n");
}

void TestRunnerWriters::table()
{
    CarOutcome slow;
    slow.file = QStringLiteral("slow.trv");
    slow.run.results = { 61.2, 95.123, 1234567.891, 88, 12.346, 0, 30.5, 18.157,
                         19.004, 77.5, 1320.0049, 40.25 };
    CarOutcome stuck = slow;
    stuck.file = QStringLiteral("stuck.trv");
    stuck.run.timeLimitReached = true;
    stuck.run.stopTime = 61.751;
    QCOMPARE(written(OutputFormat::Table, { slow, refused(QStringLiteral("x")), stuck }),
             QByteArray("File       Top s  Top mph        Top ft  Top lb  0-60 s     0-100 s"
                        "  0-80 s  60-80 s  1/4 s  1/4 mph    1/4 ft  1/4 lb\n"
                        "slow.trv   61.20    95.12  1,234,567.89   88.00   12.35  Forget it!"
                        "   30.50    18.16  19.00    77.50  1,320.00   40.25\n"
                        "x          Can't open a file without an .trv extension...\n"
                        "stuck.trv  The 1/4 mile e.t. is larger than  61.75 seconds.\n"));
}

// In a sweep every row comes from the same file: the swept input's value
// tells them apart.
void TestRunnerWriters::tableOfASweepNamesTheValue()
{
    CarOutcome car;
    car.file = QStringLiteral("car.trv");
    car.inputs.horsepower = 312.5;
    const QList<QByteArray> lines
        = written(OutputFormat::Table, { car, refused(QStringLiteral("x")) }, InputField::Horsepower).split('\n');
    QVERIFY(lines[0].startsWith("File (horsepower)  "));
    QVERIFY(lines[1].startsWith("car.trv (312.5)    "));
    QVERIFY(lines[2].startsWith("x                  Can't open"));
}

QTEST_GUILESS_MAIN(TestRunnerWriters)
#include "tst_runnerwriters.moc"
