// SPDX-License-Identifier: GPL-3.0-or-later
// Logbook: the user's cars and time slips in one SQLite file, through Qt SQL.
//
// In: a path (by default DefaultPath()), then cars and runs as plain values
// (logbook/TimeSlip.h). Out: the same values read back, and for every call
// that can fail an error message, empty on success; nothing here shows a
// message. Every change is one transaction: it is saved whole or not at all,
// whatever befalls the program or the disk. A second program writing the same
// file is waited for (up to BusyTimeoutMs) rather than failing at once.
//
// A file that is not a logbook (not SQLite, or SQLite of another program), a
// logbook of a newer version, a damaged one, or a path that is not a regular
// file is refused on opening with a message and left as it is; a read-only
// logbook opens for reading and refuses every change with a message. The
// schema's version is kept in PRAGMA user_version, our mark in PRAGMA
// application_id; an older logbook is brought up to date on opening, one step
// per version.
//
// A Logbook is used in the thread that opened it. Each one has its own
// connection, so several may be open at once, on the same file or others.
#pragma once

#include "logbook/TimeSlip.h"

#include <QCoreApplication>
#include <QList>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

class QSqlDatabase;
class QSqlError;

// A value read from the logbook, or why it could not be read.
template <typename T>
struct LogbookRead {
    T value{};
    QString error; // empty on success
};

// A fresh identity for a car: a UUID without braces.
QString NewCarIdentity();

class Logbook {
    Q_DECLARE_TR_FUNCTIONS(Logbook)

public:
    // The version of the schema this program writes, and the newest it reads.
    static constexpr int SchemaVersion = 3;
    // "TrLb": marks a Torvane logbook among SQLite files.
    static constexpr qint32 ApplicationId = 0x54724c62;
    // How long a change waits for another program that holds the file.
    static constexpr int BusyTimeoutMs = 10000;

    // logbook.sqlite in the program's data folder (QStandardPaths'
    // AppDataLocation, e.g. ~/.local/share/Torvane/torvane-garage/).
    static QString DefaultPath();

    enum class OpenMode {
        Existing, // the file must be there (File ▸ Open Logbook…)
        OrCreate, // a missing file is created, with its folder
    };
    // When the whole file is read through for damage (SQLite's quick_check,
    // a third of a second at 100,000 runs). The marks, the version and the
    // schema are always checked on opening.
    enum class Check {
        Now,   // on opening: a damaged logbook is refused
        Later, // by the caller, on another logbook of the same file (a worker
               // thread); every change is refused until MarkChecked()
    };

    Logbook();
    ~Logbook();
    Logbook(const Logbook&) = delete;
    Logbook& operator=(const Logbook&) = delete;

    // Opens the logbook at `path`, closing any other first. An empty file, or
    // an SQLite file without any table, becomes a new logbook when `mode` is
    // OrCreate. Returns an error message, empty on success; on failure no
    // logbook is open and the file is as it was.
    // With Check::Later, a logbook that must be brought up to date is still
    // checked at once, before it is written.
    QString Open(const QString& path, OpenMode mode = OpenMode::OrCreate, Check check = Check::Now);
    // Opened with Check::Later, and not yet found whole.
    bool Unchecked() const { return unchecked; }
    // The caller's check found the file whole: changes may be made.
    void MarkChecked() { unchecked = false; }
    void Close();
    // Takes the place of `other`, which takes this one's: a logbook opened
    // on its own replaces the open one without opening its file again.
    void Swap(Logbook& other) noexcept;
    bool IsOpen() const;
    // Opened from a file that cannot be written (or in a folder that cannot):
    // reading works, every change is refused.
    bool IsReadOnly() const;
    QString Path() const;

    // Cars. A car's .trv file is kept as an absolute path, the one it was
    // last known under; at most one car comes from each file, and each car
    // has an identity of its own.
    QString AddCar(LoggedCar& car); // gives `car` its id, and an identity when it has none
    QString UpdateCar(const LoggedCar& car);
    LogbookRead<QList<LoggedCar>> Cars() const;
    LogbookRead<std::optional<LoggedCar>> FindCarByFile(const QString& trvFile) const;
    // The car with this identity (the "car=" of its .trv file), if any.
    LogbookRead<std::optional<LoggedCar>> FindCarByIdentity(const QString& identity) const;
    // The car whose runs belong to a car of the garage: the one with its
    // identity; for a car without one (a file written before identities),
    // the one from its file, or, without a file either, the one of its name
    // that has no file.
    LogbookRead<std::optional<LoggedCar>> FindCarOf(const QString& identity, const QString& trvFile,
                                                    const QString& name) const;
    // The car was saved to `trvFile`, or its file was found there: the car
    // is known under that path from now on. Another car that was known under
    // it (from a file the new one replaced) no longer is. With
    // `onlyIfGone`, nothing changes while the file the car is known under is
    // still there (the new one is a copy).
    QString SetCarFile(qint64 carId, const QString& trvFile, bool onlyIfGone = false);
    // How many runs each car has, by the car's id (cars without runs left out).
    LogbookRead<QMap<qint64, qsizetype>> RunCounts() const;
    LogbookRead<QList<LoggedCar>> FindCarsByName(const QString& name) const;

    // Runs. A run is checked with SlipProblem before it is stored. AddSlip gives
    // `run` its id, or keeps the id it has (to put back a deleted run).
    QString AddSlip(TimeSlip& run);
    // Adds all of `runs` to the car as one change (an import, or deleted
    // runs put back): all are stored, or none. Gives each its car, and its id
    // unless it has one.
    QString AddSlips(qint64 carId, QList<TimeSlip>& runs);
    QString UpdateSlip(const TimeSlip& run);
    QString DeleteSlip(qint64 runId);
    // Deletes every one of the runs as one change (taking an import back):
    // all of them, or none.
    QString DeleteSlips(const QList<qint64>& runIds);
    // The changes of an undo, a redo, or an edit of a run read earlier: each
    // is made only when the logbook still holds the runs as the caller read
    // them (another window or program may have changed or deleted them
    // since); otherwise nothing is changed and the message names the run.
    // Changes `seen` into `run`, which has its id.
    QString UpdateSlipIfUnchanged(const TimeSlip& seen, const TimeSlip& run);
    // Deletes every one of `seen`, all of them or none.
    QString DeleteSlipsIfUnchanged(const QList<TimeSlip>& seen);
    // Gives every one of `seen` to the car `toCarId` (a run attached to
    // another car, or its undo), all of them or none, each only while the
    // logbook holds it as seen.
    QString MoveSlipsIfUnchanged(const QList<TimeSlip>& seen, qint64 toCarId);
    // A car's runs by date and time (runs without a date first), then id.
    LogbookRead<QList<TimeSlip>> Runs(qint64 carId) const;
    LogbookRead<std::optional<TimeSlip>> Run(qint64 runId) const;

private:
    QSqlDatabase database() const;
    QString openFile(const QString& path, OpenMode mode, Check check);
    // Reads the whole file through for damage; the refusal, empty when whole.
    QString checkWhole(QSqlDatabase& db);
    QString bringUpToDate(bool mayCreate);
    // Why a logbook of this version cannot be read, empty when it can.
    static QString versionProblem(const QString& file, qint32 version);
    // Why the schema of `db` is not that of a logbook of `version` (an
    // object more, less or changed), empty when it is.
    QString schemaProblem(QSqlDatabase& db, qint32 version) const;
    // Runs `change` in one write transaction and commits it; rolls it back
    // and returns the reason when the change or the commit fails.
    QString write(const std::function<QString(QSqlDatabase&)>& change);
    QString writeFailure(const QSqlError& error) const;
    QString readFailure(const QSqlError& error) const;
    QString notOpen() const;
    QString insertSlip(QSqlDatabase& db, TimeSlip& run) const;
    QString checkCarExists(QSqlDatabase& db, qint64 carId) const;
    // Why the logbook no longer holds `seen` as it was read, empty when it does.
    QString checkUnchanged(QSqlDatabase& db, const TimeSlip& seen) const;
    QString updateSlip(QSqlDatabase& db, const TimeSlip& run) const;
    // The car whose `column` holds `value` (none for an empty value).
    LogbookRead<std::optional<LoggedCar>> findCarWhere(const char* column, const QString& value) const;
    // Why the car's file or identity is another car's, empty when neither is.
    QString checkCarFree(QSqlDatabase& db, const LoggedCar& car) const;

    QString connection; // the Qt SQL connection name, unique to this object
    QString path;
    bool readOnly = false;
    bool unchecked = false;
};
