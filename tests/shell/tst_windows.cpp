// SPDX-License-Identifier: GPL-3.0-or-later
// What every classic window shares: inputs named for screen readers, texts
// shown as plain text whatever they hold, and the program's icon.
#include "ProgramFixture.h"
#include "TestSupport.h"
#include "WindowWalk.h"
#include "widgets/ErrorBox.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QtTest>

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void everyInputHasItsOwnName_data();
    void everyInputHasItsOwnName();
    void everyLabelShowsPlainText_data();
    void everyLabelShowsPlainText();
    void errorBoxShowsPlainText();
    void everyWindowShowsTheProgramIcon_data();
    void everyWindowShowsTheProgramIcon();
};

namespace {

void windowRows()
{
    QTest::addColumn<int>("index");
    StartProgram();
    const QList<QWidget*> windows = TheProgram()->Windows();
    for (int i = 0; i < windows.size(); ++i)
        QTest::newRow(qPrintable(windows[i]->objectName())) << i;
    EndProgram();
}

QWidget* window(int index)
{
    return TheProgram()->Windows().at(index);
}

} // namespace

void TestWindows::init()
{
    StartProgram();
}

void TestWindows::cleanup()
{
    EndProgram();
    QCOMPARE(OpenWindows(), QStringList());
}

void TestWindows::everyInputHasItsOwnName_data()
{
    windowRows();
}

// A screen reader names each box, and no two boxes of a window alike (a box
// in a captioned group would otherwise take the group's caption).
void TestWindows::everyInputHasItsOwnName()
{
    QFETCH(int, index);
    QSet<QString> names;
    for (QWidget* widget : WidgetsOf(window(index))) {
        if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QPlainTextEdit*>(widget)
            && !qobject_cast<QAbstractSpinBox*>(widget))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        const QString name = accessible->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(widget->objectName() + QStringLiteral(": ") + name));
        names << name;
    }
}

void TestWindows::everyLabelShowsPlainText_data()
{
    windowRows();
}

// A label never takes markup in its text for formatting: a file name such
// as "<h1>Saved OK<!--.trv" is shown as it is.
void TestWindows::everyLabelShowsPlainText()
{
    QFETCH(int, index);
    for (QWidget* widget : WidgetsOf(window(index)))
        if (auto* label = qobject_cast<QLabel*>(widget))
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
}

void TestWindows::errorBoxShowsPlainText()
{
    const QString message = QStringLiteral("Could not save <h1>Saved OK<!--.trv");
    QStringList shown;
    TModalAnswerer answerer([&](QWidget* modal) {
        for (QLabel* label : modal->findChildren<QLabel*>())
            if (!label->text().isEmpty() && label->isVisible()) {
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
                shown << label->text();
            }
    });
    ShowErrorBox(message);
    QCOMPARE(shown, QStringList{ message + QLatin1Char('.') });
}

void TestWindows::everyWindowShowsTheProgramIcon_data()
{
    windowRows();
}

void TestWindows::everyWindowShowsTheProgramIcon()
{
    QFETCH(int, index);
    const QIcon icon = window(index)->windowIcon();
    QVERIFY(!icon.isNull());
    // The picture draws, at every size a window sends the X server.
    QCOMPARE(icon.availableSizes(), (QList<QSize>{ { 16, 16 }, { 32, 32 }, { 64, 64 }, { 128, 128 } }));
    const QImage picture = icon.pixmap(32, 32).toImage();
    QVERIFY(!picture.isNull());
    QVERIFY(picture.pixelColor(16, 16).alpha() > 0 || picture.pixelColor(8, 8).alpha() > 0);
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
