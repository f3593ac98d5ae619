#!/usr/bin/env bash
# Builds Torvane with its tests (installing what is missing) and runs every test.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/configure.sh"
cd "$root/build"
ctest --output-on-failure -j "$(nproc)"
