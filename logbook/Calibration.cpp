// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/Calibration.h"

#include "core/InputChecks.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <optional>

namespace {

// The texts' translations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(Calibration)
};

QString runsProblem(const QList<TimeSlip>& runs)
{
    if (runs.isEmpty())
        return Text::tr("There are no runs to fit the car to.");
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const QString problem = SlipProblem(runs[i]);
        if (!problem.isEmpty())
            return Text::tr("Run %1 cannot be fitted to: %2").arg(i + 1).arg(problem);
    }
    return {};
}

QString cancelledMessage()
{
    return Text::tr("The calibration was cancelled.");
}

// Why no horsepower lets the car finish on the runs' days: a typed value
// outside the checks' ranges is named as such.
QString notFinishedMessage(const FitResult& fit)
{
    if (fit.Road()) {
        const QString problem = RoadRangeMessage(RoadCarOf(fit.TypedCar()));
        if (!problem.isEmpty())
            return Text::tr("The car cannot be fitted to the runs: %1.").arg(problem);
        return Text::tr("The car does not finish the quarter mile on the runs' days at any power the road "
                        "model takes.");
    }
    if (fit.unrunnableField)
        return Text::tr("The car cannot be fitted to the runs: %1.")
            .arg(FieldRangeMessage(fit.typed, *fit.unrunnableField));
    return Text::tr("The car does not finish the quarter mile on the runs' days at any horsepower "
                    "up to %L1 hp.")
        .arg(FitLimits::HighestHorsepower, 0, 'f', 0);
}

// The note for a spin time held at 0: the quarter-mile shifts the model was
// given, and the most of fewer shifts with which it can reach the runs.
QString spinTimeNote(const FitResult& fit)
{
    const int shifts = fit.typed.quarterMileShifts;
    if (fit.fewerShifts > 0)
        return Text::tr("The spin time is held at 0 s: the model cannot reach these elapsed "
                        "times with %1 quarter-mile shifts; with %2 it can.")
            .arg(shifts)
            .arg(fit.fewerShifts);
    if (shifts == 1)
        return Text::tr("The spin time is held at 0 s: the model cannot reach these elapsed "
                        "times with 1 quarter-mile shift.");
    return Text::tr("The spin time is held at 0 s: the model cannot reach these elapsed times "
                    "with %1 quarter-mile shifts, nor with fewer.")
        .arg(shifts);
}

// The numbers' fit of the runs with its messages.
CarFit carFitOf(const FitResult& result, const QList<TimeSlip>& runs)
{
    CarFit fit;
    static_cast<FitResult&>(fit) = result;
    switch (fit.outcome) {
    case FitOutcome::Fitted: break;
    case FitOutcome::Cancelled: fit.message = cancelledMessage(); return fit;
    case FitOutcome::NotFinished: fit.message = notFinishedMessage(fit); return fit;
    case FitOutcome::NoRuns:
    case FitOutcome::RunRefused:
        // The logbook's checks come first, and refuse every run the numbers
        // refuse: this is their message.
        fit.message = runsProblem(runs);
        return fit;
    }
    if (fit.Road()) {
        fit.rangeMessage = RoadRangeMessage(RoadCarOf(fit.FittedCar()));
    } else {
        fit.rangeMessage = RangeMessage(fit.car);
        fit.horsepowerRangeMessage = FieldRangeMessage(fit.car, InputField::Horsepower);
        fit.spinTimeRangeMessage = FieldRangeMessage(fit.car, InputField::SpinTime);
    }
    if (runs.size() < FittedValueCount)
        fit.boundNotes << Text::tr("One run is matched exactly by the two fitted values: the fit cannot tell "
                                   "the car from that run's luck. Add runs of other days.");
    if (fit.spinTimeHeld)
        fit.boundNotes << spinTimeNote(fit);
    if (fit.gripHeld)
        fit.boundNotes << Text::tr("The launch grip is held at 1: on the runs' days the tires' grip never "
                                   "holds the launch, so the runs cannot tell it.");
    if (fit.gripBound != HorsepowerBound::None)
        fit.boundNotes << Text::tr("The launch grip is held at the end of the search, × %L1.")
                              .arg(fit.gripBound == HorsepowerBound::Lowest ? RoadFitLimits::LowestGrip
                                                                            : RoadFitLimits::HighestGrip,
                                   0, 'f', 2);
    if (fit.Road() && fit.horsepowerBound != HorsepowerBound::None) {
        const RoadRange& power = RoadRanges()[static_cast<std::size_t>(RoadField::Horsepower)];
        fit.boundNotes << Text::tr("The power is held at the end of the road model's range, %L1 hp rated.")
                              .arg(fit.horsepowerBound == HorsepowerBound::Lowest ? power.low : power.high, 0,
                                   'f', 0);
    } else if (fit.horsepowerBound != HorsepowerBound::None)
        fit.boundNotes << Text::tr("The horsepower is held at the end of the search, %L1 hp.")
                              .arg(fit.horsepowerBound == HorsepowerBound::Lowest ? FitLimits::LowestHorsepower
                                                                                  : FitLimits::HighestHorsepower,
                                   0, 'f', 0);
    return fit;
}

// A fit refused before the numbers see it.
CarFit refusedFit(const ModelledCar& typed, const QList<TimeSlip>& runs, const QString& problem)
{
    CarFit fit;
    fit.typed = typed.inputs;
    fit.car = typed.inputs;
    fit.road = typed.road;
    fit.outcome = runs.isEmpty() ? FitOutcome::NoRuns : FitOutcome::RunRefused;
    fit.message = problem;
    return fit;
}

} // namespace

QList<TimeSlip> RunsToFit(const QList<TimeSlip>& runs, const FitChoice& choice)
{
    QList<TimeSlip> taken;
    switch (choice.kind) {
    case FitChoice::Kind::AllRuns: return runs;
    case FitChoice::Kind::SinceDate:
        for (const TimeSlip& run : runs)
            if (run.date.isValid() && run.date >= choice.since)
                taken << run;
        return taken;
    case FitChoice::Kind::LastRuns: {
        QList<qsizetype> order(runs.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&runs](qsizetype a, qsizetype b) { return SlipComesBefore(runs[a], runs[b]); });
        const qsizetype first = std::max<qsizetype>(0, runs.size() - std::max(1, choice.last));
        QList<bool> take(runs.size(), false);
        for (qsizetype k = first; k < order.size(); ++k)
            take[order[k]] = true;
        for (qsizetype i = 0; i < runs.size(); ++i)
            if (take[i])
                taken << runs[i];
        return taken;
    }
    }
    return runs;
}

QString FitChoiceKey(const FitChoice& choice)
{
    switch (choice.kind) {
    case FitChoice::Kind::AllRuns: break;
    case FitChoice::Kind::SinceDate:
        return QStringLiteral("since:") + choice.since.toString(Qt::ISODate);
    case FitChoice::Kind::LastRuns: return QStringLiteral("last:") + QString::number(choice.last);
    }
    return QStringLiteral("all");
}

FitChoice FitChoiceFromKey(const QString& key)
{
    FitChoice choice;
    if (key.startsWith(QLatin1String("since:"))) {
        const QDate since = QDate::fromString(key.mid(6), Qt::ISODate);
        if (since.isValid()) {
            choice.kind = FitChoice::Kind::SinceDate;
            choice.since = since;
        }
    } else if (key.startsWith(QLatin1String("last:"))) {
        bool ok = false;
        const int last = key.mid(5).toInt(&ok);
        if (ok && last >= 1) {
            choice.kind = FitChoice::Kind::LastRuns;
            choice.last = last;
        }
    }
    return choice;
}

QString FitChoiceLine(const FitChoice& choice, qsizetype taken, qsizetype all)
{
    switch (choice.kind) {
    case FitChoice::Kind::AllRuns: break;
    case FitChoice::Kind::SinceDate:
        return Text::tr("Fit to the runs since %1: %2 of %3.")
            .arg(choice.since.toString(Qt::ISODate))
            .arg(taken)
            .arg(all);
    case FitChoice::Kind::LastRuns:
        return Text::tr("Fit to the last %1 runs: %2 of %3.").arg(choice.last).arg(taken).arg(all);
    }
    return Text::tr("Fit to all runs: %1 of %2.").arg(taken).arg(all);
}

AirConditions AirOfRun(const TimeSlip& run)
{
    return AirOfRun(RunFiguresOf(run));
}

RunFigures RunFiguresOf(const TimeSlip& run)
{
    RunFigures figures;
    figures.temperature = run.temperature;
    figures.pressure = run.pressure;
    figures.humidity = run.humidity;
    for (const SplitFigureInfo& split : SplitFigures)
        figures.Of(split.figure) = run.*NumberMember(SlipFieldOf(split));
    if (run.date.isValid())
        figures.day = run.date.toJulianDay();
    return figures;
}

std::vector<RunFigures> RunFiguresOf(const QList<TimeSlip>& runs)
{
    std::vector<RunFigures> figures;
    figures.reserve(static_cast<std::size_t>(runs.size()));
    for (const TimeSlip& run : runs)
        figures.push_back(RunFiguresOf(run));
    return figures;
}

SlipResidual ResidualOf(const TimeSlip& run, const AirConditions& air, const DayResults& model)
{
    return ResidualOf(RunFiguresOf(run), air, model);
}

ModelledCar RoadModelledCar(const CarInputs& inputs, const RoadKeys& keys)
{
    return { inputs, RoadDescription{ keys.car, keys.frontalArea, 1 } };
}

CarFit FitCar(const CarInputs& typed, const QList<TimeSlip>& runs)
{
    return FitCar(ModelledCar{ typed, std::nullopt }, runs);
}

CarFit FitCar(const ModelledCar& typed, const QList<TimeSlip>& runs)
{
    const QString problem = runsProblem(runs);
    if (!problem.isEmpty())
        return refusedFit(typed, runs, problem);
    return carFitOf(FitToRuns(typed, RunFiguresOf(runs)), runs);
}

FigureError LeaveOneOutError(const Calibration& calibration, SlipField field)
{
    const SplitFigureInfo* split = SplitOf(field);
    if (!split)
        return {};
    return LeaveOneOutError(RunFiguresOf(calibration.runs), calibration.leftOut, split->figure);
}

QString FitLine(const CarFit& fit, qsizetype runs, const QLocale& locale)
{
    if (fit.Road())
        return Text::tr("Fitted to the runs (%1) on the road model: %2 hp at the wheels on the standard day "
                        "(%3 hp rated), launch grip × %4.")
            .arg(locale.toString(runs), locale.toString(fit.wheelHorsepower, 'f', 1),
                 locale.toString(fit.horsepower, 'f', 1), locale.toString(fit.gripFactor, 'f', 2));
    return Text::tr("Fitted to the runs (%1): %2 hp on the standard day, spin time %3 s.")
        .arg(locale.toString(runs))
        .arg(locale.toString(fit.horsepower, 'f', 1), locale.toString(fit.spinTime, 'f', 3));
}

QString FitRangeLine(const CarFit& fit, const QLocale& locale)
{
    if (fit.Road())
        return fit.InClassicRanges() ? Text::tr("The fitted power lies within the road model's ranges.")
                                     : Text::tr("Outside the road model's ranges: %1").arg(fit.rangeMessage);
    return fit.InClassicRanges() ? Text::tr("Both values lie within the classic input ranges.")
                                 : Text::tr("Outside the classic input ranges: %1").arg(RangeMessage(fit.car, locale));
}

Calibration Calibrate(const CarInputs& typed, const QList<TimeSlip>& runs, const CalibrationControl& control)
{
    return Calibrate(ModelledCar{ typed, std::nullopt }, runs, control);
}

Calibration Calibrate(const ModelledCar& typed, const QList<TimeSlip>& runs, const CalibrationControl& control)
{
    Calibration calibration;
    calibration.runs = runs;
    const QString problem = runsProblem(runs);
    if (!problem.isEmpty()) {
        if (control.progress)
            control.progress(0, 1 + ValidationFoldsFor(static_cast<int>(runs.size()), DaysOf(RunFiguresOf(runs))));
        calibration.fit = refusedFit(typed, runs, problem);
        calibration.band.gap = BandGap::NotFitted;
        calibration.band.message = problem;
        return calibration;
    }
    FitCalibration numbers = CalibrateToRuns(typed, RunFiguresOf(runs), control);
    calibration.fit = carFitOf(numbers.fit, runs);
    calibration.leftOut = std::move(numbers.leftOut);
    calibration.folds = numbers.folds;
    calibration.days = numbers.days;
    static_cast<FitBand&>(calibration.band) = numbers.band;
    switch (numbers.band.gap) {
    case BandGap::None: break;
    case BandGap::NotFitted: calibration.band.message = calibration.fit.message; break;
    case BandGap::TooFewRuns:
        calibration.band.message = Text::tr("With fewer than three runs no error band can be given.");
        break;
    case BandGap::OneDay:
        calibration.band.message =
            Text::tr("All runs are of one day: no error band can be given until runs of another day are added.");
        break;
    }
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
    FitBand band = calibration.band;
    if (!calibration.band.Available() && band.gap == BandGap::None)
        band.gap = BandGap::NotFitted;
    static_cast<DayPrediction&>(prediction) = PredictOnDay(calibration.fit.FittedCar(), band, air);
    switch (prediction.gap) {
    case PredictionGap::None: break;
    case PredictionGap::AirOutOfRange: prediction.message = AirRangeMessage(air); return prediction;
    case PredictionGap::NotFinished:
        prediction.message = Text::tr("The fitted car does not finish the quarter mile on this day.");
        return prediction;
    }
    if (!calibration.band.Available())
        prediction.bandMessage = calibration.band.message;
    else if (!prediction.banded)
        prediction.bandMessage = NoFigureBandMessage();
    return prediction;
}

QString NoFigureBandMessage()
{
    return Text::tr("Fewer than three runs on two days give these figures: no error band can be given.");
}
