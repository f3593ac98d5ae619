// SPDX-License-Identifier: GPL-3.0-or-later
// The engine test's and the benchmark's way into a record's parts: the three
// runs one by one (without RunSimulation's checks), the law at a list of
// steps, the sampled series to the quarter mile or the top speed, and the
// top-speed point. Programs use the record's public face only.
#pragma once

#include "engine/Simulation.h"

#include <cstdint>
#include <vector>

class SimulationProbe
{
public:
    static void RunQuarterMile(SimulationRecord& record) { record.RunQuarterMile(); }
    static void ComputeTopSpeed(SimulationRecord& record) { record.ComputeTopSpeed(); }
    static void FindSpeedMarks(SimulationRecord& record) { record.FindSpeedMarks(); }

    static std::vector<TrajectoryPoint> PointsAtSteps(const SimulationRecord& record,
                                                      const std::vector<std::int64_t>& steps)
    {
        return record.PointsAtSteps(steps);
    }
    static std::vector<TrajectoryPoint> SampledTrajectory(const SimulationRecord& record, TrajectoryEnd end,
                                                          int samples)
    {
        return record.SampledTrajectory(end, samples);
    }
    static TrajectoryPoint TopSpeedPoint(const SimulationRecord& record) { return record.TopSpeedPoint(); }
};
