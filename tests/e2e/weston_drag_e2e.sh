#!/usr/bin/env bash
# End-to-end check of dragging the main window on a Wayland desktop, weston
# nested in a window of a virtual X screen, the pointer of that screen moved
# so that every press and motion passes through the compositor: through
# XWayland ("xwayland", the default) or natively ("native"). A drag moves the
# window by the pointer's path, also in a single motion, the window stays
# where it was let go, a running game does not step during the drag and goes
# on after it, the next click acts, and the minimise button holds the game.
# The window is found on the screen itself, as the darkest part of weston's
# desktop. Exits 77 (skipped) when
# weston, its X11 backend, XWayland or the X tools are missing.
set -uo pipefail

SOURCE_GAME=${1:?usage: weston_drag_e2e.sh path/to/fallox [xwayland|native]}
MODE=${2:-xwayland}
E2E_SCREEN=1280x1024
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/desktop_lib.sh"

prepare_game "$SOURCE_GAME"
start_weston xwayland nested
export XDG_SESSION_TYPE=wayland
if [ "$MODE" = native ]; then
  GAME_DISPLAY=()
else
  GAME_DISPLAY=(DISPLAY="$XWAYLAND_DISPLAY")
fi
env -u DISPLAY "${GAME_DISPLAY[@]}" WAYLAND_DISPLAY="$WAYLAND_SOCKET_NAME" FALLOX_TRACE=1 "$GAME" 2>"$WORK/game.log" &
PID=$!
PIDS+=("$PID")

# Where the main window's top left corner shows on weston's desktop, below its
# panel, with the pointer parked on the panel: the box of the dark pixels,
# less the one-pixel outline weston draws around an XWayland window.
window_place() {
  xdotool mousemove 900 5
  sleep 0.3
  import -window root "$WORK/screen.png"
  convert "$WORK/screen.png" -crop 1024x728+0+40 +repage -colorspace gray -threshold 12% -negate -format '%@' info: |
    sed -n 's/^\([0-9]*\)x\([0-9]*\)+\([0-9]*\)+\([0-9]*\)$/\1 \2 \3 \4/p' |
    awk '$1 >= 336 && $1 <= 338 && $2 >= 328 && $2 <= 330 { print $3 + ($1 - 336) / 2, $4 + 40 + ($2 - 328) / 2 }'
}
shown() { [ -n "$(window_place)" ]; }
wait_for 30 shown || fail "no main window on weston's desktop ($MODE): $(head -c 500 "$WORK/game.log")"
read -r WX WY <<<"$(window_place)"

# Drags the main window from its point 190,310 (the surface below the well) by
# $1,$2 towards the middle of the screen (weston puts a native window where it
# likes, up to its edges) in $3 steps, and checks it (drag_and_check).
drag_by() {
  local dx=$1 dy=$2
  [ "$WX" -le 344 ] || dx=$((-dx))
  [ "$WY" -le 220 ] || dy=$((-dy))
  drag_and_check window_place 190 310 "$dx" "$dy" "$3" "$MODE: the main window"
  WX=$NX
  WY=$NY
}

# A running game: "Neues spiel", then a moment for the first steps.
xdotool mousemove $((WX + 213)) $((WY + 38)) click 1
wait_for 30 goes_on || fail "$MODE: the game did not start"
drag_by 40 20 20
goes_on || fail "$MODE: the game did not go on after the drag"
drag_by 60 30 1
# The next click acts: "Pause" holds the game, and a second click lets it go on.
xdotool mousemove $((WX + 213)) $((WY + 86)) click 1
sleep 0.3
! goes_on || fail "$MODE: the click on Pause after the drags did not hold the game"
xdotool click 1
goes_on || fail "$MODE: the second click on Pause did not let the game go on"
# The minimise button holds the game, whether weston ignores the request
# (through XWayland) or takes the window away and Qt reads its state back as
# normal at once (natively).
xdotool mousemove $((WX + 288)) $((WY + 14)) click 1
sleep 0.8
! goes_on || fail "$MODE: the game went on after the minimise button"
echo "PASS"
