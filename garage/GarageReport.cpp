// SPDX-License-Identifier: GPL-3.0-or-later
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

// The texts' translations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GarageReport)
};

QPalette paperPalette()
{
    QPalette paper;
    for (QPalette::ColorRole role : { QPalette::Window, QPalette::Base, QPalette::Button })
        paper.setColor(role, Qt::white);
    for (QPalette::ColorRole role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        paper.setColor(role, Qt::black);
    return paper;
}

// The day the cars ran on, in a line.
QString conditionsText(const AirFigures& air, UnitSystem units)
{
    if (air.conditions.IsStandardDay())
        return Text::tr("Conditions: the standard day of SAE J1349, 25 °C (77 °F), dry air at 99 kPa (29.235 inHg)");
    const QLocale locale;
    return Text::tr("Conditions: %1 %2, station pressure %3 %4, humidity %5 %; density altitude %6 %7, air density "
                    "%8 % of the standard day, correction factor %9 (SAE J1349)")
        .arg(locale.toString(ToShown(air.conditions.temperature, Quantity::Temperature, units), 'f', 1),
             UnitSymbol(Quantity::Temperature, units),
             locale.toString(ToShown(air.conditions.pressure, Quantity::Pressure, units), 'f',
                             ShownDecimals(Quantity::Pressure, units)),
             UnitSymbol(Quantity::Pressure, units), locale.toString(air.conditions.humidity, 'f', 0),
             locale.toString(ToShown(air.densityAltitude, Quantity::Distance, units), 'f', 0),
             UnitSymbol(Quantity::Distance, units), locale.toString(100 * air.relativeAirDensity, 'f', 1),
             locale.toString(air.correctionFactor, 'f', 3));
}

// One line of a report table: a title and a text for each car, or the
// heading of a section.
struct TableLine {
    QString title;
    QStringList cells;
    QList<bool> bold;
    bool heading = false;
};

// The lines of the report's table: the inputs, then the figures.
QList<TableLine> tableLines(const ComparisonModel& model)
{
    QList<TableLine> lines;
    lines.append({ Text::tr("Inputs"), {}, {}, true });
    // The inputs as the form shows them, without thousands separators.
    QLocale numbers;
    numbers.setNumberOptions(numbers.numberOptions() | QLocale::OmitGroupSeparator);
    for (const QStringList& row : model.InputRows(numbers)) {
        TableLine line;
        line.title = row.at(1).isEmpty() ? row.at(0) : Text::tr("%1 (%2)").arg(row.at(0), row.at(1));
        line.cells = row.mid(2);
        line.bold.fill(false, line.cells.size());
        lines.append(line);
    }
    lines.append({ Text::tr("Results"), {}, {}, true });
    for (int r = 0; r < model.rowCount(); ++r) {
        TableLine line;
        line.title = model.headerData(r, Qt::Vertical).toString();
        for (int c = 0; c < model.columnCount(); ++c) {
            const QModelIndex index = model.index(r, c);
            line.cells << model.data(index).toString();
            line.bold << model.data(index, ComparisonModel::IsBestRole).toBool();
        }
        lines.append(line);
    }
    return lines;
}

// Draws the table of the cars in columns [first, first + count) at the top
// of `area`; returns its bottom.
qreal drawTable(QPainter& painter, const QRectF& area, const ComparisonModel& model,
                const QList<TableLine>& lines, int first, int count)
{
    QFont font = painter.font();
    font.setPointSizeF(8.5);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QFontMetricsF boldMetrics(bold, painter.device());
    const qreal rowHeight = metrics.height() * 1.45;
    const qreal pad = metrics.averageCharWidth() * 0.6;
    const qreal firstWidth = area.width() * (count > 4 ? 0.34 : 0.40);
    // A few cars share the page's width; more take a fifth of it each.
    const qreal columnWidth = (area.width() - firstWidth) / std::max(count, 3);
    const qreal right = area.left() + firstWidth + count * columnWidth;
    qreal y = area.top();

    // Header: each car's colour and name.
    painter.setFont(bold);
    for (int k = 0; k < count; ++k) {
        const int c = first + k;
        const QRectF cell(area.left() + firstWidth + k * columnWidth, y, columnWidth, rowHeight);
        const qreal swatch = metrics.height() * 0.6;
        const QColor colour = model.headerData(c, Qt::Horizontal, Qt::DecorationRole).value<QColor>();
        const QRectF textCell = cell.adjusted(2 * pad + swatch, 0, -pad, 0);
        const QString name = boldMetrics.elidedText(model.headerData(c, Qt::Horizontal).toString(),
                                                    Qt::ElideRight, textCell.width());
        painter.drawText(textCell, Qt::AlignRight | Qt::AlignVCenter, name);
        // The swatch stands just before the name.
        const qreal swatchLeft = textCell.right() - boldMetrics.horizontalAdvance(name) - pad - swatch;
        painter.fillRect(QRectF(swatchLeft, cell.center().y() - swatch / 2, swatch, swatch), colour);
    }
    y += rowHeight;
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(QPointF(area.left(), y), QPointF(right, y));

    int shaded = 0;
    for (const TableLine& line : lines) {
        if (line.heading) {
            painter.setFont(bold);
            painter.drawText(QRectF(area.left(), y, right - area.left(), rowHeight), Qt::AlignLeft | Qt::AlignBottom,
                             line.title);
            y += rowHeight;
            shaded = 0;
            continue;
        }
        if (shaded++ % 2 == 1)
            painter.fillRect(QRectF(area.left(), y, right - area.left(), rowHeight), QColor(0xf0, 0xf0, 0xf0));
        painter.setFont(font);
        painter.drawText(QRectF(area.left() + pad, y, firstWidth - pad, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(line.title, Qt::ElideRight, firstWidth - 2 * pad));
        for (int k = 0; k < count; ++k) {
            painter.setFont(line.bold.value(first + k) ? bold : font);
            painter.drawText(QRectF(area.left() + firstWidth + k * columnWidth, y, columnWidth - pad, rowHeight),
                             Qt::AlignRight | Qt::AlignVCenter, line.cells.value(first + k));
        }
        y += rowHeight;
    }
    painter.drawLine(QPointF(area.left(), y), QPointF(right, y));
    return y;
}

// The height drawTable takes for `lines`.
qreal tableHeight(QPainter& painter, const QList<TableLine>& lines)
{
    QFont font = painter.font();
    font.setPointSizeF(8.5);
    return QFontMetricsF(font, painter.device()).height() * 1.45 * static_cast<qreal>(lines.size() + 1);
}

} // namespace

namespace GarageReport {

void Draw(QPainter& painter, const QRectF& page, const ReportContent& content, const std::function<void()>& newPage)
{
    painter.save();
    painter.setPen(Qt::black);
    QFont titleFont = painter.font();
    titleFont.setPointSizeF(15);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QString title = content.title.isEmpty() ? Text::tr("Torvane Garage: comparison") : content.title;
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    qreal y = page.top() + titleMetrics.height() * 1.2;

    QFont small = painter.font();
    small.setPointSizeF(8.5);
    small.setBold(false);
    painter.setFont(small);
    const QFontMetricsF smallMetrics(small, painter.device());
    const QString units = content.units == UnitSystem::Metric ? Text::tr("metric units") : Text::tr("imperial units");
    painter.drawText(QRectF(page.left(), y, page.width(), smallMetrics.height()), Qt::AlignLeft,
                     Text::tr("%1, %2").arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat), units));
    y += smallMetrics.height() * 1.2;
    painter.drawText(QRectF(page.left(), y, page.width(), smallMetrics.height()), Qt::AlignLeft,
                     conditionsText(content.cars->Air(), content.units));
    // The road model is named; a classic report reads as it always did.
    if (content.cars->Model() == CarModel::Road) {
        y += smallMetrics.height() * 1.2;
        painter.drawText(QRectF(page.left(), y, page.width(), smallMetrics.height()), Qt::AlignLeft,
                         Text::tr("Every figure is the road model's: a real car at a real strip."));
    }
    y += smallMetrics.height() * 1.8;
    const qreal gap = smallMetrics.height();
    // What does not fit below `y` begins a new page.
    auto room = [&](qreal height) {
        if (y + height <= page.bottom() || y <= page.top())
            return;
        newPage();
        y = page.top();
    };

    ComparisonModel model(content.cars);
    model.SetUnitSystem(content.units);
    const QList<TableLine> lines = tableLines(model);
    const qreal height = tableHeight(painter, lines);
    for (int first = 0; first < model.columnCount(); first += CarsPerTable) {
        room(height);
        y = drawTable(painter, QRectF(page.left(), y, page.width(), page.bottom() - y), model, lines, first,
                      std::min(CarsPerTable, model.columnCount() - first));
        painter.setFont(small);
        y += gap;
    }
    const QRectF note(page.left(), y, page.width(), smallMetrics.height() * 2.2);
    painter.drawText(note, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     Text::tr("Bold: the best of the cars compared. The estimates are the Hale, Fox and "
                              "Huntington rules of thumb, from weight and rated horsepower alone; "
                              "every other figure is a run of the engine."));
    y = note.bottom() + gap;

    // The curves, drawn by the same charts as the window, in paper colours,
    // laid out at the page's own size so their text prints at its size.
    CurveCharts charts(content.cars, nullptr);
    charts.setPalette(paperPalette());
    charts.SetUnitSystem(content.units);
    charts.SetSpan(content.span);
    charts.SetTextPointSize(9);
    const qreal logicalPerDevice = 96.0 / painter.device()->logicalDpiX();
    const QSize logical(qRound(page.width() * logicalPerDevice), qRound(page.width() * logicalPerDevice * 0.55));
    const qreal chartHeight = page.width() * 0.55;
    for (bool speedChart : { true, false }) {
        room(chartHeight);
        charts.Render(speedChart, painter, QRectF(page.left(), y, page.width(), chartHeight), logical);
        y += chartHeight + gap;
    }
    if (model.columnCount() <= CurveCharts::ManyCars) {
        room(smallMetrics.height() * 2);
        painter.setFont(small);
        painter.drawText(QRectF(page.left(), y, page.width(), smallMetrics.height() * 2),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, CurveCharts::KeyText(content.cars->Model()));
    }
    painter.restore();
}

void Print(QPrinter* printer, const ReportContent& content)
{
    QPainter painter;
    if (!painter.begin(printer))
        return;
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    Draw(painter, QRectF(QPointF(0, 0), page.size()), content, [printer] { printer->newPage(); });
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
    writer.setTitle(content.title.isEmpty() ? Text::tr("Torvane Garage: comparison") : content.title);
    writer.setCreator(QStringLiteral("Torvane Garage"));
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    Draw(painter, QRectF(QPointF(0, 0), page.size()), content, [&writer] { writer.newPage(); });
    if (!painter.end())
        return QByteArray();
    return pdf;
}

} // namespace GarageReport
