#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: tests/package/check_package.sh OUTDIR
# Checks what scripts/package.sh wrote into OUTDIR without installing it:
# lintian finds no error and no warning in the packages and the .changes
# file (its notes are listed); the files a desktop program needs are in the
# package, its man pages compressed; its dependencies name the Qt libraries;
# its desktop entries and software-centre metadata are valid; and, unpacked,
# its programs answer --help and --version without a display, in German
# under a German locale.
set -euo pipefail
dir=${1:?usage: check_package.sh OUTDIR}
fail() { echo "package check: $*" >&2; exit 1; }

shopt -s nullglob
debs=("$dir"/torvane_*.deb)
dbgsyms=("$dir"/torvane-dbgsym_*.deb)
changes=("$dir"/torvane_*.changes)
[ ${#debs[@]} -eq 1 ] || fail "expected one torvane_*.deb in $dir, found ${#debs[@]}"
[ ${#dbgsyms[@]} -eq 1 ] || fail "expected one torvane-dbgsym_*.deb in $dir, found ${#dbgsyms[@]}"
[ ${#changes[@]} -eq 1 ] || fail "expected one torvane_*.changes in $dir, found ${#changes[@]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
upstream=${version%-*}

# lintian: errors and warnings fail the check; notes (I:) are shown, and
# docs/DECISIONS.md says why each is left.
lintian --fail-on error,warning --display-info "${changes[0]}" \
  || fail "lintian found errors or warnings"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in \
  ./usr/bin/torvane ./usr/bin/torvane-run ./usr/bin/torvane-garage \
  ./usr/share/applications/torvane.desktop ./usr/share/applications/torvane-garage.desktop \
  ./usr/share/metainfo/org.torvane.torvane.metainfo.xml ./usr/share/metainfo/org.torvane.garage.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/torvane.svg \
  ./usr/share/icons/hicolor/scalable/apps/torvane-garage.svg \
  ./usr/share/icons/hicolor/scalable/mimetypes/application-x-torvane.svg \
  ./usr/share/mime/packages/torvane.xml \
  ./usr/share/man/man1/torvane.1.gz ./usr/share/man/man1/torvane-run.1.gz ./usr/share/man/man1/torvane-garage.1.gz \
  ./usr/share/torvane/translations/torvane_de.qm \
  ./usr/share/torvane/examples/sports-car.trv \
  ./usr/share/doc/torvane/copyright ./usr/share/doc/torvane/changelog.Debian.gz; do
  grep -qxF "$file" <<<"$contents" || fail "missing $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6charts6 libqt6svg6; do
  grep -q "$library" <<<"$depends" || fail "Depends does not name $library: $depends"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
grep -q '^MimeType=application/x-torvane;$' "$unpacked/usr/share/applications/torvane-garage.desktop" \
  || fail "the garage does not open .trv files"
grep -q 'glob pattern="\*.trv"' "$unpacked/usr/share/mime/packages/torvane.xml" || fail "no *.trv glob"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml

# The unpacked programs, with no display and no platform chosen.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE -u LC_ALL -u LC_MESSAGES "$@"; }
for program in torvane torvane-run; do
  line=$(run LANG=C.UTF-8 "$unpacked/usr/bin/$program" --version | head -n 1)
  [ "$line" = "$program $upstream" ] || fail "unexpected version: $line"
done
run LANG=C.UTF-8 "$unpacked/usr/bin/torvane" --help | head -n 1 | grep -qxF 'Usage: torvane [--help] [--version]' \
  || fail "torvane --help does not answer without a display"
# In German, from the catalogue installed beside the program.
run LANG=de_DE.UTF-8 "$unpacked/usr/bin/torvane" --help | head -n 1 | grep -qxF 'Aufruf: torvane [--help] [--version]' \
  || fail "torvane --help is not German under a German locale"
"$unpacked/usr/bin/torvane-run" --json "$unpacked/usr/share/torvane/examples/sports-car.trv" \
  | grep -q '"quarterMileTime": 13.87299999999872' || fail "the unpacked runner gives other results"
echo "package check: $(basename "$deb") is complete ($(wc -l <<<"$contents") entries)"
