#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: check_translations.sh LUPDATE "OPTIONS" "FOLDERS" FILE.ts...
# Runs lupdate over the sources into a copy of each .ts file and fails when
# a text of the sources has no translation there (a new or changed text
# that the .ts file lacks, or one it holds unfinished).
set -euo pipefail
lupdate=$1
read -r -a options <<<"$2"
read -r -a folders <<<"$3"
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  "$lupdate" "${options[@]}" "${folders[@]}" -ts "$copy" >/dev/null
  untranslated=$(grep -c 'type="unfinished"' "$copy" || true)
  if [ "$untranslated" -ne 0 ]; then
    echo "$(basename "$ts"): $untranslated texts without a translation:" >&2
    grep -B2 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */  /' >&2
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "every text has its translation in: $(basename -a "$@" | tr '\n' ' ')"
exit "$status"
