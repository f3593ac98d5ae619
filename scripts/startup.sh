#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/startup.sh [ROUNDS]
# How long the window programs take to start, to their first window mapped
# on a private Xvfb, against the yardsticks: the classic program against a
# bare Qt window, the garage with the four sample cars against a bare Qt
# Charts window with one series. For scale, the least a main window with a
# menu bar and one line of text costs against the bare window is measured
# too. The five programs take turns, ROUNDS times (15 by default); the
# medians and their ratios are printed. Built in
# Release in build-bench/, as the programs ship.
#
# The programs run on a private session bus, as on any desktop: without
# one, every Qt program that connects to the bus (a menu bar, the
# accessibility bridge at a window's first text) has libdbus fork a
# dbus-launch to look for one, a cost no desktop has. STARTUP_SESSION_BUS=0
# measures without a bus.
set -euo pipefail
rounds=${1:-15}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-bench

if [ "${STARTUP_INSIDE:-}" = 1 ]; then
  unset QT_QPA_PLATFORM
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
  # Each program starts with settings of its own, so no remembered window
  # state changes what it shows.
  export XDG_CONFIG_HOME=$(mktemp -d)
  declare -A wall processor
  names=(bare menu classic chart garage)
  run() { # NAME PROGRAM [ARGUMENTS...]
    local name=$1 figures
    shift
    figures=$("$build/bench/startup/mapwatch" "$@")
    wall[$name]+="${figures% *} "
    processor[$name]+="${figures#* } "
  }
  for ((r = 0; r < rounds; ++r)); do
    run bare "$build/bench/startup/bare_window"
    run menu "$build/bench/startup/bare_window" --menu
    run classic "$build/torvane"
    run chart "$build/bench/startup/bare_window" --chart
    run garage "$build/garage/torvane-garage" "$root"/examples/*.trv
  done
  median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
  declare -A wallMedian processorMedian
  for name in "${names[@]}"; do
    wallMedian[$name]=$(echo "${wall[$name]}" | median)
    processorMedian[$name]=$(echo "${processor[$name]}" | median)
    printf '%-8s median %7.1f ms wall-clock, %7.1f ms processor\n' "$name" "${wallMedian[$name]}" "${processorMedian[$name]}"
  done
  awk -v c="${wallMedian[classic]}" -v b="${wallMedian[bare]}" -v m="${wallMedian[menu]}" -v pm="${processorMedian[menu]}" -v g="${wallMedian[garage]}" -v h="${wallMedian[chart]}" \
      -v pc="${processorMedian[classic]}" -v pb="${processorMedian[bare]}" -v pg="${processorMedian[garage]}" -v ph="${processorMedian[chart]}" 'BEGIN {
    printf "menu bar and text / bare Qt window:         %.2f wall-clock, %.2f processor (the least a window with text costs)\n", m / b, pm / pb
    printf "classic program / bare Qt window:           %.2f wall-clock, %.2f processor (target 1.3 at most)\n", c / b, pc / pb
    printf "garage with four cars / bare Charts window: %.2f wall-clock, %.2f processor (target 1.3 at most)\n", g / h, pg / ph
  }'
  exit 0
fi

bash "$root/scripts/install-deps.sh" test
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVANE_BUILD_UI=ON -DTORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target torvane torvane-garage mapwatch bare_window
bus=(dbus-run-session --)
[ "${STARTUP_SESSION_BUS:-1}" = 0 ] && bus=()
STARTUP_INSIDE=1 xvfb-run -a -s '-screen 0 1920x1200x24 -nolisten tcp' "${bus[@]}" bash "$0" "$rounds"
