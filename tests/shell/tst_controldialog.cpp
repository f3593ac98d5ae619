// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "widgets/ModalShowing.h"

#include "inputs/InputDialog.h"
#include "ProgramFixture.h"
#include "shell/ControlDialog.h"
#include "widgets/DialogParts.h"
#include "widgets/Hints.h"
#include "shell/MainWindow.h"

#include <QLineEdit>
#include <QFileDialog>
#include <QPushButton>
#include <QtTest>

namespace {

// Records the order in which buttons change their enabled state.
class TEnabledChanges : public QObject
{
public:
    QStringList changes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            changes << watched->objectName();
        return false;
    }
};

QList<QPushButton*> ResultButtons()
{
    return {Child<QPushButton>(ControlDlg(), "ResultsButton"), Child<QPushButton>(ControlDlg(), "PrintButton"), Child<QPushButton>(ControlDlg(), "SaveButton")};
}

} // namespace

class TestControlDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void buttons_data();
    void buttons();
    void tabOrder();
    void onlyTheFirstThreeWorkAfterStartUp();
    void windowStaysOnTopWithoutTitleBarButtons();

    void disableResultButtons();
    void disabledButtonDoesNothing();

    void buttonOpensItsDialog_data();
    void buttonOpensItsDialog();
    void inputDialogOpensWithHorsepowerSelected();

    void closeHidesModelessDialogAndKeepsStates();
    void closeEndsModalShowing();
};

void TestControlDialog::init()
{
    StartProgram();
    MainForm()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm()));
}

void TestControlDialog::cleanup()
{
    EndProgram();
    QVERIFY2(OpenWindows().isEmpty(), qPrintable(OpenWindows().join(u',')));
}

void TestControlDialog::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("longHint");
    QTest::newRow("AutoButton") << "AutoButton" << "View Input data" << QRect(57, 56, 96, 33) << true
                                << "Torvane values" << "Enter or change Torvane properties and conditions...";
    QTest::newRow("ResultsButton") << "ResultsButton" << "View results" << QRect(57, 96, 96, 33) << false
                                   << "Display results" << "Show 1/4 mile result summary...";
    QTest::newRow("LoadButton") << "LoadButton" << "Open file" << QRect(169, 56, 96, 33) << true << ""
                                << "Open Torvane input data file...";
    QTest::newRow("SaveButton") << "SaveButton" << "Save file" << QRect(169, 96, 96, 33) << false << ""
                                << "Save Torvane input data file...";
    QTest::newRow("PrintButton") << "PrintButton" << "Print results" << QRect(113, 136, 96, 33) << false
                                 << "Print results" << "Print all input and output values on the printer...";
    QTest::newRow("CloseBtn") << "CloseBtn" << "&Close" << QRect(124, 216, 75, 25) << true << "Close"
                              << "Close this dialog box...";
}

void TestControlDialog::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, bounds);
    QFETCH(bool, enabled);
    QFETCH(QString, tooltip);
    QFETCH(QString, longHint);
    auto* button = ControlDlg()->findChild<QPushButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), bounds);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(button->toolTip(), tooltip);
    QCOMPARE(LongHintFor(button), longHint);
}

void TestControlDialog::tabOrder()
{
    QStringList order;
    QWidget* w = Child<QPushButton>(ControlDlg(), "AutoButton");
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != Child<QPushButton>(ControlDlg(), "AutoButton"));
    QCOMPARE(order, (QStringList{"AutoButton", "ResultsButton", "LoadButton", "SaveButton", "PrintButton",
                                 "CloseBtn"}));
}

void TestControlDialog::onlyTheFirstThreeWorkAfterStartUp()
{
    QStringList enabled;
    for (QPushButton* button : ControlDlg()->findChildren<QPushButton*>())
        if (button->isEnabled())
            enabled << button->text();
    enabled.sort();
    QCOMPARE(enabled, (QStringList{"&Close", "Open file", "View Input data"}));
}

void TestControlDialog::windowStaysOnTopWithoutTitleBarButtons()
{
    const Qt::WindowFlags flags = ControlDlg()->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(ControlDlg()->windowTitle(), QStringLiteral("Torvane Control..."));
    QCOMPARE(ControlDlg()->size(), QSize(322, 251));
    QCOMPARE(ControlDlg()->minimumSize(), ControlDlg()->maximumSize());
}

void TestControlDialog::disableResultButtons()
{
    for (QPushButton* button : ResultButtons())
        button->setEnabled(true);
    TEnabledChanges watcher;
    for (QPushButton* button : ControlDlg()->findChildren<QPushButton*>())
        button->installEventFilter(&watcher);

    TheProgram()->DisableResultButtons();
    QCOMPARE(watcher.changes, (QStringList{"SaveButton", "PrintButton", "ResultsButton"}));
    for (QPushButton* button : ResultButtons())
        QVERIFY(!button->isEnabled());
    QVERIFY(Child<QPushButton>(ControlDlg(), "AutoButton")->isEnabled());
    QVERIFY(Child<QPushButton>(ControlDlg(), "LoadButton")->isEnabled());
    QVERIFY(Child<QPushButton>(ControlDlg(), "CloseBtn")->isEnabled());

    // Already disabled: nothing changes.
    watcher.changes.clear();
    TheProgram()->DisableResultButtons();
    QCOMPARE(watcher.changes, QStringList());
}

void TestControlDialog::disabledButtonDoesNothing()
{
    ControlDlg()->show();
    QVERIFY(QTest::qWaitForWindowExposed(ControlDlg()));
    TModalAnswerer answerer;
    for (QPushButton* button : ResultButtons())
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 0);
    ControlDlg()->hide();
}

void TestControlDialog::buttonOpensItsDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("message");
    QTest::newRow("View Input data") << "AutoButton" << "InputDlg" << "";
    QTest::newRow("View results") << "ResultsButton" << "OutputDlg" << "";
    QTest::newRow("Print results") << "PrintButton" << "PrintTitleDlg" << "";
    QTest::newRow("Open file") << "LoadButton" << "OpenDialog1" << "";
    QTest::newRow("Save file") << "SaveButton" << "SaveDialog1" << "";
}

void TestControlDialog::buttonOpensItsDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(QString, message);
    for (QPushButton* b : ResultButtons())
        b->setEnabled(true);
    MainForm()->move(MainForm()->pos() + QPoint(-25, 15));
    MainForm()->Viewcontrol1Click();
    QVERIFY(QTest::qWaitForWindowExposed(ControlDlg()));

    // A file dialog is cancelled; the others are closed with their OK button.
    TModalAnswerer answerer([](QWidget* modal) {
        if (auto* files = qobject_cast<QFileDialog*>(modal))
            files->reject();
    }, MainForm());
    QTest::mouseClick(ControlDlg()->findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(answerer.SeenNames(), QStringList{dialog});
    QVERIFY(answerer.seen[0].centredOnMain);
    if (!message.isEmpty())
        QCOMPARE(answerer.seen[0].text, message);
    // Viewing, printing or a file message leaves the result buttons alone.
    for (QPushButton* b : ResultButtons())
        QVERIFY(b->isEnabled());
    QVERIFY(ControlDlg()->isVisible());
    ControlDlg()->hide();
}

void TestControlDialog::inputDialogOpensWithHorsepowerSelected()
{
    Child<QLineEdit>(InputDlg(), "THp")->setText(QStringLiteral("512.5"));
    Child<QLineEdit>(InputDlg(), "THp")->deselect();
    QString selected;
    TModalAnswerer answerer([&](QWidget*) { selected = Child<QLineEdit>(InputDlg(), "THp")->selectedText(); });
    ControlDlg()->AutoButtonClick();
    QCOMPARE(answerer.SeenNames(), QStringList{QStringLiteral("InputDlg")});
    QCOMPARE(selected, QStringLiteral("512.5"));
}

void TestControlDialog::closeHidesModelessDialogAndKeepsStates()
{
    Child<QPushButton>(ControlDlg(), "ResultsButton")->setEnabled(true);
    MainForm()->Viewcontrol1Click();
    QVERIFY(QTest::qWaitForWindowExposed(ControlDlg()));
    QTest::mouseClick(Child<QPushButton>(ControlDlg(), "CloseBtn"), Qt::LeftButton);
    QVERIFY(!ControlDlg()->isVisible());
    QVERIFY(ControlDlg() == qobject_cast<TControlDlg*>(TheProgram()->Windows().at(3)));

    MainForm()->Viewcontrol1Click();
    QVERIFY(ControlDlg()->isVisible());
    QVERIFY(Child<QPushButton>(ControlDlg(), "ResultsButton")->isEnabled());
    QVERIFY(!Child<QPushButton>(ControlDlg(), "PrintButton")->isEnabled());
    ControlDlg()->hide();
}

void TestControlDialog::closeEndsModalShowing()
{
    int result = -1;
    TModalAnswerer answerer([](QWidget* modal) {
        if (modal == ControlDlg())
            QTest::mouseClick(Child<QPushButton>(ControlDlg(), "CloseBtn"), Qt::LeftButton);
    });
    result = ShowModal(ControlDlg(), MainForm());
    QCOMPARE(answerer.SeenNames(), QStringList{QStringLiteral("ControlDlg")});
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(!ControlDlg()->isVisible());
}

QTEST_MAIN(TestControlDialog)
#include "tst_controldialog.moc"
