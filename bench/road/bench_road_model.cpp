// SPDX-License-Identifier: GPL-3.0-or-later
// The road model's cost a car beside the classic engine's, measured in one
// run on the same cars: 1,000 random cars within the classic input ranges
// (their nine inputs read by both models, no road keys) and the four sample
// cars, each timed as the median of interleaved rounds. Target: a road car
// in at most 20 µs at the median.
#include "core/CarRun.h"
#include "core/RoadKeys.h"
#include "engine/RoadModel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * (values.size() - 1))];
}

CarInputs RandomCar(std::mt19937_64& random)
{
    auto uniform = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    CarInputs car;
    car.horsepower = uniform(100, 1500);
    car.grillArea = uniform(2, 20);
    car.windshieldArea = uniform(2, 20);
    car.carWeight = uniform(1000, 4500);
    car.dragCoefficient = uniform(0.2, 0.4);
    car.windshieldAngle = uniform(20, 45);
    car.availableShifts = std::uniform_int_distribution<int>(2, 5)(random);
    car.quarterMileShifts = std::uniform_int_distribution<int>(1, car.availableShifts - 1)(random);
    car.spinTime = uniform(0.75, 3);
    return car;
}

// Microseconds a car for each model, timed over `rounds` interleaved rounds.
struct Costs {
    std::vector<double> classic, road;
};

Costs Time(const std::vector<CarInputs>& cars, int rounds)
{
    Costs costs;
    costs.classic.assign(cars.size(), 1e300);
    costs.road.assign(cars.size(), 1e300);
    double sink = 0;
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < cars.size(); ++i) {
            const auto a = Clock::now();
            const CarRun classic = RunCar(cars[i]);
            const auto b = Clock::now();
            const RoadRun road = RunRoadModel(RoadCarOf(cars[i], {}));
            const auto c = Clock::now();
            sink += classic.results.quarterMileTime + road.Results().quarterMileTime;
            costs.classic[i] = std::min(costs.classic[i], std::chrono::duration<double, std::micro>(b - a).count());
            costs.road[i] = std::min(costs.road[i], std::chrono::duration<double, std::micro>(c - b).count());
        }
    }
    if (sink == 0.5)
        std::puts("");
    return costs;
}

} // namespace

int main()
{
    std::mt19937_64 random(2026);
    std::vector<CarInputs> cars;
    for (int i = 0; i < 1000; ++i)
        cars.push_back(RandomCar(random));
    const Costs costs = Time(cars, 5);
    std::printf("1,000 random in-range cars, the fastest of 5 rounds each, µs a car:\n");
    std::printf("  classic engine: median %.2f, p99 %.2f, max %.2f\n", Median(costs.classic),
                Percentile(costs.classic, 0.99), Percentile(costs.classic, 1));
    std::printf("  road model:     median %.2f, p99 %.2f, max %.2f (target: median <= 20)\n", Median(costs.road),
                Percentile(costs.road, 0.99), Percentile(costs.road, 1));
    std::printf("  road model / classic engine at the median: %.1fx\n", Median(costs.road) / Median(costs.classic));
    return 0;
}
