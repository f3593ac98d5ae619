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

} // namespace

QString PredictionMethodName(PredictionMethod method)
{
    switch (method) {
    case PredictionMethod::FittedOnDay: return Text::tr("Fitted model, the day's air");
    case PredictionMethod::FittedOnStandardDay: return Text::tr("Fitted model, standard day");
    case PredictionMethod::TypedOnDay: return Text::tr("Car as typed, the day's air");
    case PredictionMethod::HalesFormula: return Text::tr("Hale's formula, the day's air");
    case PredictionMethod::LastRun: return Text::tr("The run before");
    }
    return {};
}

ReportCard ReportCardOf(const Calibration& calibration)
{
    FitCalibration numbers;
    static_cast<FitResult&>(numbers.fit) = calibration.fit;
    numbers.runs = RunFiguresOf(calibration.runs);
    numbers.leftOut = calibration.leftOut;
    numbers.folds = calibration.folds;
    // The runs in the order the logbook lists them, for the run before.
    const QList<TimeSlip>& runs = calibration.runs;
    std::vector<int> dateOrder(static_cast<std::size_t>(runs.size()));
    std::iota(dateOrder.begin(), dateOrder.end(), 0);
    std::stable_sort(dateOrder.begin(), dateOrder.end(),
                     [&runs](int a, int b) { return SlipComesBefore(runs[a], runs[b]); });

    ReportCard card;
    static_cast<ReportSums&>(card) = ReportSumsOf(numbers, dateOrder);
    switch (card.gap) {
    case ReportGap::None: break;
    case ReportGap::NotFitted: card.message = calibration.fit.message; break;
    case ReportGap::TooFewRuns:
        card.message = Text::tr("A report card needs three runs or more with a quarter-mile time.");
        break;
    }
    return card;
}

ReportCard ReportCardOf(const CarInputs& typed, const QList<TimeSlip>& runs)
{
    return ReportCardOf(Calibrate(typed, runs));
}
