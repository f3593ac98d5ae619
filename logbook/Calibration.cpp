// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/Calibration.h"

#include "core/InputChecks.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The texts' translations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Calibration)
};

constexpr double Infinite = std::numeric_limits<double>::infinity();

// The figures the fit counts, with the split that predicts each.
struct FittedFigure {
    RunNumber given;
    double SplitTimes::*predicted;
    bool time; // a time (which the spin time lengthens) or a speed
};

constexpr std::array<FittedFigure, 5> FittedFigures = { {
    { &LoggedRun::sixtyFootTime, &SplitTimes::sixtyFootTime, true },
    { &LoggedRun::eighthMileTime, &SplitTimes::eighthMileTime, true },
    { &LoggedRun::eighthMileSpeed, &SplitTimes::eighthMileSpeed, false },
    { &LoggedRun::quarterMileTime, &SplitTimes::quarterMileTime, true },
    { &LoggedRun::quarterMileSpeed, &SplitTimes::quarterMileSpeed, false },
} };

// The split of the model that a field of the slip is compared with; nullptr
// for the fields that are not splits.
double SplitTimes::*splitOf(RunField field)
{
    switch (field) {
    case RunField::SixtyFootTime: return &SplitTimes::sixtyFootTime;
    case RunField::ThreeThirtyFootTime: return &SplitTimes::threeThirtyFootTime;
    case RunField::EighthMileTime: return &SplitTimes::eighthMileTime;
    case RunField::EighthMileSpeed: return &SplitTimes::eighthMileSpeed;
    case RunField::ThousandFootTime: return &SplitTimes::thousandFootTime;
    case RunField::QuarterMileTime: return &SplitTimes::quarterMileTime;
    case RunField::QuarterMileSpeed: return &SplitTimes::quarterMileSpeed;
    default: return nullptr;
    }
}

// The runs of a fit, each with its day's air worked out once.
struct FitRun {
    const LoggedRun* run;
    AirFigures air;
};

// The sum of squares as a function of the horsepower, with the best spin
// time for that horsepower.
//
// The car is run with spin time 0; every elapsed time of the run is its raw
// time plus a loss of time that is the spin time plus a share of the shift
// time (core/Timeline), so the spin time s lengthens every time by s and
// leaves the speeds alone. For a horsepower the sum of squares is then a
// parabola in s, least at the mean of the given less the predicted times
// (all times weigh alike), and held at 0 when that mean is below it.
struct ProfilePoint {
    double sumOfSquares = Infinite; // infinite when a run does not finish
    double spinTime = 0;            // the best spin time, 0 or more
    double freeSpinTime = 0;        // the best spin time without the bound
    int figures = 0;
};

class Profile {
public:
    Profile(const CarInputs& typed, const std::vector<FitRun>& given) : car(typed), runs(given)
    {
        car.spinTime = 0;
    }

    ProfilePoint At(double horsepower)
    {
        car.horsepower = horsepower;
        timeDifferences.clear();
        double speedSquares = 0;
        ProfilePoint point;
        for (const FitRun& r : runs) {
            const DayResults day = RunCarOnDay(car, r.air);
            if (!day.run.Finished())
                return point;
            for (const FittedFigure& f : FittedFigures) {
                const std::optional<double>& given = r.run->*f.given;
                if (!given)
                    continue;
                const double predicted = day.splits.*f.predicted;
                if (f.time) {
                    timeDifferences.push_back(*given - predicted);
                } else {
                    const double d = (predicted - *given) / FitScale::Speed;
                    speedSquares += d * d;
                }
                ++point.figures;
            }
        }
        double sum = 0;
        for (double d : timeDifferences)
            sum += d;
        point.freeSpinTime = timeDifferences.empty() ? 0 : sum / static_cast<double>(timeDifferences.size());
        point.spinTime = std::max(0.0, point.freeSpinTime);
        double timeSquares = 0;
        for (double d : timeDifferences) {
            const double r = (point.spinTime - d) / FitScale::Time;
            timeSquares += r * r;
        }
        point.sumOfSquares = timeSquares + speedSquares;
        return point;
    }

private:
    CarInputs car;
    const std::vector<FitRun>& runs;
    std::vector<double> timeDifferences;
};

// The search's result: the horsepower and the profile there.
struct Search {
    bool found = false;
    double horsepower = 0;
    ProfilePoint point;
    bool atLowest = false;
    bool atHighest = false;
};

// The horsepower of least sum of squares, on the scale x = ln(horsepower)
// between the limits: from the typed horsepower, steps of growing length
// downhill until the sum of squares rises again (a run that does not finish
// counts as infinitely far off), then golden-section search inside that
// bracket down to a relative width of 1e-7 in the horsepower.
Search searchHorsepower(const CarInputs& typed, const std::vector<FitRun>& runs)
{
    Profile profile(typed, runs);
    const double lowest = std::log(FitLimits::LowestHorsepower);
    const double highest = std::log(FitLimits::HighestHorsepower);
    auto f = [&profile](double x) { return profile.At(std::exp(x)).sumOfSquares; };
    constexpr double FirstStep = 0.22314355131420976; // ln 1.25
    constexpr double Growth = 1.618034;
    constexpr double Width = 1e-7;

    double a = std::isfinite(typed.horsepower) && typed.horsepower > 0
                   ? std::clamp(std::log(typed.horsepower), lowest, highest)
                   : std::log(200.0);
    double fa = f(a);
    // A car that does not finish on every day needs more power: walk up.
    for (double step = FirstStep; !std::isfinite(fa) && a < highest; step *= 2) {
        a = std::min(highest, a + step);
        fa = f(a);
    }
    Search search;
    if (!std::isfinite(fa))
        return search;

    // The first step goes up, or down when up is no better; when neither is
    // better, the start lies between them.
    double direction = 1;
    double b = std::min(highest, a + FirstStep);
    double fb = b == a ? Infinite : f(b);
    double c = b;
    double fc = fb;
    bool walk = fb < fa;
    if (!walk) {
        direction = -1;
        b = std::max(lowest, a - FirstStep);
        fb = b == a ? Infinite : f(b);
        walk = fb < fa;
        if (!walk) {
            std::swap(a, b);
            std::swap(fa, fb);
        }
    }
    // Walk on while the sum of squares falls.
    if (walk) {
        for (double step = FirstStep * Growth;; step *= Growth) {
            c = std::clamp(b + direction * step, lowest, highest);
            fc = c == b ? Infinite : f(c);
            if (!(fc < fb))
                break;
            a = b;
            fa = fb;
            b = c;
            fb = fc;
        }
    }
    // Now fb is the least of fa, fb, fc, with b between a and c (or at the
    // end of the search).
    double low = std::min(a, c);
    double high = std::max(a, c);
    double x = b;
    double fx = fb;
    constexpr double InverseGolden = 0.6180339887498949;
    double u = high - InverseGolden * (high - low);
    double v = low + InverseGolden * (high - low);
    double fu = f(u);
    double fv = f(v);
    while (high - low > Width) {
        if (fu <= fv) {
            high = v;
            v = u;
            fv = fu;
            u = high - InverseGolden * (high - low);
            fu = f(u);
        } else {
            low = u;
            u = v;
            fu = fv;
            v = low + InverseGolden * (high - low);
            fv = f(v);
        }
    }
    for (const auto& [point, value] : { std::pair{ u, fu }, std::pair{ v, fv } }) {
        if (value < fx) {
            x = point;
            fx = value;
        }
    }
    search.found = true;
    search.horsepower = std::exp(x);
    search.point = profile.At(search.horsepower);
    search.atLowest = x - lowest < 2 * Width;
    search.atHighest = highest - x < 2 * Width;
    return search;
}

std::vector<FitRun> fitRuns(const QList<LoggedRun>& runs)
{
    std::vector<FitRun> fit;
    fit.reserve(static_cast<std::size_t>(runs.size()));
    for (const LoggedRun& run : runs)
        fit.push_back({ &run, FiguresFor(AirOfRun(run)) });
    return fit;
}

QString runsProblem(const QList<LoggedRun>& runs)
{
    if (runs.isEmpty())
        return Text::tr("There are no runs to fit the car to.");
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const QString problem = RunProblem(runs[i]);
        if (!problem.isEmpty())
            return Text::tr("Run %1 cannot be fitted to: %2").arg(i + 1).arg(problem);
    }
    return {};
}

// Why no horsepower lets the car finish on the runs' days. A typed value
// outside the checks' ranges (an absurd one: 0, infinite, 1e308), among those
// the fit keeps, is named as such: the car then cannot run, which is no
// finding about its power.
QString notFinishedMessage(const CarInputs& typed)
{
    for (const InputField field : AllInputFields) {
        if (field == InputField::Horsepower || field == InputField::SpinTime)
            continue;
        const QString range = FieldRangeMessage(typed, field);
        if (!range.isEmpty())
            return Text::tr("The car cannot be fitted to the runs: %1.").arg(range);
    }
    return Text::tr("The car does not finish the quarter mile on the runs' days at any horsepower "
                    "up to %1 hp.")
        .arg(FitLimits::HighestHorsepower, 0, 'f', 0);
}

// The note for a spin time held at 0: the quarter-mile shifts the model was
// given, and the most of fewer shifts (down to 1) with which the best spin
// time would not be below 0.
QString spinTimeNote(const CarInputs& typed, const std::vector<FitRun>& runs)
{
    const int shifts = typed.quarterMileShifts;
    for (int fewer = shifts - 1; fewer >= 1; --fewer) {
        CarInputs car = typed;
        car.quarterMileShifts = fewer;
        const Search search = searchHorsepower(car, runs);
        if (search.found && search.point.freeSpinTime >= 0)
            return Text::tr("The spin time is held at 0 s: the model cannot reach these elapsed "
                            "times with %1 quarter-mile shifts; with %2 it can.")
                .arg(shifts)
                .arg(fewer);
    }
    if (shifts == 1)
        return Text::tr("The spin time is held at 0 s: the model cannot reach these elapsed "
                        "times with 1 quarter-mile shift.");
    return Text::tr("The spin time is held at 0 s: the model cannot reach these elapsed times "
                    "with %1 quarter-mile shifts, nor with fewer.")
        .arg(shifts);
}

FigureError errorOf(const std::vector<double>& differences)
{
    FigureError error;
    error.runs = static_cast<int>(differences.size());
    if (differences.empty())
        return error;
    double absolute = 0;
    double sum = 0;
    double squares = 0;
    for (double d : differences) {
        absolute += std::abs(d);
        sum += d;
        squares += d * d;
    }
    const double n = static_cast<double>(differences.size());
    error.meanAbsolute = absolute / n;
    error.bias = sum / n;
    error.rootMeanSquare = std::sqrt(squares / n);
    return error;
}

std::optional<double> bandOf(const FigureError& error)
{
    if (error.runs < LeastRunsForBand)
        return std::nullopt;
    return error.rootMeanSquare;
}

} // namespace

AirConditions AirOfRun(const LoggedRun& run)
{
    AirConditions air;
    air.temperature = run.temperature.value_or(StandardDay::Temperature);
    air.pressure = run.pressure.value_or(StandardDay::Pressure);
    air.humidity = run.humidity.value_or(StandardDay::Humidity);
    return air;
}

std::optional<double> SlipFigure::Difference() const
{
    if (!given)
        return std::nullopt;
    return predicted - *given;
}

RunResidual ResidualOf(const LoggedRun& run, const AirConditions& air, const DayResults& model)
{
    RunResidual residual;
    residual.air = air;
    residual.finished = model.run.Finished();
    const SplitTimes& s = model.splits;
    residual.sixtyFootTime = { run.sixtyFootTime, s.sixtyFootTime };
    residual.threeThirtyFootTime = { run.threeThirtyFootTime, s.threeThirtyFootTime };
    residual.eighthMileTime = { run.eighthMileTime, s.eighthMileTime };
    residual.eighthMileSpeed = { run.eighthMileSpeed, s.eighthMileSpeed };
    residual.thousandFootTime = { run.thousandFootTime, s.thousandFootTime };
    residual.quarterMileTime = { run.quarterMileTime, s.quarterMileTime };
    residual.quarterMileSpeed = { run.quarterMileSpeed, s.quarterMileSpeed };
    return residual;
}

CarFit FitCar(const CarInputs& typed, const QList<LoggedRun>& runs)
{
    CarFit fit;
    fit.typed = typed;
    fit.car = typed;
    fit.message = runsProblem(runs);
    if (!fit.message.isEmpty()) {
        fit.outcome = runs.isEmpty() ? FitOutcome::NoRuns : FitOutcome::RunRefused;
        return fit;
    }
    const std::vector<FitRun> fitted = fitRuns(runs);
    const Search search = searchHorsepower(typed, fitted);
    if (!search.found) {
        fit.outcome = FitOutcome::NotFinished;
        fit.message = notFinishedMessage(typed);
        return fit;
    }
    fit.outcome = FitOutcome::Fitted;
    fit.horsepower = search.horsepower;
    fit.spinTime = search.point.spinTime;
    fit.car.horsepower = fit.horsepower;
    fit.car.spinTime = fit.spinTime;

    // Each run's slip beside the fitted car's own run that day (not the
    // profile's run with spin time 0 plus the spin time), and the sum of
    // squares of those.
    fit.runs.reserve(fitted.size());
    for (const FitRun& r : fitted) {
        const DayResults day = RunCarOnDay(fit.car, r.air);
        fit.runs.push_back(ResidualOf(*r.run, r.air.conditions, day));
        for (const FittedFigure& f : FittedFigures) {
            const std::optional<double>& given = r.run->*f.given;
            if (!given)
                continue;
            const double d =
                (day.splits.*f.predicted - *given) / (f.time ? FitScale::Time : FitScale::Speed);
            fit.sumOfSquares += d * d;
            ++fit.figures;
        }
    }

    fit.rangeMessage = RangeMessage(fit.car);
    fit.horsepowerRangeMessage = FieldRangeMessage(fit.car, InputField::Horsepower);
    fit.spinTimeRangeMessage = FieldRangeMessage(fit.car, InputField::SpinTime);

    if (search.point.freeSpinTime < 0)
        fit.boundNotes << spinTimeNote(typed, fitted);
    if (search.atLowest || search.atHighest)
        fit.boundNotes << Text::tr("The horsepower is held at the end of the search, %1 hp.")
                              .arg(search.atLowest ? FitLimits::LowestHorsepower
                                                   : FitLimits::HighestHorsepower,
                                   0, 'f', 0);
    return fit;
}

FigureError LeaveOneOutError(const Calibration& calibration, RunField field)
{
    const RunNumber given = NumberMember(field);
    double SplitTimes::*predicted = splitOf(field);
    std::vector<double> differences;
    if (!given || !predicted)
        return {};
    for (const LeftOutRun& left : calibration.leftOut) {
        const std::optional<double>& value = calibration.runs[left.run].*given;
        if (!left.fitted || !value)
            continue;
        differences.push_back(left.onDay.*predicted - *value);
    }
    return errorOf(differences);
}

Calibration Calibrate(const CarInputs& typed, const QList<LoggedRun>& runs)
{
    Calibration calibration;
    calibration.runs = runs;
    calibration.fit = FitCar(typed, runs);
    if (!calibration.fit.Fitted()) {
        calibration.band.message = calibration.fit.message;
        return calibration;
    }
    if (runs.size() < LeastRunsForBand) {
        calibration.band.message =
            Text::tr("With fewer than three runs no error band can be given.");
        return calibration;
    }

    const std::vector<FitRun> all = fitRuns(calibration.runs);
    std::vector<FitRun> others;
    others.reserve(all.size() - 1);
    const AirFigures standardDay = FiguresFor(AirConditions());
    for (std::size_t i = 0; i < all.size(); ++i) {
        others.clear();
        for (std::size_t j = 0; j < all.size(); ++j)
            if (j != i)
                others.push_back(all[j]);
        LeftOutRun left;
        left.run = static_cast<int>(i);
        const Search search = searchHorsepower(typed, others);
        left.fitted = search.found;
        if (search.found) {
            CarInputs car = typed;
            car.horsepower = search.horsepower;
            car.spinTime = search.point.spinTime;
            left.horsepower = car.horsepower;
            left.spinTime = car.spinTime;
            const DayResults day = RunCarOnDay(car, all[i].air);
            left.fitted = day.run.Finished();
            left.onDay = day.splits;
            left.onStandardDay = RunCarOnDay(car, standardDay).splits;
        }
        calibration.leftOut.push_back(left);
    }
    ErrorBand& band = calibration.band;
    band.quarterMileTime = LeaveOneOutError(calibration, RunField::QuarterMileTime);
    band.quarterMileSpeed = LeaveOneOutError(calibration, RunField::QuarterMileSpeed);
    band.eighthMileTime = LeaveOneOutError(calibration, RunField::EighthMileTime);
    band.eighthMileSpeed = LeaveOneOutError(calibration, RunField::EighthMileSpeed);
    return calibration;
}

Prediction Predict(const Calibration& calibration, const AirConditions& air)
{
    Prediction prediction;
    prediction.air = air;
    if (!calibration.fit.Fitted()) {
        prediction.message = calibration.fit.message;
        prediction.bandMessage = calibration.band.message;
        return prediction;
    }
    prediction.message = AirRangeMessage(air);
    if (!prediction.message.isEmpty())
        return prediction;
    prediction.day = RunCarOnDay(calibration.fit.car, air);
    prediction.finished = prediction.day.run.Finished();
    if (!prediction.finished) {
        prediction.message =
            Text::tr("The fitted car does not finish the quarter mile on this day.");
        return prediction;
    }
    const SplitTimes& s = prediction.day.splits;
    prediction.quarterMileTime = s.quarterMileTime;
    prediction.quarterMileSpeed = s.quarterMileSpeed;
    prediction.eighthMileTime = s.eighthMileTime;
    prediction.eighthMileSpeed = s.eighthMileSpeed;

    const ErrorBand& band = calibration.band;
    if (!band.Available()) {
        prediction.bandMessage = band.message;
        return prediction;
    }
    prediction.quarterMileTimeBand = bandOf(band.quarterMileTime);
    prediction.quarterMileSpeedBand = bandOf(band.quarterMileSpeed);
    prediction.eighthMileTimeBand = bandOf(band.eighthMileTime);
    prediction.eighthMileSpeedBand = bandOf(band.eighthMileSpeed);
    if (!prediction.quarterMileTimeBand && !prediction.quarterMileSpeedBand
        && !prediction.eighthMileTimeBand && !prediction.eighthMileSpeedBand)
        prediction.bandMessage =
            Text::tr("Fewer than three runs give these figures: no error band can be given.");
    return prediction;
}
