#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/package.sh OUTDIR
# Builds Torvane's Debian packages from debian/ with dpkg-buildpackage
# (binary only, unsigned, as many jobs as the machine has cores) and writes
# into OUTDIR:
#   torvane_<version>_<arch>.deb          the programs, installed with
#                                         apt-get install ./torvane_*.deb
#   torvane-dbgsym_<version>_<arch>.deb   their debugging symbols
#   torvane_<version>_<arch>.buildinfo and .changes
#   torvane_<version>_<arch>.build        the build's log
# The build runs in a copy of the sources inside OUTDIR, removed afterwards,
# so nothing is written into the checkout. It installs nothing: what it
# needs comes from scripts/install-deps.sh test.
set -euo pipefail
out=${1:?usage: package.sh OUTDIR}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

for tool in dpkg-buildpackage dh; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "package.sh: $tool is missing; run scripts/install-deps.sh test first" >&2
    exit 1
  fi
done

mkdir -p "$out"
out=$(cd "$out" && pwd)
version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
work=$(mktemp -d "$out/.build.XXXXXX")
trap 'rm -rf "$work"' EXIT
sources=$work/torvane-${version%-*}
mkdir "$sources"

# The sources as they stand, committed or not, without build folders and
# without anything under OUTDIR.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard) \
    | (cd "$root" && tar --null --ignore-failed-read --exclude="${out#"$root"/}" -cf - -T -) \
    | tar -xf - -C "$sources"
else
  tar -C "$root" --exclude-vcs --exclude=./build --exclude='./build-*' --exclude="./${out#"$root"/}" -cf - . \
    | tar -xf - -C "$sources"
fi

log=$out/torvane_${version}_$(dpkg --print-architecture).build
if ! (cd "$sources" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  echo "package.sh: the package build failed; its log is $log" >&2
  exit 1
fi
mv "$work"/*.deb "$work"/*.buildinfo "$work"/*.changes "$out"/
ls "$out"/*_"$version"_*.deb "$out"/*_"$version"_*.changes
