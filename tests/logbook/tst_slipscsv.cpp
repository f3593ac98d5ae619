// SPDX-License-Identifier: GPL-3.0-or-later
// Time slips as CSV: the bytes written, the header read in any order, each
// bad row refused with its line and reason while the good rows count, whole
// files refused, and runs written and read back unchanged, in a
// comma-decimal locale.
#include "logbook/SlipsCsv.h"
#include "core/Air.h"
#include "FileSupport.h"
#include "SampleRuns.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <sys/stat.h>

namespace {

const QByteArray header = "date,track,quarterMileTime,quarterMileSpeed,sixtyFootTime,note\r\n";
const QByteArray goodRow = "2024-05-04,Ennis,13.8,101.5,1.95,\r\n";

} // namespace

class TestSlipsCsv : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void bytesWritten();
    void headerInAnyOrder();
    void badRowsRefused_data();
    void badRowsRefused();
    void linesCountedThroughQuotedLineEnds();
    void wholeFileRefused_data();
    void wholeFileRefused();
    void onlyRegularFilesAreRead();
    void roundTrip();
    void racersHeaders();
    void columnsChosen();
    void dates_data();
    void dates();
    void typedDates_data();
    void typedDates();
    void altimeterSetting_data();
    void altimeterSetting();
    void runsAlreadyKept();

private:
    QTemporaryDir dir;
};

void TestSlipsCsv::initTestCase()
{
    // Numbers are written and read with "." whatever the locale.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(dir.isValid());
}

void TestSlipsCsv::bytesWritten()
{
    TimeSlip run;
    run.date = QDate(2024, 5, 4);
    run.time = QTime(14, 30);
    run.track = "Ennis, TX";
    run.reactionTime = -0.012;
    run.quarterMileTime = 13.8;
    run.quarterMileSpeed = 101.5;
    run.note = "-2 psi";
    QCOMPARE(SlipsCsv({ run }),
             QByteArray("date,track,elevation,temperature,pressure,humidity,reactionTime,sixtyFootTime,"
                        "threeThirtyFootTime,eighthMileTime,eighthMileSpeed,thousandFootTime,quarterMileTime,"
                        "quarterMileSpeed,note\r\n"
                        "2024-05-04 14:30,\"Ennis, TX\",,,,,-0.012,,,,,,13.8,101.5,'-2 psi\r\n"));
}

void TestSlipsCsv::headerInAnyOrder()
{
    // Columns in any order and case, an unknown one ignored, the missing
    // ones empty; a byte-order mark and LF line ends.
    const SlipsRead read = ReadSlipsCsv("\xEF\xBB\xBF" "QuarterMileSpeed, wind ,quarterMileTime,Humidity\n"
                                      "101.5,calm,13.8,40\n");
    QCOMPARE(read.error, QString());
    QCOMPARE(read.refusals, QStringList());
    QCOMPARE(read.runs.size(), 1);
    TimeSlip expected;
    expected.quarterMileTime = 13.8;
    expected.quarterMileSpeed = 101.5;
    expected.humidity = 40.0;
    QCOMPARE(read.runs.front(), expected);
    QCOMPARE(read.lines, QList<qsizetype>{ 2 });
}

void TestSlipsCsv::badRowsRefused_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("decimal comma") << QByteArray("2024-05-04,Ennis,\"12,3\",101.5,1.95,\r\n")
                                   << "line 3: quarterMileTime is not a number: \"12,3\"";
    QTest::newRow("text after the number") << QByteArray("2024-05-04,Ennis,12.3abc,101.5,1.95,\r\n")
                                           << "line 3: quarterMileTime is not a number: \"12.3abc\"";
    QTest::newRow("a date of no form") << QByteArray("2024/05/04,Ennis,13.8,101.5,1.95,\r\n")
                                       << "line 3: date is not a date of the form YYYY-MM-DD, m/d/yyyy, dd.MM.yy, "
                                          "optionally with a time HH:MM or HH:MM:SS: \"2024/05/04\"";
    QTest::newRow("no trap speed") << QByteArray("2024-05-04,Ennis,13.8,,1.95,\r\n")
                                   << "line 3: A run needs quarterMileTime and quarterMileSpeed, or eighthMileTime "
                                      "and eighthMileSpeed.";
    QTest::newRow("negative 60 ft") << QByteArray("2024-05-04,Ennis,13.8,101.5,-1.95,\r\n")
                                    << "line 3: sixtyFootTime must lie between 0,8 and 4 s (it is -1,95).";
    QTest::newRow("an absurd time") << QByteArray("2024-05-04,Ennis,1e308,101.5,1.95,\r\n")
                                    << "line 3: quarterMileTime must lie between 3 and 30 s (it is 1E+308).";
    QTest::newRow("60 ft after the finish") << QByteArray("2024-05-04,Ennis,3.5,101.5,3.9,\r\n")
                                            << "line 3: quarterMileTime (3,5 s) must be longer than sixtyFootTime "
                                               "(3,9 s).";
    QTest::newRow("a field short") << QByteArray("2024-05-04,Ennis,13.8,101.5,1.95\r\n")
                                   << "line 3: it has 5 fields where the header line has 6";
    QTest::newRow("text after a closing quote") << QByteArray("2024-05-04,\"Ennis\"TX,13.8,101.5,1.95,\r\n")
                                                << "line 3: a quoted field goes on after its closing quote";
    QTest::newRow("a long text is cut short")
        << QByteArray("2024-05-04,Ennis,") + QByteArray(60, '9') + "x,101.5,1.95,\r\n"
        << "line 3: quarterMileTime is not a number: \"" + QString(40, u'9') + "…\"";
}

void TestSlipsCsv::badRowsRefused()
{
    QFETCH(QByteArray, row);
    QFETCH(QString, refusal);
    // A good row before and after the bad one: both count.
    const SlipsRead read = ReadSlipsCsv(header + goodRow + row + goodRow);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.refusals, QStringList{ refusal });
    QCOMPARE(read.runs.size(), 2);
    QCOMPARE(read.lines, (QList<qsizetype>{ 2, 4 }));
}

void TestSlipsCsv::linesCountedThroughQuotedLineEnds()
{
    const SlipsRead read = ReadSlipsCsv(header + "2024-05-04,Ennis,13.8,101.5,1.95,\"first\r\nsecond\r\nthird\"\r\n"
                                      + "\r\n" + "2024-05-05,Ennis,13.9,x,1.95,\r\n");
    QCOMPARE(read.runs.size(), 1);
    QCOMPARE(read.runs.front().note, "first\r\nsecond\r\nthird");
    QCOMPARE(read.refusals, QStringList{ "line 6: quarterMileSpeed is not a number: \"x\"" });
}

void TestSlipsCsv::wholeFileRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty") << QByteArray()
                           << "Could not import the runs: it is empty; a CSV of runs starts with a header line "
                              "naming its columns.";
    QTest::newRow("no finish columns") << QByteArray("date,track,quarterMileTime\r\n2024-05-04,Ennis,13.8\r\n")
                                       << "Could not import the runs: its header line names neither the columns "
                                          "quarterMileTime and quarterMileSpeed nor eighthMileTime and "
                                          "eighthMileSpeed, so it holds no time slips.";
    QTest::newRow("a column twice") << QByteArray("quarterMileTime,quarterMileSpeed,QuarterMileTime\r\n")
                                    << "Could not import the runs: its header line names the column "
                                       "quarterMileTime twice.";
    QTest::newRow("header left open") << QByteArray("\"quarterMileTime,quarterMileSpeed\r\n")
                                      << "Could not import the runs: its header line cannot be read: a quoted "
                                         "field is not closed before the end of the file.";
}

void TestSlipsCsv::wholeFileRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const SlipsRead read = ReadSlipsCsv(bytes);
    QCOMPARE(read.error, error);
    QVERIFY(read.runs.isEmpty());
}

void TestSlipsCsv::onlyRegularFilesAreRead()
{
    const QString pipe = dir.filePath("slips.csv");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(LoadSlipsCsv(pipe).error,
             "Could not import the runs from " + pipe + ": it is a named pipe, not a file.");
    QVERIFY(timer.elapsed() < 5000); // it did not wait for a writer
    QCOMPARE(LoadSlipsCsv(dir.path()).error,
             "Could not import the runs from " + dir.path() + ": it is a folder, not a file.");
    QVERIFY(LoadSlipsCsv(dir.filePath("absent.csv")).error.startsWith("Could not import the runs from "));
}

void TestSlipsCsv::roundTrip()
{
    QList<TimeSlip> runs(3);
    runs[0].date = QDate(2024, 5, 4);
    runs[0].time = QTime(14, 30, 15);
    runs[0].track = "Ennis, \"the Texas Motorplex\"";
    runs[0].elevation = 520.0;
    runs[0].temperature = 71.3;
    runs[0].pressure = 29.41;
    runs[0].humidity = 47.0;
    runs[0].reactionTime = -0.012;
    runs[0].sixtyFootTime = 1.953;
    runs[0].threeThirtyFootTime = 5.6;
    runs[0].eighthMileTime = 8.87;
    runs[0].eighthMileSpeed = 80.12;
    runs[0].thousandFootTime = 11.6;
    runs[0].quarterMileTime = 0.1 + 13.7; // not the double nearest 13.8
    runs[0].quarterMileSpeed = 101.55;
    runs[0].note = "=new tyres,\r\nsecond line";
    runs[1].date = QDate(2024, 6, 1);
    runs[1].eighthMileTime = 8.9;
    runs[1].eighthMileSpeed = 79.0;
    runs[1].note = QString::fromUtf8("caf\xc3\xa9 -2\xc2\xb0");
    runs[2].quarterMileTime = 14.0;
    runs[2].quarterMileSpeed = 99.0;
    runs[2].track = "+1";
    const QString path = dir.filePath("runs.csv");
    QCOMPARE(SaveSlipsCsv(path, runs), QString());
    const SlipsRead read = LoadSlipsCsv(path);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.refusals, QStringList());
    QCOMPARE(read.runs, runs);
}

void TestSlipsCsv::racersHeaders()
{
    // A racer's sheet of the full run (without its elevation and
    // humidity): its headers in any case and spacing, the density altitude
    // and lane known and left out, an unknown column told.
    const SlipsRead read = ReadSlipsCsv("Date,Track,Temp,BARO, r/t ,60 ft,330,1/8,1/8 MPH,1000,1/4 ET,1/4 mph,DA,"
                                        "Lane,Notes,Wind\n"
                                        "2024-05-04 14:30,Ennis,71.5,29.41,0.512,1.953,5.61,8.87,80.12,11.62,13.79,"
                                        "101.55,1200,L,first pass,calm\n");
    QCOMPARE(read.error, QString());
    QCOMPARE(read.refusals, QStringList());
    QCOMPARE(read.unknownColumns, QStringList{ "Wind" });
    TimeSlip expected = FullRun();
    expected.elevation.reset();
    expected.humidity.reset();
    QCOMPARE(read.runs, QList<TimeSlip>{ expected });
}

void TestSlipsCsv::columnsChosen()
{
    // Columns no reader knows, as the user said what they hold.
    SlipsCsvOptions options;
    options.columns.insert("Zeit", { SlipColumn::Kind::Field, SlipField::QuarterMileTime });
    options.columns.insert("Tempo", { SlipColumn::Kind::Field, SlipField::QuarterMileSpeed });
    options.columns.insert("Wind", {});
    const QByteArray bytes = "Zeit,Tempo,Wind\n13.8,101.5,calm\n";
    const SlipsRead read = ReadSlipsCsv(bytes, options);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.unknownColumns, QStringList());
    QCOMPARE(read.runs.size(), 1);
    QCOMPARE(read.runs.front().quarterMileTime, 13.8);
    QVERIFY(ReadSlipsCsv(bytes).error.contains("names neither the columns"));
    for (const SlipColumn& column : ChoosableSlipColumns())
        QCOMPARE(SlipColumnFromKey(SlipColumnKey(column)), column);
}

void TestSlipsCsv::dates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<QDate>>("read"); // empty: the file is asked about
    const QDate march4(2026, 3, 4);
    const QDate april3(2026, 4, 3);
    QTest::newRow("ISO") << "en_GB" << QStringList{ "2026-03-04" } << 0 << QList<QDate>{ march4 };
    QTest::newRow("US") << "de_DE" << QStringList{ "3/4/2026" } << 0 << QList<QDate>{ march4 };
    QTest::newRow("German short") << "de_DE" << QStringList{ "04.03.26" } << 0 << QList<QDate>{ march4 };
    QTest::newRow("one day past 12 decides") << "en_GB" << QStringList{ "03/04/2026", "25/04/2026" } << 0
                                             << QList<QDate>{ april3, QDate(2026, 4, 25) };
    QTest::newRow("two ways, asked") << "en_GB" << QStringList{ "03/04/2026", "2026-05-01" } << 0
                                     << QList<QDate>();
    QTest::newRow("two ways, month first") << "en_GB" << QStringList{ "03/04/2026" }
                                           << int(DateOrder::MonthFirst) << QList<QDate>{ march4 };
    QTest::newRow("two ways, day first") << "en_GB" << QStringList{ "03/04/2026" } << int(DateOrder::DayFirst)
                                         << QList<QDate>{ april3 };
}

void TestSlipsCsv::dates()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, dates);
    QFETCH(int, order);
    QFETCH(QList<QDate>, read);
    QByteArray bytes = "date,quarterMileTime,quarterMileSpeed\n";
    for (const QString& date : dates)
        bytes += date.toUtf8() + " 14:30,13.8,101.5\n";
    SlipsCsvOptions options;
    options.locale = QLocale(locale);
    options.dateOrder = DateOrder(order);
    const SlipsRead slips = ReadSlipsCsv(bytes, options);
    if (read.isEmpty()) {
        QCOMPARE(slips.ambiguousDate, "03/04/2026 14:30");
        QVERIFY(slips.runs.isEmpty());
        return;
    }
    QCOMPARE(slips.error, QString());
    QCOMPARE(slips.refusals, QStringList());
    QCOMPARE(slips.runs.size(), read.size());
    for (qsizetype i = 0; i < read.size(); ++i) {
        QCOMPARE(slips.runs[i].date, read[i]);
        QCOMPARE(slips.runs[i].time, QTime(14, 30));
    }
}

void TestSlipsCsv::typedDates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("problem");
    const QDate march4(2026, 3, 4);
    QTest::newRow("ISO") << "de_DE" << "2026-03-04T14:30" << march4 << QTime(14, 30) << "";
    QTest::newRow("US") << "de_DE" << "3/4/2026 9:05" << march4 << QTime(9, 5) << "";
    QTest::newRow("German short") << "de_DE" << "4.3.26" << march4 << QTime() << "";
    QTest::newRow("two ways, the locale's") << "en_GB" << "03/04/2026" << QDate(2026, 4, 3) << QTime() << "";
    QTest::newRow("two ways in the US") << "en_US" << "03/04/2026" << march4 << QTime() << "";
    QTest::newRow("garbage") << "de_DE" << "4.13.26" << QDate() << QTime()
                             << "\"4.13.26\" is not a date of the form YYYY-MM-DD, dd.MM.yy, m/d/yyyy, optionally "
                                "with a time HH:MM or HH:MM:SS.";
}

void TestSlipsCsv::typedDates()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, problem);
    // A refused text leaves the date as it was.
    QDate readDate(1999, 12, 31);
    QTime readTime(23, 59);
    QCOMPARE(ReadTypedSlipDate(text, QLocale(locale), readDate, readTime), problem);
    QCOMPARE(readDate, problem.isEmpty() ? date : QDate(1999, 12, 31));
    QCOMPARE(readTime, problem.isEmpty() ? time : QTime(23, 59));
}

void TestSlipsCsv::altimeterSetting_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<double>("pressure"); // 0: refused
    QTest::addColumn<QString>("message");  // the refusal or the warning
    QTest::newRow("at sea level") << QByteArray("0,,29.92") << 29.92 << "";
    QTest::newRow("at 5,050 ft") << QByteArray("5050,,29.92") << StationPressureFromAltimeter(29.92, 5050) << "";
    QTest::newRow("no elevation: sea level") << QByteArray(",,29.92") << 29.92 << "";
    QTest::newRow("a station pressure at altitude")
        << QByteArray("5050,29.92,") << 29.92
        << "line 2: " + PressureKindWarning(PressureKind::Station, 29.92, 5050);
    QTest::newRow("both kinds") << QByteArray("0,29.5,29.92") << 0.0
                                << "line 2: give pressure or altimeterSetting, not both";
    QTest::newRow("out of range") << QByteArray("0,,35") << 0.0
                                  << "line 2: altimeterSetting: The altimeter setting must be between 20 and 32 inHg.";
    QTest::newRow("elevation out of range") << QByteArray("15000,,29.92") << 0.0
                                            << "line 2: elevation: The elevation must be between -1,500 and "
                                               "14,000 ft.";
}

void TestSlipsCsv::altimeterSetting()
{
    QFETCH(QByteArray, row);
    QFETCH(double, pressure);
    QFETCH(QString, message);
    const SlipsRead read = ReadSlipsCsv("elevation,pressure,Altimeter Setting,quarterMileTime,quarterMileSpeed\n"
                                        + row + ",13.8,101.5\n");
    QCOMPARE(read.error, QString());
    if (pressure == 0) {
        QCOMPARE(read.refusals, QStringList{ message });
        return;
    }
    QCOMPARE(read.refusals, QStringList());
    QCOMPARE(read.warnings, message.isEmpty() ? QStringList() : QStringList{ message });
    QCOMPARE(read.runs.size(), 1);
    QCOMPARE(read.runs.front().pressure, std::optional<double>(pressure));
}

void TestSlipsCsv::runsAlreadyKept()
{
    // The same file twice adds nothing the second time; a run that differs
    // in its time of day or its finish is another run.
    const QByteArray bytes = "date,quarterMileTime,quarterMileSpeed,note\n"
                             "2026-05-04 14:30,13.8,101.5,first\n"
                             "2026-05-04 14:30,13.8,101.5,the same again\n"
                             "2026-05-04 15:10,13.8,101.5,\n"
                             "2026-05-04 14:30,13.9,101.5,\n";
    const QList<TimeSlip> first = NewRuns(ReadSlipsCsv(bytes).runs, {});
    QCOMPARE(first.size(), 3);
    QCOMPARE(first.front().note, "first");
    QVERIFY(NewRuns(ReadSlipsCsv(bytes).runs, first).isEmpty());
}

QTEST_GUILESS_MAIN(TestSlipsCsv)
#include "tst_slipscsv.moc"
