// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/GarageWindow.h"
#include "startup/LazyIcon.h"
#include "startup/WindowIcon.h"

#include "core/ProgramInfo.h"
#include "logbook/Logbook.h"
#include "garage/CarForm.h"
#include "garage/CarList.h"
#include "garage/CarProxies.h"
#include "garage/ComparisonModel.h"
#include "garage/ConditionsBox.h"
#include "garage/CurveCharts.h"
#include "garage/GarageHelp.h"
#include "garage/GarageReport.h"
#include "garage/GarageSettings.h"
#include "garage/LogbookPage.h"
#include "garage/MeasuredHeader.h"
#include "garage/MessageBar.h"
#include "garage/SensitivityPage.h"
#include "garage/TabChain.h"
#include "garage/WhatIfPage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTextDocument>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QUndoGroup>
#include <QUndoStack>
#include <QVBoxLayout>

GarageWindow::GarageWindow(CarList* cars, GarageSettings* settings, CarFiles* files, QWidget* parent)
    : QMainWindow(parent)
    , cars(cars)
    , settings(settings)
    , files(files)
    , messageBar(new MessageBar(this))
    , carList(new QListView(this))
    , form(new CarForm(cars, settings, this))
    , tabs(new QTabWidget(this))
    , comparison(new ComparisonModel(cars, settings, this))
    , table(new QTableView(this))
    , charts(new CurveCharts(cars, settings, this))
    , conditions(new ConditionsBox(settings, this))
{
    logbook = std::make_unique<Logbook>();
    files->SetLogbook(logbook.get());
    files->SetSameCarQuestion(
        [this](const QString& path, const QString& otherPath) { return askSameCarWithDialog(path, otherPath); });
    setObjectName(QStringLiteral("garageWindow"));
    // Its dialogs and message boxes take the window's icon.
    setWindowIcon(ApplicationWindowIcon(QStringLiteral("torvane-garage")));
    setAcceptDrops(true);
    files->SetUnsavedQuestion([this](const QStringList& names) { return askUnsavedWithDialog(names); });
    files->SetSavePathQuestion([this](const QString& title, const QString& filter, const QString& suffix,
                                      const QString& proposedName) {
        return askSavePathWithDialog(title, filter, suffix, proposedName);
    });
    files->SetChangedFileQuestion([this](const QString& path) { return askChangedFileWithDialog(path); });
    connect(files, &CarFiles::outcome, this, [this](bool failed, const QString& message) {
        messageBar->ShowMessage(failed ? MessageBar::Kind::Error : MessageBar::Kind::Information, message);
    });
    connect(files, &CarFiles::outcomeCleared, messageBar, &QWidget::hide);
    connect(files, &CarFiles::note, this, [this](const QString& message) { statusBar()->showMessage(message, 5000); });
    connect(files, &CarFiles::recentFilesChanged, this, &GarageWindow::refreshRecentMenu);

    carList->setObjectName(QStringLiteral("carList"));
    carList->setAccessibleName(tr("Cars"));
    carList->setModel(cars);
    carList->setSelectionModel(cars->Selection());
    carList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    carList->setUniformItemSizes(true);
    carList->setContextMenuPolicy(Qt::CustomContextMenu);
    carList->setMaximumHeight(carList->fontMetrics().height() * 9);
    connect(carList, &QWidget::customContextMenuRequested, this, &GarageWindow::showCarMenu);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* carsLabel = new QLabel(tr("C&ars:"), left);
    carsLabel->setBuddy(carList);
    leftLayout->addWidget(carsLabel);
    leftLayout->addWidget(carList);
    leftLayout->addWidget(form, 1);

    table->setObjectName(QStringLiteral("comparisonTable"));
    table->setAccessibleName(tr("Comparison table"));
    auto* rowTitles = new MeasuredHeader(Qt::Vertical, table);
    rowTitles->setSectionsClickable(true);
    rowTitles->setHighlightSections(true);
    table->setVerticalHeader(rowTitles);
    shownComparison = new BothModelsModel(comparison, this);
    table->setModel(shownComparison);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(90);
    // Rows of one fixed height: a view that sized its rows to their contents
    // would measure every cell again on each slider step.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setAlternatingRowColors(true);
    compareSplitter = new QSplitter(Qt::Vertical, this);
    compareSplitter->setObjectName(QStringLiteral("comparePage"));
    compareSplitter->addWidget(table);
    compareSplitter->addWidget(charts);
    compareSplitter->setStretchFactor(0, 1);
    compareSplitter->setStretchFactor(1, 1);
    compareSplitter->setChildrenCollapsible(false);

    tabs->setObjectName(QStringLiteral("garageTabs"));
    tabs->addTab(compareSplitter, tr("&Compare"));
    tabs->addTab(new QWidget(tabs), tr("&What if"));
    tabs->addTab(new QWidget(tabs), tr("&Sensitivity"));
    tabs->addTab(new QWidget(tabs), tr("Logboo&k"));
    connect(tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == 1)
            WhatIf();
        else if (tab == 2)
            SensitivityView();
        else if (tab == 3)
            LogbookView();
    });

    mainSplitter = new QSplitter(Qt::Horizontal, this);
    mainSplitter->setObjectName(QStringLiteral("mainSplitter"));
    // The day's air above the pages: every car of every page runs in it.
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(conditions);
    rightLayout->addWidget(tabs, 1);
    mainSplitter->addWidget(left);
    mainSplitter->addWidget(right);
    mainSplitter->setStretchFactor(0, 0);
    mainSplitter->setStretchFactor(1, 1);
    mainSplitter->setChildrenCollapsible(false);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(messageBar);
    layout->addWidget(mainSplitter, 1);
    setCentralWidget(central);

    table->setTabKeyNavigation(false);
    form->setFocusPolicy(Qt::NoFocus);
    SetTabChain({ carList, form->NameBox() });
    SetTabChain({ form->LastControl(), conditions->TemperatureBox(), conditions->PressureKindBox(),
                  conditions->PressureBox(), conditions->ElevationBox(), conditions->HumidityBox(),
                  conditions->StandardDayButton(), conditions->ModelBox(), conditions->RoadTestDayButton(), tabs });

    createActions();
    createMenus();
    statusBar()->showMessage(tr("Open cars with Ctrl+O or drop .trv files here."));

    connect(cars->Selection(), &QItemSelectionModel::currentRowChanged, this, [this] {
        refreshTitle();
        refreshActions();
    });
    auto* currentCar = new OneCarModel(cars, [cars] { return cars->CurrentRow(); }, this);
    connect(currentCar, &QAbstractItemModel::dataChanged, this, &GarageWindow::refreshTitle);
    connect(cars, &QAbstractItemModel::rowsInserted, this, &GarageWindow::refreshActions);
    connect(cars, &QAbstractItemModel::rowsRemoved, this, &GarageWindow::refreshActions);
    cars->SetAir(settings->Conditions());
    connect(settings, &GarageSettings::conditionsChanged, cars, &CarList::SetAir);
    cars->SetModel(settings->Model());
    connect(settings, &GarageSettings::modelChanged, cars, &CarList::SetModel);
    connect(settings, &GarageSettings::unitsChanged, this, [this](UnitSystem units) {
        (units == UnitSystem::Metric ? metricAction : imperialAction)->setChecked(true);
        if (isVisible())
            fitComparison();
    });

    refreshTitle();
    refreshActions();
    if (!restoreGeometry(settings->Geometry())) {
        // First start: most of the screen, which the table and curves need.
        const QSize room = screen() ? screen()->availableSize() : QSize(1600, 1000);
        resize(std::min(1500, room.width() * 9 / 10), std::min(940, room.height() * 9 / 10));
    }
    restoreState(settings->WindowState());
    for (QSplitter* splitter : { mainSplitter, compareSplitter })
        fittedOnce = splitter->restoreState(settings->SplitterState(splitter->objectName())) || fittedOnce;
    if (!settings->Problem().isEmpty())
        messageBar->ShowError(settings->Problem());
    else if (!settings->AirProblem().isEmpty())
        messageBar->ShowError(settings->AirProblem());
}

GarageWindow::~GarageWindow()
{
    // The logbook page reads the logbook: it goes first.
    delete logbookPage;
}

WhatIfPage* GarageWindow::WhatIf()
{
    if (!whatIf) {
        whatIf = new WhatIfPage(cars, comparison, settings, this);
        placePage(1, whatIf);
    }
    return whatIf;
}

SensitivityPage* GarageWindow::SensitivityView()
{
    if (!sensitivity) {
        sensitivity = new SensitivityPage(cars, settings, this);
        connect(sensitivity, &SensitivityPage::appliedToWhatIf, this, [this] { tabs->setCurrentWidget(WhatIf()); });
        placePage(2, sensitivity);
    }
    return sensitivity;
}

LogbookPage* GarageWindow::LogbookView()
{
    if (!logbookPage) {
        // The logbook is opened when it is first needed, not at start.
        if (!logbook->IsOpen()) {
            // Read through for damage by the page's first read, on a worker.
            const QString error =
                logbook->Open(settings->LogbookPath(), Logbook::OpenMode::OrCreate, Logbook::Check::Later);
            if (!error.isEmpty())
                messageBar->ShowError(error);
        }
        logbookPage = new LogbookPage(cars, logbook.get(), settings, this);
        connect(logbookPage, &LogbookPage::outcome, this, [this](bool failed, const QString& message) {
            messageBar->ShowMessage(failed ? MessageBar::Kind::Error : MessageBar::Kind::Information, message);
        });
        placePage(3, logbookPage);
        undoGroup->addStack(logbookPage->UndoStack());
        followPageUndo();
    }
    return logbookPage;
}

void GarageWindow::followPageUndo()
{
    const bool runs = logbookPage && tabs->currentWidget() == logbookPage;
    undoGroup->setActiveStack(runs ? logbookPage->UndoStack() : cars->UndoStack());
}

bool GarageWindow::OpenLogbook(const QString& path)
{
    // Opened on its own, so that a file that will not do leaves the logbook
    // that is open as it is; once open, it takes that one's place, which is
    // closed. Read through for damage by the page's next read, on a worker.
    Logbook opened;
    if (const QString error = opened.Open(path, Logbook::OpenMode::OrCreate, Logbook::Check::Later);
        !error.isEmpty()) {
        messageBar->ShowError(error);
        return false;
    }
    logbook->Swap(opened);
    opened.Close();
    settings->SetLogbookPath(path);
    messageBar->ShowInformation(tr("The logbook %1 is open.").arg(QDir::toNativeSeparators(path)));
    if (logbookPage)
        logbookPage->Reload();
    tabs->setCurrentWidget(LogbookView());
    return true;
}

void GarageWindow::openLogbookWithDialog()
{
    // An existing logbook is opened, not replaced: no question about
    // overwriting it.
    const QString path = QFileDialog::getSaveFileName(this, tr("Open or Make a Logbook"), settings->LogbookPath(),
                                                      tr("Logbooks (*.sqlite);;All files (*)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty())
        OpenLogbook(path);
}

void GarageWindow::placePage(int tab, QWidget* page)
{
    const QSignalBlocker blocker(tabs);
    const int current = tabs->currentIndex();
    const QString title = tabs->tabText(tab);
    QWidget* standIn = tabs->widget(tab);
    tabs->removeTab(tab);
    tabs->insertTab(tab, page, title);
    standIn->deleteLater();
    tabs->setCurrentIndex(current);
}

void GarageWindow::createActions()
{
    // The desktop theme's icon, or the style's where the theme has none,
    // each found when it is first drawn.
    auto icon = [](const char* name, QStyle::StandardPixmap fallback) {
        return LazyIcon([themed = QLatin1String(name), fallback] {
            return QIcon::hasThemeIcon(themed) ? QIcon::fromTheme(themed)
                                               : QApplication::style()->standardIcon(fallback);
        });
    };
    newAction = new QAction(icon("document-new", QStyle::SP_FileIcon), tr("&New Car"), this);
    newAction->setShortcut(QKeySequence::New);
    newAction->setStatusTip(tr("Start a new car from the default car"));
    connect(newAction, &QAction::triggered, this, &GarageWindow::NewCar);

    openAction = new QAction(icon("document-open", QStyle::SP_DialogOpenButton), tr("&Open…"), this);
    openAction->setShortcut(QKeySequence::Open);
    openAction->setStatusTip(tr("Open .trv vehicle files"));
    connect(openAction, &QAction::triggered, this, &GarageWindow::openWithDialog);

    saveAction = new QAction(icon("document-save", QStyle::SP_DialogSaveButton), tr("&Save"), this);
    saveAction->setShortcut(QKeySequence::Save);
    saveAction->setStatusTip(tr("Save the selected car"));
    connect(saveAction, &QAction::triggered, this, &GarageWindow::save);

    saveAsAction = new QAction(tr("Save &As…"), this);
    saveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveAsAction->setStatusTip(tr("Save the selected car under another name"));
    connect(saveAsAction, &QAction::triggered, this, &GarageWindow::saveAs);

    closeCarAction = new QAction(tr("&Close Car"), this);
    closeCarAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    closeCarAction->setStatusTip(tr("Close the selected car"));
    connect(closeCarAction, &QAction::triggered, this, &GarageWindow::closeCurrentCar);
    // Delete in the car list closes the selected car; elsewhere it is the
    // box's or the table's own.
    auto* deleteCar = new QAction(tr("Close Car"), carList);
    deleteCar->setShortcut(QKeySequence::Delete);
    deleteCar->setShortcutContext(Qt::WidgetShortcut);
    carList->addAction(deleteCar);
    connect(deleteCar, &QAction::triggered, this, &GarageWindow::closeCurrentCar);

    // Edit ▸ Undo takes back the last change of the page shown: the cars'
    // on every page, the runs' on the logbook page.
    undoGroup = new QUndoGroup(this);
    undoGroup->addStack(cars->UndoStack());
    undoGroup->setActiveStack(cars->UndoStack());
    connect(tabs, &QTabWidget::currentChanged, this, &GarageWindow::followPageUndo);
    undoAction = undoGroup->createUndoAction(this, tr("&Undo"));
    undoAction->setObjectName(QStringLiteral("undoAction"));
    undoAction->setShortcut(QKeySequence::Undo);
    undoAction->setIcon(icon("edit-undo", QStyle::SP_ArrowBack));
    redoAction = undoGroup->createRedoAction(this, tr("&Redo"));
    redoAction->setObjectName(QStringLiteral("redoAction"));
    redoAction->setShortcut(QKeySequence::Redo);
    redoAction->setIcon(icon("edit-redo", QStyle::SP_ArrowForward));

    exportCsvAction = new QAction(tr("Comparison as &CSV…"), this);
    connect(exportCsvAction, &QAction::triggered, this,
            [this] { exportWithDialog(CarFiles::Export::Comparison, &GarageWindow::ExportCsv); });
    exportPdfAction = new QAction(icon("application-pdf", QStyle::SP_FileDialogDetailedView),
                                  tr("Report as &PDF…"), this);
    connect(exportPdfAction, &QAction::triggered, this,
            [this] { exportWithDialog(CarFiles::Export::Report, &GarageWindow::ExportPdf); });
    exportPngAction = new QAction(tr("Curves as P&NG…"), this);
    connect(exportPngAction, &QAction::triggered, this, &GarageWindow::exportCurvesWithDialog);

    printAction = new QAction(icon("document-print", QStyle::SP_DesktopIcon), tr("&Print…"), this);
    printAction->setShortcut(QKeySequence::Print);
    printAction->setStatusTip(tr("Print the comparison, with a preview first"));
    connect(printAction, &QAction::triggered, this, &GarageWindow::printWithPreview);

    openLogbookAction = new QAction(tr("Open &Logbook…"), this);
    openLogbookAction->setObjectName(QStringLiteral("openLogbookAction"));
    openLogbookAction->setStatusTip(tr("Open another logbook of time slips, or make a new one"));
    connect(openLogbookAction, &QAction::triggered, this, &GarageWindow::openLogbookWithDialog);

    quitAction = new QAction(tr("&Quit"), this);
    quitAction->setShortcut(QKeySequence::Quit);
    quitAction->setMenuRole(QAction::QuitRole);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    auto* unitsGroup = new QActionGroup(this);
    imperialAction = new QAction(tr("&Imperial (mph, lb, hp, ft²)"), unitsGroup);
    metricAction = new QAction(tr("&Metric (km/h, kg, kW, m²)"), unitsGroup);
    imperialAction->setCheckable(true);
    metricAction->setCheckable(true);
    (settings->Units() == UnitSystem::Metric ? metricAction : imperialAction)->setChecked(true);
    connect(imperialAction, &QAction::triggered, this, [this] { settings->SetUnits(UnitSystem::Imperial); });
    connect(metricAction, &QAction::triggered, this, [this] { settings->SetUnits(UnitSystem::Metric); });

    // The classic law's figures beside the road model's, a column per car.
    classicBesideAction = new QAction(tr("&Classic Law Beside the Road Model"), this);
    classicBesideAction->setObjectName(QStringLiteral("classicBeside"));
    classicBesideAction->setCheckable(true);
    classicBesideAction->setEnabled(cars->Model() == CarModel::Road);
    connect(classicBesideAction, &QAction::toggled, shownComparison, &BothModelsModel::SetClassicBeside);
    connect(cars, &CarList::runsChanged, classicBesideAction,
            [this] { classicBesideAction->setEnabled(this->cars->Model() == CarModel::Road); });

    helpAction = new QAction(tr("Garage &Help"), this);
    helpAction->setShortcut(QKeySequence::HelpContents);
    connect(helpAction, &QAction::triggered, this, &GarageWindow::showHelp);
    aboutAction = new QAction(tr("&About Torvane Garage"), this);
    aboutAction->setMenuRole(QAction::AboutRole);
    connect(aboutAction, &QAction::triggered, this, &GarageWindow::showAbout);
}

void GarageWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(newAction);
    file->addAction(openAction);
    recentMenu = file->addMenu(tr("Open &Recent"));
    recentMenu->setObjectName(QStringLiteral("recentMenu"));
    connect(file, &QMenu::aboutToShow, files, &CarFiles::ForgetGoneRecentFiles);
    file->addSeparator();
    file->addAction(saveAction);
    file->addAction(saveAsAction);
    file->addAction(closeCarAction);
    file->addSeparator();
    QMenu* exportMenu = file->addMenu(tr("&Export"));
    exportMenu->addAction(exportCsvAction);
    exportMenu->addAction(exportPdfAction);
    exportMenu->addAction(exportPngAction);
    file->addAction(printAction);
    file->addSeparator();
    file->addAction(openLogbookAction);
    file->addSeparator();
    file->addAction(quitAction);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(undoAction);
    edit->addAction(redoAction);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QMenu* unitsMenu = view->addMenu(tr("&Units"));
    unitsMenu->addAction(imperialAction);
    unitsMenu->addAction(metricAction);
    view->addAction(classicBesideAction);

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(helpAction);
    helpMenu->addAction(aboutAction);

    QToolBar* tools = addToolBar(tr("File"));
    tools->setObjectName(QStringLiteral("fileToolBar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tools->addAction(newAction);
    tools->addAction(openAction);
    tools->addAction(saveAction);
    tools->addSeparator();
    tools->addAction(undoAction);
    tools->addAction(redoAction);
    // The undo and redo texts name the edit and change with it: the tool bar
    // shows their icons, and the names in their tips.
    for (QAction* action : { undoAction, redoAction })
        if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tools->addSeparator();
    tools->addAction(exportPdfAction);
    tools->addAction(printAction);
    refreshRecentMenu();
}

int GarageWindow::NewCar()
{
    ++newCarCount;
    const QString name = newCarCount == 1 ? tr("New car") : tr("New car %1").arg(newCarCount);
    const int row = cars->AddCar(name, CarTexts::DefaultCar());
    form->NameBox()->setFocus(Qt::OtherFocusReason);
    form->NameBox()->selectAll();
    return row;
}

bool GarageWindow::ExportCsv(const QString& path)
{
    return files->WriteExport(CarFiles::Export::Comparison, path, CarFiles::ComparisonCsv(*comparison));
}

bool GarageWindow::ExportPdf(const QString& path)
{
    return files->WriteExport(CarFiles::Export::Report, path,
                              GarageReport::PdfBytes({ cars, settings->Units(), QString(), charts->CurrentSpan() }));
}

// No bytes when the picture could not be made.
bool GarageWindow::ExportCurves(const QString& path, QSize size, qreal scale)
{
    if (!size.isValid())
        size = charts->isVisible() ? charts->size() : QSize(1200, 450);
    const QImage picture = charts->Picture(size, scale);
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        png.clear();
    return files->WriteExport(CarFiles::Export::Curves, path, png);
}

void GarageWindow::PrintReport(QPrinter* printer)
{
    GarageReport::Print(printer, { cars, settings->Units(), QString(), charts->CurrentSpan() });
}

void GarageWindow::SelectCar(int row)
{
    cars->SetCurrentRow(row);
}

int GarageWindow::CurrentCar() const
{
    return cars->CurrentRow();
}

void GarageWindow::refreshTitle()
{
    const int row = cars->CurrentRow();
    if (row < 0) {
        setWindowTitle(tr("Torvane Garage"));
        setWindowModified(false);
        return;
    }
    const GarageCar& car = cars->At(row);
    const QString shown = car.path.isEmpty() ? car.name : QFileInfo(car.path).fileName();
    setWindowTitle(tr("%1[*] — Torvane Garage").arg(shown));
    setWindowModified(cars->IsUnsaved(row));
}

void GarageWindow::refreshActions()
{
    const bool any = cars->CurrentRow() >= 0;
    saveAction->setEnabled(any);
    saveAsAction->setEnabled(any);
    closeCarAction->setEnabled(any);
}

void GarageWindow::closeEvent(QCloseEvent* event)
{
    if (!files->SettleAllUnsaved()) {
        event->ignore();
        return;
    }
    saveLayout();
    if (help)
        help->close();
    event->accept();
}

void GarageWindow::saveLayout()
{
    settings->SetGeometry(saveGeometry());
    settings->SetWindowState(saveState());
    for (QSplitter* splitter : { mainSplitter, compareSplitter })
        settings->SetSplitterState(splitter->objectName(), splitter->saveState());
    settings->Sync();
}

void GarageWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!fittedOnce) {
        fittedOnce = true;
        fitComparison();
    }
}

// The table gets the height of all its rows when that leaves the curves a
// readable height, and at least half when it does not (it scrolls); the
// curves get the rest.
void GarageWindow::fitComparison()
{
    const int total = compareSplitter->height();
    if (total <= 0)
        return;
    const int wanted = table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length()
                       + 2 * table->frameWidth() + 2;
    const int readableCurves = 24 * fontMetrics().height();
    const int tableHeight = std::min(wanted, std::max(total - readableCurves, total / 2));
    compareSplitter->setSizes({ tableHeight, total - tableHeight });
}

void GarageWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void GarageWindow::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    files->OpenFiles(paths);
    event->acceptProposedAction();
}

void GarageWindow::refreshRecentMenu()
{
    recentMenu->clear();
    const QStringList recent = settings->RecentFiles();
    for (const QString& path : recent) {
        // A file name's "&" is no mnemonic.
        QString text = QDir::toNativeSeparators(path);
        text.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = recentMenu->addAction(text);
        connect(action, &QAction::triggered, this, [this, path] { files->OpenFile(path); });
    }
    recentMenu->setEnabled(!recent.isEmpty());
}

void GarageWindow::showCarMenu(const QPoint& position)
{
    const QModelIndex index = carList->indexAt(position);
    if (index.isValid())
        SelectCar(index.row());
    QMenu menu(this);
    menu.addAction(newAction);
    menu.addAction(openAction);
    if (index.isValid()) {
        menu.addSeparator();
        menu.addAction(saveAction);
        menu.addAction(saveAsAction);
        menu.addAction(closeCarAction);
    }
    menu.exec(carList->viewport()->mapToGlobal(position));
}

void GarageWindow::openWithDialog()
{
    files->OpenFiles(QFileDialog::getOpenFileNames(this, tr("Open cars"), settings->LastFolder(),
                                            tr("Torvane files (*.trv)")));
}

void GarageWindow::save()
{
    const int row = CurrentCar();
    if (row >= 0)
        files->SaveOrAsk(row);
}

void GarageWindow::saveAs()
{
    const int row = CurrentCar();
    if (row >= 0)
        files->SaveAsAsked(row);
}

void GarageWindow::closeCurrentCar()
{
    files->CloseCar(CurrentCar());
}

void GarageWindow::exportWithDialog(CarFiles::Export kind, bool (GarageWindow::*write)(const QString&))
{
    const QString path = files->AskExportPath(kind);
    if (!path.isEmpty())
        (this->*write)(path);
}

// Asks the picture's size, then its path.
void GarageWindow::exportCurvesWithDialog()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Curves as a picture"));
    auto* width = new QSpinBox(&dialog);
    auto* height = new QSpinBox(&dialog);
    for (QSpinBox* box : { width, height }) {
        box->setRange(200, 8000);
        box->setSuffix(tr(" px"));
    }
    const QSize shown = charts->isVisible() ? charts->size() : QSize(1200, 450);
    width->setValue(shown.width());
    height->setValue(shown.height());
    auto* scale = new QComboBox(&dialog);
    for (int factor : { 1, 2, 3, 4 })
        scale->addItem(tr("%1×").arg(factor), factor);
    scale->setCurrentIndex(1);
    auto* form = new QFormLayout;
    form->addRow(tr("&Width:"), width);
    form->addRow(tr("&Height:"), height);
    form->addRow(tr("&Scale:"), scale);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(tr("The picture is the size given times the scale, in pixels."), &dialog));
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = files->AskExportPath(CarFiles::Export::Curves);
    if (!path.isEmpty())
        ExportCurves(path, QSize(width->value(), height->value()), scale->currentData().toInt());
}

void GarageWindow::printWithPreview()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print the comparison"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &GarageWindow::PrintReport);
    preview.exec();
}

void GarageWindow::showHelp()
{
    if (!help)
        help = new GarageHelp(this);
    help->show();
    help->raise();
    help->activateWindow();
}

void GarageWindow::showAbout()
{
    QMessageBox::about(this, tr("About Torvane Garage"),
                       tr("<p><b>Torvane Garage</b> %1</p><p>Curves, comparisons and what-if questions "
                          "for the cars of Torvane, on the same engine as the classic program.</p>")
                               .arg(TorvaneVersion())
                           + Qt::convertFromPlainText(LicenceNotice()));
}

CarFiles::UnsavedAnswer GarageWindow::askUnsavedWithDialog(const QStringList& carNames)
{
    QMessageBox box(QMessageBox::Question, tr("Unsaved cars"),
                    carNames.size() == 1 ? tr("%1 has changes that are not saved.").arg(carNames.first())
                                         : tr("These cars have changes that are not saved: %1.")
                                               .arg(carNames.join(tr(", "))),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(tr("Save them before they are closed?"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return CarFiles::UnsavedAnswer::Save;
    case QMessageBox::Discard: return CarFiles::UnsavedAnswer::Discard;
    default: return CarFiles::UnsavedAnswer::Cancel;
    }
}

CarFiles::ChangedFileAnswer GarageWindow::askChangedFileWithDialog(const QString& path)
{
    QMessageBox box(QMessageBox::Warning, tr("File changed"),
                    tr("%1 was changed by another program since it was opened or saved here.")
                        .arg(QDir::toNativeSeparators(path)),
                    QMessageBox::NoButton, this);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(tr("Overwrite it with this car, read the file again, or cancel?"));
    QPushButton* overwrite = box.addButton(tr("&Overwrite"), QMessageBox::DestructiveRole);
    QPushButton* reload = box.addButton(tr("&Reload"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return CarFiles::ChangedFileAnswer::Overwrite;
    if (box.clickedButton() == reload)
        return CarFiles::ChangedFileAnswer::Reload;
    return CarFiles::ChangedFileAnswer::Cancel;
}

CarFiles::SameCarAnswer GarageWindow::askSameCarWithDialog(const QString& path, const QString& otherPath)
{
    QMessageBox box(QMessageBox::Question, tr("Same car?"),
                    tr("%1 is a copy of the car %2: the two files hold the same car's identity.")
                        .arg(QDir::toNativeSeparators(path), otherPath),
                    QMessageBox::NoButton, this);
    box.setTextFormat(Qt::PlainText);
    box.setInformativeText(tr("Is it the same car, which shares its runs in the logbook, or a new car, "
                              "which starts without runs?"));
    QPushButton* same = box.addButton(tr("The &same car"), QMessageBox::AcceptRole);
    box.addButton(tr("A &new car"), QMessageBox::RejectRole);
    box.setDefaultButton(same);
    // Closed without an answer: nothing changes, the copy stays the same car.
    box.setEscapeButton(same);
    box.exec();
    return box.clickedButton() == same ? CarFiles::SameCarAnswer::Same : CarFiles::SameCarAnswer::New;
}

QString GarageWindow::askSavePathWithDialog(const QString& title, const QString& filter, const QString& suffix,
                                            const QString& proposedName)
{
    QFileDialog dialog(this, title, settings->LastFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposedName + QLatin1Char('.') + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
