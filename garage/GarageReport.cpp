#include "garage/GarageReport.h"

#include "garage/CarList.h"
#include "garage/ComparisonModel.h"
#include "garage/CurveCharts.h"

#include <QBuffer>
#include <QChartView>
#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("GarageReport", text);
}

QPalette paperPalette()
{
    QPalette paper;
    for (QPalette::ColorRole role : { QPalette::Window, QPalette::Base, QPalette::Button })
        paper.setColor(role, Qt::white);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        paper.setColor(role, Qt::black);
    return paper;
}

// Returns the bottom of the table.
qreal drawTable(QPainter& painter, const QRectF& area, const ComparisonModel& model)
{
    QFont font = painter.font();
    font.setPointSizeF(8.5);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const qreal rowHeight = metrics.height() * 1.45;
    const qreal pad = metrics.averageCharWidth() * 0.6;
    const int columns = model.columnCount();
    const qreal firstWidth = area.width() * (columns > 4 ? 0.34 : 0.40);
    const qreal columnWidth = columns > 0 ? (area.width() - firstWidth) / columns : 0;
    qreal y = area.top();

    // Header: each car's colour and name.
    painter.setFont(bold);
    for (int c = 0; c < columns; ++c) {
        const QRectF cell(area.left() + firstWidth + c * columnWidth, y, columnWidth, rowHeight);
        const qreal swatch = metrics.height() * 0.6;
        const QColor colour = model.headerData(c, Qt::Horizontal, Qt::DecorationRole).value<QColor>();
        const QRectF textCell = cell.adjusted(2 * pad + swatch, 0, -pad, 0);
        const QFontMetricsF boldMetrics(bold, painter.device());
        const QString name = boldMetrics.elidedText(model.headerData(c, Qt::Horizontal).toString(),
                                                    Qt::ElideRight, textCell.width());
        painter.drawText(textCell, Qt::AlignRight | Qt::AlignVCenter, name);
        // The swatch stands just before the name.
        const qreal swatchLeft = textCell.right() - boldMetrics.horizontalAdvance(name) - pad - swatch;
        painter.fillRect(QRectF(swatchLeft, cell.center().y() - swatch / 2, swatch, swatch), colour);
    }
    y += rowHeight;
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));

    for (int r = 0; r < model.rowCount(); ++r) {
        if (r % 2 == 1)
            painter.fillRect(QRectF(area.left(), y, area.width(), rowHeight), QColor(0xf0, 0xf0, 0xf0));
        painter.setFont(font);
        painter.drawText(QRectF(area.left() + pad, y, firstWidth - pad, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(font, painter.device())
                             .elidedText(model.headerData(r, Qt::Vertical).toString(), Qt::ElideRight,
                                         firstWidth - 2 * pad));
        for (int c = 0; c < columns; ++c) {
            const QModelIndex index = model.index(r, c);
            painter.setFont(model.data(index, ComparisonModel::IsBestRole).toBool() ? bold : font);
            painter.drawText(QRectF(area.left() + firstWidth + c * columnWidth, y, columnWidth - pad, rowHeight),
                             Qt::AlignRight | Qt::AlignVCenter, model.data(index).toString());
        }
        y += rowHeight;
    }
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setFont(font);
    y += rowHeight * 0.4;
    const QRectF note(area.left(), y, area.width(), rowHeight * 2.2);
    painter.drawText(note, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     tr("Bold: the best of the cars compared. The estimates are the Hale, Fox and "
                        "Huntington rules of thumb, from weight and rated horsepower alone; "
                        "every other figure is a run of the engine."));
    return note.bottom();
}

} // namespace

namespace GarageReport {

void Draw(QPainter& painter, const QRectF& page, const ReportContent& content)
{
    painter.save();
    painter.setPen(Qt::black);
    QFont titleFont = painter.font();
    titleFont.setPointSizeF(15);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QString title = content.title.isEmpty() ? tr("Torvane Garage: comparison") : content.title;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    qreal y = page.top() + titleMetrics.height() * 1.2;

    QFont small = painter.font();
    small.setPointSizeF(8.5);
    small.setBold(false);
    painter.setFont(small);
    const QFontMetricsF smallMetrics(small, painter.device());
    const QString units = content.units == UnitSystem::Metric ? tr("metric units") : tr("imperial units");
    painter.drawText(QRectF(page.left(), y, page.width(), smallMetrics.height()), Qt::AlignLeft,
                     tr("%1, %2").arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat), units));
    y += smallMetrics.height() * 1.8;

    ComparisonModel model(content.cars);
    model.SetUnitSystem(content.units);
    y = drawTable(painter, QRectF(page.left(), y, page.width(), page.bottom() - y), model);
    y += smallMetrics.height();

    // The curves, drawn by the same charts as the window, in paper colours.
    CurveCharts charts(content.cars, nullptr);
    charts.setPalette(paperPalette());
    charts.SetUnitSystem(content.units);
    const qreal gap = smallMetrics.height();
    const qreal chartHeight = (page.bottom() - y - gap) / 2;
    if (chartHeight > 0) {
        const QSize logical(900, 400);
        for (QChartView* view : { charts.SpeedView(), charts.DistanceView() }) {
            const QRectF target(page.left(), y, page.width(), chartHeight);
            // Keep the chart's proportions inside its share of the page.
            const qreal scale = std::min(target.width() / logical.width(), target.height() / logical.height());
            const QSizeF size(logical.width() * scale, logical.height() * scale);
            const QRectF fitted(QPointF(target.center().x() - size.width() / 2, target.top()), size);
            CurveCharts::RenderChart(view, painter, fitted, logical);
            y += chartHeight + gap;
        }
    }
    painter.restore();
}

void Print(QPrinter* printer, const ReportContent& content)
{
    QPainter painter;
    if (!painter.begin(printer))
        return;
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    Draw(painter, QRectF(QPointF(0, 0), page.size()), content);
    painter.end();
}

QByteArray PdfBytes(const ReportContent& content)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(content.title.isEmpty() ? tr("Torvane Garage: comparison") : content.title);
    writer.setCreator(QStringLiteral("Torvane Garage"));
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    Draw(painter, QRectF(QPointF(0, 0), page.size()), content);
    if (!painter.end())
        return QByteArray();
    return pdf;
}

} // namespace GarageReport
