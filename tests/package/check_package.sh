#!/usr/bin/env bash
# Usage: tests/package/check_package.sh torvane_VERSION_ARCH.deb
# Checks the Debian package without installing it: the files a desktop
# program needs are in it, its dependencies name the Qt libraries, its
# desktop entries are valid, and its batch runner, unpacked, runs.
set -euo pipefail
deb=${1:?usage: check_package.sh PACKAGE.deb}
fail() { echo "package check: $*" >&2; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in \
  ./usr/bin/torvane ./usr/bin/torvane-run ./usr/bin/torvane-garage \
  ./usr/share/applications/torvane.desktop ./usr/share/applications/torvane-garage.desktop \
  ./usr/share/icons/hicolor/scalable/apps/torvane.svg \
  ./usr/share/icons/hicolor/scalable/apps/torvane-garage.svg \
  ./usr/share/icons/hicolor/scalable/mimetypes/application-x-torvane.svg \
  ./usr/share/mime/packages/torvane.xml \
  ./usr/share/man/man1/torvane.1 ./usr/share/man/man1/torvane-run.1 ./usr/share/man/man1/torvane-garage.1 \
  ./usr/share/torvane/examples/sports-car.trv; do
  grep -qxF "$file" <<<"$contents" || fail "missing $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6charts6; do
  grep -q "$library" <<<"$depends" || fail "Depends does not name $library: $depends"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop
grep -q '^MimeType=application/x-torvane;$' "$unpacked/usr/share/applications/torvane-garage.desktop" \
  || fail "the garage does not open .trv files"
grep -q 'glob pattern="\*.trv"' "$unpacked/usr/share/mime/packages/torvane.xml" || fail "no *.trv glob"

version=$("$unpacked/usr/bin/torvane-run" --version)
[ "$version" = "torvane-run $(dpkg-deb -f "$deb" Version)" ] || fail "unexpected version: $version"
"$unpacked/usr/bin/torvane-run" --json "$unpacked/usr/share/torvane/examples/sports-car.trv" \
  | grep -q '"quarterMileTime": 13.87299999999872' || fail "the unpacked runner gives other results"
echo "package check: $(basename "$deb") is complete ($(wc -l <<<"$contents") entries)"
