// SPDX-License-Identifier: GPL-3.0-or-later
// The runner's command line: the usage errors with their texts, what a sound
// command line gives, the pressure as racers give it, the values a sweep
// takes, and the exit statuses --help and the manual page give.
#include "runner/RunOptions.h"
#include "core/NumberText.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTest>

class TestRunnerOptions : public QObject {
    Q_OBJECT

private slots:
    void usageErrors_data();
    void usageErrors();
    void soundCommandLine();
    void pressureKinds_data();
    void pressureKinds();
    void helpAndVersion_data();
    void helpAndVersion();
    void sweepValues_data();
    void sweepValues();
    void exitStatusesAsTheManualPage();
};

void TestRunnerOptions::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const QString a = QStringLiteral("a.trv");
    QTest::newRow("no file") << QStringList{ "--json" } << "no FILE given";
    QTest::newRow("unknown option") << QStringList{ "-x", a } << "unknown option '-x'";
    QTest::newRow("unknown long option") << QStringList{ a, "--bogus=1" } << "unknown option '--bogus=1'";
    QTest::newRow("unknown beside help") << QStringList{ "--help", "--bogus" } << "unknown option '--bogus'";
    QTest::newRow("value on a switch") << QStringList{ "--json=yes", a } << "--json takes no value";
    QTest::newRow("two formats") << QStringList{ "--json", "--csv", a }
                                 << "--json and --csv cannot be given together";
    QTest::newRow("set at the end") << QStringList{ a, "--set" } << "--set needs NAME=VALUE";
    QTest::newRow("set without =") << QStringList{ "--set", "spinTime", a }
                                   << "--set 'spinTime': NAME=VALUE expected";
    QTest::newRow("set unknown name")
        << QStringList{ "--set=hp=400", a }
        << "--set: unknown input 'hp'; the inputs are horsepower, dragCoefficient, carWeight, "
           "grillArea, windshieldArea, windshieldAngle, availableShifts, quarterMileShifts, "
           "spinTime";
    QTest::newRow("sweep without STEP") << QStringList{ "--sweep", "spinTime=1:2", a }
                                     << "--sweep 'spinTime=1:2': NAME=FROM:TO:STEP expected";
    for (const char* range : { "1:x:1", "1,5:2:1", "nan:2:1" })
        QTest::newRow(range) << QStringList{ "--sweep", QStringLiteral("spinTime=") + range, a }
                             << QStringLiteral("--sweep 'spinTime=%1': FROM, TO and STEP must be "
                                               "finite numbers").arg(range);
    QTest::newRow("backwards") << QStringList{ "--sweep=spinTime=2:1:-1", a }
                               << "--sweep 'spinTime=2:1:-1': STEP must be greater than 0";
    QTest::newRow("from above to") << QStringList{ "--sweep=spinTime=2:1:1", a }
                                   << "--sweep 'spinTime=2:1:1': FROM must not be greater than TO";
    QTest::newRow("one input swept twice") << QStringList{ "--sweep=spinTime=1:2:1", "--sweep=spinTime=1:2:1" }
                                           << "--sweep: spinTime is swept twice";
    QTest::newRow("three sweeps") << QStringList{ "--sweep=spinTime=1:2:1", "--sweep=carWeight=1:2:1",
                                                  "--sweep=horsepower=1:2:1" }
                                  << "at most two --sweep may be given";
    QTest::newRow("2 x 10^15 runs") << QStringList{ "--sweep=carWeight=1:1e15:1", a, a }
                                    << "the sweeps would make more than 1000000000000000 runs";
    QTest::newRow("a grid of 10^8 x 10^8")
        << QStringList{ "--sweep=carWeight=1:1e8:1", "--sweep=horsepower=1:1e8:1", a }
        << "the sweeps would make more than 1000000000000000 runs";
    for (const char* jobs : { "0", "257", "2.5", "x", "" })
        QTest::addRow("jobs '%s'", jobs) << QStringList{ "--jobs", jobs, a }
                                         << QStringLiteral("--jobs '%1': a whole number from 1 to 256 expected").arg(jobs);
    QTest::newRow("jobs at the end") << QStringList{ a, "--jobs" } << "--jobs needs N";
    QTest::newRow("too hot") << QStringList{ "--temperature=140.5", a }
                             << u"--temperature '140.5': The temperature must be between -40 and 140 °F."_qs;
    QTest::newRow("pressure not a number") << QStringList{ "--pressure", "29,9", a }
                                           << "--pressure '29,9': a number expected";
    QTest::newRow("humidity above 100") << QStringList{ "--humidity", "100.1", a }
                                        << "--humidity '100.1': The humidity must be between 0 and 100 %.";
    QTest::newRow("humidity at the end") << QStringList{ a, "--humidity" } << "--humidity needs a number";
    QTest::newRow("model unknown") << QStringList{ "--model=fast", a } << "--model 'fast': classic or road expected";
    QTest::newRow("two models") << QStringList{ "--model=road", "--model=classic", a }
                                << "--model classic and --model road cannot be given together";
    QTest::newRow("road key without the road model")
        << QStringList{ "--set=gears=6", a } << "--set: gears is a road key, which only --model road takes";
    QTest::newRow("road key's bad value") << QStringList{ "--set=tires=soft", "--model=road", a }
                                          << "--set 'tires=soft': The value of tires must be one of street, "
                                             "summer, track, dragRadial, slick.";
    QTest::newRow("choice swept") << QStringList{ "--model=road", "--sweep=tires=1:2:1", a }
                                  << "--sweep: tires is not a number; the road keys swept are those that are: "
                                     "gears, powerRpm, torque, torqueRpm, redline, frontalArea";
    QTest::newRow("pressure and altimeter") << QStringList{ "--altimeter=29.9", "--pressure=29", a }
                                            << "--pressure and --altimeter cannot be given together";
    QTest::newRow("elevation alone") << QStringList{ "--elevation=650", a }
                                     << "--elevation needs --altimeter or --pressure";
    QTest::newRow("elevation too high") << QStringList{ "--elevation=14001", "--pressure=20", a }
                                        << "--elevation '14001': The elevation must be between -1,500 and "
                                           "14,000 ft.";
    QTest::newRow("altimeter too high for the elevation")
        << QStringList{ "--altimeter=20", "--elevation=14000", a }
        << "--altimeter: The altimeter setting and the elevation give a station pressure of 11.75 inHg; it "
           "must be between 20 and 32 inHg.";
}

void TestRunnerOptions::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QCOMPARE(ParseOptions(arguments).error, error);
}

void TestRunnerOptions::soundCommandLine()
{
    const ParsedOptions parsed
        = ParseOptions({ "--csv", "--set", "spinTime=1", "b.trv", "--set=horsepower=4=5",
                         "--sweep=carWeight=1:250000:1", "--jobs=3", "-", "--sweep", "spinTime=0:1e8:1",
                         "--", "--json", "-x" });
    QCOMPARE(parsed.error, QString());
    QCOMPARE(parsed.options.format, OutputFormat::Csv);
    QCOMPARE(parsed.options.files, QStringList({ "b.trv", "-", "--json", "-x" }));
    QCOMPARE(parsed.options.changes.size(), 2u);
    QCOMPARE(parsed.options.changes[1].text, QStringLiteral("4=5"));
    QCOMPARE(parsed.options.jobs, 3);
    QCOMPARE(parsed.options.sweeps.size(), 2u);
    QCOMPARE(parsed.options.sweeps[1].field, InputField::SpinTime);
    // Four files by 250,000 by 100,000,001 values: within the bound.
    QCOMPARE(parsed.options.RunsPerCar(), 250000LL * 100000001LL);
    // By default one job for each core.
    QVERIFY(ParseOptions({ "b.trv" }).options.jobs >= 1);
}

// The pressure as racers have it: a station pressure as given, an
// altimeter setting as the station pressure it stands for at the
// elevation, and a warning for one that looks like the other kind.
void TestRunnerOptions::pressureKinds_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("station");
    QTest::addColumn<bool>("warned");
    QTest::newRow("standard day") << QStringList() << AirConditions().pressure << false;
    QTest::newRow("station pressure alone") << QStringList{ "--pressure=24.9" } << 24.9 << false;
    QTest::newRow("station pressure at its elevation")
        << QStringList{ "--pressure=24.9", "--elevation=5050" } << 24.9 << false;
    QTest::newRow("altimeter setting as station pressure")
        << QStringList{ "--pressure=29.45", "--elevation=5050" } << 29.45 << true;
    QTest::newRow("altimeter setting at sea level") << QStringList{ "--altimeter=29.92" } << 29.92 << false;
    QTest::newRow("altimeter setting at 5,050 ft") << QStringList{ "--elevation=5050", "--altimeter=29.45" }
                                                  << StationPressureFromAltimeter(29.45, 5050) << false;
    QTest::newRow("station pressure as altimeter setting")
        << QStringList{ "--altimeter=24.9" } << 24.9 << true;
}

void TestRunnerOptions::pressureKinds()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, station);
    QFETCH(bool, warned);
    const ParsedOptions parsed = ParseOptions(arguments + QStringList{ "a.trv" });
    QCOMPARE(parsed.error, QString());
    QCOMPARE(parsed.options.air.pressure, station);
    QCOMPARE(!parsed.options.PressureWarning().isEmpty(), warned);
}

void TestRunnerOptions::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("help");
    QTest::addColumn<bool>("version");
    QTest::newRow("--help") << QStringList{ "--help" } << true << false;
    QTest::newRow("-h") << QStringList{ "a.trv", "-h" } << true << false;
    QTest::newRow("--version") << QStringList{ "--version" } << false << true;
    QTest::newRow("-v") << QStringList{ "-v" } << false << true;
    QTest::newRow("grouped, first wins") << QStringList{ "-vh" } << false << true;
    QTest::newRow("help ends the reading") << QStringList{ "--help", "--sweep=x" } << true << false;
    QTest::newRow("after --") << QStringList{ "--", "-h" } << false << false;
}

void TestRunnerOptions::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, help);
    QFETCH(bool, version);
    const ParsedOptions parsed = ParseOptions(arguments);
    QCOMPARE(parsed.options.help, help);
    QCOMPARE(parsed.options.version, version);
    QCOMPARE(parsed.error.isEmpty(), true);
}

void TestRunnerOptions::sweepValues_data()
{
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("values");
    QTest::newRow("whole steps") << "1:3:1" << "1 2 3";
    QTest::newRow("to reached up to rounding") << "0:0.3:0.1" << "0 0.1 0.2 0.30000000000000004";
    QTest::newRow("to between steps") << "0.2:0.39:0.1" << "0.2 0.30000000000000004";
    QTest::newRow("one value") << "5:5:1" << "5";
    QTest::newRow("values that repeat") << "1e16:1e16:1" << "1e+16 1e+16";
}

void TestRunnerOptions::sweepValues()
{
    QFETCH(QString, range);
    QFETCH(QString, values);
    QStringList texts;
    const Sweep sweep = ParseOptions({ "--sweep=spinTime=" + range, "a.trv" }).options.sweeps.at(0);
    for (long long k = 0; k < sweep.count; ++k)
        texts.append(QString::fromLatin1(ShortestText(sweep.Value(k))));
    QCOMPARE(texts.join(u' '), values);
}

// Each exit status with its causes, word for word the same in --help and in
// the manual page's EXIT STATUS (its markup aside).
void TestRunnerOptions::exitStatusesAsTheManualPage()
{
    QMap<int, QString> help;
    const QString helpText = HelpText();
    static const QRegularExpression helpEntry(QStringLiteral("\n  (\\d)  ((?:.|\n     )*)"));
    for (const QRegularExpressionMatch& entry :
         helpEntry.globalMatch(helpText, helpText.indexOf(QLatin1String("Exit status:"))))
        help[entry.captured(1).toInt()] = entry.captured(2).simplified();

    QFile page(QStringLiteral(TORVANE_RUN_MANUAL_PAGE));
    QVERIFY(page.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString roff = QString::fromUtf8(page.readAll());
    const qsizetype start = roff.indexOf(QLatin1String(".SH EXIT STATUS\n"));
    QVERIFY(start >= 0);
    QMap<int, QString> manual;
    for (const QString& entry : roff.mid(start, roff.indexOf(QLatin1String("\n.SH "), start + 1) - start)
                                    .split(QStringLiteral(".TP\n")).mid(1)) {
        QStringList words;
        for (const QString& line : entry.split(u'\n', Qt::SkipEmptyParts)) {
            // .B and .I join their words with spaces, .BR and .IR run theirs together.
            const QString request = line.startsWith(u'.') ? line.section(u' ', 0, 0) : QString();
            const QStringList parts = line.mid(request.size()).split(u' ', Qt::SkipEmptyParts);
            words << (request.size() == 3 ? parts.join(QString()) : parts.join(u' '));
        }
        const int status = words.takeFirst().toInt();
        manual[status] = words.join(u' ').replace(QLatin1String("\\-"), QLatin1String("-")).simplified();
    }
    QCOMPARE(manual.keys(), QList<int>({ 0, 1, 2, 3 }));
    QCOMPARE(manual, help);
}

QTEST_GUILESS_MAIN(TestRunnerOptions)
#include "tst_runneroptions.moc"
