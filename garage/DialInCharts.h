// SPDX-License-Identifier: GPL-3.0-or-later
// DialInCharts: a car's runs as a racer dials in from them. One chart of
// the quarter-mile time and speed against the density altitude of each
// run's day, with the straight line of least squares through the runs the
// fit uses (its slope is what a change of air is worth); one of the time,
// as run and corrected to the standard day, against the date.
//
// In: every run of the car and the runs the fit uses (logbook/TimeSlip.h);
// the figures come from each run's weather (logbook/DialInFigures.h). Out:
// the two charts and a sentence with the lines' slopes in the user's
// locale. A run without its weather is left off the altitude chart, one
// without a date off the date chart. The widget is the altitude chart with
// its sentence; the date chart is a view of its own, for a page to place
// (the logbook page gives each a tab). Both follow the window's palette.
#pragma once

#include "numbers/DialIn.h"

#include <QList>
#include <QWidget>

#include <optional>

class QChart;
class QChartView;
class QDateTimeAxis;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QValueAxis;
struct TimeSlip;

class DialInCharts : public QWidget
{
    Q_OBJECT

public:
    // The date chart's view is a child of `parent` too.
    explicit DialInCharts(QWidget* parent);

    // Shows `runs`; the lines go through `fitted` (some or all of them).
    void SetRuns(const QList<TimeSlip>& runs, const QList<TimeSlip>& fitted);

    QChartView* AltitudeView() const { return altitudeView; }
    QChartView* DateView() const { return dateView; }
    QLabel* SlopeLabel() const { return slopeLabel; }
    // The fitted lines of the time (s) and the speed (mph) against the
    // density altitude (ft); none with fewer than two fitted runs of
    // different air.
    const std::optional<StraightLine>& TimeLine() const { return timeLine; }
    const std::optional<StraightLine>& SpeedLine() const { return speedLine; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyPalette();
    void fitAxes();

    QChart* altitudeChart;
    QChartView* altitudeView;
    QValueAxis* altitudeAxis;
    QValueAxis* timeAxis;
    QValueAxis* speedAxis;
    QScatterSeries* times;
    QScatterSeries* speeds;
    QLineSeries* timeFit;
    QLineSeries* speedFit;
    QChart* dateChart;
    QChartView* dateView;
    QDateTimeAxis* dateAxis;
    QValueAxis* dateTimeAxis;
    QLineSeries* timesByDate;
    QLineSeries* correctedByDate;
    QLabel* slopeLabel;
    std::optional<StraightLine> timeLine;
    std::optional<StraightLine> speedLine;
};
