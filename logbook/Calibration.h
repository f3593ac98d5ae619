// SPDX-License-Identifier: GPL-3.0-or-later
// Calibration: the model fitted to a car's own time slips, and the next run
// predicted with an error measured on those slips.
//
// In: the car as typed (CarInputs) and its runs (TimeSlip), each on its own
// day's air. Out: the car's horsepower on the standard day and its spin time
// that best match the runs (CarFit), every other input kept as typed, the
// shift counts too; each run's slip beside the model's; whether the fitted
// values pass the classic input checks; and a note for each bound that holds
// the fit back. Calibrate adds the validation fits (each run predicted by a
// fit without it: on all the others up to LeaveOneOutBound runs, on the other
// folds above), whose errors are the band Predict gives with a prediction
// for any day's air; it tells its progress, can be cancelled from another
// thread and may run its validation fits on several threads. Nothing here
// shows a message or touches a database: the garage and the runner both call
// it.
//
// The fit minimises the sum of squares of the differences between the model
// and the slip: each time counted per 0.01 s, each speed per 0.1 mph, over
// the quarter-mile time and speed, the 60-ft time and the 1/8-mile time and
// speed, wherever a run gives them (an eighth-mile run gives the 1/8 figures
// only). The spin time adds to every elapsed time alike, so for a given
// horsepower the best spin time is the mean of the time differences, held at
// 0 or above; the horsepower is then found by a one-dimensional search on a
// logarithmic scale (docs/DECISIONS.md, "Calibration"). Runs on the same
// day's air share one run of the model.
#pragma once

#include "core/Air.h"
#include "core/CarInputs.h"
#include "core/DayRun.h"
#include "logbook/TimeSlip.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

// The scales the fit counts a difference in: one unit of its sum of squares
// is 0.01 s of a time or 0.1 mph of a speed.
namespace FitScale {
inline constexpr double Time = 0.01;  // s
inline constexpr double Speed = 0.1;  // mph
} // namespace FitScale

// The horsepower the fit searches within (standard day); a fit at either end
// says so in a note.
namespace FitLimits {
inline constexpr double LowestHorsepower = 1;
inline constexpr double HighestHorsepower = 100000;
} // namespace FitLimits

// The day's air of a run: its temperature, station pressure and humidity,
// the standard day's value for each one the run does not give.
AirConditions AirOfRun(const TimeSlip& run);

// One figure of a slip beside the model's: the slip's value (missing when
// the run does not give it) and the model's for that run on its day.
struct SlipFigure {
    std::optional<double> given;
    double predicted = 0;

    // The model's value less the slip's (a time too long or a speed too high
    // is positive); missing when the slip does not give it.
    std::optional<double> Difference() const;
};

// A run's slip beside the model's slip for the same day.
struct SlipResidual {
    AirConditions air;
    bool finished = false; // the model's car finished the quarter mile that day
    SlipFigure sixtyFootTime;
    SlipFigure threeThirtyFootTime;
    SlipFigure eighthMileTime;
    SlipFigure eighthMileSpeed;
    SlipFigure thousandFootTime;
    SlipFigure quarterMileTime;
    SlipFigure quarterMileSpeed;

    // The figure of one of SplitFigures.
    const SlipFigure& Of(const SplitFigureInfo& figure) const;
    SlipFigure& Of(const SplitFigureInfo& figure);
};

// The slip's figures of a run beside those of the model's splits.
SlipResidual ResidualOf(const TimeSlip& run, const AirConditions& air, const DayResults& model);

enum class FitOutcome {
    Fitted,      // horsepower and spin time found
    NoRuns,      // nothing to fit to
    RunRefused,  // a run fails the logbook's checks (SlipProblem)
    NotFinished, // the car does not finish on every day at any horsepower searched
    Cancelled,   // the calibration was cancelled before it was done
};

struct CarFit {
    FitOutcome outcome = FitOutcome::NoRuns;
    QString message; // why there is no fit; empty when fitted

    CarInputs typed; // the car as typed
    CarInputs car;   // the fitted car: as typed, with the fitted horsepower and spin time
    double horsepower = 0; // hp on the standard day
    double spinTime = 0;   // s

    // The sum of squares at the fit (in the units of FitScale) and the
    // number of figures it counts.
    double sumOfSquares = 0;
    int figures = 0;

    // Each run's slip beside the fitted car's, in the order of the runs given.
    std::vector<SlipResidual> runs;

    // The classic input checks of the fitted car: the message of the first
    // test it fails (empty when every value is within the classic ranges),
    // and those of the two fitted values alone.
    QString rangeMessage;
    QString horsepowerRangeMessage;
    QString spinTimeRangeMessage;

    // One sentence for each bound that holds the fit: the spin time held at
    // 0 (with the quarter-mile shift count that would let the model reach the
    // runs' elapsed times), a horsepower at the end of the search.
    QStringList boundNotes;

    bool Fitted() const { return outcome == FitOutcome::Fitted; }
    bool InClassicRanges() const { return rangeMessage.isEmpty(); }
};

// Fits the horsepower (standard day) and the spin time of the typed car to
// the runs, each on its own day's air (AirOfRun). The runs must pass
// SlipProblem.
CarFit FitCar(const CarInputs& typed, const QList<TimeSlip>& runs);

// The validation errors of one figure: each run predicted on its day by
// the model fitted without it, for every run that gives the figure.
// Differences are predicted less given.
struct FigureError {
    int runs = 0;            // runs that give the figure and were predicted
    double meanAbsolute = 0;
    double bias = 0;         // mean difference
    double rootMeanSquare = 0;
};

// The fewest runs a band is given for.
inline constexpr int LeastRunsForBand = 3;

// The band of a prediction: the validation's root-mean-square error of each
// figure, given where at least LeastRunsForBand runs give it.
struct ErrorBand {
    FigureError quarterMileTime;
    FigureError quarterMileSpeed;
    FigureError eighthMileTime;
    FigureError eighthMileSpeed;
    QString message; // why no band is given; empty when one is

    bool Available() const { return message.isEmpty(); }
};

// Up to this many runs each run is predicted by the fit on all the others
// (leave-one-out: as many fits as runs). Above it the runs are dealt into
// ValidationFolds folds in turn (run i into fold i mod ValidationFolds), and
// each run is predicted by the fit on the other folds: ten fits however many
// runs there are.
inline constexpr int LeaveOneOutBound = 100;
inline constexpr int ValidationFolds = 10;

// A run predicted by a fit without it (on all the other runs, or on the
// other folds).
struct LeftOutRun {
    int run = 0;         // its place in the runs given
    bool fitted = false; // the fit without it succeeded
    double horsepower = 0;
    double spinTime = 0;
    SplitTimes onDay;          // the prediction for the run's day
    SplitTimes onStandardDay;  // the same car on the standard day
};

// The fit on all runs, and with three runs or more the validation fits and
// their errors.
struct Calibration {
    CarFit fit;
    QList<TimeSlip> runs;         // the runs fitted, as given
    std::vector<LeftOutRun> leftOut; // one per run; empty below three runs
    int folds = 0; // the validation's folds: as many as runs for leave-one-out
    ErrorBand band;
};

// How a calibration runs: on how many threads its validation fits may run,
// whom it tells of its progress, and what stops it.
struct CalibrationControl {
    // Threads for the validation fits, the calling thread among them.
    int jobs = 1;
    // Called with the fits done and the fits in all (the fit on all runs,
    // then each validation fit): at the start, then as each fit ends. It may
    // be called from any of the calibration's threads, never two at once.
    std::function<void(int done, int total)> progress;
    // Set from any thread to stop: the calibration then returns within a run
    // of the model or so, with the outcome Cancelled.
    const std::atomic<bool>* cancel = nullptr;
};

Calibration Calibrate(const CarInputs& typed, const QList<TimeSlip>& runs,
                      const CalibrationControl& control = {});

// The errors of one figure over the left-out runs.
FigureError LeaveOneOutError(const Calibration& calibration, SlipField field);

// The fitted car on a day's air, with the band of the calibration.
struct Prediction {
    bool finished = false;
    QString message; // why there is no prediction; empty when there is
    AirConditions air;
    DayResults day;  // the fitted car's run that day
    // The splits a prediction shows, and their bands (± the validation's
    // root-mean-square error), missing where no band can be given.
    double quarterMileTime = 0;
    double quarterMileSpeed = 0;
    double eighthMileTime = 0;
    double eighthMileSpeed = 0;
    std::optional<double> quarterMileTimeBand;
    std::optional<double> quarterMileSpeedBand;
    std::optional<double> eighthMileTimeBand;
    std::optional<double> eighthMileSpeedBand;
    QString bandMessage; // why no band is given; empty when one is
};

Prediction Predict(const Calibration& calibration, const AirConditions& air);
