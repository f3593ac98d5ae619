// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "widgets/Hints.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

void SendMouseMove(QWidget* control)
{
    const QPointF local = QRectF(control->rect()).center();
    QMouseEvent move(QEvent::MouseMove, local, control->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

} // namespace

class TestHints : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parts_data();
    void parts();
    void tooltipOnlyWhereSwitchedOn_data();
    void tooltipOnlyWhereSwitchedOn();
    void nearestEnclosingControlWithAHint();
    void changesAreReportedOnce();
    void ignoredMoveThatTravelsToTheParentKeepsTheChild();

private:
    // A fresh watcher for each test, as each program object has its own.
    std::unique_ptr<THintWatcher> hints;
};

void TestHints::init()
{
    hints = std::make_unique<THintWatcher>();
}

void TestHints::cleanup()
{
    hints.reset();
}

void TestHints::parts_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shortPart");
    QTest::addColumn<QString>("longPart");
    QTest::newRow("both parts") << "Display results|Show 1/4 mile result summary..." << "Display results"
                                << "Show 1/4 mile result summary...";
    QTest::newRow("no bar: both") << "Close this dialog box..." << "Close this dialog box..."
                                  << "Close this dialog box...";
    QTest::newRow("split at the first bar") << "a|b|c" << "a" << "b|c";
    QTest::newRow("empty short part") << "|only long" << "" << "only long";
    QTest::newRow("empty long part") << "only short|" << "only short" << "";
    QTest::newRow("empty") << "" << "" << "";
}

void TestHints::parts()
{
    QFETCH(QString, hint);
    QFETCH(QString, shortPart);
    QFETCH(QString, longPart);
    QCOMPARE(ShortHintPart(hint), shortPart);
    QCOMPARE(LongHintPart(hint), longPart);
}

void TestHints::tooltipOnlyWhereSwitchedOn_data()
{
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("showTooltip");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("on") << "Open data file|Open Torvane input data file..." << true << "Open data file";
    QTest::newRow("off") << "Open data file|Open Torvane input data file..." << false << "";
    QTest::newRow("on, no bar") << "Click to open control dialog..." << true << "Click to open control dialog...";
}

void TestHints::tooltipOnlyWhereSwitchedOn()
{
    QFETCH(QString, hint);
    QFETCH(bool, showTooltip);
    QFETCH(QString, tooltip);
    QWidget control;
    SetHint(&control, hint, showTooltip);
    QCOMPARE(control.toolTip(), tooltip);
    QCOMPARE(HintOf(&control), hint);
    QCOMPARE(LongHintFor(&control), LongHintPart(hint));
}

void TestHints::nearestEnclosingControlWithAHint()
{
    QWidget window;
    auto* group = new QWidget(&window);
    auto* inner = new QWidget(group);
    auto* control = new QWidget(inner);
    SetHint(&window, QStringLiteral("Window|The window"), false);
    SetHint(group, QStringLiteral("Group|The group"), true);
    QCOMPARE(LongHintFor(control), QStringLiteral("The group"));
    SetHint(control, QStringLiteral("Own|Its own"), true);
    QCOMPARE(LongHintFor(control), QStringLiteral("Its own"));
    QCOMPARE(LongHintFor(inner), QStringLiteral("The group"));
    QCOMPARE(LongHintFor(nullptr), QString());

    // A window of its own does not take its parent window's hint.
    QWidget dialog(&window, Qt::Dialog);
    auto* label = new QWidget(&dialog);
    QCOMPARE(LongHintFor(label), QString());
}

void TestHints::changesAreReportedOnce()
{
    QWidget window;
    window.resize(300, 100);
    auto* first = new QWidget(&window);
    first->setGeometry(0, 0, 100, 100);
    auto* second = new QWidget(&window);
    second->setGeometry(100, 0, 100, 100);
    auto* bare = new QWidget(&window);
    bare->setGeometry(200, 0, 100, 100);
    SetHint(first, QStringLiteral("One|Same long part"), true);
    SetHint(second, QStringLiteral("Two|Same long part"), false);

    QSignalSpy spy(hints.get(), &THintWatcher::HintChanged);
    SendMouseMove(first);
    SendMouseMove(first);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(hints.get()->CurrentHint(), QStringLiteral("Same long part"));
    SendMouseMove(second);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(hints.get()->ControlUnderPointer(), second);
    SendMouseMove(bare);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(hints.get()->CurrentHint(), QString());
}

void TestHints::ignoredMoveThatTravelsToTheParentKeepsTheChild()
{
    // A move that the child ignores is offered to its parent as well; the
    // hint must stay the child's, since the pointer is over the child.
    QWidget window;
    window.resize(200, 100);
    auto* child = new QWidget(&window);
    child->setGeometry(50, 20, 100, 60);
    child->setMouseTracking(true);
    window.setMouseTracking(true);
    SetHint(&window, QStringLiteral("Window|Over the window"), false);
    SetHint(child, QStringLiteral("Child|Over the child"), false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(child, QPoint(10, 10));
    QTRY_COMPARE(hints.get()->CurrentHint(), QStringLiteral("Over the child"));
    QTest::mouseMove(&window, QPoint(5, 5));
    QTRY_COMPARE(hints.get()->CurrentHint(), QStringLiteral("Over the window"));
}

QTEST_MAIN(TestHints)
#include "tst_hints.moc"
