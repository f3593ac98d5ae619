#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/validate-road-model.sh [ROADTESTS.csv]
# Runs every published road test of the file (by default
# bench/road/roadtests.csv) through the road model and through Hale's rule,
# and prints each car, the mean absolute error and bias of every figure, the
# constants fitted to all rows, and each car family predicted by constants
# fitted to the other families; then the road model's cost a car beside the
# classic engine's. Builds in build-bench/ at the level the programs ship.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
data=${1:-$root/bench/road/roadtests.csv}
bash "$root/scripts/install-deps.sh" build
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTORVANE_BUILD_UI=OFF -DTORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-bench" --target validate_road_model bench_road_model
"$root/build-bench/bench/road/validate_road_model" --fit --families "$data"
echo
"$root/build-bench/bench/road/bench_road_model"
