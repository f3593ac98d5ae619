#include "garage/CurveCharts.h"

#include "garage/CarList.h"
#include "garage/ComparisonModel.h"

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

CurveCharts::CurveCharts(CarList* cars, QWidget* parent)
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
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(280, 220);
    }
    speedTimeAxis = newAxis(speedChart, Qt::AlignBottom);
    speedAxis = newAxis(speedChart, Qt::AlignLeft);
    distanceTimeAxis = newAxis(distanceChart, Qt::AlignBottom);
    distanceAxis = newAxis(distanceChart, Qt::AlignLeft);

    spanBox->setObjectName(QStringLiteral("curveSpan"));
    spanBox->addItem(tr("Whole run, to the top speed"));
    spanBox->addItem(tr("Quarter mile"));
    spanBox->setAccessibleName(tr("Time span of the curves"));
    auto* spanLabel = new QLabel(tr("Sho&w:"), this);
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

    connect(cars, &CarList::listChanged, this, &CurveCharts::rebuild);
    connect(cars, &CarList::carChanged, this, &CurveCharts::updateCar);
    applyPalette();
    rebuild();
}

void CurveCharts::SetCarFilter(const QList<int>& carIds)
{
    filter = carIds;
    rebuild();
}

void CurveCharts::SetUnitSystem(UnitSystem newUnits)
{
    units = newUnits;
    rebuild();
}

void CurveCharts::SetSpan(Span newSpan)
{
    span = newSpan;
    spanBox->setCurrentIndex(span == Span::QuarterMile ? 1 : 0);
    updateAxes();
}

int CurveCharts::CurveCount() const
{
    return static_cast<int>(curvesById.size());
}

QImage CurveCharts::Picture(const QSize& size, qreal devicePixelRatio)
{
    catchUp();
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

void CurveCharts::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QWidget::changeEvent(event);
}

bool CurveCharts::shows(int carId) const
{
    return filter.isEmpty() || filter.contains(carId);
}

void CurveCharts::rebuild()
{
    staleIds.clear();
    speedChart->removeAllSeries();
    distanceChart->removeAllSeries();
    curvesById.clear();
    if (!cars)
        return;
    QList<int> order;
    if (filter.isEmpty()) {
        for (int i = 0; i < cars->Count(); ++i)
            order << cars->At(i).id;
    } else {
        order = filter;
    }
    for (int id : order) {
        const int index = cars->IndexOf(id);
        if (index < 0)
            continue;
        const GarageCar& car = cars->At(index);
        Curves curves;
        curves.speed = new QLineSeries;
        curves.distance = new QLineSeries;
        curves.speedMarks = new QScatterSeries;
        curves.distanceMarks = new QScatterSeries;
        const QColor colour = CarColour(car.id);
        QPen pen(colour);
        pen.setWidthF(2);
        if (car.IsVariant())
            pen.setStyle(Qt::DashLine);
        for (QLineSeries* line : { curves.speed, curves.distance })
            line->setPen(pen);
        for (QScatterSeries* marks : { curves.speedMarks, curves.distanceMarks }) {
            marks->setColor(colour);
            marks->setBorderColor(palette().color(QPalette::Base));
            marks->setMarkerSize(9);
        }
        speedChart->addSeries(curves.speed);
        speedChart->addSeries(curves.speedMarks);
        distanceChart->addSeries(curves.distance);
        distanceChart->addSeries(curves.distanceMarks);
        curves.speed->attachAxis(speedTimeAxis);
        curves.speed->attachAxis(speedAxis);
        curves.speedMarks->attachAxis(speedTimeAxis);
        curves.speedMarks->attachAxis(speedAxis);
        curves.distance->attachAxis(distanceTimeAxis);
        curves.distance->attachAxis(distanceAxis);
        curves.distanceMarks->attachAxis(distanceTimeAxis);
        curves.distanceMarks->attachAxis(distanceAxis);
        for (QScatterSeries* marks : { curves.speedMarks, curves.distanceMarks }) {
            QChart* chart = marks == curves.speedMarks ? speedChart : distanceChart;
            for (QLegendMarker* marker : chart->legend()->markers(marks))
                marker->setVisible(false);
        }
        connect(curves.speed, &QLineSeries::hovered, this,
                [this, id](const QPointF& p, bool state) { showPointTip(id, true, p, state); });
        connect(curves.distance, &QLineSeries::hovered, this,
                [this, id](const QPointF& p, bool state) { showPointTip(id, false, p, state); });
        connect(curves.speedMarks, &QScatterSeries::hovered, this,
                [this, id](const QPointF& p, bool state) { showMarkTip(id, true, p, state); });
        connect(curves.distanceMarks, &QScatterSeries::hovered, this,
                [this, id](const QPointF& p, bool state) { showMarkTip(id, false, p, state); });
        curvesById.insert(id, curves);
        fillCar(index, curves);
    }
    speedAxis->setTitleText(tr("Speed (%1)").arg(UnitSymbol(Quantity::Speed, units)));
    distanceAxis->setTitleText(tr("Distance (%1)").arg(UnitSymbol(Quantity::Distance, units)));
    speedTimeAxis->setTitleText(tr("Time (s)"));
    distanceTimeAxis->setTitleText(tr("Time (s)"));
    applyPalette();
    updateAxes();
}

void CurveCharts::updateCar(int index)
{
    const GarageCar& car = cars->At(index);
    const auto found = curvesById.constFind(car.id);
    if (found == curvesById.constEnd())
        return;
    // Charts out of sight catch up when they are shown again.
    if (!isVisible()) {
        staleIds.insert(car.id);
        return;
    }
    fillCar(index, *found);
    updateAxes();
}

void CurveCharts::catchUp()
{
    if (staleIds.isEmpty())
        return;
    for (int id : std::as_const(staleIds)) {
        const int index = cars->IndexOf(id);
        const auto found = curvesById.constFind(id);
        if (index >= 0 && found != curvesById.constEnd())
            fillCar(index, *found);
    }
    staleIds.clear();
    updateAxes();
}

void CurveCharts::showEvent(QShowEvent* event)
{
    catchUp();
    QWidget::showEvent(event);
}

void CurveCharts::fillCar(int index, const Curves& curves)
{
    const GarageCar& car = cars->At(index);
    const CarEvaluation& e = car.evaluation;
    QList<QPointF> speed;
    QList<QPointF> distance;
    speed.reserve(static_cast<qsizetype>(e.curve.size()));
    distance.reserve(static_cast<qsizetype>(e.curve.size()));
    for (const CurvePoint& p : e.curve) {
        speed.append(QPointF(p.time, ToShown(p.speed, Quantity::Speed, units)));
        distance.append(QPointF(p.time, ToShown(p.distance, Quantity::Distance, units)));
    }
    QList<QPointF> speedMarks;
    QList<QPointF> distanceMarks;
    for (const MarkedPoint& m : e.marks) {
        speedMarks.append(QPointF(m.point.time, ToShown(m.point.speed, Quantity::Speed, units)));
        distanceMarks.append(QPointF(m.point.time, ToShown(m.point.distance, Quantity::Distance, units)));
    }
    curves.speed->replace(speed);
    curves.distance->replace(distance);
    curves.speedMarks->replace(speedMarks);
    curves.distanceMarks->replace(distanceMarks);
    const QString name = e.HasResults() ? car.name : tr("%1 (no run)").arg(car.name);
    if (curves.speed->name() != name) {
        curves.speed->setName(name);
        curves.distance->setName(name);
    }
}

void CurveCharts::updateAxes()
{
    double lastTime = 0;
    double topSpeed = 0;
    double farthest = 0;
    for (auto it = curvesById.constBegin(); it != curvesById.constEnd(); ++it) {
        const int index = cars->IndexOf(it.key());
        if (index < 0)
            continue;
        const CarEvaluation& e = cars->At(index).evaluation;
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
    for (const Curves& curves : std::as_const(curvesById))
        for (QScatterSeries* marks : { curves.speedMarks, curves.distanceMarks })
            marks->setBorderColor(colours.color(QPalette::Base));
    for (QChartView* view : { speedView, distanceView })
        view->setBackgroundBrush(colours.color(QPalette::Base));
}

void CurveCharts::showPointTip(int carId, bool speedCurve, const QPointF& point, bool state)
{
    const int index = cars->IndexOf(carId);
    if (!state || index < 0) {
        QToolTip::hideText();
        return;
    }
    const GarageCar& car = cars->At(index);
    const std::vector<CurvePoint>& curve = car.evaluation.curve;
    if (curve.empty())
        return;
    // The engine's own point nearest to the pointer's time.
    const auto nearest = std::min_element(curve.begin(), curve.end(), [&](const CurvePoint& a, const CurvePoint& b) {
        return std::abs(a.time - point.x()) < std::abs(b.time - point.x());
    });
    const Quantity quantity = speedCurve ? Quantity::Speed : Quantity::Distance;
    const double value = ToShown(speedCurve ? nearest->speed : nearest->distance, quantity, units);
    QToolTip::showText(QCursor::pos(),
                       tr("%1\n%2 s: %3 %4")
                           .arg(car.name, locale().toString(nearest->time, 'f', 2),
                                locale().toString(value, 'f', 2), UnitSymbol(quantity, units)),
                       this);
}

void CurveCharts::showMarkTip(int carId, bool speedCurve, const QPointF& point, bool state)
{
    const int index = cars->IndexOf(carId);
    if (!state || index < 0) {
        QToolTip::hideText();
        return;
    }
    const GarageCar& car = cars->At(index);
    for (const MarkedPoint& m : car.evaluation.marks) {
        if (std::abs(m.point.time - point.x()) > 1e-9)
            continue;
        const double speed = ToShown(m.point.speed, Quantity::Speed, units);
        const double distance = ToShown(m.point.distance, Quantity::Distance, units);
        QToolTip::showText(QCursor::pos(),
                           tr("%1: %2\n%3 s, %4 %5, %6 %7")
                               .arg(car.name, markName(m.mark), locale().toString(m.point.time, 'f', 2),
                                    locale().toString(speed, 'f', 2), UnitSymbol(Quantity::Speed, units),
                                    locale().toString(distance, 'f', 0),
                                    UnitSymbol(Quantity::Distance, units)),
                           this);
        return;
    }
    Q_UNUSED(speedCurve);
}
