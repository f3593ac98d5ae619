// SPDX-License-Identifier: GPL-3.0-or-later
// Under a real X server with a window manager: every window the program
// opens lies above the window it was opened from and above the control
// dialog, which stays on top while it is open from the View menu. Run by
// stacking_test.sh, which starts Xvfb and openbox.
#include "ProgramFixture.h"
#include "TestSupport.h"

#include "shell/DataFile.h"
#include "widgets/ModalShowing.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

// The program's windows as the window manager stacks them, bottom first.
QList<WId> stackingOrder()
{
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"), { "-root", "_NET_CLIENT_LIST_STACKING" });
    xprop.waitForFinished(5000);
    QList<WId> order;
    const QString text = QString::fromLatin1(xprop.readAllStandardOutput());
    QRegularExpressionMatchIterator ids = QRegularExpression(QStringLiteral("0x[0-9a-f]+")).globalMatch(text);
    while (ids.hasNext())
        order << ids.next().captured().toULongLong(nullptr, 16);
    return order;
}

// Whether the window manager keeps `window` above each of `below`; waits
// for it to settle.
bool stackedAbove(QWidget* window, const QList<QWidget*>& below)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        const QList<WId> order = stackingOrder();
        const qsizetype at = order.indexOf(window->winId());
        bool above = at >= 0;
        for (QWidget* other : below)
            above = above && order.indexOf(other->winId()) >= 0 && order.indexOf(other->winId()) < at;
        if (above)
            return true;
        QTest::qWait(50);
    }
    return false;
}

// Makes `window` the active window, as a click on it would.
void activate(QWidget* window)
{
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
}

} // namespace

class TestStacking : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusalOfAVisibleControlDialog();
    void aboutOverModelessControlDialog();
    void alertFromOpenFile();
    void dialogsOpenedFromTheInputDialog_data();
    void dialogsOpenedFromTheInputDialog();
    void helpOpenedRightAfterOk();
};

void TestStacking::init()
{
    StartProgram();
    MainForm()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm()));
    MainForm()->Viewcontrol1Click();
    QVERIFY(QTest::qWaitForWindowExposed(ControlDlg()));
    QVERIFY(stackedAbove(ControlDlg(), { MainForm() }));
}

void TestStacking::cleanup()
{
    EndProgram();
}

void TestStacking::refusalOfAVisibleControlDialog()
{
    bool above = false;
    TModalAnswerer answerer([&](QWidget* box) { above = stackedAbove(box, { ControlDlg(), MainForm() }); });
    activate(MainForm());
    MainForm()->Shape1MouseUp(Qt::LeftButton, Qt::NoModifier, QPoint());
    QCOMPARE(answerer.SeenNames(), QStringList{ "ErrorBox" });
    QVERIFY(above);
}

void TestStacking::aboutOverModelessControlDialog()
{
    bool above = false;
    TModalAnswerer answerer([&](QWidget* about) { above = stackedAbove(about, { ControlDlg(), MainForm() }); });
    activate(MainForm());
    MainForm()->MAboutClick();
    QCOMPARE(answerer.SeenNames(), QStringList{ "AboutDlg" });
    QVERIFY(above);
}

// A name without ".trv" typed into the open dialog: the refusal shows after
// the file dialog has gone, and must not fall under the control dialog.
void TestStacking::alertFromOpenFile()
{
    bool fileDialogAbove = false;
    bool alertAbove = false;
    TModalAnswerer answerer([&](QWidget* modal) {
        if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            fileDialogAbove = stackedAbove(files, { ControlDlg() });
            Child<QLineEdit>(files, "fileNameEdit")->setText(QStringLiteral("/etc/hostname"));
            static_cast<QDialog*>(files)->accept();
        } else {
            alertAbove = stackedAbove(modal, { ControlDlg(), MainForm() });
        }
    });
    activate(ControlDlg());
    ControlDlg()->LoadButtonClick();
    QCOMPARE(answerer.SeenNames(), (QStringList{ "OpenDialog1", "AlertDlg" }));
    QVERIFY(fileDialogAbove);
    QVERIFY(alertAbove);
}

void TestStacking::dialogsOpenedFromTheInputDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("input help") << "InputHelp" << "" << "";
    QTest::newRow("area calculator") << "CalculatorButton" << "" << "";
    QTest::newRow("range alert") << "OkButton" << "THp" << "1";
}

void TestStacking::dialogsOpenedFromTheInputDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(QString, text);
    bool inputAbove = false;
    bool dialogAbove = false;
    QStringList opened;
    TModalAnswerer answerer([&](QWidget* modal) {
        if (modal != InputDlg()) {
            dialogAbove = stackedAbove(modal, { InputDlg(), ControlDlg() });
            return;
        }
        inputAbove = stackedAbove(InputDlg(), { ControlDlg() });
        if (!box.isEmpty())
            Child<QLineEdit>(InputDlg(), qPrintable(box))->setText(text);
        TModalAnswerer inner([&](QWidget* over) { dialogAbove = stackedAbove(over, { InputDlg(), ControlDlg() }); });
        Child<QPushButton>(InputDlg(), qPrintable(button))->click();
        opened = inner.SeenNames();
        InputDlg()->reject();
    });
    activate(ControlDlg());
    ControlDlg()->AutoButtonClick();
    QCOMPARE(opened.size(), 1);
    QVERIFY(inputAbove);
    QVERIFY2(dialogAbove, qPrintable(opened.join(',')));
}

// Help opened in the second after OK stays above the control dialog, and so
// does the input dialog under it.
void TestStacking::helpOpenedRightAfterOk()
{
    bool helpAbove = false;
    bool inputStayed = false;
    TModalAnswerer answerer([&](QWidget* modal) {
        if (modal != InputDlg())
            return;
        Child<QPushButton>(InputDlg(), "OkButton")->click();
        TModalAnswerer inner([&](QWidget* help) {
            QTest::qWait(1500);
            inputStayed = InputDlg()->isVisible();
            helpAbove = stackedAbove(help, { InputDlg(), ControlDlg() });
        });
        Child<QPushButton>(InputDlg(), "InputHelp")->click();
        InputDlg()->reject();
    });
    activate(ControlDlg());
    ControlDlg()->AutoButtonClick();
    QVERIFY(inputStayed);
    QVERIFY(helpAbove);
}

QTEST_MAIN(TestStacking)
#include "tst_stacking.moc"
