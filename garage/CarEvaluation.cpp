#include "garage/CarEvaluation.h"

#include "core/CarRun.h"
#include "core/InputChecks.h"

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

// Where the raw time of the law meets the elapsed time of the results.
struct Knot {
    double raw;
    double elapsed;
};

double elapsedAt(const std::vector<Knot>& knots, double raw)
{
    for (const Knot& k : knots)
        if (k.raw == raw)
            return k.elapsed;
    if (raw <= knots.front().raw)
        return knots.front().elapsed + (raw - knots.front().raw);
    for (std::size_t i = 1; i < knots.size(); ++i) {
        const Knot& a = knots[i - 1];
        const Knot& b = knots[i];
        if (raw <= b.raw) {
            if (b.raw == a.raw)
                return b.elapsed;
            const double share = (raw - a.raw) / (b.raw - a.raw);
            return a.elapsed + share * (b.elapsed - a.elapsed);
        }
    }
    return knots.back().elapsed + (raw - knots.back().raw);
}

void addCurve(CarEvaluation& evaluation, const SimulationRecord& record, int samples)
{
    const CarInputs& car = evaluation.inputs;
    const SimulationResults& r = evaluation.results;
    const double rawTop = record.RawTopSpeedTime();
    const long topStep = record.TopSpeedStep();
    const long lastStep = std::max(record.QuarterMileStep(), topStep);
    const std::vector<TrajectoryPoint> points = record.Trajectory(lastStep, samples);

    // The knots: the start after the spin, every mark passed, the quarter
    // mile and the top speed, each at its result's time.
    std::vector<Knot> knots;
    knots.push_back({ 0, car.spinTime });
    std::vector<MarkedPoint> marks;
    auto markStep = [&](CurveMark mark, long step, double resultTime) {
        if (step < 0)
            return;
        for (const TrajectoryPoint& p : points) {
            if (p.step == step) {
                knots.push_back({ p.time, resultTime });
                marks.push_back({ mark, { resultTime, p.speed * MphPerFootPerSecond, p.distance } });
                return;
            }
        }
    };
    markStep(CurveMark::Sixty, record.SixtyMarkStep(), r.zeroToSixtyTime);
    markStep(CurveMark::Eighty, record.EightyMarkStep(), r.zeroToEightyTime);
    markStep(CurveMark::Hundred, record.HundredMarkStep(), r.zeroToHundredTime);
    markStep(CurveMark::QuarterMile, record.QuarterMileStep(), r.quarterMileTime);
    knots.push_back({ rawTop, r.topSpeedTime });
    marks.push_back({ CurveMark::TopSpeed, { r.topSpeedTime, r.topSpeed, r.topSpeedDistance } });
    std::stable_sort(knots.begin(), knots.end(),
                     [](const Knot& a, const Knot& b) { return a.raw < b.raw; });

    // Standing still while the wheels spin, then the law.
    std::vector<CurvePoint>& curve = evaluation.curve;
    curve.clear();
    curve.reserve(points.size() + 2);
    curve.push_back({ 0, 0, 0 });
    bool topPlaced = false;
    for (const TrajectoryPoint& p : points) {
        if (!topPlaced && p.time > rawTop) {
            evaluation.peakIndex = curve.size();
            curve.push_back(marks.back().point);
            topPlaced = true;
        }
        curve.push_back({ elapsedAt(knots, p.time), p.speed * MphPerFootPerSecond, p.distance });
    }
    if (!topPlaced) {
        evaluation.peakIndex = curve.size();
        curve.push_back(marks.back().point);
    }
    evaluation.marks = std::move(marks);
    evaluation.peaksBeforeQuarterMile = rawTop < record.StepTime(record.QuarterMileStep());
}

CarEvaluation evaluate(const CarInputs& inputs, int curveSamples, bool withCurve)
{
    CarEvaluation evaluation;
    evaluation.inputs = inputs;
    for (EstimateRule rule : AllEstimateRules) {
        EstimatePair& pair = evaluation.estimates[static_cast<int>(rule)];
        pair.elapsedTime = EstimatedElapsedTime(rule, inputs.carWeight, inputs.horsepower);
        pair.trapSpeed = EstimatedTrapSpeed(rule, inputs.carWeight, inputs.horsepower);
    }
    evaluation.rangeMessage = RangeMessage(inputs);
    if (!evaluation.rangeMessage.isEmpty())
        return evaluation;

    SimulationRecord record = RecordFor(inputs);
    record.RunSimulation({});
    evaluation.outcome = record.Outcome();
    bool limitReached = false;
    record.GetStopState(limitReached, evaluation.stopTime);
    evaluation.results = record.Results();
    if (evaluation.outcome != SimulationOutcome::Finished)
        return evaluation;

    const double shiftTime = QuarterMileShiftTime(inputs.quarterMileShifts);
    const long eighthStep = record.FirstStepAtDistance(EighthMileFeet);
    if (eighthStep >= 0) {
        const TrajectoryPoint p = record.PointAtStep(eighthStep);
        evaluation.eighthMileTime = p.time + shiftTime + inputs.spinTime;
        evaluation.eighthMileSpeed = p.speed * MphPerFootPerSecond;
    }
    const long hundredKmhStep = record.FirstStepAboveSpeed(HundredKmhInMph * (22.0 / 15.0));
    if (hundredKmhStep >= 0)
        evaluation.zeroToHundredKmhTime =
            record.StepTime(hundredKmhStep) + 0.5 * shiftTime + inputs.spinTime;

    if (withCurve)
        addCurve(evaluation, record, curveSamples);
    return evaluation;
}

} // namespace

CarEvaluation EvaluateCar(const CarInputs& inputs, int curveSamples)
{
    return evaluate(inputs, curveSamples, true);
}

CarEvaluation EvaluateNumbers(const CarInputs& inputs)
{
    return evaluate(inputs, 0, false);
}
