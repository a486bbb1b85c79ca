#!/usr/bin/env bash
# Start-up of the program against the bare Qt window (bench/BareWindow.cpp) on
# a virtual X screen, in one run: after a warm-up start of each, STARTS starts
# of the two in turn, each until its first paint (both then end): peak
# resident memory, CPU time (user + system) and wall time, as the kernel
# counts them for the ended child (getrusage, as /usr/bin/time reads them, but
# in microseconds where /usr/bin/time prints hundredths of a second).
# Prints the medians, their ratios and every run.
# Usage: bench/measure_startup.sh [build]
set -euo pipefail

BUILD=$(realpath "${1:-$(dirname "$0")/../build}")
STARTS=${STARTS:-15}
WORK=$(mktemp -d)
cleanup() { kill "$XVFB" 2>/dev/null || true; rm -rf "$WORK"; }
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
XVFB=$!
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$WORK/display")" XDG_RUNTIME_DIR="$WORK" HOME="$WORK"
mkdir -p "$WORK/game"
cp "$BUILD/fallox" "$BUILD/bare_window" "$WORK/game/"

# Prints "<peak KiB> <CPU ms> <wall ms>" for one start of $1.
one_start() {
  FALLOX_QUIT_AFTER_FIRST_PAINT=1 python3 -c '
import os, sys, time
start = time.monotonic()
null = os.open(os.devnull, os.O_WRONLY)
pid = os.posix_spawn(sys.argv[1], [sys.argv[1]], os.environ, file_actions=[
    (os.POSIX_SPAWN_DUP2, null, 1), (os.POSIX_SPAWN_DUP2, null, 2)])
_, status, used = os.wait4(pid, 0)
wall = time.monotonic() - start
assert os.waitstatus_to_exitcode(status) == 0, sys.argv[1] + " failed"
print("%d %.1f %.1f" % (used.ru_maxrss, (used.ru_utime + used.ru_stime) * 1000, wall * 1000))' "$WORK/game/$1"
}
median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

one_start fallox >/dev/null
one_start bare_window >/dev/null
: >"$WORK/fallox.runs"
: >"$WORK/bare_window.runs"
for ((i = 0; i < STARTS; i++)); do
  for program in fallox bare_window; do
    one_start "$program" >>"$WORK/$program.runs"
  done
done
declare -A peak cpu wall
for program in fallox bare_window; do
  peak[$program]=$(cut -d' ' -f1 "$WORK/$program.runs" | median)
  cpu[$program]=$(cut -d' ' -f2 "$WORK/$program.runs" | median)
  wall[$program]=$(cut -d' ' -f3 "$WORK/$program.runs" | median)
  echo "$program: medians of $STARTS: peak memory ${peak[$program]} KiB, CPU ${cpu[$program]} ms, wall ${wall[$program]} ms"
  echo "  runs (KiB CPU-ms wall-ms): $(tr '\n' ',' <"$WORK/$program.runs" | sed 's/,$//; s/,/, /g')"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }
echo "ratios fallox / bare_window: memory $(ratio "${peak[fallox]}" "${peak[bare_window]}")x," \
  "CPU $(ratio "${cpu[fallox]}" "${cpu[bare_window]}")x, wall $(ratio "${wall[fallox]}" "${wall[bare_window]}")x"
