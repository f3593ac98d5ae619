// SPDX-License-Identifier: GPL-3.0-or-later
// SlipTableModel: one car's runs as a table for the garage, read and written
// through the Logbook, so that every edit is one transaction and no view
// touches SQL.
//
// In: a logbook and a car. Out: a row per run in the logbook's order, a
// column per SlipField, then two columns shown and never edited: the density
// altitude of the run's day and its quarter-mile time corrected to the
// standard day (logbook/DialInFigures.h). Numbers show with the field's decimals and "." as the
// decimal point whatever the locale; the edit role gives a number's shortest
// exact text, which reads back as the very same number. A date shows in the
// default QLocale's short form; its edit and sort roles are ISO. An edit the logbook
// refuses leaves the run as it was and is told through refused(). Adding,
// changing and deleting runs through the model's own calls keeps the rows in
// step; the garage's undo commands (SlipEdits) write through the logbook
// instead and then read the rows again (Reload). LoadCar reads a car's
// runs on a worker thread, through a logbook of its own on the same file, so
// that a big logbook keeps the window responsive while it is read.
#pragma once

#include "logbook/TimeSlip.h"

#include <QAbstractTableModel>
#include <QList>

class Logbook;
class QThread;

class SlipTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // A number, a date (as its text) or a text to sort by; a missing number
    // sorts first.
    static constexpr int SortRole = Qt::UserRole;
    // The columns after the fields'.
    static constexpr int DensityAltitudeColumn = SlipFieldCount;
    static constexpr int StandardDayTimeColumn = SlipFieldCount + 1;
    static constexpr int ColumnCount = SlipFieldCount + 2;

    explicit SlipTableModel(Logbook& logbook, QObject* parent = nullptr);
    // Waits for the reads under way.
    ~SlipTableModel() override;

    // Shows the runs of the car with this id (0: none). Returns an error
    // message, empty on success; on failure the table is empty.
    QString SetCar(qint64 carId);
    qint64 CarId() const;
    // Reads the car's runs again.
    QString Reload();
    // Shows the runs of the car with this id, read on a worker thread: the
    // table is empty and not editable while Loading(), then shows them and
    // emits loaded() with the error message (empty on success). SetCar,
    // Reload or another LoadCar meanwhile overrides the read. The read opens
    // the file with its whole check: a logbook opened unchecked
    // (Logbook::Check::Later) is marked checked when the file is whole, and
    // closed when it is not (loaded() then says why).
    void LoadCar(qint64 carId);
    bool Loading() const { return loading != 0; }

    const TimeSlip& RunAt(int row) const;
    // Every run shown, in the rows' order.
    const QList<TimeSlip>& Runs() const { return runs; }
    int RowOfRun(qint64 runId) const; // -1 when not shown
    static SlipField FieldOfColumn(int column);

    // Each change below is one transaction in the logbook; the table then
    // inserts, changes or removes the rows it touched (the rest stay as they
    // are, and no run is read again).
    // Stores `run` for the current car and shows it in its place.
    QString AddSlip(TimeSlip& run);
    // Stores `added` for the car `forCar` (an import, or deleted runs put
    // back: a run keeps the id it has), all or none, and shows them in their
    // places when that car is shown.
    QString AddSlips(qint64 forCar, QList<TimeSlip>& added);
    // Stores the changed run (found by its id) and shows it. A run the table
    // shows is changed only while the logbook holds it as shown.
    QString UpdateSlip(const TimeSlip& run);
    // Changes `seen` into `run` only while the logbook holds it as `seen`.
    QString ChangeSlip(const TimeSlip& seen, const TimeSlip& run);
    QString DeleteSlip(qint64 runId);
    // Deletes every one of `seen` while the logbook holds them as seen, all
    // or none.
    QString DeleteSlips(const QList<TimeSlip>& seen);
    // Gives every one of `seen` to the car `toCar` while the logbook holds
    // them as seen, all or none; the table shows them, or no longer does,
    // where that changes the car shown.
    QString MoveSlips(const QList<TimeSlip>& seen, qint64 toCar);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Takes a text (as typed: a number with "." or the default QLocale's
    // decimal separator, digits never grouped; a date as ReadTypedSlipDate
    // reads it in the default QLocale; an empty text for a missing value) or
    // a number.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // An edit made through setData was refused; the message says why.
    void refused(const QString& message);
    // The runs LoadCar read are shown; `error` is why they could not be
    // read, empty when they were.
    void loaded(const QString& error);
    // A change made through the calls above is shown, after all the row
    // signals it gave (an import or a delete may give one a block of rows):
    // a view that works something out from all the runs does it once.
    void changed();

private:
    // The table after a change the logbook took: runs inserted (in blocks of
    // neighbours), changed in place or moved, removed (in blocks).
    void showAdded(QList<TimeSlip> added);
    void showChanged(int row, const TimeSlip& run);
    void showRemoved(const QList<qint64>& runIds);
    // A role of a run's density altitude or standard-day time column.
    QVariant dialInData(const TimeSlip& run, int column, int role) const;
    // The run with one field set from an edited value, or why it cannot be.
    QString withValue(TimeSlip& run, SlipField field, const QVariant& value) const;

    Logbook& logbook;
    qint64 carId = 0;
    QList<TimeSlip> runs;
    int loading = 0;         // the read shown when it ends; 0: none
    int reads = 0;           // reads started
    QList<QThread*> readers; // their threads, until each ends
};

// A run's date as the tables show it: the locale's short form, then the
// time as typed; empty when the run has no date.
QString ShownSlipDate(const TimeSlip& run);
