// SPDX-License-Identifier: GPL-3.0-or-later
#include "garage/CarModel.h"

#include "core/InputChecks.h"
#include "core/RoadRun.h"

#include <QCoreApplication>

QString CarModelName(CarModel model)
{
    switch (model) {
    case CarModel::Road: return QCoreApplication::translate("CarModel", "Road model");
    case CarModel::Classic: return QCoreApplication::translate("CarModel", "Classic law");
    }
    return QString();
}

QString CarModelWord(CarModel model)
{
    return model == CarModel::Road ? QStringLiteral("road") : QStringLiteral("classic");
}

std::optional<CarModel> CarModelOfWord(const QString& word)
{
    for (CarModel model : AllCarModels)
        if (CarModelWord(model) == word)
            return model;
    return std::nullopt;
}

QString ModelRangeMessage(const ModelCar& car, CarModel model)
{
    if (model == CarModel::Classic)
        return RangeMessage(car.inputs);
    return RoadRangeMessage(RoadCarOf(car));
}

DayResults RunModelCarOnDay(const ModelCar& car, const AirFigures& air, CarModel model)
{
    if (model == CarModel::Classic)
        return RunCarOnDay(car.inputs, air);
    return RunRoadCarOnDay(RoadCarOf(car), air);
}
