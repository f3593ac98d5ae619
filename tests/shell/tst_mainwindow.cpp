// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "inputs/InputDialog.h"
#include "ProgramFixture.h"
#include "results/PrintDialog.h"
#include "widgets/Alert.h"
#include "shell/ControlDialog.h"
#include "widgets/Hints.h"
#include "inputs/InputHelp.h"
#include "shell/MainWindow.h"
#include "widgets/Shape.h"
#include "shell/StaticText.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QtTest>

namespace {

QWidget* WindowNamed(const QString& name)
{
    for (QWidget* window : TheProgram()->Windows())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

QWidget* ControlNamed(const QString& window, const QString& control)
{
    QWidget* w = WindowNamed(window);
    return w ? w->findChild<QWidget*>(control) : nullptr;
}

// A pointer movement to the middle of a control, delivered the way the
// window system delivers it: to the control, through the application.
void SendMouseMove(QWidget* control)
{
    const QPointF local = QRectF(control->rect()).center();
    QMouseEvent move(QEvent::MouseMove, local, control->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

void SendEnter(QWidget* control)
{
    const QPointF local = QRectF(control->rect()).center();
    QEnterEvent enter(local, local, control->mapToGlobal(local));
    QApplication::sendEvent(control, &enter);
}

QString StatusText()
{
    return Child<QStatusBar>(MainForm(), "StatusBar")->currentMessage();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuItems_data();
    void menuItems();

    void frameClickOpensControlDialogModally_data();
    void frameClickOpensControlDialogModally();
    void frameClickWhileControlDialogIsModelessIsRefused();

    void viewControlDialogRecordsAndOpensModeless();
    void viewControlDialogAgainRecordsAgain();
    void aboutOpensCentred();
    void exitEndsTheProgramWithControlDialogOpen();

    void statusBarShowsLongHint_data();
    void statusBarShowsLongHint();
    void statusBarFollowsRealPointerMoves();
    void statusBarHintWhileModalDialogIsOpen();
    void frameShowsNoTooltips();
};

void TestMainWindow::init()
{
    StartProgram();
    MainForm()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm()));
}

void TestMainWindow::cleanup()
{
    EndProgram();
    QVERIFY2(OpenWindows().isEmpty(), qPrintable(OpenWindows().join(u',')));
}

void TestMainWindow::menuItems_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("menuText");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("itemText");
    QTest::addColumn<QKeySequence>("mnemonic");
    QTest::newRow("exit") << "Program1" << "File..." << "MExit" << "E&xit" << QKeySequence(Qt::ALT | Qt::Key_X);
    QTest::newRow("control dialog") << "View1" << "&View..." << "Viewcontrol1" << "View &control dialog"
                                    << QKeySequence(Qt::ALT | Qt::Key_C);
    QTest::newRow("about") << "About1" << "&About..." << "MAbout" << "&About Torvane"
                           << QKeySequence(Qt::ALT | Qt::Key_A);
}

void TestMainWindow::menuItems()
{
    QFETCH(QString, menu);
    QFETCH(QString, menuText);
    QFETCH(QString, item);
    QFETCH(QString, itemText);
    QFETCH(QKeySequence, mnemonic);
    auto* theMenu = MainForm()->findChild<QMenu*>(menu);
    QVERIFY(theMenu);
    QVERIFY(MainForm()->menuBar()->actions().contains(theMenu->menuAction()));
    QCOMPARE(theMenu->title(), menuText);
    auto* action = MainForm()->findChild<QAction*>(item);
    QVERIFY(action);
    QCOMPARE(theMenu->actions(), QList<QAction*>{action});
    QCOMPARE(action->text(), itemText);
    QCOMPARE(QKeySequence::mnemonic(action->text()), mnemonic);
}

void TestMainWindow::frameClickOpensControlDialogModally_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("opens");
    const struct { const char* name; bool anyButton; } items[] = {
        {"Shape1", true}, {"StaticText1", true}, {"StaticText4", true},
        {"StaticText2", false}, {"StaticText3", false},
    };
    const struct { const char* name; Qt::MouseButton button; } buttons[] = {
        {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton},
    };
    for (const auto& item : items)
        for (const auto& button : buttons)
            QTest::addRow("%s, %s", item.name, button.name)
                << QString::fromLatin1(item.name) << button.button
                << (item.anyButton || button.button == Qt::LeftButton);
}

void TestMainWindow::frameClickOpensControlDialogModally()
{
    QFETCH(QString, item);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, opens);
    QWidget* target = MainForm()->findChild<QWidget*>(item);
    QVERIFY(target);
    Child<QLineEdit>(InputDlg(), "THp")->setText(QStringLiteral("400"));
    const QPoint place = ControlDlg()->pos();
    Qt::WindowModality modality = Qt::NonModal;
    TModalAnswerer answerer([&](QWidget* modal) { modality = modal->windowModality(); });
    QTest::mouseClick(target, button, Qt::NoModifier, QPoint(target->width() / 2, 5));
    QCOMPARE(answerer.SeenNames(), opens ? QStringList{QStringLiteral("ControlDlg")} : QStringList{});
    if (opens) {
        // Modal for the whole program: the main window is blocked.
        QCOMPARE(modality, Qt::ApplicationModal);
        QCOMPARE(ControlDlg()->pos(), place);
    }
    // Nothing is recorded on the way.
    QCOMPARE(State().previousInputs[InputField::Horsepower], QString());
    QCOMPARE(State().previousPrintTitle, QString());
    QVERIFY(!ControlDlg()->isVisible());
}

void TestMainWindow::frameClickWhileControlDialogIsModelessIsRefused()
{
    Child<QAction>(MainForm(), "Viewcontrol1")->trigger();
    QVERIFY(ControlDlg()->isVisible());
    ControlDlg()->move(ControlDlg()->pos() + QPoint(30, 20));
    const QRect place = ControlDlg()->geometry();
    TModalAnswerer answerer;
    QTest::mouseClick(Child<TShape>(MainForm(), "Shape1"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(answerer.SeenNames(), QStringList{QStringLiteral("ErrorBox")});
    QCOMPARE(answerer.seen[0].title, QStringLiteral("Tst_mainwindow"));
    QCOMPARE(answerer.seen[0].text, QStringLiteral("Cannot make a visible window modal."));
    // The control dialog stays open as it was: modeless, in its place.
    QVERIFY(ControlDlg()->isVisible());
    QCOMPARE(ControlDlg()->windowModality(), Qt::NonModal);
    QVERIFY(!ControlDlg()->testAttribute(Qt::WA_ShowModal));
    QCOMPARE(ControlDlg()->geometry(), place);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The main window still answers the mouse.
    QTest::mouseClick(Child<TStaticText>(MainForm(), "StaticText3"), Qt::LeftButton);
    QCOMPARE(answerer.seen.size(), 2);
}

void TestMainWindow::viewControlDialogRecordsAndOpensModeless()
{
    const QString longText = QStringLiteral("345 horsepower at the flywheel");
    Child<QLineEdit>(InputDlg(), "THp")->setText(longText);
    Child<QLineEdit>(InputDlg(), "TSpinTime")->setText(QStringLiteral("1.10"));
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Test car"));
    MainForm()->move(MainForm()->pos() + QPoint(37, 11));

    Child<QAction>(MainForm(), "Viewcontrol1")->trigger();
    QCOMPARE(State().previousInputs[InputField::Horsepower], longText);
    QCOMPARE(State().previousInputs[InputField::SpinTime], QStringLiteral("1.10"));
    QCOMPARE(State().previousInputs[InputField::DragCoefficient], QStringLiteral("0.29"));
    QCOMPARE(State().previousPrintTitle, QStringLiteral("Test car"));
    QVERIFY(ControlDlg()->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(ControlDlg()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QPoint offset = ControlDlg()->frameGeometry().center() - MainForm()->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
}

void TestMainWindow::viewControlDialogAgainRecordsAgain()
{
    Child<QAction>(MainForm(), "Viewcontrol1")->trigger();
    ControlDlg()->move(ControlDlg()->pos() + QPoint(50, 40));
    const QPoint place = ControlDlg()->pos();
    Child<QLineEdit>(InputDlg(), "TWeight")->setText(QStringLiteral("2900.00"));
    Child<QLineEdit>(PrintTitleDlg(), "PrintTitle")->setText(QStringLiteral("Second title"));

    Child<QAction>(MainForm(), "Viewcontrol1")->trigger();
    QCOMPARE(State().previousInputs[InputField::CarWeight], QStringLiteral("2900.00"));
    QCOMPARE(State().previousPrintTitle, QStringLiteral("Second title"));
    QVERIFY(ControlDlg()->isVisible());
    QCOMPARE(ControlDlg()->pos(), place);
    int dialogs = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        dialogs += qobject_cast<TControlDlg*>(w) ? 1 : 0;
    QCOMPARE(dialogs, 1);
}

void TestMainWindow::aboutOpensCentred()
{
    MainForm()->move(MainForm()->pos() + QPoint(-20, 25));
    TModalAnswerer answerer({}, MainForm());
    Child<QAction>(MainForm(), "MAbout")->trigger();
    QCOMPARE(answerer.SeenNames(), QStringList{QStringLiteral("AboutDlg")});
    QCOMPARE(answerer.seen[0].title, QStringLiteral("About program Torvane..."));
    QVERIFY(answerer.seen[0].centredOnMain);
}

void TestMainWindow::exitEndsTheProgramWithControlDialogOpen()
{
    Child<QAction>(MainForm(), "Viewcontrol1")->trigger();
    QTimer::singleShot(0, Child<QAction>(MainForm(), "MExit"), &QAction::trigger);
    // Should the loop not end, the watchdog ends it with a failing code.
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!MainForm()->isVisible());
    ControlDlg()->hide();
}

void TestMainWindow::statusBarShowsLongHint_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("status");
    QTest::newRow("button: the long part") << "ControlDlg" << "ResultsButton" << "Show 1/4 mile result summary...";
    QTest::newRow("button without tooltip") << "ControlDlg" << "LoadButton" << "Open Torvane input data file...";
    QTest::newRow("frame: hint without a bar") << "MainForm" << "Shape1" << "Click to open control dialog...";
    QTest::newRow("caption: hint without a bar") << "MainForm" << "StaticText1" << "Click to open control dialog...";
    QTest::newRow("OK button of the alert") << "AlertDlg" << "BitBtn1" << "Close this dialog box...";
    QTest::newRow("label without a hint") << "InputHelpDlg" << "Label3" << "";
    QTest::newRow("frame of the control dialog") << "ControlDlg" << "Shape1" << "";
    QTest::newRow("status bar") << "MainForm" << "StatusBar" << "";
}

void TestMainWindow::statusBarShowsLongHint()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, status);
    QWidget* target = ControlNamed(window, control);
    QVERIFY(target);
    QCOMPARE(LongHintFor(target), status);
    WindowNamed(window)->show();

    // By a pointer movement, from a control with another hint.
    SendMouseMove(Child<QPushButton>(ControlDlg(), "PrintButton"));
    QCOMPARE(StatusText(), QStringLiteral("Print all input and output values on the printer..."));
    SendMouseMove(target);
    QCOMPARE(StatusText(), status);

    // By the pointer entering the control.
    SendEnter(Child<QPushButton>(ControlDlg(), "PrintButton"));
    SendEnter(target);
    QCOMPARE(StatusText(), status);

    // Leaving the window blanks it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(target->window(), &leave);
    QCOMPARE(StatusText(), QString());
    WindowNamed(window)->hide();
}

void TestMainWindow::statusBarFollowsRealPointerMoves()
{
    // Offscreen windows have no stacking order: keep the buttons clear of
    // the main window.
    MainForm()->move(0, 0);
    Child<QAction>(MainForm(), "Viewcontrol1")->trigger();
    ControlDlg()->move(480, 300);
    QVERIFY(QTest::qWaitForWindowExposed(ControlDlg()));
    QTest::mouseMove(Child<QPushButton>(ControlDlg(), "ResultsButton"));
    QTRY_COMPARE(StatusText(), QStringLiteral("Show 1/4 mile result summary..."));
    QTest::mouseMove(Child<TStaticText>(MainForm(), "StaticText2"));
    QTRY_COMPARE(StatusText(), QStringLiteral("Click to open control dialog..."));
    QTest::mouseMove(Child<QStatusBar>(MainForm(), "StatusBar"));
    QTRY_COMPARE(StatusText(), QString());
}

void TestMainWindow::statusBarHintWhileModalDialogIsOpen()
{
    QString overButton;
    QString overFrame;
    TModalAnswerer answerer([&](QWidget*) {
        SendMouseMove(Child<QPushButton>(ControlDlg(), "ResultsButton"));
        overButton = StatusText();
        SendMouseMove(Child<TShape>(ControlDlg(), "Shape1"));
        overFrame = StatusText();
    });
    QTest::mouseClick(Child<TShape>(MainForm(), "Shape1"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(answerer.SeenNames(), QStringList{QStringLiteral("ControlDlg")});
    QCOMPARE(overButton, QStringLiteral("Show 1/4 mile result summary..."));
    QCOMPARE(overFrame, QString());
}

void TestMainWindow::frameShowsNoTooltips()
{
    for (QWidget* item : QList<QWidget*>{Child<TShape>(MainForm(), "Shape1"), Child<QLabel>(MainForm(), "StaticText1"), Child<TStaticText>(MainForm(), "StaticText2"),
                                         Child<TStaticText>(MainForm(), "StaticText3"), Child<TStaticText>(MainForm(), "StaticText4")}) {
        QCOMPARE(item->toolTip(), QString());
        QCOMPARE(LongHintFor(item), QStringLiteral("Click to open control dialog..."));
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
