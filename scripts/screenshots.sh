#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/screenshots.sh OUTPUT-FOLDER
# Builds Torvane, then, under a private Xvfb, opens every window of the
# classic program and writes one PNG per window into OUTPUT-FOLDER (and
# again under a dark desktop palette into OUTPUT-FOLDER/dark, and in German
# into OUTPUT-FOLDER/de), then the garage's pictures (garage-compare.png,
# garage-whatif.png, garage-sensitivity.png, garage-whatif-friend.png,
# garage-logbook.png;
# again at twice the scale in OUTPUT-FOLDER/2x, and in German in
# OUTPUT-FOLDER/de), the comparison on a 1366×768 laptop at 100 % (in
# English and in German) and on a 1920×1080 screen at 150 %
# (garage-laptop.png, garage-laptop-1.5x.png), three cars described for the
# road model on the same laptop with their road fields (garage-road.png, in
# English and in German) and its exported report
# (garage-report.pdf, with its first page as garage-report.png). It
# also starts the classic program and prints how long it takes until the
# main window is mapped. TORVANE_BUILD_DIR picks the build folder (default:
# build/).
set -euo pipefail

# Runs inside the X server: the pictures, then the start-up time.
if [ "${1:-}" = --inside ]; then
  build=$2 out=$3
  unset QT_QPA_PLATFORM
  "$build/tests/shell/torvane_screenshots" "$out"
  mkdir -p "$out/dark"
  "$build/tests/shell/torvane_screenshots" "$out/dark" --dark
  mkdir -p "$out/de"
  "$build/tests/shell/torvane_screenshots" "$out/de" --german
  "$build/tests/garage/torvane_garage_screenshots" "$out"
  mkdir -p "$out/2x"
  QT_SCALE_FACTOR=2 "$build/tests/garage/torvane_garage_screenshots" "$out/2x"
  "$build/tests/garage/torvane_garage_screenshots" "$out" --laptop 1366x768
  QT_SCALE_FACTOR=1.5 "$build/tests/garage/torvane_garage_screenshots" "$out" --laptop 1920x1080
  "$build/tests/garage/torvane_garage_screenshots" "$out/de" --german
  "$build/tests/garage/torvane_garage_screenshots" "$out/de" --german --laptop 1366x768
  pdftoppm -r 100 -png -f 1 -l 1 -singlefile "$out/garage-report.pdf" "$out/garage-report"

  start=$(date +%s%N)
  LC_ALL=C.UTF-8 LANGUAGE= "$build/torvane" &
  pid=$!
  until xdotool search --onlyvisible --name '^Torvane Performance Analysis Program\.\.\.$' >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the program ended before its main window showed" >&2
      exit 1
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  echo "start-up to a mapped main window: $(( (end - start) / 1000000 )) ms"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exit 0
fi

out=${1:?usage: screenshots.sh OUTPUT-FOLDER}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TORVANE_BUILD_DIR:-$root/build}

if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target torvane torvane_screenshots torvane_garage_screenshots torvane_translations >/dev/null
mkdir -p "$out"
out=$(cd "$out" && pwd)

xvfb-run -a -s '-screen 0 2048x1280x24 -nolisten tcp -noreset' bash "$root/scripts/screenshots.sh" --inside "$build" "$out"
