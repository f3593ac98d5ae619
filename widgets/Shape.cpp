// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/Shape.h"

#include <QMouseEvent>
#include <QPainter>

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::SetPen(const QColor& color, int width)
{
    if (color == penColor && width == penWidth)
        return;
    penColor = color;
    penWidth = width;
    update();
}

void TShape::SetBrush(const QColor& color)
{
    if (color == brush)
        return;
    brush = color;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int pen = std::min({penWidth, w / 2, h / 2});
    if (brush.isValid())
        painter.fillRect(pen, pen, w - 2 * pen, h - 2 * pen, brush);
    if (pen <= 0)
        return;
    painter.fillRect(0, 0, w, pen, penColor);
    painter.fillRect(0, h - pen, w, pen, penColor);
    painter.fillRect(0, pen, pen, h - 2 * pen, penColor);
    painter.fillRect(w - pen, pen, pen, h - 2 * pen, penColor);
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void TShape::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    emit MouseUp(event->button(), event->modifiers(), event->position().toPoint());
}
