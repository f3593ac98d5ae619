// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A fixed-size text that answers the mouse: MouseUp for every released
// button, Click for a left press and release within it. Its text is plain
// (no markup, no mnemonic).
class TStaticText : public QLabel
{
    Q_OBJECT

public:
    explicit TStaticText(const QString& text, QWidget* parent = nullptr);

signals:
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& pos);
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool leftPressed = false;
};
