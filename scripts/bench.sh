#!/usr/bin/env bash
# Builds and runs the benchmarks in build-bench/, at the optimisation level
# the programs ship with: the engine against literal stepping, then a
# what-if slider step of the garage.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTORVANE_BUILD_UI=OFF -DTORVANE_BUILD_RUNNER=OFF -DTORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-bench" --target bench_engine bench_garage_whatif bench_garage_cars
"$root/build-bench/bench/bench_engine" "$@"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$root/build-bench/bench/garage/bench_garage_whatif"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$root/build-bench/bench/garage/bench_garage_cars"
