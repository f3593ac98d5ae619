#include "garage/GarageWindow.h"

#include "core/InputChecks.h"
#include "core/VehicleFile.h"
#include "garage/CarForm.h"
#include "garage/CarList.h"
#include "garage/ComparisonModel.h"
#include "garage/Csv.h"
#include "garage/CurveCharts.h"
#include "garage/GarageHelp.h"
#include "garage/GarageReport.h"
#include "garage/GarageSettings.h"
#include "garage/MessageBar.h"
#include "garage/SensitivityPage.h"
#include "garage/WhatIfPage.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

GarageWindow::GarageWindow(CarList* cars, GarageSettings* settings, QWidget* parent)
    : QMainWindow(parent)
    , cars(cars)
    , settings(settings)
    , messageBar(new MessageBar(this))
    , carList(new QListWidget(this))
    , form(new CarForm(cars, this))
    , tabs(new QTabWidget(this))
    , comparison(new ComparisonModel(cars, this))
    , table(new QTableView(this))
    , charts(new CurveCharts(cars, this))
    , whatIf(new WhatIfPage(cars, this))
    , sensitivity(new SensitivityPage(cars, this))
{
    setObjectName(QStringLiteral("garageWindow"));
    setWindowTitle(tr("Torvane Garage"));
    setAcceptDrops(true);

    carList->setObjectName(QStringLiteral("carList"));
    carList->setAccessibleName(tr("Cars"));
    carList->setMaximumHeight(carList->fontMetrics().height() * 9);
    connect(carList, &QListWidget::currentRowChanged, this, &GarageWindow::onCarSelected);

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
    table->setModel(comparison);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setMinimumSectionSize(90);
    // Rows of one fixed height: a view that sized its rows to their contents
    // would measure every cell again on each slider step.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setAlternatingRowColors(true);
    auto* compare = compareSplitter = new QSplitter(Qt::Vertical, this);
    compare->setObjectName(QStringLiteral("comparePage"));
    compare->addWidget(table);
    compare->addWidget(charts);
    compare->setStretchFactor(0, 1);
    compare->setStretchFactor(1, 1);
    compare->setChildrenCollapsible(false);

    tabs->setObjectName(QStringLiteral("garageTabs"));
    tabs->addTab(compare, tr("&Compare"));
    tabs->addTab(whatIf, tr("&What if"));
    tabs->addTab(sensitivity, tr("&Sensitivity"));
    connect(tabs, &QTabWidget::currentChanged, this, &GarageWindow::onTabChanged);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("mainSplitter"));
    splitter->addWidget(left);
    splitter->addWidget(tabs);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(messageBar);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    createActions();
    createMenus();
    statusBar()->showMessage(tr("Open cars with Ctrl+O or drop .trv files here."));

    connect(cars, &CarList::listChanged, this, &GarageWindow::refreshCarList);
    connect(cars, &CarList::carChanged, this, &GarageWindow::refreshCarItem);
    connect(whatIf, &WhatIfPage::variantKept, this, &GarageWindow::SelectCar);

    SetUnitSystem(settings->Units());
    refreshCarList();
    if (!restoreGeometry(settings->Geometry())) {
        // First start: most of the screen, which the table and curves need.
        const QSize room = screen() ? screen()->availableSize() : QSize(1600, 1000);
        resize(std::min(1500, room.width() * 9 / 10), std::min(940, room.height() * 9 / 10));
    }
    restoreState(settings->WindowState());
}

GarageWindow::~GarageWindow() = default;

void GarageWindow::createActions()
{
    auto icon = [this](const char* name, QStyle::StandardPixmap fallback) {
        return QIcon::fromTheme(QLatin1String(name), style()->standardIcon(fallback));
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
    saveAsAction->setShortcut(QKeySequence::SaveAs);
    connect(saveAsAction, &QAction::triggered, this, &GarageWindow::saveAs);

    closeCarAction = new QAction(tr("&Close Car"), this);
    closeCarAction->setShortcut(QKeySequence::Close);
    connect(closeCarAction, &QAction::triggered, this, &GarageWindow::closeCar);

    exportCsvAction = new QAction(tr("Comparison as &CSV…"), this);
    connect(exportCsvAction, &QAction::triggered, this, &GarageWindow::exportCsvWithDialog);
    exportPdfAction = new QAction(icon("application-pdf", QStyle::SP_FileDialogDetailedView),
                                  tr("Report as &PDF…"), this);
    connect(exportPdfAction, &QAction::triggered, this, &GarageWindow::exportPdfWithDialog);
    exportPngAction = new QAction(tr("Curves as P&NG…"), this);
    connect(exportPngAction, &QAction::triggered, this, &GarageWindow::exportCurvesWithDialog);

    printAction = new QAction(icon("document-print", QStyle::SP_DesktopIcon), tr("&Print…"), this);
    printAction->setShortcut(QKeySequence::Print);
    printAction->setStatusTip(tr("Print the comparison, with a preview first"));
    connect(printAction, &QAction::triggered, this, &GarageWindow::printWithPreview);

    quitAction = new QAction(tr("&Quit"), this);
    quitAction->setShortcut(QKeySequence::Quit);
    quitAction->setMenuRole(QAction::QuitRole);
    connect(quitAction, &QAction::triggered, this, &QWidget::close);

    auto* unitsGroup = new QActionGroup(this);
    imperialAction = new QAction(tr("&Imperial (mph, lb, hp, ft²)"), unitsGroup);
    metricAction = new QAction(tr("&Metric (km/h, kg, kW, m²)"), unitsGroup);
    imperialAction->setCheckable(true);
    metricAction->setCheckable(true);
    connect(imperialAction, &QAction::triggered, this, [this] { SetUnitSystem(UnitSystem::Imperial); });
    connect(metricAction, &QAction::triggered, this, [this] { SetUnitSystem(UnitSystem::Metric); });

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
    file->addAction(quitAction);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QMenu* unitsMenu = view->addMenu(tr("&Units"));
    unitsMenu->addAction(imperialAction);
    unitsMenu->addAction(metricAction);

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
    tools->addAction(exportPdfAction);
    tools->addAction(printAction);
    refreshRecentMenu();
}

bool GarageWindow::OpenFile(const QString& path)
{
    if (!VehicleFile::HasTrvExtension(path)) {
        messageBar->ShowError(tr("%1: %2").arg(QFileInfo(path).fileName(), ExtensionMessage()));
        return false;
    }
    const VehicleFile::Words words = VehicleFile::Load(path);
    if (!words.error.isEmpty()) {
        messageBar->ShowError(words.error);
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const int index = cars->Add(QFileInfo(path).completeBaseName(),
                                VehicleFile::CarFromFileOrder(words.words), absolute);
    settings->AddRecentFile(absolute);
    rememberFolder(absolute);
    refreshRecentMenu();
    SelectCar(index);
    statusBar()->showMessage(tr("Opened %1").arg(QDir::toNativeSeparators(absolute)), 5000);
    return true;
}

int GarageWindow::NewCar()
{
    ++newCarCount;
    const QString name = newCarCount == 1 ? tr("New car") : tr("New car %1").arg(newCarCount);
    const int index = cars->Add(name, CarTexts::DefaultCar());
    SelectCar(index);
    return index;
}

bool GarageWindow::SaveCar(int index, const QString& path)
{
    if (index < 0 || index >= cars->Count())
        return false;
    const QString error = VehicleFile::Save(path, VehicleFile::TextsInFileOrder(cars->At(index).texts));
    if (!error.isEmpty()) {
        messageBar->ShowError(error);
        return false;
    }
    const QString absolute = QFileInfo(path).absoluteFilePath();
    cars->MarkSaved(index, absolute);
    settings->AddRecentFile(absolute);
    rememberFolder(absolute);
    refreshRecentMenu();
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(absolute)), 5000);
    return true;
}

bool GarageWindow::ExportCsv(const QString& path)
{
    const QString error = SaveCsv(path, comparison->CsvRows());
    if (!error.isEmpty()) {
        messageBar->ShowError(error);
        return false;
    }
    rememberFolder(path);
    messageBar->ShowInformation(tr("The comparison was written to %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool GarageWindow::ExportPdf(const QString& path)
{
    const QString error = GarageReport::WritePdf(path, { cars, {}, units, QString() });
    if (!error.isEmpty()) {
        messageBar->ShowError(error);
        return false;
    }
    rememberFolder(path);
    messageBar->ShowInformation(tr("The report was written to %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool GarageWindow::ExportCurves(const QString& path)
{
    const QSize size = charts->isVisible() ? charts->size() : QSize(1200, 450);
    const QImage picture = charts->Picture(size, devicePixelRatioF());
    if (!picture.save(path, "PNG")) {
        messageBar->ShowError(tr("Could not write the curves to %1.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    rememberFolder(path);
    messageBar->ShowInformation(tr("The curves were written to %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void GarageWindow::PrintReport(QPrinter* printer)
{
    GarageReport::Print(printer, { cars, {}, units, QString() });
}

void GarageWindow::SetUnitSystem(UnitSystem newUnits)
{
    units = newUnits;
    (units == UnitSystem::Metric ? metricAction : imperialAction)->setChecked(true);
    comparison->SetUnitSystem(units);
    charts->SetUnitSystem(units);
    form->SetUnitSystem(units);
    whatIf->SetUnitSystem(units);
    sensitivity->SetUnitSystem(units);
    settings->SetUnits(units);
    if (isVisible())
        fitComparison();
}

void GarageWindow::SelectCar(int index)
{
    carList->setCurrentRow(index);
    form->SetCarIndex(index);
}

int GarageWindow::CurrentCar() const
{
    return form->CarIndex();
}

void GarageWindow::closeEvent(QCloseEvent* event)
{
    QStringList unsaved;
    for (int i = 0; i < cars->Count(); ++i)
        if (cars->At(i).modified && !cars->At(i).IsVariant())
            unsaved << cars->At(i).name;
    if (!unsaved.isEmpty()) {
        const auto answer = QMessageBox::question(
            this, tr("Unsaved cars"),
            tr("These cars have changes that are not saved: %1.\nQuit all the same?").arg(unsaved.join(tr(", "))),
            QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Discard) {
            event->ignore();
            return;
        }
    }
    settings->SetGeometry(saveGeometry());
    settings->SetWindowState(saveState());
    settings->Sync();
    if (help)
        help->close();
    event->accept();
}

void GarageWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!fittedOnce) {
        fittedOnce = true;
        fitComparison();
    }
}

// The table gets the height of all its rows when there is room for them and
// for curves of a readable size; the curves get the rest.
void GarageWindow::fitComparison()
{
    const int total = compareSplitter->height();
    if (total <= 0)
        return;
    const int wanted = table->horizontalHeader()->sizeHint().height() + table->verticalHeader()->length()
                       + 2 * table->frameWidth() + 2;
    const int tableHeight = std::min(wanted, total - charts->minimumSizeHint().height());
    compareSplitter->setSizes({ tableHeight, total - tableHeight });
}

void GarageWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void GarageWindow::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            OpenFile(url.toLocalFile());
    event->acceptProposedAction();
}

void GarageWindow::refreshCarList()
{
    const int current = form->CarIndex();
    {
        const QSignalBlocker blocker(carList);
        carList->clear();
        for (int i = 0; i < cars->Count(); ++i) {
            carList->addItem(QString());
            refreshCarItem(i);
        }
    }
    const int select = current >= 0 && current < cars->Count() ? current : cars->Count() - 1;
    SelectCar(select);
    const bool any = cars->Count() > 0;
    saveAction->setEnabled(any);
    saveAsAction->setEnabled(any);
    closeCarAction->setEnabled(any);
}

void GarageWindow::refreshCarItem(int index)
{
    QListWidgetItem* item = carList->item(index);
    if (!item)
        return;
    const GarageCar& car = cars->At(index);
    // Only what changed, so a slider step does not redraw the list.
    const QString text = car.modified && !car.IsVariant() ? car.name + QLatin1Char('*') : car.name;
    if (item->text() != text)
        item->setText(text);
    if (item->icon().isNull()) {
        QPixmap swatch(12, 12);
        swatch.fill(CarColour(car.id));
        item->setIcon(QIcon(swatch));
        QFont font = carList->font();
        font.setItalic(car.IsVariant());
        item->setFont(font);
    }
    const QString tip = car.evaluation.HasResults() ? car.path : car.evaluation.Problem();
    if (item->toolTip() != tip)
        item->setToolTip(tip);
}

void GarageWindow::refreshRecentMenu()
{
    recentMenu->clear();
    const QStringList files = settings->RecentFiles();
    for (const QString& path : files) {
        QAction* action = recentMenu->addAction(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
    }
    recentMenu->setEnabled(!files.isEmpty());
}

void GarageWindow::onCarSelected()
{
    form->SetCarIndex(carList->currentRow());
}

void GarageWindow::onTabChanged(int tab)
{
    if (tabs->widget(tab) == whatIf && whatIf->VariantId() < 0) {
        const int index = CurrentCar();
        if (index >= 0 && !cars->At(index).IsVariant())
            whatIf->StartFrom(cars->At(index).id);
    } else if (tabs->widget(tab) == sensitivity && CurrentCar() >= 0) {
        sensitivity->ShowCar(cars->At(CurrentCar()).id);
    }
}

void GarageWindow::openWithDialog()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Open cars"), settings->LastFolder(), tr("Torvane files (*.trv)"));
    for (const QString& path : paths)
        OpenFile(path);
}

void GarageWindow::save()
{
    const int index = CurrentCar();
    if (index < 0)
        return;
    if (cars->At(index).path.isEmpty() || cars->At(index).IsVariant())
        saveAs();
    else
        SaveCar(index, cars->At(index).path);
}

void GarageWindow::saveAs()
{
    const int index = CurrentCar();
    if (index < 0)
        return;
    const QString path = askSavePath(tr("Save car"), tr("Torvane files (*.trv)"), QStringLiteral("trv"),
                                     cars->At(index).name);
    if (!path.isEmpty() && SaveCar(index, path) && !cars->At(index).IsVariant())
        cars->SetName(index, QFileInfo(path).completeBaseName());
}

void GarageWindow::closeCar()
{
    const int index = CurrentCar();
    if (index < 0)
        return;
    const GarageCar& car = cars->At(index);
    if (car.modified && !car.IsVariant()) {
        const auto answer = QMessageBox::question(
            this, tr("Close car"), tr("%1 has changes that are not saved. Close it all the same?").arg(car.name),
            QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Discard)
            return;
    }
    cars->Remove(index);
}

void GarageWindow::exportCsvWithDialog()
{
    const QString path = askSavePath(tr("Export the comparison"), tr("CSV files (*.csv)"),
                                     QStringLiteral("csv"), tr("comparison"));
    if (!path.isEmpty())
        ExportCsv(path);
}

void GarageWindow::exportPdfWithDialog()
{
    const QString path = askSavePath(tr("Export the report"), tr("PDF files (*.pdf)"),
                                     QStringLiteral("pdf"), tr("comparison"));
    if (!path.isEmpty())
        ExportPdf(path);
}

void GarageWindow::exportCurvesWithDialog()
{
    const QString path = askSavePath(tr("Export the curves"), tr("PNG pictures (*.png)"),
                                     QStringLiteral("png"), tr("curves"));
    if (!path.isEmpty())
        ExportCurves(path);
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
                           .arg(QApplication::applicationVersion()));
}

QString GarageWindow::askSavePath(const QString& title, const QString& filter, const QString& suffix,
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

void GarageWindow::rememberFolder(const QString& path)
{
    settings->SetLastFolder(QFileInfo(path).absolutePath());
}
