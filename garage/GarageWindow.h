// SPDX-License-Identifier: GPL-3.0-or-later
// GarageWindow: the garage's main window. On the left the cars and the form
// of the current car; on the right the comparison (table and curves), the
// what-if variant and the sensitivity page. Every view reads the one car
// list it is handed and shares its selection; every edit of a car goes
// through the list's undo stack, every change of the runs through the
// logbook page's, and Edit ▸ Undo and Redo act on the stack of the page
// shown (a QUndoGroup). The files are the CarFiles it
// is handed: the window answers its questions with dialogs and shows its
// outcomes in the message bar. The exports and the print take a path or a
// printer, so the dialogs stay apart from the work.
#pragma once

#include "garage/CarFiles.h"
#include "garage/Units.h"

#include <QMainWindow>
#include <QPointer>

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
class QUndoGroup;
class SensitivityPage;
class WhatIfPage;

class GarageWindow : public QMainWindow
{
    Q_OBJECT

public:
    GarageWindow(CarList* cars, GarageSettings* settings, CarFiles* files, QWidget* parent = nullptr);
    ~GarageWindow() override;

    // The work behind the menu commands that needs the window. Each reports
    // a failure in the message bar; true on success.
    int NewCar();
    bool ExportCsv(const QString& path);
    bool ExportPdf(const QString& path);
    // The curves as a picture of `size` (logical pixels) at `scale` device
    // pixels each; without a size, twice the charts as the screen shows them.
    bool ExportCurves(const QString& path, QSize size = QSize(), qreal scale = 2);
    void PrintReport(QPrinter* printer);
    void SelectCar(int row);

    int CurrentCar() const;
    CarFiles* Files() const { return files; }
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
    void showCarMenu(const QPoint& position);
    void fitComparison();
    void saveLayout();

    void openWithDialog();
    void save();
    void saveAs();
    void closeCurrentCar();
    void exportWithDialog(CarFiles::Export kind, bool (GarageWindow::*write)(const QString&));
    void exportCurvesWithDialog();
    void printWithPreview();
    void openLogbookWithDialog();
    void showHelp();
    void showAbout();
    CarFiles::UnsavedAnswer askUnsavedWithDialog(const QStringList& carNames);
    CarFiles::ChangedFileAnswer askChangedFileWithDialog(const QString& path);
    CarFiles::SameCarAnswer askSameCarWithDialog(const QString& path, const QString& otherPath);
    // Edit ▸ Undo follows the page shown: the logbook page's own stack there.
    void followPageUndo();
    QString askSavePathWithDialog(const QString& title, const QString& filter, const QString& suffix,
                                  const QString& proposedName);

    QPointer<CarList> cars;
    GarageSettings* settings;
    CarFiles* files;
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
    QUndoGroup* undoGroup = nullptr;
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
