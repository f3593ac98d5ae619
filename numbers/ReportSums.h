// SPDX-License-Identifier: GPL-3.0-or-later
// ReportSums: the sums of the report card, how well each way of predicting
// a car's quarter-mile time and speed would have predicted its own runs, and
// the dial-in it gives for a day.
//
// In: a calibration (numbers/Fit.h: the car as typed and its runs) and the
// runs' places in date order. Out: for each method the mean absolute error,
// the bias (mean of predicted less given) and the root-mean-square error of
// the quarter-mile time and of its speed, all methods over the same runs,
// and which method is best (the least mean absolute error of the time), or a
// code for why there is no card. The scoring goes forward in time only:
// each run is predicted from the runs before it (the fitted model by a fit
// on those runs alone), after the first three. The racers' own ways join the
// models: a line of the time against the density altitude fitted to the
// runs before, and lines from the run's own 60-ft time or eighth mile. The
// logbook (logbook/ReportCard.h) names the methods and gives the messages;
// the web page calls the same code through web/wasm/PageApi.
#pragma once

#include "numbers/Fit.h"

#include <array>
#include <optional>
#include <vector>

enum class PredictionMethod {
    FittedOnDay,         // the fitted model on the run's day
    FittedOnStandardDay, // the fitted model on the standard day
    TypedOnDay,          // the car as typed on the run's day
    HalesFormula,        // Hale's formula, the typed horsepower corrected for the day
    LastRun,             // the time of the run before, as it was
    DensityAltitudeLine, // a line against the density altitude through the runs before
    FromSixtyFoot,       // a line from the run's own 60-ft time through the runs before
    FromEighthMile,      // a line from the run's own eighth mile through the runs before
};
inline constexpr int PredictionMethodCount = 8;

inline constexpr std::array<PredictionMethod, PredictionMethodCount> AllPredictionMethods = {
    PredictionMethod::FittedOnDay,         PredictionMethod::FittedOnStandardDay,
    PredictionMethod::TypedOnDay,          PredictionMethod::HalesFormula,
    PredictionMethod::LastRun,             PredictionMethod::DensityAltitudeLine,
    PredictionMethod::FromSixtyFoot,       PredictionMethod::FromEighthMile,
};

// The model a method runs: none (a formula or the runs' own figures), or
// the law the car was fitted by (`law`): the classic law or the road model.
enum class MethodModel { None, ClassicLaw, RoadModel };
MethodModel ModelOf(PredictionMethod method, MethodModel law = MethodModel::ClassicLaw);

// Whether a method predicts a run before it is run: those that read the
// run's own 60-ft time or eighth mile do not.
bool PredictsAhead(PredictionMethod method);

// Hale's formulas (weight in lb, horsepower): the quarter-mile elapsed time
// (s) 5.825 · (weight / horsepower)^(1/3), and its speed (mph)
// 234 · (horsepower / weight)^(1/3).
double HalesQuarterMileTime(double weight, double horsepower);
double HalesQuarterMileSpeed(double weight, double horsepower);

// One figure's errors of a method over the runs scored; runs 0 when it
// predicted none of them ("not enough runs", never a perfect 0).
struct FigureScore {
    int runs = 0;
    double meanAbsoluteError = 0; // s or mph
    double bias = 0;              // mean of predicted less given
    double rootMeanSquare = 0;
};

struct MethodScore {
    PredictionMethod method = PredictionMethod::FittedOnDay;
    // The quarter-mile time's errors (s).
    int runs = 0;
    double meanAbsoluteError = 0;
    double bias = 0;
    double rootMeanSquare = 0;
    FigureScore speed; // the quarter-mile speed's (mph)
    bool best = false;
};

// The runs each method is given before the scoring starts: the first three
// in date order are predicted by none.
inline constexpr int RunsBeforeScoring = 3;
// The fewest runs with a quarter-mile time a report card is given for: the
// first three and one to score.
inline constexpr int LeastRunsForReportCard = RunsBeforeScoring + 1;

// Why there is no report card: the fit failed, or too few runs to score.
enum class ReportGap { None, NotFitted, TooFewRuns };

struct ReportSums {
    ReportGap gap = ReportGap::None;
    std::array<MethodScore, PredictionMethodCount> scores{};
    int best = -1;      // index of the best score; -1 when none
    int bestAhead = -1; // the best of the methods that predict ahead; -1 when none
    int scoredRuns = 0; // the runs every scored method was scored on
    MethodModel model = MethodModel::ClassicLaw; // the law of the fitted and typed methods
};

// `dateOrder` holds the places of the runs in the order the logbook lists
// them (by date). The fitted methods cost a fit for each run scored; a
// cancel stops them (the card is then NotFitted).
ReportSums ReportSumsOf(const FitCalibration& calibration, const std::vector<int>& dateOrder,
                        const std::atomic<bool>* cancel = nullptr);

// The dial-in for a day: the quarter-mile time and speed of the card's best
// method that predicts ahead, from all the runs, on the day's air, with the
// 95 % band of that method's errors on the card (Student's t for its runs
// less one); missing where the method gives none.
struct DialIn {
    int method = -1; // index of the method; -1 when there is none
    std::optional<double> quarterMileTime;
    std::optional<double> quarterMileSpeed;
    std::optional<double> timeBand95;
    std::optional<double> speedBand95;
};

DialIn DialInOf(const ReportSums& card, const FitCalibration& calibration, const std::vector<int>& dateOrder,
                const AirConditions& air);
