#include "garage/CurveCharts.h"

#include "garage/CarList.h"
#include "garage/GarageSettings.h"
#include "garage/PlainText.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

QString markName(CurveMark mark)
{
    switch (mark) {
    case CurveMark::Sixty: return CurveCharts::tr("60 mph");
    case CurveMark::Eighty: return CurveCharts::tr("80 mph");
    case CurveMark::Hundred: return CurveCharts::tr("100 mph");
    case CurveMark::QuarterMile: return CurveCharts::tr("Quarter mile");
    case CurveMark::TopSpeed: return CurveCharts::tr("Top speed");
    }
    return QString();
}

QChart* newChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    return chart;
}

QValueAxis* newAxis(QChart* chart, Qt::Alignment alignment)
{
    auto* axis = new QValueAxis(chart);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(axis, alignment);
    return axis;
}

// A round step that gives four to eight intervals.
double niceStep(double range)
{
    if (!(range > 0))
        return 1;
    const double raw = range / 6;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : { 1.0, 2.0, 2.5, 5.0, 10.0 })
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

void setNiceRange(QValueAxis* axis, double top)
{
    const double step = niceStep(top);
    const double end = std::ceil(top / step) * step;
    // Each change lays the chart out again: change only what moved.
    if (axis->min() == 0 && axis->max() == end && axis->tickInterval() == step)
        return;
    axis->setRange(0, end);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    // As many decimals as the step needs: 2.5 shows one, 0.25 two.
    int decimals = 0;
    while (decimals < 3 && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-9)
        ++decimals;
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

} // namespace

CurveCharts::CurveCharts(QAbstractItemModel* cars, GarageSettings* settings, QWidget* parent)
    : QWidget(parent)
    , cars(cars)
    , spanBox(new QComboBox(this))
    , speedChart(newChart(tr("Speed")))
    , distanceChart(newChart(tr("Distance")))
    , speedView(new QChartView(speedChart, this))
    , distanceView(new QChartView(distanceChart, this))
{
    setObjectName(QStringLiteral("curveCharts"));
    speedView->setObjectName(QStringLiteral("speedChart"));
    distanceView->setObjectName(QStringLiteral("distanceChart"));
    speedView->setAccessibleName(tr("Speed against time"));
    distanceView->setAccessibleName(tr("Distance against time"));
    for (QChartView* view : { speedView, distanceView }) {
        view->setMinimumSize(280, 220);
        view->setRenderHint(QPainter::Antialiasing);
        // A chart takes no keys: Tab passes it by.
        view->setFocusPolicy(Qt::NoFocus);
        // The curves change with every edit: an index of where each lies
        // would be rebuilt more often than it is read.
        view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    }
    speedTimeAxis = newAxis(speedChart, Qt::AlignBottom);
    speedAxis = newAxis(speedChart, Qt::AlignLeft);
    distanceTimeAxis = newAxis(distanceChart, Qt::AlignBottom);
    distanceAxis = newAxis(distanceChart, Qt::AlignLeft);

    spanBox->setObjectName(QStringLiteral("curveSpan"));
    spanBox->addItem(tr("Whole run, to the top speed"));
    spanBox->addItem(tr("Quarter mile"));
    spanBox->setAccessibleName(tr("Time span of the curves"));
    auto* spanLabel = new QLabel(tr("Sh&ow:"), this);
    spanLabel->setBuddy(spanBox);
    connect(spanBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetSpan(index == 1 ? Span::QuarterMile : Span::WholeRun); });

    auto* top = new QHBoxLayout;
    top->addWidget(spanLabel);
    top->addWidget(spanBox);
    top->addStretch(1);
    chartsLayout = new QBoxLayout(QBoxLayout::LeftToRight);
    chartsLayout->addWidget(speedView);
    chartsLayout->addWidget(distanceView);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(chartsLayout, 1);

    if (settings) {
        units = settings->Units();
        connect(settings, &GarageSettings::unitsChanged, this, &CurveCharts::SetUnitSystem);
    }
    connect(cars, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { insertRows(first, last); });
    connect(cars, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { removeRows(first, last); });
    connect(cars, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                if (roles.isEmpty() || roles.contains(CarList::EvaluationRole) || roles.contains(CarList::NameRole))
                    rowsChanged(first.row(), last.row());
            });
    connect(cars, &QAbstractItemModel::modelReset, this, &CurveCharts::rebuild);
    connect(cars, &QAbstractItemModel::layoutChanged, this, &CurveCharts::rebuild);
    connect(cars, &QAbstractItemModel::rowsMoved, this, &CurveCharts::rebuild);
    applyPalette();
    rebuild();
}

void CurveCharts::SetUnitSystem(UnitSystem newUnits)
{
    if (units == newUnits)
        return;
    units = newUnits;
    for (int row = 0; row < curves.size(); ++row)
        fillRow(row);
    speedAxis->setTitleText(tr("Speed (%1)").arg(UnitSymbol(Quantity::Speed, units)));
    distanceAxis->setTitleText(tr("Distance (%1)").arg(UnitSymbol(Quantity::Distance, units)));
    updateAxes();
}

void CurveCharts::SetSpan(Span newSpan)
{
    span = newSpan;
    spanBox->setCurrentIndex(span == Span::QuarterMile ? 1 : 0);
    updateAxes();
}

int CurveCharts::CurveCount() const
{
    return static_cast<int>(curves.size());
}

QImage CurveCharts::Picture(const QSize& size, qreal devicePixelRatio)
{
    fillStaleRows();
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(palette().color(QPalette::Base));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int half = size.width() / 2;
    RenderChart(speedView, painter, QRectF(0, 0, half, size.height()), QSize(half, size.height()));
    RenderChart(distanceView, painter, QRectF(half, 0, size.width() - half, size.height()),
                QSize(size.width() - half, size.height()));
    return image;
}

void CurveCharts::RenderChart(QChartView* view, QPainter& painter, const QRectF& target, const QSize& logical)
{
    QChart* chart = view->chart();
    const QSizeF shown = chart->size();
    chart->resize(logical);
    if (chart->layout())
        chart->layout()->activate();
    view->scene()->render(&painter, target, QRectF(chart->pos(), QSizeF(logical)));
    if (view->isVisible()) {
        chart->resize(shown);
        if (chart->layout())
            chart->layout()->activate();
    }
}

void CurveCharts::SetStacked(bool stacked)
{
    chartsLayout->setDirection(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

void CurveCharts::SetTextPointSize(qreal points)
{
    QFont font = this->font();
    font.setPointSizeF(points);
    QFont bold = font;
    bold.setBold(true);
    for (QChart* chart : { speedChart, distanceChart }) {
        chart->setTitleFont(bold);
        chart->legend()->setFont(font);
        for (QAbstractAxis* axis : chart->axes()) {
            axis->setLabelsFont(font);
            axis->setTitleFont(bold);
        }
    }
}

void CurveCharts::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QWidget::changeEvent(event);
}

const CarEvaluation& CurveCharts::evaluationOf(int row) const
{
    return *cars->index(row, 0).data(CarList::EvaluationRole).value<const CarEvaluation*>();
}

QString CurveCharts::nameOf(int row) const
{
    return cars->index(row, 0).data(CarList::NameRole).toString();
}

int CurveCharts::rowOf(const QAbstractSeries* series) const
{
    for (int row = 0; row < curves.size(); ++row) {
        const Curves& c = curves[row];
        if (series == c.speed || series == c.distance || series == c.speedMarks || series == c.distanceMarks)
            return row;
    }
    return -1;
}

void CurveCharts::rebuild()
{
    speedChart->removeAllSeries();
    distanceChart->removeAllSeries();
    curves.clear();
    if (cars)
        insertRows(0, cars->rowCount() - 1);
    speedAxis->setTitleText(tr("Speed (%1)").arg(UnitSymbol(Quantity::Speed, units)));
    distanceAxis->setTitleText(tr("Distance (%1)").arg(UnitSymbol(Quantity::Distance, units)));
    speedTimeAxis->setTitleText(tr("Time (s)"));
    distanceTimeAxis->setTitleText(tr("Time (s)"));
    updateAxes();
}

CurveCharts::Curves CurveCharts::newCurves(int row)
{
    const QModelIndex car = cars->index(row, 0);
    Curves c;
    c.speed = new QLineSeries;
    c.distance = new QLineSeries;
    c.speedMarks = new QScatterSeries;
    c.distanceMarks = new QScatterSeries;
    const QColor colour = car.data(CarList::ColourRole).value<QColor>();
    QPen pen(colour);
    pen.setWidthF(detailed ? 2 : 0);
    if (car.data(CarList::IsVariantRole).toBool())
        pen.setStyle(Qt::DashLine);
    for (QLineSeries* line : { c.speed, c.distance })
        line->setPen(pen);
    for (QScatterSeries* marks : { c.speedMarks, c.distanceMarks }) {
        marks->setColor(colour);
        marks->setBorderColor(palette().color(QPalette::Base));
        marks->setMarkerSize(9);
    }
    speedChart->addSeries(c.speed);
    speedChart->addSeries(c.speedMarks);
    distanceChart->addSeries(c.distance);
    distanceChart->addSeries(c.distanceMarks);
    for (QAbstractSeries* series : { static_cast<QAbstractSeries*>(c.speed), static_cast<QAbstractSeries*>(c.speedMarks) }) {
        series->attachAxis(speedTimeAxis);
        series->attachAxis(speedAxis);
    }
    for (QAbstractSeries* series : { static_cast<QAbstractSeries*>(c.distance), static_cast<QAbstractSeries*>(c.distanceMarks) }) {
        series->attachAxis(distanceTimeAxis);
        series->attachAxis(distanceAxis);
    }
    for (QLegendMarker* marker : speedChart->legend()->markers(c.speedMarks))
        marker->setVisible(false);
    for (QLegendMarker* marker : distanceChart->legend()->markers(c.distanceMarks))
        marker->setVisible(false);
    connect(c.speed, &QLineSeries::hovered, this,
            [this, series = c.speed](const QPointF& p, bool state) { showPointTip(series, true, p, state); });
    connect(c.distance, &QLineSeries::hovered, this,
            [this, series = c.distance](const QPointF& p, bool state) { showPointTip(series, false, p, state); });
    for (QScatterSeries* marks : { c.speedMarks, c.distanceMarks })
        connect(marks, &QScatterSeries::hovered, this,
                [this, marks](const QPointF& p, bool state) { showMarkTip(marks, p, state); });
    return c;
}

// Up to a dozen cars the charts draw smooth curves with a legend and every
// point of each curve. Beyond, a legend of every car would take the charts'
// room (the car list names the colours), and full curves would take more
// than a frame's time to draw again whenever a car is added: the curves are
// then hairlines through every fourth point.
void CurveCharts::fitDetailToCount()
{
    constexpr int manyCars = 12;
    const bool few = curves.size() <= manyCars;
    if (few == detailed)
        return;
    detailed = few;
    for (QChartView* view : { speedView, distanceView }) {
        view->setRenderHint(QPainter::Antialiasing, detailed);
        view->chart()->legend()->setVisible(detailed);
    }
    for (int row = 0; row < curves.size(); ++row) {
        for (QLineSeries* line : { curves[row].speed, curves[row].distance }) {
            QPen pen = line->pen();
            // A hairline is drawn without the stroker.
            pen.setWidthF(detailed ? 2 : 0);
            line->setPen(pen);
        }
        fillRow(row);
    }
}

void CurveCharts::insertRows(int first, int last)
{
    if (last < first)
        return;
    // The legend lists the curves in the order they were added: a row that
    // comes back in the middle (an undone close) lays them all out again.
    if (first != curves.size()) {
        rebuild();
        return;
    }
    for (int row = first; row <= last; ++row) {
        curves.append(newCurves(row));
        fillRow(row);
    }
    fitDetailToCount();
    updateAxes();
}

void CurveCharts::removeRows(int first, int last)
{
    for (int row = last; row >= first; --row) {
        const Curves c = curves.takeAt(row);
        speedChart->removeSeries(c.speed);
        speedChart->removeSeries(c.speedMarks);
        distanceChart->removeSeries(c.distance);
        distanceChart->removeSeries(c.distanceMarks);
        for (QAbstractSeries* series : { static_cast<QAbstractSeries*>(c.speed), static_cast<QAbstractSeries*>(c.speedMarks),
                                         static_cast<QAbstractSeries*>(c.distance), static_cast<QAbstractSeries*>(c.distanceMarks) })
            delete series;
    }
    fitDetailToCount();
    updateAxes();
}

void CurveCharts::rowsChanged(int first, int last)
{
    // Charts out of sight fill their curves when they are shown again.
    for (int row = first; row <= last && row < curves.size(); ++row) {
        if (isVisible())
            fillRow(row);
        else
            curves[row].stale = true;
    }
    if (isVisible())
        updateAxes();
}

void CurveCharts::fillStaleRows()
{
    bool any = false;
    for (int row = 0; row < curves.size(); ++row) {
        if (curves[row].stale) {
            fillRow(row);
            any = true;
        }
    }
    if (any)
        updateAxes();
}

void CurveCharts::showEvent(QShowEvent* event)
{
    fillStaleRows();
    QWidget::showEvent(event);
}

void CurveCharts::fillRow(int row)
{
    Curves& c = curves[row];
    c.stale = false;
    const CarEvaluation& e = evaluationOf(row);
    QList<QPointF> speed;
    QList<QPointF> distance;
    const std::size_t stride = detailed ? 1 : 4;
    speed.reserve(static_cast<qsizetype>(e.curve.size() / stride + 1));
    distance.reserve(static_cast<qsizetype>(e.curve.size() / stride + 1));
    for (std::size_t i = 0; i < e.curve.size(); ++i) {
        if (i % stride != 0 && i + 1 != e.curve.size())
            continue;
        const CurvePoint& p = e.curve[i];
        speed.append(QPointF(p.time, ToShown(p.speed, Quantity::Speed, units)));
        distance.append(QPointF(p.time, ToShown(p.distance, Quantity::Distance, units)));
    }
    QList<QPointF> speedMarks;
    QList<QPointF> distanceMarks;
    for (const MarkedPoint& m : e.marks) {
        speedMarks.append(QPointF(m.point.time, ToShown(m.point.speed, Quantity::Speed, units)));
        distanceMarks.append(QPointF(m.point.time, ToShown(m.point.distance, Quantity::Distance, units)));
    }
    c.speed->replace(speed);
    c.distance->replace(distance);
    c.speedMarks->replace(speedMarks);
    c.distanceMarks->replace(distanceMarks);
    // The legend reads its labels as HTML.
    const QString name = PlainHtml(e.HasResults() ? nameOf(row) : tr("%1 (no run)").arg(nameOf(row)));
    if (c.speed->name() != name) {
        c.speed->setName(name);
        c.distance->setName(name);
    }
}

void CurveCharts::updateAxes()
{
    double lastTime = 0;
    double topSpeed = 0;
    double farthest = 0;
    for (int row = 0; row < curves.size(); ++row) {
        const CarEvaluation& e = evaluationOf(row);
        if (!e.HasResults() || e.curve.empty())
            continue;
        if (span == Span::QuarterMile) {
            lastTime = std::max(lastTime, e.results.quarterMileTime);
            for (const CurvePoint& p : e.curve) {
                if (p.time > e.results.quarterMileTime)
                    break;
                topSpeed = std::max(topSpeed, p.speed);
                farthest = std::max(farthest, p.distance);
            }
        } else {
            for (const CurvePoint& p : e.curve) {
                lastTime = std::max(lastTime, p.time);
                topSpeed = std::max(topSpeed, p.speed);
                farthest = std::max(farthest, p.distance);
            }
        }
    }
    if (lastTime <= 0) {
        lastTime = 20;
        topSpeed = 100;
        farthest = 1320;
    }
    setNiceRange(speedTimeAxis, lastTime);
    setNiceRange(distanceTimeAxis, lastTime);
    setNiceRange(speedAxis, ToShown(topSpeed, Quantity::Speed, units) * 1.05);
    setNiceRange(distanceAxis, ToShown(farthest, Quantity::Distance, units) * 1.05);
}

// The charts take the window's colours, so they read in a dark theme too.
void CurveCharts::applyPalette()
{
    const QPalette colours = palette();
    const QColor text = colours.color(QPalette::Text);
    QColor grid = colours.color(QPalette::Text);
    grid.setAlphaF(0.15);
    for (QChart* chart : { speedChart, distanceChart }) {
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
    for (const Curves& c : std::as_const(curves))
        for (QScatterSeries* marks : { c.speedMarks, c.distanceMarks })
            marks->setBorderColor(colours.color(QPalette::Base));
    for (QChartView* view : { speedView, distanceView })
        view->setBackgroundBrush(colours.color(QPalette::Base));
}

void CurveCharts::showPointTip(const QAbstractSeries* series, bool speedCurve, const QPointF& point, bool state)
{
    const int row = rowOf(series);
    if (!state || row < 0) {
        QToolTip::hideText();
        return;
    }
    const std::vector<CurvePoint>& curve = evaluationOf(row).curve;
    if (curve.empty())
        return;
    // The engine's own point nearest to the pointer's time.
    const auto nearest = std::min_element(curve.begin(), curve.end(), [&](const CurvePoint& a, const CurvePoint& b) {
        return std::abs(a.time - point.x()) < std::abs(b.time - point.x());
    });
    const Quantity quantity = speedCurve ? Quantity::Speed : Quantity::Distance;
    const double value = ToShown(speedCurve ? nearest->speed : nearest->distance, quantity, units);
    QToolTip::showText(QCursor::pos(),
                       PlainToolTip(tr("%1\n%2 s: %3 %4")
                           .arg(nameOf(row), locale().toString(nearest->time, 'f', 2),
                                locale().toString(value, 'f', 2), UnitSymbol(quantity, units))),
                       this);
}

void CurveCharts::showMarkTip(const QAbstractSeries* series, const QPointF& point, bool state)
{
    const int row = rowOf(series);
    if (!state || row < 0) {
        QToolTip::hideText();
        return;
    }
    for (const MarkedPoint& m : evaluationOf(row).marks) {
        if (std::abs(m.point.time - point.x()) > 1e-9)
            continue;
        const double speed = ToShown(m.point.speed, Quantity::Speed, units);
        const double distance = ToShown(m.point.distance, Quantity::Distance, units);
        QToolTip::showText(QCursor::pos(),
                           PlainToolTip(tr("%1: %2\n%3 s, %4 %5, %6 %7")
                               .arg(nameOf(row), markName(m.mark), locale().toString(m.point.time, 'f', 2),
                                    locale().toString(speed, 'f', 2), UnitSymbol(Quantity::Speed, units),
                                    locale().toString(distance, 'f', 0),
                                    UnitSymbol(Quantity::Distance, units))),
                           this);
        return;
    }
}
