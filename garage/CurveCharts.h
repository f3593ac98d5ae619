// CurveCharts: speed against time and distance against time for a set of
// cars, overlaid, each curve marked at 60, 80 and 100 mph, the quarter mile
// and the top speed. The points are the engine's own (CarEvaluation), so
// every curve passes through its car's results; hovering a curve or a mark
// tells its time and value. The charts follow the window's palette and the
// chosen units.
#pragma once

#include "garage/Units.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QWidget>

class CarList;
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

    explicit CurveCharts(CarList* cars, QWidget* parent = nullptr);

    // Only these cars; an empty list shows every car.
    void SetCarFilter(const QList<int>& carIds);
    void SetUnitSystem(UnitSystem units);
    void SetSpan(Span span);

    QChartView* SpeedView() const { return speedView; }
    QChartView* DistanceView() const { return distanceView; }
    // Both charts side by side, as one picture.
    QImage Picture(const QSize& size, qreal devicePixelRatio = 1);
    // Draws one chart, laid out at `logical` size, into `target`; works
    // for charts that are not on screen too.
    static void RenderChart(QChartView* view, QPainter& painter, const QRectF& target, const QSize& logical);
    // The two charts one above the other instead of side by side.
    void SetStacked(bool stacked);

    // Number of curves drawn (for tests and the benchmark).
    int CurveCount() const;

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Curves {
        QLineSeries* speed = nullptr;
        QLineSeries* distance = nullptr;
        QScatterSeries* speedMarks = nullptr;
        QScatterSeries* distanceMarks = nullptr;
    };

    void rebuild();
    void catchUp();
    void updateCar(int index);
    void fillCar(int index, const Curves& curves);
    void updateAxes();
    void applyPalette();
    bool shows(int carId) const;
    void showPointTip(int carId, bool speedChart, const QPointF& point, bool state);
    void showMarkTip(int carId, bool speedChart, const QPointF& point, bool state);

    QPointer<CarList> cars;
    QList<int> filter;
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
    QHash<int, Curves> curvesById;
    QSet<int> staleIds; // cars changed while the charts were out of sight
};
