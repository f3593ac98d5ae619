#include "TestSupport.h"

#include "inputs/Calculator.h"
#include "inputs/Input.h"
#include "results/Output.h"
#include "results/PrintTitle.h"
#include "shell/About.h"
#include "shell/Alert.h"
#include "shell/ConditionsHelp.h"
#include "shell/Control.h"
#include "shell/Hints.h"
#include "shell/InputHelp.h"
#include "shell/Main.h"
#include "shell/Startup.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QStatusBar>
#include <QtTest>

#include <stdexcept>

namespace {

const QStringList windowOrder = {
    QStringLiteral("MainForm"),     QStringLiteral("AboutDlg"),     QStringLiteral("CondHelpDlg"),
    QStringLiteral("ControlDlg"),   QStringLiteral("InputDlg"),     QStringLiteral("InputHelpDlg"),
    QStringLiteral("OutputDlg"),    QStringLiteral("PrintTitleDlg"), QStringLiteral("CalculatorDlg"),
    QStringLiteral("AlertDlg"),
};

// The process-wide pointers, in the order of creation.
QList<QWidget*> Instances()
{
    return {MainForm,  AboutDlg,  CondHelpDlg,   ControlDlg,    InputDlg,
            InputHelpDlg, OutputDlg, PrintTitleDlg, CalculatorDlg, AlertDlg};
}

// A control whose release handler fails the way a toolkit call can fail.
class TFailingControl : public QWidget
{
public:
    enum TFailure { StandardError, OtherError };
    TFailure failure = StandardError;
    QString message;
    int releases = 0;

protected:
    void mouseReleaseEvent(QMouseEvent*) override
    {
        ++releases;
        if (failure == StandardError)
            throw std::runtime_error(message.toStdString());
        throw 42;
    }
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void createsTheTenWindowsInOrder();
    void createsOneInstanceOfEachWindow_data();
    void createsOneInstanceOfEachWindow();
    void destroyWindowsNullsEveryPointer();
    void mainFormInstallsTheHintHandler();

    void titleFromFileName_data();
    void titleFromFileName();
    void applicationTitleIsThisProgramsName();

    void errorBoxText_data();
    void errorBoxText();
    void errorInAnEventShowsTheErrorBoxAndGoesOn_data();
    void errorInAnEventShowsTheErrorBoxAndGoesOn();

    void startUpTime();
};

void TestStartup::cleanup()
{
    DestroyWindows();
    QVERIFY2(OpenWindows().isEmpty(), qPrintable(OpenWindows().join(u',')));
}

void TestStartup::createsTheTenWindowsInOrder()
{
    CreateWindows();
    QStringList created;
    for (QWidget* window : ProgramWindows())
        created << window->objectName();
    QCOMPARE(created, windowOrder);
    QCOMPARE(ProgramWindows(), Instances());
    for (QWidget* window : ProgramWindows()) {
        QVERIFY(window->isWindow());
        QVERIFY2(window->isHidden(), qPrintable(window->objectName()));
    }
}

void TestStartup::createsOneInstanceOfEachWindow_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("objectName");
    const char* const classes[] = {"TMainForm",   "TAboutDlg",    "TCondHelpDlg",   "TControlDlg",
                                   "TInputDlg",   "TInputHelpDlg", "TOutputDlg",    "TPrintTitleDlg",
                                   "TCalculatorDlg", "TAlertDlg"};
    for (int i = 0; i < windowOrder.size(); ++i)
        QTest::newRow(classes[i]) << QString::fromLatin1(classes[i]) << windowOrder[i];
}

void TestStartup::createsOneInstanceOfEachWindow()
{
    QFETCH(QString, className);
    QFETCH(QString, objectName);
    CreateWindows();
    QList<QWidget*> found;
    for (QWidget* w : QApplication::allWidgets())
        if (QString::fromLatin1(w->metaObject()->className()) == className)
            found << w;
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first()->objectName(), objectName);
    QVERIFY(ProgramWindows().contains(found.first()));
}

void TestStartup::destroyWindowsNullsEveryPointer()
{
    CreateWindows();
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : ProgramWindows())
        windows << window;
    DestroyWindows();
    for (QWidget* pointer : Instances())
        QCOMPARE(pointer, nullptr);
    for (const QPointer<QWidget>& window : windows)
        QVERIFY(window.isNull());
    QVERIFY(ProgramWindows().isEmpty());
}

void TestStartup::mainFormInstallsTheHintHandler()
{
    CreateWindows();
    QWidget* button = ControlDlg->AutoButton;
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(button->mapToGlobal(QPoint(5, 5))));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(MainForm->StatusBar->currentMessage(),
             QStringLiteral("Enter or change Torvane properties and conditions..."));
}

void TestStartup::titleFromFileName_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("title");
    QTest::newRow("program") << "torvane" << "Torvane";
    QTest::newRow("full path") << "/usr/local/bin/torvane" << "Torvane";
    QTest::newRow("capitals and extension") << "TORVANE.EXE" << "Torvane";
    QTest::newRow("up to the first dot") << "my.prog.exe" << "My";
    QTest::newRow("test program") << "tst_startup" << "Tst_startup";
    QTest::newRow("dot in a folder name") << "/opt/torvane.d/Torvane" << "Torvane";
    QTest::newRow("nothing before the dot") << ".hidden" << "";
}

void TestStartup::titleFromFileName()
{
    QFETCH(QString, fileName);
    QFETCH(QString, title);
    QCOMPARE(TitleFromFileName(fileName), title);
}

void TestStartup::applicationTitleIsThisProgramsName()
{
    QCOMPARE(ApplicationTitle(), QStringLiteral("Tst_startup"));
}

void TestStartup::errorBoxText_data()
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

void TestStartup::errorBoxText()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(ErrorBoxText(message), text);
}

void TestStartup::errorInAnEventShowsTheErrorBoxAndGoesOn_data()
{
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("standard error") << int(TFailingControl::StandardError) << "List index out of bounds"
                                    << "List index out of bounds.";
    QTest::newRow("other error") << int(TFailingControl::OtherError) << "" << "";
}

void TestStartup::errorInAnEventShowsTheErrorBoxAndGoesOn()
{
    QFETCH(int, failure);
    QFETCH(QString, message);
    QFETCH(QString, text);
    TFailingControl control;
    control.failure = TFailingControl::TFailure(failure);
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
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Tst_startup"));
    QCOMPARE(answerer.seen[0].text, text);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // The program goes on: the next event is handled, and fails again.
    QTest::mouseClick(&control, Qt::LeftButton);
    QCOMPARE(control.releases, 2);
    QCOMPARE(answerer.seen.size(), 2);
    control.hide();
}

void TestStartup::startUpTime()
{
    QElapsedTimer timer;
    timer.start();
    CreateWindows();
    MainForm->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm));
    const qint64 elapsed = timer.elapsed();
    qInfo("start-up to an exposed main window: %lld ms", elapsed);
    QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));
}

TORVANE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
