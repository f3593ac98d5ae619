// SPDX-License-Identifier: GPL-3.0-or-later
// The table of a car's runs: its headers, the numbers as shown in a
// comma-decimal locale, edits saved through the logbook (read back by a
// second connection) or refused with a message, and rows that follow the
// logbook's order as runs are added, moved by a new date and deleted; the
// density altitude and standard-day time of a run's weather.
#include "logbook/Logbook.h"
#include "logbook/SlipTableModel.h"
#include "SampleRuns.h"
#include "numbers/Air.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

TimeSlip runOn(const QDate& date)
{
    TimeSlip run;
    run.date = date;
    run.quarterMileTime = 14.0;
    run.quarterMileSpeed = 99.0;
    return run;
}

QStringList rowTexts(const SlipTableModel& model, int row, int role)
{
    QStringList texts;
    for (int column = 0; column < model.columnCount(); ++column)
        texts << model.data(model.index(row, column), role).toString();
    return texts;
}

} // namespace

class TestSlipTableModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheRuns_data();
    void showsTheRuns();
    void edits_data();
    void edits();
    void dialInColumns_data();
    void dialInColumns();
    void rowsFollowTheLogbook();
    void notEditableWithoutAWritableLogbook();

private:
    QTemporaryDir dir;
    QString path;
    Logbook book;
    qint64 carId = 0;
    qint64 fullRunId = 0;
};

void TestSlipTableModel::initTestCase()
{
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(dir.isValid());
}

void TestSlipTableModel::init()
{
    path = dir.filePath(QStringLiteral("%1.sqlite").arg(QTest::currentTestFunction()));
    QCOMPARE(book.Open(path), QString());
    LoggedCar car = SportsCar();
    QCOMPARE(book.AddCar(car), QString());
    carId = car.id;
    TimeSlip run = FullRun();
    run.carId = carId;
    QCOMPARE(book.AddSlip(run), QString());
    fullRunId = run.id;
}

void TestSlipTableModel::cleanup()
{
    book.Close();
    QFile::remove(path);
}

void TestSlipTableModel::showsTheRuns_data()
{
    QTest::addColumn<bool>("inBackground");
    QTest::newRow("read at once") << false;
    QTest::newRow("read on a worker thread") << true;
}

void TestSlipTableModel::showsTheRuns()
{
    QFETCH(bool, inBackground);
    TimeSlip sparse = runOn(QDate(2024, 6, 1));
    sparse.carId = carId;
    QCOMPARE(book.AddSlip(sparse), QString());
    SlipTableModel model(book);
    if (inBackground) {
        QSignalSpy loaded(&model, &SlipTableModel::loaded);
        model.LoadCar(carId);
        // Nothing to edit until the runs are read.
        QVERIFY(model.Loading());
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(loaded.wait());
        QCOMPARE(loaded.front().front().toString(), QString());
        QVERIFY(!model.Loading());
        QVERIFY(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    } else {
        QCOMPARE(model.SetCar(carId), QString());
    }
    QCOMPARE(model.rowCount(), 2);
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{ "Date", "Track", "Elevation (ft)", "Temperature (°F)", "Pressure (inHg)",
                                    "Humidity (%)", "Reaction (s)", "60 ft (s)", "330 ft (s)", "1/8 mile (s)",
                                    "1/8 mile (mph)", "1000 ft (s)", "1/4 mile (s)", "1/4 mile (mph)", "Note",
                                    "DA (ft)", "1/4 mile, std. day (s)" }));
    const AirFigures air = FiguresFor(AirConditions{ 71.5, 29.41, 47 });
    QCOMPARE(model.headerData(12, Qt::Horizontal, Qt::ToolTipRole).toString(), "quarter-mile time, in s");
    QCOMPARE(rowTexts(model, 0, Qt::DisplayRole),
             (QStringList{ "04.05.24 14:30", "Ennis", "520", "71,5", "29,41", "47", "0,512", "1,953", "5,610",
                           "8,870", "80,12", "11,620", "13,790", "101,55", "first pass",
                           QString::asprintf("%.0f", air.densityAltitude),
                           QString::asprintf("%.3f", 13.79 / std::cbrt(air.correctionFactor)).replace('.', ',') }));
    QCOMPARE(rowTexts(model, 0, Qt::EditRole),
             (QStringList{ "2024-05-04 14:30", "Ennis", "520", "71.5", "29.41", "47", "0.512", "1.953", "5.61",
                           "8.87", "80.12", "11.62", "13.79", "101.55", "first pass", "", "" }));
    QCOMPARE(rowTexts(model, 1, Qt::DisplayRole),
             (QStringList{ "01.06.24", "", "", "", "", "", "", "", "", "", "", "", "14,000", "99,00", "", "",
                           "" }));
    QCOMPARE(model.data(model.index(1, 2), SlipTableModel::SortRole).toDouble(),
             -std::numeric_limits<double>::infinity());
    QCOMPARE(model.data(model.index(0, 2), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
}

void TestSlipTableModel::edits_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("shown");   // after the edit
    QTest::addColumn<QString>("refusal"); // empty when the edit is saved
    QTest::newRow("a time typed") << 12 << QVariant("13.65") << "13,650" << "";
    QTest::newRow("a number given") << 13 << QVariant(102.25) << "102,25" << "";
    QTest::newRow("the humidity cleared") << 5 << QVariant("") << "" << "";
    // A date shows in the locale's short form, however it was typed.
    QTest::newRow("a date and time") << 0 << QVariant("2024-05-05T09:15") << "05.05.24 09:15" << "";
    QTest::newRow("a US date") << 0 << QVariant("5/6/2024") << "06.05.24" << "";
    QTest::newRow("a note") << 14 << QVariant("new slicks, \"soft\"") << "new slicks, \"soft\"" << "";
    // The user's locale (German here) or the point.
    QTest::newRow("a decimal comma") << 12 << QVariant("13,65") << "13,650" << "";
    QTest::newRow("digits grouped") << 13 << QVariant("1.020,5") << "101,55"
                                    << "\"1.020,5\" is not a number for the quarter-mile speed: write it with \",\" or "
                                       "\".\" as the decimal point.";
    QTest::newRow("the trap speed cleared, the 1/8 mile's kept") << 13 << QVariant("") << "" << "";
    QTest::newRow("a 330-foot time before the 60-foot")
        << 8 << QVariant("1.9") << "5,610" << "The 330-foot time (1,9 s) must be longer than the 60-foot time (1,953 s).";
    QTest::newRow("an absurd temperature") << 3 << QVariant("1e308") << "71,5"
                                           << "The temperature must be between -40 and 140 °F.";
    QTest::newRow("not a date") << 0 << QVariant("5/5") << "04.05.24 14:30"
                                << "\"5/5\" is not a date of the form YYYY-MM-DD, dd.MM.yy, m/d/yyyy, optionally with "
                                   "a time HH:MM or HH:MM:SS.";
}

void TestSlipTableModel::edits()
{
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(QString, shown);
    QFETCH(QString, refusal);
    SlipTableModel model(book);
    QCOMPARE(model.SetCar(carId), QString());
    QSignalSpy refused(&model, &SlipTableModel::refused);
    QSignalSpy changed(&model, &SlipTableModel::dataChanged);
    const QModelIndex cell = model.index(0, column);
    QCOMPARE(model.setData(cell, value), refusal.isEmpty());
    QCOMPARE(model.data(cell).toString(), shown);
    QCOMPARE(refused.size(), refusal.isEmpty() ? 0 : 1);
    if (!refusal.isEmpty())
        QCOMPARE(refused.front().front().toString(), refusal);
    QCOMPARE(changed.size(), refusal.isEmpty() ? 1 : 0);

    // What another connection reads from the file is what the table shows.
    Logbook other;
    QCOMPARE(other.Open(path, Logbook::OpenMode::Existing), QString());
    const LogbookRead<std::optional<TimeSlip>> stored = other.Run(fullRunId);
    QCOMPARE(stored.error, QString());
    QCOMPARE(*stored.value, model.RunAt(0));
    if (!refusal.isEmpty())
        QCOMPARE(*stored.value, [this] {
            TimeSlip run = FullRun();
            run.id = fullRunId;
            run.carId = carId;
            return run;
        }());
}

void TestSlipTableModel::dialInColumns_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("humidity");
    QTest::newRow("hot, high and humid") << 95.0 << 24.9 << 60.0;
    QTest::newRow("cold, low and dry") << 40.0 << 30.2 << 0.0;
}

// The two columns are the core's air figures of the run's weather: its
// density altitude, and its time with the day's power loss taken out (a
// hot, high day's time is longer than the car's standard-day time).
void TestSlipTableModel::dialInColumns()
{
    QFETCH(double, temperature);
    QFETCH(double, pressure);
    QFETCH(double, humidity);
    TimeSlip run = runOn(QDate(2024, 7, 1));
    run.carId = carId;
    run.temperature = temperature;
    run.pressure = pressure;
    run.humidity = humidity;
    QCOMPARE(book.AddSlip(run), QString());
    SlipTableModel model(book);
    QCOMPARE(model.SetCar(carId), QString());
    const int row = model.RowOfRun(run.id);
    const AirFigures air = FiguresFor(AirConditions{ temperature, pressure, humidity });
    const double altitude =
        model.data(model.index(row, SlipTableModel::DensityAltitudeColumn), SlipTableModel::SortRole).toDouble();
    const double corrected =
        model.data(model.index(row, SlipTableModel::StandardDayTimeColumn), SlipTableModel::SortRole).toDouble();
    QCOMPARE(altitude, air.densityAltitude);
    QVERIFY(std::abs(corrected - 14.0 * std::pow(air.correctionFactor, -1.0 / 3)) < 1e-12);
    QCOMPARE(corrected < 14.0, air.correctionFactor > 1);
    QVERIFY(!(model.flags(model.index(row, SlipTableModel::StandardDayTimeColumn)) & Qt::ItemIsEditable));
}

void TestSlipTableModel::rowsFollowTheLogbook()
{
    SlipTableModel model(book);
    QCOMPARE(model.SetCar(carId), QString());
    QSignalSpy inserted(&model, &SlipTableModel::rowsInserted);
    QSignalSpy moved(&model, &SlipTableModel::rowsMoved);
    QSignalSpy removed(&model, &SlipTableModel::rowsRemoved);

    // Added before the first run and after it, each in its place.
    TimeSlip earlier = runOn(QDate(2024, 4, 1));
    TimeSlip later = runOn(QDate(2024, 7, 1));
    QCOMPARE(model.AddSlip(later), QString());
    QCOMPARE(model.AddSlip(earlier), QString());
    QCOMPARE(inserted.size(), 2);
    QCOMPARE(inserted[0][1].toInt(), 1);
    QCOMPARE(inserted[1][1].toInt(), 0);
    QCOMPARE(model.RowOfRun(earlier.id), 0);
    QCOMPARE(model.RowOfRun(fullRunId), 1);
    QCOMPARE(model.RowOfRun(later.id), 2);

    // A new date moves the run's row to its place.
    QVERIFY(model.setData(model.index(0, 0), "2024-12-24"));
    QCOMPARE(moved.size(), 1);
    QCOMPARE(model.RowOfRun(earlier.id), 2);
    QCOMPARE(model.RowOfRun(later.id), 1);

    QCOMPARE(model.DeleteSlip(fullRunId), QString());
    QCOMPARE(removed.size(), 1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.DeleteSlip(fullRunId), QStringLiteral("The run with the id %1 is not in the logbook.").arg(fullRunId));

    // The table as the logbook lists the runs.
    const QList<TimeSlip> shown = { model.RunAt(0), model.RunAt(1) };
    QCOMPARE(book.Runs(carId).value, shown);
    QCOMPARE(model.Reload(), QString());
    QCOMPARE(model.RunAt(0), shown[0]);
}

void TestSlipTableModel::notEditableWithoutAWritableLogbook()
{
    SlipTableModel model(book);
    QCOMPARE(model.SetCar(carId), QString());
    QVERIFY(model.flags(model.index(0, 12)).testFlag(Qt::ItemIsEditable));
    book.Close();
    QVERIFY(!model.flags(model.index(0, 12)).testFlag(Qt::ItemIsEditable));
    QSignalSpy refused(&model, &SlipTableModel::refused);
    QVERIFY(!model.setData(model.index(0, 12), "13.5"));
    QCOMPARE(refused.front().front().toString(), "No logbook is open.");
}

QTEST_GUILESS_MAIN(TestSlipTableModel)
#include "tst_sliptablemodel.moc"
