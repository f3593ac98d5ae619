// SPDX-License-Identifier: GPL-3.0-or-later
// With the installed stand-in fonts, no label, caption, button text or menu
// title of any window is cut off.

#include "ProgramFixture.h"
#include "TestSupport.h"

#include "widgets/Alert.h"
#include "shell/MainWindow.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

namespace {

QString WithoutMnemonic(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Where the label's glyphs fall when it draws its text, from the font's
// metrics, relative to the label.
QRect GlyphBox(const QLabel* label)
{
    const QFontMetrics fm(label->font());
    const QRect area = label->contentsRect();
    if (label->wordWrap())
        return fm.boundingRect(area, int(label->alignment()) | Qt::TextWordWrap, label->text());
    const QRect line = fm.boundingRect(area, int(label->alignment()), label->text());
    const QRect tight = fm.tightBoundingRect(label->text());
    // The line box can be taller than the glyphs: what counts vertically is
    // where ink lands.
    const int baseline = line.top() + fm.ascent();
    return QRect(line.left(), baseline + tight.top(), line.width(), tight.height());
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void textsFit_data();
    void textsFit();
    void menuTitlesFit();
};

void TestLayout::initTestCase()
{
    StartProgram();
}

void TestLayout::cleanupTestCase()
{
    EndProgram();
}

void TestLayout::textsFit_data()
{
    QTest::addColumn<QString>("window");
    for (QWidget* window : TheProgram()->Windows())
        QTest::newRow(qPrintable(window->objectName())) << window->objectName();
}

void TestLayout::textsFit()
{
    QFETCH(QString, window);
    QWidget* w = nullptr;
    for (QWidget* candidate : TheProgram()->Windows())
        if (candidate->objectName() == window)
            w = candidate;
    QVERIFY(w);
    w->ensurePolished();

    for (QLabel* label : w->findChildren<QLabel*>()) {
        // The alert's message is cut at the label's edges on purpose.
        if (label == Child<QLabel>(AlertDlg(), "Label1") || label->text().isEmpty())
            continue;
        label->ensurePolished();
        const QRect ink = GlyphBox(label);
        QVERIFY2(QRect(QPoint(0, 0), label->size()).contains(ink),
                 qPrintable(QStringLiteral("%1 \"%2\": text %3x%4 at %5,%6 in %7x%8")
                                .arg(label->objectName(), label->text())
                                .arg(ink.width()).arg(ink.height()).arg(ink.x()).arg(ink.y())
                                .arg(label->width()).arg(label->height())));
    }

    for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || !button->isVisibleTo(w))
            continue;
        button->ensurePolished();
        const QFontMetrics fm(button->font());
        const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        // Room the style keeps between the button's edge and its contents.
        const int padding = 2 * 6;
        const int needed = fm.horizontalAdvance(WithoutMnemonic(button->text())) + iconWidth + padding;
        QVERIFY2(needed <= button->width(),
                 qPrintable(QStringLiteral("%1: needs %2, has %3").arg(button->objectName()).arg(needed)
                                .arg(button->width())));
        QVERIFY(fm.height() + 4 <= button->height());
    }
}

void TestLayout::menuTitlesFit()
{
    MainForm()->show();
    QVERIFY(QTest::qWaitForWindowExposed(MainForm()));
    QMenuBar* bar = MainForm()->menuBar();
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        QVERIFY2(!place.isEmpty() && bar->rect().contains(place), qPrintable(action->text()));
        const int textWidth = bar->fontMetrics().horizontalAdvance(WithoutMnemonic(action->text()));
        QVERIFY(textWidth <= place.width());
    }
    MainForm()->hide();
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
