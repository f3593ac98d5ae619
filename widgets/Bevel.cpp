// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Bevel.h"

#include <QPainter>

TBevel::TBevel(QWidget* parent, TBevelStyle style) : QWidget(parent), style(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    const QColor topLeft = style == bsLowered ? shadow : light;
    const QColor bottomRight = style == bsLowered ? light : shadow;
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w - 1, 1, topLeft);
    painter.fillRect(0, 1, 1, h - 2, topLeft);
    painter.fillRect(0, h - 1, w, 1, bottomRight);
    painter.fillRect(w - 1, 0, 1, h - 1, bottomRight);
}
