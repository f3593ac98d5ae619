#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/fuzz.sh SECONDS
# Fuzzes every target in fuzz/ (fuzz_*.cpp) for SECONDS each, one after the
# other, in the sanitizer build (build-sanitize/), and prints the coverage
# each reached: libFuzzer's edges (cov) and features (ft) at the end of its
# run. New inputs that reach new code go into a scratch corpus,
# build-sanitize/fuzz/corpus-<target>/, kept between runs (remove it to start
# from the seeds alone); an input that crashes is left as crash-* in
# build-sanitize/fuzz/ and belongs in fuzz/corpus/<target>/ once mended.
# Exits 1 when any target found a fault.
set -euo pipefail
seconds=${1:?usage: fuzz.sh SECONDS}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-sanitize
if [ ! -f "$build/CMakeCache.txt" ]; then
  bash "$root/scripts/install-deps.sh" test
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTORVANE_SANITIZE=ON -DTORVANE_FUZZ=ON -DTORVANE_BUILD_BENCH=OFF >/dev/null
fi
targets=()
for source in "$root"/fuzz/fuzz_*.cpp; do
  name=$(basename "$source" .cpp)
  targets+=("${name#fuzz_}")
done
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp
summary=$(printf '%-15s %10s %7s %8s  %s' target runs cov ft outcome)
failed=0
for target in "${targets[@]}"; do
  scratch=$build/fuzz/corpus-$target
  log=$build/fuzz/fuzz-$target.log
  mkdir -p "$scratch"
  echo "== fuzz_$target for $seconds s (log: $log)"
  outcome=clean
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=1100000 -print_final_stats=1 \
       -artifact_prefix="$build/fuzz/" "$scratch" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    outcome="FAULT: $(grep -o "$build/fuzz/[a-z]*-[0-9a-f]*" "$log" | tail -1 || true)"
    failed=1
  fi
  # The last status line ("#N DONE cov: X ft: Y ...", or the last NEW or
  # pulse line when the run stopped on a fault) holds the coverage reached.
  status=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  cov=$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$status")
  ft=$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$status")
  runs=$(sed -nE 's/^stat::number_of_executed_units: ([0-9]+)/\1/p' "$log")
  summary+=$'\n'$(printf '%-15s %10s %7s %8s  %s' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$outcome")
done
echo
echo "Coverage after $seconds s each:"
echo "$summary"
exit "$failed"
