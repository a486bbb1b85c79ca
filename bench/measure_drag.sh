#!/usr/bin/env bash
# Measures dragging under a window manager (openbox on a virtual X screen):
# for each of DRAGS drags of the main window by (-40,-20) over three seconds
# during a running level-0 game, the window's displacement at the release and
# after ten further pointer moves, and the wells presented while the button
# was held; then the CPU of the game while it waits without input
# (CPU_SECONDS) and during a drag with the pointer held still (HOLD_SECONDS).
# Usage: bench/measure_drag.sh [path/to/fallox]   (default build/fallox)
set -uo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
GAME_BINARY=${1:-$ROOT/build/fallox}
DRAGS=${DRAGS:-5}
CPU_SECONDS=${CPU_SECONDS:-20}
HOLD_SECONDS=${HOLD_SECONDS:-10}
HZ=$(getconf CLK_TCK)

source "$ROOT/tests/e2e/e2e_lib.sh"
source "$ROOT/tests/e2e/desktop_lib.sh"
start_openbox
start_traced_game "$GAME_BINARY"
MAIN=$(main_window "$PID")

cpu_ticks() { awk '{print $14 + $15}' "/proc/$PID/stat"; }
# Percent of one core over $1 seconds.
cpu_over() {
  local before after
  before=$(cpu_ticks); sleep "$1"; after=$(cpu_ticks)
  awk -v t=$((after - before)) -v hz="$HZ" -v s="$1" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}

xdotool mousemove $((WX + 213)) $((WY + 38)) click 1
sleep 1
echo "| Drag | Moved at the release | Moved after 10 more pointer moves | Wells presented while held (0.3 s after the first step to the release, about 2.8 s) | Wells presented in the next 3 s |"
echo "| --- | --- | --- | --- | --- |"
for ((d = 1; d <= DRAGS; d++)); do
  read -r x y <<<"$(position_of "$MAIN")"
  px=$((x + 190)); py=$((y + 310))
  xdotool mousemove "$px" "$py" mousedown 1 mousemove $((px - 2)) $((py - 1))
  sleep 0.3
  start=$(presents)
  for ((i = 2; i <= 20; i++)); do
    xdotool mousemove $((px - 40 * i / 20)) $((py - 20 * i / 20))
    sleep 0.135
  done
  held=$(($(presents) - start))
  xdotool mouseup 1
  sleep 0.2
  read -r rx ry <<<"$(position_of "$MAIN")"
  for ((i = 0; i < 10; i++)); do xdotool mousemove_relative -- 7 5; sleep 0.05; done
  sleep 0.3
  read -r ax ay <<<"$(position_of "$MAIN")"
  after=$(presents); sleep 3; after=$(($(presents) - after))
  echo "| $d | ($((rx - x)),$((ry - y))) | ($((ax - x)),$((ay - y))) | $held | $after |"
  # Back to the middle for the next drag, out of the way of the game's end.
  xdotool mousemove $((ax + 190)) $((ay + 310))
  if ! kill -0 "$PID" 2>/dev/null; then fail "the game ended"; fi
done
echo
echo "CPU of a game waiting without input, over ${CPU_SECONDS} s: $(cpu_over "$CPU_SECONDS") % of one core"
read -r x y <<<"$(position_of "$MAIN")"
xdotool mousemove $((x + 190)) $((y + 310)) mousedown 1 mousemove $((x + 188)) $((y + 309))
sleep 0.3
echo "CPU during a drag with the pointer held still, over ${HOLD_SECONDS} s: $(cpu_over "$HOLD_SECONDS") % of one core"
xdotool mouseup 1
