#!/usr/bin/env bash
# Runs the stacking test under a private Xvfb with the openbox window
# manager, since only a real window manager stacks windows. Skips (77) when
# either is not installed.
set -u
test_program=$1
for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null 2>&1 || { echo "no $tool: skipped"; exit 77; }
done
display=:$(( 90 + RANDOM % 400 ))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
for _ in $(seq 100); do
  DISPLAY=$display xprop -root >/dev/null 2>&1 && break
  sleep 0.05
done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do
  DISPLAY=$display xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.05
done
DISPLAY=$display QT_QPA_PLATFORM=xcb "$test_program"
