// SPDX-License-Identifier: GPL-3.0-or-later
// The logbook file on a real disk: a new logbook and one of version 1 brought
// up to date, cars and runs kept and read back, the schema's own checks,
// every file refused and left byte for byte, a read-only logbook, a second
// writer waiting for the first, a kill in the middle of saving, and a full
// disk.
#include "logbook/Logbook.h"
#include "FileSupport.h"
#include "SampleRuns.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <atomic>
#include <csignal>
#include <functional>
#include <thread>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs statements on the file through a connection of its own, as another
// program would; returns the first value the last one gives, or the error.
QVariant rawSql(const QString& path, const QStringList& statements)
{
    const QString name = QUuid::createUuid().toString();
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            return db.lastError().text();
        QSqlQuery query(db);
        query.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
        for (const QString& statement : statements) {
            if (!query.exec(statement)) {
                result = query.lastError().databaseText();
                break;
            }
            result = query.next() ? query.value(0) : QVariant();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// A run that differs with `i`.
TimeSlip sampleRun(qint64 carId, int i)
{
    TimeSlip run;
    run.carId = carId;
    run.date = QDate(2024, 1, 1).addDays(i % 300);
    run.track = QStringLiteral("Track %1").arg(i);
    run.temperature = 60.0 + i % 30;
    run.quarterMileTime = 13.5 + (i % 50) * 0.01;
    run.quarterMileSpeed = 101.0 + (i % 7) * 0.1;
    run.note = QStringLiteral("pass %1 with a note long enough to fill pages").arg(i);
    return run;
}

// A logbook at `path` holding the sports car and `runs` runs; closed again.
qint64 makeLogbook(const QString& path, int runs)
{
    Logbook book;
    if (!book.Open(path).isEmpty())
        return 0;
    LoggedCar car = SportsCar();
    if (!book.AddCar(car).isEmpty())
        return 0;
    QList<TimeSlip> list;
    for (int i = 0; i < runs; ++i)
        list << sampleRun(car.id, i);
    if (!book.AddSlips(car.id, list).isEmpty())
        return 0;
    return car.id;
}

QList<qint64> idsOf(const QList<TimeSlip>& runs)
{
    QList<qint64> ids;
    for (const TimeSlip& run : runs)
        ids << run.id;
    return ids;
}

// A small tmpfs mounted for one test and unmounted at its end (needs root).
struct SmallDisk {
    explicit SmallDisk(const QString& path, const char* size) : path(path)
    {
        QDir().mkpath(path);
        mounted = ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", 0,
                          QByteArray("size=").append(size).constData())
                  == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            ::umount(QFile::encodeName(path).constData());
    }
    bool MakeReadOnly() const
    {
        return ::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    QString path;
    bool mounted = false;
};

// Another program's connection to the file, in the middle of a change: the
// statements run inside BEGIN IMMEDIATE, and the change is ended by End(),
// or rolled back when the connection goes.
class ChangeUnderWay {
public:
    ChangeUnderWay(const QString& path, const QStringList& statements)
        : name(QUuid::createUuid().toString())
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        begun = db.open();
        QSqlQuery query(db);
        for (const QString& statement : statements)
            begun = begun && query.exec(statement);
    }
    ~ChangeUnderWay()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    bool End(const char* how) { return QSqlQuery(QSqlDatabase::database(name, false)).exec(how); }

    bool begun = false;

private:
    QString name;
};

// Copies the logbook at `from` to `path` as a program killed while saving a
// change leaves it: beside the file, a journal SQLite must roll back before
// anything is read (a hot journal). Unsynced, the journal is marked valid
// as soon as it is written.
void copyWithUnfinishedChange(const QString& from, const QString& path)
{
    ChangeUnderWay change(from, { "PRAGMA synchronous = OFF", "BEGIN IMMEDIATE", "UPDATE cars SET name = 'Half-saved'" });
    QVERIFY(change.begun);
    QVERIFY(QFile::copy(from, path));
    QVERIFY(QFile::copy(from + "-journal", path + "-journal"));
}

using MakeFile = std::function<void(const QString& path)>;

} // namespace

Q_DECLARE_METATYPE(MakeFile)
Q_DECLARE_METATYPE(Logbook::OpenMode)

class TestLogbook : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }

    void defaultPath();
    void newLogbook_data();
    void newLogbook();
    void versionOneBroughtUpToDate();
    void versionTwoGivesEachCarAnIdentity();
    void runsMoveToAnotherCar();
    void carsAndRuns();
    void anImportIsOneChange();
    void aLogbookCheckedLaterIsNotWrittenTill();
    void twoWindowsChangeOnlyWhatTheyLeft_data();
    void twoWindowsChangeOnlyWhatTheyLeft();
    void schemaChecks_data();
    void schemaChecks();
    void refusedAndLeftAlone_data();
    void refusedAndLeftAlone();
    void onlyRegularFilesAreOpened();
    void readOnlyLogbook();
    void aSecondWriterWaits();
    void aKillLosesAtMostTheChangeBeingSaved_data();
    void aKillLosesAtMostTheChangeBeingSaved();
    void fullDiskKeepsTheLogbookWhole();

private:
    QTemporaryDir dir;
};

void TestLogbook::defaultPath()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(Logbook::DefaultPath(),
             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/logbook.sqlite");
    QStandardPaths::setTestModeEnabled(false);
}

void TestLogbook::newLogbook_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<MakeFile>("make");
    QTest::newRow("no file, no folder") << "new/folder/logbook.sqlite" << MakeFile([](const QString&) {});
    QTest::newRow("an empty file") << "empty.sqlite" << MakeFile([](const QString& path) { writeAll(path, {}); });
    QTest::newRow("an SQLite file without tables")
        << "blank.sqlite"
        << MakeFile([](const QString& path) { rawSql(path, { "CREATE TABLE t (x)", "DROP TABLE t" }); });
}

void TestLogbook::newLogbook()
{
    QFETCH(QString, name);
    QFETCH(MakeFile, make);
    const QString path = dir.filePath(name);
    make(path);
    Logbook book;
    QCOMPARE(book.Open(path), QString());
    QVERIFY(book.IsOpen());
    QVERIFY(!book.IsReadOnly());
    QCOMPARE(book.Path(), path);
    book.Close();
    QCOMPARE(rawSql(path, { "PRAGMA user_version" }).toInt(), Logbook::SchemaVersion);
    QCOMPARE(rawSql(path, { "PRAGMA application_id" }).toInt(), Logbook::ApplicationId);
    QCOMPARE(rawSql(path, { "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_schema "
                            "WHERE type = 'table' ORDER BY name)" })
                 .toString(),
             "cars runs sqlite_sequence");
}

// A file written by version 1 (with a car from a .trv file, a quarter-mile
// run with every field and an eighth-mile run) opens with its contents.
void TestLogbook::versionOneBroughtUpToDate()
{
    const QString path = dir.filePath("v1.sqlite");
    QVERIFY(QFile::copy(TORVANE_LOGBOOK_TEST_DATA "/logbook-v1.sqlite", path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    Logbook book;
    QCOMPARE(book.Open(path, Logbook::OpenMode::Existing), QString());
    const LogbookRead<std::optional<LoggedCar>> car = book.FindCarByFile("/home/driver/cars/sports.trv");
    QCOMPARE(car.error, QString());
    QVERIFY(car.value);
    QCOMPARE(car.value->name, "Sports car");
    QCOMPARE(car.value->inputs, CarTexts::DefaultCar());
    const LogbookRead<QList<TimeSlip>> runs = book.Runs(car.value->id);
    QCOMPARE(runs.error, QString());
    QCOMPARE(runs.value.size(), 2);
    TimeSlip full = FullRun();
    full.id = 1;
    full.carId = car.value->id;
    QCOMPARE(runs.value[0], full);
    const TimeSlip& eighth = runs.value[1];
    QCOMPARE(eighth.track, "Eighth-mile strip");
    QVERIFY(!eighth.time.isValid());
    QVERIFY(!eighth.quarterMileTime);
    QCOMPARE(eighth.eighthMileSpeed, 79.4);
    // The runs keep their ids, and a deleted run's id is not given again.
    QCOMPARE(book.DeleteSlip(eighth.id), QString());
    TimeSlip added = full;
    added.id = 0;
    QCOMPARE(book.AddSlip(added), QString());
    QCOMPARE(added.id, eighth.id + 1);
    book.Close();
    QCOMPARE(rawSql(path, { "PRAGMA user_version" }).toInt(), Logbook::SchemaVersion);
}

// A file written by version 2 (a car from a .trv file with two runs, a car
// without a file with one, a car without runs): every car gets an identity
// of its own in one step, keeps its file, and keeps every run.
void TestLogbook::versionTwoGivesEachCarAnIdentity()
{
    const QString path = dir.filePath("v2.sqlite");
    QVERIFY(QFile::copy(TORVANE_LOGBOOK_TEST_DATA "/logbook-v2.sqlite", path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    const QString runsBefore = rawSql(path, { "SELECT group_concat(id || ':' || car_id, ' ') FROM runs" }).toString();
    Logbook book;
    QCOMPARE(book.Open(path, Logbook::OpenMode::Existing), QString());
    const LogbookRead<QList<LoggedCar>> cars = book.Cars();
    QCOMPARE(cars.error, QString());
    QCOMPARE(cars.value.size(), 3);
    QSet<QString> identities;
    for (const LoggedCar& car : cars.value) {
        QVERIFY2(!QUuid::fromString(car.identity).isNull(), qPrintable(car.identity));
        identities.insert(car.identity);
        QCOMPARE(book.FindCarByIdentity(car.identity).value, car);
    }
    QCOMPARE(identities.size(), 3);
    QCOMPARE(book.FindCarByFile("/home/driver/cars/sports.trv").value->name, "Sports car");
    QCOMPARE(book.RunCounts().value, (QMap<qint64, qsizetype>{ { 1, 2 }, { 2, 1 } }));
    book.Close();
    QCOMPARE(rawSql(path, { "SELECT group_concat(id || ':' || car_id, ' ') FROM runs" }).toString(), runsBefore);
    QCOMPARE(rawSql(path, { "PRAGMA user_version" }).toInt(), Logbook::SchemaVersion);
    // Opened again, the identities stay.
    QCOMPARE(book.Open(path, Logbook::OpenMode::Existing), QString());
    QCOMPARE(book.Cars().value, cars.value);
}

// Runs given to another car, all or none, only as they were read; and back.
void TestLogbook::runsMoveToAnotherCar()
{
    Logbook book;
    QCOMPARE(book.Open(dir.filePath("move.sqlite")), QString());
    LoggedCar from = SportsCar();
    LoggedCar to = SportsCar();
    to.name = "Other car";
    QCOMPARE(book.AddCar(from), QString());
    QCOMPARE(book.AddCar(to), QString());
    QVERIFY(from.identity != to.identity);
    to.identity = from.identity;
    QVERIFY(book.UpdateCar(to).contains("already has the identity"));
    QList<TimeSlip> runs = { sampleRun(from.id, 1), sampleRun(from.id, 2) };
    QCOMPARE(book.AddSlips(from.id, runs), QString());
    QCOMPARE(book.MoveSlipsIfUnchanged(runs, to.id), QString());
    QCOMPARE(book.Runs(from.id).value, QList<TimeSlip>());
    QList<TimeSlip> moved = runs;
    for (TimeSlip& run : moved)
        run.carId = to.id;
    QCOMPARE(book.Runs(to.id).value, moved);
    // A run read before the move is not the run the logbook holds: nothing moves.
    QVERIFY(book.MoveSlipsIfUnchanged(runs, from.id).contains("has been changed"));
    QCOMPARE(book.Runs(to.id).value, moved);
    QCOMPARE(book.MoveSlipsIfUnchanged(moved, from.id), QString());
    QCOMPARE(book.Runs(from.id).value, runs);
}

void TestLogbook::carsAndRuns()
{
    Logbook book;
    QCOMPARE(book.Open(dir.filePath("cars.sqlite")), QString());
    QDir::setCurrent(dir.path());

    // Cars: the .trv file kept as an absolute path, one car a file.
    LoggedCar car = SportsCar();
    car.trvFile = "cars/../sports.trv";
    QCOMPARE(book.AddCar(car), QString());
    QVERIFY(car.id > 0);
    QCOMPARE(car.trvFile, dir.filePath("sports.trv"));
    QCOMPARE(book.FindCarByFile(dir.filePath("sports.trv")).value, car);
    QCOMPARE(book.FindCarByFile("sports.trv").value, car);
    QCOMPARE(book.FindCarByFile("other.trv").value, std::nullopt);
    LoggedCar second = SportsCar();
    second.trvFile = "sports.trv";
    QCOMPARE(book.AddCar(second), "The car Sports car in the logbook already comes from " + dir.filePath("sports.trv") + ".");
    second.trvFile.clear();
    second.inputs[InputField::Horsepower] = "400";
    QCOMPARE(book.AddCar(second), QString());
    QCOMPARE(book.FindCarsByName("Sports car").value, (QList<LoggedCar>{ car, second }));
    second.name = "Friend's car";
    QCOMPARE(book.UpdateCar(second), QString());
    QCOMPARE(book.FindCarsByName("Friend's car").value, QList<LoggedCar>{ second });
    QCOMPARE(book.Cars().value.size(), 2);
    LoggedCar nameless = SportsCar();
    nameless.name = " ";
    QCOMPARE(book.AddCar(nameless), "A car in the logbook needs a name.");

    // Runs: listed by date and time, undated first, then by id.
    TimeSlip later = sampleRun(car.id, 1);
    later.time = QTime(18, 5, 30);
    TimeSlip earlier = sampleRun(car.id, 1);
    earlier.time = QTime(9, 0);
    TimeSlip undated = sampleRun(car.id, 0);
    undated.date = QDate();
    TimeSlip friends = sampleRun(second.id, 2);
    for (TimeSlip* run : { &later, &earlier, &undated, &friends })
        QCOMPARE(book.AddSlip(*run), QString());
    QCOMPARE(book.Runs(car.id).value, (QList<TimeSlip>{ undated, earlier, later }));
    QCOMPARE(book.Run(friends.id).value, friends);

    // A change and a refused change.
    later.note = "changed";
    later.quarterMileSpeed = 99.5;
    QCOMPARE(book.UpdateSlip(later), QString());
    QCOMPARE(book.Run(later.id).value, later);
    TimeSlip broken = later;
    broken.quarterMileSpeed.reset();
    QCOMPARE(book.UpdateSlip(broken),
             "A run needs the quarter-mile time and the quarter-mile speed, or the 1/8-mile time and the 1/8-mile speed.");
    QCOMPARE(book.Run(later.id).value, later);
    TimeSlip orphan = sampleRun(99, 3);
    QCOMPARE(book.AddSlip(orphan), "The car with the id 99 is not in the logbook.");

    // Deleting, and putting the run back with its id (as an undo does).
    QCOMPARE(book.DeleteSlip(earlier.id), QString());
    QCOMPARE(book.DeleteSlip(earlier.id), QStringLiteral("The run with the id %1 is not in the logbook.").arg(earlier.id));
    QCOMPARE(book.Runs(car.id).value, (QList<TimeSlip>{ undated, later }));
    TimeSlip restored = earlier;
    QCOMPARE(book.AddSlip(restored), QString());
    QCOMPARE(restored.id, earlier.id);
    QCOMPARE(book.AddSlip(restored), SlipLabel(earlier) + " is in the logbook already; it was not added again.");
    QCOMPARE(book.Runs(car.id).value, (QList<TimeSlip>{ undated, earlier, later }));

    // Reading again from the file gives the same values.
    book.Close();
    QCOMPARE(book.Runs(car.id).error, "No logbook is open.");
    QCOMPARE(book.Open(dir.filePath("cars.sqlite"), Logbook::OpenMode::Existing), QString());
    QCOMPARE(book.Runs(car.id).value, (QList<TimeSlip>{ undated, earlier, later }));
}

// Opened without reading the whole file through (the window's logbook, which
// a worker checks): read, but never written until found whole.
void TestLogbook::aLogbookCheckedLaterIsNotWrittenTill()
{
    const QString path = dir.filePath("later.sqlite");
    const qint64 carId = makeLogbook(path, 2);
    QVERIFY(carId > 0);
    Logbook book;
    QCOMPARE(book.Open(path, Logbook::OpenMode::Existing, Logbook::Check::Later), QString());
    QVERIFY(book.Unchecked());
    QCOMPARE(book.Runs(carId).value.size(), 2);
    TimeSlip run = sampleRun(carId, 5);
    QCOMPARE(book.AddSlip(run),
             "The logbook " + path + " is still being checked for damage: the change was not saved.");
    book.MarkChecked();
    QCOMPARE(book.AddSlip(run), QString());
}

void TestLogbook::anImportIsOneChange()
{
    Logbook book;
    QCOMPARE(book.Open(dir.filePath("import.sqlite")), QString());
    LoggedCar car = SportsCar();
    QCOMPARE(book.AddCar(car), QString());
    QList<TimeSlip> runs = { sampleRun(0, 0), sampleRun(0, 1), sampleRun(0, 2) };
    runs[1].humidity = 120.0;
    QCOMPARE(book.AddSlips(car.id, runs), "Run 2 of 3: The humidity must be between 0 and 100 %.");
    QVERIFY(book.Runs(car.id).value.isEmpty());
    runs[1].humidity.reset();
    QCOMPARE(book.AddSlips(car.id, runs), QString());
    QCOMPARE(book.Runs(car.id).value, runs);
    QCOMPARE(runs[2].carId, car.id);
}

// Two windows on one logbook file: one adds a run, the other changes it,
// deletes it or adds its own; the first one's undo then changes the run only
// if it is still as that window left it.
void TestLogbook::twoWindowsChangeOnlyWhatTheyLeft_data()
{
    QTest::addColumn<QStringList>("others"); // what the other window does meanwhile
    QTest::addColumn<bool>("deleting");      // the first one's undo deletes the run, or changes it back
    QTest::addColumn<QString>("refusal");    // after the run's name; empty when the undo is made
    const QString deleted = " is no longer in the logbook: another window or program has deleted it. Nothing was "
                            "changed.";
    const QString changed = " has been changed by another window or program since; it was left as it is.";
    QTest::newRow("delete it, as left") << QStringList{} << true << "";
    QTest::newRow("change it back, as left") << QStringList{} << false << "";
    QTest::newRow("delete it, deleted and another added")
        << QStringList{ "delete", "add" } << true << deleted;
    QTest::newRow("delete it, changed") << QStringList{ "change" } << true << changed;
    QTest::newRow("change it back, changed") << QStringList{ "change" } << false << changed;
    QTest::newRow("change it back, deleted") << QStringList{ "delete" } << false << deleted;
}

void TestLogbook::twoWindowsChangeOnlyWhatTheyLeft()
{
    QFETCH(QStringList, others);
    QFETCH(bool, deleting);
    QFETCH(QString, refusal);
    const QString path = dir.filePath("two-windows.sqlite");
    QFile::remove(path);
    const qint64 carId = makeLogbook(path, 1);
    Logbook mine;
    Logbook theirs;
    QCOMPARE(mine.Open(path), QString());
    QCOMPARE(theirs.Open(path), QString());
    TimeSlip run = sampleRun(carId, 7);
    QCOMPARE(mine.AddSlip(run), QString());
    for (const QString& other : others) {
        if (other == "change") {
            TimeSlip changed = run;
            changed.note = "theirs";
            QCOMPARE(theirs.UpdateSlip(changed), QString());
        } else if (other == "delete") {
            QCOMPARE(theirs.DeleteSlip(run.id), QString());
        } else {
            TimeSlip own = sampleRun(carId, 8);
            QCOMPARE(theirs.AddSlip(own), QString());
            QVERIFY(own.id > run.id); // an id is never given twice
        }
    }
    const QList<TimeSlip> held = theirs.Runs(carId).value;
    TimeSlip back = run;
    back.note = "as it was";
    const QString error = deleting ? mine.DeleteSlipsIfUnchanged({ run }) : mine.UpdateSlipIfUnchanged(run, back);
    if (refusal.isEmpty()) {
        QCOMPARE(error, QString());
        QCOMPARE(theirs.Run(run.id).value, deleting ? std::nullopt : std::optional(back));
    } else {
        QCOMPARE(error, SlipLabel(run) + refusal);
        QCOMPARE(theirs.Runs(carId).value, held);
    }
}

// The file refuses what the program would never write, whoever writes it.
void TestLogbook::schemaChecks_data()
{
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("error");
    const QString columns = "INSERT INTO runs (car_id, run_date, quarter_mile_time, quarter_mile_speed, humidity) ";
    QTest::newRow("a good run") << columns + "VALUES (1, '2024-05-04', 13.8, 101.5, 40)" << "";
    QTest::newRow("no finish") << columns + "VALUES (1, '2024-05-04', 13.8, NULL, 40)"
                               << "CHECK constraint failed: (quarter_mile_time IS NOT NULL AND quarter_mile_speed IS NOT "
                                  "NULL)\n                    OR (eighth_mile_time IS NOT NULL AND eighth_mile_speed IS "
                                  "NOT NULL)";
    QTest::newRow("text for a number") << columns + "VALUES (1, '2024-05-04', 'fast', 101.5, 40)"
                                       << "CHECK constraint failed: typeof(quarter_mile_time) IN ('null', 'real') AND "
                                          "quarter_mile_time > 0";
    QTest::newRow("humidity over 100") << columns + "VALUES (1, '2024-05-04', 13.8, 101.5, 101)"
                                       << "CHECK constraint failed: typeof(humidity) IN ('null', 'real') AND humidity "
                                          "BETWEEN 0 AND 100";
    QTest::newRow("a date in another form") << columns + "VALUES (1, '4/5/2024', 13.8, 101.5, 40)"
                                            << "CHECK constraint failed: run_date GLOB "
                                               "'[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'";
    QTest::newRow("no such car") << columns + "VALUES (7, '2024-05-04', 13.8, 101.5, 40)"
                                 << "FOREIGN KEY constraint failed";
}

void TestLogbook::schemaChecks()
{
    QFETCH(QString, statement);
    QFETCH(QString, error);
    const QString path = dir.filePath("checks.sqlite");
    QFile::remove(path);
    QVERIFY(makeLogbook(path, 0) == 1);
    QCOMPARE(rawSql(path, { statement }).toString(), error);
}

void TestLogbook::refusedAndLeftAlone_data()
{
    QTest::addColumn<MakeFile>("make");
    QTest::addColumn<Logbook::OpenMode>("mode");
    QTest::addColumn<QString>("message"); // %1 is the path; a message ending in "(" is compared up to there
    const Logbook::OpenMode existing = Logbook::OpenMode::Existing;
    const Logbook::OpenMode orCreate = Logbook::OpenMode::OrCreate;
    QTest::newRow("a text file")
        << MakeFile([](const QString& path) { writeAll(path, "345.00\r\n0.29\r\n3400.00\r\n"); }) << orCreate
        << "%1 is not a Torvane logbook: it is not an SQLite database. It was left as it is.";
    QTest::newRow("SQLite's mark and nothing more")
        << MakeFile([](const QString& path) { writeAll(path, QByteArray("SQLite format 3\0", 16)); }) << orCreate
        << "%1 is not a Torvane logbook: it is not an SQLite database. It was left as it is.";
    QTest::newRow("another program's database, marked")
        << MakeFile([](const QString& path) {
               rawSql(path, { "CREATE TABLE notes (text)", "PRAGMA application_id = 42" });
           })
        << orCreate << "%1 is not a Torvane logbook: it is the SQLite database of another program. It was left as it is.";
    QTest::newRow("another program's database, unmarked")
        << MakeFile([](const QString& path) { rawSql(path, { "CREATE TABLE cars (id)" }); }) << orCreate
        << "%1 is not a Torvane logbook: it is the SQLite database of another program. It was left as it is.";
    QTest::newRow("a newer logbook")
        << MakeFile([](const QString& path) {
               makeLogbook(path, 2);
               rawSql(path, { QStringLiteral("PRAGMA user_version = %1").arg(Logbook::SchemaVersion + 1) });
           })
        << orCreate
        << "%1 is a logbook of a newer Torvane (version " + QString::number(Logbook::SchemaVersion + 1)
               + "; this one reads up to version " + QString::number(Logbook::SchemaVersion) + "). It was left as it is.";
    // A crafted version must never pick a step: read from the file's first
    // bytes, and from SQLite once it has rolled back a stopped change.
    const QString negative = "%1 is not a Torvane logbook: it gives its version as -1, which no Torvane writes. It "
                             "was left as it is.";
    QTest::newRow("a negative version")
        << MakeFile([](const QString& path) {
               makeLogbook(path, 2);
               rawSql(path, { "PRAGMA user_version = -1" });
           })
        << orCreate << negative;
    QTest::newRow("a negative version, beside an unfinished change")
        << MakeFile([](const QString& path) {
               makeLogbook(path + ".made", 2);
               rawSql(path + ".made", { "PRAGMA user_version = -1" });
               copyWithUnfinishedChange(path + ".made", path);
           })
        << orCreate << negative;
    // A shared logbook carries only what Torvane makes: a trigger would
    // act with the program's own changes.
    QTest::newRow("a trigger")
        << MakeFile([](const QString& path) {
               makeLogbook(path, 2);
               rawSql(path, { "CREATE TRIGGER t AFTER INSERT ON runs BEGIN DELETE FROM runs WHERE id < NEW.id; END" });
           })
        << orCreate
        << "The logbook %1 holds a trigger, t, that Torvane does not make: it would act on the logbook with every "
           "change. It was left as it is.";
    QTest::newRow("a view")
        << MakeFile([](const QString& path) {
               makeLogbook(path, 2);
               rawSql(path, { "CREATE VIEW fast AS SELECT * FROM runs WHERE quarter_mile_time < 10" });
           })
        << orCreate << "The logbook %1 holds a view, fast, that Torvane does not make. It was left as it is.";
    QTest::newRow("a column more")
        << MakeFile([](const QString& path) {
               makeLogbook(path, 2);
               rawSql(path, { "ALTER TABLE runs ADD COLUMN wind REAL" });
           })
        << orCreate
        << "In the logbook %1, runs is not as Torvane makes it: another program has changed it. It was left as it is.";
    QTest::newRow("a damaged page")
        << MakeFile([](const QString& path) {
               makeLogbook(path, 200);
               QFile file(path);
               QVERIFY(file.open(QIODevice::ReadWrite));
               QVERIFY(file.seek(3 * 4096));
               file.write(QByteArray(300, '\x55'));
           })
        << orCreate << "The logbook %1 is damaged (";
    QTest::newRow("cut short")
        << MakeFile([](const QString& path) {
               makeLogbook(path, 200);
               QVERIFY(QFile::resize(path, 4 * 4096));
           })
        << orCreate << "The logbook %1 is damaged (";
    QTest::newRow("an empty file, to be opened")
        << MakeFile([](const QString& path) { writeAll(path, {}); }) << existing
        << "%1 is an empty file, not a Torvane logbook. It was left as it is.";
    QTest::newRow("an SQLite file without tables, to be opened")
        << MakeFile([](const QString& path) { rawSql(path, { "CREATE TABLE t (x)", "DROP TABLE t" }); }) << existing
        << "%1 is an empty SQLite database, not a Torvane logbook. It was left as it is.";
    QTest::newRow("no file, to be opened") << MakeFile([](const QString&) {}) << existing
                                           << "Could not open the logbook %1: there is no such file.";
}

void TestLogbook::refusedAndLeftAlone()
{
    QFETCH(MakeFile, make);
    QFETCH(Logbook::OpenMode, mode);
    QFETCH(QString, message);
    const QString path = dir.filePath("refused.sqlite");
    QFile::remove(path);
    make(path);
    const bool existed = QFile::exists(path);
    const QByteArray before = readAll(path);
    Logbook book;
    const QString error = book.Open(path, mode);
    const QString expected = message.arg(path);
    if (expected.endsWith('('))
        QVERIFY2(error.startsWith(expected) && error.endsWith("). It was left as it is.") && !error.contains('\n'),
                 qPrintable(error));
    else
        QCOMPARE(error, expected);
    QVERIFY(!book.IsOpen());
    QCOMPARE(QFile::exists(path), existed);
    QCOMPARE(readAll(path), before);
    QVERIFY(!QFile::exists(path + "-journal"));
}

void TestLogbook::onlyRegularFilesAreOpened()
{
    Logbook book;
    QCOMPARE(book.Open(dir.path()), "Could not open the logbook " + dir.path() + ": it is a folder, not a file.");
    // A named pipe with no writer: opening must neither block nor write.
    const QString pipe = dir.filePath("pipe.sqlite");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(book.Open(pipe), "Could not open the logbook " + pipe + ": it is a named pipe, not a file.");
    QVERIFY(timer.elapsed() < 5000);
    // Nor beside a journal that is not a file: SQLite would write into it.
    const QString path = dir.filePath("journal.sqlite");
    QVERIFY(makeLogbook(path, 1) > 0);
    QCOMPARE(::mkfifo(QFile::encodeName(path + "-journal").constData(), 0600), 0);
    QCOMPARE(book.Open(path), "Could not open the logbook " + path + ": " + path
                                  + "-journal, where its journal is kept, is a named pipe.");
    QVERIFY(!book.IsOpen());
}

// A logbook on a file system mounted read-only (as root; a file without
// write permission otherwise): read, but never written.
void TestLogbook::readOnlyLogbook()
{
    const bool root = ::geteuid() == 0;
    SmallDisk disk(dir.filePath("ro"), "1m");
    if (root && !disk.mounted)
        QSKIP("mounting a small file system is not allowed here");
    const QString path = (root ? disk.path : dir.path()) + "/logbook.sqlite";
    const qint64 carId = makeLogbook(path, 3);
    QVERIFY(carId > 0);
    // Beside it, one a program stopped in the middle of saving a change.
    const QString unfinished = (root ? disk.path : dir.path()) + "/unfinished.sqlite";
    copyWithUnfinishedChange(path, unfinished);
    const QByteArray journal = readAll(unfinished + "-journal");
    if (root)
        QVERIFY(disk.MakeReadOnly());
    else
        for (const QString& file : { path, unfinished, unfinished + "-journal" })
            QVERIFY(QFile::setPermissions(file, QFile::ReadOwner));
    const QByteArray before = readAll(path);
    Logbook book;
    QCOMPARE(book.Open(path), QString());
    QVERIFY(book.IsReadOnly());
    QCOMPARE(book.Runs(carId).value.size(), 3);
    TimeSlip run = sampleRun(carId, 9);
    const QString refusal = "The logbook " + path + " is read-only: the change was not saved.";
    QCOMPARE(book.AddSlip(run), refusal);
    QCOMPARE(book.DeleteSlip(1), refusal);
    book.Close();
    QCOMPARE(readAll(path), before);

    QCOMPARE(book.Open(unfinished), "The logbook " + unfinished
                                        + " holds an unfinished change (a program stopped while saving it), which "
                                          "cannot be rolled back while the file is read-only. It was left as it is.");
    QCOMPARE(readAll(unfinished + "-journal"), journal);
}

// One program holds a write transaction; another's change waits for it and
// is saved once the first commits.
void TestLogbook::aSecondWriterWaits()
{
    const QString path = dir.filePath("shared.sqlite");
    const qint64 carId = makeLogbook(path, 0);
    QVERIFY(carId > 0);
    ChangeUnderWay hold(path, { "BEGIN IMMEDIATE", "UPDATE cars SET name = 'Held' WHERE id = 1" });
    QVERIFY(hold.begun);

    std::atomic<bool> opened = false;
    std::atomic<bool> done = false;
    QString openError;
    QString addError;
    std::thread writer([&] {
        Logbook book;
        openError = book.Open(path, Logbook::OpenMode::Existing);
        opened = true;
        if (openError.isEmpty()) {
            TimeSlip run = sampleRun(carId, 1);
            addError = book.AddSlip(run);
        }
        done = true;
    });
    bool committed = false;
    const auto cleanUp = qScopeGuard([&] {
        if (!committed)
            hold.End("COMMIT");
        writer.join();
    });
    QTRY_VERIFY(opened);
    QCOMPARE(openError, QString());
    // Give the writer time to reach the lock: it must still be waiting then.
    QTest::qWait(300);
    QVERIFY(!done);
    QVERIFY(hold.End("COMMIT"));
    committed = true;
    QTRY_VERIFY_WITH_TIMEOUT(done, Logbook::BusyTimeoutMs);
    QCOMPARE(addError, QString());
    Logbook book;
    QCOMPARE(book.Open(path), QString());
    QCOMPARE(book.Runs(carId).value.size(), 1);
    QCOMPARE(book.Cars().value.front().name, "Held");
}

// A child process adds runs one by one, saying each one's id once saved, and
// is killed; every run it said was saved is there, at most one more, and the
// file is whole.
void TestLogbook::aKillLosesAtMostTheChangeBeingSaved_data()
{
    QTest::addColumn<int>("saved");
    for (int saved : { 1, 4, 16, 50 })
        QTest::addRow("killed after %d runs", saved) << saved;
}

void TestLogbook::aKillLosesAtMostTheChangeBeingSaved()
{
    QFETCH(int, saved);
    const QString path = dir.filePath(QStringLiteral("killed-%1.sqlite").arg(saved));
    const qint64 carId = makeLogbook(path, 0);
    QVERIFY(carId > 0);
    int fds[2];
    QCOMPARE(::pipe(fds), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::close(fds[0]);
        Logbook book;
        if (!book.Open(path, Logbook::OpenMode::Existing).isEmpty())
            ::_exit(2);
        for (int i = 0;; ++i) {
            TimeSlip run = sampleRun(carId, i);
            if (!book.AddSlip(run).isEmpty())
                ::_exit(3);
            const QByteArray line = QByteArray::number(run.id) + '\n';
            if (::write(fds[1], line.constData(), static_cast<size_t>(line.size())) != line.size())
                ::_exit(4);
        }
    }
    ::close(fds[1]);
    // Read the ids said until `saved` have come, kill, then read the rest.
    QByteArray said;
    auto lines = [&said] { return said.count('\n'); };
    char buffer[256];
    while (lines() < saved) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        said.append(buffer, n);
    }
    ::kill(child, SIGKILL);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, n);
    ::close(fds[0]);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL, "the writer stopped before it was killed");

    QList<qint64> savedIds;
    for (const QByteArray& line : said.split('\n'))
        if (!line.isEmpty())
            savedIds << line.toLongLong();
    QVERIFY(savedIds.size() >= saved);
    Logbook book;
    QCOMPARE(book.Open(path, Logbook::OpenMode::Existing), QString());
    const QList<qint64> kept = idsOf(book.Runs(carId).value);
    for (const qint64 id : savedIds)
        QVERIFY2(kept.contains(id), qPrintable(QStringLiteral("run %1 was lost").arg(id)));
    QVERIFY(kept.size() <= savedIds.size() + 1);
    book.Close();
    QCOMPARE(rawSql(path, { "PRAGMA integrity_check" }).toString(), "ok");
}

// A real full file system: the change fails and says so, the logbook keeps
// every run it had and is whole, and works again once there is room.
void TestLogbook::fullDiskKeepsTheLogbookWhole()
{
    SmallDisk disk(dir.filePath("small"), "256k");
    if (!disk.mounted)
        QSKIP("mounting a small file system is not allowed here (needs root)");
    const QString path = disk.path + "/logbook.sqlite";
    Logbook book;
    QCOMPARE(book.Open(path), QString());
    LoggedCar car = SportsCar();
    QCOMPARE(book.AddCar(car), QString());
    QList<TimeSlip> first = { sampleRun(car.id, 0), sampleRun(car.id, 1), sampleRun(car.id, 2) };
    QCOMPARE(book.AddSlips(car.id, first), QString());
    {
        QFile filler(disk.path + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    QList<TimeSlip> more;
    for (int i = 3; i < 300; ++i)
        more << sampleRun(car.id, i);
    QList<TimeSlip> attempt = more;
    const QString error = book.AddSlips(car.id, attempt);
    QCOMPARE(error, "Could not save the change to the logbook " + path
                        + ": the disk is full. The logbook is as it was before the change.");
    QCOMPARE(book.Runs(car.id).value, first);
    book.Close();
    QCOMPARE(rawSql(path, { "PRAGMA integrity_check" }).toString(), "ok");

    QVERIFY(QFile::remove(disk.path + "/filler"));
    QCOMPARE(book.Open(path), QString());
    QCOMPARE(book.AddSlips(car.id, more), QString());
    QCOMPARE(book.Runs(car.id).value, first + more);
}

QTEST_GUILESS_MAIN(TestLogbook)
#include "tst_logbook.moc"
