// SPDX-License-Identifier: GPL-3.0-or-later
#include "logbook/ReportCard.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The texts' translations.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReportCard)
};

FitCalibration numbersOf(const Calibration& calibration)
{
    FitCalibration numbers;
    static_cast<FitResult&>(numbers.fit) = calibration.fit;
    numbers.runs = RunFiguresOf(calibration.runs);
    numbers.leftOut = calibration.leftOut;
    numbers.folds = calibration.folds;
    numbers.days = calibration.days;
    return numbers;
}

// The runs in the order the logbook lists them.
std::vector<int> dateOrderOf(const QList<TimeSlip>& runs)
{
    std::vector<int> dateOrder(static_cast<std::size_t>(runs.size()));
    std::iota(dateOrder.begin(), dateOrder.end(), 0);
    std::stable_sort(dateOrder.begin(), dateOrder.end(),
                     [&runs](int a, int b) { return SlipComesBefore(runs[a], runs[b]); });
    return dateOrder;
}

} // namespace

QString PredictionMethodName(PredictionMethod method)
{
    switch (method) {
    case PredictionMethod::FittedOnDay: return Text::tr("Fitted model, the day's air");
    case PredictionMethod::FittedOnStandardDay: return Text::tr("Fitted model, standard day");
    case PredictionMethod::TypedOnDay: return Text::tr("Car as typed, the day's air");
    case PredictionMethod::HalesFormula: return Text::tr("Hale's formula, the day's air");
    case PredictionMethod::LastRun: return Text::tr("The run before");
    case PredictionMethod::DensityAltitudeLine: return Text::tr("Density-altitude line of the runs before");
    case PredictionMethod::FromSixtyFoot: return Text::tr("From the run's own 60 ft");
    case PredictionMethod::FromEighthMile: return Text::tr("From the run's own 1/8 mile");
    }
    return {};
}

QString MethodModelName(MethodModel model)
{
    switch (model) {
    case MethodModel::ClassicLaw: return Text::tr("Classic law");
    case MethodModel::RoadModel: return Text::tr("Road model");
    case MethodModel::None: return Text::tr("None");
    }
    return {};
}

ReportCard ReportCardOf(const Calibration& calibration, const std::atomic<bool>* cancel)
{
    ReportCard card;
    static_cast<ReportSums&>(card) = ReportSumsOf(numbersOf(calibration), dateOrderOf(calibration.runs), cancel);
    switch (card.gap) {
    case ReportGap::None: break;
    case ReportGap::NotFitted:
        card.message = calibration.fit.Fitted() ? Text::tr("The calibration was cancelled.") : calibration.fit.message;
        break;
    case ReportGap::TooFewRuns:
        card.message = Text::tr("A report card needs four runs or more with a quarter-mile time: the first three "
                                "only predict.");
        break;
    }
    return card;
}

DialIn DialInFor(const ReportCard& card, const Calibration& calibration, const AirConditions& air)
{
    return DialInOf(card, numbersOf(calibration), dateOrderOf(calibration.runs), air);
}

ReportCard ReportCardOf(const CarInputs& typed, const QList<TimeSlip>& runs)
{
    return ReportCardOf(Calibrate(typed, runs));
}
