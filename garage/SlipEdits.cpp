// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/SlipEdits.h"

#include "logbook/Logbook.h"
#include "logbook/SlipTableModel.h"

#include <QSet>
#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace {

// The base of the run commands: they act on one logbook file, show what
// they did in the table and tell of a change the logbook refused.
//
// Every undo and redo changes only what the command itself wrote (the
// logbook's "if unchanged" calls): when another window or program has
// changed or deleted the run since, the step is refused, and the command
// stays where it is on the stack, so that the history still says what the
// logbook holds.
class RunCommand : public QUndoCommand
{
public:
    // `madeBeforePush`: the change is in the logbook already when the
    // command is pushed, so its first redo has nothing to do.
    RunCommand(SlipEdits* edits, Logbook* logbook, const QString& text, bool madeBeforePush = false)
        : QUndoCommand(text)
        , edits(edits)
        , logbook(logbook)
        , path(logbook->Path())
        , madeBeforePush(madeBeforePush)
    {
    }

    void redo() override { step(false); }
    void undo() override { step(true); }

protected:
    // The change of each step; a message when the logbook refuses it.
    virtual QString forward() = 0;
    virtual QString backward() = 0;

    SlipEdits* edits;
    Logbook* logbook;

private:
    // Makes the step on the logbook the command was made for. A refused
    // push drops the command from the history; a refused undo or redo puts
    // the stack back where it was (SlipEdits steps it back over this command,
    // which then does nothing).
    void step(bool undoing)
    {
        const bool pushing = !std::exchange(pushed, true);
        if ((pushing && madeBeforePush) || std::exchange(steppingBack, false) || logbook->Path() != path)
            return;
        const QString error = undoing ? backward() : forward();
        if (error.isEmpty())
            return;
        // Refused: the table shows the runs as the logbook now holds them.
        edits->Runs()->Reload();
        if (pushing) {
            setObsolete(true);
            edits->Refuse(error);
            return;
        }
        steppingBack = true;
        edits->RefuseStep(undoing ? SlipEdits::tr("Could not undo “%1”: %2").arg(text(), error)
                                  : SlipEdits::tr("Could not redo “%1”: %2").arg(text(), error),
                          undoing);
    }

    QString path;
    bool madeBeforePush;
    bool pushed = false;
    bool steppingBack = false;
};

// A change the table has made already when the command is pushed.
class EditRunCommand : public RunCommand
{
public:
    EditRunCommand(SlipEdits* edits, Logbook* logbook, const TimeSlip& before, const TimeSlip& after)
        : RunCommand(edits, logbook, SlipEdits::tr("Change a run"), true)
        , before(before)
        , after(after)
    {
    }

private:
    QString forward() override { return edits->Runs()->ChangeSlip(before, after); }
    QString backward() override { return edits->Runs()->ChangeSlip(after, before); }

    TimeSlip before;
    TimeSlip after;
};

// Runs of one car added (a run typed, an import) or deleted, each way one
// transaction however many runs it holds. The runs keep the ids they were
// first given, so the edits after them find them again; the logbook never
// gives those ids to other runs.
class RunsCommand : public RunCommand
{
public:
    RunsCommand(SlipEdits* edits, Logbook* logbook, const QString& text, bool adding, qint64 carId,
                const QList<TimeSlip>& runs)
        : RunCommand(edits, logbook, text)
        , adding(adding)
        , carId(carId)
        , runs(runs)
    {
    }

private:
    QString forward() override { return adding ? add() : remove(); }
    QString backward() override { return adding ? remove() : add(); }
    QString add() { return edits->Runs()->AddSlips(carId, runs); }
    QString remove() { return edits->Runs()->DeleteSlips(runs); }

    bool adding;
    qint64 carId;
    QList<TimeSlip> runs;
};

} // namespace

SlipEdits::SlipEdits(SlipTableModel* runs, Logbook* logbook, QUndoStack* undoStack, QObject* parent)
    : QIdentityProxyModel(parent)
    , runs(runs)
    , logbook(logbook)
    , undoStack(undoStack)
{
    setSourceModel(runs);
    connect(runs, &SlipTableModel::refused, this, &SlipEdits::refused);
    // Runs inside the stack's undo() or redo(), once it has moved past the
    // refused command: the step back leaves it where it was.
    connect(undoStack, &QUndoStack::indexChanged, this, [this] {
        switch (std::exchange(stepBack, StepBack::None)) {
        case StepBack::None: break;
        case StepBack::Redo: this->undoStack->redo(); break;
        case StepBack::Undo: this->undoStack->undo(); break;
        }
    });
}

bool SlipEdits::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const TimeSlip before = runs->RunAt(index.row());
    if (!runs->setData(mapToSource(index), value, role))
        return false;
    const TimeSlip after = runs->RunAt(runs->RowOfRun(before.id));
    if (!(after == before))
        undoStack->push(new EditRunCommand(this, logbook, before, after));
    return true;
}

QString SlipEdits::AddSlip(TimeSlip run)
{
    run.id = 0;
    return push(new RunsCommand(this, logbook, tr("Add a run"), true, runs->CarId(), { run }));
}

QString SlipEdits::DeleteSlip(qint64 runId)
{
    return DeleteSlips({ runId });
}

QString SlipEdits::DeleteSlips(const QList<qint64>& runIds)
{
    const QSet<qint64> chosen(runIds.cbegin(), runIds.cend());
    QList<TimeSlip> deleted;
    for (const TimeSlip& run : runs->Runs())
        if (chosen.contains(run.id))
            deleted << run;
    if (deleted.isEmpty())
        return QString();
    return push(new RunsCommand(this, logbook, deleted.size() == 1 ? tr("Delete a run") : tr("Delete runs"), false,
                                runs->CarId(), deleted));
}

QString SlipEdits::ImportRuns(QList<TimeSlip> imported)
{
    return push(new RunsCommand(this, logbook, tr("Import runs"), true, runs->CarId(), imported));
}

QString SlipEdits::push(QUndoCommand* command)
{
    lastRefusal.clear();
    undoStack->push(command);
    return lastRefusal;
}

void SlipEdits::RefuseStep(const QString& message, bool undoing)
{
    stepBack = undoing ? StepBack::Redo : StepBack::Undo;
    Refuse(message);
}

void SlipEdits::Refuse(const QString& message)
{
    lastRefusal = message;
    emit refused(message);
}
