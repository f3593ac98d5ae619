// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the print dialog: its layout, the title it remembers, and the
// print job on each of its paths (a printed page, an input out of range, a
// run that gives up, a printer that fails), with the page written to a PDF
// file and read back.
#include "TestSupport.h"
#include "FileSupport.h"
#include "core/CarRun.h"
#include "widgets/ModalShowing.h"
#include "widgets/ErrorBox.h"

#include "engine/Simulation.h"
#include "inputs/InputDialog.h"
#include "ProgramFixture.h"
#include "results/PrintDialog.h"
#include "results/Report.h"
#include "shell/ControlDialog.h"
#include "widgets/Fonts.h"
#include "widgets/DialogParts.h"
#include "widgets/Hints.h"
#include "widgets/Shape.h"
#include "widgets/ProgressGauge.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A printer source that writes the page to a PDF file at `path`.
TPrintTitleDlg::PrinterSource PdfFile(const QString& path)
{
    return [path](QString&) {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    };
}

// The gauge's percentages as they reach the screen, each change once.
class PaintedProgress : public QObject
{
public:
    explicit PaintedProgress(TCGauge* gauge) : gauge(gauge) { gauge->installEventFilter(this); }
    QList<int> steps;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == gauge && event->type() == QEvent::Paint
            && (steps.isEmpty() || steps.last() != gauge->Progress()))
            steps.append(gauge->Progress());
        return false;
    }

private:
    TCGauge* gauge;
};

// The page's non-empty lines on the 6-point grid of the 10-pt face, with the
// margin taken off and the trailing spaces dropped.
QStringList PageLines(const QString& pdf)
{
    const QString text = PdfText(pdf, { QStringLiteral("-layout"), QStringLiteral("-fixed"), QStringLiteral("6") });
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty() && trimmed != QStringLiteral("\f"))
            lines.append(line);
    }
    qsizetype margin = -1;
    for (const QString& line : lines) {
        const qsizetype indent = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
        margin = margin < 0 ? indent : std::min(margin, indent);
    }
    for (QString& line : lines) {
        line = line.mid(margin);
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
    }
    return lines;
}

// The tops of the page's lines, in points from the top of the page.
QList<double> LineTops(const QString& pdf)
{
    const QString boxes = PdfText(pdf, { QStringLiteral("-bbox") });
    const QRegularExpression word(QStringLiteral("<word xMin=\"[0-9.]+\" yMin=\"([0-9.]+)\""));
    QMap<double, bool> tops;
    for (auto match = word.globalMatch(boxes); match.hasNext();)
        tops.insert(match.next().captured(1).toDouble(), true);
    return tops.keys();
}

const QStringList defaultCarValueLines = {
    "Engine horsepower:               345.00 Horsepower",
    "Car weight:                     3400.00 Pounds",
    "Drag coefficient:                  0.29",
    "Number of shifts:                     2",
    "Spin time:                         0.75 Seconds",
    "Zero to 60 time:                   4.70 Seconds",
    "Zero to 80 time:                   7.96 Seconds",
    "60 to 80 time:                     2.76 Seconds",
    "Zero to 100 time:                 11.66 Seconds",
    "Quarter mile time:                13.87 Seconds",
    "Quarter mile speed:              109.75 Miles per hour",
    "Quarter mile distance:          1320.01 Feet",
    "Quarter mile wind force:          77.39 Pounds",
    "Top speed time:                   54.93 Seconds",
    "Top speed:                       174.93 Miles per hour",
    "Top speed distance:            10312.34 Feet",
    "Top speed wind force:            196.57 Pounds",
};

} // namespace

class TestPrintDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void properties();
    void showingFocusesTheTitle();

    void printsTheReportAndClosesByTheTimer();
    void enterPrints();
    void emptyTitleKeepsTheLines();
    void inputOutOfRange();
    void runThatGivesUp();
    void printerFailure_data();
    void printerFailure();

    void cancelRestoresTheSavedTitle();
    void cancelBeforeAnySaveEmptiesTheTitle();
    void escapePressesCancel();
    void cancelAfterPrintingStopsTheTimer();

private:
    bool HavePdfToText() const
    {
        return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    }
    QTemporaryDir folder;
};

void TestPrintDialog::initTestCase()
{
    // No print server: "no default printer" on every machine, also while the
    // print-queue test runs next to this one.
    qputenv("CUPS_SERVER", QByteArray("/nonexistent/torvane-no-cups.sock"));
    QVERIFY(folder.isValid());
}

void TestPrintDialog::init()
{
    StartProgram();
    Child<QTimer>(PrintTitleDlg(), "Timer1")->setInterval(20);
}

void TestPrintDialog::cleanup()
{
    const QStringList open = OpenWindows();
    if (PrintTitleDlg()->isVisible())
        PrintTitleDlg()->hide();
    EndProgram();
    QVERIFY2(open.isEmpty() || open == QStringList{ QStringLiteral("PrintTitleDlg") },
             qPrintable(open.join(QLatin1Char(' '))));
}

void TestPrintDialog::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Shape1") << "Shape1" << "PrintTitleDlg" << QRect(24, 16, 281, 193);
    QTest::newRow("GroupBox1") << "GroupBox1" << "PrintTitleDlg" << QRect(51, 40, 228, 49);
    QTest::newRow("PrintTitle") << "PrintTitle" << "PrintTitleDlg" << QRect(66, 56, 197, 21);
    QTest::newRow("GroupBox4") << "GroupBox4" << "PrintTitleDlg" << QRect(51, 96, 228, 49);
    QTest::newRow("CGauge1") << "CGauge1" << "GroupBox4" << QRect(16, 16, 197, 21);
    QTest::newRow("OkButton") << "OkButton" << "PrintTitleDlg" << QRect(79, 160, 75, 25);
    QTest::newRow("CancelButton") << "CancelButton" << "PrintTitleDlg" << QRect(175, 160, 75, 25);
}

void TestPrintDialog::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    auto* control = PrintTitleDlg()->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parentName);
    QCOMPARE(control->geometry(), geometry);
}

void TestPrintDialog::properties()
{
    TPrintTitleDlg* dialog = PrintTitleDlg();
    QCOMPARE(dialog->objectName(), QStringLiteral("PrintTitleDlg"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Torvane results..."));
    QCOMPARE(dialog->size(), QSize(329, 226));
    QVERIFY(!(dialog->windowFlags() & Qt::WindowCloseButtonHint));

    QCOMPARE(Child<TShape>(dialog, "Shape1")->PenColor(), QColor(0, 0, 255));
    QCOMPARE(Child<TShape>(dialog, "Shape1")->PenWidth(), 5);
    QVERIFY(Child<TShape>(dialog, "Shape1")->Hollow());

    QCOMPARE(Child<QGroupBox>(dialog, "GroupBox1")->title(), QStringLiteral("Title"));
    QCOMPARE(Child<QGroupBox>(dialog, "GroupBox4")->title(), QStringLiteral("Progress"));

    QCOMPARE(Child<QLineEdit>(dialog, "PrintTitle")->text(), QStringLiteral("Simulation results"));
    QCOMPARE(Child<QLineEdit>(dialog, "PrintTitle")->font().pixelSize(), 11);
    QCOMPARE(Child<QLineEdit>(dialog, "PrintTitle")->font().family(), FamilyFor(QStringLiteral("MS Sans Serif")));

    TCGauge* gauge = Child<TCGauge>(dialog, "CGauge1");
    QCOMPARE(gauge->MinValue(), 0);
    QCOMPARE(gauge->MaxValue(), 6);
    QCOMPARE(gauge->Progress(), 0);
    QCOMPARE(gauge->Kind(), TCGauge::gkHorizontalBar);
    QVERIFY(gauge->ShowText());
    QCOMPARE(gauge->BorderStyle(), TCGauge::bsSingle);
    QCOMPARE(gauge->ForeColor(), QColor(192, 255, 192));
    QCOMPARE(gauge->BackColor(), dialog->palette().color(QPalette::Button));
    QVERIFY(gauge->font().bold());
    QCOMPARE(gauge->font().pixelSize(), 11);

    QCOMPARE(Child<QPushButton>(dialog, "OkButton")->text(), QStringLiteral("OK"));
    QVERIFY(Child<QPushButton>(dialog, "OkButton")->isDefault());
    QCOMPARE(HintOf(Child<QPushButton>(dialog, "OkButton")), QStringLiteral("Print the results on the default windows printer..."));
    QCOMPARE(Child<QPushButton>(dialog, "CancelButton")->text(), QStringLiteral("Cancel"));
    QVERIFY(!Child<QPushButton>(dialog, "CancelButton")->isDefault());
    QCOMPARE(HintOf(Child<QPushButton>(dialog, "CancelButton")),
             QStringLiteral("Restore the previous title, and close this dialog box..."));

    QCOMPARE(Child<QTimer>(dialog, "Timer1")->objectName(), QStringLiteral("Timer1"));
    QCOMPARE(dialog->findChild<QTimer*>(QStringLiteral("Timer1")), Child<QTimer>(dialog, "Timer1"));
    QVERIFY(!Child<QTimer>(dialog, "Timer1")->isActive());

    // Tab order: OkButton, PrintTitle, CancelButton.
    QCOMPARE(Child<QPushButton>(dialog, "OkButton")->nextInFocusChain(), Child<QLineEdit>(dialog, "PrintTitle"));
    QCOMPARE(Child<QLineEdit>(dialog, "PrintTitle")->nextInFocusChain(), Child<QPushButton>(dialog, "CancelButton"));
}

void TestPrintDialog::showingFocusesTheTitle()
{
    Child<QPushButton>(PrintTitleDlg(), "OkButton")->setFocus();
    PrintTitleDlg()->show();
    QCOMPARE(PrintTitleDlg()->focusWidget(), Child<QLineEdit>(PrintTitleDlg(), "PrintTitle"));
}

void TestPrintDialog::printsTheReportAndClosesByTheTimer()
{
    const QString pdf = folder.filePath(QStringLiteral("success.pdf"));
    PrintTitleDlg()->SetPrinterSource(PdfFile(pdf));
    Child<QTimer>(PrintTitleDlg(), "Timer1")->setInterval(50);
    State().previousPrintTitle = QStringLiteral("An older title");
    Child<QPushButton>(ControlDlg(), "PrintButton")->setEnabled(true);
    PaintedProgress painted(Child<TCGauge>(PrintTitleDlg(), "CGauge1"));

    // Shown modally as the control dialog shows it. Inside, OK prints; the
    // dialog must then wait, open, for its timer.
    bool openAfterPrinting = false;
    int gaugeAfterPrinting = -1;
    bool timerAfterPrinting = false;
    QString savedAfterPrinting;
    bool closedByTimer = false;
    bool exposed = false;
    TModalAnswerer answerer([&](QWidget* modal) {
        if (modal != PrintTitleDlg())
            return;
        // The gauge paints only once the window is on the screen.
        exposed = QTest::qWaitForWindowExposed(modal);
        Child<QPushButton>(PrintTitleDlg(), "OkButton")->click();
        openAfterPrinting = PrintTitleDlg()->isVisible();
        gaugeAfterPrinting = Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress();
        timerAfterPrinting = Child<QTimer>(PrintTitleDlg(), "Timer1")->isActive();
        savedAfterPrinting = State().previousPrintTitle;
        closedByTimer = QTest::qWaitFor([] { return !PrintTitleDlg()->isVisible(); }, 5000);
    });
    const int result = ShowModal(PrintTitleDlg(), MainForm());

    QCOMPARE(answerer.SeenNames(), QStringList{ QStringLiteral("PrintTitleDlg") });
    QVERIFY(exposed);
    QVERIFY(openAfterPrinting);
    QCOMPARE(gaugeAfterPrinting, 6);
    QVERIFY(timerAfterPrinting);
    QCOMPARE(savedAfterPrinting, QStringLiteral("Simulation results"));

    QVERIFY(closedByTimer);
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!PrintTitleDlg()->isVisible());
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 0);
    QVERIFY(!Child<QTimer>(PrintTitleDlg(), "Timer1")->isActive());
    QCOMPARE(painted.steps, (QList<int>{ 0, 3, 4, 5, 6, 0 }));
    QCOMPARE(State().previousPrintTitle, QStringLiteral("Simulation results"));
    QVERIFY(Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled());

    QVERIFY(QFileInfo(pdf).size() > 0);
    if (!HavePdfToText())
        QSKIP("pdftotext is not installed (poppler-utils): the page was not read back");
    const QStringList lines = PageLines(pdf);
    QCOMPARE(lines.size(), 18);
    QCOMPARE(lines[0].simplified(), QStringLiteral("Simulation results"));
    QCOMPARE(lines.mid(1), defaultCarValueLines);
}

void TestPrintDialog::enterPrints()
{
    const QString pdf = folder.filePath(QStringLiteral("enter.pdf"));
    PrintTitleDlg()->SetPrinterSource(PdfFile(pdf));
    PrintTitleDlg()->show();
    TModalAnswerer answerer;
    QTest::keyClick(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle"), Qt::Key_Return);
    QVERIFY(answerer.seen.isEmpty());
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 6);
    QTRY_VERIFY(!PrintTitleDlg()->isVisible());
    QCOMPARE(PrintTitleDlg()->result(), int(QDialog::Accepted));
}

void TestPrintDialog::emptyTitleKeepsTheLines()
{
    const QString titled = folder.filePath(QStringLiteral("titled.pdf"));
    const QString untitled = folder.filePath(QStringLiteral("untitled.pdf"));
    TModalAnswerer answerer;
    PrintTitleDlg()->show();
    PrintTitleDlg()->SetPrinterSource(PdfFile(titled));
    Child<QPushButton>(PrintTitleDlg(), "OkButton")->click();
    PrintTitleDlg()->SetPrinterSource(PdfFile(untitled));
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->clear();
    Child<QPushButton>(PrintTitleDlg(), "OkButton")->click();
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(State().previousPrintTitle, QString());
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 6);
    QTRY_VERIFY(!PrintTitleDlg()->isVisible());

    if (!HavePdfToText())
        QSKIP("pdftotext is not installed (poppler-utils): the pages were not read back");
    QCOMPARE(PageLines(untitled), defaultCarValueLines);
    // The same seventeen lines at the same heights, only the title missing.
    const QList<double> withTitle = LineTops(titled);
    const QList<double> withoutTitle = LineTops(untitled);
    QCOMPARE(withTitle.size(), 18);
    QCOMPARE(withoutTitle, withTitle.mid(1));
}

void TestPrintDialog::inputOutOfRange()
{
    const QString pdf = folder.filePath(QStringLiteral("range.pdf"));
    PrintTitleDlg()->SetPrinterSource(PdfFile(pdf));
    State().previousPrintTitle = QStringLiteral("An older title");
    Child<QPushButton>(ControlDlg(), "PrintButton")->setEnabled(true);
    Child<QLineEdit>(InputDlg(), "THp")->setText(QStringLiteral("99.99"));
    PrintTitleDlg()->show();
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Not saved"));

    TModalAnswerer answerer;
    Child<QPushButton>(PrintTitleDlg(), "OkButton")->click();

    QCOMPARE(answerer.SeenNames(), QStringList{ QStringLiteral("AlertDlg") });
    QCOMPARE(answerer.seen[0].text, QStringLiteral("The horsepower must be between 100.00 and 1500.00"));
    QVERIFY(PrintTitleDlg()->isVisible());
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 0);
    QVERIFY(!Child<QTimer>(PrintTitleDlg(), "Timer1")->isActive());
    QCOMPARE(State().previousPrintTitle, QStringLiteral("An older title"));
    QVERIFY(!Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled());
    QVERIFY(!QFileInfo::exists(pdf));
}

void TestPrintDialog::runThatGivesUp()
{
    // The range tests refuse such a car, so the job is entered after them.
    CarInputs car = CarInputs::DefaultCar();
    car.horsepower = 1;
    const double stopTime = RunCar(car).stopTime;
    QVERIFY(stopTime > 60);

    const QString pdf = folder.filePath(QStringLiteral("limit.pdf"));
    PrintTitleDlg()->SetPrinterSource(PdfFile(pdf));
    State().previousPrintTitle = QStringLiteral("An older title");
    Child<QPushButton>(ControlDlg(), "PrintButton")->setEnabled(true);
    PrintTitleDlg()->show();
    PaintedProgress painted(Child<TCGauge>(PrintTitleDlg(), "CGauge1"));

    TModalAnswerer answerer;
    PrintTitleDlg()->PrintCar(car);

    QCOMPARE(answerer.SeenNames(), QStringList{ QStringLiteral("AlertDlg") });
    QCOMPARE(answerer.seen[0].text,
             QString::asprintf("The 1/4 mile e.t. is larger than %6.2f seconds.", stopTime));
    QCOMPARE(painted.steps, (QList<int>{ 3, 0 }));
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 0);
    QVERIFY(PrintTitleDlg()->isVisible());
    QVERIFY(!Child<QTimer>(PrintTitleDlg(), "Timer1")->isActive());
    QCOMPARE(State().previousPrintTitle, QStringLiteral("An older title"));
    QVERIFY(!Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled());
    QVERIFY(!QFileInfo::exists(pdf));
}

void TestPrintDialog::printerFailure_data()
{
    QTest::addColumn<QString>("path");   // empty: the default printer
    QTest::addColumn<QString>("message");
    QTest::newRow("no default printer")
        << QString()
        << "There is no default printer. Set up a printer as the default printer, then print the "
           "report again.";
    QTest::newRow("document cannot begin")
        << "/nonexistent/folder/report.pdf"
        << "The report could not be printed: the file \"/nonexistent/folder/report.pdf\" could not "
           "be opened for writing.";
    QTest::newRow("printer takes nothing")
        << "/dev/full"
        << "Nothing was written to the file \"/dev/full\": the report was not printed.";
}

void TestPrintDialog::printerFailure()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    if (path.isEmpty())
        PrintTitleDlg()->SetPrinterSource({});
    else
        PrintTitleDlg()->SetPrinterSource(PdfFile(path));
    if (path.startsWith(QLatin1String("/nonexistent")))
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    State().previousPrintTitle = QStringLiteral("An older title");
    PrintTitleDlg()->show();
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Not saved"));

    // The gauge is empty by the time the failure is shown, not left as if
    // the job were still printing.
    int gaugeWhileShown = -1;
    TModalAnswerer answerer([&](QWidget*) {
        gaugeWhileShown = Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress();
    });
    Child<QPushButton>(PrintTitleDlg(), "OkButton")->click();

    QCOMPARE(answerer.SeenNames(), QStringList{ QStringLiteral("ErrorBox") });
    QCOMPARE(answerer.seen[0].title, ApplicationTitle());
    QCOMPARE(answerer.seen[0].text, message);
    QVERIFY(PrintTitleDlg()->isVisible());
    QCOMPARE(gaugeWhileShown, 0);
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 0);
    QVERIFY(!Child<QTimer>(PrintTitleDlg(), "Timer1")->isActive());
    QCOMPARE(State().previousPrintTitle, QStringLiteral("An older title"));
    QCOMPARE(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->text(), QStringLiteral("Not saved"));
}

void TestPrintDialog::cancelRestoresTheSavedTitle()
{
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Saved title"));
    PrintTitleDlg()->SavePrintTitle();
    PrintTitleDlg()->show();
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Edited"));
    Child<QPushButton>(PrintTitleDlg(), "CancelButton")->click();
    QCOMPARE(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->text(), QStringLiteral("Saved title"));
    QVERIFY(!PrintTitleDlg()->isVisible());
    QCOMPARE(PrintTitleDlg()->result(), int(QDialog::Rejected));
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 0);
}

void TestPrintDialog::cancelBeforeAnySaveEmptiesTheTitle()
{
    QCOMPARE(State().previousPrintTitle, QString());
    PrintTitleDlg()->show();
    Child<QPushButton>(PrintTitleDlg(), "CancelButton")->click();
    QCOMPARE(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->text(), QString());
    QVERIFY(!PrintTitleDlg()->isVisible());
}

void TestPrintDialog::escapePressesCancel()
{
    State().previousPrintTitle = QStringLiteral("Saved title");
    PrintTitleDlg()->show();
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Edited"));
    QTest::keyClick(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle"), Qt::Key_Escape);
    QCOMPARE(Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->text(), QStringLiteral("Saved title"));
    QVERIFY(!PrintTitleDlg()->isVisible());
    QCOMPARE(PrintTitleDlg()->result(), int(QDialog::Rejected));
}

// Cancel during the second after a page ends that second: the next showing
// is not closed by the old tick.
void TestPrintDialog::cancelAfterPrintingStopsTheTimer()
{
    PrintTitleDlg()->SetPrinterSource(PdfFile(folder.filePath(QStringLiteral("cancelled.pdf"))));
    PrintTitleDlg()->show();
    Child<QPushButton>(PrintTitleDlg(), "OkButton")->click();
    QVERIFY(Child<QTimer>(PrintTitleDlg(), "Timer1")->isActive());
    Child<QPushButton>(PrintTitleDlg(), "CancelButton")->click();
    QVERIFY(!Child<QTimer>(PrintTitleDlg(), "Timer1")->isActive());
    QCOMPARE(Child<TCGauge>(PrintTitleDlg(), "CGauge1")->Progress(), 0);
    PrintTitleDlg()->show();
    QTest::qWait(3 * Child<QTimer>(PrintTitleDlg(), "Timer1")->interval());
    QVERIFY(PrintTitleDlg()->isVisible());
    PrintTitleDlg()->hide();
}

QTEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
