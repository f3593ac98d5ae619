// SPDX-License-Identifier: GPL-3.0-or-later
// CurveCharts: speed against time and distance against time for the cars of
// a model (the car list, or a proxy of it that shows some of its cars),
// overlaid. A curve follows its row: rows inserted or removed add or take
// away their curves, and a changed row fills its own curves again. The
// points are the engine's own (CarEvaluation), so every curve passes
// through its car's results. The marks (60, 80 and 100 mph, the quarter
// mile, the top speed, and the time slip's splits) have a shape each, named
// in a key under the charts, in their car's colour; the quarter mile is a dashed line on the distance chart.
// Where the law passes its peak speed before the quarter mile, the rest of
// the curve is dotted: the model's speed falls there, which a real car's
// would not. On the road model a small square marks each gear change, and a
// broad pale band under the line the launch the tires' grip limits; the
// titles name the model. The pointer shows the nearest point of any curve. The charts
// follow the window's palette and the settings' units.
#pragma once

#include "garage/CarModel.h"
#include "garage/Units.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QSizeF>
#include <QWidget>

#include <array>
#include <memory>

class GarageSettings;
class QAbstractItemModel;
class QBoxLayout;
class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QPainter;
class QScatterSeries;
class QValueAxis;
class QXYSeries;
struct CarEvaluation;
struct MarkedPoint;

// The points (in a chart's values) that a plot area of `pixels` size
// showing the values of `range` draws on distinct pixels: the first point
// given of each pixel that holds any, in the order given, and none outside
// the range. A mark drawn at any other point of a pixel looks the same.
QList<QPointF> OnePointAPixel(const QList<QPointF>& points, const QRectF& range, const QSizeF& pixels);

class CurveCharts : public QWidget
{
    Q_OBJECT

public:
    enum class Span { WholeRun, QuarterMile };
    // Beyond this many cars the curves are hairlines, without the marks and
    // a legend (see fitDetailToCount).
    static constexpr int ManyCars = 12;
    // The series of marks in each chart (the time slip's splits share one).
    static constexpr std::size_t MarkSeriesCount = 7;

    // `cars` is the car list or a proxy of it. With settings, the charts
    // follow their unit system; without, SetUnitSystem sets it.
    CurveCharts(QAbstractItemModel* cars, GarageSettings* settings, QWidget* parent = nullptr);

    void SetUnitSystem(UnitSystem units);
    void SetSpan(Span span);
    Span CurrentSpan() const { return span; }

    QChartView* SpeedView() const { return charts[0].view; }
    QChartView* DistanceView() const { return charts[1].view; }
    QComboBox* SpanBox() const { return spanBox; }
    // Takes the span chooser away, for charts whose span is set for them.
    void HideSpanChoice();
    // Both charts side by side, as one picture.
    QImage Picture(const QSize& size, qreal devicePixelRatio = 1);
    // Draws the speed chart (or the distance chart), laid out at `logical`
    // size, into `target`; works for charts that are not on screen too.
    void Render(bool speedChart, QPainter& painter, const QRectF& target, const QSize& logical);
    // The two charts one above the other instead of side by side.
    void SetStacked(bool stacked);
    // Every text of the charts (titles, axes, legend) in this size: a
    // report's charts print theirs readably.
    void SetTextPointSize(qreal points);

    // What the pointer at `position` (in the view's coordinates) of the
    // speed chart (or the distance chart) is told: the nearest mark or curve
    // point within a generous radius; empty when none is that near.
    QString TipAt(bool speedChart, const QPointF& position) const;

    // Time slips' splits drawn over the curves of the distance chart: points
    // of (elapsed time in s, distance in ft), shown in the charts' units.
    // The chart draws one ring for each pixel that holds any
    // (OnePointAPixel), so that a logbook of any size draws at once.
    void SetSlipPoints(const QList<QPointF>& points);
    // The slips' points the distance chart draws, in its units (for tests).
    QList<QPointF> ShownSlipPoints() const;

    // What the marks' shapes and the lines' dashes and dots mean.
    static QString KeyText(CarModel model);

    // Number of curves drawn (for tests and the benchmark).
    int CurveCount() const;
    // The points the speed curve of a row is drawn through, the part past
    // the law's peak included (for tests).
    QList<QPointF> SpeedPoints(int row) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // One of the two charts: speed (0) or distance (1) against time.
    struct Chart {
        QChart* chart = nullptr;
        QChartView* view = nullptr;
        QValueAxis* time = nullptr;
        QValueAxis* value = nullptr;
        int valueIntervals = 6; // the most the value axis was given
        QString name;           // the chart's title: what it plots
        // One series a mark, holding that mark of every car.
        std::array<QScatterSeries*, MarkSeriesCount> marks{};
    };
    // The curves of one row of the model, in each chart: up to the law's
    // peak, and past it.
    struct Curves {
        std::array<QLineSeries*, 2> line{};
        std::array<QLineSeries*, 2> past{};
        std::array<QLineSeries*, 2> launch{}; // the traction-limited launch
        double lastTime = 0;    // the extent of what is drawn, classic units
        double topSpeed = 0;
        double farthest = 0;
        bool stale = false;     // changed while the charts were out of sight
    };

    void rebuild();
    void insertRows(int first, int last);
    void removeRows(int first, int last);
    void rowsChanged(int first, int last);
    void fitDetailToCount();
    Curves newCurves(int row);
    void attach(Chart& chart, QXYSeries* series);
    void fillRow(int row);
    void fillStaleRows();
    void fitValueTitle(Chart& c);
    void showModel(CarModel model);
    // The marks of every row (again), or of the rows given: a row whose
    // marks keep their number has them moved in place, others are added at
    // the end for rows at the end, and anything else fills them all again.
    void fillMarks();
    void appendMarks(int first, int last);
    void refillMarks(int first, int last);
    // A row's marks of one kind, in classic units, within the span drawn.
    QList<MarkedPoint> marksOf(int row, std::size_t kind) const;
    void updateAxes();
    void applyPalette();
    void fillSlips();
    // The part of a row's curve drawn for the span: its points' indexes
    // [0, end).
    std::size_t shownEnd(const CarEvaluation& e) const;
    std::shared_ptr<const CarEvaluation> evaluationOf(int row) const;
    QString nameOf(int row) const;
    QColor colourOf(int row) const;
    double shownValue(bool speedChart, double speed, double distance) const;

    QPointer<QAbstractItemModel> cars;
    UnitSystem units = UnitSystem::Imperial;
    Span span = Span::WholeRun;
    QComboBox* spanBox;
    QLabel* spanLabel;
    QLabel* key = nullptr;
    QBoxLayout* chartsLayout = nullptr;
    std::array<Chart, 2> charts;
    QLineSeries* quarterLine = nullptr; // on the distance chart
    QScatterSeries* slips = nullptr;    // on the distance chart
    QList<QPointF> slipPoints;          // classic units
    // What the slips drawn were thinned for: the plot area's size and the
    // axes' ranges; empty when they are to be drawn again.
    QSizeF slipPixels;
    QRectF slipRange;
    std::array<QList<int>, MarkSeriesCount> markRows;  // the row of each point of each mark series
    QList<Curves> curves;               // by row of the model
    bool detailed = true; // smooth curves of every point, with a legend (few cars)
    bool onRoad = false;  // the cars run on the road model
};
