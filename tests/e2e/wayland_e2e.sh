#!/usr/bin/env bash
# End-to-end check of the program in a Wayland session (weston with its
# headless backend): where XWayland is offered and no Qt platform is chosen,
# the program runs through XWayland and centres its window as on X11. Without
# XWayland, or where DISPLAY names no X server, it runs natively, quietly and
# without a crash. xdotool's clicks do not reach
# weston, so only what needs no input is checked. Exits 77 (skipped) when
# weston, XWayland or the X tools are missing.
set -uo pipefail

SOURCE_GAME=${1:?usage: wayland_e2e.sh path/to/fallox}
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/desktop_lib.sh"
command -v xwininfo >/dev/null 2>&1 || { echo "SKIP: xwininfo is not installed"; exit 77; }

prepare_game "$SOURCE_GAME"
# A Wayland session as GNOME and KDE set it up; the player chose no platform.
unset QT_QPA_PLATFORM
export XDG_SESSION_TYPE=wayland

start_weston xwayland
WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" DISPLAY="$XWAYLAND_DISPLAY" "$GAME" 2>"$WORK/game.log" &
PID=$!
PIDS+=("$PID")
xwayland_window() { DISPLAY="$XWAYLAND_DISPLAY" main_window "$PID"; }
has_xwayland_window() { [ -n "$(xwayland_window)" ]; }
wait_for 150 has_xwayland_window || fail "no main window on XWayland: $(head -c 500 "$WORK/game.log")"
# xwininfo reports the place on the screen, outside any frame weston adds.
xwayland_place() {
  local info
  info=$(DISPLAY="$XWAYLAND_DISPLAY" xwininfo -id "$(xwayland_window)")
  echo "$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info"),$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")"
}
xwayland_centred() { [ "$(xwayland_place)" = "$CENTRE_X,$CENTRE_Y" ]; }
wait_for 50 xwayland_centred || fail "through XWayland the main window is at $(xwayland_place), not centred at $CENTRE_X,$CENTRE_Y"
kill -0 "$PID" || fail "the program ended by itself"
kill "$PID"; wait "$PID" 2>/dev/null

# Natively on Wayland ($1 says when; the rest is given to env): a window titled
# Fallox (seen in libwayland's log of the requests), no crash and not a word
# of complaint.
expect_native_run() {
  local when=$1
  shift
  WAYLAND_DEBUG=client WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" env "$@" "$GAME" 2>"$WORK/native.log" &
  PID=$!
  PIDS+=("$PID")
  native_window() { grep -q 'xdg_toplevel@[0-9]*\.set_title("Fallox")' "$WORK/native.log"; }
  wait_for 150 native_window || fail "$when: no native Wayland window titled Fallox: $(grep -v '^\[' "$WORK/native.log" | head -c 500)"
  sleep 1
  kill -0 "$PID" || fail "$when: the program ended by itself: $(grep -v '^\[' "$WORK/native.log" | head -c 500)"
  local complaints
  complaints=$(grep -v '^\[' "$WORK/native.log")
  [ -z "$complaints" ] || fail "$when: the program complained: $complaints"
  kill "$PID"; wait "$PID" 2>/dev/null
}
expect_native_run "without XWayland" -u DISPLAY
# A session whose DISPLAY names an X server that is gone.
expect_native_run "with DISPLAY naming no X server" DISPLAY=:7391
echo "PASS"
