// SPDX-License-Identifier: GPL-3.0-or-later
// CarFiles: the garage's cars and their files, without a window. It opens
// .trv files into the car list, saves cars (asking for a path where a car
// has none), notices a file changed by another program since it was read
// or written, asks about unsaved cars before they are closed, keeps the
// recent files and the last folder in the settings, and writes the exports
// whole. The questions (a path, what to do with unsaved cars or a changed
// file) are hooks the window answers with its dialogs and a test answers
// itself; every outcome goes out as a signal, for the window's message bar.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class CarList;
class ComparisonModel;
class Logbook;
struct GarageCar;
class GarageSettings;

class CarFiles : public QObject
{
    Q_OBJECT

public:
    // What to do with cars that have unsaved changes.
    enum class UnsavedAnswer { Save, Discard, Cancel };
    // Asks the question for the cars named.
    using UnsavedQuestion = std::function<UnsavedAnswer(const QStringList& carNames)>;
    // Asks for a path to save to: a title, a file filter, the suffix and a
    // proposed name; an empty path when the user cancels.
    using SavePathQuestion =
        std::function<QString(const QString& title, const QString& filter, const QString& suffix,
                              const QString& proposedName)>;
    // What to do when a car's file was changed by someone else since the
    // garage read or wrote it.
    enum class ChangedFileAnswer { Overwrite, Reload, Cancel };
    using ChangedFileQuestion = std::function<ChangedFileAnswer(const QString& path)>;
    // Whether a car file that holds the identity of a car known under
    // another file (a copy of that file) is the same car, whose runs it
    // shares, or a new one, which gets an identity of its own and no runs.
    enum class SameCarAnswer { Same, New };
    using SameCarQuestion = std::function<SameCarAnswer(const QString& path, const QString& otherPath)>;

    // The three exports: the comparison as CSV, the report as PDF, the
    // curves as a PNG picture.
    enum class Export { Comparison, Report, Curves };

    // Until a hook is set, every question is answered "cancel" (and a copy
    // is the same car, which loses no run).
    CarFiles(CarList* cars, GarageSettings* settings, QObject* parent = nullptr);

    void SetUnsavedQuestion(UnsavedQuestion question) { askUnsaved = std::move(question); }
    void SetSavePathQuestion(SavePathQuestion question) { askSavePath = std::move(question); }
    void SetChangedFileQuestion(ChangedFileQuestion question) { askChangedFile = std::move(question); }
    void SetSameCarQuestion(SameCarQuestion question) { askSameCar = std::move(question); }
    // The logbook that knows the cars' identities and the files they were
    // last known under; its cars follow their files through Save As and
    // moves. Without one (or while it is closed), only the open cars count.
    void SetLogbook(Logbook* logbook) { this->logbook = logbook; }

    // Each reports its outcome and, on failure, leaves every car as it was;
    // true on success.
    bool OpenFile(const QString& path);
    // Opens each file; every refusal is reported, in one message. Returns
    // how many opened (a file that is open already counts).
    int OpenFiles(const QStringList& paths);
    bool SaveCar(int row, const QString& path);
    // Saves the car to its file, or asks for one; false when not saved.
    bool SaveOrAsk(int row);
    // Asks for a path and saves the car there; false when not saved. A car
    // takes the file's name; a what-if variant becomes a car of its own.
    bool SaveAsAsked(int row);
    // Closes the car (and its what-if variant), asking first when it has
    // unsaved changes; false when the user kept it.
    bool CloseCar(int row);
    // Asks about every unsaved car and saves them if told to; false when the
    // user cancelled or a save failed.
    bool SettleAllUnsaved();

    // The comparison's CSV: the figures are numbers; the names, the units
    // and the header are text.
    static QByteArray ComparisonCsv(const ComparisonModel& comparison);
    // Writes an export's bytes whole (or leaves the old file as it was) and
    // reports the outcome; no bytes means the export could not be made, and
    // nothing is written.
    bool WriteExport(Export kind, const QString& path, const QByteArray& bytes);
    // Asks for the export's path; empty when the user cancelled.
    QString AskExportPath(Export kind);

    // Files deleted or moved since they were opened leave the recent files.
    void ForgetGoneRecentFiles();

signals:
    // The outcome of an action, replacing the last one.
    void outcome(bool failed, const QString& message);
    // Files opened without a refusal: the last outcome no longer applies.
    void outcomeCleared();
    // A passing note of what happened, for a moment in the status bar.
    void note(const QString& message);
    void recentFilesChanged();

private:
    // Opens one file; the refusal, empty when it opened. A car opened with
    // a bad road key adds the key's message to `badKeys`.
    QString openFile(const QString& path, QStringList& badKeys);
    // Saves the cars in `rows` (asking for paths where needed); false when
    // any was not saved.
    bool saveCars(const QList<int>& rows);
    // Asks about the unsaved cars among `rows` and saves them if told to;
    // false when the user cancelled or a save failed.
    bool settleUnsaved(const QList<int>& rows);
    // Reads the car's file again into the car, as one undoable edit.
    bool reloadCar(int row);
    // Where else a car with this identity is known (another open car, or
    // the logbook's file for it while that file still holds it), apart from
    // `path` and the car `exceptId`; empty when nowhere.
    QString knownElsewhere(const QString& identity, const QString& path, int exceptId) const;
    // The identity a save of the car writes: its own, or for a car without
    // one, that of its runs in the logbook; empty for a car without either.
    QString identityToSave(const GarageCar& car) const;
    bool logbookOpen() const;
    void remember(const QString& absolutePath);
    void rememberFolder(const QString& path);

    QPointer<CarList> cars;
    GarageSettings* settings;
    UnsavedQuestion askUnsaved;
    SavePathQuestion askSavePath;
    ChangedFileQuestion askChangedFile;
    SameCarQuestion askSameCar;
    Logbook* logbook = nullptr;
};
