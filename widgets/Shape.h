// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

// An outlined rectangle: a band of PenWidth pixels in PenColor along the
// inside of its bounds, and an inside filled with Brush or, when hollow,
// left transparent. It takes the mouse over its whole rectangle, inside
// included, and reports each released button.
class TShape : public QWidget
{
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    QColor PenColor() const { return penColor; }
    int PenWidth() const { return penWidth; }
    bool Hollow() const { return !brush.isValid(); }
    QColor Brush() const { return brush; }

    void SetPen(const QColor& color, int width);
    // An invalid colour leaves the inside transparent.
    void SetBrush(const QColor& color);

signals:
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor penColor = Qt::black;
    int penWidth = 1;
    QColor brush;
};
