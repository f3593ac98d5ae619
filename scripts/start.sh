#!/usr/bin/env bash
# Builds Torvane (installing what is missing) and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/configure.sh" --target torvane
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: start Torvane from a desktop session (or set DISPLAY to an X server)." >&2
  exit 1
fi
exec "$root/build/torvane"
