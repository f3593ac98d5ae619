// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/LogbookPage.h"

#include "core/FileSave.h"
#include "core/InputChecks.h"
#include "core/NumberText.h"
#include "garage/CalibrationTask.h"
#include "garage/CarList.h"
#include "garage/CarProxies.h"
#include "garage/CurveCharts.h"
#include "garage/DialInCharts.h"
#include "garage/GarageSettings.h"
#include "garage/ImportColumnsDialog.h"
#include "garage/NewRunDialog.h"
#include "garage/SlipEdits.h"
#include "garage/TabChain.h"
#include "garage/ModelSlipTableModel.h"
#include "garage/Units.h"
#include "core/RoadKeys.h"
#include "core/VehicleFile.h"
#include "logbook/Logbook.h"
#include "logbook/ReportCard.h"
#include "logbook/SlipTableModel.h"
#include "logbook/SlipsCsv.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QListWidget>
#include <QSet>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The rows a table's column is measured over (besides those in sight).
constexpr int ContentsPrecision = 100;

// "14.32 s ± 0.05 (68 %), ± 0.11 (95 %)", or without the bands when there
// are none.
QString withBand(const QLocale& locale, double value, const std::optional<BandWidths>& band, int decimals,
                 const QString& unit)
{
    QString text = locale.toString(value, 'f', decimals) + QLatin1Char(' ') + unit;
    if (band)
        text += QLatin1Char(' ')
            + LogbookPage::tr("± %1 (68 %), ± %2 (95 %)")
                  .arg(locale.toString(band->band68, 'f', decimals), locale.toString(band->band95, 'f', decimals));
    return text;
}

} // namespace

LogbookPage::LogbookPage(CarList* cars, Logbook* logbook, GarageSettings* settings, QWidget* parent)
    : QWidget(parent)
    , cars(cars)
    , logbook(logbook)
    , settings(settings)
    , undoStack(new QUndoStack(this))
    , runs(new SlipTableModel(*logbook, this))
    , edits(new SlipEdits(runs, logbook, undoStack, this))
    , sourceLabel(new QLabel(this))
    , runsView(new QTableView(this))
    , addButton(new QPushButton(tr("Add a r&un"), this))
    , deleteButton(new QPushButton(tr("Delete run"), this))
    , importButton(new QPushButton(tr("Import runs…"), this))
    , exportButton(new QPushButton(tr("E&xport runs…"), this))
    , modelBox(new QComboBox(this))
    , slipModel(new ModelSlipTableModel(runs, this))
    , slipView(new QTableView(this))
    , shownCars(new ChosenCarsModel(cars, this))
    , charts(new CurveCharts(shownCars, settings, this))
    , dialIn(new DialInCharts(this))
    , chartTabs(new QTabWidget(this))
    , fitToBox(new QComboBox(this))
    , fitSinceEdit(new QDateEdit(this))
    , fitLastBox(new QSpinBox(this))
    , calibrateButton(new QPushButton(tr("Calib&rate"), this))
    , useFittedButton(new QPushButton(tr("Cop&y fitted values to a new car"), this))
    , progressBar(new QProgressBar(this))
    , cancelButton(new QPushButton(tr("Cancel"), this))
    , progressDelay(new QTimer(this))
    , fitLabel(new QLabel(this))
    , predictionLabel(new QLabel(this))
    , reportCard(new QTableWidget(PredictionMethodCount, ReportCardColumns, this))
{
    setObjectName(QStringLiteral("logbookPage"));
    sourceLabel->setTextFormat(Qt::PlainText);
    sourceLabel->setWordWrap(true);

    runsView->setObjectName(QStringLiteral("runsTable"));
    runsView->setModel(edits);
    runsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    runsView->setTabKeyNavigation(false);
    runsView->setAccessibleName(tr("Runs"));
    runsView->verticalHeader()->hide();
    runsView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A column is as wide as its first hundred rows and those in sight
    // need: measuring every row of a big logbook would take seconds.
    runsView->horizontalHeader()->setResizeContentsPrecision(ContentsPrecision);
    // The density altitude beside the weather it comes from, the
    // standard-day time beside the time.
    QHeaderView* runColumns = runsView->horizontalHeader();
    runColumns->moveSection(runColumns->visualIndex(SlipTableModel::DensityAltitudeColumn),
                            runColumns->visualIndex(static_cast<int>(SlipField::Humidity)) + 1);
    runColumns->moveSection(runColumns->visualIndex(SlipTableModel::StandardDayTimeColumn),
                            runColumns->visualIndex(static_cast<int>(SlipField::QuarterMileTime)) + 1);
    runsView->setToolTip(tr("One row a run. Double-click a cell to type the time slip's figure; "
                            "a change can be undone."));
    addButton->setObjectName(QStringLiteral("addRunButton"));
    addButton->setToolTip(tr("Type a run from its time slip: dated now, on the day's air of the Conditions "
                             "box."));
    deleteButton->setObjectName(QStringLiteral("deleteRunButton"));
    importButton->setObjectName(QStringLiteral("importRunsButton"));
    importButton->setToolTip(tr("Runs from a CSV file with a header line: date, track, temperature, "
                                "pressure, humidity, quarterMileTime, quarterMileSpeed, …, or a racer's "
                                "sheet's Temp, Baro, RT, 60ft, 1/8, 1/4 ET, 1/4 MPH, …; runs already in the "
                                "logbook are skipped."));
    exportButton->setObjectName(QStringLiteral("exportRunsButton"));

    auto* runButtons = new QHBoxLayout;
    for (QPushButton* button : { addButton, deleteButton, importButton, exportButton })
        runButtons->addWidget(button);
    runButtons->addStretch(1);
    // The model's slip for each run's day beside the slip.
    modelBox->setObjectName(QStringLiteral("slipModelBox"));
    modelBox->addItem(tr("The car as typed"));
    modelBox->addItem(tr("The fitted car"));
    modelBox->setAccessibleName(tr("Model compared"));
    auto* modelLabel = new QLabel(tr("The model's slip on each run's day:"), this);
    modelLabel->setBuddy(modelBox);
    slipView->setObjectName(QStringLiteral("slipTable"));
    slipView->setModel(slipModel);
    slipView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    slipView->setTabKeyNavigation(false);
    slipView->verticalHeader()->hide();
    slipView->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    slipView->horizontalHeader()->setResizeContentsPrecision(ContentsPrecision);
    slipView->setAccessibleName(tr("Model against the slips"));
    auto* slipBox = new QWidget(this);
    auto* slipLayout = new QVBoxLayout(slipBox);
    slipLayout->setContentsMargins(0, 0, 0, 0);
    auto* modelRow = new QHBoxLayout;
    modelRow->addWidget(modelLabel);
    modelRow->addWidget(modelBox);
    modelRow->addStretch(1);
    slipLayout->addLayout(modelRow);
    slipLayout->addWidget(slipView, 1);

    // The slips' splits over the model's distance curve.
    charts->SetSpan(CurveCharts::Span::QuarterMile);
    charts->SpeedView()->hide();
    charts->HideSpanChoice();

    // Fit, prediction and report card.
    calibrateButton->setObjectName(QStringLiteral("calibrateButton"));
    calibrateButton->setToolTip(tr("Fit the horsepower and the spin time to the runs chosen under "
                                   "\"Fit to\", each run on its own day's air. Selecting rows does not narrow "
                                   "the fit."));
    fitToBox->setObjectName(QStringLiteral("fitToBox"));
    fitToBox->addItems({ tr("All runs"), tr("Runs since"), tr("The last runs") });
    fitToBox->setToolTip(tr("Which runs the fit takes, kept for this car and logbook."));
    fitSinceEdit->setObjectName(QStringLiteral("fitSinceEdit"));
    fitSinceEdit->setAccessibleName(tr("Fit to the runs since"));
    fitSinceEdit->setCalendarPopup(true);
    fitSinceEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    fitSinceEdit->setDate(QDate::currentDate().addYears(-1));
    fitLastBox->setObjectName(QStringLiteral("fitLastBox"));
    fitLastBox->setAccessibleName(tr("Fit to the last runs"));
    fitLastBox->setRange(1, 100000);
    fitLastBox->setValue(FitChoice().last);
    useFittedButton->setObjectName(QStringLiteral("useFittedButton"));
    useFittedButton->setToolTip(tr("Add the fitted car as a new car; the typed one stays as it is."));
    progressBar->setObjectName(QStringLiteral("calibrationProgress"));
    progressBar->setAccessibleName(tr("Calibration progress"));
    progressBar->setFormat(tr("Fit %v of %m"));
    progressBar->hide();
    cancelButton->setObjectName(QStringLiteral("cancelCalibrationButton"));
    cancelButton->setToolTip(tr("Stop the calibration; no fit is shown."));
    cancelButton->hide();
    // A calibration of a few runs is done before a bar would be seen.
    progressDelay->setSingleShot(true);
    progressDelay->setInterval(250);
    for (QLabel* label : { fitLabel, predictionLabel }) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    fitLabel->setObjectName(QStringLiteral("fitLabel"));
    predictionLabel->setObjectName(QStringLiteral("predictionLabel"));
    reportCard->setObjectName(QStringLiteral("reportCard"));
    reportCard->setAccessibleName(tr("Report card"));
    reportCard->setHorizontalHeaderLabels({ tr("Way of predicting"), tr("Model"), tr("Mean error (s)"),
                                            tr("Bias (s)"), tr("Mean error (mph)"), tr("Bias (mph)") });
    reportCard->setToolTip(reportCardHint());
    reportCard->setEditTriggers(QAbstractItemView::NoEditTriggers);
    reportCard->setTabKeyNavigation(false);
    reportCard->setSelectionMode(QAbstractItemView::NoSelection);
    reportCard->verticalHeader()->hide();
    // Rows as tall as a line of text: a laptop's screen shows more runs
    // and the whole card.
    for (QTableView* table : { runsView, slipView, static_cast<QTableView*>(reportCard) }) {
        table->verticalHeader()->setMinimumSectionSize(0);
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    }
    reportCard->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int row = 0; row < PredictionMethodCount; ++row) {
        const PredictionMethod method = AllPredictionMethods[static_cast<std::size_t>(row)];
        reportCard->setItem(row, 0, new QTableWidgetItem(PredictionMethodName(method)));
        reportCard->setItem(row, 1, new QTableWidgetItem(MethodModelName(ModelOf(method))));
        for (int column = 2; column < ReportCardColumns; ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            reportCard->setItem(row, column, item);
        }
    }
    // The runs beside the fit and its sentences; under them the report card,
    // as tall and wide as its rows and columns, in a tab with the charts (the
    // dial-in charts, the slips' splits over the model's curve, the model's
    // slip on each day), so that a laptop's screen shows the runs, the
    // sentences and the whole card at once.
    auto* fitBox = new QGroupBox(tr("Fit and prediction"), this);
    fitBox->setObjectName(QStringLiteral("fitBox"));
    // The runs chosen on one line, the actions on the next: one line of
    // both is wider than a laptop leaves the box in German.
    auto* fitChoiceRow = new QHBoxLayout;
    auto* fitToLabel = new QLabel(tr("Fit to:"), this);
    fitToLabel->setBuddy(fitToBox);
    fitChoiceRow->addWidget(fitToLabel);
    fitChoiceRow->addWidget(fitToBox);
    fitChoiceRow->addWidget(fitSinceEdit);
    fitChoiceRow->addWidget(fitLastBox);
    fitChoiceRow->addStretch(1);
    auto* fitButtons = new QHBoxLayout;
    fitButtons->addWidget(calibrateButton);
    fitButtons->addWidget(useFittedButton);
    fitButtons->addWidget(progressBar, 1);
    fitButtons->addWidget(cancelButton);
    fitButtons->addStretch(1);
    auto* fitLayout = new QVBoxLayout(fitBox);
    fitLayout->addLayout(fitChoiceRow);
    fitLayout->addLayout(fitButtons);
    fitLayout->addWidget(fitLabel);
    fitLayout->addWidget(predictionLabel);
    fitLayout->addStretch(1);
    // The card shows every row at once, never a scroll bar of its own.
    reportCard->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    reportCard->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reportCard->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reportCard->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* cardPage = new QWidget(this);
    auto* cardLayout = new QHBoxLayout(cardPage);
    cardLayout->setContentsMargins(0, 0, 0, 0);
    cardLayout->addWidget(reportCard, 0, Qt::AlignTop);
    cardLayout->addStretch(1);

    chartTabs->setObjectName(QStringLiteral("logbookTabs"));
    chartTabs->setDocumentMode(true);
    chartTabs->addTab(cardPage, tr("Report card"));
    chartTabs->addTab(dialIn, tr("Density altitude"));
    chartTabs->addTab(dialIn->DateView(), tr("By date"));
    chartTabs->addTab(charts, tr("Splits"));
    chartTabs->addTab(slipBox, tr("Model's slips"));
    fitTabsToCard();
    auto* runsBox = new QWidget(this);
    auto* runsLayout = new QVBoxLayout(runsBox);
    runsLayout->setContentsMargins(0, 0, 0, 0);
    runsLayout->addWidget(sourceLabel);
    runsLayout->addWidget(makeOtherCarsBox());
    runsLayout->addWidget(runsView, 1);
    runsLayout->addLayout(runButtons);
    auto* upper = new QSplitter(Qt::Horizontal, this);
    upper->setObjectName(QStringLiteral("logbookSplitter"));
    upper->setChildrenCollapsible(false);
    upper->addWidget(runsBox);
    upper->addWidget(fitBox);
    upper->setStretchFactor(0, 3);
    upper->setStretchFactor(1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(upper, 1);
    layout->addWidget(chartTabs);
    // Tab reads the page as it is laid out: the runs, the fit, the tabs.
    SetTabChain({ exportButton, fitToBox, fitSinceEdit, fitLastBox, calibrateButton, useFittedButton, cancelButton, chartTabs });

    auto* deleteKey = new QAction(tr("Delete run"), runsView);
    deleteKey->setShortcut(QKeySequence::Delete);
    deleteKey->setShortcutContext(Qt::WidgetShortcut);
    runsView->addAction(deleteKey);
    connect(deleteKey, &QAction::triggered, deleteButton, &QPushButton::click);

    connect(addButton, &QPushButton::clicked, this, &LogbookPage::addRunWithDialog);
    connect(deleteButton, &QPushButton::clicked, this, [this] {
        const QString error = DeleteSelectedRuns();
        if (!error.isEmpty())
            emit outcome(true, error);
    });
    connect(importButton, &QPushButton::clicked, this, &LogbookPage::importWithDialog);
    connect(exportButton, &QPushButton::clicked, this, &LogbookPage::exportWithDialog);
    connect(calibrateButton, &QPushButton::clicked, this, &LogbookPage::Calibrate);
    connect(useFittedButton, &QPushButton::clicked, this, &LogbookPage::UseFittedValues);
    connect(cancelButton, &QPushButton::clicked, this, &LogbookPage::CancelCalibration);
    connect(progressDelay, &QTimer::timeout, this, [this] {
        progressBar->setVisible(task != nullptr);
        cancelButton->setVisible(task != nullptr);
    });
    connect(modelBox, &QComboBox::currentIndexChanged, this, &LogbookPage::refreshSlips);
    connect(edits, &SlipEdits::refused, this, [this](const QString& message) { emit outcome(true, message); });
    connect(runs, &SlipTableModel::loaded, this, [this](const QString& error) {
        if (!error.isEmpty())
            emit outcome(true, error);
    });
    // Any change of the runs shows at once; a fit made before is made again
    // on the runs as they now are. A change of many rows is shown once.
    connect(runs, &QAbstractItemModel::modelReset, this, [this] { refresh(); });
    connect(runs, &QAbstractItemModel::layoutChanged, this, [this] { refresh(); });
    connect(runs, &SlipTableModel::changed, this, [this] { refresh(); });
    // A selection shows its runs' splits; it never narrows the fit.
    connect(runsView->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        refreshSlipPoints();
        refreshDialIn();
        refreshButtons();
    });
    connect(fitToBox, &QComboBox::currentIndexChanged, this, &LogbookPage::fitChoiceChanged);
    connect(fitSinceEdit, &QDateEdit::dateChanged, this, &LogbookPage::fitChoiceChanged);
    connect(fitLastBox, &QSpinBox::valueChanged, this, &LogbookPage::fitChoiceChanged);
    connect(cars->Selection(), &QItemSelectionModel::currentRowChanged, this, [this] { followCurrentCar(); });
    connect(shownCars, &QAbstractItemModel::dataChanged, this, [this] {
        followCurrentCar();
        refresh();
    });
    connect(settings, &GarageSettings::conditionsChanged, this, [this] { refreshPrediction(); });
    connect(cars, &CarList::runsChanged, this, &LogbookPage::refreshSlips);
    // The fit follows the garage's model: another model fits again.
    connect(cars, &CarList::runsChanged, this, [this] {
        if (!fitWanted || !isVisible())
            return;
        ensureCalibration();
        refreshFit();
        refreshButtons();
    });
    Reload();
}

// The tabs are as tall as the whole card, and no taller: the charts take
// that height too, and the rest of the page goes to the runs and the fit.
void LogbookPage::fitTabsToCard()
{
    chartTabs->setMaximumHeight(chartTabs->tabBar()->sizeHint().height()
                                + reportCard->horizontalHeader()->sizeHint().height()
                                + reportCard->verticalHeader()->length() + 2 * reportCard->frameWidth() + 2);
}

void LogbookPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitTabsToCard();
}

void LogbookPage::Reload()
{
    // The commands were made on the logbook that was open.
    undoStack->clear();
    carId = -1;
    followCurrentCar();
}

QWidget* LogbookPage::makeOtherCarsBox()
{
    otherCarsBox = new QGroupBox(tr("Runs of cars not open"), this);
    otherCarsBox->setObjectName(QStringLiteral("otherCarsBox"));
    otherCars = new QListWidget(otherCarsBox);
    otherCars->setObjectName(QStringLiteral("otherCarsList"));
    otherCars->setAccessibleName(tr("Runs of cars not open"));
    otherCars->setToolTip(tr("Runs kept under a car that is not open, such as one whose file was moved or "
                             "renamed by another program: attach them to the car shown, or move them to "
                             "another car, open or chosen by its file."));
    // Two lines in sight: the box takes little from the runs while it shows.
    otherCars->setMaximumHeight(otherCars->fontMetrics().lineSpacing() * 2 + 2 * otherCars->frameWidth() + 4);
    attachButton = new QPushButton(tr("Attach to this car"), otherCarsBox);
    attachButton->setObjectName(QStringLiteral("attachRunsButton"));
    moveButton = new QPushButton(tr("Move to another car…"), otherCarsBox);
    moveButton->setObjectName(QStringLiteral("moveRunsButton"));
    auto* layout = new QHBoxLayout(otherCarsBox);
    layout->addWidget(otherCars, 1);
    layout->addWidget(attachButton, 0, Qt::AlignTop);
    layout->addWidget(moveButton, 0, Qt::AlignTop);
    otherCarsBox->hide();

    auto selected = [this] {
        const int row = otherCars->currentRow();
        return row >= 0 && row < carsNotOpen.size() ? carsNotOpen[row].id : qint64(0);
    };
    connect(attachButton, &QPushButton::clicked, this, [this, selected] {
        if (const QString error = AttachRuns(selected()); !error.isEmpty())
            emit outcome(true, error);
    });
    connect(moveButton, &QPushButton::clicked, this, &LogbookPage::moveToAskedCar);
    connect(otherCars, &QListWidget::currentRowChanged, this, &LogbookPage::refreshOtherCarButtons);
    // A car opened, closed or saved under another file changes which runs
    // have no open car.
    connect(cars, &QAbstractItemModel::rowsInserted, this, &LogbookPage::refreshOtherCars);
    connect(cars, &QAbstractItemModel::rowsRemoved, this, &LogbookPage::refreshOtherCars);
    connect(cars, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(CarList::FileRole))
                    refreshOtherCars();
            });
    return otherCarsBox;
}

void LogbookPage::refreshOtherCars()
{
    const qint64 chosen = otherCars->currentRow() >= 0 && otherCars->currentRow() < carsNotOpen.size()
                              ? carsNotOpen[otherCars->currentRow()].id
                              : 0;
    carsNotOpen.clear();
    otherCars->clear();
    if (logbook->IsOpen()) {
        const LogbookRead<QList<LoggedCar>> logged = logbook->Cars();
        const LogbookRead<QMap<qint64, qsizetype>> counts = logbook->RunCounts();
        QSet<qint64> open;
        for (int row = 0; row < cars->Count(); ++row) {
            const GarageCar& car = cars->At(row);
            if (car.IsVariant())
                continue;
            if (const auto found = logbook->FindCarOf(CarIdentityIn(car.values.roadLines), car.path, car.name).value)
                open.insert(found->id);
        }
        for (const LoggedCar& car : logged.value) {
            const qsizetype count = counts.value.value(car.id);
            if (count == 0 || open.contains(car.id))
                continue;
            carsNotOpen << car;
            const QString text = car.trvFile.isEmpty()
                                     ? tr("%1 (runs: %2)").arg(car.name, locale().toString(count))
                                     : tr("%1 (runs: %2), last in %3")
                                           .arg(car.name, locale().toString(count),
                                                QDir::toNativeSeparators(car.trvFile));
            auto* item = new QListWidgetItem(text, otherCars);
            if (car.id == chosen)
                otherCars->setCurrentItem(item);
        }
    }
    if (otherCars->currentRow() < 0 && otherCars->count() > 0)
        otherCars->setCurrentRow(0);
    otherCarsBox->setVisible(!carsNotOpen.isEmpty());
    refreshOtherCarButtons();
}

void LogbookPage::refreshOtherCarButtons()
{
    const bool writable = logbook->IsOpen() && !logbook->IsReadOnly() && otherCars->currentRow() >= 0;
    attachButton->setEnabled(writable && carId > 0);
    moveButton->setEnabled(writable);
}

namespace {

// Runs of one logbook car given to another, and back: one step to undo. A
// step the logbook refuses (a run changed or deleted since) is said, and
// the command leaves the stack.
class MoveRunsCommand : public QUndoCommand
{
public:
    MoveRunsCommand(SlipTableModel* runs, QList<TimeSlip> seen, qint64 to, const QString& text,
                    std::function<void(const QString&)> done)
        : QUndoCommand(text), runs(runs), seen(std::move(seen)), to(to), done(std::move(done))
    {
    }
    void redo() override { step(seen, to); }
    void undo() override
    {
        QList<TimeSlip> moved = seen;
        for (TimeSlip& run : moved)
            run.carId = to;
        step(moved, seen.front().carId);
    }
    QString error;

private:
    void step(const QList<TimeSlip>& from, qint64 toCar)
    {
        error = runs->MoveSlips(from, toCar);
        if (!error.isEmpty())
            setObsolete(true);
        done(error);
    }
    SlipTableModel* runs;
    QList<TimeSlip> seen;
    qint64 to;
    std::function<void(const QString&)> done;
};

} // namespace

QString LogbookPage::pushMove(qint64 loggedCar, qint64 to, const QString& carName)
{
    if (loggedCar == 0 || to == 0 || loggedCar == to)
        return QString();
    const LogbookRead<QList<TimeSlip>> moved = logbook->Runs(loggedCar);
    if (!moved.error.isEmpty())
        return moved.error;
    if (moved.value.isEmpty())
        return QString();
    auto* command = new MoveRunsCommand(
        runs, moved.value, to, tr("Attach runs to %1").arg(carName),
        [this](const QString& error) {
            refreshOtherCars();
            if (!error.isEmpty())
                emit outcome(true, error);
        });
    // A move the logbook refused at once is not kept.
    const int before = undoStack->count();
    undoStack->push(command);
    if (undoStack->count() == before)
        return tr("The runs were not moved.");
    emit outcome(false, tr("Runs attached to %1: %2.").arg(carName, locale().toString(moved.value.size())));
    return QString();
}

QString LogbookPage::AttachRuns(qint64 loggedCar)
{
    return MoveRuns(loggedCar, carId);
}

QString LogbookPage::MoveRuns(qint64 loggedCar, int garageCarId)
{
    QString error;
    const qint64 to = loggedCarOf(garageCarId, true, &error);
    if (to == 0)
        return error.isEmpty() ? tr("No car is chosen.") : error;
    // The car shown gets its first runs: the table shows its logbook car.
    if (garageCarId == carId && runs->CarId() != to)
        runs->SetCar(to);
    return pushMove(loggedCar, to, cars->At(cars->RowOf(garageCarId)).name);
}

QString LogbookPage::MoveRunsToFile(qint64 loggedCar, const QString& trvPath)
{
    const QString absolute = QFileInfo(trvPath).absoluteFilePath();
    // An open car's file is that car.
    for (int row = 0; row < cars->Count(); ++row)
        if (!cars->At(row).IsVariant() && cars->At(row).path == absolute)
            return MoveRuns(loggedCar, cars->At(row).id);
    if (!logbook->IsOpen())
        return tr("No car is chosen.");
    const VehicleFile::Words words = VehicleFile::Load(absolute);
    if (!words.error.isEmpty())
        return words.error;
    const QString name = QFileInfo(absolute).completeBaseName();
    QString identity = CarIdentityIn(words.tail);
    const LogbookRead<std::optional<LoggedCar>> found = logbook->FindCarOf(identity, absolute, name);
    if (!found.error.isEmpty())
        return found.error;
    // A file without an identity takes its logbook car's, or a new one, and
    // keeps it, as the garage's save would write it, before any run moves:
    // a file that cannot be written moves nothing.
    if (identity.isEmpty()) {
        identity = found.value ? found.value->identity : NewCarIdentity();
        QString error = VehicleFile::SaveRefusal(words.words);
        if (error.isEmpty())
            error = SaveBytes(absolute,
                              VehicleFile::Encode(words.words) + WithCarIdentity(words.tail, identity).toUtf8());
        if (!error.isEmpty())
            return error;
    }
    qint64 to = 0;
    if (found.value) {
        to = found.value->id;
        logbook->SetCarFile(to, absolute, true);
    } else {
        LoggedCar car;
        car.name = name;
        car.inputs = VehicleFile::CarFromFileOrder(words.words);
        car.identity = identity;
        // A file another car of the logbook is known under stays that car's.
        if (!logbook->FindCarByFile(absolute).value)
            car.trvFile = absolute;
        if (const QString added = logbook->AddCar(car); !added.isEmpty())
            return added;
        to = car.id;
    }
    return pushMove(loggedCar, to, name);
}

void LogbookPage::moveToAskedCar()
{
    const int row = otherCars->currentRow();
    if (row < 0 || row >= carsNotOpen.size())
        return;
    QStringList names;
    QList<int> ids;
    for (int car = 0; car < cars->Count(); ++car)
        if (!cars->At(car).IsVariant()) {
            names << cars->At(car).name;
            ids << cars->At(car).id;
        }
    // The racer's other car need not be open: its file is chosen then.
    names << tr("A car file…");
    const int chosen = askCar ? askCar(names) : [&] {
        bool ok = false;
        const QString name = QInputDialog::getItem(this, tr("Move to another car"),
                                                   tr("The car the runs of %1 belong to:").arg(carsNotOpen[row].name),
                                                   names, 0, false, &ok);
        return ok ? static_cast<int>(names.indexOf(name)) : -1;
    }();
    if (chosen < 0 || chosen > ids.size())
        return;
    QString error;
    if (chosen < ids.size()) {
        error = MoveRuns(carsNotOpen[row].id, ids[chosen]);
    } else {
        const QString path = askCarFile ? askCarFile()
                                        : QFileDialog::getOpenFileName(
                                              this, tr("Move to another car"), settings->LastFolder(),
                                              QCoreApplication::translate("GarageWindow", "Torvane files (*.trv)"));
        if (path.isEmpty())
            return;
        error = MoveRunsToFile(carsNotOpen[row].id, path);
    }
    if (!error.isEmpty())
        emit outcome(true, error);
}

void LogbookPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    fitTabsToCard();
    if (stale)
        refresh();
}

void LogbookPage::followCurrentCar()
{
    const int row = cars->CurrentBaseRow();
    const int id = row < 0 ? 0 : cars->At(row).id;
    // The car's runs are those of its identity, or of its file: a car given
    // another identity or saved to another file may have others.
    const QString key = row < 0 ? QString() : CarIdentityIn(cars->At(row).values.roadLines) + u'\n' + cars->At(row).path;
    if (id == carId && key == carKey)
        return;
    carId = id;
    carKey = key;
    dropTask();
    fitWanted = false;
    calibration.reset();
    card.reset();
    shownCars->SetCarIds({ id });
    QString error;
    const qint64 logged = loggedCarId(false, &error);
    if (!error.isEmpty())
        emit outcome(true, error);
    // Read on a worker thread: a big logbook takes a while.
    runs->LoadCar(logged);
    refreshOtherCars();
    refresh();
}

qint64 LogbookPage::loggedCarId(bool create, QString* error)
{
    return loggedCarOf(carId, create, error);
}

qint64 LogbookPage::loggedCarOf(int garageCarId, bool create, QString* error)
{
    if (!logbook->IsOpen() || garageCarId == 0)
        return 0;
    const int row = cars->RowOf(garageCarId);
    if (row < 0)
        return 0;
    const GarageCar& garageCar = cars->At(row);
    const QString identity = CarIdentityIn(garageCar.values.roadLines);
    auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return qint64(0);
    };
    // The car of its identity; a car without one (its file written before
    // identities, or never saved with runs) is its file's car, or without a
    // file the logbook's car of its name that has no file either.
    const LogbookRead<std::optional<LoggedCar>> found = logbook->FindCarOf(identity, garageCar.path, garageCar.name);
    if (!found.error.isEmpty())
        return fail(found.error);
    if (found.value) {
        // A file moved since: the car is known under its new path. A
        // read-only logbook keeps the old one, which does no harm.
        if (!garageCar.path.isEmpty() && !logbook->IsReadOnly())
            logbook->SetCarFile(found.value->id, garageCar.path, true);
        return found.value->id;
    }
    if (!create)
        return 0;
    LoggedCar car;
    car.name = garageCar.name;
    car.inputs = garageCar.Texts();
    car.identity = identity;
    car.trvFile = garageCar.path;
    // A file another car of the logbook is known under (a file that was
    // given another identity) stays that car's until this one is saved.
    if (!car.trvFile.isEmpty() && logbook->FindCarByFile(car.trvFile).value)
        car.trvFile.clear();
    const QString added = logbook->AddCar(car);
    if (!added.isEmpty())
        return fail(added);
    return car.id;
}

ModelledCar LogbookPage::currentFitCar() const
{
    const int row = cars->RowOf(carId);
    const CarInputs inputs = row < 0 ? CarInputs() : cars->index(row).data(CarList::InputsRole).value<CarInputs>();
    if (cars->Model() == CarModel::Classic)
        return { inputs, std::nullopt };
    return RoadModelledCar(inputs, row < 0 ? RoadKeys() : cars->ModelCarAt(row).keys);
}

ModelCar LogbookPage::currentModelCar() const
{
    const int row = cars->RowOf(carId);
    return row < 0 ? ModelCar() : cars->ModelCarAt(row);
}

QList<TimeSlip> LogbookPage::chosenRuns() const
{
    return RunsToFit(runs->Runs(), CurrentFitChoice());
}

FitChoice LogbookPage::CurrentFitChoice() const
{
    // Only what the kind reads, as it is kept.
    FitChoice choice;
    choice.kind = static_cast<FitChoice::Kind>(std::max(0, fitToBox->currentIndex()));
    if (choice.kind == FitChoice::Kind::SinceDate)
        choice.since = fitSinceEdit->date();
    if (choice.kind == FitChoice::Kind::LastRuns)
        choice.last = fitLastBox->value();
    return choice;
}

void LogbookPage::SetFitChoice(const FitChoice& choice)
{
    showFitChoice(choice);
    fitChoiceChanged();
}

void LogbookPage::syncFitChoice()
{
    showFitChoice(logbook->IsOpen() && runs->CarId() != 0
                      ? FitChoiceFromKey(settings->FitChoiceKeyOf(logbook->Path(), runs->CarId()))
                      : FitChoice());
}

void LogbookPage::showFitChoice(const FitChoice& choice)
{
    const QSignalBlocker blockSince(fitSinceEdit);
    const QSignalBlocker blockLast(fitLastBox);
    const QSignalBlocker blockKind(fitToBox);
    if (choice.since.isValid())
        fitSinceEdit->setDate(choice.since);
    fitLastBox->setValue(choice.last);
    fitToBox->setCurrentIndex(static_cast<int>(choice.kind));
    fitSinceEdit->setVisible(choice.kind == FitChoice::Kind::SinceDate);
    fitLastBox->setVisible(choice.kind == FitChoice::Kind::LastRuns);
}

void LogbookPage::fitChoiceChanged()
{
    const FitChoice choice = CurrentFitChoice();
    fitSinceEdit->setVisible(choice.kind == FitChoice::Kind::SinceDate);
    fitLastBox->setVisible(choice.kind == FitChoice::Kind::LastRuns);
    if (logbook->IsOpen() && runs->CarId() != 0)
        settings->SetFitChoiceKey(logbook->Path(), runs->CarId(), FitChoiceKey(choice));
    refreshDialIn();
    if (fitWanted)
        Calibrate();
}

QAbstractItemModel* LogbookPage::Slips() const
{
    return slipModel;
}

void LogbookPage::refresh()
{
    if (!isVisible()) {
        // Worked out when the page is next shown.
        stale = true;
        return;
    }
    stale = false;
    syncFitChoice();
    ensureCalibration();
    if (!logbook->IsOpen())
        sourceLabel->setText(tr("No logbook is open: File ▸ Open Logbook… opens or makes one."));
    else if (carId == 0)
        sourceLabel->setText(tr("No car is chosen."));
    else if (runs->Loading())
        sourceLabel->setText(tr("Reading the runs of %1 from %2…")
                                 .arg(cars->index(cars->RowOf(carId)).data(CarList::NameRole).toString(),
                                      QDir::toNativeSeparators(logbook->Path())));
    else if (runs->CarId() == 0)
        sourceLabel->setText(tr("No runs of %1 in %2 yet: add a run, or import your time slips.")
                                 .arg(cars->index(cars->RowOf(carId)).data(CarList::NameRole).toString(),
                                      QDir::toNativeSeparators(logbook->Path())));
    else
        sourceLabel->setText(tr("Runs of %1 in %2: %3.")
                                 .arg(cars->index(cars->RowOf(carId)).data(CarList::NameRole).toString(),
                                      QDir::toNativeSeparators(logbook->Path()))
                                 .arg(locale().toString(runs->rowCount())));
    refreshSlips();
    refreshDialIn();
    refreshFit();
    refreshPrediction();
    refreshButtons();
}

// The dial-in charts of every run, their lines through the runs the fit
// uses.
void LogbookPage::refreshDialIn()
{
    dialIn->SetRuns(runs->Runs(), chosenRuns());
}

void LogbookPage::refreshButtons()
{
    const bool open = logbook->IsOpen() && !logbook->IsReadOnly() && carId != 0 && !runs->Loading();
    addButton->setEnabled(open);
    importButton->setEnabled(open);
    deleteButton->setEnabled(open && runsView->selectionModel()->hasSelection());
    exportButton->setEnabled(runs->rowCount() > 0);
    calibrateButton->setEnabled(runs->rowCount() > 0);
    // The fit shown is being made again: it is not copied meanwhile.
    useFittedButton->setEnabled(calibration && calibration->fit.Fitted() && !task);
    modelBox->setEnabled(calibration && calibration->fit.Fitted());
}

void LogbookPage::ensureCalibration()
{
    if (!fitWanted)
        return;
    const QList<TimeSlip> chosen = chosenRuns();
    const ModelledCar typed = currentFitCar();
    if (chosen.isEmpty() || (calibration && calibration->fit.TypedCar() == typed && calibration->runs == chosen)) {
        if (chosen.isEmpty()) {
            calibration.reset();
            card.reset();
        }
        dropTask();
        return;
    }
    if (task && task->Typed() == typed && task->Runs() == chosen)
        return;
    dropTask();
    task = new CalibrationTask(typed, chosen, QThread::idealThreadCount(), this);
    ++calibrationsStarted;
    progressBar->setRange(0, 0);
    connect(task, &CalibrationTask::progressed, this, [this](int done, int total) {
        progressBar->setRange(0, total);
        progressBar->setValue(done);
    });
    connect(task, &CalibrationTask::finished, this, &LogbookPage::calibrationFinished);
    progressDelay->start();
}

void LogbookPage::calibrationFinished()
{
    CalibrationTask* done = task;
    task = nullptr;
    calibration = done->Result();
    card = done->Card();
    done->deleteLater();
    dropTask();
    showCalibration();
}

void LogbookPage::showCalibration()
{
    if (calibration && !calibration->fit.Fitted())
        modelBox->setCurrentIndex(0);
    else if (calibration && showFittedCar)
        modelBox->setCurrentIndex(1);
    showFittedCar = false;
    refreshSlips();
    refreshFit();
    refreshPrediction();
    refreshButtons();
}

void LogbookPage::dropTask()
{
    if (task) {
        disconnect(task, nullptr, this, nullptr);
        task->Cancel();
        task = nullptr;
    }
    progressDelay->stop();
    progressBar->hide();
    cancelButton->hide();
}

void LogbookPage::refreshSlips()
{
    const bool fitted = modelBox->currentIndex() == 1 && calibration && calibration->fit.Fitted();
    // The fit is the classic law's; the car itself runs by the garage's model.
    if (fitted)
        slipModel->Refresh(calibration->fit.car, locale());
    else
        slipModel->Refresh(currentModelCar(), cars->Model(), locale());
    refreshSlipPoints();
}

// The slips' own splits over the curve, for the chosen runs (all when none
// is chosen).
void LogbookPage::refreshSlipPoints()
{
    QList<QPointF> points;
    const QModelIndexList selected = runsView->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        for (const TimeSlip& run : runs->Runs())
            ModelSlipTableModel::AppendSplitPoints(run, points);
    } else {
        for (const QModelIndex& index : selected)
            ModelSlipTableModel::AppendSplitPoints(runs->RunAt(index.row()), points);
    }
    charts->SetSlipPoints(points);
}

void LogbookPage::refreshFit()
{
    reportCard->setToolTip(reportCardHint());
    for (int row = 0; row < PredictionMethodCount; ++row)
        for (int column = 0; column < ReportCardColumns; ++column) {
            QTableWidgetItem* item = reportCard->item(row, column);
            QFont font = item->font();
            font.setBold(false);
            item->setFont(font);
            if (column > 1)
                item->setText(QString());
        }
    for (int row = 0; row < PredictionMethodCount; ++row)
        reportCard->item(row, 1)->setText(
            MethodModelName(ModelOf(AllPredictionMethods[static_cast<std::size_t>(row)], reportCardModel())));
    if (!calibration) {
        if (task)
            fitLabel->setText(tr("Fitting the car to the runs (%1)…").arg(locale().toString(task->Runs().size())));
        else
            fitLabel->setText(runs->rowCount() == 0 ? QString()
                              : cars->Model() == CarModel::Road
                                  ? tr("Calibrate to fit the power at the wheels and the launch grip to the runs.")
                                  : tr("Calibrate to fit the horsepower and the spin time to the runs."));
        return;
    }
    const CarFit& fit = calibration->fit;
    if (!fit.Fitted()) {
        fitLabel->setText(fit.message);
        return;
    }
    QStringList lines;
    // All runs are said by the line after; a narrower choice says so.
    if (CurrentFitChoice().kind != FitChoice::Kind::AllRuns)
        lines << FitChoiceLine(CurrentFitChoice(), calibration->runs.size(), runs->rowCount());
    lines << FitLine(fit, calibration->runs.size(), locale());
    lines << FitRangeLine(fit, locale());
    lines << fit.boundNotes;
    fitLabel->setText(lines.join(QLatin1Char('\n')));

    if (!card->Available()) {
        reportCard->setToolTip(card->message);
        reportCard->item(0, 2)->setText(QStringLiteral("—"));
        reportCard->setEnabled(false);
        return;
    }
    reportCard->setEnabled(true);
    // An empty score says so, never 0.
    const QString notEnough = tr("not enough runs");
    for (int row = 0; row < PredictionMethodCount; ++row) {
        const MethodScore& score = card->scores[static_cast<std::size_t>(row)];
        const bool timed = score.runs > 0;
        const bool sped = score.speed.runs > 0;
        reportCard->item(row, 2)->setText(timed ? locale().toString(score.meanAbsoluteError, 'f', 3) : notEnough);
        reportCard->item(row, 3)->setText(timed ? SignedDifferenceText(score.bias, 3, locale()) : QString());
        reportCard->item(row, 4)->setText(sped ? locale().toString(score.speed.meanAbsoluteError, 'f', 2)
                                               : notEnough);
        reportCard->item(row, 5)->setText(sped ? SignedDifferenceText(score.speed.bias, 2, locale()) : QString());
        if (score.best)
            for (int column = 0; column < ReportCardColumns; ++column) {
                QTableWidgetItem* item = reportCard->item(row, column);
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
    }
}

MethodModel LogbookPage::reportCardModel() const
{
    if (card)
        return card->model;
    return cars->Model() == CarModel::Road ? MethodModel::RoadModel : MethodModel::ClassicLaw;
}

void LogbookPage::refreshPrediction()
{
    if (!calibration || !calibration->fit.Fitted()) {
        predictionLabel->clear();
        return;
    }
    const Prediction next = Predict(*calibration, settings->Conditions());
    if (!next.message.isEmpty()) {
        predictionLabel->setText(next.message);
        return;
    }
    QString text = tr("Next run on the day's air of the Conditions box: the quarter mile in %1 at %2, "
                      "the eighth mile in %3 at %4.")
                       .arg(withBand(locale(), next.quarterMileTime, next.quarterMileTimeBand, 2, tr("s")),
                            withBand(locale(), next.quarterMileSpeed, next.quarterMileSpeedBand, 1, tr("mph")),
                            withBand(locale(), next.eighthMileTime, next.eighthMileTimeBand, 2, tr("s")),
                            withBand(locale(), next.eighthMileSpeed, next.eighthMileSpeedBand, 1, tr("mph")));
    if (next.bandMessage.isEmpty())
        text += QLatin1Char(' ')
            + tr("The bands leave out one day's runs at a time (%1 days).")
                  .arg(locale().toString(calibration->days));
    else
        text += QLatin1Char(' ') + next.bandMessage;
    text += QLatin1Char('\n') + dialInText();
    predictionLabel->setText(text);
}

QString LogbookPage::reportCardHint() const
{
    return tr("Each run after the first three predicted from the runs before it alone (the fit on those "
              "runs, the run before, lines through them), every way on the same runs: the mean absolute "
              "error and the mean of predicted less given quarter-mile times and speeds. The best is in "
              "bold.");
}

// The dial-in for the Conditions box's day, from the report card's best way
// that predicts ahead.
QString LogbookPage::dialInText() const
{
    if (!card || !card->Available())
        return tr("Dial-in for today: %1").arg(card ? card->message : QString());
    const DialIn dial = DialInFor(*card, *calibration, settings->Conditions());
    if (dial.method < 0 || !dial.quarterMileTime)
        return tr("Dial-in for today: none of the ways that predict before a run could be scored.");
    const PredictionMethod method = AllPredictionMethods[static_cast<std::size_t>(dial.method)];
    QString time = locale().toString(*dial.quarterMileTime, 'f', 2) + QLatin1Char(' ') + tr("s");
    if (dial.timeBand95)
        time += QLatin1Char(' ') + tr("± %1 (95 %)").arg(locale().toString(*dial.timeBand95, 'f', 2));
    // A racer's method (a line through the runs, the run before) uses no
    // model: only a model's name goes in brackets.
    const MethodModel model = ModelOf(method, card->model);
    QString text = model == MethodModel::None
                       ? tr("Dial-in for today: %1, by \"%2\".").arg(time, PredictionMethodName(method))
                       : tr("Dial-in for today: %1, by \"%2\" (%3).")
                             .arg(time, PredictionMethodName(method), MethodModelName(model));
    if (card->best != dial.method)
        text += QLatin1Char(' ')
            + tr("\"%1\" scores better but needs the run's own figures.")
                  .arg(PredictionMethodName(AllPredictionMethods[static_cast<std::size_t>(card->best)]));
    return text;
}

void LogbookPage::Calibrate()
{
    if (runs->rowCount() == 0)
        return;
    fitWanted = true;
    showFittedCar = true;
    ensureCalibration();
    if (!task) {
        showCalibration();
    } else {
        refreshFit();
        refreshButtons();
    }
}

void LogbookPage::CancelCalibration()
{
    if (!task)
        return;
    dropTask();
    fitWanted = false;
    calibration.reset();
    card.reset();
    modelBox->setCurrentIndex(0);
    refreshSlips();
    refreshFit();
    refreshPrediction();
    refreshButtons();
}

int LogbookPage::UseFittedValues()
{
    if (!calibration || !calibration->fit.Fitted())
        return -1;
    const int row = cars->RowOf(carId);
    if (row < 0)
        return -1;
    const QModelIndex car = cars->index(row);
    CarTexts texts = car.data(CarList::TextsRole).value<CarTexts>();
    texts[InputField::Horsepower] = QString::fromLatin1(ShortestText(calibration->fit.horsepower));
    // The road model's fit leaves the spin time as typed; its grip is no
    // input of the nine. It scales a typed peak torque with the power, so
    // the copy's torque key is scaled too. Every other road key goes with
    // the copy as written: without them it would be another car.
    CarValues values = cars->At(row).values;
    if (!calibration->fit.Road())
        texts[InputField::SpinTime] = QString::fromLatin1(ShortestText(calibration->fit.spinTime));
    else if (const std::optional<double> torque = values.roadKeys.car.torque)
        values.SetRoadText(RoadKey::Torque, QString::fromLatin1(ShortestText(*torque * calibration->fit.powerFactor)));
    return cars->AddCar(tr("%1 (fitted)").arg(car.data(CarList::NameRole).toString()), texts, QString(),
                        values.roadLines);
}

QString LogbookPage::AddSlip(const TimeSlip& run)
{
    QString error;
    const qint64 id = loggedCarId(true, &error);
    if (id == 0)
        return error.isEmpty() ? tr("No logbook is open.") : error;
    if (runs->CarId() != id)
        runs->SetCar(id);
    return edits->AddSlip(run);
}

QString LogbookPage::DeleteSelectedRuns()
{
    QList<qint64> ids;
    for (const QModelIndex& index : runsView->selectionModel()->selectedRows())
        ids << runs->RunAt(index.row()).id;
    // One click, one change and one step to undo, however many runs it deletes.
    return edits->DeleteSlips(ids);
}

QString LogbookPage::ImportRuns(const QString& path)
{
    // The columns the reader does not know are asked about once for a
    // header line, then remembered; the dates that read two ways once an
    // import.
    SlipsCsvOptions options;
    SlipsRead read = LoadSlipsCsv(path, options);
    if (!read.unknownColumns.isEmpty()) {
        const QHash<QString, QString> remembered = settings->ImportColumns(read.headers);
        for (auto it = remembered.cbegin(); it != remembered.cend(); ++it)
            if (const std::optional<SlipColumn> column = SlipColumnFromKey(it.value()))
                options.columns.insert(it.key(), *column);
        if (!options.columns.isEmpty())
            read = LoadSlipsCsv(path, options);
    }
    if (!read.unknownColumns.isEmpty()) {
        const std::optional<QHash<QString, SlipColumn>> chosen
            = askColumns ? askColumns(read.unknownColumns, options.columns)
                         : [&]() -> std::optional<QHash<QString, SlipColumn>> {
                               ImportColumnsDialog dialog(read.unknownColumns, options.columns, this);
                               if (dialog.exec() != QDialog::Accepted)
                                   return std::nullopt;
                               return dialog.Columns();
                           }();
        if (!chosen)
            return QString();
        options.columns.insert(*chosen);
        QHash<QString, QString> keys;
        for (auto it = options.columns.cbegin(); it != options.columns.cend(); ++it)
            keys.insert(it.key(), SlipColumnKey(it.value()));
        settings->SetImportColumns(read.headers, keys);
        read = LoadSlipsCsv(path, options);
    }
    if (!read.ambiguousDate.isEmpty()) {
        options.dateOrder = askDateOrder ? askDateOrder(read.ambiguousDate) : askDateOrderWithDialog(read.ambiguousDate);
        if (options.dateOrder == DateOrder::Unknown)
            return QString();
        read = LoadSlipsCsv(path, options);
    }
    if (!read.error.isEmpty())
        return read.error;
    QString error;
    QList<TimeSlip> fresh = read.runs;
    if (!read.runs.isEmpty()) {
        const qint64 id = loggedCarId(true, &error);
        if (id == 0)
            return error.isEmpty() ? tr("No logbook is open.") : error;
        // A run the logbook holds already is not taken twice.
        const LogbookRead<QList<TimeSlip>> stored = logbook->Runs(id);
        if (!stored.error.isEmpty())
            return stored.error;
        fresh = NewRuns(read.runs, stored.value);
        if (runs->CarId() != id)
            runs->SetCar(id);
        if (!fresh.isEmpty()) {
            error = edits->ImportRuns(fresh);
            if (!error.isEmpty())
                return error;
        }
    }
    const QString name = QDir::toNativeSeparators(path);
    QString summary = tr("Runs imported from %1: %2.").arg(name, locale().toString(fresh.size()));
    if (const qsizetype skipped = read.runs.size() - fresh.size(); skipped > 0)
        summary += QLatin1Char(' ') + tr("Runs skipped as already in the logbook: %1.").arg(locale().toString(skipped));
    QStringList notes = read.warnings;
    if (!read.refusals.isEmpty())
        return summary + QLatin1Char(' ') + tr("These rows were refused:") + QLatin1Char('\n')
               + (read.refusals + notes).join(QLatin1Char('\n'));
    if (!notes.isEmpty())
        summary += QLatin1Char('\n') + notes.join(QLatin1Char('\n'));
    emit outcome(false, summary);
    return QString();
}

DateOrder LogbookPage::askDateOrderWithDialog(const QString& example)
{
    QMessageBox box(QMessageBox::Question, tr("Dates of the Sheet"),
                    tr("The sheet's dates read two ways: is %1 month first (US) or day first?").arg(example),
                    QMessageBox::Cancel, this);
    QPushButton* monthFirst = box.addButton(tr("&Month first"), QMessageBox::AcceptRole);
    QPushButton* dayFirst = box.addButton(tr("&Day first"), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() == monthFirst)
        return DateOrder::MonthFirst;
    if (box.clickedButton() == dayFirst)
        return DateOrder::DayFirst;
    return DateOrder::Unknown;
}

QString LogbookPage::ExportRuns(const QString& path)
{
    QList<TimeSlip> all;
    for (int row = 0; row < runs->rowCount(); ++row)
        all << runs->RunAt(row);
    const QString error = SaveSlipsCsv(path, all);
    if (error.isEmpty())
        emit outcome(false, tr("Runs written to %1: %2.")
                                .arg(QDir::toNativeSeparators(path), locale().toString(all.size())));
    return error;
}

TimeSlip LogbookPage::NewRunStart() const
{
    TimeSlip run;
    const QDateTime now = QDateTime::currentDateTime();
    run.date = now.date();
    run.time = QTime(now.time().hour(), now.time().minute());
    const AirConditions air = settings->Conditions();
    run.temperature = air.temperature;
    run.pressure = air.pressure;
    run.humidity = air.humidity;
    // The elevation is shown (and known) with an altimeter setting.
    if (const GarageSettings::PressureEntry given = settings->PressureGiven(); given.altimeter)
        run.elevation = given.elevation;
    return run;
}

void LogbookPage::addRunWithDialog()
{
    // A new run has no figures of the strip until the user types the slip:
    // nothing the model made up is ever kept as a run.
    const TimeSlip start = NewRunStart();
    std::optional<TimeSlip> typed;
    if (askRun) {
        typed = askRun(start);
    } else {
        NewRunDialog dialog(start, this);
        if (dialog.exec() == QDialog::Accepted) {
            TimeSlip run;
            dialog.Read(run);
            typed = run;
        }
    }
    if (!typed)
        return;
    if (const QString error = AddSlip(*typed); !error.isEmpty())
        emit outcome(true, error);
}

void LogbookPage::importWithDialog()
{
    const QString path = askPath ? askPath(false)
                                 : QFileDialog::getOpenFileName(this, tr("Import Runs"), QString(),
                                                                tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (const QString error = ImportRuns(path); !error.isEmpty())
        emit outcome(true, error);
}

void LogbookPage::exportWithDialog()
{
    const QString path = askPath ? askPath(true)
                                 : QFileDialog::getSaveFileName(this, tr("Export Runs"), QStringLiteral("runs.csv"),
                                                                tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (const QString error = ExportRuns(path); !error.isEmpty())
        emit outcome(true, error);
}
