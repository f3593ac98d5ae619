#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the default car's report on a real CUPS queue that writes PDF files
# and reads the page back.
#
#   cups_print_test.sh <tst_report executable>
#
# Starts cupsd on this machine (or uses the one that is running), sets up a
# cups-pdf queue of its own with a temporary output folder and makes it the
# default printer, runs `tst_report --print-default-car`, waits for the PDF file and
# compares its text with the report's lines. Then it checks that a queue that
# refuses jobs is reported as a failure, not as a printed page. Everything it
# changed is put back on exit: cups-pdf.conf, the default printer, its queue
# (removed) and the cupsd (when it started it).
#
# Needs root (it configures the system's print server); exits with 77, which
# CTest reports as skipped, when it is not run as root.
set -euo pipefail

program=${1:?usage: cups_print_test.sh <tst_report executable>}
queue=TorvaneTestPDF
wait_limit=60        # seconds, for every wait
skip=77

say() { echo "cups_print_test: $*"; }
fail() { echo "cups_print_test: FAIL: $*" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  say "SKIP: this test sets up the system's print server and must run as root."
  exit $skip
fi

for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/sbin/cupsenable /usr/sbin/cupsaccept \
            /usr/sbin/cupsreject lpstat pdftotext timeout flock; do
  command -v "$tool" >/dev/null || fail "$tool is missing: run scripts/install-deps.sh (cups, printer-driver-cups-pdf, poppler-utils)"
done
conf=/etc/cups/cups-pdf.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$conf" ] && [ -f "$ppd" ] || fail "the cups-pdf printer driver is missing: run scripts/install-deps.sh (printer-driver-cups-pdf)"
[ -x "$program" ] || fail "no test program at $program"

# The print server on its standard socket, whatever the caller's environment,
# and the CUPS tools' answers in English, which the checks below read.
unset CUPS_SERVER PRINTER LPDEST
export LC_ALL=C

# One run at a time: the queue, its default flag and cups-pdf.conf are shared.
{ exec 9>/run/lock/torvane-cups-print-test.lock; } 2>/dev/null || exec 9>/tmp/torvane-cups-print-test.lock
# Shorter than the test's time limit, so a long wait ends with this message.
flock -w 200 9 || fail "another run of this test has held the print server for 200 s"

work=$(mktemp -d)
out=$work/out
mkdir "$out"
chmod 1777 "$out"
cp -p "$conf" "$work/cups-pdf.conf"
cupsd_pid=
old_default=

cleanup() {
  local status=$?
  set +e
  # Removing the queue also ends its being the default printer.
  lpadmin -x "$queue" 2>/dev/null
  if [ -n "$old_default" ] && [ "$old_default" != "$queue" ]; then
    lpadmin -d "$old_default" 2>/dev/null
  fi
  cp -p "$work/cups-pdf.conf" "$conf"
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null
    for _ in $(seq 100); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$cupsd_pid" 2>/dev/null
    wait "$cupsd_pid" 2>/dev/null
  fi
  rm -rf "$work"
  exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Waits up to $wait_limit seconds for a command to succeed.
wait_for() {
  local what=$1; shift
  local deadline=$((SECONDS + wait_limit))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || fail "gave up after ${wait_limit} s waiting for $what"
    sleep 0.1
  done
}

server_answers() { lpstat -r 2>/dev/null | grep -q 'is running'; }

if server_answers; then
  say "using the cupsd that is already running"
elif pgrep -x cupsd >/dev/null; then
  fail "a cupsd is running (pid $(pgrep -x cupsd | tr '\n' ' ')) but does not answer on its socket; stop it and run the test again"
else
  /usr/sbin/cupsd -f >"$work/cupsd.log" 2>&1 &
  cupsd_pid=$!
  say "started cupsd (pid $cupsd_pid)"
  started_server_answers() {
    server_answers && return 0
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd stopped at start: $(tail -n 5 "$work/cupsd.log")"
    return 1
  }
  wait_for "cupsd to answer" started_server_answers
fi

old_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
# A queue of this name can only be left over from a run that was killed.
lpadmin -x "$queue" 2>/dev/null || true

sed -i "s|^#\?Out .*|Out $out|" "$conf"
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" -o pdftops-renderer-default=pdftocairo
lpadmin -d "$queue"
cupsenable "$queue"
cupsaccept "$queue"
[ "$(lpstat -d | sed -n 's/^system default destination: //p')" = "$queue" ] \
  || fail "could not make $queue the default printer"

queue_empty() { [ -z "$(lpstat -o "$queue" 2>/dev/null)" ]; }
pdf_written() {
  local f
  for f in "$out"/*.pdf "$out"/*/*.pdf; do
    [ -s "$f" ] && { pdf=$f; return 0; }
  done
  return 1
}

# 1. The page, through the default printer.
say "printing the default car's report on the default printer"
timeout $wait_limit "$program" --print-default-car "Simulation results" \
  || fail "the print job failed (exit status $?)"
wait_for "the print queue to empty" queue_empty
pdf=
wait_for "a non-empty PDF file in $out" pdf_written
say "the queue wrote $(basename "$pdf") ($(stat -c %s "$pdf") bytes)"

# The 10-pt lines are read on a 6-point grid (the width of one character),
# which gives their columns back exactly; the 12-pt title only by its words.
pdftotext -layout -fixed 6 "$pdf" "$work/page.txt"
echo "--- pdftotext -layout -fixed 6 ---"
cat "$work/page.txt"
echo "---"
grep -v '^[[:space:]]*$' "$work/page.txt" | tr -d '\f' | grep -v '^$' >"$work/lines.txt" || true
[ "$(wc -l <"$work/lines.txt")" -eq 18 ] || fail "expected 18 lines on the page, read $(wc -l <"$work/lines.txt")"
[ "$(head -n1 "$work/lines.txt" | tr -s ' ' | sed 's/^ //; s/ $//')" = "Simulation results" ] \
  || fail "the title reads '$(head -n1 "$work/lines.txt")'"
indent=$(sed -n '2s/[^ ].*//p' "$work/lines.txt" | wc -c)
tail -n +2 "$work/lines.txt" | cut -c"$indent"- | sed 's/ *$//' >"$work/values.txt"
cat >"$work/expected.txt" <<'EOF'
Engine horsepower:               345.00 Horsepower
Car weight:                     3400.00 Pounds
Drag coefficient:                  0.29
Number of shifts:                     2
Spin time:                         0.75 Seconds
Zero to 60 time:                   4.70 Seconds
Zero to 80 time:                   7.96 Seconds
60 to 80 time:                     2.76 Seconds
Zero to 100 time:                 11.66 Seconds
Quarter mile time:                13.87 Seconds
Quarter mile speed:              109.75 Miles per hour
Quarter mile distance:          1320.01 Feet
Quarter mile wind force:          77.39 Pounds
Top speed time:                   54.93 Seconds
Top speed:                       174.93 Miles per hour
Top speed distance:            10312.34 Feet
Top speed wind force:            196.57 Pounds
EOF
diff -u "$work/expected.txt" "$work/values.txt" || fail "the printed lines differ from the report's lines"
say "the page carries the title and the seventeen lines, every value ending in column 39"

# 2. A queue that refuses jobs: the job must fail, and say why.
cupsreject "$queue"
rm -f "$out"/*.pdf "$out"/*/*.pdf
set +e
timeout $wait_limit "$program" --print-default-car "Refused" 2>"$work/refused.txt"
status=$?
set -e
cupsaccept "$queue"
[ $status -eq 1 ] || fail "a queue that refuses jobs was reported as printed (exit status $status)"
grep -q 'did not take the report' "$work/refused.txt" \
  || fail "unexpected message for a refused job: $(cat "$work/refused.txt")"
say "refused job reported: $(tail -n1 "$work/refused.txt")"
! pdf_written || fail "a refused job still wrote $pdf"

say "PASS"
