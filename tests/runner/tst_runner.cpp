// torvane-run as a whole: its messages and exit statuses in-process, and the
// built program, whose JSON must hold the engine's very doubles for every
// sample car, in any locale.
#include "runner/Runner.h"

#include "core/ResultTexts.h"
#include "core/VehicleFile.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <bit>

namespace {

struct Finished {
    int status;
    QByteArray out;
    QByteArray err;
};

Finished runInProcess(const QStringList& arguments, const QByteArray& input = {})
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    DeviceSink sink(out);
    RunnerStreams streams{ [&] { return InputBytes{ input, {} }; }, &sink, &err };
    const int status = RunCommand(arguments, streams);
    return { status, out.data(), err.data() };
}

Finished runProgram(const QStringList& arguments, const QByteArray& input = {},
                    bool closeInput = true, const QString& locale = QStringLiteral("C"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TORVANE_RUN_PATH), arguments);
    process.write(input);
    if (closeInput)
        process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        qFatal("torvane-run did not finish");
    return { process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError() };
}

// The program started by bash, "$0" in `script`, with `arguments` as "$@":
// for redirections and pipes as a shell makes them.
Finished runShell(const QString& script, const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("bash"),
                  QStringList{ "-c", script, QStringLiteral(TORVANE_RUN_PATH) } + arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        qFatal("torvane-run did not finish");
    return { process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError() };
}

} // namespace

class TestRunner : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir::setCurrent(QStringLiteral(TORVANE_EXAMPLES_DIR))); }
    void messages_data();
    void messages();
    void setAndSweepReachTheCars();
    void programGivesTheEngineDoubles();
    void programStatuses();
    void outputFaults_data();
    void outputFaults();
    void standardInputAsAFile_data();
    void standardInputAsAFile();
    void outsideNames_data();
    void outsideNames();
};

void TestRunner::messages_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("err");
    const QByteArray car = "345 0.29 3400 5.2 13.61 22 5 2 0.75";
    QTest::newRow("no file") << QStringList{ "nope.trv" } << car << 1
                             << "nope.trv: Could not open nope.trv: No such file or directory.";
    QTest::newRow("extension") << QStringList{ "sports-car.TRV" } << car << 1
                               << "sports-car.TRV: Can't open a file without an .trv extension...";
    QTest::newRow("short input") << QStringList{ "-" } << QByteArray("345\r\n0.29\r\n") << 1
                                 << "-: The file - holds 2 of the nine values a Torvane data file "
                                    "needs. Nothing was loaded.";
    QTest::newRow("shift count as typed")
        << QStringList{ "--set", "availableShifts=2.9", "--set", "quarterMileShifts=2", "-" } << car
        << 1 << "-: The number of quarter mile shifts must be between 1 and available shifts - 1.";
    QTest::newRow("usage") << QStringList{ "--sweep", "spinTime=1:2" } << car << 2
                           << "--sweep 'spinTime=1:2': NAME=FROM:TO:STEP expected\n"
                              "Usage: torvane-run [--json | --csv] [--set NAME=VALUE]... [--sweep "
                              "NAME=FROM:TO:STEP] FILE...\n"
                              "Try 'torvane-run --help' for more information.";
}

void TestRunner::messages()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, err);
    const Finished finished = runInProcess(arguments, input);
    QCOMPARE(QString::fromUtf8(finished.err), QStringLiteral("torvane-run: ") + err + u'\n');
    QCOMPARE(finished.status, status);
}

void TestRunner::setAndSweepReachTheCars()
{
    const Finished finished = runInProcess({ "--csv", "--set", "quarterMileShifts=2.9", "--sweep",
                                             "horsepower=100:200:100", "supercar.trv", "-" },
                                           "345 0.29 3400 5.2 13.61 22 5 1 0.75");
    const QList<QByteArray> rows = finished.out.split('\n');
    QCOMPARE(rows.size(), 6);
    QVERIFY(rows[1].startsWith("supercar.trv,100,0.31,3300,4.8,12.5,25,5,2,2.5,false,,"));
    QVERIFY(rows[2].startsWith("supercar.trv,200,") && rows[3].startsWith("-,100,0.29,3400,5.2,"
                                                                          "13.61,22,5,2,0.75,"));
}

void TestRunner::programGivesTheEngineDoubles()
{
    const QStringList files = QDir().entryList({ "*.trv" }, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 4);
    const Finished finished = runProgram(QStringList{ "--json" } + files);
    QCOMPARE(finished.status, 0);
    QCOMPARE(runProgram(QStringList{ "--json" } + files, {}, true, "de_DE.UTF-8").out, finished.out);

    const QJsonArray cars = QJsonDocument::fromJson(finished.out).array();
    QCOMPARE(cars.size(), files.size());
    for (int i = 0; i < files.size(); ++i) {
        const CarInputs inputs = ConvertTexts(
            VehicleFile::CarFromFileOrder(VehicleFile::Load(files[i]).words));
        const SimulationResults expected = RunCar(inputs).results;
        const QJsonObject results = cars[i]["results"].toObject();
        QCOMPARE(cars[i]["file"].toString(), files[i]);
        for (ResultField field : AllResultFields)
            QCOMPARE(std::bit_cast<quint64>(results[ResultKey(field)].toDouble()),
                     std::bit_cast<quint64>(ResultValue(expected, field)));
    }
}

void TestRunner::programStatuses()
{
    // Standard input stays open: the car runs once its ninth word has ended.
    const Finished failed = runProgram({ "--csv", "-", "nope.trv" },
                                       "345 0.29 3400 5.2 13.61 22 5 2 0.75\n", false);
    QCOMPARE(failed.status, 1);
    QVERIFY(failed.out.contains("\r\n-,345,0.29,"));
    QVERIFY(failed.out.contains("\r\nnope.trv,,"));
    QCOMPARE(runProgram({ "--bogus", "-" }).status, 2);
    QCOMPARE(runProgram({ "--version" }).out, QByteArray("torvane-run 4.0\n"));
    QCOMPARE(runProgram({ "-v" }).out, QByteArray("torvane-run 4.0\n"));
    QVERIFY(runProgram({ "-h" }).out.startsWith("Usage: torvane-run "));
}

// Output that cannot be written ends the program with status 3; a reader
// that left ends it quietly.
void TestRunner::outputFaults_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");
    const QByteArray full = "torvane-run: could not write the output: No space left on device\n";
    QTest::newRow("help, full disk") << "\"$0\" \"$@\" >/dev/full" << QStringList{ "--help" } << 3
                                     << full;
    QTest::newRow("version, full disk") << "\"$0\" \"$@\" >/dev/full" << QStringList{ "-v" } << 3
                                        << full;
    // Far more cars than could ever run: only stopping at the first failed
    // write lets these end.
    const QStringList sweep{ "--sweep", "carWeight=1000:900000:1", "sports-car.trv" };
    for (const char* format : { "--csv", "--json", "--table" }) {
        const QStringList arguments = QString::fromLatin1(format) == "--table"
                                          ? sweep
                                          : QStringList{ QString::fromLatin1(format) } + sweep;
        QTest::addRow("%s, full disk", format) << "\"$0\" \"$@\" >/dev/full" << arguments << 3 << full;
        QTest::addRow("%s, reader left, SIGPIPE ignored", format)
            << "env --ignore-signal=PIPE \"$0\" \"$@\" | head -c 100 >/dev/null; exit ${PIPESTATUS[0]}"
            << arguments << 3 << QByteArray();
        QTest::addRow("%s, reader left", format)
            << "env --default-signal=PIPE \"$0\" \"$@\" | head -c 100 >/dev/null; exit ${PIPESTATUS[0]}"
            << arguments << 128 + 13 << QByteArray();
    }
}

void TestRunner::outputFaults()
{
    QFETCH(QString, script);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    const Finished finished = runShell(script, arguments);
    QCOMPARE(finished.err, err);
    QCOMPARE(finished.status, status);
}

// Standard input is read as a file is: one byte past the bound, so that a
// value that runs on past it is refused rather than cut short.
void TestRunner::standardInputAsAFile_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("error");
    const QByteArray eight = "345 0.29 3400 5.2 13.61 22 5 2 ";
    const qsizetype bound = VehicleFile::MaxScannedBytes;
    const QByteArray upTo = eight + QByteArray(bound - eight.size() - 2, ' ');
    QTest::newRow("ends at the bound") << upTo + "2\n" << QString();
    QTest::newRow("runs past the bound")
        << upTo + "2.5" << "-: The file - holds a value that runs on past its first 1,048,576 bytes, "
                           "where a Torvane data file keeps all nine values; it would be cut short. "
                           "Nothing was loaded.\n";
}

void TestRunner::standardInputAsAFile()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, error);
    const Finished finished = runProgram({ "--csv", "-" }, input);
    QCOMPARE(QString::fromUtf8(finished.err), error.isEmpty() ? error : "torvane-run: " + error);
    QCOMPARE(finished.status, error.isEmpty() ? 0 : 1);
}

// File names from outside: opened by their bytes, escaped where they are
// shown, guarded in CSV.
void TestRunner::outsideNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("rowStart");
    QTest::newRow("Latin-1, table") << "caf\\xe9.trv" << "--table" << QByteArray("caf\\xe9.trv  54.93 ");
    QTest::newRow("Latin-1, JSON") << "caf\\xe9.trv" << "--json"
                                   << QByteArray("  {\"file\": \"caf\\\\xe9.trv\", \"inputs\"");
    QTest::newRow("line end, table") << "a\\nb.trv" << "--table" << QByteArray("a\\nb.trv  54.93 ");
    QTest::newRow("line end, CSV") << "a\\nb.trv" << "--csv" << QByteArray("\"a\nb.trv\",345,");
    QTest::newRow("formula, CSV") << "=1+2.trv" << "--csv" << QByteArray("'=1+2.trv,345,");
}

void TestRunner::outsideNames()
{
    QFETCH(QString, name);
    QFETCH(QString, format);
    QFETCH(QByteArray, rowStart);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    // The name is made by printf, as bytes: QProcess would pass it as UTF-8.
    const QString script = QStringLiteral(
        "cd \"$1\" && n=$(printf '%1') && cp \"$2\" \"$n\" && "
        "if [ \"$3\" = --table ]; then \"$0\" \"$n\"; else \"$0\" \"$3\" \"$n\"; fi").arg(name);
    const Finished finished = runShell(script, { dir.path(),
                                                 QDir::current().absoluteFilePath("sports-car.trv"),
                                                 format });
    QCOMPARE(finished.err, QByteArray());
    QCOMPARE(finished.status, 0);
    QVERIFY2(finished.out.mid(finished.out.indexOf('\n') + 1).startsWith(rowStart), finished.out);
}

QTEST_GUILESS_MAIN(TestRunner)
#include "tst_runner.moc"
