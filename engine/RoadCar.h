// SPDX-License-Identifier: GPL-3.0-or-later
// RoadCar: a real car as its owner knows it, for the road model
// (engine/RoadModel.h).
//
// In: the rated power, the weight, the drag coefficient and the frontal area,
// which every car has, and the optional keys of a car file (engine kind,
// drivetrain, transmission and gears, the power and torque peaks with their
// engine speeds, the redline, the tires, the surface). Out: the same car with
// a typical value for every key it leaves out (WithTypicalValues), and the
// road model's range tests as codes (RoadRangeProblem), which the core turns
// into messages. Standard C++ only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

enum class EngineKind : std::uint8_t { Combustion, Electric };
enum class Drivetrain : std::uint8_t { FrontWheel, RearWheel, AllWheel };
enum class Transmission : std::uint8_t { Manual, Automatic, DualClutch, Automated, Cvt, Direct };
enum class TireKind : std::uint8_t { Street, Summer, Track, DragRadial, Slick };
enum class SurfaceKind : std::uint8_t { Street, Prepped };

// The words a car file uses for each choice, in enum order.
inline constexpr std::array<std::string_view, 2> EngineWords = { "combustion", "electric" };
inline constexpr std::array<std::string_view, 3> DrivetrainWords = { "fwd", "rwd", "awd" };
inline constexpr std::array<std::string_view, 6> TransmissionWords = {
    "manual", "automatic", "dct", "automated", "cvt", "direct"
};
inline constexpr std::array<std::string_view, 5> TireWords = { "street", "summer", "track", "dragRadial",
                                                                "slick" };
inline constexpr std::array<std::string_view, 2> SurfaceWords = { "street", "prepped" };

// The car as described. The first four are always known; every optional
// value left empty takes its typical value (WithTypicalValues).
struct RoadCar {
    double horsepower = 0;      // rated peak power, hp (SAE net)
    double weight = 0;          // lb, as it runs: driver aboard
    double dragCoefficient = 0;
    double frontalArea = 0;     // ft²

    std::optional<EngineKind> engine;
    std::optional<Drivetrain> drivetrain;
    std::optional<Transmission> transmission;
    std::optional<int> gears;         // forward gears
    std::optional<double> powerRpm;   // engine speed of peak power
    std::optional<double> torque;     // peak torque, lb-ft
    std::optional<double> torqueRpm;  // engine speed of peak torque
    std::optional<double> redline;    // highest engine speed, rpm
    std::optional<TireKind> tires;
    std::optional<SurfaceKind> surface;

    bool operator==(const RoadCar&) const = default;
};

// A car with every value known.
struct FullRoadCar {
    double horsepower = 0;
    double weight = 0;
    double dragCoefficient = 0;
    double frontalArea = 0;
    EngineKind engine = EngineKind::Combustion;
    Drivetrain drivetrain = Drivetrain::RearWheel;
    Transmission transmission = Transmission::Automatic;
    int gears = 1;
    double powerRpm = 0;
    double torque = 0;
    double torqueRpm = 0;
    double redline = 0;
    TireKind tires = TireKind::Street;
    SurfaceKind surface = SurfaceKind::Street;

    bool operator==(const FullRoadCar&) const = default;
};

// The typical values (docs/DESIGN.md, "The road model", gives the source of
// each):
// - engine: combustion; drivetrain: rear-wheel drive; tires and surface:
//   street;
// - transmission: automatic for a combustion engine, direct for an electric
//   one (automatic when it is given more than one gear); a CVT or a direct
//   drive has one gear, the others TypicalGears;
// - combustion: peak power at 6,500 rpm, the redline 10 % above it, peak
//   torque at 65 % of the power peak's speed and 15 % above the torque at
//   the power peak;
// - electric: full torque up to 5,000 rpm (torque = power there), redline
//   18,000 rpm, the torque "peak" at 0 rpm.
// Where the car gives some of the figures, the others follow from them: a
// given torque and power of an electric motor set its base speed, a given
// power peak sets the redline, and so on.
FullRoadCar WithTypicalValues(const RoadCar& car);

// The transmission a car takes where it names none: automatic for a
// combustion engine, direct for an electric one unless it is given more
// than one gear (then automatic, a two-speed planetary box).
Transmission TypicalTransmission(const RoadCar& car);

// The typical number of gears of a transmission (manual 6, automatic 8,
// dual-clutch 7, single-clutch automated 6, CVT and direct 1).
int TypicalGears(Transmission transmission);

// The road model's values, for its range tests and their messages.
enum class RoadField : std::uint8_t {
    Horsepower,
    Weight,
    DragCoefficient,
    FrontalArea,
    Gears,
    PowerRpm,
    Torque,
    TorqueRpm,
    Redline,
};
inline constexpr int RoadFieldCount = 9;

// One range test: a value passes when low <= value <= high (a NaN fails).
struct RoadRange {
    RoadField field;
    double low;
    double high;
};

// The tests, in RoadField order: horsepower 10 to 2,000 hp, weight 500 to
// 8,000 lb, drag coefficient 0.15 to 0.8, frontal area 5 to 80 ft², gears 1
// to 10, the power peak's speed 1,000 to 25,000 rpm, torque 10 to
// 2,500 lb-ft, the torque peak's speed 0 to 25,000 rpm, redline 1,000 to
// 25,000 rpm. Wide enough for every production car.
const std::array<RoadRange, RoadFieldCount>& RoadRanges();

// Why a car cannot run on the road model: a value out of its range, or
// engine speeds in the wrong order (the torque peak above the power peak,
// the power peak above the redline), or a torque too small for the power at
// its peak's speed. `field` names the value the problem is about.
enum class RoadProblemKind : std::uint8_t { None, OutOfRange, TorquePeakAbovePowerPeak, PowerPeakAboveRedline,
                                            TorqueTooSmall, GearsForTransmission };
struct RoadProblem {
    RoadProblemKind kind = RoadProblemKind::None;
    RoadField field = RoadField::Horsepower;
    bool operator==(const RoadProblem&) const = default;
    explicit operator bool() const { return kind != RoadProblemKind::None; }
};

// The first problem of the car as described (its given values) and with
// its typical values, in RoadField order; none when it can run.
RoadProblem RoadRangeProblem(const RoadCar& car);
