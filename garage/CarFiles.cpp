// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarFiles.h"

#include "core/Csv.h"
#include "core/FileNames.h"
#include "core/FileSave.h"
#include "core/InputChecks.h"
#include "core/RoadKeys.h"
#include "core/VehicleFile.h"
#include "garage/CarList.h"
#include "garage/ComparisonModel.h"
#include "garage/GarageSettings.h"
#include "logbook/Logbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// What each export asks and says.
struct ExportTexts {
    const char* title;
    const char* filter;
    const char* suffix;
    const char* proposedName;
    const char* written;  // %1: the path
    const char* notMade;  // %1: the path; null where the bytes are always made
};

constexpr ExportTexts exportTexts[] = {
    { QT_TRANSLATE_NOOP("CarFiles", "Export the comparison"), QT_TRANSLATE_NOOP("CarFiles", "CSV files (*.csv)"),
      "csv", QT_TRANSLATE_NOOP("CarFiles", "comparison"),
      QT_TRANSLATE_NOOP("CarFiles", "The comparison was written to %1."), nullptr },
    { QT_TRANSLATE_NOOP("CarFiles", "Export the report"), QT_TRANSLATE_NOOP("CarFiles", "PDF files (*.pdf)"), "pdf",
      QT_TRANSLATE_NOOP("CarFiles", "comparison"), QT_TRANSLATE_NOOP("CarFiles", "The report was written to %1."),
      QT_TRANSLATE_NOOP("CarFiles", "Could not make the report; nothing was written to %1.") },
    { QT_TRANSLATE_NOOP("CarFiles", "Export the curves"), QT_TRANSLATE_NOOP("CarFiles", "PNG pictures (*.png)"),
      "png", QT_TRANSLATE_NOOP("CarFiles", "curves"), QT_TRANSLATE_NOOP("CarFiles", "The curves were written to %1."),
      QT_TRANSLATE_NOOP("CarFiles", "Could not make the picture; nothing was written to %1.") },
};

const ExportTexts& textsOf(CarFiles::Export kind)
{
    return exportTexts[static_cast<int>(kind)];
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The message naming the first line after the nine values that is not a
// known road key with a good value; empty when every line is one. The car
// opens all the same (its nine values are whole) and keeps the lines.
QString roadKeysProblem(const VehicleFile::Words& words, const QString& path)
{
    const QString error = ReadRoadKeys(words.tail, words.tailFirstLine, QFileInfo(path).fileName()).error;
    if (error.isEmpty())
        return error;
    return error + QLatin1Char(' ')
           + QCoreApplication::translate("CarFiles", "The car opened with its nine values; the lines after them "
                                                     "are kept as they stand and saved with the car.");
}

} // namespace

CarFiles::CarFiles(CarList* cars, GarageSettings* settings, QObject* parent)
    : QObject(parent)
    , cars(cars)
    , settings(settings)
    , askUnsaved([](const QStringList&) { return UnsavedAnswer::Cancel; })
    , askSavePath([](const QString&, const QString&, const QString&, const QString&) { return QString(); })
    , askChangedFile([](const QString&) { return ChangedFileAnswer::Cancel; })
    , askSameCar([](const QString&, const QString&) { return SameCarAnswer::Same; })
{
}

bool CarFiles::OpenFile(const QString& path)
{
    return OpenFiles({ path }) == 1;
}

int CarFiles::OpenFiles(const QStringList& paths)
{
    QStringList refusals;
    QStringList badKeys;
    int opened = 0;
    for (const QString& path : paths) {
        const QString refusal = openFile(path, badKeys);
        if (refusal.isEmpty())
            ++opened;
        else
            refusals << refusal;
    }
    // Every refusal of the action is kept, in one message that replaces the
    // last outcome.
    if (refusals.size() == 1)
        emit outcome(true, refusals.constFirst());
    else if (!refusals.isEmpty())
        emit outcome(true, tr("%1 of %2 files could not be opened:").arg(refusals.size()).arg(paths.size())
                               + QLatin1Char('\n') + refusals.join(QLatin1Char('\n')));
    // A car opened with a bad road key: the message names the line, which
    // is kept as it stands.
    else if (!badKeys.isEmpty())
        emit outcome(true, badKeys.join(QLatin1Char('\n')));
    else if (opened > 0)
        emit outcomeCleared();
    return opened;
}

QString CarFiles::openFile(const QString& given, QStringList& badKeys)
{
    // A name whose bytes are not UTF-8 opens by those bytes; the garage
    // cannot write to such a name, so the car is a new one without a file.
    const QString path = ExistingName(given);
    const QByteArray encoded = EncodedName(path);
    if (encoded != QFile::encodeName(path)) {
        const QString named = OutputName(path);
        if (!VehicleFile::HasTrvExtension(path))
            return tr("%1: %2").arg(QFileInfo(named).fileName(), ExtensionMessage());
        const VehicleFile::Words words = VehicleFile::LoadEncoded(encoded, named);
        if (!words.error.isEmpty())
            return words.error;
        cars->AddCar(QFileInfo(named).completeBaseName(), VehicleFile::CarFromFileOrder(words.words), QString(),
                     words.tail);
        emit outcome(false, tr("%1 is open as a new car: its name is not valid UTF-8, so the garage "
                               "cannot save under it. Save the car under another name.")
                                .arg(shown(named)));
        return QString();
    }
    // A folder or a pipe is named for what it is, whatever its name.
    if (!NonFileKind(path).isEmpty())
        return VehicleFile::Load(path).error;
    if (!VehicleFile::HasTrvExtension(path))
        return tr("%1: %2").arg(QFileInfo(path).fileName(), ExtensionMessage());
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // A file that is open already is the car to work on, not a second copy.
    for (int row = 0; row < cars->Count(); ++row) {
        if (!cars->At(row).IsVariant() && cars->At(row).path == absolute) {
            cars->SetCurrentRow(row);
            emit note(tr("%1 is open already.").arg(shown(absolute)));
            return QString();
        }
    }
    const VehicleFile::Words words = VehicleFile::Load(path);
    if (!words.error.isEmpty())
        return words.error;
    // A copy of a car's file is the same car, or a new one; a car whose
    // file was moved is known under its new path.
    const QString identity = CarIdentityIn(words.tail);
    const QString other = identity.isEmpty() ? QString() : knownElsewhere(identity, absolute, 0);
    const bool newCar = !other.isEmpty() && askSameCar(absolute, other) == SameCarAnswer::New;
    if (!identity.isEmpty() && other.isEmpty() && logbookOpen())
        if (const auto known = logbook->FindCarByIdentity(identity).value)
            logbook->SetCarFile(known->id, absolute, true);
    const int row = cars->AddCar(QFileInfo(path).completeBaseName(), VehicleFile::CarFromFileOrder(words.words),
                                 absolute, words.tail);
    if (newCar) {
        // An edit of the car, so that it shows unsaved until its file keeps
        // the new identity.
        cars->EditTexts(row, cars->At(row).Texts(), WithCarIdentity(words.tail, NewCarIdentity()));
        emit note(tr("%1 is a new car, without runs. Save it to keep it so.").arg(shown(absolute)));
    }
    const QString problem = roadKeysProblem(words, path);
    if (!problem.isEmpty())
        badKeys << problem;
    remember(absolute);
    emit note(tr("Opened %1").arg(shown(absolute)));
    return QString();
}

bool CarFiles::SaveCar(int row, const QString& path)
{
    if (row < 0 || row >= cars->Count())
        return false;
    // Someone else changed the car's file since the garage read or wrote
    // it: never overwritten without asking.
    const GarageCar& car = cars->At(row);
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const FileStamp now = FileStamp::Of(absolute);
    if (absolute == car.path && !now.IsEmpty() && !(now == car.stamp)) {
        switch (askChangedFile(absolute)) {
        case ChangedFileAnswer::Overwrite: break;
        case ChangedFileAnswer::Reload: reloadCar(row); return false;
        case ChangedFileAnswer::Cancel: return false;
        }
    }
    // The nine values as the classic program writes them, then the road
    // lines exactly as they were read, with the car's identity. A car saved
    // under another name than its own while a car of its identity is open
    // (a what-if variant kept, or Save As beside a copy) may be a new car.
    const GarageCar& saved = cars->At(row);
    QString identity = identityToSave(saved);
    if (!identity.isEmpty() && (saved.IsVariant() || absolute != saved.path)) {
        const QString other = knownElsewhere(identity, absolute, saved.id);
        if (!other.isEmpty() && other != saved.path && askSameCar(absolute, other) == SameCarAnswer::New)
            identity = NewCarIdentity();
    }
    const QString roadLines
        = identity.isEmpty() ? saved.values.roadLines : WithCarIdentity(saved.values.roadLines, identity);
    const QStringList texts = VehicleFile::TextsInFileOrder(saved.Texts());
    QString error = VehicleFile::SaveRefusal(texts);
    if (error.isEmpty())
        error = SaveBytes(path, VehicleFile::Encode(texts) + roadLines.toUtf8());
    if (!error.isEmpty()) {
        emit outcome(true, error);
        return false;
    }
    // The car's runs follow it to its new file.
    if (!identity.isEmpty() && logbookOpen())
        if (const auto logged = logbook->FindCarByIdentity(identity).value)
            logbook->SetCarFile(logged->id, absolute);
    if (roadLines != saved.values.roadLines)
        cars->SetSavedRoadLines(row, roadLines);
    cars->MarkSaved(row, absolute);
    remember(absolute);
    emit outcome(false, tr("Saved %1.").arg(shown(absolute)));
    return true;
}

bool CarFiles::SaveOrAsk(int row)
{
    const GarageCar& car = cars->At(row);
    if (!car.path.isEmpty() && !car.IsVariant())
        return SaveCar(row, car.path);
    return SaveAsAsked(row);
}

bool CarFiles::SaveAsAsked(int row)
{
    const int id = cars->At(row).id;
    const QString path = askSavePath(tr("Save %1").arg(cars->At(row).name), tr("Torvane files (*.trv)"),
                                     QStringLiteral("trv"), cars->At(row).name);
    if (path.isEmpty() || !SaveCar(row, path))
        return false;
    // A car saved under a name of its own takes the file's name; a what-if
    // variant saved becomes a car of its own.
    if (cars->At(cars->RowOf(id)).IsVariant())
        cars->KeepVariant(cars->RowOf(id));
    cars->Rename(cars->RowOf(id), QFileInfo(path).completeBaseName());
    cars->MarkSaved(cars->RowOf(id), QFileInfo(path).absoluteFilePath());
    return true;
}

bool CarFiles::CloseCar(int row)
{
    if (row < 0 || row >= cars->Count())
        return false;
    if (!settleUnsaved({ row }))
        return false;
    cars->CloseCar(row);
    return true;
}

bool CarFiles::SettleAllUnsaved()
{
    QList<int> rows;
    for (int row = 0; row < cars->Count(); ++row)
        rows << row;
    return settleUnsaved(rows);
}

bool CarFiles::saveCars(const QList<int>& rows)
{
    QList<int> ids;
    for (int row : rows)
        ids << cars->At(row).id;
    for (int id : ids)
        if (!SaveOrAsk(cars->RowOf(id)))
            return false;
    return true;
}

bool CarFiles::settleUnsaved(const QList<int>& rows)
{
    QList<int> unsaved;
    QStringList names;
    for (int row : rows) {
        if (cars->IsUnsaved(row)) {
            unsaved << row;
            names << cars->At(row).name;
        }
    }
    if (unsaved.isEmpty())
        return true;
    switch (askUnsaved(names)) {
    case UnsavedAnswer::Save: return saveCars(unsaved);
    case UnsavedAnswer::Discard: return true;
    case UnsavedAnswer::Cancel: break;
    }
    return false;
}

bool CarFiles::reloadCar(int row)
{
    const QString path = cars->At(row).path;
    const VehicleFile::Words words = VehicleFile::Load(path);
    if (!words.error.isEmpty()) {
        emit outcome(true, words.error);
        return false;
    }
    cars->EditTexts(row, VehicleFile::CarFromFileOrder(words.words), words.tail);
    cars->MarkSaved(row, path);
    const QString problem = roadKeysProblem(words, path);
    if (!problem.isEmpty())
        emit outcome(true, problem);
    else
        emit outcome(false, tr("%1 was read again from its file.").arg(cars->At(row).name));
    return true;
}

QByteArray CarFiles::ComparisonCsv(const ComparisonModel& comparison)
{
    QList<QList<CsvCell>> table;
    const QList<QStringList> rows = comparison.CsvRows();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QList<CsvCell> cells;
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            cells.append({ rows[r][c], r > 0 && c >= 2 ? CsvCellKind::Number : CsvCellKind::Text });
        table.append(cells);
    }
    return CsvDocument(table);
}

bool CarFiles::WriteExport(Export kind, const QString& path, const QByteArray& bytes)
{
    const ExportTexts& texts = textsOf(kind);
    if (texts.notMade && bytes.isEmpty()) {
        emit outcome(true, tr(texts.notMade).arg(shown(path)));
        return false;
    }
    const QString error = SaveBytes(path, bytes);
    if (!error.isEmpty()) {
        emit outcome(true, error);
        return false;
    }
    rememberFolder(path);
    emit outcome(false, tr(texts.written).arg(shown(path)));
    return true;
}

QString CarFiles::AskExportPath(Export kind)
{
    const ExportTexts& texts = textsOf(kind);
    return askSavePath(tr(texts.title), tr(texts.filter), QLatin1String(texts.suffix), tr(texts.proposedName));
}

void CarFiles::ForgetGoneRecentFiles()
{
    bool changed = false;
    for (const QString& path : settings->RecentFiles()) {
        if (!QFileInfo::exists(path)) {
            settings->RemoveRecentFile(path);
            changed = true;
        }
    }
    if (changed)
        emit recentFilesChanged();
}

bool CarFiles::logbookOpen() const
{
    return logbook && logbook->IsOpen();
}

QString CarFiles::knownElsewhere(const QString& identity, const QString& path, int exceptId) const
{
    for (int row = 0; row < cars->Count(); ++row) {
        const GarageCar& car = cars->At(row);
        if (!car.IsVariant() && car.id != exceptId && car.path != path
            && CarIdentityIn(car.values.roadLines) == identity)
            return car.path.isEmpty() ? car.name : shown(car.path);
    }
    if (!logbookOpen())
        return QString();
    const std::optional<LoggedCar> known = logbook->FindCarByIdentity(identity).value;
    if (!known || known->trvFile.isEmpty() || known->trvFile == path || !QFileInfo(known->trvFile).isFile())
        return QString();
    // Still there, and still that car's (not another car saved over it).
    if (CarIdentityIn(VehicleFile::Load(known->trvFile).tail) != identity)
        return QString();
    return shown(known->trvFile);
}

QString CarFiles::identityToSave(const GarageCar& car) const
{
    const QString own = CarIdentityIn(car.values.roadLines);
    if (!own.isEmpty() || car.IsVariant() || !logbookOpen())
        return own;
    const std::optional<LoggedCar> logged = logbook->FindCarOf(QString(), car.path, car.name).value;
    return logged ? logged->identity : QString();
}

void CarFiles::remember(const QString& absolutePath)
{
    settings->AddRecentFile(absolutePath);
    rememberFolder(absolutePath);
    emit recentFilesChanged();
}

void CarFiles::rememberFolder(const QString& path)
{
    settings->SetLastFolder(QFileInfo(path).absolutePath());
}
