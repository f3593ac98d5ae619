#!/usr/bin/env bash
# Usage: scripts/package.sh OUTDIR
# Builds Torvane in Release (build-package/) and writes the Debian package
# torvane_<version>_<arch>.deb into OUTDIR. Install it with
#   apt-get install ./torvane_*.deb
set -euo pipefail
out=${1:?usage: package.sh OUTDIR}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/install-deps.sh" build
# dpkg-shlibdeps names the libraries the programs need.
if ! command -v dpkg-shlibdeps >/dev/null 2>&1; then
  bash "$root/scripts/install-deps.sh" test
fi
build=$root/build-package
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DTORVANE_BUILD_TESTS=OFF -DTORVANE_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
mkdir -p "$out"
out=$(cd "$out" && pwd)
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
ls "$out"/torvane_*.deb
