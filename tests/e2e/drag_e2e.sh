#!/usr/bin/env bash
# End-to-end check of dragging the three skinned windows on a virtual X
# screen, under a window manager (openbox, the default) or on the bare screen
# ("bare" as the second argument): a drag moves a window by the pointer's
# path, the window stays where it was let go while the pointer moves on, the
# next click acts, and a running game does not step while the button is held.
# The other windows open below and beside the main window. Exits 77 (skipped)
# when the X tools or openbox are missing.
set -uo pipefail

SOURCE_GAME=${1:?usage: drag_e2e.sh path/to/fallox [openbox|bare]}
DESKTOP=${2:-openbox}
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/desktop_lib.sh"

[ "$DESKTOP" = bare ] || start_openbox
start_traced_game "$SOURCE_GAME"
[ "$WX $WY" = "344 220" ] || fail "on the $DESKTOP screen the main window is at $WX,$WY, not centred at 344,220"

# Clicks the button $3 at $1,$2 (from where the last drag left the window,
# NX,NY) of the window called $4 ($5 in messages) and waits for it to close.
close_with() {
  xdotool mousemove $((NX + $1)) $((NY + $2)) click 1
  wait_for 30 bash -c "! xdotool search --onlyvisible --name '$4' | grep -q ." ||
    fail "the click on $3 after dragging the $5 did not close it"
}

# A running game: "Neues spiel", then a moment for the first steps.
xdotool mousemove $((WX + 213)) $((WY + 38)) click 1
sleep 1.2
[ "$(presents)" -gt 1 ] || fail "the game presented no well after its start"

MAIN=$(main_window "$PID")
drag_and_check "position_of $MAIN" 190 310 -40 -20 20 "the main window"
goes_on || fail "the game did not go on after the drag"

# The next click acts: "High-Score" opens the high-score window.
xdotool mousemove $((NX + 213)) $((NY + 54)) click 1
wait_for 30 other_window '^High Scores$' || fail "the click on High-Score after the drag opened nothing"
SCORES=$(other_window '^High Scores$')
wait_until_at "$SCORES" "$NX" $((NY + 328))
[ "$(position_of "$SCORES")" = "$NX $((NY + 328))" ] ||
  fail "the high scores opened at $(position_of "$SCORES"), not below the main window at $NX,$NY"
drag_and_check "position_of $SCORES" 320 200 -40 -20 20 "the high-score window"
close_with 160 178 OK '^High Scores$' "high-score window"

# Closing the high scores gives the focus back to the main window, and that
# puts it in the middle of the screen again, with or without a window
# manager, before the player clicks anything. The options open beside it.
settled() { local before; before=$(position_of "$1"); sleep 1; [ "$(position_of "$1")" = "$before" ]; }
wait_for 5 settled "$MAIN" || fail "the main window does not come to rest after the high scores closed"
read -r WX WY <<<"$(position_of "$MAIN")"
[ "$WX $WY" = "344 220" ] || fail "closing the high scores left the main window at $WX,$WY, not back in the centre"
xdotool mousemove $((WX + 213)) $((WY + 70)) click 1
wait_for 30 other_window '^Brixel32 Options$' || fail "the options window did not open"
OPTIONS=$(other_window '^Brixel32 Options$')
wait_until_at "$OPTIONS" $((WX + 336)) "$WY"
[ "$(position_of "$MAIN")" = "$WX $WY" ] || fail "the main window moved to $(position_of "$MAIN") as the options opened"
[ "$(position_of "$OPTIONS")" = "$((WX + 336)) $WY" ] ||
  fail "the options opened at $(position_of "$OPTIONS"), not beside the main window at $WX,$WY"
drag_and_check "position_of $OPTIONS" 160 320 -40 -20 20 "the options window"
close_with 95 251 Abbrechen '^Brixel32 Options$' "options window"
echo "PASS"
