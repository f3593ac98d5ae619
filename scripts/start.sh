#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/start.sh [torvane | torvane-garage | torvane-run] [ARGUMENTS...]
# Installs what building and running need (nothing for the tests), builds the
# programs and their translations in Release in build-release/ and starts one
# of them: the classic program by default, or the garage or the batch runner
# with their arguments.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=torvane
case "${1:-}" in
  torvane|torvane-garage|torvane-run) program=$1; shift ;;
esac
bash "$root/scripts/install-deps.sh" build
build=$root/build-release
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTORVANE_BUILD_TESTS=OFF -DTORVANE_BUILD_BENCH=OFF >/dev/null
# A bounded number of jobs: each compiler can take a gigabyte with Qt.
jobs=$(nproc)
[ "$jobs" -gt 8 ] && jobs=8
# The translations too: the programs find them in the build tree's
# translations folder, so a German desktop gets a German window.
cmake --build "$build" -j "$jobs" --target torvane torvane-garage torvane-run torvane_translations
if [ "$program" != torvane-run ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: start $program from a desktop session (or set DISPLAY to an X server)." >&2
  exit 1
fi
case "$program" in
  torvane) exec "$build/torvane" ;;
  torvane-garage) exec "$build/garage/torvane-garage" "$@" ;;
  torvane-run) exec "$build/runner/torvane-run" "$@" ;;
esac
