// SPDX-License-Identifier: GPL-3.0-or-later
// The road model: a real car at a real strip.
//
// In: a RoadCar (engine/RoadCar.h) and the day (RoadDay: the air's density,
// the engine's power on the day over its rating, the grade). Out: a RoadRun,
// an immutable outcome holding the trajectory from standstill, the gear
// changes, the time slip's splits and the twelve results in the classic
// program's form (SimulationResults), timed as a drag strip and a magazine
// time them.
//
// At each instant the drive force at the tires is the lesser of two limits,
// the engine's power through the gears (a power curve, the drivetrain's loss,
// the launch through a slipping clutch or a torque converter, an electric
// motor's full torque up to its base speed) and the driven tires' grip with
// the weight transfer of the acceleration; rolling resistance, aero drag in
// the day's air and the grade are taken from it, and the rotating parts add
// to the mass by gear. The equations, every constant and its source are in
// docs/DESIGN.md ("The road model").
//
// Conventions: elapsed times run from the first foot of travel (the
// rollout), as a strip's timer starts when the front tire leaves the stage
// beam; 0-60 mph and the other speed marks use the same rollout, as US
// magazines publish them; a trap speed is the mean speed over the last 66 ft
// before its mark. A speed mark never reached has the time 0.
//
// The run is integrated over the speed within each gear (the time and the
// distance are integrals of 1/a and v/a over v), by Gauss-Legendre
// quadrature on pieces no wider than the speed step, split where the force
// has a kink (the end of the launch, the knots of the power curve, the end of
// wheel spin), and over the time through each gear change. Halving the step
// changes no mark by more than 0.0005 s. Standard C++ only.
#pragma once

#include "RoadCar.h"
#include "Simulation.h"

#include <array>
#include <vector>

// The day as the road model needs it.
struct RoadDay {
    // The air's density, slug/ft³: by default that of a standard day of
    // 60 °F, 29.92 inHg and dry air.
    double airDensity = 0.0023769;
    // The engine's power on the day over its rated power (1 / the SAE J1349
    // correction factor).
    double powerFactor = 1;
    // The road's rise over its run; positive uphill.
    double grade = 0;
};

// The constants of the model that are calibrated on road tests rather than
// taken from a source (docs/DESIGN.md says to what each was fitted). The
// validation varies them; every program uses the defaults.
struct RoadCalibration {
    // Peak friction coefficient of street tires on an ordinary dry surface.
    double streetGrip = 1.18;
    // Grip on a drag strip's prepared surface over that on an ordinary one.
    double preparedGain = 1.17;
    // The share of a combustion engine's rated power that reaches the driven
    // wheels through a two-wheel-drive manual gearbox.
    double drivetrainEfficiency = 0.875;
};

// Where the car's top speed comes from: the drag balancing the power at or
// below the engine's power peak, the power curve falling past the peak, or
// the engine's redline in the gear it runs out in.
enum class TopSpeedLimit : std::uint8_t { Drag, Power, Redline };

// How a run ended: it passed the quarter mile, it could not (the car does
// not move, or does not reach 1,320 ft within RoadTimeLimit), or the car
// could not be run (RoadRangeProblem, or a day that is not finite and
// positive).
enum class RoadOutcome : std::uint8_t { Finished, DoesNotFinish, InvalidInputs };

// The longest run the model integrates, s.
inline constexpr double RoadTimeLimit = 600;

// One point of the trajectory: the time from standstill (s, not from the
// rollout), the distance (ft), the speed (ft/s), the gear (1 = first, 0
// during a gear change) and whether the tires' grip limits the force.
struct RoadPoint {
    double time = 0;
    double distance = 0;
    double speed = 0;
    int gear = 0;
    bool tractionLimited = false;
};

// A gear change: from `fromGear` to the next, starting at `time` (s from
// standstill) and `speed` (ft/s), taking `duration` s.
struct RoadShift {
    int fromGear = 0;
    double time = 0;
    double speed = 0;
    double duration = 0;
};

// A timing mark of the time slip: its distance (ft), the elapsed time from
// the rollout (s), the speed as the car passes it (mph), and for the 1/8 and
// 1/4 mile the trap speed (mph, the mean over the 66 ft before it; 0 for the
// others).
struct RoadSplit {
    double distance = 0;
    double elapsedTime = 0;
    double speed = 0;
    double trapSpeed = 0;
};

// The time slip's marks, as SplitDistances gives them: 60 ft, 330 ft, 1/8
// mile, 1,000 ft, 1/4 mile.
using RoadSplits = std::array<RoadSplit, SplitDistances.size()>;

// The settings of the integration: the widest piece of speed one quadrature
// covers, ft/s. Halving it changes no mark by more than 0.0005 s.
inline constexpr double DefaultRoadSpeedStep = 6.0;

class RoadRun {
public:
    RoadOutcome Outcome() const { return outcome; }
    bool Finished() const { return outcome == RoadOutcome::Finished; }
    // The car as it ran, with its typical values.
    const FullRoadCar& Car() const { return car; }
    const RoadDay& Day() const { return day; }

    // The twelve results in the classic form: the quarter-mile time is the
    // elapsed time, its speed the trap speed, its distance 1,320 ft, its wind
    // force the drag as the car passes the mark; the top speed is the highest
    // speed the car can hold, its time the elapsed time at which the car
    // comes within 1 mph of it (or reaches it, where the redline holds it),
    // with the distance covered by then and the drag at the top speed. Every
    // result is 0 unless the run finished.
    const SimulationResults& Results() const { return results; }
    const RoadSplits& Splits() const { return splits; }
    TopSpeedLimit TopSpeedLimitedBy() const { return topSpeedLimit; }

    // The time from standstill to the rollout, s: an elapsed time is the
    // trajectory's time less this.
    double RolloutTime() const { return rolloutTime; }
    // The speed (ft/s) up to which the tires' grip limits the launch; 0 when
    // it never does.
    double TractionLimitedUntil() const { return tractionLimitedUntil; }

    // The trajectory from standstill to the top speed's time, or to the
    // quarter mile if that is later, in time order.
    const std::vector<RoadPoint>& Trajectory() const { return trajectory; }
    const std::vector<RoadShift>& Shifts() const { return shifts; }

private:
    friend class RoadIntegrator;
    friend RoadRun RunRoadModel(const RoadCar&, const RoadDay&, double, const RoadCalibration&);

    RoadOutcome outcome = RoadOutcome::InvalidInputs;
    FullRoadCar car;
    RoadDay day;
    SimulationResults results;
    RoadSplits splits{};
    TopSpeedLimit topSpeedLimit = TopSpeedLimit::Drag;
    double rolloutTime = 0;
    double tractionLimitedUntil = 0;
    std::vector<RoadPoint> trajectory;
    std::vector<RoadShift> shifts;
};

// Runs the car on the day. `speedStep` is the integration's widest piece of
// speed (ft/s); `calibration` the calibrated constants.
RoadRun RunRoadModel(const RoadCar& car, const RoadDay& day = {}, double speedStep = DefaultRoadSpeedStep,
                     const RoadCalibration& calibration = {});

// The share of the engine's power that reaches the driven wheels: the
// calibrated two-wheel-drive manual share, less the gearbox's and the
// transfer case's losses; an electric drive's own share.
double DrivetrainEfficiency(const FullRoadCar& car, const RoadCalibration& calibration = {});
