// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/Logbook.h"

#include "core/FileSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>
#include <QtEndian>

#include <array>
#include <utility>
#include <unistd.h>

namespace {

// ---- The schema, one step per version --------------------------------------
//
// Step i brings a logbook from version i to version i + 1; step 0 makes a new
// one. A step, once released, never changes: a later version adds a step.
// All steps up to the current version run in one transaction, which then
// sets the version and the mark.

using Migration = QString (*)(QSqlDatabase&);

QString execAll(QSqlDatabase& db, const QStringList& statements)
{
    for (const QString& statement : statements) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            return query.lastError().databaseText();
    }
    return QString();
}

// The runs' table as version 1 made it; version 2 makes it again with ids
// that are never used twice.
QString runsTableVersion1()
{
    return QStringLiteral(R"(CREATE TABLE runs (
             id INTEGER PRIMARY KEY,
             car_id INTEGER NOT NULL REFERENCES cars (id),
             run_date TEXT CHECK (run_date GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9]'),
             run_time TEXT
               CHECK (run_time IS NULL OR (run_time GLOB '[0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND run_date IS NOT NULL)),
             track TEXT NOT NULL DEFAULT '',
             elevation REAL CHECK (typeof(elevation) IN ('null', 'real')),
             temperature REAL CHECK (typeof(temperature) IN ('null', 'real') AND temperature > -459.67),
             pressure REAL CHECK (typeof(pressure) IN ('null', 'real') AND pressure > 0),
             humidity REAL CHECK (typeof(humidity) IN ('null', 'real') AND humidity BETWEEN 0 AND 100),
             reaction_time REAL CHECK (typeof(reaction_time) IN ('null', 'real')),
             sixty_foot_time REAL CHECK (typeof(sixty_foot_time) IN ('null', 'real') AND sixty_foot_time > 0),
             three_thirty_foot_time REAL
               CHECK (typeof(three_thirty_foot_time) IN ('null', 'real') AND three_thirty_foot_time > 0),
             eighth_mile_time REAL CHECK (typeof(eighth_mile_time) IN ('null', 'real') AND eighth_mile_time > 0),
             eighth_mile_speed REAL CHECK (typeof(eighth_mile_speed) IN ('null', 'real') AND eighth_mile_speed > 0),
             thousand_foot_time REAL CHECK (typeof(thousand_foot_time) IN ('null', 'real') AND thousand_foot_time > 0),
             quarter_mile_time REAL CHECK (typeof(quarter_mile_time) IN ('null', 'real') AND quarter_mile_time > 0),
             quarter_mile_speed REAL
               CHECK (typeof(quarter_mile_speed) IN ('null', 'real') AND quarter_mile_speed > 0),
             note TEXT NOT NULL DEFAULT '',
             CHECK ((quarter_mile_time IS NOT NULL AND quarter_mile_speed IS NOT NULL)
                    OR (eighth_mile_time IS NOT NULL AND eighth_mile_speed IS NOT NULL)))
        )");
}

QString runsIndex()
{
    return QStringLiteral("CREATE INDEX runs_by_car ON runs (car_id, run_date, run_time)");
}

// Version 1: the cars as typed and their runs at the strip, in the classic
// units (ft, °F, inHg, %, s, mph). A number column holds a real or nothing;
// dates are ISO 8601 texts of the track's wall clock.
QString createVersion1(QSqlDatabase& db)
{
    return execAll(db, {
        QStringLiteral(R"(CREATE TABLE cars (
             id INTEGER PRIMARY KEY,
             name TEXT NOT NULL CHECK (trim(name) <> ''),
             horsepower TEXT NOT NULL,
             grill_area TEXT NOT NULL,
             windshield_area TEXT NOT NULL,
             car_weight TEXT NOT NULL,
             drag_coefficient TEXT NOT NULL,
             windshield_angle TEXT NOT NULL,
             available_shifts TEXT NOT NULL,
             quarter_mile_shifts TEXT NOT NULL,
             spin_time TEXT NOT NULL,
             trv_file TEXT UNIQUE CHECK (trv_file <> ''))
        )"),
        runsTableVersion1(),
        runsIndex(),
    });
}

// Version 2: a run's id is never given again once its run is deleted
// (AUTOINCREMENT), so that an undo which finds a run by its id cannot find
// another program's run under it. The table is made again under its name,
// with its runs and their ids.
QString autoincrementRunIds(QSqlDatabase& db)
{
    QString runs = runsTableVersion1();
    runs.replace(QStringLiteral("id INTEGER PRIMARY KEY,"), QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT,"));
    return execAll(db, {
        QStringLiteral("ALTER TABLE runs RENAME TO runs_version1"),
        runs,
        QStringLiteral("INSERT INTO runs SELECT * FROM runs_version1"),
        QStringLiteral("DROP TABLE runs_version1"),
        runsIndex(),
    });
}

// Version 3: each car has an identity that its .trv file keeps as well
// ("car=…" after the nine values), so that its runs follow the car through
// Save As, a move or a copy of the file rather than stay with a path. Every
// car of an older logbook gets one of its own here, and keeps its file as
// the path it was last known under: a .trv file without an identity finds
// its runs by that path, and takes the identity with its next save.
QString carIdentities(QSqlDatabase& db)
{
    return execAll(db, {
        QStringLiteral("ALTER TABLE cars ADD COLUMN identity TEXT CHECK (identity <> '')"),
        QStringLiteral("UPDATE cars SET identity = lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' "
                       "|| substr(hex(randomblob(2)), 2) || '-' || substr('89ab', 1 + abs(random() % 4), 1) "
                       "|| substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))"),
        QStringLiteral("CREATE UNIQUE INDEX cars_by_identity ON cars (identity)"),
    });
}

constexpr std::array<Migration, Logbook::SchemaVersion> migrations = { &createVersion1, &autoincrementRunIds,
                                                                        &carIdentities };

// One object of a logbook's schema (a table, an index, a trigger or a view),
// as sqlite_schema lists it.
struct SchemaObject {
    QString type;
    QString table;
    QString sql;
    bool operator==(const SchemaObject&) const = default;
};
using Schema = QMap<QString, SchemaObject>; // by name

// The schema of `db`, leaving out the statistics SQLite itself may keep
// (ANALYZE's sqlite_stat tables); SQLite's error text on failure.
QString readSchema(QSqlDatabase& db, Schema& schema)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT name, type, tbl_name, sql FROM sqlite_schema")))
        return query.lastError().databaseText();
    while (query.next()) {
        const QString name = query.value(0).toString();
        if (!name.startsWith(QStringLiteral("sqlite_stat")))
            schema.insert(name, { query.value(1).toString(), query.value(2).toString(), query.value(3).toString() });
    }
    return query.lastError().isValid() ? query.lastError().databaseText() : QString();
}

// The schema a logbook of `version` has: what the steps up to that version
// make, on a database in memory. The texts are compared whole, so a column,
// a check or a default changed by another program shows as well.
QString expectedSchema(qint32 version, Schema& schema)
{
    const QString connection
        = QStringLiteral("torvane-logbook-schema-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces));
    if (version < 0 || version > Logbook::SchemaVersion)
        return QStringLiteral("no logbook has the version %1").arg(version);
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open())
            error = db.lastError().databaseText();
        for (qint32 step = 0; step < version && error.isEmpty(); ++step)
            error = migrations[static_cast<std::size_t>(step)](db);
        if (error.isEmpty())
            error = readSchema(db, schema);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return error;
}

// ---- Columns ---------------------------------------------------------------

// The cars' input columns, in CarTexts order.
constexpr std::array<const char*, InputFieldCount> inputColumns = {
    "horsepower",       "grill_area",       "windshield_area",     "car_weight", "drag_coefficient",
    "windshield_angle", "available_shifts", "quarter_mile_shifts", "spin_time",
};
static_assert(AllInputFields[0] == InputField::Horsepower && AllInputFields[8] == InputField::SpinTime);

struct NumberColumn {
    SlipField field;
    const char* name;
};

constexpr std::array<NumberColumn, 12> numberColumns = { {
    { SlipField::Elevation, "elevation" },
    { SlipField::Temperature, "temperature" },
    { SlipField::Pressure, "pressure" },
    { SlipField::Humidity, "humidity" },
    { SlipField::ReactionTime, "reaction_time" },
    { SlipField::SixtyFootTime, "sixty_foot_time" },
    { SlipField::ThreeThirtyFootTime, "three_thirty_foot_time" },
    { SlipField::EighthMileTime, "eighth_mile_time" },
    { SlipField::EighthMileSpeed, "eighth_mile_speed" },
    { SlipField::ThousandFootTime, "thousand_foot_time" },
    { SlipField::QuarterMileTime, "quarter_mile_time" },
    { SlipField::QuarterMileSpeed, "quarter_mile_speed" },
} };

QString carColumns()
{
    QStringList names = { QStringLiteral("name") };
    for (const char* column : inputColumns)
        names << QString::fromLatin1(column);
    names << QStringLiteral("trv_file") << QStringLiteral("identity");
    return names.join(QStringLiteral(", "));
}

// Every run column but the id, in the order runValues binds them.
QString runColumns()
{
    QStringList names = { QStringLiteral("car_id"), QStringLiteral("run_date"), QStringLiteral("run_time"),
                          QStringLiteral("track"), QStringLiteral("note") };
    for (const NumberColumn& column : numberColumns)
        names << QString::fromLatin1(column.name);
    return names.join(QStringLiteral(", "));
}

QString placeholders(qsizetype count)
{
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QStringLiteral(", "));
}

QString assignments(const QString& columns)
{
    QStringList set;
    for (const QString& column : columns.split(QStringLiteral(", ")))
        set << column + QStringLiteral(" = ?");
    return set.join(QStringLiteral(", "));
}

// A text column that is never NULL: Qt binds a null QString as NULL.
QVariant textValue(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

QVariant optionalText(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QList<QVariant> carValues(const LoggedCar& car)
{
    QList<QVariant> values = { textValue(car.name) };
    for (const QString& text : car.inputs.texts)
        values << textValue(text);
    values << optionalText(car.trvFile) << optionalText(car.identity);
    return values;
}

QList<QVariant> runValues(const TimeSlip& run)
{
    QList<QVariant> values = {
        run.carId,
        run.date.isValid() ? QVariant(QString::asprintf("%04d-%02d-%02d", run.date.year(), run.date.month(),
                                                        run.date.day()))
                           : QVariant(),
        run.time.isValid() && run.date.isValid()
            ? QVariant(QString::asprintf("%02d:%02d:%02d", run.time.hour(), run.time.minute(), run.time.second()))
            : QVariant(),
        textValue(run.track),
        textValue(run.note),
    };
    for (const NumberColumn& column : numberColumns) {
        const std::optional<double> value = run.*NumberMember(column.field);
        values << (value ? QVariant(*value) : QVariant());
    }
    return values;
}

LoggedCar carFrom(const QSqlQuery& query)
{
    LoggedCar car;
    car.id = query.value(0).toLongLong();
    car.name = query.value(1).toString();
    for (int i = 0; i < InputFieldCount; ++i)
        car.inputs.texts[static_cast<std::size_t>(i)] = query.value(2 + i).toString();
    car.trvFile = query.value(2 + InputFieldCount).toString();
    car.identity = query.value(3 + InputFieldCount).toString();
    return car;
}

TimeSlip runFrom(const QSqlQuery& query)
{
    TimeSlip run;
    run.id = query.value(0).toLongLong();
    run.carId = query.value(1).toLongLong();
    if (!query.isNull(2))
        run.date = QDate::fromString(query.value(2).toString(), Qt::ISODate);
    if (!query.isNull(3))
        run.time = QTime::fromString(query.value(3).toString(), Qt::ISODate);
    run.track = query.value(4).toString();
    run.note = query.value(5).toString();
    for (std::size_t i = 0; i < numberColumns.size(); ++i)
        if (!query.isNull(static_cast<int>(6 + i)))
            run.*NumberMember(numberColumns[i].field) = query.value(static_cast<int>(6 + i)).toDouble();
    return run;
}

bool prepareAndRun(QSqlQuery& query, const QString& statement, const QList<QVariant>& values)
{
    if (!query.prepare(statement))
        return false;
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

// What the first 100 bytes of an SQLite file say about it.
struct FileHeader {
    bool empty = false;
    bool sqlite = false;
    qint32 applicationId = 0;
    qint32 userVersion = 0;
};

FileHeader headerOf(const QByteArray& bytes)
{
    FileHeader header;
    header.empty = bytes.isEmpty();
    header.sqlite = bytes.size() >= 100 && bytes.startsWith(QByteArrayView("SQLite format 3\0", 16));
    if (header.sqlite) {
        header.userVersion = qFromBigEndian<qint32>(bytes.constData() + 60);
        header.applicationId = qFromBigEndian<qint32>(bytes.constData() + 68);
    }
    return header;
}

// The first problem in quick_check's report, without the headings that
// name the database ("*** in database main ***").
QString firstProblem(const QString& report)
{
    for (const QString& line : report.split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(QStringLiteral("***")))
            return line.trimmed();
    return report.trimmed();
}

QString normalisedFile(const QString& file)
{
    return file.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(file).absoluteFilePath());
}

// SQLite's primary result codes among those Qt passes on.
enum SqliteCode { Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, Full = 13, NotADatabase = 26 };

int primaryCode(const QSqlError& error)
{
    // Extended codes carry the primary code in their low byte.
    return error.nativeErrorCode().toInt() & 0xff;
}

} // namespace

QString NewCarIdentity()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString Logbook::DefaultPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("logbook.sqlite"));
}

Logbook::Logbook()
    : connection(QStringLiteral("torvane-logbook-%1").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)))
{
}

Logbook::~Logbook()
{
    Close();
}

QSqlDatabase Logbook::database() const
{
    return QSqlDatabase::database(connection, false);
}

bool Logbook::IsOpen() const
{
    return QSqlDatabase::contains(connection) && database().isOpen();
}

bool Logbook::IsReadOnly() const
{
    return readOnly;
}

QString Logbook::Path() const
{
    return path;
}

void Logbook::Swap(Logbook& other) noexcept
{
    std::swap(connection, other.connection);
    std::swap(path, other.path);
    std::swap(readOnly, other.readOnly);
    std::swap(unchecked, other.unchecked);
}

void Logbook::Close()
{
    if (!QSqlDatabase::contains(connection))
        return;
    {
        QSqlDatabase db = database();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    path.clear();
    readOnly = false;
    unchecked = false;
}

QString Logbook::Open(const QString& file, OpenMode mode, Check check)
{
    Close();
    const bool existed = QFileInfo::exists(file);
    const QString error = openFile(file, mode, check);
    if (error.isEmpty())
        return error;
    Close();
    // A file made by this attempt and left empty goes again.
    if (!existed && QFileInfo(file).isFile() && QFileInfo(file).size() == 0)
        QFile::remove(file);
    return error;
}

QString Logbook::openFile(const QString& file, OpenMode mode, Check check)
{
    if (file.isEmpty())
        return tr("No logbook file was given.");
    // SQLite would block on a named pipe, and write onto a device: only a
    // regular file is opened, and only beside a journal that is one or none.
    const QString kind = NonFileKind(file);
    if (!kind.isEmpty())
        return tr("Could not open the logbook %1: it is %2, not a file.").arg(file, kind);
    const QString journal = file + QStringLiteral("-journal");
    const QString journalKind = NonFileKind(journal);
    if (!journalKind.isEmpty())
        return tr("Could not open the logbook %1: %2, where its journal is kept, is %3.").arg(file, journal, journalKind);
    const QString leftAlone = tr("It was left as it is.");
    const QString folder = QFileInfo(file).absolutePath();
    const bool exists = QFileInfo::exists(file);
    if (!exists) {
        if (mode == OpenMode::Existing)
            return tr("Could not open the logbook %1: there is no such file.").arg(file);
        if (!QDir().mkpath(folder))
            return tr("Could not create the logbook %1: its folder cannot be made.").arg(file);
    } else if (QFileInfo(journal).size() > 0) {
        // A journal left by a program that stopped in the middle of a
        // change: SQLite rolls the change back when it opens the file, and
        // until then the file's first bytes may be those of the half-made
        // change. It is judged once SQLite has read it.
    } else {
        // The file's first bytes tell most files that are not ours before
        // SQLite sees them.
        QFile probe(file);
        if (!probe.open(QIODevice::ReadOnly))
            return tr("Could not open the logbook %1: %2.").arg(file, probe.errorString());
        const FileHeader header = headerOf(probe.read(100));
        if (header.empty && mode == OpenMode::Existing)
            return tr("%1 is an empty file, not a Torvane logbook. %2").arg(file, leftAlone);
        if (!header.empty && !header.sqlite)
            return tr("%1 is not a Torvane logbook: it is not an SQLite database. %2").arg(file, leftAlone);
        if (header.sqlite && header.applicationId != ApplicationId
            && (header.applicationId != 0 || header.userVersion != 0))
            return tr("%1 is not a Torvane logbook: it is the SQLite database of another program. %2")
                .arg(file, leftAlone);
        if (header.applicationId == ApplicationId) {
            const QString problem = versionProblem(file, header.userVersion);
            if (!problem.isEmpty())
                return problem;
        }
    }
    if (exists)
        readOnly = ::access(QFile::encodeName(file).constData(), W_OK) != 0
                   || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0;

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!db.isValid())
        return tr("Could not open the logbook %1: Qt's SQLite driver is missing (Debian package "
                  "libqt6sql6-sqlite).")
            .arg(file);
    db.setDatabaseName(file);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    // Why SQLite could not read the file, in the user's terms.
    auto openFailure = [&](const QSqlError& error) {
        switch (primaryCode(error)) {
        case NotADatabase:
            return tr("%1 is not a Torvane logbook: it is not an SQLite database. %2").arg(file, leftAlone);
        case Corrupt:
            return tr("The logbook %1 is damaged (%2). %3").arg(file, error.databaseText(), leftAlone);
        case ReadOnly:
            // SQLite must roll a stopped change back before anything is
            // read, and cannot while it may not write.
            if (readOnly && QFileInfo(journal).size() > 0)
                return tr("The logbook %1 holds an unfinished change (a program stopped while saving it), which "
                          "cannot be rolled back while the file is read-only. %2")
                    .arg(file, leftAlone);
            [[fallthrough]];
        default:
            return tr("Could not open the logbook %1: %2.").arg(file, error.databaseText());
        }
    };
    if (!db.open())
        return openFailure(db.lastError());
    path = file;

    {
        QSqlQuery query(db);
        // Every change waits for another program's rather than failing, is
        // synced before it counts, and keeps the cars' and runs' links.
        // trusted_schema keeps a file's own schema from calling functions.
        const QStringList pragmas = { QStringLiteral("PRAGMA busy_timeout = %1").arg(BusyTimeoutMs),
                                      QStringLiteral("PRAGMA foreign_keys = ON"),
                                      QStringLiteral("PRAGMA synchronous = FULL"),
                                      QStringLiteral("PRAGMA trusted_schema = OFF") };
        for (const QString& pragma : pragmas) {
            if (!query.exec(pragma))
                return openFailure(query.lastError());
        }
    }
    if (check == Check::Now) {
        if (const QString problem = checkWhole(db); !problem.isEmpty())
            return problem;
    } else {
        unchecked = true;
    }
    return bringUpToDate(mode == OpenMode::OrCreate);
}

QString Logbook::checkWhole(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA quick_check")))
        return primaryCode(query.lastError()) == Corrupt || primaryCode(query.lastError()) == NotADatabase
                   ? tr("The logbook %1 is damaged (%2). %3")
                         .arg(path, query.lastError().databaseText(), tr("It was left as it is."))
                   : readFailure(query.lastError());
    const QString verdict = query.next() ? query.value(0).toString() : QString();
    if (verdict != QStringLiteral("ok"))
        return tr("The logbook %1 is damaged (%2). %3").arg(path, firstProblem(verdict), tr("It was left as it is."));
    unchecked = false;
    return QString();
}

QString Logbook::bringUpToDate(bool mayCreate)
{
    // What the file is, as SQLite reads it.
    auto inspect = [this](QSqlDatabase& db, qint32& applicationId, qint32& version, qint64& tables) {
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next())
            return readFailure(query.lastError());
        applicationId = query.value(0).toInt();
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            return readFailure(query.lastError());
        version = query.value(0).toInt();
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_schema")) || !query.next())
            return readFailure(query.lastError());
        tables = query.value(0).toLongLong();
        return QString();
    };
    const QString leftAlone = tr("It was left as it is.");
    // Why a file with these marks cannot be taken; empty when it can.
    auto refusal = [&](QSqlDatabase& db, qint32 applicationId, qint32 version, qint64 tables) {
        const bool blank = applicationId == 0 && version == 0 && tables == 0;
        if (blank && !mayCreate)
            return tr("%1 is an empty SQLite database, not a Torvane logbook. %2").arg(path, leftAlone);
        if (!blank && applicationId != ApplicationId)
            return tr("%1 is not a Torvane logbook: it is the SQLite database of another program. %2")
                .arg(path, leftAlone);
        const QString problem = versionProblem(path, version);
        return problem.isEmpty() ? schemaProblem(db, version) : problem;
    };

    qint32 applicationId = 0;
    qint32 version = 0;
    qint64 tables = 0;
    QString problem;
    {
        QSqlDatabase db = database();
        const QString error = inspect(db, applicationId, version, tables);
        if (!error.isEmpty())
            return error;
        problem = refusal(db, applicationId, version, tables);
    }
    if (!problem.isEmpty() || (applicationId == ApplicationId && version == SchemaVersion))
        return problem;
    if (readOnly)
        return tr("The logbook %1 is read-only, and it would have to be brought up to date (from version %2 "
                  "to %3) to be read. %4")
            .arg(path)
            .arg(version)
            .arg(SchemaVersion)
            .arg(leftAlone);
    // A file is found whole before it is ever written.
    if (unchecked) {
        QSqlDatabase db = database();
        if (const QString damage = checkWhole(db); !damage.isEmpty())
            return damage;
    }

    // Another program may be doing the same: look again inside the write
    // transaction, where nobody else can change the file.
    const QString error = write([&](QSqlDatabase& db) {
        const QString readError = inspect(db, applicationId, version, tables);
        if (!readError.isEmpty())
            return readError;
        problem = refusal(db, applicationId, version, tables);
        if (!problem.isEmpty())
            return problem;
        if (applicationId == ApplicationId && version == SchemaVersion)
            return QString(); // another program brought it up to date meanwhile
        for (qint32 step = version; step < SchemaVersion; ++step) {
            const QString stepError = migrations[static_cast<std::size_t>(step)](db);
            if (!stepError.isEmpty())
                return tr("Could not bring the logbook %1 up to date (version %2 to %3): %4.")
                    .arg(path)
                    .arg(step)
                    .arg(step + 1)
                    .arg(stepError);
        }
        return execAll(db, { QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId),
                             QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion) });
    });
    return error;
}

QString Logbook::versionProblem(const QString& file, qint32 version)
{
    // Only 0 (being made) to SchemaVersion are read: a step is looked up
    // by the version, so no other number may ever reach the steps.
    if (version > SchemaVersion)
        return tr("%1 is a logbook of a newer Torvane (version %2; this one reads up to version %3). %4")
            .arg(file)
            .arg(version)
            .arg(SchemaVersion)
            .arg(tr("It was left as it is."));
    if (version < 0)
        return tr("%1 is not a Torvane logbook: it gives its version as %2, which no Torvane writes. %3")
            .arg(file)
            .arg(version)
            .arg(tr("It was left as it is."));
    return QString();
}

QString Logbook::schemaProblem(QSqlDatabase& db, qint32 version) const
{
    Schema expected;
    const QString error = expectedSchema(version, expected);
    if (!error.isEmpty())
        return tr("Could not open the logbook %1: %2.").arg(path, error);
    Schema found;
    const QString readError = readSchema(db, found);
    if (!readError.isEmpty())
        return tr("Could not read the logbook %1: %2.").arg(path, readError);
    const QString leftAlone = tr("It was left as it is.");
    // What a shared file may carry beyond Torvane's own: a trigger or a view
    // would act, or be read, behind the program's back.
    for (auto object = found.cbegin(); object != found.cend(); ++object) {
        if (expected.contains(object.key()))
            continue;
        const QString& type = object->type;
        if (type == QLatin1String("trigger"))
            return tr("The logbook %1 holds a trigger, %2, that Torvane does not make: it would act on the "
                      "logbook with every change. %3")
                .arg(path, object.key(), leftAlone);
        if (type == QLatin1String("view"))
            return tr("The logbook %1 holds a view, %2, that Torvane does not make. %3")
                .arg(path, object.key(), leftAlone);
        if (type == QLatin1String("index"))
            return tr("The logbook %1 holds an index, %2, that Torvane does not make. %3")
                .arg(path, object.key(), leftAlone);
        return tr("The logbook %1 holds a table, %2, that Torvane does not make. %3")
            .arg(path, object.key(), leftAlone);
    }
    for (auto object = expected.cbegin(); object != expected.cend(); ++object) {
        if (!found.contains(object.key()))
            return tr("The logbook %1 lacks %2, which every logbook of version %3 has. %4")
                .arg(path, object.key())
                .arg(version)
                .arg(leftAlone);
        if (!(found.value(object.key()) == *object))
            return tr("In the logbook %1, %2 is not as Torvane makes it: another program has changed it. %3")
                .arg(path, object.key(), leftAlone);
    }
    return QString();
}

QString Logbook::notOpen() const
{
    return tr("No logbook is open.");
}

QString Logbook::readFailure(const QSqlError& error) const
{
    switch (primaryCode(error)) {
    case Busy:
    case Locked:
        return tr("Could not read the logbook %1: another program held it for more than %2 seconds.")
            .arg(path)
            .arg(BusyTimeoutMs / 1000);
    case Corrupt:
    case NotADatabase:
        return tr("Could not read the logbook %1: it is damaged (%2).").arg(path, error.databaseText());
    default:
        return tr("Could not read the logbook %1: %2.").arg(path, error.databaseText());
    }
}

QString Logbook::writeFailure(const QSqlError& error) const
{
    const QString unchanged = tr("The logbook is as it was before the change.");
    switch (primaryCode(error)) {
    case Busy:
    case Locked:
        return tr("Could not save the change to the logbook %1: another program held it for more than %2 "
                  "seconds. %3")
            .arg(path)
            .arg(BusyTimeoutMs / 1000)
            .arg(unchanged);
    case ReadOnly:
        return tr("The logbook %1 is read-only: the change was not saved.").arg(path);
    case Full:
        return tr("Could not save the change to the logbook %1: the disk is full. %2").arg(path, unchanged);
    case Corrupt:
    case NotADatabase:
        return tr("Could not save the change to the logbook %1: it is damaged (%2).").arg(path, error.databaseText());
    default:
        return tr("Could not save the change to the logbook %1: %2. %3").arg(path, error.databaseText(), unchanged);
    }
}

QString Logbook::write(const std::function<QString(QSqlDatabase&)>& change)
{
    if (!IsOpen())
        return notOpen();
    if (readOnly)
        return tr("The logbook %1 is read-only: the change was not saved.").arg(path);
    if (unchecked)
        return tr("The logbook %1 is still being checked for damage: the change was not saved.").arg(path);
    QSqlDatabase db = database();
    {
        // IMMEDIATE takes the write lock at once (waiting for another
        // program's), so two writers never both hold a read lock and then
        // give up on a deadlock.
        QSqlQuery begin(db);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return writeFailure(begin.lastError());
    }
    QString error = change(db);
    if (error.isEmpty()) {
        QSqlQuery commit(db);
        if (commit.exec(QStringLiteral("COMMIT")))
            return QString();
        error = writeFailure(commit.lastError());
    }
    // SQLite may have rolled back already (a full disk does); then this
    // only reports that no transaction is active.
    QSqlQuery rollback(db);
    rollback.exec(QStringLiteral("ROLLBACK"));
    return error;
}

QString Logbook::checkCarExists(QSqlDatabase& db, qint64 carId) const
{
    QSqlQuery query(db);
    if (!prepareAndRun(query, QStringLiteral("SELECT 1 FROM cars WHERE id = ?"), { carId }))
        return writeFailure(query.lastError());
    if (!query.next())
        return tr("The car with the id %1 is not in the logbook.").arg(carId);
    return QString();
}

QString Logbook::checkCarFree(QSqlDatabase& db, const LoggedCar& car) const
{
    // Another car from the same file, or with the same identity.
    for (const bool byFile : { true, false }) {
        const QString& value = byFile ? car.trvFile : car.identity;
        if (value.isEmpty())
            continue;
        QSqlQuery query(db);
        if (!prepareAndRun(query,
                           QStringLiteral("SELECT name FROM cars WHERE %1 = ? AND id <> ?")
                               .arg(byFile ? QStringLiteral("trv_file") : QStringLiteral("identity")),
                           { value, car.id }))
            return writeFailure(query.lastError());
        if (query.next())
            return byFile ? tr("The car %1 in the logbook already comes from %2.").arg(query.value(0).toString(), value)
                          : tr("The car %1 in the logbook already has the identity %2.")
                                .arg(query.value(0).toString(), value);
    }
    return QString();
}

QString Logbook::AddCar(LoggedCar& car)
{
    const QString problem = CarProblem(car);
    if (!problem.isEmpty())
        return problem;
    LoggedCar stored = car;
    stored.id = 0;
    stored.trvFile = normalisedFile(car.trvFile);
    if (stored.identity.isEmpty())
        stored.identity = NewCarIdentity();
    const QString error = write([&](QSqlDatabase& db) {
        const QString taken = checkCarFree(db, stored);
        if (!taken.isEmpty())
            return taken;
        QSqlQuery query(db);
        if (!prepareAndRun(query,
                           QStringLiteral("INSERT INTO cars (%1) VALUES (%2)")
                               .arg(carColumns(), placeholders(InputFieldCount + 3)),
                           carValues(stored)))
            return writeFailure(query.lastError());
        stored.id = query.lastInsertId().toLongLong();
        return QString();
    });
    if (error.isEmpty())
        car = stored;
    return error;
}

QString Logbook::UpdateCar(const LoggedCar& car)
{
    const QString problem = CarProblem(car);
    if (!problem.isEmpty())
        return problem;
    LoggedCar stored = car;
    stored.trvFile = normalisedFile(car.trvFile);
    return write([&](QSqlDatabase& db) {
        const QString missing = checkCarExists(db, stored.id);
        if (!missing.isEmpty())
            return missing;
        const QString taken = checkCarFree(db, stored);
        if (!taken.isEmpty())
            return taken;
        QSqlQuery query(db);
        if (!prepareAndRun(query, QStringLiteral("UPDATE cars SET %1 WHERE id = ?").arg(assignments(carColumns())),
                           carValues(stored) << stored.id))
            return writeFailure(query.lastError());
        return QString();
    });
}

namespace {

template <typename T>
LogbookRead<QList<T>> readAll(const QSqlDatabase& db, const QString& statement, const QList<QVariant>& values,
                              T (*from)(const QSqlQuery&), const std::function<QString(const QSqlError&)>& failure)
{
    LogbookRead<QList<T>> read;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!prepareAndRun(query, statement, values)) {
        read.error = failure(query.lastError());
        return read;
    }
    while (query.next())
        read.value.append(from(query));
    if (query.lastError().isValid())
        read.error = failure(query.lastError());
    return read;
}

} // namespace

LogbookRead<QList<LoggedCar>> Logbook::Cars() const
{
    if (!IsOpen())
        return { {}, notOpen() };
    return readAll<LoggedCar>(database(), QStringLiteral("SELECT id, %1 FROM cars ORDER BY id").arg(carColumns()), {},
                              &carFrom, [this](const QSqlError& e) { return readFailure(e); });
}

LogbookRead<std::optional<LoggedCar>> Logbook::findCarWhere(const char* column, const QString& value) const
{
    if (!IsOpen())
        return { {}, notOpen() };
    if (value.isEmpty())
        return { std::nullopt, QString() };
    const LogbookRead<QList<LoggedCar>> cars = readAll<LoggedCar>(
        database(), QStringLiteral("SELECT id, %1 FROM cars WHERE %2 = ?").arg(carColumns(), QLatin1String(column)),
        { value }, &carFrom, [this](const QSqlError& e) { return readFailure(e); });
    if (cars.value.isEmpty())
        return { std::nullopt, cars.error };
    return { cars.value.front(), cars.error };
}

LogbookRead<std::optional<LoggedCar>> Logbook::FindCarByFile(const QString& trvFile) const
{
    return findCarWhere("trv_file", normalisedFile(trvFile));
}

LogbookRead<std::optional<LoggedCar>> Logbook::FindCarByIdentity(const QString& identity) const
{
    return findCarWhere("identity", identity);
}

LogbookRead<std::optional<LoggedCar>> Logbook::FindCarOf(const QString& identity, const QString& trvFile,
                                                          const QString& name) const
{
    if (!identity.isEmpty())
        return FindCarByIdentity(identity);
    if (!trvFile.isEmpty())
        return FindCarByFile(trvFile);
    const LogbookRead<QList<LoggedCar>> named = FindCarsByName(name);
    for (const LoggedCar& car : named.value)
        if (car.trvFile.isEmpty())
            return { car, named.error };
    return { std::nullopt, named.error };
}

QString Logbook::SetCarFile(qint64 carId, const QString& trvFile, bool onlyIfGone)
{
    const QString file = normalisedFile(trvFile);
    // Known under that path already: nothing to write (a read-only logbook
    // too).
    if (IsOpen()) {
        const LogbookRead<std::optional<LoggedCar>> known = FindCarByFile(file);
        if (known.error.isEmpty() && known.value && known.value->id == carId)
            return QString();
    }
    return write([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!prepareAndRun(query, QStringLiteral("SELECT trv_file FROM cars WHERE id = ?"), { carId }))
            return writeFailure(query.lastError());
        if (!query.next())
            return tr("The car with the id %1 is not in the logbook.").arg(carId);
        const QString known = query.value(0).toString();
        if (known == file || (onlyIfGone && !known.isEmpty() && QFileInfo(known).isFile()))
            return QString();
        if (!prepareAndRun(query, QStringLiteral("UPDATE cars SET trv_file = NULL WHERE trv_file = ? AND id <> ?"),
                           { optionalText(file), carId })
            || !prepareAndRun(query, QStringLiteral("UPDATE cars SET trv_file = ? WHERE id = ?"),
                              { optionalText(file), carId }))
            return writeFailure(query.lastError());
        return QString();
    });
}

LogbookRead<QMap<qint64, qsizetype>> Logbook::RunCounts() const
{
    if (!IsOpen())
        return { {}, notOpen() };
    LogbookRead<QMap<qint64, qsizetype>> read;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT car_id, count(*) FROM runs GROUP BY car_id"))) {
        read.error = readFailure(query.lastError());
        return read;
    }
    while (query.next())
        read.value.insert(query.value(0).toLongLong(), query.value(1).toLongLong());
    if (query.lastError().isValid())
        read.error = readFailure(query.lastError());
    return read;
}

LogbookRead<QList<LoggedCar>> Logbook::FindCarsByName(const QString& name) const
{
    if (!IsOpen())
        return { {}, notOpen() };
    return readAll<LoggedCar>(database(),
                              QStringLiteral("SELECT id, %1 FROM cars WHERE name = ? ORDER BY id").arg(carColumns()),
                              { textValue(name) }, &carFrom, [this](const QSqlError& e) { return readFailure(e); });
}

QString Logbook::insertSlip(QSqlDatabase& db, TimeSlip& run) const
{
    QSqlQuery query(db);
    if (run.id != 0) {
        if (!prepareAndRun(query, QStringLiteral("SELECT 1 FROM runs WHERE id = ?"), { run.id }))
            return writeFailure(query.lastError());
        if (query.next())
            return tr("%1 is in the logbook already; it was not added again.").arg(SlipLabel(run));
    }
    const QVariant id = run.id != 0 ? QVariant(run.id) : QVariant();
    if (!prepareAndRun(query,
                       QStringLiteral("INSERT INTO runs (id, %1) VALUES (?, %2)")
                           .arg(runColumns(), placeholders(5 + static_cast<qsizetype>(numberColumns.size()))),
                       QList<QVariant>{ id } + runValues(run)))
        return writeFailure(query.lastError());
    run.id = query.lastInsertId().toLongLong();
    return QString();
}

QString Logbook::AddSlip(TimeSlip& run)
{
    const QString problem = SlipProblem(run);
    if (!problem.isEmpty())
        return problem;
    TimeSlip stored = run;
    const QString error = write([&](QSqlDatabase& db) {
        const QString missing = checkCarExists(db, stored.carId);
        return missing.isEmpty() ? insertSlip(db, stored) : missing;
    });
    if (error.isEmpty())
        run = stored;
    return error;
}

QString Logbook::AddSlips(qint64 carId, QList<TimeSlip>& runs)
{
    QList<TimeSlip> stored = runs;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        stored[i].carId = carId;
        const QString problem = SlipProblem(stored[i]);
        if (!problem.isEmpty())
            return stored.size() == 1 ? problem : tr("Run %1 of %2: %3").arg(i + 1).arg(stored.size()).arg(problem);
    }
    const QString error = write([&](QSqlDatabase& db) {
        const QString missing = checkCarExists(db, carId);
        if (!missing.isEmpty())
            return missing;
        for (TimeSlip& run : stored) {
            const QString runError = insertSlip(db, run);
            if (!runError.isEmpty())
                return runError;
        }
        return QString();
    });
    if (error.isEmpty())
        runs = stored;
    return error;
}

QString Logbook::updateSlip(QSqlDatabase& db, const TimeSlip& run) const
{
    const QString missing = checkCarExists(db, run.carId);
    if (!missing.isEmpty())
        return missing;
    QSqlQuery query(db);
    if (!prepareAndRun(query, QStringLiteral("UPDATE runs SET %1 WHERE id = ?").arg(assignments(runColumns())),
                       runValues(run) << run.id))
        return writeFailure(query.lastError());
    if (query.numRowsAffected() != 1)
        return tr("The run with the id %1 is not in the logbook.").arg(run.id);
    return QString();
}

QString Logbook::UpdateSlip(const TimeSlip& run)
{
    const QString problem = SlipProblem(run);
    if (!problem.isEmpty())
        return problem;
    return write([&](QSqlDatabase& db) { return updateSlip(db, run); });
}

QString Logbook::checkUnchanged(QSqlDatabase& db, const TimeSlip& seen) const
{
    const LogbookRead<QList<TimeSlip>> now
        = readAll<TimeSlip>(db, QStringLiteral("SELECT id, %1 FROM runs WHERE id = ?").arg(runColumns()),
                             { seen.id }, &runFrom, [this](const QSqlError& e) { return writeFailure(e); });
    if (!now.error.isEmpty())
        return now.error;
    if (now.value.isEmpty())
        return tr("%1 is no longer in the logbook: another window or program has deleted it. Nothing was changed.")
            .arg(SlipLabel(seen));
    if (!(now.value.front() == seen))
        return tr("%1 has been changed by another window or program since; it was left as it is.")
            .arg(SlipLabel(seen));
    return QString();
}

QString Logbook::UpdateSlipIfUnchanged(const TimeSlip& seen, const TimeSlip& run)
{
    const QString problem = SlipProblem(run);
    if (!problem.isEmpty())
        return problem;
    return write([&](QSqlDatabase& db) {
        const QString changed = checkUnchanged(db, seen);
        return changed.isEmpty() ? updateSlip(db, run) : changed;
    });
}

QString Logbook::DeleteSlipsIfUnchanged(const QList<TimeSlip>& seen)
{
    return write([&](QSqlDatabase& db) {
        for (const TimeSlip& run : seen) {
            const QString changed = checkUnchanged(db, run);
            if (!changed.isEmpty())
                return changed;
            QSqlQuery query(db);
            if (!prepareAndRun(query, QStringLiteral("DELETE FROM runs WHERE id = ?"), { run.id }))
                return writeFailure(query.lastError());
        }
        return QString();
    });
}

QString Logbook::MoveSlipsIfUnchanged(const QList<TimeSlip>& seen, qint64 toCarId)
{
    return write([&](QSqlDatabase& db) {
        const QString missing = checkCarExists(db, toCarId);
        if (!missing.isEmpty())
            return missing;
        for (const TimeSlip& run : seen) {
            const QString changed = checkUnchanged(db, run);
            if (!changed.isEmpty())
                return changed;
            QSqlQuery query(db);
            if (!prepareAndRun(query, QStringLiteral("UPDATE runs SET car_id = ? WHERE id = ?"), { toCarId, run.id }))
                return writeFailure(query.lastError());
        }
        return QString();
    });
}

QString Logbook::DeleteSlip(qint64 runId)
{
    return DeleteSlips({ runId });
}

QString Logbook::DeleteSlips(const QList<qint64>& runIds)
{
    return write([&](QSqlDatabase& db) {
        for (qint64 runId : runIds) {
            QSqlQuery query(db);
            if (!prepareAndRun(query, QStringLiteral("DELETE FROM runs WHERE id = ?"), { runId }))
                return writeFailure(query.lastError());
            if (query.numRowsAffected() != 1)
                return tr("The run with the id %1 is not in the logbook.").arg(runId);
        }
        return QString();
    });
}

LogbookRead<QList<TimeSlip>> Logbook::Runs(qint64 carId) const
{
    if (!IsOpen())
        return { {}, notOpen() };
    return readAll<TimeSlip>(
        database(),
        QStringLiteral("SELECT id, %1 FROM runs WHERE car_id = ? ORDER BY run_date, run_time, id").arg(runColumns()),
        { carId }, &runFrom, [this](const QSqlError& e) { return readFailure(e); });
}

LogbookRead<std::optional<TimeSlip>> Logbook::Run(qint64 runId) const
{
    if (!IsOpen())
        return { {}, notOpen() };
    const LogbookRead<QList<TimeSlip>> runs
        = readAll<TimeSlip>(database(), QStringLiteral("SELECT id, %1 FROM runs WHERE id = ?").arg(runColumns()),
                             { runId }, &runFrom, [this](const QSqlError& e) { return readFailure(e); });
    if (runs.value.isEmpty())
        return { std::nullopt, runs.error };
    return { runs.value.front(), runs.error };
}
