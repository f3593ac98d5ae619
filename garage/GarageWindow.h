// GarageWindow: the garage's main window. On the left the cars and the form
// of the selected car; on the right the comparison (table and curves), the
// what-if variant and the sensitivity page. The window reads and writes the
// cars of one CarList and the remembered settings it is handed; every file,
// export and print action has a routine that takes its path or printer, so
// the dialogs stay apart from the work. Failures go to the message bar.
#pragma once

#include "garage/Units.h"

#include <QMainWindow>
#include <QPointer>

class CarForm;
class CarList;
class ComparisonModel;
class CurveCharts;
class GarageHelp;
class GarageSettings;
class MessageBar;
class QAction;
class QActionGroup;
class QListWidget;
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
    GarageWindow(CarList* cars, GarageSettings* settings, QWidget* parent = nullptr);
    ~GarageWindow() override;

    // The work behind the menu commands. Each reports a failure in the
    // message bar and leaves every car as it was; true on success.
    bool OpenFile(const QString& path);
    int NewCar();
    bool SaveCar(int index, const QString& path);
    bool ExportCsv(const QString& path);
    bool ExportPdf(const QString& path);
    bool ExportCurves(const QString& path);
    void PrintReport(QPrinter* printer);
    void SetUnitSystem(UnitSystem units);
    void SelectCar(int index);

    int CurrentCar() const;
    UnitSystem Units() const { return units; }
    MessageBar* Messages() const { return messageBar; }
    CarForm* Form() const { return form; }
    ComparisonModel* Comparison() const { return comparison; }
    CurveCharts* Charts() const { return charts; }
    WhatIfPage* WhatIf() const { return whatIf; }
    SensitivityPage* SensitivityView() const { return sensitivity; }
    QTabWidget* Tabs() const { return tabs; }
    QTableView* ComparisonTable() const { return table; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void refreshCarList();
    void refreshCarItem(int index);
    void refreshRecentMenu();
    void onCarSelected();
    void onTabChanged(int tab);
    void fitComparison();

    void openWithDialog();
    void save();
    void saveAs();
    void closeCar();
    void exportCsvWithDialog();
    void exportPdfWithDialog();
    void exportCurvesWithDialog();
    void printWithPreview();
    void showHelp();
    void showAbout();
    QString askSavePath(const QString& title, const QString& filter, const QString& suffix,
                        const QString& proposedName);
    void rememberFolder(const QString& path);

    QPointer<CarList> cars;
    GarageSettings* settings;
    UnitSystem units = UnitSystem::Imperial;
    MessageBar* messageBar;
    QListWidget* carList;
    CarForm* form;
    QTabWidget* tabs;
    ComparisonModel* comparison;
    QTableView* table;
    QSplitter* compareSplitter = nullptr;
    bool fittedOnce = false;
    CurveCharts* charts;
    WhatIfPage* whatIf;
    SensitivityPage* sensitivity;
    QPointer<GarageHelp> help;
    QMenu* recentMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* closeCarAction = nullptr;
    QAction* exportCsvAction = nullptr;
    QAction* exportPdfAction = nullptr;
    QAction* exportPngAction = nullptr;
    QAction* printAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* imperialAction = nullptr;
    QAction* metricAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;
    int newCarCount = 0;
};
