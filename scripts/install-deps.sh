#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Torvane
# need, and only those that are missing. Quiet when everything is there.
# Run as root (or through sudo) on Debian 12.
set -euo pipefail

packages=(
  # compiler, build tools and the Qt 6 libraries
  g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  # benchmark library
  libbenchmark-dev
  # fonts that stand in for the program's faces (see docs/DECISIONS.md)
  fontconfig fonts-dejavu-core fonts-liberation fonts-urw-base35
  # a real X server for screenshots and keyboard tests
  xvfb xauth xdotool imagemagick
  # a real print queue that writes PDF files, and a reader for them
  cups printer-driver-cups-pdf poppler-utils
  # a comma-decimal locale for the number-format tests
  locales
)

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

# The comma-decimal locale the tests switch to.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    locale-gen >/dev/null
  fi
fi
