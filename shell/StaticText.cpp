// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/StaticText.h"

#include <QMouseEvent>

TStaticText::TStaticText(const QString& text, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
}

void TStaticText::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        leftPressed = true;
}

void TStaticText::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool click = event->button() == Qt::LeftButton && leftPressed
        && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        leftPressed = false;
    if (click)
        emit Click();
    emit MouseUp(event->button(), event->modifiers(), event->position().toPoint());
}
