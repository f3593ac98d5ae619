#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# torvane-garage answers --help and --version on a terminal without a
# display, and refuses an option it does not know with status 2.
set -u
garage=$1
fail() { echo "FAIL: $*"; exit 1; }
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
version=$(LANG=C.UTF-8 "$garage" --version) || fail "--version ended with status $?"
[ "$(echo "$version" | head -n 1)" = "torvane-garage 4.0" ] || fail "--version said: $version"
echo "$version" | grep -q "GPL" || fail "--version names no licence"
help=$(LANG=C.UTF-8 "$garage" -h) || fail "-h ended with status $?"
echo "$help" | grep -q -- "--version" || fail "-h said: $help"
"$garage" --version >/dev/full 2>/dev/null && fail "--version onto a full device ended with status 0"
echo "torvane-garage answers --help and --version without a display"
