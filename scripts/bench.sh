#!/usr/bin/env bash
# Builds and runs the engine benchmark (optimised build in build-bench/).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTORVANE_BUILD_UI=OFF -DTORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-bench" --target bench_engine
"$root/build-bench/bench/bench_engine" "$@"
