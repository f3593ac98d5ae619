// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <functional>
#include <optional>
#include <utility>

// An icon made when it is first drawn or measured. A theme's icon or a
// style's glyph is several pictures to find among the icon themes and
// read; a window's menus, tool bar and buttons of pages not yet shown need
// none of them until they are drawn, so that a window is on the screen
// before they are read.
class LazyIconEngine : public QIconEngine
{
public:
    explicit LazyIconEngine(std::function<QIcon()> make) : make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    QString iconName() override { return Icon().name(); }
    bool isNull() override { return made ? made->isNull() : false; }
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }
    QString key() const override { return QStringLiteral("LazyIconEngine"); }

private:
    const QIcon& Icon()
    {
        if (!made)
            made = make();
        return *made;
    }

    std::function<QIcon()> make;
    std::optional<QIcon> made;
};

inline QIcon LazyIcon(std::function<QIcon()> make)
{
    return QIcon(new LazyIconEngine(std::move(make)));
}

// The application's style, but for the glyph of the button that shows the
// rest of an overflowing menu bar or tool bar: Qt gives every menu bar and
// tool bar that button, with its glyph read at once from among the icon
// themes, and shows it only when the bar is too narrow. Here it is read
// when first drawn. Every other call goes to the style itself.
class ExtensionGlyphsWhenDrawn : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap glyph, const QStyleOption* option, const QWidget* widget) const override
    {
        if (glyph != SP_ToolBarHorizontalExtensionButton && glyph != SP_ToolBarVerticalExtensionButton)
            return QProxyStyle::standardIcon(glyph, option, widget);
        // A tool bar's button passes a plain option (its direction, its
        // palette): kept by value, without the object it was taken from.
        std::optional<QStyleOption> kept;
        if (option) {
            if (option->type != QStyleOption::SO_Default)
                return QProxyStyle::standardIcon(glyph, option, widget);
            kept = *option;
            kept->styleObject = nullptr;
        }
        return LazyIcon([style = QPointer<QStyle>(baseStyle()), glyph, kept, widget = QPointer<const QWidget>(widget)] {
            const QStyle* drawing = style ? style.data() : QApplication::style();
            return drawing->standardIcon(glyph, kept ? &*kept : nullptr, widget.data());
        });
    }
};

// Puts ExtensionGlyphsWhenDrawn in front of the style the application
// chose (by the platform, -style or QT_STYLE_OVERRIDE), before any window
// is made.
inline void ReadExtensionGlyphsWhenDrawn()
{
    if (QStyle* chosen = QStyleFactory::create(QApplication::style()->name()))
        QApplication::setStyle(new ExtensionGlyphsWhenDrawn(chosen));
}
