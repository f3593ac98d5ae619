// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFixture.h"
#include "TestSupport.h"

#include <algorithm>
#include "widgets/ErrorBox.h"

#include "inputs/AreaCalculator.h"
#include "inputs/InputDialog.h"
#include "results/ResultsDialog.h"
#include "results/PrintDialog.h"
#include "shell/AboutDialog.h"
#include "widgets/Alert.h"
#include "inputs/ConditionsHelp.h"
#include "shell/ControlDialog.h"
#include "widgets/Hints.h"
#include "inputs/InputHelp.h"
#include "shell/MainWindow.h"
#include "shell/CommandLine.h"
#include "shell/Program.h"

#include <QMouseEvent>
#include <QProcess>
#include <QStatusBar>
#include <QtTest>


Q_DECLARE_METATYPE(StartRequest)

namespace {

const QStringList windowOrder = {
    QStringLiteral("MainForm"),     QStringLiteral("AboutDlg"),     QStringLiteral("CondHelpDlg"),
    QStringLiteral("ControlDlg"),   QStringLiteral("InputDlg"),     QStringLiteral("InputHelpDlg"),
    QStringLiteral("OutputDlg"),    QStringLiteral("PrintTitleDlg"), QStringLiteral("CalculatorDlg"),
    QStringLiteral("AlertDlg"),
};

// The program object's windows by their accessors, in the order of creation.
QList<QWidget*> Instances()
{
    return {MainForm(),  AboutDlg(),  CondHelpDlg(),   ControlDlg(),    InputDlg(),
            InputHelpDlg(), OutputDlg(), PrintTitleDlg(), CalculatorDlg(), AlertDlg()};
}

// A control whose release handler meets an error and shows it where it
// happens, through the standard error box.
class TFailingControl : public QWidget
{
public:
    QString message;
    int releases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent*) override
    {
        ++releases;
        ShowErrorBox(message);
    }
};

// Notes which of the program's windows exist when the main window is first
// shown.
class TProgramWindowsAtShow : public QObject
{
public:
    QStringList madeWhenShown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("MainForm")
            && madeWhenShown.isEmpty()) {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (windowOrder.contains(window->objectName()))
                    madeWhenShown << window->objectName();
        }
        return false;
    }
};

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void createsTheTenWindowsInOrder();
    void createsOneInstanceOfEachWindow_data();
    void createsOneInstanceOfEachWindow();
    void endingTheProgramDestroysTheWindowsInReverse();
    void mainFormInstallsTheHintHandler();

    void titleFromFileName_data();
    void titleFromFileName();
    void applicationTitleIsThisProgramsName();

    void errorBoxText_data();
    void errorBoxText();
    void errorInAnEventShowsTheErrorBoxAndGoesOn_data();
    void errorInAnEventShowsTheErrorBoxAndGoesOn();

    void startShowsTheMainWindowBeforeMakingTheOthers();
    void startWithoutADisplayEndsWithOneLine();
    void commandLineWithoutADisplay_data();
    void commandLineWithoutADisplay();
    void parseCommandLine_data();
    void parseCommandLine();
};

void TestProgram::cleanup()
{
    EndProgram();
    QVERIFY2(OpenWindows().isEmpty(), qPrintable(OpenWindows().join(u',')));
}

void TestProgram::createsTheTenWindowsInOrder()
{
    StartProgram();
    QStringList created;
    for (QWidget* window : TheProgram()->Windows())
        created << window->objectName();
    QCOMPARE(created, windowOrder);
    QCOMPARE(TheProgram()->Windows(), Instances());
    for (QWidget* window : TheProgram()->Windows()) {
        QVERIFY(window->isWindow());
        QVERIFY2(window->isHidden(), qPrintable(window->objectName()));
    }
}

void TestProgram::createsOneInstanceOfEachWindow_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("objectName");
    const char* const classes[] = {"TMainForm",   "TAboutDlg",    "TCondHelpDlg",   "TControlDlg",
                                   "TInputDlg",   "TInputHelpDlg", "TOutputDlg",    "TPrintTitleDlg",
                                   "TCalculatorDlg", "TAlertDlg"};
    for (int i = 0; i < windowOrder.size(); ++i)
        QTest::newRow(classes[i]) << QString::fromLatin1(classes[i]) << windowOrder[i];
}

void TestProgram::createsOneInstanceOfEachWindow()
{
    QFETCH(QString, className);
    QFETCH(QString, objectName);
    StartProgram();
    QList<QWidget*> found;
    for (QWidget* w : QApplication::allWidgets())
        if (QString::fromLatin1(w->metaObject()->className()) == className)
            found << w;
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()->objectName(), objectName);
    QVERIFY(TheProgram()->Windows().contains(found.first()));
}

void TestProgram::endingTheProgramDestroysTheWindowsInReverse()
{
    StartProgram();
    QList<QPointer<QWidget>> windows;
    QStringList destroyed;
    for (QWidget* window : TheProgram()->Windows()) {
        windows << window;
        const QString name = window->objectName();
        connect(window, &QObject::destroyed, this, [&destroyed, name] { destroyed << name; });
    }
    EndProgram();
    for (const QPointer<QWidget>& window : windows)
        QVERIFY(window.isNull());
    QStringList reversed = windowOrder;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(destroyed, reversed);
}

void TestProgram::mainFormInstallsTheHintHandler()
{
    StartProgram();
    QWidget* button = Child<QPushButton>(ControlDlg(), "AutoButton");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(button->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(Child<QStatusBar>(MainForm(), "StatusBar")->currentMessage(),
             QStringLiteral("Enter or change Torvane properties and conditions..."));
}

void TestProgram::titleFromFileName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::newRow("program") << "torvane" << "Torvane";
    QTest::newRow("full path") << "/usr/local/bin/torvane" << "Torvane";
    QTest::newRow("capitals and extension") << "TORVANE.EXE" << "Torvane";
    QTest::newRow("up to the first dot") << "my.prog.exe" << "My";
    QTest::newRow("test program") << "tst_program" << "Tst_program";
    QTest::newRow("dot in a folder name") << "/opt/torvane.d/Torvane" << "Torvane";
    QTest::newRow("nothing before the dot") << ".hidden" << "";
}

void TestProgram::titleFromFileName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    QCOMPARE(TitleFromFileName(fileName), title);
}

void TestProgram::applicationTitleIsThisProgramsName()
{
    QCOMPARE(ApplicationTitle(), QStringLiteral("Tst_program"));
}

void TestProgram::errorBoxText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << "Cannot make a visible window modal" << "Cannot make a visible window modal.";
    QTest::newRow("digit") << "Value must be between 0 and 99" << "Value must be between 0 and 99.";
    QTest::newRow("question mark") << "Why?" << "Why?.";
    QTest::newRow("slash, just above the full stop") << "a/" << "a/.";
    QTest::newRow("letter beyond ASCII") << QStringLiteral("Gr\u00f6\u00dfe") << QStringLiteral("Gr\u00f6\u00dfe.");
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("hyphen, just below the full stop") << "a-" << "a-";
    QTest::newRow("exclamation mark") << "Stop!" << "Stop!";
    QTest::newRow("closing parenthesis") << "(see above)" << "(see above)";
    QTest::newRow("trailing space") << "Trailing " << "Trailing ";
    QTest::newRow("empty") << "" << "";
}

void TestProgram::errorBoxText()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(ErrorBoxText(message), text);
}

void TestProgram::errorInAnEventShowsTheErrorBoxAndGoesOn_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("with a message") << "List index out of bounds" << "List index out of bounds.";
    QTest::newRow("without a message") << "" << "";
}

void TestProgram::errorInAnEventShowsTheErrorBoxAndGoesOn()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    TFailingControl control;
    control.message = message;
    control.resize(100, 40);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));

    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    TModalAnswerer answerer([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            icon = box->icon();
            buttons = box->standardButtons();
        }
    });
    QTest::mouseClick(&control, Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Tst_program"));
    QCOMPARE(answerer.seen[0].text, text);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // The program goes on: the next event is handled, and fails again.
    QTest::mouseClick(&control, Qt::LeftButton);
    QCOMPARE(control.releases, 2);
    QCOMPARE(answerer.seen.size(), 2);
    control.hide();
}

// How long the start takes is measured by no test: a busy machine would
// fail it. The main window is shown, and drawn, while the nine hidden
// windows are still to be made; they are all made, in their order, before
// the start returns, and stay hidden.
void TestProgram::startShowsTheMainWindowBeforeMakingTheOthers()
{
    TProgramWindowsAtShow watcher;
    qApp->installEventFilter(&watcher);
    TheProgram() = StartTorvaneProgram();
    qApp->removeEventFilter(&watcher);
    QCOMPARE(watcher.madeWhenShown, QStringList{ QStringLiteral("MainForm") });
    QStringList created;
    for (QWidget* window : TheProgram()->Windows())
        created << window->objectName();
    QCOMPARE(created, windowOrder);
    QVERIFY(MainForm()->isVisible());
    for (QWidget* window : TheProgram()->Windows().mid(1))
        QVERIFY2(window->isHidden(), qPrintable(window->objectName()));
    QVERIFY(QTest::qWaitForWindowExposed(MainForm()));
}

void TestProgram::startWithoutADisplayEndsWithOneLine()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TORVANE_PROGRAM), {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()),
             QStringLiteral("torvane: cannot start: could not connect to display\n"));
}

// --help and --version answer before any window exists: with no display and
// no platform chosen, as on a terminal without a desktop.
void TestProgram::commandLineWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");  // the start of standard output
    QTest::addColumn<QString>("error"); // the start of standard error
    const QString usage = QStringLiteral("Usage: torvane [--help] [--version]\n");
    QTest::newRow("--help") << QStringList{ "--help" } << 0 << usage << "";
    QTest::newRow("-h") << QStringList{ "-h" } << 0 << usage << "";
    QTest::newRow("--version")
        << QStringList{ "--version" } << 0
        << "torvane 4.0\nCopyright (C) 2026 The Torvane team.\nLicense GPLv3+: GNU GPL version 3 or later"
        << "";
    QTest::newRow("-v") << QStringList{ "-v" } << 0 << "torvane 4.0\n" << "";
    QTest::newRow("after a Qt option") << QStringList{ "-style", "fusion", "--version" } << 0
                                       << "torvane 4.0\n" << "";
    QTest::newRow("unknown option") << QStringList{ "--colour" } << 2 << ""
                                    << "torvane: unknown option '--colour'\n" + usage;
    QTest::newRow("a file") << QStringList{ "car.trv" } << 2 << ""
                            << "torvane: no file or other argument is taken: 'car.trv'\n" + usage;
    QTest::newRow("Qt option without its value") << QStringList{ "-platform" } << 2 << ""
                                                 << "torvane: option '-platform' needs a value\n" + usage;
}

void TestProgram::commandLineWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                              "LC_MESSAGES" })
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TORVANE_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString standardOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString standardError = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(out.isEmpty() ? standardOut.isEmpty() : standardOut.startsWith(out), qPrintable(standardOut));
    QVERIFY2(error.isEmpty() ? standardError.isEmpty() : standardError.startsWith(error),
             qPrintable(standardError));
    QCOMPARE(program.exitCode(), status);
}

// Qt's own options and their values pass through to Qt.
void TestProgram::parseCommandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<StartRequest>("request");
    QTest::newRow("nothing") << QStringList{} << StartRequest::OpenWindow;
    QTest::newRow("platform") << QStringList{ "-platform", "offscreen" } << StartRequest::OpenWindow;
    QTest::newRow("two dashes") << QStringList{ "--platform", "xcb" } << StartRequest::OpenWindow;
    QTest::newRow("value after =") << QStringList{ "-style=fusion" } << StartRequest::OpenWindow;
    QTest::newRow("switch") << QStringList{ "-reverse" } << StartRequest::OpenWindow;
    QTest::newRow("value that looks like help") << QStringList{ "-qwindowtitle", "--help" }
                                                << StartRequest::OpenWindow;
    QTest::newRow("help after a Qt option") << QStringList{ "-reverse", "--help" } << StartRequest::Help;
    QTest::newRow("version first") << QStringList{ "--version", "--colour" } << StartRequest::Version;
    QTest::newRow("unknown before help") << QStringList{ "--colour", "--help" } << StartRequest::UsageError;
    QTest::newRow("a lone dash") << QStringList{ "-" } << StartRequest::UsageError;
}

void TestProgram::parseCommandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(StartRequest, request);
    QCOMPARE(ParseCommandLine(arguments).request, request);
}

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
