// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/WrappedLabel.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

TWrappedLabel::TWrappedLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TWrappedLabel::SetPreferredWidth(int width)
{
    preferredWidth = width;
    updateGeometry();
}

QRectF TWrappedLabel::Layout(int width, QTextLayout& layout) const
{
    QTextOption option(alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setText(text());
    layout.setFont(font());
    layout.setTextOption(option);
    const qreal lineWidth = qMax(1, width);
    qreal y = 0;
    QRectF bounds;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        line.setPosition(QPointF(0, y));
        y += line.height();
        // The ink of the line, placed as its alignment puts it.
        const qreal inkWidth = line.naturalTextWidth();
        qreal left = 0;
        if (option.alignment() & Qt::AlignHCenter)
            left = (lineWidth - inkWidth) / 2;
        else if (option.alignment() & Qt::AlignRight)
            left = lineWidth - inkWidth;
        bounds |= QRectF(left, line.y(), inkWidth, line.height());
    }
    layout.endLayout();
    return bounds;
}

int TWrappedLabel::heightForWidth(int width) const
{
    QTextLayout layout;
    const QRectF bounds = Layout(width - 2 * margin(), layout);
    return int(std::ceil(bounds.bottom())) + 2 * margin();
}

QSize TWrappedLabel::sizeHint() const
{
    const int natural = fontMetrics().horizontalAdvance(text()) + 1 + 2 * margin();
    const int width = qMin(natural, preferredWidth);
    return QSize(width, heightForWidth(width));
}

QSize TWrappedLabel::minimumSizeHint() const
{
    return sizeHint();
}

QRect TWrappedLabel::TextBounds() const
{
    QTextLayout layout;
    const QRectF bounds = Layout(contentsRect().width() - 2 * margin(), layout);
    return bounds.translated(contentsRect().topLeft() + QPointF(margin(), margin())).toAlignedRect();
}

void TWrappedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    QTextLayout layout;
    Layout(contentsRect().width() - 2 * margin(), layout);
    layout.draw(&painter, contentsRect().topLeft() + QPointF(margin(), margin()));
}
