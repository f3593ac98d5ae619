// SPDX-License-Identifier: GPL-3.0-or-later
// CarModel: the law a garage runs its cars by, chosen once for the whole
// garage in the Conditions row: the road model (engine/RoadModel.h), a real
// car at a real strip from what its owner knows, or the classic law, which
// gives the classic program's numbers bit for bit.
//
// In: a car as the garage holds it (its nine inputs and its road keys), the
// day's air and the model. Out: the range message that keeps the car from
// running on that model, or its run on the day in the classic run's form.
// Every page runs its cars through here, so they all agree with Compare.
#pragma once

#include "core/Air.h"
#include "core/CarInputs.h"
#include "core/DayRun.h"
#include "core/RoadKeys.h"

#include <QString>

#include <array>
#include <optional>

enum class CarModel { Road, Classic };
inline constexpr std::array<CarModel, 2> AllCarModels = { CarModel::Road, CarModel::Classic };
// A new garage (no setting yet) runs on the road model.
inline constexpr CarModel DefaultCarModel = CarModel::Road;

// "Road model", "Classic law"; translated.
QString CarModelName(CarModel model);
// The word the settings and the exports keep: "road", "classic".
QString CarModelWord(CarModel model);
std::optional<CarModel> CarModelOfWord(const QString& word);

// A car as the pages run it: the nine inputs, and the road keys the road
// model reads beside them (the classic law ignores them).
struct ModelCar {
    CarInputs inputs;
    RoadKeys keys;
};

// The road model's car of a garage car.
inline RoadCar RoadCarOf(const ModelCar& car) { return RoadCarOf(car.inputs, car.keys); }

// Why the car cannot run on the model (the classic range tests, or the
// road model's); empty when it can.
QString ModelRangeMessage(const ModelCar& car, CarModel model);

// The car run on the day by the model. The classic law gives RunCarOnDay's
// results bit for bit.
DayResults RunModelCarOnDay(const ModelCar& car, const AirFigures& air, CarModel model);
