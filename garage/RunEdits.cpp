// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/RunEdits.h"

#include "logbook/Logbook.h"
#include "logbook/RunTableModel.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

// The base of the run commands: they act on one logbook file, show what
// they did in the table and tell of a change the logbook refused.
class RunCommand : public QUndoCommand
{
public:
    RunCommand(RunEdits* edits, Logbook* logbook, const QString& text)
        : QUndoCommand(text)
        , edits(edits)
        , logbook(logbook)
        , path(logbook->Path())
    {
    }

protected:
    // Runs `change` on the logbook the command was made for. A change the
    // logbook refuses is told, and the command is dropped from the history.
    void act(const std::function<QString()>& change)
    {
        if (logbook->Path() != path)
            return;
        const QString error = change();
        edits->Runs()->Reload();
        if (!error.isEmpty()) {
            setObsolete(true);
            edits->Refuse(error);
        }
    }

    RunEdits* edits;
    Logbook* logbook;
    QString path;
};

// A change already made when the command is pushed: its first redo has
// nothing left to do.
class EditRunCommand : public RunCommand
{
public:
    EditRunCommand(RunEdits* edits, Logbook* logbook, const LoggedRun& before, const LoggedRun& after)
        : RunCommand(edits, logbook, RunEdits::tr("Change a run"))
        , before(before)
        , after(after)
    {
    }
    void redo() override
    {
        if (done)
            act([this] { return logbook->UpdateRun(after); });
        done = true;
    }
    void undo() override
    {
        act([this] { return logbook->UpdateRun(before); });
    }

private:
    LoggedRun before;
    LoggedRun after;
    bool done = false;
};

class AddRunCommand : public RunCommand
{
public:
    AddRunCommand(RunEdits* edits, Logbook* logbook, const LoggedRun& run)
        : RunCommand(edits, logbook, RunEdits::tr("Add a run"))
        , run(run)
    {
    }
    // The run keeps the id it was first given, so the edits after it find
    // it again.
    void redo() override { act([this] { return logbook->AddRun(run); }); }
    void undo() override { act([this] { return logbook->DeleteRun(run.id); }); }

private:
    LoggedRun run;
};

class DeleteRunCommand : public RunCommand
{
public:
    DeleteRunCommand(RunEdits* edits, Logbook* logbook, const LoggedRun& run)
        : RunCommand(edits, logbook, RunEdits::tr("Delete a run"))
        , run(run)
    {
    }
    void redo() override { act([this] { return logbook->DeleteRun(run.id); }); }
    void undo() override { act([this] { return logbook->AddRun(run); }); }

private:
    LoggedRun run;
};

class ImportRunsCommand : public RunCommand
{
public:
    ImportRunsCommand(RunEdits* edits, Logbook* logbook, qint64 carId, const QList<LoggedRun>& runs)
        : RunCommand(edits, logbook, RunEdits::tr("Import runs"))
        , carId(carId)
        , runs(runs)
    {
    }
    void redo() override { act([this] { return logbook->AddRuns(carId, runs); }); }
    void undo() override
    {
        QList<qint64> ids;
        for (const LoggedRun& run : runs)
            ids << run.id;
        act([this, ids] { return logbook->DeleteRuns(ids); });
    }

private:
    qint64 carId;
    QList<LoggedRun> runs;
};

} // namespace

RunEdits::RunEdits(RunTableModel* runs, Logbook* logbook, QUndoStack* undoStack, QObject* parent)
    : QIdentityProxyModel(parent)
    , runs(runs)
    , logbook(logbook)
    , undoStack(undoStack)
{
    setSourceModel(runs);
    connect(runs, &RunTableModel::refused, this, &RunEdits::refused);
}

bool RunEdits::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const LoggedRun before = runs->RunAt(index.row());
    if (!runs->setData(mapToSource(index), value, role))
        return false;
    const LoggedRun after = runs->RunAt(runs->RowOfRun(before.id));
    if (!(after == before))
        undoStack->push(new EditRunCommand(this, logbook, before, after));
    return true;
}

QString RunEdits::AddRun(LoggedRun run)
{
    run.carId = runs->CarId();
    run.id = 0;
    return push(new AddRunCommand(this, logbook, run));
}

QString RunEdits::DeleteRun(qint64 runId)
{
    const int row = runs->RowOfRun(runId);
    if (row < 0)
        return QString();
    return push(new DeleteRunCommand(this, logbook, runs->RunAt(row)));
}

QString RunEdits::ImportRuns(QList<LoggedRun> imported)
{
    return push(new ImportRunsCommand(this, logbook, runs->CarId(), imported));
}

QString RunEdits::push(QUndoCommand* command)
{
    lastRefusal.clear();
    undoStack->push(command);
    return lastRefusal;
}

void RunEdits::Refuse(const QString& message)
{
    lastRefusal = message;
    emit refused(message);
}
