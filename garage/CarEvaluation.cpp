// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarEvaluation.h"

#include "core/CarRun.h"
#include "core/DayRun.h"
#include "core/InputChecks.h"
#include "core/RoadRun.h"
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

void addEstimates(CarEvaluation& evaluation)
{
    for (EstimateRule rule : AllEstimateRules) {
        EstimatePair& pair = evaluation.estimates[static_cast<int>(rule)];
        pair.elapsedTime = EstimatedElapsedTime(rule, evaluation.inputs.carWeight, evaluation.horsepowerOnDay);
        pair.trapSpeed = EstimatedTrapSpeed(rule, evaluation.inputs.carWeight, evaluation.horsepowerOnDay);
    }
}

// The run's outcome and figures; whether it finished.
bool takeRun(CarEvaluation& evaluation, const DayResults& day)
{
    evaluation.outcome = day.run.outcome;
    evaluation.stopTime = day.run.stopTime;
    evaluation.results = day.run.results;
    if (evaluation.outcome != SimulationOutcome::Finished)
        return false;
    evaluation.splits = day.splits;
    return true;
}

CarEvaluation evaluate(const CarInputs& inputs, const AirFigures& air, int curveSamples, bool withCurve)
{
    CarEvaluation evaluation;
    evaluation.inputs = inputs;
    evaluation.air = air;
    evaluation.horsepowerOnDay = HorsepowerOnDay(inputs.horsepower, air);
    addEstimates(evaluation);
    evaluation.rangeMessage = RangeMessage(inputs);
    if (!evaluation.rangeMessage.isEmpty())
        return evaluation;

    SimulationRecord record = RecordOnDay(inputs, air);
    record.RunSimulation({});
    const DayResults day = DayResultsOf(record, air);
    if (!takeRun(evaluation, day))
        return evaluation;
    const std::int64_t hundredKmhStep = record.FirstStepAboveSpeed(HundredKmhInMph * FeetPerSecondPerMph);
    if (hundredKmhStep >= 0)
        evaluation.zeroToHundredKmhTime = day.timeline.ElapsedAt(record.StepTime(hundredKmhStep));
    if (withCurve)
        addCurve(evaluation, record, day.timeline, curveSamples);
    return evaluation;
}

// A point of the road run's trajectory between its points, by the elapsed
// time (from the rollout), or by the speed (ft/s); straight lines between
// the model's points, as the chart draws them.
CurvePoint roadPointAt(const RoadRun& run, double elapsed)
{
    const std::vector<RoadPoint>& points = run.Trajectory();
    const double t = elapsed + run.RolloutTime();
    const auto after = std::lower_bound(points.begin(), points.end(), t,
                                        [](const RoadPoint& p, double time) { return p.time < time; });
    if (after == points.begin() || after == points.end()) {
        const RoadPoint& p = after == points.end() ? points.back() : points.front();
        return { elapsed, p.speed * MphPerFootPerSecond, p.distance };
    }
    const RoadPoint& a = *(after - 1);
    const RoadPoint& b = *after;
    const double share = b.time > a.time ? (t - a.time) / (b.time - a.time) : 0;
    return { elapsed, (a.speed + share * (b.speed - a.speed)) * MphPerFootPerSecond,
             a.distance + share * (b.distance - a.distance) };
}

// The elapsed time at which the road run first reaches a speed (ft/s); a
// negative time when it never does.
double roadTimeAtSpeed(const RoadRun& run, double speed)
{
    const std::vector<RoadPoint>& points = run.Trajectory();
    for (std::size_t i = 1; i < points.size(); ++i) {
        const RoadPoint& a = points[i - 1];
        const RoadPoint& b = points[i];
        if (b.speed >= speed && b.speed > a.speed) {
            const double share = std::clamp((speed - a.speed) / (b.speed - a.speed), 0.0, 1.0);
            return a.time + share * (b.time - a.time) - run.RolloutTime();
        }
    }
    return -1;
}

void addRoadCurve(CarEvaluation& evaluation, const RoadRun& run)
{
    const SimulationResults& r = evaluation.results;
    std::vector<MarkedPoint>& marks = evaluation.marks;
    marks.clear();
    auto mark = [&](CurveMark kind, double elapsed) {
        if (elapsed > 0)
            marks.push_back({ kind, roadPointAt(run, elapsed) });
    };
    for (const SplitFigureInfo& f : SplitFigures)
        if (f.kind == SplitKind::Time && f.feet < SplitFigures.back().feet)
            mark(static_cast<CurveMark>(static_cast<int>(CurveMark::SixtyFoot) + f.mark), evaluation.splits.*f.value);
    mark(CurveMark::Sixty, r.zeroToSixtyTime);
    mark(CurveMark::Eighty, r.zeroToEightyTime);
    mark(CurveMark::Hundred, r.zeroToHundredTime);
    mark(CurveMark::QuarterMile, r.quarterMileTime);
    mark(CurveMark::TopSpeed, r.topSpeedTime);

    // The trajectory from the rollout on, with the marks, the shifts and
    // the end of the traction-limited launch among its points.
    std::vector<CurvePoint>& curve = evaluation.curve;
    curve.clear();
    curve.push_back(roadPointAt(run, 0));
    for (const RoadPoint& p : run.Trajectory())
        if (p.time > run.RolloutTime())
            curve.push_back({ p.time - run.RolloutTime(), p.speed * MphPerFootPerSecond, p.distance });
    for (const RoadShift& shift : run.Shifts())
        if (shift.time > run.RolloutTime())
            mark(CurveMark::GearChange, shift.time - run.RolloutTime());
    for (const MarkedPoint& m : marks)
        curve.push_back(m.point);
    const double tractionEnd = run.TractionLimitedUntil() > 0 ? roadTimeAtSpeed(run, run.TractionLimitedUntil()) : -1;
    if (tractionEnd > 0)
        curve.push_back(roadPointAt(run, tractionEnd));
    std::stable_sort(curve.begin(), curve.end(),
                     [](const CurvePoint& a, const CurvePoint& b) { return a.time < b.time; });
    curve.erase(std::unique(curve.begin(), curve.end(),
                            [](const CurvePoint& a, const CurvePoint& b) { return a.time == b.time; }),
                curve.end());
    // A mark must be a point of the curve as it is (the quarter mile ends
    // the quarter-mile span there).
    for (MarkedPoint& m : marks)
        for (const CurvePoint& p : curve)
            if (p.time == m.point.time)
                m.point = p;
    if (tractionEnd > 0)
        evaluation.tractionLimitedPoints = static_cast<std::size_t>(
            std::upper_bound(curve.begin(), curve.end(), tractionEnd,
                             [](double time, const CurvePoint& p) { return time < p.time; })
            - curve.begin());
    // The road model holds its top speed: the curve never passes a peak.
    evaluation.peakIndex = curve.size() - 1;
    evaluation.peaksBeforeQuarterMile = false;
}

CarEvaluation evaluateRoad(const ModelCar& car, const AirFigures& air, bool withCurve)
{
    CarEvaluation evaluation;
    evaluation.model = CarModel::Road;
    evaluation.inputs = car.inputs;
    evaluation.air = air;
    const RoadCar roadCar = RoadCarOf(car);
    evaluation.rangeMessage = RoadRangeMessage(roadCar);
    const RoadRun run = RunRoadModel(roadCar, RoadDayOf(air));
    const DayResults day = DayResultsOf(run, air);
    evaluation.horsepowerOnDay = run.Outcome() == RoadOutcome::InvalidInputs
                                     ? HorsepowerOnDay(car.inputs.horsepower, air)
                                     : day.horsepower;
    addEstimates(evaluation);
    if (!evaluation.rangeMessage.isEmpty() || !takeRun(evaluation, day))
        return evaluation;
    const double hundredKmh = roadTimeAtSpeed(run, HundredKmhInMph * FeetPerSecondPerMph);
    if (hundredKmh > 0)
        evaluation.zeroToHundredKmhTime = hundredKmh;
    if (withCurve)
        addRoadCurve(evaluation, run);
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

CarEvaluation EvaluateCar(const ModelCar& car, const AirFigures& air, CarModel model, int curveSamples)
{
    if (model == CarModel::Classic)
        return evaluate(car.inputs, air, curveSamples, true);
    return evaluateRoad(car, air, true);
}

CarEvaluation EvaluateNumbers(const ModelCar& car, const AirFigures& air, CarModel model)
{
    if (model == CarModel::Classic)
        return evaluate(car.inputs, air, 0, false);
    return evaluateRoad(car, air, false);
}
