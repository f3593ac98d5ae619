// SPDX-License-Identifier: GPL-3.0-or-later
// Calibration: the model fitted to a car's own time slips, and the next run
// predicted with an error measured on those slips. The numbers are those of
// numbers/Fit.h; here the logbook's runs go in and its messages come out.
//
// In: the car as typed (CarInputs) and its runs (TimeSlip), each on its own
// day's air. Out: the car's horsepower on the standard day and its spin time
// that best match the runs (CarFit), every other input kept as typed, the
// shift counts too; each run's slip beside the model's; whether the fitted
// values pass the classic input checks; and a note for each bound that holds
// the fit back. Calibrate adds the validation fits (each run predicted by a
// fit without its day: on all the other days up to LeaveOneOutBound days, on
// the other folds above), whose errors are the 68 % and 95 % bands Predict
// gives with a prediction for any day's air; it tells its progress, can be cancelled from another
// thread and may run its validation fits on several threads. Nothing here
// shows a message or touches a database: the garage and the runner both call
// it.
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
// day's air share one run of the model. On the road model (a car with its
// road description) the fit finds the power at the wheels and the launch
// grip instead, and its messages name them.
#pragma once

#include "core/Air.h"
#include "core/CarInputs.h"
#include "core/DayRun.h"
#include "core/RoadKeys.h"
#include "logbook/TimeSlip.h"
#include "numbers/Fit.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

// The day's air of a run: its temperature, station pressure and humidity,
// the standard day's value for each one the run does not give.
AirConditions AirOfRun(const TimeSlip& run);

// Which runs a car's fit takes: all of them, those since a date, or the
// last N by date. The user chooses it, and it is kept with the logbook;
// selecting rows never narrows it.
struct FitChoice {
    enum class Kind { AllRuns, SinceDate, LastRuns };
    Kind kind = Kind::AllRuns;
    QDate since;   // SinceDate: the first date taken
    int last = 20; // LastRuns: how many

    friend bool operator==(const FitChoice&, const FitChoice&) = default;
};

// The runs a choice takes, in the order given: since a date those dated on
// it or after; the last N those last in the logbook's date order.
QList<TimeSlip> RunsToFit(const QList<TimeSlip>& runs, const FitChoice& choice);
// The choice as it is kept ("all", "since:2024-05-01", "last:20"), and read
// back (all runs for a text that is none of these).
QString FitChoiceKey(const FitChoice& choice);
FitChoice FitChoiceFromKey(const QString& key);
// "Fit to all runs: 12 of 12.", "Fit to the runs since 2024-05-01: 8 of
// 12.", "Fit to the last 10 runs: 10 of 12."
QString FitChoiceLine(const FitChoice& choice, qsizetype taken, qsizetype all);

// A car as the fit runs it on the road model: its nine inputs and its road
// keys.
ModelledCar RoadModelledCar(const CarInputs& inputs, const RoadKeys& keys);

// What the fit reads of a run, and of runs.
RunFigures RunFiguresOf(const TimeSlip& run);
std::vector<RunFigures> RunFiguresOf(const QList<TimeSlip>& runs);

// The slip's figures of a run beside those of the model's splits.
SlipResidual ResidualOf(const TimeSlip& run, const AirConditions& air, const DayResults& model);

// The fit (numbers/Fit.h) with its messages.
struct CarFit : FitResult {
    QString message; // why there is no fit; empty when fitted

    // The classic input checks of the fitted car (on the road model, the
    // road model's range tests): the message of the first test it fails
    // (empty when every value is within the ranges), and those of the two
    // classic fitted values alone (empty on the road model).
    QString rangeMessage;
    QString horsepowerRangeMessage;
    QString spinTimeRangeMessage;

    // One sentence for each bound that holds the fit: the spin time held at
    // 0 (with the quarter-mile shift count that would let the model reach the
    // runs' elapsed times), a horsepower at the end of the search.
    QStringList boundNotes;

    bool InClassicRanges() const { return rangeMessage.isEmpty(); }
};

// Fits the horsepower (standard day) and the spin time of the typed car to
// the runs, each on its own day's air (AirOfRun). A run that fails
// SlipProblem is refused (RunRefused), with its problem in the message.
CarFit FitCar(const CarInputs& typed, const QList<TimeSlip>& runs);
// The same on either law: with a road description, the power at the wheels
// and the launch grip.
CarFit FitCar(const ModelledCar& typed, const QList<TimeSlip>& runs);

// What the fit found, in one sentence: "Fitted to the runs (5): 312.4 hp
// on the standard day, spin time 1.250 s.", or on the road model "Fitted to
// the runs (5) on the road model: 281.2 hp at the wheels on the standard day
// (312.4 hp rated), launch grip × 1.08."; numbers in `locale`.
QString FitLine(const CarFit& fit, qsizetype runs, const QLocale& locale);
// Whether the fitted values lie in the ranges, in one sentence.
QString FitRangeLine(const CarFit& fit, const QLocale& locale);

// The band of a prediction (numbers/Fit.h) with the message of why no band
// is given; empty when one is.
struct ErrorBand : FitBand {
    QString message;

    bool Available() const { return message.isEmpty(); }
};

// The fit on all runs, and with three runs or more the validation fits and
// their errors.
struct Calibration {
    CarFit fit;
    QList<TimeSlip> runs;         // the runs fitted, as given
    std::vector<LeftOutRun> leftOut; // one per run; empty below three runs
    int folds = 0; // the validation's folds: as many as days for leave-one-day-out
    int days = 0;  // the days of the runs
    ErrorBand band;
};

Calibration Calibrate(const CarInputs& typed, const QList<TimeSlip>& runs,
                      const CalibrationControl& control = {});
Calibration Calibrate(const ModelledCar& typed, const QList<TimeSlip>& runs,
                      const CalibrationControl& control = {});

// The errors of one figure over the left-out runs; none for a field that is
// not a split.
FigureError LeaveOneOutError(const Calibration& calibration, SlipField field);

// The fitted car on a day's air, with the band of the calibration, and the
// messages of why there is no prediction or no band (empty when there is).
struct Prediction : DayPrediction {
    QString message;
    QString bandMessage;
};

Prediction Predict(const Calibration& calibration, const AirConditions& air);

// Why a figure of a banded calibration has no band: too few of the runs, or
// of their days, give it.
QString NoFigureBandMessage();
