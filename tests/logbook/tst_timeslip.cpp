// SPDX-License-Identifier: GPL-3.0-or-later
// A run's checks and its date texts: what the logbook, the table and an
// import refuse, and the messages that say why.
#include "logbook/TimeSlip.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

TimeSlip quarterMileRun()
{
    TimeSlip run;
    run.sixtyFootTime = 1.95;
    run.eighthMileTime = 8.9;
    run.quarterMileTime = 13.8;
    run.quarterMileSpeed = 101.5;
    return run;
}

using Change = std::function<void(TimeSlip&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class TestTimeSlip : public QObject {
    Q_OBJECT

private slots:
    void problems_data();
    void problems();
    void problemsByKey();
    void problemsInTheLocale();
    void typedNumbers_data();
    void typedNumbers();
    void dates_data();
    void dates();
};

void TestTimeSlip::problems_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("problem");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("a quarter-mile run") << Change([](TimeSlip&) {}) << "";
    QTest::newRow("an eighth-mile run") << Change([](TimeSlip& r) {
        r.quarterMileTime.reset();
        r.quarterMileSpeed.reset();
        r.eighthMileSpeed = 80.2;
    }) << "";
    QTest::newRow("a red light") << Change([](TimeSlip& r) { r.reactionTime = -0.012; }) << "";
    QTest::newRow("quarter-mile speed missing, no eighth-mile speed")
        << Change([](TimeSlip& r) { r.quarterMileSpeed.reset(); })
        << "A run needs the quarter-mile time and the quarter-mile speed, or the 1/8-mile time and the 1/8-mile speed.";
    // Every number within what a strip and its weather can give; the
    // weather as the air's boxes take it.
    QTest::newRow("negative time") << Change([](TimeSlip& r) { r.quarterMileTime = -13.8; })
                                   << "The quarter-mile time must lie between 3 and 30 s (it is -13.8).";
    QTest::newRow("an absurd time") << Change([](TimeSlip& r) { r.quarterMileTime = 1e308; })
                                    << "The quarter-mile time must lie between 3 and 30 s (it is 1e+308).";
    QTest::newRow("zero speed") << Change([](TimeSlip& r) { r.quarterMileSpeed = 0.0; })
                                << "The quarter-mile speed must lie between 20 and 350 mph (it is 0).";
    QTest::newRow("an absurd 1/8-mile speed") << Change([](TimeSlip& r) { r.eighthMileSpeed = 1e308; })
                                              << "The 1/8-mile speed must lie between 20 and 350 mph (it is 1e+308).";
    QTest::newRow("a 60-foot time too long") << Change([](TimeSlip& r) { r.sixtyFootTime = 4.5; })
                                             << "The 60-foot time must lie between 0.8 and 4 s (it is 4.5).";
    QTest::newRow("a 330-foot time too short") << Change([](TimeSlip& r) { r.threeThirtyFootTime = 1.4; })
                                               << "The 330-foot time must lie between 1.5 and 15 s (it is 1.4).";
    QTest::newRow("a 1000-foot time too long") << Change([](TimeSlip& r) { r.thousandFootTime = 27.0; })
                                               << "The 1000-foot time must lie between 2.5 and 26 s (it is 27).";
    QTest::newRow("a 1/8-mile time too short") << Change([](TimeSlip& r) { r.eighthMileTime = 1.9; })
                                               << "The 1/8-mile time must lie between 2 and 20 s (it is 1.9).";
    QTest::newRow("a reaction time too long") << Change([](TimeSlip& r) { r.reactionTime = 2.5; })
                                              << "The reaction time must lie between 0 and 2 s, or down to -1.5 s for a red light (it is 2.5).";
    QTest::newRow("a red light too early") << Change([](TimeSlip& r) { r.reactionTime = -1.6; })
                                           << "The reaction time must lie between 0 and 2 s, or down to -1.5 s for a "
                                              "red light (it is -1.6).";
    QTest::newRow("humidity over 100") << Change([](TimeSlip& r) { r.humidity = 101.0; })
                                       << "The humidity must be between 0 and 100 %.";
    QTest::newRow("no pressure") << Change([](TimeSlip& r) { r.pressure = 0.0; })
                                 << "The station pressure must be between 20 and 32 inHg.";
    QTest::newRow("an absurd pressure") << Change([](TimeSlip& r) { r.pressure = 0.001; })
                                        << "The station pressure must be between 20 and 32 inHg.";
    QTest::newRow("below absolute zero") << Change([](TimeSlip& r) { r.temperature = -500.0; })
                                         << "The temperature must be between -40 and 140 °F.";
    QTest::newRow("an absurd temperature") << Change([](TimeSlip& r) { r.temperature = 1e308; })
                                           << "The temperature must be between -40 and 140 °F.";
    QTest::newRow("an elevation above any track") << Change([](TimeSlip& r) { r.elevation = 14001.0; })
                                                  << "The elevation must be between -1,500 and 14,000 ft.";
    QTest::newRow("the ends of the ranges") << Change([](TimeSlip& r) {
        r.temperature = -40.0;
        r.pressure = 32.0;
        r.elevation = -1500.0;
        r.reactionTime = -1.5;
        r.sixtyFootTime = 0.8;
        r.quarterMileSpeed = 350.0;
    }) << "";
    QTest::newRow("not a number") << Change([nan](TimeSlip& r) { r.elevation = nan; })
                                  << "The elevation is not a finite number.";
    QTest::newRow("infinite") << Change([inf](TimeSlip& r) { r.reactionTime = inf; })
                              << "The reaction time is not a finite number.";
    QTest::newRow("splits out of order") << Change([](TimeSlip& r) { r.threeThirtyFootTime = 1.5; })
                                         << "The 330-foot time (1.5 s) must be longer than the 60-foot time (1.95 s).";
    QTest::newRow("a missing split is skipped") << Change([](TimeSlip& r) { r.thousandFootTime = 13.9; })
                                                << "The quarter-mile time (13.8 s) must be longer than the 1000-foot "
                                                   "time (13.9 s).";
    QTest::newRow("a time without a date") << Change([](TimeSlip& r) { r.time = QTime(14, 30); })
                                           << "A run with a time needs a date.";
    QTest::newRow("milliseconds") << Change([](TimeSlip& r) {
        r.date = QDate(2024, 5, 4);
        r.time = QTime(14, 30, 15, 250);
    }) << "A run's time is kept in whole seconds, without the 250 ms this one has.";
}

void TestTimeSlip::problems()
{
    QFETCH(Change, change);
    QFETCH(QString, problem);
    TimeSlip run = quarterMileRun();
    change(run);
    QCOMPARE(SlipProblem(run), problem);
}

void TestTimeSlip::problemsByKey()
{
    TimeSlip run = quarterMileRun();
    run.quarterMileSpeed.reset();
    QCOMPARE(SlipProblem(run, FieldNaming::Keys),
             "A run needs quarterMileTime and quarterMileSpeed, or eighthMileTime and eighthMileSpeed.");
    run = quarterMileRun();
    run.sixtyFootTime = -1.0;
    QCOMPARE(SlipProblem(run, FieldNaming::Keys), "sixtyFootTime must lie between 0.8 and 4 s (it is -1).");
    run = quarterMileRun();
    run.humidity = 101.0;
    QCOMPARE(SlipProblem(run, FieldNaming::Keys), "humidity: The humidity must be between 0 and 100 %.");
}

void TestTimeSlip::problemsInTheLocale()
{
    // The sentence's numbers follow the user's locale, never grouped.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TimeSlip run = quarterMileRun();
    run.threeThirtyFootTime = 1.5;
    const QString splits = SlipProblem(run);
    run = quarterMileRun();
    run.quarterMileSpeed = 25267.5;
    const QString range = SlipProblem(run);
    QLocale::setDefault(QLocale::c());
    QCOMPARE(splits, "The 330-foot time (1,5 s) must be longer than the 60-foot time (1,95 s).");
    QCOMPARE(range, "The quarter-mile speed must lie between 20 and 350 mph (it is 25267,5).");
}

void TestTimeSlip::typedNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("number"); // NaN: none
    QTest::addColumn<QString>("problem");
    const double none = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("the locale's comma") << "13,42" << 13.42 << "";
    QTest::newRow("a point") << "13.42" << 13.42 << "";
    QTest::newRow("empty clears") << " " << none << "";
    QTest::newRow("grouped digits") << "1.234,5" << none
                                    << "\"1.234,5\" is not a number for the quarter-mile time: write it with "
                                       "\",\" or \".\" as the decimal point.";
    QTest::newRow("a word") << "fast" << none
                            << "\"fast\" is not a number for the quarter-mile time: write it with \",\" or \".\" "
                               "as the decimal point.";
}

void TestTimeSlip::typedNumbers()
{
    QFETCH(QString, typed);
    QFETCH(double, number);
    QFETCH(QString, problem);
    // As the runs table and a new run's fields read them under de_DE.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TimeSlip run = quarterMileRun();
    QCOMPARE(SetTypedNumber(run, SlipField::QuarterMileTime, typed), problem);
    QLocale::setDefault(QLocale::c());
    if (!problem.isEmpty())
        QCOMPARE(run.quarterMileTime, quarterMileRun().quarterMileTime);
    else if (std::isnan(number))
        QVERIFY(!run.quarterMileTime);
    else
        QCOMPARE(run.quarterMileTime, std::optional<double>(number));
}

void TestTimeSlip::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("written");
    QTest::newRow("date") << "2024-05-04" << true << QDate(2024, 5, 4) << QTime() << "2024-05-04";
    QTest::newRow("with a time") << "2024-05-04 14:30" << true << QDate(2024, 5, 4) << QTime(14, 30)
                                 << "2024-05-04 14:30";
    QTest::newRow("T and seconds") << "2024-05-04T14:30:15" << true << QDate(2024, 5, 4) << QTime(14, 30, 15)
                                   << "2024-05-04 14:30:15";
    QTest::newRow("zero seconds") << "2024-05-04T09:05:00" << true << QDate(2024, 5, 4) << QTime(9, 5)
                                  << "2024-05-04 09:05";
    QTest::newRow("spaces around") << " 2024-05-04 " << true << QDate(2024, 5, 4) << QTime() << "2024-05-04";
    QTest::newRow("nothing") << "" << true << QDate() << QTime() << "";
    QTest::newRow("day first") << "04/05/2024" << false << QDate() << QTime() << "";
    QTest::newRow("short month") << "2024-5-04" << false << QDate() << QTime() << "";
    QTest::newRow("no such day") << "2024-02-30" << false << QDate() << QTime() << "";
    QTest::newRow("no such hour") << "2024-05-04 24:00" << false << QDate() << QTime() << "";
    QTest::newRow("a time zone") << "2024-05-04T14:30Z" << false << QDate() << QTime() << "";
    QTest::newRow("fractions of a second") << "2024-05-04T14:30:15.5" << false << QDate() << QTime() << "";
    QTest::newRow("year 0") << "0000-01-01" << false << QDate() << QTime() << "";
}

void TestTimeSlip::dates()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, written);
    TimeSlip run;
    QCOMPARE(ReadSlipDate(text, run.date, run.time), read);
    if (!read)
        return;
    QCOMPARE(run.date, date);
    QCOMPARE(run.time, time);
    QCOMPARE(SlipDateText(run), written);
}

QTEST_GUILESS_MAIN(TestTimeSlip)
#include "tst_timeslip.moc"
