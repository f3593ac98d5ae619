// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ProgressGauge.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <string>

namespace {

// A rectangle given by its edges, the way the drawing rules below measure
// it: right and bottom are one past the last pixel that is filled.
struct Edges
{
    int left;
    int top;
    int right;
    int bottom;
};

int toInt(double value)
{
    return static_cast<int>(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

int floorPercent(double part, double whole)
{
    return whole == 0 ? 0 : toInt(std::floor(part * 100.0 / whole));
}

// Qt's rectangle whose ellipse covers exactly the pixels left..right-1 and
// top..bottom-1 (an aliased one-pixel outline of QRect(x, y, w, h) covers
// w + 1 columns).
QRect outlineBox(const Edges &box)
{
    return QRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1);
}

// One-pixel pen; flat caps leave out a line's last pixel, so a line from A
// to B stops just before B.
QPen thinPen(const QColor &color)
{
    QPen pen(color, 1);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void fillEdges(QPainter &painter, const Edges &area, const QColor &color)
{
    if (area.right > area.left && area.bottom > area.top)
        painter.fillRect(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top), color);
}

// Draws the wedge of the ellipse in box that runs counter-clockwise (as seen
// on screen) from the ray through `from` to the ray through `to`, both rays
// starting at the ellipse's centre. Equal points give the whole ellipse.
void drawWedge(QPainter &painter, const Edges &box, QPoint from, QPoint to)
{
    const QRect rect = outlineBox(box);
    const QPointF centre = QRectF(rect).center();
    const double rx = std::max(rect.width() / 2.0, 0.5);
    const double ry = std::max(rect.height() / 2.0, 0.5);
    // QPainter's angles are those of the ellipse squashed to a circle, so
    // each ray is scaled by the semi-axes before taking its angle.
    const auto degreesOf = [&](QPoint p) {
        return std::atan2((centre.y() - p.y()) / ry, (p.x() - centre.x()) / rx) * 180.0
               / std::numbers::pi;
    };
    const double start = degreesOf(from);
    const double span = std::fmod(degreesOf(to) - start + 720.0, 360.0);
    painter.drawPie(rect, qRound(start * 16), from == to ? 360 * 16 : qRound(span * 16));
}

void paintAsNothing(QPainter &painter, const Edges &area, const QColor &back)
{
    fillEdges(painter, area, back);
}

void paintAsBar(QPainter &painter, const Edges &area, bool vertical, int percent,
                const QColor &fore, const QColor &back)
{
    const int w = area.right - area.left + 1;
    const int h = area.bottom - area.top + 1;
    fillEdges(painter, area, back);
    if (!vertical) {
        // The bar's right edge is x itself, not left + x: with the frame the
        // bar reaches the frame exactly at 100 percent.
        const int x = std::min(ShareOfLength(percent, w), w);
        if (x > 0)
            fillEdges(painter, {area.left, area.top, x, h}, fore);
    } else {
        int y = ShareOfLength(percent, h);
        if (y >= h)
            y = h - 1;
        fillEdges(painter, {area.left, h - y, w, h}, fore);
    }
}

// A disc that fills clockwise from twelve o'clock.
void paintAsPie(QPainter &painter, const Edges &area, bool framed, int percent,
                const QColor &fore, const QColor &back, const QColor &color)
{
    const int w = area.right - area.left + (framed ? 1 : 0);
    const int h = area.bottom - area.top + (framed ? 1 : 0);
    const Edges box{area.left, area.top, w, h};
    fillEdges(painter, area, color);
    painter.setPen(thinPen(fore));
    painter.setBrush(back);
    painter.drawEllipse(outlineBox(box));
    if (percent <= 0)
        return;
    painter.setBrush(fore);
    const int middleX = w / 2;
    const int middleY = h / 2;
    const double angle = std::numbers::pi * (percent * 0.02 + 0.5);
    const QPoint start(toInt(std::floor(middleX * (1 - std::cos(angle)))),
                       toInt(std::floor(middleY * (1 - std::sin(angle)))));
    drawWedge(painter, box, start, QPoint(middleX, 0));
}

// A half-disc dial on a base line, with a needle that turns from the left
// (0 percent) over the top (50) to the right (100).
void paintAsNeedle(QPainter &painter, const Edges &area, bool framed, int percent, int fullWidth,
                   const QColor &fore, const QColor &back, const QColor &color)
{
    const int x = area.left;
    const int y = area.top;
    const int w = area.right - area.left + (framed ? 1 : 0);
    const int h = area.bottom - area.top + (framed ? 1 : 0);
    fillEdges(painter, area, color);
    painter.setPen(thinPen(fore));
    painter.setBrush(back);
    drawWedge(painter, {x, y, w, 2 * h - 1}, QPoint(x + w, area.bottom - 1),
              QPoint(x, area.bottom - 1));
    painter.drawLine(QPoint(x, area.bottom), QPoint(x + w, area.bottom));
    if (percent <= 0)
        return;
    const int middleX = fullWidth / 2;
    const int pivotY = area.bottom - 1;
    const double angle = percent * 0.01 * std::numbers::pi;
    painter.drawLine(QPoint(middleX, pivotY),
                     QPoint(toInt(std::floor(middleX * (1 - std::cos(angle)))),
                            toInt(std::floor(pivotY * (1 - std::sin(angle))))));
}

void xorOnto(QImage &target, const QImage &source)
{
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawImage(0, 0, source);
}

// Writes the text white on a black image and XORs that onto the picture, so
// every glyph pixel becomes the inverse of what lies beneath it and the text
// stays readable over the bar and over the background alike. The glyphs are
// drawn without antialiasing: a grey edge pixel would XOR into a colour that
// belongs to neither side.
void paintAsText(QImage &image, const Edges &area, const QString &text, const QFont &font)
{
    QImage textImage(image.size(), QImage::Format_RGB32);
    textImage.fill(Qt::black);
    {
        QFont sharp(font);
        sharp.setStyleStrategy(QFont::StyleStrategy(sharp.styleStrategy() | QFont::NoAntialias));
        QPainter painter(&textImage);
        painter.setFont(sharp);
        painter.setPen(Qt::white);
        painter.setBrush(Qt::NoBrush);
        const QFontMetrics metrics = painter.fontMetrics();
        // Centred within the paint area's size but placed in image
        // coordinates, without adding the area's left and top.
        const int x = (area.right - area.left + 1 - metrics.horizontalAdvance(text)) / 2;
        const int y = (area.bottom - area.top + 1 - metrics.height()) / 2;
        painter.setClipRect(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
        painter.drawText(QPoint(x, y + metrics.ascent()), text);
    }
    xorOnto(image, textImage);
}

} // namespace

int PercentOfRange(int part, int whole)
{
    return floorPercent(part, whole);
}

int ShareOfLength(int percent, int length)
{
    return toInt(std::floor(percent * 0.01 * length));
}

QString GaugeRangeError(long long low, long long high)
{
    return TCGauge::tr("Value must be between %1 and %2").arg(low).arg(high);
}

TCGauge::TCGauge(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel comes from the gauge's own picture: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

int TCGauge::PercentDone() const
{
    // The differences are taken in floating point so that a range spanning
    // most of the int values cannot overflow.
    return floorPercent(double(currentValue) - minimum, double(maximum) - minimum);
}

void TCGauge::SetKind(TCGaugeKind value)
{
    if (value == kind)
        return;
    kind = value;
    Refresh();
}

void TCGauge::SetShowText(bool value)
{
    if (value == showText)
        return;
    showText = value;
    Refresh();
}

void TCGauge::SetBorderStyle(TBorderStyle value)
{
    if (value == borderStyle)
        return;
    borderStyle = value;
    Refresh();
}

void TCGauge::SetForeColor(const QColor &value)
{
    if (value == foreColor)
        return;
    foreColor = value;
    Refresh();
}

void TCGauge::SetBackColor(const QColor &value)
{
    if (value == backColor)
        return;
    backColor = value;
    Refresh();
}

QString TCGauge::TrySetMinValue(int value)
{
    if (value == minimum)
        return QString();
    if (value > maximum)
        return GaugeRangeError(-2147483647LL, maximum - 1LL);
    minimum = value;
    if (currentValue < minimum)
        currentValue = minimum;
    Refresh();
    return QString();
}

QString TCGauge::TrySetMaxValue(int value)
{
    // 0 is the "not set" value and is never taken as a maximum. An unchanged
    // maximum is still stored and drawn again.
    if (value == 0)
        return QString();
    if (value < minimum)
        return GaugeRangeError(minimum + 1LL, 2147483647LL);
    maximum = value;
    if (currentValue > maximum)
        currentValue = maximum;
    Refresh();
    return QString();
}

void TCGauge::SetProgress(int value)
{
    const int before = PercentDone();
    if (value < minimum)
        value = minimum;
    else if (value > maximum)
        value = maximum;
    if (value == currentValue)
        return;
    currentValue = value;
    // Only a new percentage changes the picture; skipping the others keeps
    // fine-grained progress cheap.
    if (PercentDone() != before)
        Refresh();
}

void TCGauge::AddProgress(int delta)
{
    SetProgress(int(std::clamp<long long>(currentValue + (long long)delta, INT_MIN, INT_MAX)));
    Refresh();
}

void TCGauge::Refresh()
{
    // Drawn now, not at the next turn of the event loop: the callers move
    // the gauge from inside long computations.
    repaint();
}

QImage TCGauge::renderToImage() const
{
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::black);

    // With the single border the one-pixel ring outside the paint area is
    // left black: that ring is the frame.
    Edges area{0, 0, width(), height()};
    const bool framed = borderStyle == bsSingle;
    if (framed)
        area = {1, 1, width() - 1, height() - 1};

    QImage overlay(image.size(), QImage::Format_RGB32);
    overlay.fill(Qt::black);
    {
        QPainter painter(&overlay);
        const int percent = PercentDone();
        const QColor color = palette().color(QPalette::Window);
        switch (kind) {
        case gkText:
            paintAsNothing(painter, area, backColor);
            break;
        case gkHorizontalBar:
        case gkVerticalBar:
            paintAsBar(painter, area, kind == gkVerticalBar, percent, foreColor, backColor);
            break;
        case gkPie:
            paintAsPie(painter, area, framed, percent, foreColor, backColor, color);
            break;
        case gkNeedle:
            paintAsNeedle(painter, area, framed, percent, width(), foreColor, backColor, color);
            break;
        }
    }
    xorOnto(image, overlay);

    if (showText)
        paintAsText(image, area, QString::number(PercentDone()) + QLatin1Char('%'), font());
    return image;
}

void TCGauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, renderToImage());
}
