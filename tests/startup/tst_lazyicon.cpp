// SPDX-License-Identifier: GPL-3.0-or-later
// Icons read when first drawn: they draw what the style would have drawn
// at once, and the style in front of the application's hands on everything
// but the extension buttons' glyph.
#include "startup/LazyIcon.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

class TestLazyIcon : public QObject {
    Q_OBJECT

private slots:
    void drawsWhatTheStyleDraws_data();
    void drawsWhatTheStyleDraws();
    void menuBarUnderTheStyleInFront();
};

namespace {

QImage drawn(const QIcon& icon, int size)
{
    return icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

void TestLazyIcon::drawsWhatTheStyleDraws_data()
{
    QTest::addColumn<int>("glyph");
    QTest::newRow("OK") << static_cast<int>(QStyle::SP_DialogOkButton);
    QTest::newRow("extension, across") << static_cast<int>(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("extension, down") << static_cast<int>(QStyle::SP_ToolBarVerticalExtensionButton);
    QTest::newRow("warning") << static_cast<int>(QStyle::SP_MessageBoxWarning);
}

void TestLazyIcon::drawsWhatTheStyleDraws()
{
    QFETCH(int, glyph);
    const auto pixmap = static_cast<QStyle::StandardPixmap>(glyph);
    QStyle* style = QApplication::style();
    const QIcon direct = style->standardIcon(pixmap);
    const QIcon lazy = LazyIcon([style, pixmap] { return style->standardIcon(pixmap); });
    auto* front = new ExtensionGlyphsWhenDrawn(QStyleFactory::create(style->name()));
    const QIcon throughFront = front->standardIcon(pixmap, nullptr, nullptr);
    for (int size : { 16, 32 }) {
        QCOMPARE(drawn(lazy, size), drawn(direct, size));
        QCOMPARE(drawn(throughFront, size), drawn(direct, size));
    }
    QVERIFY(!lazy.isNull());
    delete front;
}

// A menu bar and a tool bar made under the style in front get their glyph,
// drawn only when asked for; the tool bar's comes with an option.
void TestLazyIcon::menuBarUnderTheStyleInFront()
{
    ReadExtensionGlyphsWhenDrawn();
    QMenuBar bar;
    QToolBar tools;
    const QIcon expected = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    for (const QWidget* owner : { static_cast<QWidget*>(&bar), static_cast<QWidget*>(&tools) }) {
        const auto* extension = owner->findChild<QToolButton*>();
        QVERIFY(extension);
        QCOMPARE(drawn(extension->icon(), 16), drawn(expected, 16));
    }
}

QTEST_MAIN(TestLazyIcon)
#include "tst_lazyicon.moc"
