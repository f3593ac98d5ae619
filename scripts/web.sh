#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: scripts/web.sh [--build-only] [--port PORT]
# Builds Torvane's web page into build-web/ (index.html at its top): the
# engine and the numbers in WebAssembly with Debian's emscripten (installed
# when missing), the page's modules, its chart library from web/package-lock.json
# (npm ci), its German texts from translations/torvane_de.ts, and a service
# worker listing every file. Then serves it on 127.0.0.1 (default port 8034)
# until interrupted, unless --build-only.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$root/build-web"
serve=1
port=8034
while [ $# -gt 0 ]; do
  case "$1" in
    --build-only) serve=0 ;;
    --port) port=$2; shift ;;
    *) echo "usage: web.sh [--build-only] [--port PORT]" >&2; exit 2 ;;
  esac
  shift
done

if ! command -v em++ >/dev/null || ! command -v node >/dev/null; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing emscripten or Node.js: run as root (or install the Debian package emscripten)." >&2
    exit 1
  fi
  echo "Installing: emscripten"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends emscripten >/dev/null
fi
# Debian's emscripten runs its tools with Debian's Node modules, whatever
# Node is first on the path; it ships its system libraries built, in a
# cache it keeps frozen. A cache of one's own (EM_CACHE) must be writable.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
if [ -n "${EM_CACHE:-}" ]; then
  mkdir -p "$EM_CACHE"
  export EM_FROZEN_CACHE=
fi

# The chart library and the browser-test driver, as the lock file pins them.
if [ ! -f "$root/web/node_modules/.package-lock.json" ] \
   || [ "$root/web/package-lock.json" -nt "$root/web/node_modules/.package-lock.json" ]; then
  (cd "$root/web" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi

# The WebAssembly build, configured once; Ninja rebuilds what changed.
if [ ! -f "$out/obj/build.ninja" ]; then
  emcmake cmake -S "$root/web" -B "$out/obj" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
log=$(mktemp)
if ! cmake --build "$out/obj" >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  exit 1
fi
rm -f "$log"

# The page's files.
node "$root/web/tools/assemble.mjs" "$root" "$out"

if [ "$serve" = 1 ]; then
  echo "Torvane on the web: http://127.0.0.1:$port/ (Ctrl+C stops it)"
  exec python3 -m http.server --bind 127.0.0.1 --directory "$out" "$port"
fi
