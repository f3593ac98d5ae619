// SPDX-License-Identifier: GPL-3.0-or-later
// Opens every window of the program the way the program opens it and saves
// a picture of each, as the X server shows it, into the folder given as the
// only argument. Run under a real X server (scripts/screenshots.sh).

#include "ProgramFixture.h"
#include "ScreenshotSupport.h"
#include "TestSupport.h"

#include "shell/DataFile.h"
#include "widgets/ErrorBox.h"
#include "widgets/ModalShowing.h"
#include "widgets/Shape.h"

#include "core/Translations.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

QDir outputDir;
bool allSaved = true;

void Settle(QWidget* window)
{
    SettleWindow(window);
}

void Save(QWidget* window, const QString& name)
{
    allSaved = SaveWindowPicture(window, outputDir.filePath(name + QStringLiteral(".png"))) && allSaved;
}

// Opens a modal dialog through `open`, saves its picture once it is up and
// closes it again.
// `prepare`, when given, acts on the dialog before the picture is taken.
void ShootModal(QDialog* dialog, const QString& name, const std::function<void()>& open,
                const std::function<void()>& prepare = {})
{
    auto* poll = new QTimer(dialog);
    poll->setInterval(20);
    QObject::connect(poll, &QTimer::timeout, dialog, [dialog, name, poll, prepare]() {
        if (QApplication::activeModalWidget() != dialog)
            return;
        poll->stop();
        if (prepare)
            prepare();
        Save(dialog, name);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start();
    open();
    delete poll;
}

// As ShootModal, for a window made by the call itself, such as the
// standard error box: the first modal window that comes up is shot.
void ShootNextModal(const QString& name, const std::function<void()>& open)
{
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, qApp, [&poll, name]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll.stop();
        Save(modal, name);
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    poll.start();
    open();
}

// A path as deep as users' paths can be.
const QString deepPath = QStringLiteral(
    "/home/enthusiast/Documents/Cars/Projects/2026/restomod_with_the_long_project_folder_name/"
    "measurements_from_the_dyno_day/car.trv");

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QByteArray option = argc == 3 ? QByteArray(argv[2]) : QByteArray();
    if (argc != 2 && !(argc == 3 && (option == "--dark" || option == "--german"))) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER [--dark | --german]\n", argv[0]);
        return 2;
    }
    outputDir = QDir(QString::fromLocal8Bit(argv[1]));
    // The German interface, to check that its texts fit the windows.
    if (option == "--german")
        InstallTranslations(QLocale(QLocale::German, QLocale::Germany),
                            { QStringLiteral(TORVANE_TRANSLATIONS_DIR) });
    // A dark desktop theme, as a user may have chosen one: light text on
    // dark windows.
    if (option == "--dark")
        QApplication::setPalette(DarkPalette());

    StartProgram();
    MainForm()->show();
    Settle(MainForm());
    // The pointer over the frame puts its hint into the status bar.
    QCursor::setPos(Child<TShape>(MainForm(), "Shape1")->mapToGlobal(QPoint(40, 160)));
    Save(MainForm(), QStringLiteral("main-window"));

    MainForm()->Viewcontrol1Click();
    QCursor::setPos(Child<QPushButton>(ControlDlg(), "ResultsButton")->mapToGlobal(QPoint(48, 16)));
    Save(ControlDlg(), QStringLiteral("control-dialog"));
    ControlDlg()->hide();
    QCursor::setPos(0, 0);

    ShootModal(AboutDlg(), QStringLiteral("about"), [] { MainForm()->MAboutClick(); });
    ShootModal(AlertDlg(), QStringLiteral("alert"), [] {
        TheProgram()->ShowAlert(QStringLiteral("The windshield area must be between   2.00 and  20.00"));
    });
    ShootModal(AlertDlg(), QStringLiteral("alert-long"), [] {
        TheProgram()->ShowAlert(QStringLiteral("Could not write %1: No space left on device.").arg(deepPath));
    });
    ShootNextModal(QStringLiteral("error-box"), [] {
        ShowErrorBox(QStringLiteral("The report could not be printed: the file \"%1\" could not be "
                                    "opened for writing.").arg(deepPath));
    });
    // The input dialog with a full gauge, right after a run of the default car.
    ShootModal(InputDlg(), QStringLiteral("input"), [] { ControlDlg()->AutoButtonClick(); },
               [] { Child<QPushButton>(InputDlg(), "OkButton")->click(); });
    ShootModal(OutputDlg(), QStringLiteral("results"), [] { ControlDlg()->ResultsButtonClick(); });
    ShootModal(PrintTitleDlg(), QStringLiteral("print-title"), [] { ControlDlg()->PrintButtonClick(); });
    // The print dialog right after printing the default car's report, here
    // to a PDF file: full gauge, waiting for its timer.
    ShootModal(PrintTitleDlg(), QStringLiteral("print-title-printed"),
               [] { ControlDlg()->PrintButtonClick(); },
               [] {
                   PrintTitleDlg()->SetPrinterSource([](QString&) {
                       auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
                       printer->setOutputFormat(QPrinter::PdfFormat);
                       printer->setOutputFileName(outputDir.filePath(QStringLiteral("report.pdf")));
                       return printer;
                   });
                   Child<QTimer>(PrintTitleDlg(), "Timer1")->setInterval(10000);
                   Child<QPushButton>(PrintTitleDlg(), "OkButton")->click();
               });
    Child<QTimer>(PrintTitleDlg(), "Timer1")->stop();
    ShootModal(InputHelpDlg(), QStringLiteral("input-help"), [] {
        ShowCentredModal(InputHelpDlg(), MainForm());
    });
    ShootModal(CondHelpDlg(), QStringLiteral("conditions-help"), [] {
        ShowCentredModal(CondHelpDlg(), MainForm());
    });
    ShootModal(CalculatorDlg(), QStringLiteral("calculator"), [] {
        ShowCentredModal(CalculatorDlg(), MainForm());
    });

    ShootModal(MainForm()->OpenDialog(), QStringLiteral("open-file"), [] { OpenDataFile(*TheProgram()); });

    EndProgram();
    return allSaved ? 0 : 1;
}
