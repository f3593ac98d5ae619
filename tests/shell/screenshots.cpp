// Opens every window of the program the way the program opens it and saves
// a picture of each, as the X server shows it, into the folder given as the
// only argument. Run under a real X server (scripts/screenshots.sh).

#include "ProgramFixture.h"
#include "TestSupport.h"

#include "shell/DataFile.h"
#include "widgets/ModalShowing.h"
#include "widgets/Shape.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QPixmap>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>

namespace {

QDir outputDir;
bool allSaved = true;

// Lets the X server map and paint the window.
void Settle(QWidget* window)
{
    QElapsedTimer timer;
    timer.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(15);
    }
}

void Save(QWidget* window, const QString& name)
{
    Settle(window);
    const QPixmap picture = window->screen()->grabWindow(window->winId());
    const QString path = outputDir.filePath(name + QStringLiteral(".png"));
    const bool saved = picture.save(path);
    allSaved = allSaved && saved;
    std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "FAILED", qPrintable(path), picture.width(),
                picture.height());
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

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    outputDir = QDir(QString::fromLocal8Bit(argv[1]));

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

    ShootModal(Child<QFileDialog>(MainForm(), "OpenDialog1"), QStringLiteral("open-file"), [] { OpenDataFile(*TheProgram()); });

    EndProgram();
    return allSaved ? 0 : 1;
}
