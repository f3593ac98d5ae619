#!/usr/bin/env bash
# Usage: scripts/fuzz.sh SECONDS
# Fuzzes the vehicle-file reader and the number conversions for SECONDS each
# (built by the sanitizer pass in build-sanitize/). New inputs that reach new
# code go into a scratch corpus; an input that crashes is left as crash-*
# in build-sanitize/fuzz/ and belongs in fuzz/corpus/ once mended.
set -euo pipefail
seconds=${1:?usage: fuzz.sh SECONDS}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build-sanitize
if [ ! -x "$build/fuzz/fuzz_vehiclefile" ]; then
  bash "$root/scripts/install-deps.sh" test
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTORVANE_SANITIZE=ON -DTORVANE_FUZZ=ON -DTORVANE_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$build" --target fuzz_vehiclefile fuzz_numbertext
export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp
for target in vehiclefile numbertext; do
  scratch=$build/fuzz/corpus-$target
  mkdir -p "$scratch"
  (cd "$build/fuzz" && "./fuzz_$target" -max_total_time="$seconds" -max_len=1100000 \
     "$scratch" "$root/fuzz/corpus/$target")
done
