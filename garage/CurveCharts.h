// CurveCharts: speed against time and distance against time for the cars of
// a model (the car list, or a proxy of it that shows some of its cars),
// overlaid, each curve marked at 60, 80 and 100 mph, the quarter mile and
// the top speed. A curve follows its row: rows inserted or removed add or
// take away their curves, and a changed row fills its own curves again. The
// points are the engine's own (CarEvaluation), so every curve passes through
// its car's results; hovering a curve or a mark tells its time and value.
// The charts follow the window's palette and the settings' units.
#pragma once

#include "garage/Units.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class GarageSettings;
class QAbstractItemModel;
class QAbstractSeries;
struct CarEvaluation;
class QChart;
class QChartView;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
class QComboBox;
class QBoxLayout;
class QPainter;

class CurveCharts : public QWidget
{
    Q_OBJECT

public:
    enum class Span { WholeRun, QuarterMile };

    // `cars` is the car list or a proxy of it. With settings, the charts
    // follow their unit system; without, SetUnitSystem sets it.
    CurveCharts(QAbstractItemModel* cars, GarageSettings* settings, QWidget* parent = nullptr);

    void SetUnitSystem(UnitSystem units);
    void SetSpan(Span span);

    QChartView* SpeedView() const { return speedView; }
    QComboBox* SpanBox() const { return spanBox; }
    QChartView* DistanceView() const { return distanceView; }
    // Both charts side by side, as one picture.
    QImage Picture(const QSize& size, qreal devicePixelRatio = 1);
    // Draws one chart, laid out at `logical` size, into `target`; works
    // for charts that are not on screen too.
    static void RenderChart(QChartView* view, QPainter& painter, const QRectF& target, const QSize& logical);
    // The two charts one above the other instead of side by side.
    void SetStacked(bool stacked);
    // Every text of the charts (titles, axes, legend) in this size: a
    // report's charts print theirs readably.
    void SetTextPointSize(qreal points);
    Span CurrentSpan() const { return span; }

    // Number of curves drawn (for tests and the benchmark).
    int CurveCount() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The curves of one row of the model.
    struct Curves {
        QLineSeries* speed = nullptr;
        QLineSeries* distance = nullptr;
        QScatterSeries* speedMarks = nullptr;
        QScatterSeries* distanceMarks = nullptr;
        bool stale = false; // changed while the charts were out of sight
    };

    void rebuild();
    void insertRows(int first, int last);
    void removeRows(int first, int last);
    void rowsChanged(int first, int last);
    void fitDetailToCount();
    Curves newCurves(int row);
    void fillRow(int row);
    void fillStaleRows();
    void updateAxes();
    void applyPalette();
    const CarEvaluation& evaluationOf(int row) const;
    QString nameOf(int row) const;
    int rowOf(const QAbstractSeries* series) const;
    void showPointTip(const QAbstractSeries* series, bool speedChart, const QPointF& point, bool state);
    void showMarkTip(const QAbstractSeries* series, const QPointF& point, bool state);

    QPointer<QAbstractItemModel> cars;
    UnitSystem units = UnitSystem::Imperial;
    Span span = Span::WholeRun;
    QComboBox* spanBox;
    QBoxLayout* chartsLayout = nullptr;
    QChart* speedChart;
    QChart* distanceChart;
    QChartView* speedView;
    QChartView* distanceView;
    QValueAxis* speedTimeAxis;
    QValueAxis* speedAxis;
    QValueAxis* distanceTimeAxis;
    QValueAxis* distanceAxis;
    QList<Curves> curves; // by row of the model
    bool detailed = true; // smooth curves of every point, with a legend (few cars)
};
