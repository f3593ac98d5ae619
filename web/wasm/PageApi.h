// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's door into the numbers (numbers/, engine/): a few C
// functions over three buffers, so that the page's JavaScript
// (web/src/engine.js) passes numbers in and reads numbers out without any
// binding library. The same functions run natively in the bit-identity
// test (tests/web/), which compares every double they give.
//
// In: the input buffer (TvIn), and for a text the text buffer (UTF-8).
// Out: the output buffer (TvOut) in the layout below, and a return code.
#pragma once

#include <cstddef>

// The input buffer of a run: the nine inputs by InputField, the day's air
// (°F, inHg station, %), then the eleven road keys in the order of a car
// file (engine, drivetrain, transmission, gears, powerRpm, torque,
// torqueRpm, redline, frontalArea, tires, surface), each a number or the
// index of its word, NaN where the car leaves the key out.
namespace TvIn {
inline constexpr std::size_t Car = 0;
inline constexpr std::size_t Air = 9;
inline constexpr std::size_t RoadKeys = 12;
inline constexpr std::size_t Size = 64;
} // namespace TvIn

// The output buffer of a run.
namespace TvOut {
inline constexpr std::size_t Outcome = 0;     // SimulationOutcome as a number
inline constexpr std::size_t TimeLimit = 1;   // 1 when the run gave up at the time limit
inline constexpr std::size_t StopTime = 2;    // s
inline constexpr std::size_t Results = 3;     // the twelve results, in GetResults' order
inline constexpr std::size_t Splits = 15;     // 60 ft, 330 ft, 1/8 mile and its mph, 1000 ft, 1/4 mile and its mph
inline constexpr std::size_t Horsepower = 22; // hp the run took
inline constexpr std::size_t AirDensity = 23; // slug/ft³ the run took
inline constexpr std::size_t AirFigures = 24; // °C, K, Pa, Pa vapour, Pa dry, kg/m³, ρ/ρ, CF, J607, DA ft
inline constexpr std::size_t RoadProblem = 34; // kind, field (RoadProblemKind, RoadField)
inline constexpr std::size_t PointCount = 36;
inline constexpr std::size_t ShiftCount = 37;
inline constexpr std::size_t RoadCar = 40;    // the road model's car with its typical values, in key order
inline constexpr std::size_t Points = 64;     // PointCount × (elapsed s, mph, ft)
inline constexpr std::size_t Size = 16384;
// The shifts follow the points: ShiftCount × (elapsed s, mph).
} // namespace TvOut

// The runs buffer of a fit (tv_runs): RunStride doubles a run, its weather
// (°F, inHg station, %) and its slip's seven splits (60 ft, 330 ft, 1/8 mile
// and its mph, 1000 ft, 1/4 mile and its mph), NaN where the run does not
// give one, then its place in date order (the order the logbook lists the
// runs in, for the report card's forward scoring) and its day (any number,
// the same for runs on the same date; NaN when it has no date), which the
// validation leaves out whole.
namespace TvRun {
inline constexpr std::size_t Weather = 0;
inline constexpr std::size_t Splits = 3;
inline constexpr std::size_t DatePlace = 10;
inline constexpr std::size_t Day = 11;
inline constexpr std::size_t Stride = 12;
} // namespace TvRun

// The output buffer of a fit (tv_fit), each code as a number.
namespace TvFit {
inline constexpr std::size_t Outcome = 0;         // FitOutcome
inline constexpr std::size_t RefusedRun = 1;      // the run refused, -1 for none
inline constexpr std::size_t UnrunnableField = 2; // InputField, -1 for none
inline constexpr std::size_t Horsepower = 3;      // hp on the standard day
inline constexpr std::size_t SpinTime = 4;        // s
inline constexpr std::size_t SumOfSquares = 5;
inline constexpr std::size_t Figures = 6;
inline constexpr std::size_t SpinTimeHeld = 7;    // 1 when held at 0
inline constexpr std::size_t FewerShifts = 8;     // 0 when none reach the runs
inline constexpr std::size_t HorsepowerBound = 9; // HorsepowerBound
inline constexpr std::size_t FailingRange = 10;   // the fitted car's first failing range test, -1 for none
inline constexpr std::size_t Folds = 11;
inline constexpr std::size_t BandGap = 12;        // BandGap
inline constexpr std::size_t Days = 13;           // the days of the runs
// The validation's errors: quarter-mile time and speed, eighth-mile time
// and speed, each (runs, mean absolute, bias, root mean square).
inline constexpr std::size_t Errors = 16;
// The prediction on the input buffer's air: gap (PredictionGap), failing
// AirField (-1 for none), finished, then 1/4-mile time and speed, 1/8-mile
// time and speed, their four 68 % bands (NaN where none), 1 when banded,
// and their four 95 % bands.
inline constexpr std::size_t Prediction = 32;
// The report card: gap (ReportGap), the best method and the best that
// predicts ahead (-1 for none), then for each PredictionMethod the time's
// (runs, mean absolute error, bias) and the speed's.
inline constexpr std::size_t Report = 48;
inline constexpr std::size_t ReportStride = 6;
// The dial-in on the input buffer's air: the method (-1 for none), the
// quarter-mile time and speed, and their 95 % bands (NaN where none).
inline constexpr std::size_t DialIn = 99;
// The validation's bands, for the four figures of Errors: (days, 68 %
// band, 95 % band), NaN bands where none.
inline constexpr std::size_t ErrorBands = 104;
inline constexpr std::size_t RunCount = 119; // the runs whose slips follow
// The law fitted: 0 the classic law, 1 the road model; then the road
// model's values (1, its wheel power and 0 on the classic law): the factor
// on the rated power and torque (Horsepower is the rated power it gives),
// the power at the wheels (hp on the standard day), the factor on the
// tires' grip, 1 when the grip is held at 1, the end of its search it is
// held at (HorsepowerBound), and the road model's first failing range test
// of the fitted car (of the typed car when the fit failed) as kind and
// field (RoadProblemKind, RoadField).
inline constexpr std::size_t Model = 120;
inline constexpr std::size_t PowerFactor = 121;
inline constexpr std::size_t WheelHorsepower = 122;
inline constexpr std::size_t GripFactor = 123;
inline constexpr std::size_t GripHeld = 124;
inline constexpr std::size_t GripBound = 125;
inline constexpr std::size_t RoadProblem = 126;
// Each run's slip beside the fitted car's: finished, then the model's seven
// splits, in the order of the runs given.
inline constexpr std::size_t Runs = 128;
inline constexpr std::size_t RunStride = 8;
} // namespace TvFit

extern "C" {
double* tv_in();
double* tv_out();
char* tv_text();
std::size_t tv_text_size();

// The text buffer's first `length` bytes read as the box of `field` reads
// them (InputField as a number).
double tv_parse_field(int field, int length);
// The index of the first failing range test of the car in the input
// buffer; -1 when every test passes.
int tv_check_car();
// The day's air of the input buffer: its figures in the output buffer at
// TvOut::AirFigures; returns the first failing AirField, -1 when all pass.
int tv_air();
// The station pressure (inHg, out[0]) of an altimeter setting in[0] at an
// elevation in[1] (ft); returns -1 when all is in range, the failing
// AirField of the two boxes, or 5 when the station pressure is out of its
// range.
int tv_altimeter();
// The bytes buffer, for a car file's first bytes (at most TrvMaxScannedBytes
// and one more).
char* tv_bytes();
std::size_t tv_bytes_size();
// Scans the bytes buffer's first `length` bytes as a car file: returns its
// TrvProblem; out[0] the number of words, out[1] the tail's first line,
// out[2..10] the words' lengths, out[11] the tail's length, and the words
// then the tail, one after the other, in the bytes buffer.
int tv_trv_scan(int length);
// The text buffer's first `length` bytes (trimmed) as the value of road key
// `key` (RoadKey as a number): returns its RoadValueError; out[0] the value
// (a number, or the index of the key's word).
int tv_road_value(int key, int length);
// Runs the car of the input buffer on the day: model 0 the classic law,
// 1 the road model; `samples` points of each curve up to the quarter mile.
// Returns the outcome (SimulationOutcome as a number).
int tv_run(int model, int samples);
// The runs buffer, with room for `count` runs (TvRun); its place may move
// with each call.
double* tv_runs(int count);
// Calibrates the car of the input buffer to the `count` runs of the runs
// buffer, predicts its run on the input buffer's air and scores the report
// card, in the output buffer (TvFit): model 0 fits the horsepower and the
// spin time by the classic law, 1 the power and the launch grip by the road
// model with the input buffer's road keys. Returns the FitOutcome.
int tv_fit(int model, int count);
}
