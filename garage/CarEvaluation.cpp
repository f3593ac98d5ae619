// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarEvaluation.h"

#include "core/CarRun.h"
#include "core/DayRun.h"
#include "core/InputChecks.h"
#include "numbers/SplitFigures.h"

#include <algorithm>
#include <cmath>

QString CarEvaluation::Problem() const
{
    if (!rangeMessage.isEmpty())
        return rangeMessage;
    if (outcome == SimulationOutcome::TimeLimitReached)
        return ElapsedTimeMessage(stopTime);
    return QString();
}

namespace {

void addCurve(CarEvaluation& evaluation, const SimulationRecord& record, const Timeline& timeline, int samples)
{
    const SimulationResults& r = evaluation.results;
    const double rawTop = record.RawTopSpeedTime();
    const std::int64_t topStep = record.TopSpeedStep();
    const std::int64_t quarterStep = record.QuarterMileStep();
    const std::int64_t lastStep = std::max(quarterStep, topStep);
    std::vector<TrajectoryPoint> points = record.Trajectory(lastStep, samples);
    // The splits' steps among the points, so their marks lie on the curve.
    const auto splits = record.DistanceSplits(SplitSpeeds::SpeedTraps);
    for (const SplitPoint& split : splits) {
        const auto at = std::lower_bound(points.begin(), points.end(), split.step,
                                         [](const TrajectoryPoint& p, std::int64_t step) {
                                             return p.step < step;
                                         });
        if (split.step >= 0 && (at == points.end() || at->step != split.step))
            points.insert(at, record.PointAtStep(split.step));
    }

    // Each mark at its result's own time, where the law passed it.
    std::vector<MarkedPoint>& marks = evaluation.marks;
    marks.clear();
    auto markStep = [&](CurveMark mark, std::int64_t step, double resultTime) {
        if (step < 0)
            return;
        const TrajectoryPoint p = record.PointAtStep(step);
        marks.push_back({ mark, { resultTime, p.speed * MphPerFootPerSecond, p.distance } });
    };
    // The split times before the quarter mile, whose marks follow SixtyFoot
    // in the track's order.
    for (const SplitFigureInfo& f : SplitFigures)
        if (f.kind == SplitKind::Time && f.feet < SplitFigures.back().feet)
            markStep(static_cast<CurveMark>(static_cast<int>(CurveMark::SixtyFoot) + f.mark),
                     splits[static_cast<std::size_t>(f.mark)].step, evaluation.splits.*f.value);
    markStep(CurveMark::Sixty, record.SixtyMarkStep(), r.zeroToSixtyTime);
    markStep(CurveMark::Eighty, record.EightyMarkStep(), r.zeroToEightyTime);
    markStep(CurveMark::Hundred, record.HundredMarkStep(), r.zeroToHundredTime);
    markStep(CurveMark::QuarterMile, quarterStep, r.quarterMileTime);
    marks.push_back({ CurveMark::TopSpeed, { r.topSpeedTime, r.topSpeed, r.topSpeedDistance } });

    // Standing still while the wheels spin, then the law on the timeline,
    // the law's peak itself among its points.
    std::vector<CurvePoint>& curve = evaluation.curve;
    curve.clear();
    curve.reserve(points.size() + 2);
    curve.push_back({ 0, 0, 0 });
    const CurvePoint peak{ timeline.ElapsedAt(rawTop), r.topSpeed, r.topSpeedDistance };
    bool peakPlaced = false;
    for (const TrajectoryPoint& p : points) {
        if (!peakPlaced && p.time > rawTop) {
            evaluation.peakIndex = curve.size();
            curve.push_back(peak);
            peakPlaced = true;
        }
        curve.push_back({ timeline.ElapsedAt(p.time), p.speed * MphPerFootPerSecond, p.distance });
    }
    if (!peakPlaced) {
        evaluation.peakIndex = curve.size();
        curve.push_back(peak);
    }
    evaluation.peaksBeforeQuarterMile = rawTop < record.StepTime(quarterStep);
}

CarEvaluation evaluate(const CarInputs& inputs, const AirFigures& air, int curveSamples, bool withCurve)
{
    CarEvaluation evaluation;
    evaluation.inputs = inputs;
    evaluation.air = air;
    evaluation.horsepowerOnDay = HorsepowerOnDay(inputs.horsepower, air);
    for (EstimateRule rule : AllEstimateRules) {
        EstimatePair& pair = evaluation.estimates[static_cast<int>(rule)];
        pair.elapsedTime = EstimatedElapsedTime(rule, inputs.carWeight, evaluation.horsepowerOnDay);
        pair.trapSpeed = EstimatedTrapSpeed(rule, inputs.carWeight, evaluation.horsepowerOnDay);
    }
    evaluation.rangeMessage = RangeMessage(inputs);
    if (!evaluation.rangeMessage.isEmpty())
        return evaluation;

    SimulationRecord record = RecordOnDay(inputs, air);
    record.RunSimulation({});
    const DayResults day = DayResultsOf(record, air);
    evaluation.outcome = day.run.outcome;
    evaluation.stopTime = day.run.stopTime;
    evaluation.results = day.run.results;
    if (evaluation.outcome != SimulationOutcome::Finished)
        return evaluation;
    evaluation.splits = day.splits;
    const std::int64_t hundredKmhStep = record.FirstStepAboveSpeed(HundredKmhInMph * FeetPerSecondPerMph);
    if (hundredKmhStep >= 0)
        evaluation.zeroToHundredKmhTime = day.timeline.ElapsedAt(record.StepTime(hundredKmhStep));
    if (withCurve)
        addCurve(evaluation, record, day.timeline, curveSamples);
    return evaluation;
}

} // namespace

CarEvaluation EvaluateCar(const CarInputs& inputs, const AirFigures& air, int curveSamples)
{
    return evaluate(inputs, air, curveSamples, true);
}

CarEvaluation EvaluateNumbers(const CarInputs& inputs, const AirFigures& air)
{
    return evaluate(inputs, air, 0, false);
}
