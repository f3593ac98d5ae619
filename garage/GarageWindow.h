// SPDX-License-Identifier: GPL-3.0-or-later
// GarageWindow: the garage's main window. On the left the cars and the form
// of the current car; on the right the comparison (table and curves), the
// what-if variant and the sensitivity page. Every view reads the one car
// list it is handed and shares its selection; every edit goes through the
// list's undo stack (Edit ▸ Undo and Redo). Every file, export and print
// action has a routine that takes its path or printer, and the questions it
// may ask (a path, what to do with unsaved cars) go through seams a test can
// answer, so the dialogs stay apart from the work. Failures go to the
// message bar.
#pragma once

#include "garage/Units.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class CarForm;
class ConditionsBox;
class CarList;
class ComparisonModel;
class CurveCharts;
class GarageHelp;
class GarageSettings;
class Logbook;
class LogbookPage;
class MessageBar;
class QAction;
class QListView;
class QMenu;
class QPrinter;
class QSplitter;
class QTabWidget;
class QTableView;
class SensitivityPage;
class WhatIfPage;

class GarageWindow : public QMainWindow
{
    Q_OBJECT

public:
    // What to do with cars that have unsaved changes.
    enum class UnsavedAnswer { Save, Discard, Cancel };
    // Asks the question for the cars named; the window asks the user.
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

    GarageWindow(CarList* cars, GarageSettings* settings, QWidget* parent = nullptr);
    ~GarageWindow() override;

    // The work behind the menu commands. Each reports a failure in the
    // message bar and leaves every car as it was; true on success.
    bool OpenFile(const QString& path);
    // Opens each file; every refusal is shown, in one message. Returns how
    // many opened (a file that is open already counts).
    int OpenFiles(const QStringList& paths);
    int NewCar();
    bool SaveCar(int row, const QString& path);
    // Saves the car to its file, or asks for one; false when not saved.
    bool SaveOrAsk(int row);
    // Closes the car (and its what-if variant), asking first when it has
    // unsaved changes; false when the user kept it.
    bool CloseCar(int row);
    bool ExportCsv(const QString& path);
    bool ExportPdf(const QString& path);
    // The curves as a picture of `size` (logical pixels) at `scale` device
    // pixels each; without a size, twice the charts as the screen shows them.
    bool ExportCurves(const QString& path, QSize size = QSize(), qreal scale = 2);
    void PrintReport(QPrinter* printer);
    void SelectCar(int row);

    void SetUnsavedQuestion(UnsavedQuestion question) { askUnsaved = std::move(question); }
    void SetSavePathQuestion(SavePathQuestion question) { askSavePath = std::move(question); }
    void SetChangedFileQuestion(ChangedFileQuestion question) { askChangedFile = std::move(question); }

    int CurrentCar() const;
    MessageBar* Messages() const { return messageBar; }
    CarForm* Form() const { return form; }
    QListView* CarListView() const { return carList; }
    ComparisonModel* Comparison() const { return comparison; }
    CurveCharts* Charts() const { return charts; }
    // The what-if and sensitivity pages are made the first time they are
    // needed (their tab shown, or asked for here), so the window starts as
    // quickly as a plain one.
    WhatIfPage* WhatIf();
    SensitivityPage* SensitivityView();
    // The logbook page; the logbook it shows is opened when the page is
    // made, from the path the settings remember.
    LogbookPage* LogbookView();
    Logbook& Logbooks() { return *logbook; }
    // Opens (or makes) the logbook at `path` in place of the open one; a
    // file that will not do is refused with a message and changes nothing.
    bool OpenLogbook(const QString& path);
    QTabWidget* Tabs() const { return tabs; }
    QTableView* ComparisonTable() const { return table; }
    ConditionsBox* Conditions() const { return conditions; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Puts the page in place of the tab's stand-in.
    void placePage(int tab, QWidget* page);
    void createActions();
    void createMenus();
    void refreshTitle();
    void refreshActions();
    void refreshRecentMenu();
    void forgetGoneRecentFiles();
    // Opens one file; the refusal, empty when it opened.
    QString openFile(const QString& path);
    void showCarMenu(const QPoint& position);
    void fitComparison();
    void saveLayout();
    // Saves the cars in `rows` (asking for paths where needed); false when
    // any was not saved.
    bool saveCars(const QList<int>& rows);
    // Asks about the unsaved cars among `rows` and saves them if told to;
    // false when the user cancelled or a save failed.
    bool settleUnsaved(const QList<int>& rows);

    void openWithDialog();
    void save();
    void saveAs();
    // Asks for a path and saves the car there; false when not saved.
    bool saveAsAsked(int row);
    void closeCurrentCar();
    void exportWithDialog(const QString& title, const QString& filter, const QString& suffix,
                          const QString& proposedName, bool (GarageWindow::*write)(const QString&));
    // Writes an export's bytes whole (or leaves the old file as it was) and
    // reports the outcome; `written` is the success message with %1 for the
    // path.
    bool writeExport(const QString& path, const QByteArray& bytes, const QString& written);
    void exportCurvesWithDialog();
    void printWithPreview();
    void openLogbookWithDialog();
    void showHelp();
    void showAbout();
    UnsavedAnswer askUnsavedWithDialog(const QStringList& carNames);
    ChangedFileAnswer askChangedFileWithDialog(const QString& path);
    // Reads the car's file again into the car, as one undoable edit.
    bool reloadCar(int row);
    QString askSavePathWithDialog(const QString& title, const QString& filter, const QString& suffix,
                                  const QString& proposedName);
    void rememberFolder(const QString& path);

    QPointer<CarList> cars;
    GarageSettings* settings;
    UnsavedQuestion askUnsaved;
    SavePathQuestion askSavePath;
    ChangedFileQuestion askChangedFile;
    MessageBar* messageBar;
    QListView* carList;
    CarForm* form;
    QTabWidget* tabs;
    ComparisonModel* comparison;
    QTableView* table;
    QSplitter* compareSplitter = nullptr;
    QSplitter* mainSplitter = nullptr;
    CurveCharts* charts;
    ConditionsBox* conditions;
    WhatIfPage* whatIf = nullptr;
    SensitivityPage* sensitivity = nullptr;
    std::unique_ptr<Logbook> logbook;
    LogbookPage* logbookPage = nullptr;
    QPointer<GarageHelp> help;
    QMenu* recentMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* closeCarAction = nullptr;
    QAction* undoAction = nullptr;
    QAction* redoAction = nullptr;
    QAction* exportCsvAction = nullptr;
    QAction* exportPdfAction = nullptr;
    QAction* exportPngAction = nullptr;
    QAction* printAction = nullptr;
    QAction* openLogbookAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* imperialAction = nullptr;
    QAction* metricAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;
    int newCarCount = 0;
    bool fittedOnce = false;
};
