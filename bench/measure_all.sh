#!/usr/bin/env bash
# Measures the program and its busy-waiting comparison build side by side in
# one run, on one virtual X screen, and prints a Markdown table:
#   - CPU while a game waits, while it is paused and during hard drops,
#   - time from a key event to the presented well (FALLOX_TRACE timestamps),
#   - start-up time to the first painted window,
#   - resident memory during a game and its peak,
#   - the engine's presented turns per second (bench_engine).
# Usage: bench/measure_all.sh [normal-build] [busy-build]
#        (defaults: build-perf and build-busy; configured as Release, the busy
#        one with -DFALLOX_BUSY_WAIT=ON, when they hold no CMake cache yet;
#        fallox and bench_engine are brought up to date unless SKIP_BUILD=1)
# Environment: CPU_SECONDS (20), STARTS (9), KEYS (50), DROP_SECONDS (20),
#   RESULTS (bench/RESULTS.md; empty to only print the table).
# The games run from copies of the binaries in a temporary folder, with their
# own runtime, configuration and data folders, so the developer's scores.lst,
# Brixel32.ini and single-instance lock are never touched.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
COMMAND="bench/measure_all.sh${*:+ $*}"
NORMAL_DIR=${1:-$ROOT/build-perf}
BUSY_DIR=${2:-$ROOT/build-busy}
CPU_SECONDS=${CPU_SECONDS:-20}
STARTS=${STARTS:-9}
KEYS=${KEYS:-50}
DROP_SECONDS=${DROP_SECONDS:-20}
RESULTS=${RESULTS-$ROOT/bench/RESULTS.md}
HZ=$(getconf CLK_TCK)
LOAD_AT_START=$(cut -d' ' -f1-3 /proc/loadavg)

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

say() { echo "$*" >&2; }
fail() { say "measure_all: $*"; exit 1; }

# --- builds ---------------------------------------------------------------

# ensure_build DIR ON|OFF: configures DIR when it has no cache, refuses a
# cache with the other busy-wait setting, and builds the two targets.
ensure_build() {
  local dir=$1 busy=$2 log
  log="$WORK/build-$(basename "$dir").log"
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    say "configuring $dir (FALLOX_BUSY_WAIT=$busy)"
    cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DFALLOX_BUSY_WAIT="$busy" >"$log" 2>&1 ||
      { cat "$log" >&2; fail "configuring $dir failed"; }
  fi
  local have
  have=$(sed -n 's/^FALLOX_BUSY_WAIT:BOOL=//p' "$dir/CMakeCache.txt")
  [ "${have:-OFF}" = "$busy" ] || fail "$dir has FALLOX_BUSY_WAIT=${have:-OFF}, expected $busy"
  if [ "${SKIP_BUILD:-0}" != 1 ]; then
    say "building fallox and bench_engine in $dir"
    cmake --build "$dir" --target fallox bench_engine -j"$(nproc)" >>"$log" 2>&1 ||
      { tail -n 40 "$log" >&2; fail "building in $dir failed"; }
  fi
  [ -x "$dir/fallox" ] || fail "no $dir/fallox"
  [ -x "$dir/bench/bench_engine" ] || fail "no $dir/bench/bench_engine"
}
ensure_build "$NORMAL_DIR" OFF
ensure_build "$BUSY_DIR" ON

# --- private copies and the virtual screen ---------------------------------

# Every place the game may write goes below $WORK/<kind>. A scores.lst that no
# game can beat sits beside each copy, so no game end asks for a name.
prepare() {
  local kind=$1 dir=$2
  mkdir -p "$WORK/$kind/bin" "$WORK/$kind/config" "$WORK/$kind/data" "$WORK/$kind/cache"
  mkdir -m 700 "$WORK/$kind/run"
  cp "$dir/fallox" "$WORK/$kind/bin/fallox"
  for _ in 1 2 3 4 5; do echo "Bench:2000000000"; done >"$WORK/$kind/bin/scores.lst"
}
prepare normal "$NORMAL_DIR"
prepare busy "$BUSY_DIR"

# run_game KIND CMD...: replaces the calling (sub)shell with CMD run with
# KIND's private folders, so "(run_game ...) &" leaves the game's own process
# id in $!. Only ever call it in a subshell.
run_game() {
  local kind=$1; shift
  exec env XDG_RUNTIME_DIR="$WORK/$kind/run" XDG_CONFIG_HOME="$WORK/$kind/config" \
    XDG_DATA_HOME="$WORK/$kind/data" XDG_CACHE_HOME="$WORK/$kind/cache" "$@"
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$WORK/display" 2>/dev/null &
PIDS+=($!)
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
DISPLAY=":$(head -n1 "$WORK/display")"
export DISPLAY

xdo() { timeout 10 xdotool "$@"; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "nan"; else print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Nearest-rank percentile: the smallest value with at least P% of the values at or below it.
percentile() { sort -g | awk -v p="$1" '{ v[NR] = $1 } END { if (NR == 0) { print "nan"; exit } i = int(NR * p / 100); if (i < NR * p / 100) i++; if (i < 1) i = 1; print v[i] }'; }
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
status_kb() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }
percent() { awk -v t="$1" -v hz="$HZ" -v s="$2" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }
mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
now_ns() { date +%s%N; }
sleep_until() { local left=$(( $1 - $(now_ns) )); [ "$left" -le 0 ] || sleep "$(awk -v n="$left" 'BEGIN { printf "%.3f", n / 1e9 }')"; }
presents() { grep -c '^fallox-trace present' "$1" || true; }

# --- start-up --------------------------------------------------------------

# start_once KIND [VAR=value...]: one start to the first paint; prints the
# milliseconds from launch to the paint.
start_once() {
  local kind=$1 t0 out
  shift
  t0=$(date +%s%3N)
  out=$(FALLOX_QUIT_AFTER_FIRST_PAINT=1 run_game "$kind" "$@" timeout 20 "$WORK/$kind/bin/fallox" 2>/dev/null) ||
    fail "$kind: start-up run failed"
  out=${out//[^0-9]/}
  [ -n "$out" ] || fail "$kind: no first-paint time printed"
  echo $(( out - t0 ))
}

say "start-up: $STARTS starts of each build, alternating, after one warm-up start each"
start_once normal >/dev/null
start_once busy >/dev/null
for _ in $(seq "$STARTS"); do
  start_once normal >>"$WORK/normal/starts"
  start_once busy >>"$WORK/busy/starts"
done
# SDL's audio start-up is part of the program's; without a sound device its
# probing of ALSA is slow. The dummy driver shows the start-up without it.
say "start-up with SDL_AUDIODRIVER=dummy: $STARTS starts of each build"
for _ in $(seq "$STARTS"); do
  start_once normal SDL_AUDIODRIVER=dummy >>"$WORK/normal/starts-dummy"
  start_once busy SDL_AUDIODRIVER=dummy >>"$WORK/busy/starts-dummy"
done

# --- a game session --------------------------------------------------------

declare -A R

# session KIND: one traced game process; waiting, paused, key latency and
# hard drops one after the other; fills R[KIND,...].
session() {
  local kind=$1
  local log="$WORK/$kind/trace.log"
  (run_game "$kind" env FALLOX_TRACE=1 "$WORK/$kind/bin/fallox" 2>"$log") &
  local pid=$!
  PIDS+=("$pid")
  local win=""
  for _ in $(seq 100); do
    win=$(xdo search --onlyvisible --pid "$pid" --name '^Fallox$' 2>/dev/null | head -n1) && [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || { cat "$log" >&2; fail "$kind: the window did not appear"; }
  local X Y
  eval "$(xdo getwindowgeometry --shell "$win" | grep -E '^[XY]=[0-9]+$')"
  sleep 1
  R[$kind,rss_idle]=$(status_kb "$pid" VmRSS)

  # new_game: clicks "Neues spiel" and waits for the well to be presented.
  new_game() {
    local before
    before=$(presents "$log")
    xdo mousemove $((X + 213)) $((Y + 38)) click 1
    for _ in $(seq 50); do
      [ "$(presents "$log")" -gt "$before" ] && return 0
      sleep 0.1
    done
    fail "$kind: no game started"
  }

  # Waiting: a level 0 game with no input.
  say "$kind: CPU while a game waits ($CPU_SECONDS s)"
  new_game
  sleep 1
  local t0 t1 p0 p1
  p0=$(presents "$log"); t0=$(ticks "$pid")
  sleep "$CPU_SECONDS"
  t1=$(ticks "$pid"); p1=$(presents "$log")
  [ $((p1 - p0)) -ge $((CPU_SECONDS)) ] || fail "$kind: the game stopped moving while waiting ($((p1 - p0)) presents)"
  R[$kind,cpu_wait]=$(percent $((t1 - t0)) "$CPU_SECONDS")
  R[$kind,rss_game]=$(status_kb "$pid" VmRSS)

  # Paused: P, then nothing.
  say "$kind: CPU while paused ($CPU_SECONDS s)"
  xdo key p
  sleep 1
  [ "$(xdo getwindowname "$win")" = "Brixel32 - Paused" ] || fail "$kind: the game did not pause"
  p0=$(presents "$log"); t0=$(ticks "$pid")
  sleep "$CPU_SECONDS"
  t1=$(ticks "$pid"); p1=$(presents "$log")
  [ "$(xdo getwindowname "$win")" = "Brixel32 - Paused" ] || fail "$kind: the pause ended by itself"
  [ "$p1" -eq "$p0" ] || fail "$kind: the well moved during the pause"
  R[$kind,cpu_pause]=$(percent $((t1 - t0)) "$CPU_SECONDS")
  xdo key p

  # Key latency: Left and Right in turn, so every key moves the piece, at
  # irregular intervals so they do not keep step with the gravity timer.
  say "$kind: key to presented well ($KEYS keys)"
  new_game
  sleep 1
  local first last i key
  first=$(( $(wc -l <"$log") + 1 ))
  : >"$WORK/$kind/latency"
  for i in $(seq "$KEYS"); do
    if (( i % 2 )); then key=Left; else key=Right; fi
    xdo key "$key"
    sleep "0.$(( 150 + RANDOM % 100 ))"
  done
  sleep 0.3
  last=$(wc -l <"$log")
  # Each key is paired with the first present after it; a key that no present
  # follows before the next key (the moment a new piece appears, when moves
  # are refused) is counted apart.
  sed -n "${first},${last}p" "$log" | awk -v out="$WORK/$kind/latency" '
    $1 != "fallox-trace" { next }
    $2 == "key" { if (open) missed++; open = 1; got = $3; sent = $4; keys++; next }
    $2 == "present" && open {
      printf "%.3f %.3f\n", ($3 - got) / 1000, $3 / 1e6 - sent >out
      open = 0
    }
    END { if (open) missed++; print keys + 0, missed + 0 }' >"$WORK/$kind/latency.count"
  local keys missed
  read -r keys missed <"$WORK/$kind/latency.count"
  R[$kind,keys]=$keys; R[$kind,missed]=$missed
  [ "${R[$kind,keys]}" -ge $((KEYS * 9 / 10)) ] || fail "$kind: only ${R[$kind,keys]} of $KEYS keys reached the window"
  R[$kind,handler_median]=$(awk '{ print $1 }' "$WORK/$kind/latency" | median)
  R[$kind,handler_p95]=$(awk '{ print $1 }' "$WORK/$kind/latency" | percentile 95)
  R[$kind,event_median]=$(awk '{ print $2 }' "$WORK/$kind/latency" | median)
  R[$kind,event_p95]=$(awk '{ print $2 }' "$WORK/$kind/latency" | percentile 95)
  # The X server stamps events with CLOCK_MONOTONIC, as steady_clock does; a
  # server with another clock gives differences no key could take.
  if ! awk '$2 < -1 || $2 > 1000 { bad = 1 } END { exit bad }' "$WORK/$kind/latency"; then
    R[$kind,event_median]="n/a"; R[$kind,event_p95]="n/a"
  fi

  # Hard drops: Down every 0.2 s, each piece first shifted to another column
  # so the games last; a game that has ended (no present for 0.8 s) is
  # started again with the button.
  say "$kind: CPU during hard drops ($DROP_SECONDS s)"
  new_game
  sleep 0.5
  local -a shifts=("" "Left Left Left Left" "Right Right Right Right" "Left Left" "Right Right"
                   "Left Left Left" "Right Right Right" "Left" "Right")
  local slots=$((DROP_SECONDS * 5)) start quiet=0 seen restarts=0 drops=0
  p0=$(presents "$log"); seen=$p0
  t0=$(ticks "$pid"); start=$(now_ns)
  for i in $(seq 0 $((slots - 1))); do
    sleep_until $((start + i * 200000000))
    p1=$(presents "$log")
    if [ "$p1" -eq "$seen" ]; then quiet=$((quiet + 1)); else quiet=0; fi
    seen=$p1
    if [ "$quiet" -ge 4 ]; then
      xdo mousemove $((X + 213)) $((Y + 38)) click 1
      restarts=$((restarts + 1)); quiet=0
    else
      # shellcheck disable=SC2086  # the shift is a list of key names
      xdo key --delay 5 ${shifts[i % ${#shifts[@]}]} Down
      drops=$((drops + 1))
    fi
  done
  sleep_until $((start + slots * 200000000))
  t1=$(ticks "$pid")
  local elapsed
  elapsed=$(awk -v n=$(( $(now_ns) - start )) 'BEGIN { printf "%.3f", n / 1e9 }')
  p1=$(presents "$log")
  R[$kind,cpu_drop]=$(percent $((t1 - t0)) "$elapsed")
  R[$kind,drop_presents]=$((p1 - p0))
  R[$kind,drops]=$drops
  R[$kind,restarts]=$restarts
  R[$kind,hwm]=$(status_kb "$pid" VmHWM)
  R[$kind,rss_end]=$(status_kb "$pid" VmRSS)
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

session normal
session busy

# --- engine ----------------------------------------------------------------

# Median of five repetitions of BM_PlayGameTurns, in presented turns per second.
engine_turns() {
  "$1/bench/bench_engine" --benchmark_filter='^BM_PlayGameTurns$' --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
    awk '/"name": "BM_PlayGameTurns_median"/ { m = 1 } m && /"items_per_second"/ { gsub(/[^0-9.e+]/, "", $2); print $2; exit }'
}
say "engine: BM_PlayGameTurns, 5 repetitions per build"
R[normal,turns]=$(engine_turns "$NORMAL_DIR")
R[busy,turns]=$(engine_turns "$BUSY_DIR")

# --- table -----------------------------------------------------------------

for kind in normal busy; do
  R[$kind,start_median]=$(median <"$WORK/$kind/starts")
  R[$kind,start_runs]=$(tr '\n' ' ' <"$WORK/$kind/starts" | sed 's/ $//')
  R[$kind,dummy_median]=$(median <"$WORK/$kind/starts-dummy")
  R[$kind,dummy_runs]=$(tr '\n' ' ' <"$WORK/$kind/starts-dummy" | sed 's/ $//')
done
turns() { awk -v v="$1" 'BEGIN { if (v >= 1e6) printf "%.2f million/s", v / 1e6; else printf "%.0f/s", v }'; }
# fix DIGITS VALUE: VALUE rounded to DIGITS decimals ("n/a" stays as it is).
fix() { case $2 in n/a | nan) echo "$2" ;; *) awk -v d="$1" -v v="$2" 'BEGIN { printf "%.*f", d, v }' ;; esac; }
row() { printf '| %s | %s | %s | %s |\n' "$1" "$2" "$3" "$4"; }

table() {
  row "Quantity" "Normal" "Busy-waiting" "Method"
  row "---" "---" "---" "---"
  row "CPU while a game waits (level 0, no input)" "${R[normal,cpu_wait]} % of one core" "${R[busy,cpu_wait]} % of one core" \
    "utime + stime from /proc/PID/stat over $CPU_SECONDS s of a running game, divided by CLK_TCK and the time"
  row "CPU while paused" "${R[normal,cpu_pause]} % of one core" "${R[busy,cpu_pause]} % of one core" \
    "same, $CPU_SECONDS s after P (title shows the pause, no present in that time)"
  row "CPU during hard drops" "${R[normal,cpu_drop]} % of one core" "${R[busy,cpu_drop]} % of one core" \
    "same, $DROP_SECONDS s with Down every 0.2 s (piece first shifted by 0-4 columns; ended games restarted: normal ${R[normal,restarts]}, busy ${R[busy,restarts]}); presents: normal ${R[normal,drop_presents]}, busy ${R[busy,drop_presents]}"
  row "Key event to well presented, median / 95th percentile" \
    "$(fix 2 "${R[normal,event_median]}") / $(fix 2 "${R[normal,event_p95]}") ms" \
    "$(fix 2 "${R[busy,event_median]}") / $(fix 2 "${R[busy,event_p95]}") ms" \
    "FALLOX_TRACE=1: X server time of the key event (whole ms, CLOCK_MONOTONIC) to the end of the next PresentWell; $KEYS Left/Right keys by xdotool 150-250 ms apart (paired: normal $(( R[normal,keys] - R[normal,missed] )), busy $(( R[busy,keys] - R[busy,missed] ))); up to 1 ms too high from the whole-ms event time"
  row "Key taken by the window's handler to well presented, median / 95th percentile" \
    "$(fix 0 "${R[normal,handler_median]}") / $(fix 0 "${R[normal,handler_p95]}") µs" \
    "$(fix 0 "${R[busy,handler_median]}") / $(fix 0 "${R[busy,handler_p95]}") µs" \
    "same keys: the window's keyboard handler's steady_clock stamp to the end of the next PresentWell"
  row "Start-up to the first painted window, median of $STARTS" "${R[normal,start_median]} ms" "${R[busy,start_median]} ms" \
    "launch to the first paint (FALLOX_QUIT_AFTER_FIRST_PAINT=1), builds alternating after a warm-up start; runs: normal ${R[normal,start_runs]}; busy ${R[busy,start_runs]}"
  row "Start-up to the first painted window with SDL's dummy audio driver, median of $STARTS" "${R[normal,dummy_median]} ms" "${R[busy,dummy_median]} ms" \
    "same with SDL_AUDIODRIVER=dummy, which skips the search for a sound device; runs: normal ${R[normal,dummy_runs]}; busy ${R[busy,dummy_runs]}"
  row "Resident memory during a game (VmRSS)" "$(mb "${R[normal,rss_game]}") MiB" "$(mb "${R[busy,rss_game]}") MiB" \
    "/proc/PID/status after $CPU_SECONDS s of a game (idle window before it: normal $(mb "${R[normal,rss_idle]}") MiB, busy $(mb "${R[busy,rss_idle]}") MiB)"
  row "Peak resident memory (VmHWM)" "$(mb "${R[normal,hwm]}") MiB" "$(mb "${R[busy,hwm]}") MiB" \
    "/proc/PID/status at the end of the whole session (waiting, pause, keys, hard drops)"
  row "Engine: presented turns per second" "$(turns "${R[normal,turns]}")" "$(turns "${R[busy,turns]}")" \
    "bench_engine BM_PlayGameTurns, median of 5 repetitions: whole games at level 0 with no input on a host that only counts; the busy build spins through each wait with the fake clock moving 1 µs per pass"
}

TABLE=$(table)
echo "$TABLE"

if [ -n "$RESULTS" ]; then
  {
    echo "# Measured performance"
    echo
    echo "Measured $(date '+%Y-%m-%d %H:%M %Z') on $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n1), $(uname -sr)."
    echo "Load average when the run began: $LOAD_AT_START, when it ended: $(cut -d' ' -f1-3 /proc/loadavg) (the machine is shared; compare the two columns, which were measured in the same run)."
    if compgen -G '/dev/snd/pcmC*p' >/dev/null; then sound="sounds play on this machine's sound device"; else sound="there is no sound device, so sounds are not played"; fi
    echo "Qt platform xcb on Xvfb (1024x768x24); $sound."
    echo "The normal build is \`$(realpath --relative-to="$ROOT" "$NORMAL_DIR")\`, the busy-waiting build (\`-DFALLOX_BUSY_WAIT=ON\`) \`$(realpath --relative-to="$ROOT" "$BUSY_DIR")\`, both Release."
    echo
    echo "Command: \`$COMMAND\`"
    echo
    echo "$TABLE"
  } >"$RESULTS"
  say "written to $RESULTS"
fi
