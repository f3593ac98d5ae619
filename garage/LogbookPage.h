// SPDX-License-Identifier: GPL-3.0-or-later
// LogbookPage: the current car's time slips from the logbook, the model's
// slip for each run's day beside them, the model fitted to them, the next
// run predicted on the day's air of the Conditions box with an error band
// measured on the car's own runs, and the report card of how well each way
// of predicting would have done.
//
// In: the car list (its current car and selection), the logbook, the
// garage's settings (units, the day's air). Out: edits of the runs, each one
// transaction in the logbook and one command on the page's undo stack;
// "Use fitted values" adds a car to the list (undoable too); what went wrong
// through outcome(). The runs are found by the car's identity (its file's
// "car=" line), else by its file, or by its name for a car without one; the
// logbook's car is made when its first run is added or imported. The page's
// changes of the runs are commands on its own undo stack (UndoStack()),
// cleared when another logbook is opened. Runs whose car is not open are
// listed, to be attached to the car shown or moved to another (undoable). The runs are read, and the car calibrated, on worker
// threads: the page shows a progress bar with Cancel meanwhile, and a fit is
// kept until its runs or its car change.
#pragma once

#include "garage/CarModel.h"
#include "logbook/Calibration.h"
#include "logbook/ReportCard.h"
#include "logbook/SlipsCsv.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class CalibrationTask;
class CarList;
class ChosenCarsModel;
class CurveCharts;
class DialInCharts;
class GarageSettings;
class Logbook;
class QComboBox;
class QDateEdit;
class QSpinBox;
class QLabel;
class QListWidget;
class QUndoStack;
class QAbstractItemModel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;
class QTimer;
class SlipEdits;
class SlipTableModel;
class ModelSlipTableModel;

class LogbookPage : public QWidget
{
    Q_OBJECT

public:
    LogbookPage(CarList* cars, Logbook* logbook, GarageSettings* settings, QWidget* parent = nullptr);

    // Shows the runs of the current car in the logbook as it is now (after
    // it was opened, or another file was).
    void Reload();

    // The work behind the buttons; each returns the refusal, empty on
    // success.
    QString AddSlip(const TimeSlip& run);
    QString DeleteSelectedRuns();
    QString ImportRuns(const QString& path);
    QString ExportRuns(const QString& path);
    // Fits the car to the runs of its "Fit to" choice (selecting rows never
    // narrows it) on a worker thread; CurrentCalibration() holds the fit
    // once it is done. A fit to these runs of this car is kept, and made
    // again only when they change.
    void Calibrate();
    // The "Fit to" choice of the car shown, kept in the settings by the
    // logbook's file and the car; setting it refits a fit shown.
    FitChoice CurrentFitChoice() const;
    void SetFitChoice(const FitChoice& choice);
    // Stops the calibration under way; no fit is shown then.
    void CancelCalibration();
    bool Calibrating() const { return task != nullptr; }
    // Calibrations started since the page was made (tests, the benchmark).
    int CalibrationsStarted() const { return calibrationsStarted; }
    // Adds the fitted car as a new car of the list; its row, or -1.
    int UseFittedValues();

    // The logbook's cars with runs that no open car has, as the list of
    // other cars shows them.
    const QList<LoggedCar>& CarsNotOpen() const { return carsNotOpen; }
    QListWidget* OtherCarsList() const { return otherCars; }
    // The runs of the logbook's car `loggedCar` become those of the car
    // shown, or of the garage's car `garageCarId`: one undoable step each.
    QString AttachRuns(qint64 loggedCar);
    QString MoveRuns(qint64 loggedCar, int garageCarId);
    // The same for the car of a .trv file that need not be open: the car of
    // its identity, made when the logbook has none; a file without an
    // identity is given one (its logbook car's when the logbook knows the
    // file) and saved with it. Undo moves the runs back; the file keeps it.
    QString MoveRunsToFile(qint64 loggedCar, const QString& trvPath);
    // Answers which car "Move to another car" moves to: an index into the
    // names, the open cars' then the choice of a car file; -1 for none; and
    // which file that choice opens, empty for none (tests).
    void SetCarQuestion(std::function<int(const QStringList& names)> question) { askCar = std::move(question); }
    void SetCarFileQuestion(std::function<QString()> question) { askCarFile = std::move(question); }
    QUndoStack* UndoStack() const { return undoStack; }

    SlipTableModel* Runs() const { return runs; }
    SlipEdits* Edits() const { return edits; }
    QTableView* RunsView() const { return runsView; }
    QAbstractItemModel* Slips() const;
    CurveCharts* Charts() const { return charts; }
    DialInCharts* DialInView() const { return dialIn; }
    // The tabs beside the runs: the dial-in charts, the splits, the model's
    // slips.
    QTabWidget* ChartTabs() const { return chartTabs; }
    const std::optional<Calibration>& CurrentCalibration() const { return calibration; }
    QLabel* FitLabel() const { return fitLabel; }
    QLabel* PredictionLabel() const { return predictionLabel; }
    QTableWidget* ReportCardTable() const { return reportCard; }
    QPushButton* CalibrateButton() const { return calibrateButton; }
    QProgressBar* CalibrationProgress() const { return progressBar; }
    QPushButton* CancelButton() const { return cancelButton; }

    // Answers the "Import runs…" and "Export runs…" path questions (tests).
    void SetPathQuestion(std::function<QString(bool save)> question) { askPath = std::move(question); }
    // The run "Add a run" starts from: dated now, on the Conditions box's
    // weather and elevation, with no figure of the strip.
    TimeSlip NewRunStart() const;
    // Answer the questions of "Add a run" (the run typed from the start,
    // nullopt when cancelled) and of an import: what a sheet's unknown
    // columns hold (nullopt: cancel the import), and how to read dates that
    // read two ways (an example given; Unknown: cancel). Tests set them; by
    // default each asks with a dialog.
    void SetRunQuestion(std::function<std::optional<TimeSlip>(const TimeSlip& start)> question)
    {
        askRun = std::move(question);
    }
    void SetColumnsQuestion(
        std::function<std::optional<QHash<QString, SlipColumn>>(const QStringList& headers,
                                                                const QHash<QString, SlipColumn>& chosen)>
            question)
    {
        askColumns = std::move(question);
    }
    void SetDateOrderQuestion(std::function<DateOrder(const QString& example)> question)
    {
        askDateOrder = std::move(question);
    }

signals:
    // A change was refused, or an import or export finished: what happened.
    void outcome(bool failed, const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void followCurrentCar();
    void fitTabsToCard();
    // The logbook's car for the current car, made when `create`; 0 for none.
    qint64 loggedCarId(bool create, QString* error = nullptr);
    qint64 loggedCarOf(int garageCarId, bool create, QString* error = nullptr);
    QWidget* makeOtherCarsBox();
    void refreshOtherCars();
    void refreshOtherCarButtons();
    void moveToAskedCar();
    // Pushes the move of the runs of `loggedCar` to the logbook's car `to`.
    QString pushMove(qint64 loggedCar, qint64 to, const QString& carName);
    void refresh();
    void refreshSlips();
    void refreshSlipPoints();
    void refreshDialIn();
    void refreshFit();
    void refreshPrediction();
    // The "Fit to" controls set from the settings for the car shown, and
    // the settings from the controls.
    void syncFitChoice();
    void showFitChoice(const FitChoice& choice); // the controls only, no signal
    void fitChoiceChanged();
    // The report card's hint, and the dial-in line under the prediction.
    QString reportCardHint() const;
    QString dialInText() const;
    // The report card's columns: the way, its model, then the mean error
    // and the bias of the time and of the speed.
    static constexpr int ReportCardColumns = 6;
    void refreshButtons();
    // Starts a calibration when a fit is wanted and the one shown (or under
    // way) is not for the chosen runs and the car as they now are.
    void ensureCalibration();
    void calibrationFinished();
    // Shows the fit, the prediction and the report card of the calibration.
    void showCalibration();
    // Cancels the calibration under way, if any, and forgets it.
    void dropTask();
    // The current car as the fit runs it on the garage's model.
    ModelledCar currentFitCar() const;
    // The law the report card's model column names.
    MethodModel reportCardModel() const;
    ModelCar currentModelCar() const;
    QList<TimeSlip> chosenRuns() const;
    void addRunWithDialog();
    void importWithDialog();
    DateOrder askDateOrderWithDialog(const QString& example);
    void exportWithDialog();

    QPointer<CarList> cars;
    Logbook* logbook;
    GarageSettings* settings;
    int carId = 0; // the garage's car shown (its base car for a variant)
    QString carKey; // its identity and file, as the runs shown were found by
    bool stale = true;
    QUndoStack* undoStack; // the page's own: its changes of the runs
    SlipTableModel* runs;
    SlipEdits* edits;
    QLabel* sourceLabel;
    QTableView* runsView;
    QPushButton* addButton;
    QPushButton* deleteButton;
    QPushButton* importButton;
    QPushButton* exportButton;
    QComboBox* modelBox;
    ModelSlipTableModel* slipModel;
    QTableView* slipView;
    ChosenCarsModel* shownCars;
    CurveCharts* charts;
    DialInCharts* dialIn;
    QTabWidget* chartTabs;
    QComboBox* fitToBox;
    QDateEdit* fitSinceEdit;
    QSpinBox* fitLastBox;
    QPushButton* calibrateButton;
    QPushButton* useFittedButton;
    QProgressBar* progressBar;
    QPushButton* cancelButton;
    QTimer* progressDelay; // the bar shows once a calibration has taken a moment
    QLabel* fitLabel;
    QLabel* predictionLabel;
    QTableWidget* reportCard;
    std::optional<Calibration> calibration;
    std::optional<ReportCard> card; // of the calibration
    bool fitWanted = false;      // Calibrate was asked for the car shown
    bool showFittedCar = false;  // the next fit made switches the slips to the fitted car
    CalibrationTask* task = nullptr; // the calibration under way
    int calibrationsStarted = 0;
    std::function<QString(bool save)> askPath;
    QListWidget* otherCars = nullptr;
    QPushButton* attachButton = nullptr;
    QPushButton* moveButton = nullptr;
    QWidget* otherCarsBox = nullptr;
    QList<LoggedCar> carsNotOpen;
    std::function<int(const QStringList& names)> askCar;
    std::function<QString()> askCarFile;
    std::function<std::optional<TimeSlip>(const TimeSlip& start)> askRun;
    std::function<std::optional<QHash<QString, SlipColumn>>(const QStringList&, const QHash<QString, SlipColumn>&)>
        askColumns;
    std::function<DateOrder(const QString& example)> askDateOrder;
};
