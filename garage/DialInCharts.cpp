// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/DialInCharts.h"

#include "logbook/DialInFigures.h"
#include "logbook/TimeSlip.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QEvent>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The density altitude a line's slope is given per, ft.
constexpr double SlopeStep = 100;

// A chart without a title (its tab and its view's accessible name give it),
// the key at the side: the plot keeps the height of a short page.
QChart* newChart()
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    // Axis labels in the user's number format, as the table beside them.
    chart->setLocalizeNumbers(true);
    return chart;
}

QChartView* newView(QChart* chart, QWidget* parent)
{
    auto* view = new QChartView(chart, parent);
    view->setMinimumSize(260, 150);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    return view;
}

// The range of values with a little room on either side; a single value
// gets room of its own.
std::pair<double, double> padded(double low, double high, double least)
{
    const double room = std::max((high - low) * 0.08, least);
    return { low - room, high + room };
}

// The least and the greatest x (or y) of the points; none for no points.
std::optional<std::pair<double, double>> extentOf(const QList<QPointF>& points, bool alongX)
{
    if (points.isEmpty())
        return std::nullopt;
    const auto value = [alongX](const QPointF& p) { return alongX ? p.x() : p.y(); };
    std::pair<double, double> extent{ value(points.front()), value(points.front()) };
    for (const QPointF& p : points) {
        extent.first = std::min(extent.first, value(p));
        extent.second = std::max(extent.second, value(p));
    }
    return extent;
}

// A line's two ends over the x of the points it was fitted to.
QList<QPointF> lineEnds(const StraightLine& line, const std::vector<LinePoint>& points)
{
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](const LinePoint& a, const LinePoint& b) { return a.x < b.x; });
    return { QPointF(low->x, line.At(low->x)), QPointF(high->x, line.At(high->x)) };
}

} // namespace

DialInCharts::DialInCharts(QWidget* parent)
    : QWidget(parent)
    , altitudeChart(newChart())
    , altitudeView(newView(altitudeChart, this))
    , altitudeAxis(new QValueAxis(altitudeChart))
    , timeAxis(new QValueAxis(altitudeChart))
    , speedAxis(new QValueAxis(altitudeChart))
    , times(new QScatterSeries(altitudeChart))
    , speeds(new QScatterSeries(altitudeChart))
    , timeFit(new QLineSeries(altitudeChart))
    , speedFit(new QLineSeries(altitudeChart))
    , dateChart(newChart())
    , dateView(newView(dateChart, parent))
    , dateAxis(new QDateTimeAxis(dateChart))
    , dateTimeAxis(new QValueAxis(dateChart))
    , timesByDate(new QLineSeries(dateChart))
    , correctedByDate(new QLineSeries(dateChart))
    , slopeLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("dialInCharts"));
    altitudeView->setObjectName(QStringLiteral("altitudeChart"));
    altitudeView->setAccessibleName(tr("Quarter mile against density altitude"));
    dateView->setObjectName(QStringLiteral("dateChart"));
    dateView->setAccessibleName(tr("Quarter mile by date"));
    slopeLabel->setObjectName(QStringLiteral("slopeLabel"));
    slopeLabel->setTextFormat(Qt::PlainText);
    slopeLabel->setWordWrap(true);
    slopeLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    altitudeAxis->setTitleText(tr("Density altitude (ft)"));
    altitudeAxis->setLabelFormat(QStringLiteral("%.0f"));
    timeAxis->setTitleText(tr("ET (s)"));
    timeAxis->setLabelFormat(QStringLiteral("%.2f"));
    speedAxis->setTitleText(tr("mph"));
    speedAxis->setLabelFormat(QStringLiteral("%.1f"));
    altitudeChart->addAxis(altitudeAxis, Qt::AlignBottom);
    altitudeChart->addAxis(timeAxis, Qt::AlignLeft);
    altitudeChart->addAxis(speedAxis, Qt::AlignRight);
    times->setName(tr("Time"));
    times->setMarkerSize(9);
    speeds->setName(tr("Speed"));
    speeds->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    speeds->setMarkerSize(8);
    timeFit->setName(tr("Time, fitted line"));
    speedFit->setName(tr("Speed, fitted line"));
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{ times, timeFit }) {
        altitudeChart->addSeries(series);
        series->attachAxis(altitudeAxis);
        series->attachAxis(timeAxis);
    }
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{ speeds, speedFit }) {
        altitudeChart->addSeries(series);
        series->attachAxis(altitudeAxis);
        series->attachAxis(speedAxis);
    }
    // The lines are named in the sentence under the chart.
    for (QXYSeries* series : std::initializer_list<QXYSeries*>{ timeFit, speedFit })
        for (QLegendMarker* marker : altitudeChart->legend()->markers(series))
            marker->setVisible(false);

    dateAxis->setTitleText(tr("Date"));
    dateTimeAxis->setTitleText(tr("ET (s)"));
    dateTimeAxis->setLabelFormat(QStringLiteral("%.2f"));
    dateChart->addAxis(dateAxis, Qt::AlignBottom);
    dateChart->addAxis(dateTimeAxis, Qt::AlignLeft);
    timesByDate->setName(tr("Time as run"));
    correctedByDate->setName(tr("Time on the standard day"));
    dateAxis->setTickCount(4);
    for (QLineSeries* series : { timesByDate, correctedByDate }) {
        series->setPointsVisible(true);
        dateChart->addSeries(series);
        series->attachAxis(dateAxis);
        series->attachAxis(dateTimeAxis);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(altitudeView, 1);
    layout->addWidget(slopeLabel);
    applyPalette();
    SetRuns({}, {});
}

void DialInCharts::SetRuns(const QList<TimeSlip>& runs, const QList<TimeSlip>& fitted)
{
    QList<QPointF> timePoints;
    QList<QPointF> speedPoints;
    QList<QPointF> asRun;
    QList<QPointF> corrected;
    for (const TimeSlip& run : runs) {
        const std::optional<double> altitude = DensityAltitudeOfRun(run);
        if (altitude && run.quarterMileTime)
            timePoints << QPointF(*altitude, *run.quarterMileTime);
        if (altitude && run.quarterMileSpeed)
            speedPoints << QPointF(*altitude, *run.quarterMileSpeed);
        if (run.date.isValid() && run.quarterMileTime) {
            const double when = double(QDateTime(run.date, run.time.isValid() ? run.time : QTime(12, 0))
                                           .toMSecsSinceEpoch());
            asRun << QPointF(when, *run.quarterMileTime);
            if (const std::optional<double> standard = StandardDayTimeOfRun(run))
                corrected << QPointF(when, *standard);
        }
    }
    std::vector<LinePoint> fittedTimes;
    std::vector<LinePoint> fittedSpeeds;
    for (const TimeSlip& run : fitted) {
        const std::optional<double> altitude = DensityAltitudeOfRun(run);
        if (altitude && run.quarterMileTime)
            fittedTimes.push_back({ *altitude, *run.quarterMileTime });
        if (altitude && run.quarterMileSpeed)
            fittedSpeeds.push_back({ *altitude, *run.quarterMileSpeed });
    }
    timeLine = LeastSquaresLine(fittedTimes);
    speedLine = LeastSquaresLine(fittedSpeeds);
    times->replace(timePoints);
    speeds->replace(speedPoints);
    timeFit->replace(timeLine ? lineEnds(*timeLine, fittedTimes) : QList<QPointF>());
    speedFit->replace(speedLine ? lineEnds(*speedLine, fittedSpeeds) : QList<QPointF>());
    timesByDate->replace(asRun);
    correctedByDate->replace(corrected);
    fitAxes();

    const QLocale locale = this->locale();
    dateAxis->setFormat(locale.dateFormat(QLocale::ShortFormat));
    if (!timeLine) {
        slopeLabel->setText(runs.isEmpty() ? QString()
                                           : tr("A line needs two runs of the fit on days of different air."));
        return;
    }
    QString text = tr("Lines of least squares through the runs of the fit (%1): %2 s per %3 ft of density "
                      "altitude")
                       .arg(locale.toString(qsizetype(fittedTimes.size())),
                            locale.toString(timeLine->slope * SlopeStep, 'f', 3), locale.toString(SlopeStep, 'f', 0));
    if (speedLine)
        text = tr("Lines of least squares through the runs of the fit (%1): %2 s and %3 mph per %4 ft of "
                  "density altitude.")
                   .arg(locale.toString(qsizetype(fittedTimes.size())),
                        locale.toString(timeLine->slope * SlopeStep, 'f', 3),
                        locale.toString(speedLine->slope * SlopeStep, 'f', 2), locale.toString(SlopeStep, 'f', 0));
    else
        text += QLatin1Char('.');
    slopeLabel->setText(text);
}

void DialInCharts::fitAxes()
{
    // Each axis over its points with a little room, or 0 to 1 for none.
    auto range = [](QValueAxis* axis, const QList<QPointF>& points, double least, bool alongX) {
        const std::optional<std::pair<double, double>> span = extentOf(points, alongX);
        const auto [from, to] = span ? padded(span->first, span->second, least) : std::pair{ 0.0, 1.0 };
        axis->setRange(from, to);
        axis->applyNiceNumbers();
    };
    range(altitudeAxis, times->points() + speeds->points(), 100, true);
    range(timeAxis, times->points() + timeFit->points(), 0.05, false);
    range(speedAxis, speeds->points() + speedFit->points(), 0.5, false);
    const QList<QPointF> byDate = timesByDate->points() + correctedByDate->points();
    range(dateTimeAxis, byDate, 0.05, false);
    // A day either side, so that a single day's runs stand apart.
    constexpr double Day = 86400000.0;
    const std::optional<std::pair<double, double>> dates = extentOf(byDate, true);
    const double now = double(QDateTime::currentMSecsSinceEpoch());
    const auto [first, last] = dates ? *dates : std::pair{ now, now };
    dateAxis->setRange(QDateTime::fromMSecsSinceEpoch(qint64(first - Day)),
                       QDateTime::fromMSecsSinceEpoch(qint64(last + Day)));
}

void DialInCharts::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
}

// The charts take the window's colours, so they read in a dark theme too.
void DialInCharts::applyPalette()
{
    const QPalette colours = palette();
    const QColor text = colours.color(QPalette::Text);
    QColor grid = text;
    grid.setAlphaF(0.15);
    for (QChart* chart : { altitudeChart, dateChart }) {
        chart->setBackgroundBrush(colours.color(QPalette::Base));
        chart->setPlotAreaBackgroundVisible(false);
        chart->setTitleBrush(text);
        chart->legend()->setLabelColor(text);
        for (QAbstractAxis* axis : chart->axes()) {
            axis->setLabelsColor(text);
            axis->setTitleBrush(text);
            axis->setLinePenColor(text);
            axis->setGridLineColor(grid);
        }
    }
    for (QChartView* view : { altitudeView, dateView })
        view->setBackgroundBrush(colours.color(QPalette::Base));
    // The time in the highlight's colour, the speed in the text's; each
    // fitted line in its points' colour.
    const QColor timeColour = colours.color(QPalette::Highlight);
    times->setColor(timeColour);
    times->setBorderColor(colours.color(QPalette::Base));
    timeFit->setPen(QPen(timeColour, 2));
    speeds->setColor(text);
    speeds->setBorderColor(colours.color(QPalette::Base));
    speedFit->setPen(QPen(text, 1.5, Qt::DashLine));
    timesByDate->setPen(QPen(timeColour, 1.5));
    correctedByDate->setPen(QPen(text, 1.5, Qt::DashLine));
}
