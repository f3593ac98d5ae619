#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/install-deps.sh [build|test]
# Installs the Debian packages Torvane needs, and only those that are
# missing: "build" (the default) what building and running it need, "test"
# that and the tools the tests use (an X server and window manager, a print
# queue, a comma-decimal locale, sanitizers, packaging tools). Quiet when
# everything is there. Run as root (or through sudo) on Debian 12.
set -euo pipefail
profile=${1:-build}

packages=(
  # compiler, build tools and the Qt 6 libraries
  g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  # Qt's SVG plugins, which draw the window icons
  libqt6svg6
  # the translations: lupdate and lrelease, and Qt's own translated texts
  qt6-l10n-tools qt6-translations-l10n
  # the SQLite driver of Qt SQL, for the logbook
  libqt6sql6-sqlite
  # fonts that stand in for the program's faces (see docs/DECISIONS.md)
  fontconfig fonts-dejavu-core fonts-liberation fonts-urw-base35
)
if [ "$profile" = test ]; then
  packages+=(
    # benchmark library
    libbenchmark-dev
    # a real X server and window manager for pictures, stacking and keyboard tests
    xvfb xauth xdotool x11-utils openbox imagemagick
    # a private session bus for the start-up measures
    dbus-daemon
    # a real print queue that writes PDF files, and a reader for them
    cups printer-driver-cups-pdf poppler-utils
    # a comma-decimal locale for the number-format tests
    locales
    # the sanitizer pass and the fuzz targets
    clang libclang-rt-14-dev
    # the Debian package: its build, its checks, its desktop files and its
    # software-centre metadata
    dpkg-dev debhelper lintian desktop-file-utils appstream
    # the web page: its WebAssembly build and a real browser for its tests
    emscripten chromium
  )
  # Node.js and npm for the page's build and tests, where the machine has
  # none of its own.
  command -v npm >/dev/null || packages+=(nodejs npm)
elif [ "$profile" != build ]; then
  echo "usage: install-deps.sh [build|test]" >&2
  exit 2
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Run this as root (or with sudo) to install them." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The web page's chart library and browser-test driver, as its lock file
# pins them.
if [ "$profile" = test ] && [ ! -f "$(dirname "$0")/../web/node_modules/.package-lock.json" ]; then
  (cd "$(dirname "$0")/../web" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi

# The comma-decimal locale the tests switch to.
if [ "$profile" = test ] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    locale-gen >/dev/null
  fi
fi
