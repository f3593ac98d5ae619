// SPDX-License-Identifier: GPL-3.0-or-later
// torvane-run as a whole: its messages and exit statuses in-process, and the
// built program, whose JSON must hold the engine's very doubles for every
// sample car, in any locale.
#include "runner/Runner.h"

#include "core/CsvReader.h"
#include "core/DayRun.h"
#include "core/NumberText.h"
#include "core/ResultTexts.h"
#include "core/RoadKeys.h"
#include "core/RoadRun.h"
#include "core/VehicleFile.h"
#include "logbook/Calibration.h"
#include "logbook/SlipsCsv.h"
#include "runner/CarBatch.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <bit>

Q_DECLARE_METATYPE(AirConditions)
#include <csignal>

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
    RunnerStreams streams{ [&](bool) { return InputBytes{ input, {} }; }, &sink, &err };
    const int status = RunCommand(arguments, streams);
    return { status, out.data(), err.data() };
}

// The built program, in the C locale unless `locale` sets other variables
// ("LANG=de_DE.UTF-8").
Finished runProgram(const QStringList& arguments, const QByteArray& input = {},
                    bool closeInput = true, const QStringList& locale = { QStringLiteral("LC_ALL=C") })
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "LC_ALL", "LC_NUMERIC", "LANG" })
        environment.remove(QString::fromLatin1(name));
    for (const QString& setting : locale)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
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
    void sameBytesForAnyJobs_data();
    void sameBytesForAnyJobs();
    void gridOrderAndColumns_data();
    void gridOrderAndColumns();
    void sweptValueAsTyped_data();
    void sweptValueAsTyped();
    void sweepGivesTheEngineDoubles_data();
    void sweepGivesTheEngineDoubles();
    void dayAndSplits_data();
    void dayAndSplits();
    void programGivesTheEngineDoubles();
    void roadModel_data();
    void roadModel();
    void modelNamedWhenGiven();
    void oneNumberFormPerTable_data();
    void oneNumberFormPerTable();
    void programStatuses();
    void outputFaults_data();
    void outputFaults();
    void interruptStops();
    void standardInputAsAFile_data();
    void standardInputAsAFile();
    void outsideNames_data();
    void outsideNames();
    void slipsFitTheCars_data();
    void slipsFitTheCars();
    void slipsFittedOncePerCar_data();
    void slipsFittedOncePerCar();
    void slipsFitTheRoadModel();
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
                              "Usage: torvane-run [--json | --csv] [--model classic|road]\n"
                              "                   [--set NAME=VALUE]... [--sweep NAME=FROM:TO:STEP]...\n"
                              "                   [--jobs N] [--splits] [--temperature F]\n"
                              "                   [--pressure INHG | --altimeter INHG] [--elevation FT]\n"
                              "                   [--humidity PERCENT] [--slips FILE.csv] FILE...\n"
                              "Try 'torvane-run --help' for more information.";
    QTest::newRow("road key line") << QStringList{ "--model", "road", "-" } << car + "\ngears=6\ntyres=slick\n"
                                   << 1
                                   << "-: -, line 3: \"tyres\" is not a key of a Torvane car file (engine, drivetrain, "
                                      "transmission, gears, powerRpm, torque, torqueRpm, redline, frontalArea, tires, "
                                      "surface). Nothing was loaded.";
    QTest::newRow("road range") << QStringList{ "--model=road", "--set=carWeight=9000", "-" } << car << 1
                                << "-: The car weight must be between 500.00 and 8000.00";
    QTest::newRow("pressure of the other kind") << QStringList{ "--altimeter=24.9", "-" } << car << 0
                                                << "warning: The altimeter setting of 24.90 inHg is more than 1.5 "
                                                   "inHg from the standard pressure at sea level (29.92 inHg), to "
                                                   "which it is reduced: it looks like a station pressure.";
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

// Pieces of the runs on any number of threads, written in order: the same
// bytes as one job, with cars that fail a check and a file that cannot be
// read among them.
void TestRunner::sameBytesForAnyJobs_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("model");
    for (const char* format : { "--table", "--csv", "--json" })
        QTest::newRow(format) << QString::fromLatin1(format) << QStringList{ "--sweep", "spinTime=0.5:1:0.25" };
    // gears=0 fails the road model's check.
    QTest::newRow("--json, road") << "--json" << QStringList{ "--model=road", "--sweep", "gears=0:2:1" };
}

void TestRunner::sameBytesForAnyJobs()
{
    QFETCH(QString, format);
    QFETCH(QStringList, model);
    const auto run = [&](int jobs) {
        QStringList arguments = QStringList{ "--jobs", QString::number(jobs), "--sweep", "carWeight=900:4600:1.5" }
                                + model + QStringList{ "sports-car.trv", "nope.trv", "supercar.trv" };
        if (format != "--table")
            arguments.prepend(format);
        return runInProcess(arguments);
    };
    const Finished one = run(1);
    QCOMPARE(one.status, 1);
    QVERIFY(one.out.size() > 100000);
    for (int jobs : { 2, 4 }) {
        const Finished many = run(jobs);
        QCOMPARE(many.status, one.status);
        QVERIFY(many.out == one.out);
        QVERIFY(many.err == one.err);
    }
}

// Two sweeps make a grid, the first varying slowest, with a column (or a
// JSON object) for the swept values.
void TestRunner::gridOrderAndColumns_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::newRow("table") << "--table"
                           << QList<QByteArray>{
                                  "File            carWeight  spinTime  Top s",
                                  "sports-car.trv       1000       0.5  The spin time must be",
                                  "sports-car.trv       1000         1  18.70",
                                  "sports-car.trv       2000       0.5  The spin time must be",
                                  "sports-car.trv       2000         1  33.90",
                              };
    QTest::newRow("CSV") << "--csv"
                         << QList<QByteArray>{
                                "file,horsepower,",
                                "sports-car.trv,,",
                                "sports-car.trv,345,0.29,1000,5.2,13.61,22,5,2,1,false,,",
                                "sports-car.trv,,",
                                "sports-car.trv,345,0.29,2000,5.2,13.61,22,5,2,1,false,,",
                            };
    QTest::newRow("JSON") << "--json"
                          << QList<QByteArray>{
                                 "[",
                                 "  {\"file\": \"sports-car.trv\", \"error\": \"The spin time must be "
                                 "between 0.75 and 3.00\", \"sweep\": {\"carWeight\": 1000, \"spinTime\": 0.5}}",
                                 "  {\"file\": \"sports-car.trv\", \"inputs\": {",
                                 "  {\"file\": \"sports-car.trv\", \"error\": ",
                                 "  {\"file\": \"sports-car.trv\", \"inputs\": {",
                             };
}

void TestRunner::gridOrderAndColumns()
{
    QFETCH(QString, format);
    QFETCH(QList<QByteArray>, lines);
    QStringList arguments{ "--sweep", "carWeight=1000:2000:1000", "--sweep", "spinTime=0.5:1:0.5",
                           "sports-car.trv" };
    if (format != "--table")
        arguments.prepend(format);
    const QList<QByteArray> out = runInProcess(arguments).out.split('\n');
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY2(out.value(i).startsWith(lines[i]), out.value(i));
    if (format == "--csv") {
        QVERIFY(out[0].endsWith(",splits.quarterMileSpeed,sweep.carWeight,sweep.spinTime\r"));
        QVERIFY(out[2].endsWith(",1000,1\r"));
        QVERIFY(out[3].endsWith("0.75 and 3.00,,,,,,,,,,,,,,,2000,0.5\r"));
    }
    if (format == "--json")
        QVERIFY(out[3].endsWith("\"sweep\": {\"carWeight\": 2000, \"spinTime\": 0.5}},"));
}

// A swept value is put into its box as the text that reads back as it,
// and converted as the box converts that text.
void TestRunner::sweptValueAsTyped_data()
{
    QTest::addColumn<double>("value");
    for (double value : { 2.9, 345.0, 1e21, 1.5e-5, -0.0, -2.5, 5e-324, 2.2250738585072009e-308,
                          2147483647.5, 2147483648.0, -2147483648.5, -1e300 })
        QTest::addRow("%.17g", value) << value;
}

void TestRunner::sweptValueAsTyped()
{
    QFETCH(double, value);
    for (InputField field : { InputField::CarWeight, InputField::AvailableShifts }) {
        CarTexts texts = CarTexts::DefaultCar();
        texts[field] = QString::fromLatin1(ShortestText(value));
        CarInputs swept = ConvertTexts(CarTexts::DefaultCar());
        SetSweptValue(swept, field, value);
        QCOMPARE(std::bit_cast<quint64>(swept.Value(field)),
                 std::bit_cast<quint64>(ConvertTexts(texts).Value(field)));
    }
}

// Every car of a grid, run on the runner's threads with its records reused,
// gives the doubles of a car run by itself.
// Every number of every row is the engine's double, results and splits:
// in a coarse grid, and in a fine sweep whose neighbouring rows share many
// figures (the writer copies a number it wrote before instead of
// converting it again).
void TestRunner::sweepGivesTheEngineDoubles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("rows");
    QTest::newRow("grid") << QStringList{ "--jobs", "2", "--sweep", "horsepower=100:1500:7", "--sweep",
                                          "dragCoefficient=0.2:0.4:0.05", "supercar.trv" }
                          << 201 * 5;
    QTest::newRow("fine") << QStringList{ "--sweep", "carWeight=3000:3000.3:0.001", "sports-car.trv",
                                          "economy-car.trv" }
                          << 301 * 2;
}

void TestRunner::sweepGivesTheEngineDoubles()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, rows);
    const Finished finished = runInProcess(QStringList{ "--csv" } + arguments);
    QCOMPARE(finished.status, 0);
    const QList<CsvRecord> records = ReadCsv(finished.out);
    QCOMPARE(records.size(), 1 + rows);
    const QStringList header = records[0].fields;
    const int firstSplit = static_cast<int>(header.indexOf("splits.sixtyFootTime"));
    const auto bits = [](double value) { return std::bit_cast<quint64>(value); };
    for (qsizetype i = 1; i < records.size(); ++i) {
        const QStringList& fields = records[i].fields;
        CarInputs car;
        for (std::size_t f = 0; f < VehicleFile::FileOrder.size(); ++f)
            SetSweptValue(car, VehicleFile::FileOrder[f], CsvNumber(fields[1 + static_cast<qsizetype>(f)]).value());
        const DayResults expected = RunCarOnDay(car, AirConditions());
        for (int r = 0; r < ResultFieldCount; ++r)
            QCOMPARE(bits(CsvNumber(fields[12 + r]).value()), bits(ResultValue(expected.run.results, AllResultFields[r])));
        const double splits[] = { expected.splits.sixtyFootTime, expected.splits.threeThirtyFootTime,
                                  expected.splits.eighthMileTime, expected.splits.eighthMileSpeed,
                                  expected.splits.thousandFootTime, expected.splits.quarterMileTime,
                                  expected.splits.quarterMileSpeed };
        for (int k = 0; k < 7; ++k)
            QCOMPARE(bits(CsvNumber(fields[firstSplit + k]).value()), bits(splits[k]));
    }
}

// The day's air and the splits in JSON and CSV are the core's figures for
// the car on that day, bit for bit; without the air options, the standard
// day, whose results are the classic ones.
void TestRunner::dayAndSplits_data()
{
    QTest::addColumn<QStringList>("air");
    QTest::addColumn<AirConditions>("conditions");
    QTest::newRow("standard day") << QStringList() << AirConditions();
    QTest::newRow("hot, humid, low") << QStringList{ "--temperature", "95", "--pressure", "28.5",
                                                     "--humidity", "60" }
                                     << AirConditions{ 95, 28.5, 60 };
    QTest::newRow("cold, dry, high") << QStringList{ "--pressure=31", "--temperature=-40" }
                                     << AirConditions{ -40, 31, 0 };
}

void TestRunner::dayAndSplits()
{
    QFETCH(QStringList, air);
    QFETCH(AirConditions, conditions);
    const QString file = QStringLiteral("sports-car.trv");
    const CarInputs car = ConvertTexts(VehicleFile::CarFromFileOrder(VehicleFile::Load(file).words));
    const DayResults day = RunCarOnDay(car, conditions);
    const auto same = [](double a, double b) { return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b); };

    const QJsonObject json = QJsonDocument::fromJson(runInProcess(QStringList{ "--json" } + air + QStringList{ file }).out)
                                 .array()[0].toObject();
    const QJsonObject results = json["results"].toObject();
    for (ResultField field : AllResultFields)
        QVERIFY(same(results[ResultKey(field)].toDouble(), ResultValue(day.run.results, field)));
    const QJsonObject airJson = json["air"].toObject();
    QVERIFY(same(airJson["temperature"].toDouble(), conditions.temperature));
    QVERIFY(same(airJson["pressure"].toDouble(), conditions.pressure));
    QVERIFY(same(airJson["humidity"].toDouble(), conditions.humidity));
    QVERIFY(same(airJson["densityAltitude"].toDouble(), day.air.densityAltitude));
    QVERIFY(same(airJson["relativeAirDensity"].toDouble(), day.air.relativeAirDensity));
    QVERIFY(same(airJson["correctionFactor"].toDouble(), day.air.correctionFactor));
    QVERIFY(same(airJson["horsepower"].toDouble(), day.horsepower));
    const QJsonObject splits = json["splits"].toObject();
    const double expected[] = { day.splits.sixtyFootTime, day.splits.threeThirtyFootTime,
                                day.splits.eighthMileTime, day.splits.eighthMileSpeed,
                                day.splits.thousandFootTime, day.splits.quarterMileTime,
                                day.splits.quarterMileSpeed };
    const char* keys[] = { "sixtyFootTime", "threeThirtyFootTime", "eighthMileTime", "eighthMileSpeed",
                           "thousandFootTime", "quarterMileTime", "quarterMileSpeed" };
    for (int i = 0; i < 7; ++i)
        QVERIFY2(same(splits[QLatin1String(keys[i])].toDouble(), expected[i]), keys[i]);
    if (air.isEmpty()) {
        const SimulationResults classic = RunCar(car).results;
        QVERIFY(day.run.results == classic && same(day.horsepower, car.horsepower));
    }

    // CSV holds the same figures as columns, by the same names.
    const QList<CsvRecord> csv = ReadCsv(runInProcess(QStringList{ "--csv" } + air + QStringList{ file }).out);
    const QStringList header = csv[0].fields;
    QVERIFY(same(CsvNumber(csv[1].fields[header.indexOf("air.horsepower")]).value(), day.horsepower));
    for (int i = 0; i < 7; ++i)
        QVERIFY(same(CsvNumber(csv[1].fields[header.indexOf(QStringLiteral("splits.") + keys[i])]).value(),
                     expected[i]));
}

void TestRunner::programGivesTheEngineDoubles()
{
    const QStringList files = QDir().entryList({ "*.trv" }, QDir::Files, QDir::Name);
    QVERIFY(files.size() >= 4);
    const Finished finished = runProgram(QStringList{ "--json" } + files);
    QCOMPARE(finished.status, 0);
    QCOMPARE(runProgram(QStringList{ "--json" } + files, {}, true, { "LC_ALL=de_DE.UTF-8" }).out, finished.out);

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

// With --model road a car file's road keys, changed by --set, run on the
// road model on the day's air: JSON holds the core's very doubles, and
// every road key the run used, typical values included.
void TestRunner::roadModel_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<AirConditions>("conditions");
    QTest::addColumn<QStringList>("sets");
    // Without the day's air the road model runs on the day road tests are
    // corrected to, field by field.
    QTest::newRow("keys of the file") << QStringList() << RoadTestConditions << QStringList();
    QTest::newRow("--set a road key") << QStringList{ "--set", "gears=4", "--set=engine=electric" }
                                      << RoadTestConditions << QStringList{ "gears=4", "engine=electric" };
    QTest::newRow("temperature alone") << QStringList{ "--temperature=90" }
                                       << AirConditions{ 90, RoadTestDay::Pressure, 0 } << QStringList();
    QTest::newRow("altimeter setting at 5,050 ft")
        << QStringList{ "--temperature=95", "--altimeter=29.45", "--elevation=5050", "--humidity=40" }
        << AirConditions{ 95, StationPressureFromAltimeter(29.45, 5050), 40 } << QStringList();
}

void TestRunner::roadModel()
{
    QFETCH(QStringList, arguments);
    QFETCH(AirConditions, conditions);
    QFETCH(QStringList, sets);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("car.trv"));
    QFile written(file);
    QVERIFY(written.open(QIODevice::WriteOnly)
            && written.write("345\r\n0.29\r\n3400\r\n5.2\r\n13.61\r\n22\r\n5\r\n2\r\n0.75\r\n"
                             "drivetrain=rwd\r\ntransmission=dct\r\ngears=7\r\n")
                   > 0);
    written.close();
    const VehicleFile::Words words = VehicleFile::Load(file);
    RoadKeys keys = ReadRoadKeys(words.tail, words.tailFirstLine, file).keys;
    for (const QString& set : sets)
        QCOMPARE(SetRoadKey(keys, set), QString());
    const RoadCar car = RoadCarOf(ConvertTexts(VehicleFile::CarFromFileOrder(words.words)), keys);
    const AirFigures air = FiguresFor(conditions);
    const DayResults day = RunRoadCarOnDay(car, air);
    const auto same = [](double a, double b) { return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b); };

    const Finished finished = runInProcess(QStringList{ "--json", "--model", "road" } + arguments + QStringList{ file });
    QCOMPARE(finished.status, 0);
    const QJsonObject json = QJsonDocument::fromJson(finished.out).array()[0].toObject();
    QCOMPARE(json["model"].toString(), QStringLiteral("road"));
    const QJsonObject results = json["results"].toObject();
    for (ResultField field : AllResultFields)
        QVERIFY2(same(results[ResultKey(field)].toDouble(), ResultValue(day.run.results, field)),
                 qPrintable(ResultKey(field)));
    QVERIFY(same(json["splits"]["quarterMileTime"].toDouble(), day.splits.quarterMileTime));
    QVERIFY(same(json["splits"]["sixtyFootTime"].toDouble(), day.splits.sixtyFootTime));
    QVERIFY(same(json["air"]["pressure"].toDouble(), conditions.pressure));
    QVERIFY(same(json["air"]["temperature"].toDouble(), conditions.temperature));
    QVERIFY(same(json["air"]["horsepower"].toDouble(), day.horsepower));
    const QJsonObject inputs = json["inputs"].toObject();
    QCOMPARE(inputs.size(), VehicleFile::FileOrder.size() + RoadKeyCount);
    for (const RoadKeys::Line& line : RoadKeysUsed(RunRoadModel(car, RoadDayOf(air)).Car()))
        QCOMPARE(inputs[line.key].toVariant().toString(), line.value);
    QCOMPARE(inputs["drivetrain"].toString(), QStringLiteral("rwd"));
    QCOMPARE(inputs["tires"].toString(), QStringLiteral("street")); // typical
    QCOMPARE(inputs["gears"].toInt(), keys.car.gears.value());
}

// --model names the model in JSON and CSV; without it every byte is as it
// was, and --model classic adds only the name.
void TestRunner::modelNamedWhenGiven()
{
    const QStringList files{ "sports-car.trv", "nope.trv" };
    const QByteArray json = runInProcess(QStringList{ "--json" } + files).out;
    QByteArray named = runInProcess(QStringList{ "--json", "--model=classic" } + files).out;
    QCOMPARE(named.count(", \"model\": \"classic\""), 2);
    QCOMPARE(named.replace(", \"model\": \"classic\"", ""), json);

    const QList<CsvRecord> csv = ReadCsv(runInProcess(QStringList{ "--csv" } + files).out);
    const QList<CsvRecord> csvNamed = ReadCsv(runInProcess(QStringList{ "--csv", "--model=classic" } + files).out);
    QCOMPARE(csvNamed.size(), csv.size());
    for (qsizetype i = 0; i < csv.size(); ++i)
        QCOMPARE(csvNamed[i].fields, csv[i].fields + QStringList{ i == 0 ? "model" : "classic" });
}

// The table writes every number in one form, that of the user's numeric
// locale (so LC_NUMERIC=C gives the C form); JSON and CSV are the same
// bytes in every locale.
void TestRunner::oneNumberFormPerTable_data()
{
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("C") << QStringList{ "LC_ALL=C" } << "," << ".";
    QTest::newRow("German") << QStringList{ "LC_ALL=de_DE.UTF-8" } << "." << ",";
    QTest::newRow("German, C numbers") << QStringList{ "LANG=de_DE.UTF-8", "LC_NUMERIC=C" } << "," << ".";
}

void TestRunner::oneNumberFormPerTable()
{
    QFETCH(QStringList, locale);
    QFETCH(QString, group);
    QFETCH(QString, decimal);
    const QStringList car{ "--sweep", "spinTime=0.75:1.25:0.25", "sports-car.trv" };
    const QList<QByteArray> lines = runProgram(QStringList{ "--splits" } + car, {}, true, locale).out.split('\n');
    QCOMPARE(lines.size(), 5);
    const QRegularExpression number(QStringLiteral("^\\d{1,3}(%1\\d{3})*(%2\\d+)?$")
                                        .arg(QRegularExpression::escape(group), QRegularExpression::escape(decimal)));
    for (const QByteArray& line : lines.mid(1, 3)) {
        const QStringList cells = QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts).mid(1);
        QCOMPARE(cells.size(), 1 + ResultFieldCount + 5);
        for (const QString& cell : cells)
            QVERIFY2(number.match(cell).hasMatch(), qPrintable(cell));
    }
    for (const char* format : { "--csv", "--json" })
        QCOMPARE(runProgram(QStringList{ format } + car, {}, true, locale).out, runProgram(QStringList{ format } + car).out);
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
    const QStringList sweep{ "--sweep", "carWeight=1000:4500:1e-9", "sports-car.trv" };
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

// Ctrl+C ends a sweep that would run for days, with every job busy.
void TestRunner::interruptStops()
{
    QProcess process;
    process.start(QStringLiteral(TORVANE_RUN_PATH),
                  { "--csv", "--jobs", "2", "--sweep", "carWeight=1000:4500:1e-9", "sports-car.trv" });
    QVERIFY(process.waitForReadyRead(60000));
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::CrashExit);
    QCOMPARE(process.exitCode(), SIGINT);
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

namespace {

// The sports car made, with another horsepower and spin time, on five days.
struct MadeUpSlips {
    CarInputs real;
    QList<TimeSlip> runs;
};

MadeUpSlips madeUpSlips()
{
    MadeUpSlips slips;
    CarInputs& real = slips.real;
    real = ConvertTexts(ReadCar(BatchFile::Of(QStringLiteral("sports-car.trv")), {}).texts);
    real.horsepower *= 0.92;
    real.spinTime = 0.5;
    const QList<AirConditions> days{ { 59, 29.92, 0 }, { 85, 29.1, 60 }, { 40, 30.1, 20 }, { 95, 28.5, 70 },
                                     { 70, 29.5, 40 } };
    for (int day = 0; day < days.size(); ++day) {
        const DayResults result = RunCarOnDay(real, days[day]);
        TimeSlip run;
        run.date = QDate(2024, 5, day + 1);
        run.temperature = days[day].temperature;
        run.pressure = days[day].pressure;
        run.humidity = days[day].humidity;
        run.sixtyFootTime = result.splits.sixtyFootTime;
        run.quarterMileTime = result.splits.quarterMileTime;
        run.quarterMileSpeed = result.splits.quarterMileSpeed;
        slips.runs << run;
    }
    return slips;
}

} // namespace

void TestRunner::slipsFitTheCars_data()
{
    QTest::addColumn<int>("weeks");
    QTest::addColumn<QByteArray>("badRow");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<bool>("racersHeaders");
    QTest::newRow("good slips") << 1 << QByteArray() << 0 << QByteArray() << false;
    QTest::newRow("a racer's sheet") << 1 << QByteArray() << 0 << QByteArray() << true;
    QTest::newRow("a bad row still fits the good ones")
        << 1 << QByteArray("2024-06-01,,,,,,,,,,,,12.3.4,101,\n") << 1
        << QByteArray(": line 7: quarterMileTime is not a number: \"12.3.4\"\n") << false;
    QTest::newRow("too many for leave-one-out") << 21 << QByteArray() << 0 << QByteArray() << false;
}

// The made-up slips, the same days `weeks` weeks running: the runner fits
// the car back, as the garage does, and validates the fit leave-one-out or,
// above LeaveOneOutBound runs, by folds.
void TestRunner::slipsFitTheCars()
{
    QFETCH(int, weeks);
    QFETCH(QByteArray, badRow);
    QFETCH(int, status);
    QFETCH(QByteArray, err);
    QFETCH(bool, racersHeaders);
    const auto [real, week] = madeUpSlips();
    QList<TimeSlip> runs;
    for (int w = 0; w < weeks; ++w)
        for (TimeSlip run : week) {
            run.date = run.date.addDays(7 * w);
            runs << run;
        }
    QTemporaryDir dir;
    const QString slips = dir.filePath(QStringLiteral("slips.csv"));
    QFile file(slips);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray bytes = SlipsCsv(runs);
    // The same columns under the headers of a racer's sheet.
    if (racersHeaders)
        bytes.replace(0, bytes.indexOf('\n'),
                      "Date,Track,Elev,Temp,Baro,Hum,R/T,60 ft,330,1/8,1/8 MPH,1000,1/4 ET,1/4 MPH,Notes\r");
    file.write(bytes + badRow);
    file.close();

    const Finished finished = runInProcess({ "--json", "--jobs", "2", "--slips", slips, "sports-car.trv" });
    QCOMPARE(finished.status, status);
    QCOMPARE(finished.err, err.isEmpty() ? QByteArray() : "torvane-run: " + slips.toUtf8() + err);
    const QJsonObject car = QJsonDocument::fromJson(finished.out).array().at(0).toObject();
    const QJsonObject calibration = car.value(QStringLiteral("calibration")).toObject();
    const double horsepower = calibration.value(QStringLiteral("horsepower")).toDouble();
    QVERIFY2(std::abs(horsepower / real.horsepower - 1) < 0.001, qPrintable(QString::number(horsepower)));
    QVERIFY(std::abs(calibration.value(QStringLiteral("spinTime")).toDouble() - real.spinTime) < 0.005);
    QCOMPARE(calibration.value(QStringLiteral("runs")).toArray().size(), runs.size());
    const QJsonObject validation = calibration.value(QStringLiteral("leaveOneOutError")).toObject();
    QCOMPARE(validation.value(QStringLiteral("quarterMileTime")).toObject().value(QStringLiteral("runs")).toInt(),
             runs.size());
    const int days = DaysOf(RunFiguresOf(runs));
    QCOMPARE(validation.value(QStringLiteral("days")).toInt(), days);
    QCOMPARE(validation.value(QStringLiteral("folds")).toInt(), days > LeaveOneOutBound ? ValidationFolds : 0);
    const QJsonObject time = validation.value(QStringLiteral("quarterMileTime")).toObject();
    QVERIFY(time.contains(QStringLiteral("band68")));
    QVERIFY(time.value(QStringLiteral("band95")).toDouble() >= time.value(QStringLiteral("band68")).toDouble());
    // The results are the fitted car's.
    QCOMPARE(car.value(QStringLiteral("inputs")).toObject().value(QStringLiteral("horsepower")).toDouble(), horsepower);
}

// On the road model the slips fit the power and the launch grip: slips the
// road model made with 0.9 of the rated power and 1.1 of the grip are
// fitted back, and the JSON names the model and the values fitted.
void TestRunner::slipsFitTheRoadModel()
{
    const CarSource source = ReadCar(BatchFile::Of(QStringLiteral("sports-car.trv")), {}, CarModel::Road);
    const ModelledCar typed = RoadModelledCar(ConvertTexts(source.texts), source.keys);
    const ModelledCar real = ScaledRoadCar(typed, 0.9, 1.1);
    QList<TimeSlip> runs;
    const QList<AirConditions> days{ { 59, 29.92, 0 }, { 85, 29.1, 60 }, { 40, 30.1, 20 }, { 95, 28.5, 70 } };
    for (int day = 0; day < days.size(); ++day) {
        const SplitTimes s = RunModelledCarOnDay(real, FiguresFor(days[day])).splits;
        TimeSlip run;
        run.date = QDate(2024, 5, day + 1);
        run.temperature = days[day].temperature;
        run.pressure = days[day].pressure;
        run.humidity = days[day].humidity;
        run.sixtyFootTime = s.sixtyFootTime;
        run.quarterMileTime = s.quarterMileTime;
        run.quarterMileSpeed = s.quarterMileSpeed;
        runs << run;
    }
    QTemporaryDir dir;
    const QString slips = dir.filePath(QStringLiteral("slips.csv"));
    QFile file(slips);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(SlipsCsv(runs));
    file.close();

    const Finished finished = runInProcess({ "--json", "--model", "road", "--slips", slips, "sports-car.trv" });
    QCOMPARE(finished.status, 0);
    QCOMPARE(finished.err, QByteArray());
    const QJsonObject car = QJsonDocument::fromJson(finished.out).array().at(0).toObject();
    const QJsonObject calibration = car.value(QStringLiteral("calibration")).toObject();
    QCOMPARE(calibration.value(QStringLiteral("model")).toString(), QStringLiteral("road"));
    const double horsepower = calibration.value(QStringLiteral("horsepower")).toDouble();
    QVERIFY2(std::abs(horsepower / real.inputs.horsepower - 1) < 0.002, qPrintable(QString::number(horsepower)));
    const double grip = calibration.value(QStringLiteral("launchGrip")).toDouble();
    QVERIFY2(std::abs(grip / 1.1 - 1) < 0.01, qPrintable(QString::number(grip)));
    const double wheels = calibration.value(QStringLiteral("wheelHorsepower")).toDouble();
    QVERIFY(wheels > 0.7 * horsepower && wheels < horsepower);
    QVERIFY(!calibration.contains(QStringLiteral("spinTime")));
    QVERIFY(calibration.value(QStringLiteral("leaveOneOutError")).toObject().contains(QStringLiteral("quarterMileTime")));
    // The rows run the fitted car: its elapsed time is the slips'.
    QCOMPARE(car.value(QStringLiteral("inputs")).toObject().value(QStringLiteral("horsepower")).toDouble(), horsepower);
    const double time = car.value(QStringLiteral("results")).toObject().value(QStringLiteral("quarterMileTime")).toDouble();
    QVERIFY2(std::abs(time - RunModelledCarOnDay(real, FiguresFor(RoadTestConditions)).splits.quarterMileTime) < 0.005,
             qPrintable(QString::number(time)));
}

// A car is fitted once however often it comes, and the fit's validation is
// made only where the rows carry it (JSON): the rows of one car share one
// calibration, CSV and the table carry none.
void TestRunner::slipsFittedOncePerCar_data()
{
    QTest::addColumn<bool>("validation");
    QTest::newRow("JSON") << true;
    QTest::newRow("CSV and the table") << false;
}

void TestRunner::slipsFittedOncePerCar()
{
    QFETCH(bool, validation);
    const ParsedOptions parsed = ParseOptions({ "sports-car.trv", "economy-car.trv", "sports-car.trv" });
    const SlipsToFit slips{ madeUpSlips().runs, validation };
    // A row's calibration lives as long as the batch: its address is kept,
    // and whether it holds the validation.
    std::vector<const std::string*> calibrations;
    std::vector<double> horsepowers;
    bool validated = false;
    bool allRan = false;
    QVERIFY(RunBatch(parsed.options, {}, nullptr, false,
                     [&](const RowPiece& piece) {
                         for (const RunRow& row : piece.rows) {
                             calibrations.push_back(row.calibration);
                             horsepowers.push_back(row.inputs.horsepower);
                             validated = validated
                                         || (row.calibration
                                             && row.calibration->find("\"leaveOneOutError\"") != std::string::npos);
                         }
                         return true;
                     },
                     allRan, &slips));
    QVERIFY(allRan);
    QCOMPARE(calibrations.size(), 3u);
    QCOMPARE(horsepowers[2], horsepowers[0]);
    QVERIFY(horsepowers[1] != horsepowers[0]);
    if (validation) {
        QVERIFY(calibrations[0] && calibrations[1]);
        QCOMPARE(calibrations[2], calibrations[0]);
        QVERIFY(validated);
    } else {
        QCOMPARE(calibrations, std::vector<const std::string*>(3, nullptr));
    }
}

QTEST_GUILESS_MAIN(TestRunner)
#include "tst_runner.moc"

