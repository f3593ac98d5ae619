#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sanitizer pass: builds the project, its tests and the fuzz targets with
# clang, AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/,
# runs every test there (any sanitizer report fails it), and replays the fuzz
# targets' seed corpora.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" test
build=$root/build-sanitize
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DTORVANE_SANITIZE=ON -DTORVANE_FUZZ=ON -DTORVANE_BUILD_BENCH=OFF -DTORVANE_BROWSER_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0
cd "$build"
ctest --output-on-failure -j "$(nproc)"
