// SPDX-License-Identifier: GPL-3.0-or-later
// SlipEdits: the runs of the current car as the garage edits them. Each
// change (a field edited in the table, a run added or deleted, an import)
// is written to the logbook as one transaction and is one command on the
// garage's undo stack, so it can be taken back like any other edit.
//
// In: the table of a car's runs, the logbook it reads, the undo stack. Out:
// the same table (a proxy of it), and refused() with the logbook's message
// when a change cannot be written. A command made for another logbook file
// than the one open does nothing. An undo or redo that would change a run
// another window or program has changed since is refused, and the undo stack
// stays where it was.
#pragma once

#include "logbook/TimeSlip.h"

#include <QIdentityProxyModel>
#include <QList>

class Logbook;
class QUndoCommand;
class QUndoStack;
class SlipTableModel;

class SlipEdits : public QIdentityProxyModel
{
    Q_OBJECT

public:
    SlipEdits(SlipTableModel* runs, Logbook* logbook, QUndoStack* undoStack, QObject* parent = nullptr);

    SlipTableModel* Runs() const { return runs; }

    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Each returns the logbook's message, empty on success.
    QString AddSlip(TimeSlip run);
    QString DeleteSlip(qint64 runId);
    // Deletes the runs as one change, one step to undo.
    QString DeleteSlips(const QList<qint64>& runIds);
    QString ImportRuns(QList<TimeSlip> runs);

    // Tells of a change the logbook refused (the commands call it).
    void Refuse(const QString& message);
    // Tells of a refused undo (or redo) of a command, and steps the stack
    // back over that command once it has moved, so that it stays where it
    // was; the command does nothing on that step.
    void RefuseStep(const QString& message, bool undoing);

signals:
    void refused(const QString& message);

private:
    // Pushes the command, which makes its change; the logbook's refusal,
    // empty when it took it.
    QString push(QUndoCommand* command);

    SlipTableModel* runs;
    Logbook* logbook;
    QUndoStack* undoStack;
    QString lastRefusal;
    enum class StepBack { None, Undo, Redo };
    StepBack stepBack = StepBack::None;
};
