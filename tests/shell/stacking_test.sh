#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the stacking test under a private Xvfb with the openbox window
# manager, since only a real window manager stacks windows. Skips (77) when
# either is not installed.
set -u
test_program=$1
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
# Xvfb picks a free display itself and writes its number to the pipe.
displayfile=$(mktemp)
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null; rm -f "$displayfile"' EXIT
# Both may take a while on a loaded machine: wait up to 60 s for each.
for _ in $(seq 600); do
  [ -s "$displayfile" ] && break
  sleep 0.1
done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=:$(head -n 1 "$displayfile")
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 600); do
  DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' \
  || { echo "openbox did not start" >&2; exit 1; }
DISPLAY=$display QT_QPA_PLATFORM=xcb "$test_program"
