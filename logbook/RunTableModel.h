// SPDX-License-Identifier: GPL-3.0-or-later
// RunTableModel: one car's runs as a table for the garage, read and written
// through the Logbook, so that every edit is one transaction and no view
// touches SQL.
//
// In: a logbook and a car. Out: a row per run in the logbook's order, a
// column per RunField. Numbers show with the field's decimals and "." as the
// decimal point whatever the locale; the edit role gives a number's shortest
// exact text, which reads back as the very same number. An edit the logbook
// refuses leaves the run as it was and is told through refused(). Adding,
// changing and deleting runs go through the model's own calls, which keep the
// rows in step; the garage's undo commands call them.
#pragma once

#include "logbook/LoggedRun.h"

#include <QAbstractTableModel>
#include <QList>

class Logbook;

class RunTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // A number, a date (as its text) or a text to sort by; a missing number
    // sorts first.
    static constexpr int SortRole = Qt::UserRole;

    explicit RunTableModel(Logbook& logbook, QObject* parent = nullptr);

    // Shows the runs of the car with this id (0: none). Returns an error
    // message, empty on success; on failure the table is empty.
    QString SetCar(qint64 carId);
    qint64 CarId() const;
    // Reads the car's runs again.
    QString Reload();

    const LoggedRun& RunAt(int row) const;
    int RowOfRun(qint64 runId) const; // -1 when not shown
    static RunField FieldOfColumn(int column);

    // Stores `run` for the current car and shows it in its place.
    QString AddRun(LoggedRun& run);
    // Stores the changed run (found by its id) and shows it. A run the table
    // shows is changed only while the logbook holds it as shown.
    QString UpdateRun(const LoggedRun& run);
    QString DeleteRun(qint64 runId);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Takes a text (as typed: a number with ".", a date as ReadRunDate reads
    // it, an empty text for a missing value) or a number.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // An edit made through setData was refused; the message says why.
    void refused(const QString& message);

private:
    // The run with one field set from an edited value, or why it cannot be.
    QString withValue(LoggedRun& run, RunField field, const QVariant& value) const;

    Logbook& logbook;
    qint64 carId = 0;
    QList<LoggedRun> runs;
};
