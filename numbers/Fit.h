// SPDX-License-Identifier: GPL-3.0-or-later
// Fit: the model fitted to a car's own time slips, and the next run
// predicted with an error measured on those slips, as values and codes.
//
// In: the car as typed (CarInputs) and its runs (RunFigures: a time slip's
// weather and splits), each on its own day's air. Out: the car's horsepower
// on the standard day and its spin time that best match the runs
// (FitResult), every other input kept as typed, the shift counts too; each
// run's slip beside the model's; the first classic range test the fitted car
// fails; and a code for each bound that holds the fit back. CalibrateToRuns
// adds the validation fits (each run predicted by a fit without its whole
// day, so that an error the runs of a day share counts: on all the other
// days up to LeaveOneOutBound days, on the other folds above), whose errors,
// widened by Student's t, are the 68 % and 95 % bands PredictOnDay gives
// with a prediction for any day's air; it tells its progress, can be cancelled from another thread and may
// run its validation fits on several threads. Nothing here is a message: the
// logbook (logbook/Calibration.h) turns the codes into the programs' texts,
// and the web page calls the same code through web/wasm/PageApi.
//
// The fit minimises the weighted sum of squares of the differences between
// the model and the slip: each time counted per 0.01 s, each speed per 0.1
// mph, over the quarter-mile time and speed, the 60-ft time and the 1/8-mile
// time and speed, wherever a run gives them (an eighth-mile run gives the
// 1/8 figures only). The quarter mile's time and speed carry the fit (weight
// 1); the 60-ft and 1/8-mile figures fit the launch, each weighed by its own
// scatter within the days against the quarter mile's, at most a quarter. The
// spin time adds to every elapsed time alike, so for a given horsepower the
// best spin time is the weighted mean of the time differences, held at 0 or
// above; the horsepower is then found by a one-dimensional search on a
// logarithmic scale (docs/DECISIONS.md, "Calibration"). Runs on the same
// day's air share one run of the model.
//
// With the road model (numbers/RoadRun.h) the same sum of squares fits two
// other values: a factor on the rated power and the torque together (the
// curve keeps its shape), reported as the power at the wheels, and a factor
// on the tires' grip, the launch. They are found together by
// Levenberg-Marquardt steps on their logarithms with forward differences;
// where the launch is never held by the grip on the runs' days the grip has
// no effect and is held at 1, which the fit says.
#pragma once

#include "numbers/Air.h"
#include "numbers/Car.h"
#include "numbers/DayRun.h"
#include "numbers/SplitFigures.h"
#include "engine/RoadModel.h"

#include <atomic>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

// The scales the fit counts a difference in: one unit of its sum of squares
// is 0.01 s of a time or 0.1 mph of a speed.
namespace FitScale {
inline constexpr double Time = 0.01;  // s
inline constexpr double Speed = 0.1;  // mph
} // namespace FitScale

// The horsepower the fit searches within (standard day); a fit at either end
// says so.
namespace FitLimits {
inline constexpr double LowestHorsepower = 1;
inline constexpr double HighestHorsepower = 100000;
} // namespace FitLimits

// The factor on the tires' grip a road fit searches within; a fit at either
// end says so.
namespace RoadFitLimits {
inline constexpr double LowestGrip = 0.25;
inline constexpr double HighestGrip = 4;
} // namespace RoadFitLimits

// The road model's description of a car beside its nine inputs, as a fit
// runs it: its optional keys and frontal area (RoadCarFrom), and a factor on
// its tires' grip.
struct RoadDescription {
    RoadCar keys;
    std::optional<double> frontalArea;
    double gripFactor = 1;

    bool operator==(const RoadDescription&) const = default;
};

// A car as the fit runs it: by the classic law, or with a road description
// by the road model.
struct ModelledCar {
    CarInputs inputs;
    std::optional<RoadDescription> road;

    bool operator==(const ModelledCar&) const = default;
};

// The car's run on the day: the classic law's RunCarOnDay bit for bit, or
// the road model's with the grip factor on the tires' grip.
DayResults RunModelledCarOnDay(const ModelledCar& car, const AirFigures& air);
// The road model's car of a car with a road description (its nine inputs
// and its keys), and the model's calibration with its grip factor.
RoadCar RoadCarOf(const ModelledCar& car);
RoadCalibration RoadCalibrationOf(const ModelledCar& car);
// The car with its rated power and torque times `powerFactor` and its grip
// times `gripFactor`.
ModelledCar ScaledRoadCar(const ModelledCar& car, double powerFactor, double gripFactor);

// The values the fit finds (the horsepower and the spin time, or on the
// road model the power and the grip): fewer runs
// than these are matched exactly, which the fit's notes say.
inline constexpr int FittedValueCount = 2;

// What the fit reads of a run: its weather (°F, inHg station, %) and its
// slip's splits (s, mph), each missing when the run does not give it.
struct RunFigures {
    std::optional<double> temperature;
    std::optional<double> pressure;
    std::optional<double> humidity;
    std::optional<double> sixtyFootTime;
    std::optional<double> threeThirtyFootTime;
    std::optional<double> eighthMileTime;
    std::optional<double> eighthMileSpeed;
    std::optional<double> thousandFootTime;
    std::optional<double> quarterMileTime;
    std::optional<double> quarterMileSpeed;
    // The calendar day it was run on (any number, the same for runs on the
    // same day, such as a Julian day), NoDay when not known: the validation
    // leaves out a whole day at a time, a run of no known day alone.
    long long day = NoDay;
    static constexpr long long NoDay = std::numeric_limits<long long>::min();

    const std::optional<double>& Of(SplitFigure figure) const;
    std::optional<double>& Of(SplitFigure figure);
};

// The day's air of a run: its temperature, station pressure and humidity,
// the standard day's value for each one the run does not give.
AirConditions AirOfRun(const RunFigures& run);

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

    const SlipFigure& Of(SplitFigure figure) const;
    SlipFigure& Of(SplitFigure figure);
};

// The slip's figures of a run beside those of the model's splits.
SlipResidual ResidualOf(const RunFigures& run, const AirConditions& air, const DayResults& model);

enum class FitOutcome {
    Fitted,      // horsepower and spin time (road model: power and grip) found
    NoRuns,      // nothing to fit to
    RunRefused,  // a run cannot be fitted to (no finish, a number not finite)
    NotFinished, // the car does not finish on every day at any horsepower searched
    Cancelled,   // the calibration was cancelled before it was done
};

// The end of the search a fitted horsepower is held at.
enum class HorsepowerBound { None, Lowest, Highest };

struct FitResult {
    FitOutcome outcome = FitOutcome::NoRuns;
    int refusedRun = -1; // RunRefused: the place of the run in the runs given
    // NotFinished: the first input the fit keeps (all but the horsepower
    // and the spin time) that fails its classic range test, when one does.
    std::optional<InputField> unrunnableField;

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

    // The bounds that hold the fit: the spin time held at 0, with the most
    // of fewer quarter-mile shifts (down to 1) with which the model reaches
    // the runs' elapsed times (0 when none does); a horsepower at the end of
    // the search.
    bool spinTimeHeld = false;
    int fewerShifts = 0;
    HorsepowerBound horsepowerBound = HorsepowerBound::None;

    // On the road model: the typed car's road description (none on the
    // classic law); the factor on its rated power and torque (the fitted
    // horsepower is the rated one times it), the power at the wheels it
    // gives (hp on the standard day: the fitted horsepower times the model's
    // drivetrain efficiency) and the factor on its tires' grip; the grip held
    // at 1 because the launch is never held by the grip on the runs' days;
    // a grip at the end of its search.
    std::optional<RoadDescription> road;
    double powerFactor = 1;
    double wheelHorsepower = 0;
    double gripFactor = 1;
    bool gripHeld = false;
    HorsepowerBound gripBound = HorsepowerBound::None;

    bool Fitted() const { return outcome == FitOutcome::Fitted; }
    bool Road() const { return road.has_value(); }
    // The car as typed and as fitted, as the fit runs them.
    ModelledCar TypedCar() const;
    ModelledCar FittedCar() const;
};

// Fits the horsepower (standard day) and the spin time of the typed car to
// the runs, each on its own day's air (AirOfRun).
FitResult FitToRuns(const CarInputs& typed, const std::vector<RunFigures>& runs);
// The same on either law: with a road description, the power and the grip.
FitResult FitToRuns(const ModelledCar& typed, const std::vector<RunFigures>& runs);

// The validation errors of one figure: each run predicted on its day by
// the model fitted without its day, for every run that gives the figure.
// Differences are predicted less given.
struct FigureError {
    int runs = 0;            // runs that give the figure and were predicted
    int days = 0;            // the days those runs were run on
    double meanAbsolute = 0;
    double bias = 0;         // mean difference
    double rootMeanSquare = 0;
};

// The fewest runs, and the fewest days, a band is given for.
inline constexpr int LeastRunsForBand = 3;
inline constexpr int LeastDaysForBand = 2;

// The two-sided probabilities of the bands: one standard deviation of a
// normal error (68.27 %) and 95 %.
inline constexpr double BandProbability68 = 0.6826894921370859;
inline constexpr double BandProbability95 = 0.95;

// The t of Student's distribution with `degreesOfFreedom` (1 or more) that
// a value falls within ±t of with `probability` (two-sided, 0 < p < 1).
double StudentT(double probability, int degreesOfFreedom);

// A band's half-widths (s or mph): the validation's root-mean-square error
// times Student's t for the days it was measured on less one, so a band
// from few days is wider than one from many.
struct BandWidths {
    double band68 = 0;
    double band95 = 0;
};

// The band of a figure's errors; none below LeastRunsForBand runs or
// LeastDaysForBand days.
std::optional<BandWidths> BandOf(const FigureError& error);

// Why a calibration gives no band: the fit failed, it has fewer than
// LeastRunsForBand runs, or its runs are all of one day.
enum class BandGap { None, NotFitted, TooFewRuns, OneDay };

// The band of a prediction: the validation's errors of each figure, the
// band given where at least LeastRunsForBand runs on LeastDaysForBand days
// give it.
struct FitBand {
    FigureError quarterMileTime;
    FigureError quarterMileSpeed;
    FigureError eighthMileTime;
    FigureError eighthMileSpeed;
    BandGap gap = BandGap::None;
};

// The runs are grouped by day (a run of no known day alone). Up to this
// many days each day is predicted by the fit on all the other days
// (leave-one-day-out: as many fits as days). Above it the days are dealt
// into ValidationFolds folds in turn (day j into fold j mod
// ValidationFolds, by first run), and each run is predicted by the fit on
// the other folds: ten fits however many days there are.
inline constexpr int LeaveOneOutBound = 100;
inline constexpr int ValidationFolds = 10;

// The validation's folds for a number of runs on a number of days: none
// below LeastRunsForBand runs or LeastDaysForBand days, one a day up to
// LeaveOneOutBound, else ValidationFolds.
constexpr int ValidationFoldsFor(int runs, int days)
{
    return runs < LeastRunsForBand || days < LeastDaysForBand ? 0
        : days <= LeaveOneOutBound                            ? days
                                                              : ValidationFolds;
}

// The days of the runs (a run of no known day counted alone).
int DaysOf(const std::vector<RunFigures>& runs);

// A run predicted by a fit without its day (on all the other days, or on
// the other folds).
struct LeftOutRun {
    int run = 0;         // its place in the runs given
    int day = 0;         // its day's place among the days, by first run
    bool fitted = false; // the fit without it succeeded
    double horsepower = 0;
    double spinTime = 0;
    double gripFactor = 1; // the road model's
    SplitTimes onDay;          // the prediction for the run's day
    SplitTimes onStandardDay;  // the same car on the standard day
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

// The fit on all runs, and with three runs or more on two days or more the
// validation fits and their errors.
struct FitCalibration {
    FitResult fit;
    std::vector<RunFigures> runs;    // the runs fitted, as given
    std::vector<LeftOutRun> leftOut; // one per run; empty without validation
    int folds = 0; // the validation's folds: as many as days for leave-one-day-out
    int days = 0;  // the days of the runs
    FitBand band;
};

FitCalibration CalibrateToRuns(const CarInputs& typed, const std::vector<RunFigures>& runs,
                               const CalibrationControl& control = {});
FitCalibration CalibrateToRuns(const ModelledCar& typed, const std::vector<RunFigures>& runs,
                               const CalibrationControl& control = {});

// Each run predicted forward in time, by the fit on the runs before it:
// for each place k from `first` on in `order` (the runs' places in date
// order), the fit on the runs at places 0 to k − 1 predicting the run at
// place k, on its day and on the standard day. Each fit starts from the one
// before. Empty when cancelled.
std::vector<LeftOutRun> ForwardFits(const CarInputs& typed, const std::vector<RunFigures>& runs,
                                    const std::vector<int>& order, int first,
                                    const std::atomic<bool>* cancel = nullptr);
std::vector<LeftOutRun> ForwardFits(const ModelledCar& typed, const std::vector<RunFigures>& runs,
                                    const std::vector<int>& order, int first,
                                    const std::atomic<bool>* cancel = nullptr);

// The errors of one figure over the left-out runs.
FigureError LeaveOneOutError(const std::vector<RunFigures>& runs, const std::vector<LeftOutRun>& leftOut,
                             SplitFigure figure);

// Why a prediction gives no splits: the day's air fails a box's range test,
// or the fitted car does not finish that day.
enum class PredictionGap { None, AirOutOfRange, NotFinished };

// The fitted car on a day's air, with the band of the calibration.
struct DayPrediction {
    PredictionGap gap = PredictionGap::None;
    bool finished = false;
    AirConditions air;
    DayResults day;  // the fitted car's run that day
    // The splits a prediction shows, and their bands (68 % and 95 %),
    // missing where no band can be given.
    double quarterMileTime = 0;
    double quarterMileSpeed = 0;
    double eighthMileTime = 0;
    double eighthMileSpeed = 0;
    std::optional<BandWidths> quarterMileTimeBand;
    std::optional<BandWidths> quarterMileSpeedBand;
    std::optional<BandWidths> eighthMileTimeBand;
    std::optional<BandWidths> eighthMileSpeedBand;
    // No band: the calibration's own gap, or (None) fewer than three runs
    // on two days give any of these figures. Only when the day's splits are given.
    bool banded = false;
    BandGap bandGap = BandGap::None;
};

// The fitted car (a fitted calibration's) on the day, with its band.
DayPrediction PredictOnDay(const CarInputs& fittedCar, const FitBand& band, const AirConditions& air);
DayPrediction PredictOnDay(const ModelledCar& fittedCar, const FitBand& band, const AirConditions& air);
