#!/usr/bin/env bash
# Start-up and memory of Fallox.exe under Wine on a virtual X screen, next to
# the bare Qt window built the same way (bench/windows), in one run: after a
# warm-up start of each, STARTS starts of the two in turn, each timed from the
# launch to its first paint (both print that moment and end), with its peak
# resident memory (/usr/bin/time, maximum resident set size: the Windows
# program's process, Wine's own libraries included). The Wine server is kept
# running between starts, as it is on a desktop where Wine is in use.
# Usage: bench/measure_windows.sh [build-windows]; prints medians and every run.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${1:-$ROOT/build-windows}
STARTS=${STARTS:-9}
WORK=$(mktemp -d)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="$WORK/wine"
cleanup() { wineserver -k 2>/dev/null || true; kill "$XVFB" 2>/dev/null || true; rm -rf "$WORK"; }
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
XVFB=$!
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$WORK/display")"
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot --init >/dev/null 2>&1
mkdir -p "$WINEPREFIX/drive_c/bench"
cp "$BUILD/Fallox.exe" "$BUILD/bare_window.exe" "$WINEPREFIX/drive_c/bench/"

# Prints "<ms to first paint> <peak KiB>" for one start of $1.
one_start() {
  local start paint
  start=$(date +%s%3N)
  paint=$(FALLOX_QUIT_AFTER_FIRST_PAINT=1 /usr/bin/time -f '%M' -o "$WORK/rss" \
            wine "$WINEPREFIX/drive_c/bench/$1" 2>/dev/null | sed -n 's/^first paint at \([0-9]*\) ms.*/\1/p')
  echo "$((paint - start)) $(tail -n1 "$WORK/rss")"
}
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

one_start Fallox.exe >/dev/null
one_start bare_window.exe >/dev/null
: >"$WORK/Fallox.exe.runs"
: >"$WORK/bare_window.exe.runs"
for ((i = 0; i < STARTS; i++)); do
  for program in Fallox.exe bare_window.exe; do
    one_start "$program" >>"$WORK/$program.runs"
  done
done
for program in Fallox.exe bare_window.exe; do
  echo "$program: start-up to first paint, median $(cut -d' ' -f1 "$WORK/$program.runs" | median) ms;" \
    "peak resident memory, median $(($(cut -d' ' -f2 "$WORK/$program.runs" | median) / 1024)) MiB;" \
    "file $(($(stat -c %s "$BUILD/$program") / 1024 / 1024)) MiB"
  echo "  runs (ms KiB): $(tr '\n' ',' <"$WORK/$program.runs" | sed 's/,$//; s/,/, /g')"
done
