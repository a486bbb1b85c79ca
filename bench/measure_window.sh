#!/usr/bin/env bash
# Measures the program as a player runs it, on a virtual X screen:
#   - CPU use of the game process over 20 s of a game at level 0 with no input,
#   - start-up time to the first painted window (median of several runs),
#   - resident memory while a game runs,
#   - the cost of one DrawBoard after a move (bench_window, if built).
# Usage: bench/measure_window.sh [build-dir]   (default: build)
# BUSY_GAME=path/to/fallox measures a second binary the same way, e.g. one
# configured with -DFALLOX_BUSY_WAIT=ON, for a ratio taken in the same run.
set -euo pipefail

BUILD=${1:-build}
GAME="$BUILD/fallox"
CPU_SECONDS=${CPU_SECONDS:-20}
STARTS=${STARTS:-7}
[ -x "$GAME" ] || { echo "no $GAME: build the fallox target first" >&2; exit 1; }

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
PIDS+=($!)
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$WORK/display")"
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now_ms() { date +%s%3N; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Start-up: from launching the process to its first paint, and to its end.
startup() {
  local game=$1
  : >"$WORK/paint" ; : >"$WORK/total"
  for _ in $(seq "$STARTS"); do
    local t0 out t1
    t0=$(now_ms)
    out=$(FALLOX_QUIT_AFTER_FIRST_PAINT=1 "$game" 2>/dev/null)
    t1=$(now_ms)
    echo $(( ${out//[^0-9]/} - t0 )) >>"$WORK/paint"
    echo $(( t1 - t0 )) >>"$WORK/total"
  done
  echo "start-up to first paint: median $(median <"$WORK/paint") ms (runs: $(tr '\n' ' ' <"$WORK/paint"))"
  echo "start-up to exit after first paint: median $(median <"$WORK/total") ms"
}

# CPU and memory while a game waits between its steps.
running_game() {
  local game=$1
  "$game" 2>"$WORK/game.log" &
  local pid=$!
  PIDS+=("$pid")
  local win=""
  for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --pid "$pid" --name '^Fallox$' 2>/dev/null | head -n1) && [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { echo "the window did not appear" >&2; cat "$WORK/game.log" >&2; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$win")"
  local idle_rss
  idle_rss=$(awk '/VmRSS/ { print $2 }' "/proc/$pid/status")
  xdotool mousemove $((X + 213)) $((Y + 38)) click 1
  sleep 1
  local hz before after
  hz=$(getconf CLK_TCK)
  before=$(ticks "$pid")
  sleep "$CPU_SECONDS"
  after=$(ticks "$pid")
  awk -v t=$((after - before)) -v hz="$hz" -v s="$CPU_SECONDS" \
    'BEGIN { printf "CPU during %d s of a game with no input: %d ticks = %.2f%% of one core\n", s, t, 100 * t / hz / s }'
  echo "resident memory: idle window $idle_rss kB, during the game $(awk '/VmRSS/ { print $2 }' "/proc/$pid/status") kB, peak $(awk '/VmHWM/ { print $2 }' "/proc/$pid/status") kB"
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

echo "== $GAME"
startup "$GAME"
running_game "$GAME"
if [ -n "${BUSY_GAME:-}" ]; then
  echo "== $BUSY_GAME (comparison)"
  running_game "$BUSY_GAME"
fi
if [ -x "$BUILD/bench/bench_window" ]; then
  echo "== DrawBoard in the window (offscreen platform)"
  "$BUILD/bench/bench_window" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null |
    grep -E '^(Benchmark|BM_.*_median)'
fi
