// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CurveCharts.h"

#include "garage/CarEvaluation.h"
#include "garage/CarList.h"
#include "garage/GarageSettings.h"
#include "garage/PlainText.h"
#include "numbers/EnumTable.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScatterSeries>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// A chart view that lays its chart out for the size it has once the window
// being shown has settled (Settle), not at each size it passes through on
// the way: a window shown for the first time gives its charts three sizes
// before it is mapped, and each layout measures every axis label again.
// Once settled, it follows every resize at once, until it is hidden.
class SettlingChartView final : public QChartView
{
public:
    using QChartView::QChartView;

    void Settle()
    {
        settled = true;
        if (layoutPending) {
            layoutPending = false;
            QResizeEvent now(size(), size());
            QChartView::resizeEvent(&now);
        }
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        if (settled) {
            QChartView::resizeEvent(event);
            return;
        }
        QGraphicsView::resizeEvent(event);
        layoutPending = true;
    }

    void hideEvent(QHideEvent* event) override
    {
        settled = false;
        QChartView::hideEvent(event);
    }

private:
    bool settled = false;
    bool layoutPending = false;
};

// The marks as the charts draw them: each mark's name, and the series it is
// drawn in (one for each speed mark, the quarter mile and the top speed, and
// one for the time slip's splits together) with that series' marker shape
// and size.
struct MarkInfo {
    CurveMark mark;
    const char* name; // in the context CurveCharts
    CurveMark series; // the first mark of its series
    QScatterSeries::MarkerShape shape;
    qreal size;
};

// One line per mark, in CurveMark order.
constexpr std::array<MarkInfo, 10> markTable = { {
    { CurveMark::Sixty, QT_TRANSLATE_NOOP("CurveCharts", "60 mph"), CurveMark::Sixty,
      QScatterSeries::MarkerShapeCircle, 9 },
    { CurveMark::Eighty, QT_TRANSLATE_NOOP("CurveCharts", "80 mph"), CurveMark::Eighty,
      QScatterSeries::MarkerShapeRectangle, 9 },
    { CurveMark::Hundred, QT_TRANSLATE_NOOP("CurveCharts", "100 mph"), CurveMark::Hundred,
      QScatterSeries::MarkerShapeTriangle, 9 },
    { CurveMark::QuarterMile, QT_TRANSLATE_NOOP("CurveCharts", "Quarter mile"), CurveMark::QuarterMile,
      QScatterSeries::MarkerShapeStar, 13 },
    { CurveMark::TopSpeed, QT_TRANSLATE_NOOP("CurveCharts", "Top speed"), CurveMark::TopSpeed,
      QScatterSeries::MarkerShapeRotatedRectangle, 9 },
    { CurveMark::SixtyFoot, QT_TRANSLATE_NOOP("CurveCharts", "60 ft"), CurveMark::SixtyFoot,
      QScatterSeries::MarkerShapePentagon, 7 },
    { CurveMark::ThreeThirtyFoot, QT_TRANSLATE_NOOP("CurveCharts", "330 ft"), CurveMark::SixtyFoot,
      QScatterSeries::MarkerShapePentagon, 7 },
    { CurveMark::EighthMile, QT_TRANSLATE_NOOP("CurveCharts", "1/8 mile"), CurveMark::SixtyFoot,
      QScatterSeries::MarkerShapePentagon, 7 },
    { CurveMark::ThousandFoot, QT_TRANSLATE_NOOP("CurveCharts", "1000 ft"), CurveMark::SixtyFoot,
      QScatterSeries::MarkerShapePentagon, 7 },
    { CurveMark::GearChange, QT_TRANSLATE_NOOP("CurveCharts", "Gear change"), CurveMark::GearChange,
      QScatterSeries::MarkerShapeRectangle, 5 },
} };
static_assert(InEnumOrder(markTable, &MarkInfo::mark));

const MarkInfo& infoOf(CurveMark mark)
{
    return RowOf(markTable, mark);
}

// The series of marks, each named by its first mark.
constexpr auto allMarks = [] {
    constexpr auto heads = std::count_if(markTable.begin(), markTable.end(),
                                         [](const MarkInfo& m) { return m.series == m.mark; });
    std::array<CurveMark, heads> series{};
    std::size_t n = 0;
    for (const MarkInfo& m : markTable)
        if (m.series == m.mark)
            series[n++] = m.mark;
    return series;
}();

static_assert(allMarks.size() == CurveCharts::MarkSeriesCount);

// The series a mark is drawn in.
std::size_t seriesOf(CurveMark mark)
{
    const CurveMark head = infoOf(mark).series;
    return static_cast<std::size_t>(std::find(allMarks.begin(), allMarks.end(), head) - allMarks.begin());
}

QString markName(CurveMark mark)
{
    return QCoreApplication::translate("CurveCharts", infoOf(mark).name);
}

// How near (in pixels) the pointer must come to a point to be told of it.
constexpr double tipRadius = 28;

// A round step that gives at most `most` intervals, and no fewer than
// about half as many.
double niceStep(double range, int most)
{
    if (!(range > 0))
        return 1;
    const double raw = range / most;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : { 1.0, 2.0, 2.5, 5.0, 10.0 })
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

// Six intervals where there is room; a short chart gets fewer, so that each
// label keeps the height of one and a half lines (closer, Qt Charts shows
// the labels as bare ellipses).
int mostIntervals(const QChart* chart, const QValueAxis* axis)
{
    const qreal height = chart->plotArea().height();
    const qreal perLabel = 1.5 * QFontMetricsF(axis->labelsFont()).height();
    if (!(height > 0) || !(perLabel > 0))
        return 6;
    return std::clamp(static_cast<int>(height / perLabel), 1, 6);
}

void setNiceRange(QValueAxis* axis, double top, int most = 6)
{
    const double step = niceStep(top, most);
    const double end = std::ceil(top / step) * step;
    // As many decimals as the step needs: 2.5 shows one, 0.25 two.
    int decimals = 0;
    while (decimals < 3 && std::abs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-9)
        ++decimals;
    const QString format = QStringLiteral("%.%1f").arg(decimals);
    // Each change lays the chart and its labels out again: change only
    // what moved.
    if (axis->labelFormat() != format)
        axis->setLabelFormat(format);
    if (axis->tickInterval() != step)
        axis->setTickInterval(step);
    if (axis->min() != 0 || axis->max() != end)
        axis->setRange(0, end);
}

} // namespace

QList<QPointF> OnePointAPixel(const QList<QPointF>& points, const QRectF& range, const QSizeF& pixels)
{
    QList<QPointF> shown;
    if (!(range.width() > 0) || !(range.height() > 0) || !(pixels.width() > 0) || !(pixels.height() > 0))
        return shown;
    const qsizetype columns = static_cast<qsizetype>(std::ceil(pixels.width())) + 1;
    const qsizetype rows = static_cast<qsizetype>(std::ceil(pixels.height())) + 1;
    const double perX = pixels.width() / range.width();
    const double perY = pixels.height() / range.height();
    std::vector<bool> taken(static_cast<std::size_t>(columns * rows));
    for (const QPointF& point : points) {
        const double x = (point.x() - range.left()) * perX;
        const double y = (point.y() - range.top()) * perY;
        if (!(x >= 0 && x <= pixels.width() && y >= 0 && y <= pixels.height()))
            continue;
        const std::size_t pixel =
            static_cast<std::size_t>(static_cast<qsizetype>(y) * columns + static_cast<qsizetype>(x));
        if (taken[pixel])
            continue;
        taken[pixel] = true;
        shown << point;
    }
    return shown;
}

CurveCharts::CurveCharts(QAbstractItemModel* cars, GarageSettings* settings, QWidget* parent)
    : QWidget(parent)
    , cars(cars)
    , spanBox(new QComboBox(this))
{
    setObjectName(QStringLiteral("curveCharts"));
    const QString titles[2] = { tr("Speed"), tr("Distance") };
    for (int k = 0; k < 2; ++k) {
        Chart& c = charts[static_cast<std::size_t>(k)];
        c.chart = new QChart;
        c.name = titles[k];
        c.chart->setTitle(c.name);
        c.chart->legend()->setAlignment(Qt::AlignBottom);
        c.chart->setMargins(QMargins(4, 4, 4, 4));
        c.chart->setBackgroundRoundness(0);
        // Axis labels in the user's number format, as the tables beside them.
        c.chart->setLocalizeNumbers(true);
        c.view = new SettlingChartView(c.chart, this);
        c.view->setMinimumSize(280, 220);
        c.view->setRenderHint(QPainter::Antialiasing);
        // A chart takes no keys: Tab passes it by.
        c.view->setFocusPolicy(Qt::NoFocus);
        // The curves change with every edit: an index of where each lies
        // would be rebuilt more often than it is read.
        c.view->scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
        c.view->viewport()->setMouseTracking(true);
        c.view->viewport()->installEventFilter(this);
        c.time = new QValueAxis(c.chart);
        c.value = new QValueAxis(c.chart);
        for (QValueAxis* axis : { c.time, c.value }) {
            axis->setLabelFormat(QStringLiteral("%.0f"));
            axis->setTickType(QValueAxis::TicksDynamic);
            axis->setTickAnchor(0);
        }
        c.chart->addAxis(c.time, Qt::AlignBottom);
        c.chart->addAxis(c.value, Qt::AlignLeft);
        // A chart made shorter or taller gets the number of value labels
        // that fits it.
        connect(c.chart, &QChart::plotAreaChanged, this, [this, &c] {
            if (mostIntervals(c.chart, c.value) != c.valueIntervals)
                updateAxes();
            fitValueTitle(c);
            if (&c == &charts[1])
                fillSlips();
        });
    }
    charts[0].view->setObjectName(QStringLiteral("speedChart"));
    charts[1].view->setObjectName(QStringLiteral("distanceChart"));
    charts[0].view->setAccessibleName(tr("Speed against time"));
    charts[1].view->setAccessibleName(tr("Distance against time"));

    spanBox->setObjectName(QStringLiteral("curveSpan"));
    spanBox->addItem(tr("Whole run, to the top speed"));
    spanBox->addItem(tr("Quarter mile"));
    spanBox->setAccessibleName(tr("Time span of the curves"));
    spanLabel = new QLabel(tr("Sh&ow:"), this);
    spanLabel->setBuddy(spanBox);
    connect(spanBox, &QComboBox::currentIndexChanged, this,
            [this](int index) { SetSpan(index == 1 ? Span::QuarterMile : Span::WholeRun); });

    auto* top = new QHBoxLayout;
    top->addWidget(spanLabel);
    top->addWidget(spanBox);
    top->addStretch(1);
    chartsLayout = new QBoxLayout(QBoxLayout::LeftToRight);
    chartsLayout->addWidget(charts[0].view);
    chartsLayout->addWidget(charts[1].view);
    key = new QLabel(KeyText(CarModel::Classic), this);
    key->setObjectName(QStringLiteral("curveKey"));
    key->setWordWrap(true);
    key->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(top);
    layout->addLayout(chartsLayout, 1);
    layout->addWidget(key);

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
    rebuild();
}

void CurveCharts::SetUnitSystem(UnitSystem newUnits)
{
    if (units == newUnits)
        return;
    units = newUnits;
    rebuild();
}

// The value axis's title runs along the plot's height. Where the plot is
// shorter than the title, Qt Charts would cut it ("Speed (m…"): the chart's
// own title then carries it whole, and the axis shows none.
void CurveCharts::fitValueTitle(Chart& c)
{
    const QString whole = c.value->titleText();
    const qreal height = c.chart->plotArea().height();
    // Qt Charts leaves the title a little less than the plot's height.
    const QFontMetricsF metrics(c.value->titleFont());
    const bool fits = !(height > 0) || metrics.horizontalAdvance(whole) + metrics.height() <= height;
    if (c.value->isTitleVisible() != fits)
        c.value->setTitleVisible(fits);
    const QString title = fits ? c.name : whole;
    if (c.chart->title() != title)
        c.chart->setTitle(title);
}

void CurveCharts::SetSpan(Span newSpan)
{
    if (span == newSpan)
        return;
    span = newSpan;
    spanBox->setCurrentIndex(span == Span::QuarterMile ? 1 : 0);
    for (int row = 0; row < curves.size(); ++row)
        fillRow(row);
    fillMarks();
    updateAxes();
}

// The marks of either model, then what only that model's curves draw: the
// classic law's fall past its top speed, the road model's gear changes and
// grip-limited launch.
QString CurveCharts::KeyText(CarModel model)
{
    const QString marks = tr("● 60 mph   ■ 80 mph   ▲ 100 mph   ★ quarter mile   ◆ top speed   "
                             "⬟ 60 ft, 330 ft, 1/8 mile, 1000 ft   ╌ quarter-mile distance");
    return model == CarModel::Road ? tr("%1   ▪ gear change   ▬ the tires' grip limits the launch").arg(marks)
                                   : tr("%1   ┈ past the law's top speed").arg(marks);
}

int CurveCharts::CurveCount() const
{
    return static_cast<int>(curves.size());
}

QList<QPointF> CurveCharts::SpeedPoints(int row) const
{
    QList<QPointF> points = curves.at(row).line[0]->points();
    const QList<QPointF> past = curves.at(row).past[0]->points();
    points.append(past.mid(1)); // the past part starts at the peak itself
    return points;
}

// The charts' titles and the key name the road model where the cars run on
// it (every car runs on the same one); the classic law's look as before.
void CurveCharts::showModel(CarModel model)
{
    const bool road = model == CarModel::Road;
    if (road == onRoad)
        return;
    onRoad = road;
    const QString titles[2] = { tr("Speed"), tr("Distance") };
    for (std::size_t k = 0; k < 2; ++k) {
        charts[k].name = road ? tr("%1 (%2)").arg(titles[k], CarModelName(model)) : titles[k];
        fitValueTitle(charts[k]);
    }
    key->setText(KeyText(model));
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
    // The key of the marks under the charts, as on the screen.
    const int keyHeight = detailed ? fontMetrics().height() * 2 : 0;
    const int height = size.height() - keyHeight;
    Render(true, painter, QRectF(0, 0, half, height), QSize(half, height));
    Render(false, painter, QRectF(half, 0, size.width() - half, height), QSize(size.width() - half, height));
    if (detailed) {
        painter.setPen(palette().color(QPalette::Text));
        painter.setFont(font());
        painter.drawText(QRectF(0, height, size.width(), keyHeight), Qt::AlignCenter | Qt::TextWordWrap, key->text());
    }
    return image;
}

void CurveCharts::Render(bool speedChart, QPainter& painter, const QRectF& target, const QSize& logical)
{
    fillStaleRows();
    QChartView* view = charts[speedChart ? 0 : 1].view;
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
    for (Chart& c : charts) {
        c.chart->setTitleFont(bold);
        c.chart->legend()->setFont(font);
        for (QValueAxis* axis : { c.time, c.value }) {
            axis->setLabelsFont(font);
            axis->setTitleFont(bold);
        }
        fitValueTitle(c);
    }
}

void CurveCharts::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        applyPalette();
    QWidget::changeEvent(event);
}

std::shared_ptr<const CarEvaluation> CurveCharts::evaluationOf(int row) const
{
    return cars->index(row, 0).data(CarList::EvaluationRole).value<std::shared_ptr<const CarEvaluation>>();
}

QString CurveCharts::nameOf(int row) const
{
    return cars->index(row, 0).data(CarList::NameRole).toString();
}

QColor CurveCharts::colourOf(int row) const
{
    return cars->index(row, 0).data(CarList::ColourRole).value<QColor>();
}

double CurveCharts::shownValue(bool speedChart, double speed, double distance) const
{
    return speedChart ? ToShown(speed, Quantity::Speed, units) : ToShown(distance, Quantity::Distance, units);
}

void CurveCharts::attach(Chart& chart, QXYSeries* series)
{
    chart.chart->addSeries(series);
    series->attachAxis(chart.time);
    series->attachAxis(chart.value);
}

void CurveCharts::rebuild()
{
    for (Chart& c : charts) {
        c.chart->removeAllSeries();
        c.marks = {};
    }
    quarterLine = nullptr;
    curves.clear();
    // The marks first, so that their names lead the legend.
    for (std::size_t k = 0; k < 2; ++k) {
        for (std::size_t m = 0; m < allMarks.size(); ++m) {
            auto* marks = new QScatterSeries;
            const MarkInfo& info = infoOf(allMarks[m]);
            marks->setName(markName(info.mark));
            marks->setMarkerShape(info.shape);
            marks->setMarkerSize(info.size);
            charts[k].chart->addSeries(marks);
            marks->attachAxis(charts[k].time);
            marks->attachAxis(charts[k].value);
            // The key under the charts names the marks; the legend the cars.
            for (QLegendMarker* marker : charts[k].chart->legend()->markers(marks))
                marker->setVisible(false);
            charts[k].marks[m] = marks;
        }
    }
    quarterLine = new QLineSeries;
    quarterLine->setName(tr("Quarter mile"));
    attach(charts[1], quarterLine);
    for (QLegendMarker* marker : charts[1].chart->legend()->markers(quarterLine))
        marker->setVisible(false);
    slips = new QScatterSeries;
    slips->setName(tr("Time slips"));
    slips->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    slips->setMarkerSize(8);
    attach(charts[1], slips);
    slipPixels = QSizeF();
    fillSlips();
    if (cars)
        insertRows(0, cars->rowCount() - 1);
    charts[0].value->setTitleText(tr("Speed (%1)").arg(UnitSymbol(Quantity::Speed, units)));
    charts[1].value->setTitleText(tr("Distance (%1)").arg(UnitSymbol(Quantity::Distance, units)));
    for (Chart& c : charts) {
        c.time->setTitleText(tr("Time (s)"));
        fitValueTitle(c);
    }
    applyPalette();
    fillMarks();
    updateAxes();
}

CurveCharts::Curves CurveCharts::newCurves(int row)
{
    const QModelIndex car = cars->index(row, 0);
    Curves c;
    const QColor colour = car.data(CarList::ColourRole).value<QColor>();
    QPen pen(colour);
    pen.setWidthF(detailed ? 2 : 0);
    if (car.data(CarList::IsVariantRole).toBool())
        pen.setStyle(Qt::DashLine);
    QPen pastPen = pen;
    pastPen.setStyle(Qt::DotLine);
    // The launch the tires' grip limits: a broad pale band under the line.
    QColor pale = colour;
    pale.setAlpha(90);
    QPen launchPen(pale);
    launchPen.setWidthF(detailed ? 7 : 3);
    launchPen.setCapStyle(Qt::FlatCap);
    for (std::size_t k = 0; k < 2; ++k) {
        c.line[k] = new QLineSeries;
        c.past[k] = new QLineSeries;
        c.launch[k] = new QLineSeries;
        c.line[k]->setPen(pen);
        c.past[k]->setPen(pastPen);
        c.launch[k]->setPen(launchPen);
        attach(charts[k], c.launch[k]);
        attach(charts[k], c.line[k]);
        attach(charts[k], c.past[k]);
        for (QLegendMarker* marker : charts[k].chart->legend()->markers(c.past[k]))
            marker->setVisible(false);
        for (QLegendMarker* marker : charts[k].chart->legend()->markers(c.launch[k]))
            marker->setVisible(false);
        for (QLegendMarker* marker : charts[k].chart->legend()->markers(c.line[k]))
            marker->setVisible(detailed);
    }
    return c;
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
        // Out of sight, a curve is filled when shown, at the size it is
        // shown: a chart laid out again recomputes every curve it holds.
        if (isVisible())
            fillRow(row);
        else
            curves.last().stale = true;
    }
    fitDetailToCount();
    // Out of sight, the marks are laid out with the curves when shown.
    if (isVisible()) {
        appendMarks(first, last);
        updateAxes();
    }
}

void CurveCharts::removeRows(int first, int last)
{
    for (int row = last; row >= first; --row) {
        const Curves c = curves.takeAt(row);
        for (std::size_t k = 0; k < 2; ++k) {
            for (QLineSeries* series : { c.line[k], c.past[k], c.launch[k] }) {
                charts[k].chart->removeSeries(series);
                delete series;
            }
        }
    }
    fitDetailToCount();
    fillMarks();
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
    if (isVisible()) {
        refillMarks(first, last);
        updateAxes();
    }
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
    if (any) {
        fillMarks();
        updateAxes();
    }
}

void CurveCharts::showEvent(QShowEvent* event)
{
    // Laid out and filled once the window being shown has settled, before
    // it is first drawn: a window shown for the first time passes its charts
    // through several sizes on the way, and every size would lay out the
    // axes and every curve again.
    QMetaObject::invokeMethod(
        this,
        [this] {
            for (Chart& c : charts)
                static_cast<SettlingChartView*>(c.view)->Settle();
            fillStaleRows();
        },
        Qt::QueuedConnection);
    QWidget::showEvent(event);
}

// Up to a dozen cars the charts draw smooth curves through every point,
// each car named in the legend. Beyond, a legend of every car would take the
// charts' room (the car list names the colours), and full curves would take
// more than a frame's time to draw again whenever a car is added: the curves
// are then hairlines through every fourth point.
void CurveCharts::fitDetailToCount()
{
    const bool few = curves.size() <= ManyCars;
    if (few == detailed)
        return;
    detailed = few;
    for (Chart& c : charts)
        c.view->setRenderHint(QPainter::Antialiasing, detailed);
    for (int row = 0; row < curves.size(); ++row) {
        for (std::size_t k = 0; k < 2; ++k) {
            for (QLineSeries* series : { curves[row].line[k], curves[row].past[k] }) {
                QPen pen = series->pen();
                // A hairline is drawn without the stroker.
                pen.setWidthF(detailed ? 2 : 0);
                series->setPen(pen);
            }
            QPen launchPen = curves[row].launch[k]->pen();
            launchPen.setWidthF(detailed ? 7 : 3);
            curves[row].launch[k]->setPen(launchPen);
            for (QLegendMarker* marker : charts[k].chart->legend()->markers(curves[row].line[k]))
                marker->setVisible(detailed);
        }
        if (isVisible())
            fillRow(row);
        else
            curves[row].stale = true;
    }
    key->setVisible(detailed);
    fillMarks();
}

std::size_t CurveCharts::shownEnd(const CarEvaluation& e) const
{
    if (span == Span::WholeRun)
        return e.curve.size();
    // Each car's curve ends at its own quarter mile.
    for (const MarkedPoint& m : e.marks) {
        if (m.mark != CurveMark::QuarterMile)
            continue;
        for (std::size_t i = 0; i < e.curve.size(); ++i)
            if (e.curve[i] == m.point)
                return i + 1;
    }
    return e.curve.size();
}

void CurveCharts::fillRow(int row)
{
    Curves& c = curves[row];
    c.stale = false;
    const std::shared_ptr<const CarEvaluation> held = evaluationOf(row);
    const CarEvaluation& e = *held;
    const std::size_t end = shownEnd(e);
    // Every point up to the law's peak on the line, the rest on the dotted
    // part; both hold the peak itself, so they meet.
    const std::size_t peak = e.PassesItsPeak() ? e.peakIndex : end;
    const std::size_t stride = detailed ? 1 : 4;
    std::array<QList<QPointF>, 2> line;
    std::array<QList<QPointF>, 2> past;
    std::array<QList<QPointF>, 2> launch;
    const std::size_t launchEnd = std::min(e.tractionLimitedPoints, end);
    c.lastTime = c.topSpeed = c.farthest = 0;
    for (std::size_t i = 0; i < end; ++i) {
        const CurvePoint& p = e.curve[i];
        c.lastTime = std::max(c.lastTime, p.time);
        c.topSpeed = std::max(c.topSpeed, p.speed);
        c.farthest = std::max(c.farthest, p.distance);
        const bool kept = i % stride == 0 || i + 1 == end || i == peak;
        if (!kept)
            continue;
        for (std::size_t k = 0; k < 2; ++k) {
            const QPointF point(p.time, shownValue(k == 0, p.speed, p.distance));
            if (i <= peak)
                line[k].append(point);
            if (i >= peak)
                past[k].append(point);
            if (i < launchEnd)
                launch[k].append(point);
        }
    }
    for (std::size_t k = 0; k < 2; ++k) {
        c.line[k]->replace(line[k]);
        c.past[k]->replace(past[k].size() > 1 ? past[k] : QList<QPointF>());
        c.launch[k]->replace(launch[k].size() > 1 ? launch[k] : QList<QPointF>());
    }
    showModel(e.model);
    // The legend reads its labels as HTML.
    const QString name = PlainHtml(e.HasResults() ? nameOf(row) : tr("%1 (no run)").arg(nameOf(row)));
    if (c.line[0]->name() != name) {
        c.line[0]->setName(name);
        c.line[1]->setName(name);
    }
}

QList<MarkedPoint> CurveCharts::marksOf(int row, std::size_t kind) const
{
    const std::shared_ptr<const CarEvaluation> held = evaluationOf(row);
    const CarEvaluation& e = *held;
    const std::size_t end = shownEnd(e);
    const double lastTime = end > 0 ? e.curve[end - 1].time : 0;
    QList<MarkedPoint> marks;
    for (const MarkedPoint& mark : e.marks)
        if (seriesOf(mark.mark) == kind && mark.point.time <= lastTime)
            marks.append(mark);
    return marks;
}

// The marks of every car, each in its car's colour. Beyond a dozen cars
// the marks would hide the curves (their figures stand in the table), and
// the series of each mark would draw every car's again for each car added:
// there are none.
void CurveCharts::fillMarks()
{
    for (QList<int>& rows : markRows)
        rows.clear();
    for (std::size_t m = 0; m < allMarks.size(); ++m)
        for (std::size_t k = 0; k < 2; ++k) {
            charts[k].marks[m]->clearPointsConfiguration();
            charts[k].marks[m]->clear();
        }
    appendMarks(0, static_cast<int>(curves.size()) - 1);
}

void CurveCharts::appendMarks(int first, int last)
{
    if (!detailed)
        return;
    // Rows added at the end keep the series in the order of the rows.
    if (!markRows[0].isEmpty() && markRows[0].constLast() >= first) {
        fillMarks();
        return;
    }
    for (std::size_t m = 0; m < allMarks.size(); ++m) {
        std::array<QList<QPointF>, 2> points;
        QList<QColor> colours;
        for (int row = first; row <= last; ++row) {
            for (const MarkedPoint& mark : marksOf(row, m)) {
                markRows[m].append(row);
                colours.append(colourOf(row));
                for (std::size_t k = 0; k < 2; ++k)
                    points[k].append(QPointF(mark.point.time, shownValue(k == 0, mark.point.speed, mark.point.distance)));
            }
        }
        for (std::size_t k = 0; k < 2; ++k) {
            if (points[k].isEmpty())
                continue;
            QScatterSeries* series = charts[k].marks[m];
            // One change of the colours: the series draws all its marks again
            // on each.
            auto configuration = series->pointsConfiguration();
            for (int i = 0; i < colours.size(); ++i)
                configuration[series->count() + i][QXYSeries::PointConfiguration::Color] = colours[i];
            series->append(points[k]);
            series->setPointsConfiguration(configuration);
        }
    }
}

void CurveCharts::refillMarks(int first, int last)
{
    if (!detailed)
        return;
    for (std::size_t m = 0; m < allMarks.size(); ++m) {
        for (int row = first; row <= last; ++row) {
            const QList<MarkedPoint> marks = marksOf(row, m);
            const int at = static_cast<int>(markRows[m].indexOf(row));
            if (marks.size() != markRows[m].count(row) || (!marks.isEmpty() && at < 0)) {
                fillMarks();
                return;
            }
            for (int i = 0; i < marks.size(); ++i)
                for (std::size_t k = 0; k < 2; ++k)
                    charts[k].marks[m]->replace(at + i, QPointF(marks[i].point.time,
                                                                shownValue(k == 0, marks[i].point.speed,
                                                                           marks[i].point.distance)));
        }
    }
}

void CurveCharts::updateAxes()
{
    double lastTime = 0;
    double topSpeed = 0;
    double farthest = 0;
    for (const Curves& c : std::as_const(curves)) {
        lastTime = std::max(lastTime, c.lastTime);
        topSpeed = std::max(topSpeed, c.topSpeed);
        farthest = std::max(farthest, c.farthest);
    }
    if (lastTime <= 0) {
        lastTime = 20;
        topSpeed = 100;
        farthest = 1320;
    }
    setNiceRange(charts[0].time, lastTime);
    setNiceRange(charts[1].time, lastTime);
    for (Chart& c : charts)
        c.valueIntervals = mostIntervals(c.chart, c.value);
    setNiceRange(charts[0].value, ToShown(topSpeed, Quantity::Speed, units) * 1.05, charts[0].valueIntervals);
    setNiceRange(charts[1].value, ToShown(std::max(farthest, 1320.0), Quantity::Distance, units) * 1.05,
                 charts[1].valueIntervals);
    const double quarter = ToShown(1320, Quantity::Distance, units);
    const QList<QPointF> across{ QPointF(0, quarter), QPointF(charts[1].time->max(), quarter) };
    if (quarterLine->points() != across)
        quarterLine->replace(across);
    fillSlips();
}

void CurveCharts::HideSpanChoice()
{
    spanLabel->hide();
    spanBox->hide();
}

void CurveCharts::SetSlipPoints(const QList<QPointF>& points)
{
    if (points == slipPoints)
        return;
    slipPoints = points;
    slipPixels = QSizeF();
    fillSlips();
}

QList<QPointF> CurveCharts::ShownSlipPoints() const
{
    return slips ? slips->points() : QList<QPointF>();
}

// The slips as the distance chart can show them, worked out again when the
// points, the plot area's size or the axes change. Until the chart is laid
// out there is nothing to draw.
void CurveCharts::fillSlips()
{
    if (!slips)
        return;
    const Chart& c = charts[1];
    const QSizeF pixels = c.chart->plotArea().size();
    const QRectF range(QPointF(c.time->min(), c.value->min()), QPointF(c.time->max(), c.value->max()));
    if (!slipPixels.isEmpty() && pixels == slipPixels && range == slipRange)
        return;
    slipPixels = pixels;
    slipRange = range;
    QList<QPointF> values;
    values.reserve(slipPoints.size());
    for (const QPointF& point : std::as_const(slipPoints))
        values << QPointF(point.x(), ToShown(point.y(), Quantity::Distance, units));
    const QList<QPointF> shown = OnePointAPixel(values, range, pixels);
    if (shown != slips->points())
        slips->replace(shown);
    slips->setVisible(!slipPoints.isEmpty());
    for (QLegendMarker* marker : charts[1].chart->legend()->markers(slips))
        marker->setVisible(!slipPoints.isEmpty());
}

// The charts take the window's colours, so they read in a dark theme too.
void CurveCharts::applyPalette()
{
    const QPalette colours = palette();
    const QColor text = colours.color(QPalette::Text);
    QColor grid = colours.color(QPalette::Text);
    grid.setAlphaF(0.15);
    for (const Chart& c : charts) {
        c.chart->setBackgroundBrush(colours.color(QPalette::Base));
        c.chart->setPlotAreaBackgroundVisible(false);
        c.chart->setTitleBrush(text);
        c.chart->legend()->setLabelColor(text);
        for (QValueAxis* axis : { c.time, c.value }) {
            axis->setLabelsColor(text);
            axis->setTitleBrush(text);
            axis->setLinePenColor(text);
            axis->setGridLineColor(grid);
        }
        // A mark's legend entry shows its shape; each point its car's colour.
        for (QScatterSeries* marks : c.marks) {
            if (!marks)
                continue;
            marks->setColor(text);
            marks->setBorderColor(colours.color(QPalette::Base));
        }
        c.view->setBackgroundBrush(colours.color(QPalette::Base));
    }
    if (slips) {
        // Hollow rings in the text's colour: the slip over the model's curve.
        slips->setColor(Qt::transparent);
        slips->setBorderColor(text);
        QPen ring(text);
        ring.setWidthF(2);
        slips->setPen(ring);
    }
    if (quarterLine) {
        QPen dashed(text);
        dashed.setStyle(Qt::DashLine);
        dashed.setWidthF(1);
        quarterLine->setPen(dashed);
    }
}

bool CurveCharts::eventFilter(QObject* watched, QEvent* event)
{
    for (std::size_t k = 0; k < 2; ++k) {
        if (watched != charts[k].view->viewport())
            continue;
        if (event->type() == QEvent::MouseMove) {
            const QPointF position = static_cast<QMouseEvent*>(event)->position();
            const QString tip = TipAt(k == 0, position);
            if (tip.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(charts[k].view->viewport()->mapToGlobal(position.toPoint()), PlainToolTip(tip),
                                   charts[k].view->viewport());
        } else if (event->type() == QEvent::Leave) {
            QToolTip::hideText();
        }
    }
    return QWidget::eventFilter(watched, event);
}

QString CurveCharts::TipAt(bool speedChart, const QPointF& position) const
{
    const Chart& c = charts[speedChart ? 0 : 1];
    const QPointF at = c.chart->mapFromScene(c.view->mapToScene(position.toPoint()));
    const QRectF plot = c.chart->plotArea();
    if (!plot.adjusted(-tipRadius, -tipRadius, tipRadius, tipRadius).contains(at))
        return QString();
    // Pixels per unit of each axis, to measure on the screen.
    const double perTime = plot.width() / (c.time->max() - c.time->min());
    const double perValue = plot.height() / (c.value->max() - c.value->min());
    const double pointerTime = c.time->min() + (at.x() - plot.left()) / perTime;
    const double pointerValue = c.value->min() + (plot.bottom() - at.y()) / perValue;
    auto distance = [&](double time, double value) {
        return std::hypot((time - pointerTime) * perTime, (value - pointerValue) * perValue);
    };
    const QLocale locale;
    const QString speedUnit = UnitSymbol(Quantity::Speed, units);
    const QString distanceUnit = UnitSymbol(Quantity::Distance, units);

    // A mark near the pointer first, then the nearest point of any curve.
    double nearest = tipRadius;
    QString tip;
    for (int row = 0; row < curves.size(); ++row) {
        const std::shared_ptr<const CarEvaluation> held = evaluationOf(row);
        const CarEvaluation& e = *held;
        const std::size_t end = shownEnd(e);
        const double lastTime = end > 0 ? e.curve[end - 1].time : 0;
        for (const MarkedPoint& m : e.marks) {
            if (m.point.time > lastTime)
                continue;
            const double d = distance(m.point.time, shownValue(speedChart, m.point.speed, m.point.distance));
            if (d < nearest) {
                nearest = d;
                tip = tr("%1: %2\n%3 s, %4 %5, %6 %7")
                          .arg(nameOf(row), markName(m.mark), locale.toString(m.point.time, 'f', 2),
                               locale.toString(ToShown(m.point.speed, Quantity::Speed, units), 'f', 2), speedUnit,
                               locale.toString(ToShown(m.point.distance, Quantity::Distance, units), 'f', 0),
                               distanceUnit);
            }
        }
    }
    if (!tip.isEmpty())
        return tip;
    nearest = tipRadius;
    for (int row = 0; row < curves.size(); ++row) {
        const std::shared_ptr<const CarEvaluation> held = evaluationOf(row);
        const CarEvaluation& e = *held;
        const std::size_t end = shownEnd(e);
        for (std::size_t i = 0; i < end; ++i) {
            const CurvePoint& p = e.curve[i];
            const double value = shownValue(speedChart, p.speed, p.distance);
            const double d = distance(p.time, value);
            if (d >= nearest)
                continue;
            nearest = d;
            tip = tr("%1\n%2 s: %3 %4")
                      .arg(nameOf(row), locale.toString(p.time, 'f', 2), locale.toString(value, 'f', 2),
                           speedChart ? speedUnit : distanceUnit);
            if (e.PassesItsPeak() && i > e.peakIndex)
                tip += QLatin1Char('\n')
                       + tr("Past the law's top speed: the model's speed falls here, where a real car "
                            "would hold its top speed.");
        }
    }
    return tip;
}
