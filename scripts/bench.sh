#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs the benchmarks in build-bench/, at the optimisation level
# the programs ship with: the engine against literal stepping, then a
# what-if slider step of the garage, many cars, the calibration and a big
# logbook, then the runner, then the web page.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTORVANE_BUILD_UI=OFF -DTORVANE_BUILD_RUNNER=ON -DTORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build-bench" --target bench_engine bench_road_model bench_garage_whatif bench_garage_cars \
  bench_garage_logbook bench_calibration bench_runner bench_runner_slips torvane-run
"$root/build-bench/bench/bench_engine" "$@"
# The road model's cost a car beside the classic engine's (target: median
# at most 20 µs).
"$root/build-bench/bench/road/bench_road_model"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$root/build-bench/bench/garage/bench_garage_whatif"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$root/build-bench/bench/garage/bench_garage_cars"
# The fit to a car's time slips, then the garage with a logbook of 1,000,
# 10,000 and 100,000 runs: the Logbook tab shown and calibrated, with the
# longest the window froze meanwhile.
"$root/build-bench/bench/logbook/bench_calibration"
QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$root/build-bench/bench/garage/bench_garage_logbook"

# The runner: its cost a car beside the engine's, the speed-up of a second
# job and the road model through it (bench/runner), then its peak memory for
# a grid of 10,000,000
# variants written as CSV (1,000 horsepowers by 10,000 weights), which must
# stay flat: target under 30 MiB.
"$root/build-bench/bench/runner/bench_runner"
# The runner fitting a car to 100,000 time slips, each output format:
# target under 10 s.
"$root/build-bench/bench/runner/bench_runner_slips"
[ -x /usr/bin/time ] || apt-get install -y -qq --no-install-recommends time >/dev/null
report=$(mktemp)
/usr/bin/time -v "$root/build-bench/runner/torvane-run" --csv \
  --sweep horsepower=100:1099:1 --sweep carWeight=1000:4499.65:0.35 \
  "$root/examples/sports-car.trv" 2>"$report" | wc -l | {
  read -r lines
  echo "torvane-run, CSV of a 10,000,000-variant grid: $((lines - 1)) rows"
}
awk -F': ' '/Maximum resident set size/ { printf "  peak resident memory %.1f MiB (target < 30)\n", $2 / 1024 }
            /Elapsed \(wall clock\)/ { print "  elapsed " $2 }' "$report"
rm -f "$report"

# The web page in headless Chromium: the first load, a What if slider step
# with three cars, and the .wasm's compressed size (bench/web).
bash "$root/scripts/web.sh" --build-only
node "$root/bench/web/bench_web.mjs" "$root/build-web" "$root/examples"
