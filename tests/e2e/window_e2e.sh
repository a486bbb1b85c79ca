#!/usr/bin/env bash
# End-to-end check of the real program on a virtual X screen: the idle
# window, a game started with the mouse and steered with keys, and the
# refusal of a second copy. Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

GAME=${1:?usage: window_e2e.sh path/to/fallox}
source "$(dirname "$0")/e2e_lib.sh"

"$GAME" 2>"$WORK/first.log" &
FIRST=$!
PIDS+=("$FIRST")
wait_for 100 has_main_window "$FIRST" || fail "the main window did not appear"
WIN=$(main_window "$FIRST")
wait_until_at "$WIN" $CENTRE_X $CENTRE_Y
eval "$(xdotool getwindowgeometry --shell "$WIN")"
[ "$WIDTH" = 336 ] && [ "$HEIGHT" = 328 ] || fail "window is ${WIDTH}x${HEIGHT}, not 336x328"
[ "$X $Y" = "$CENTRE_X $CENTRE_Y" ] || fail "window at $X,$Y is not centred"
WX=$X
WY=$Y

shot() { sleep 0.3; import -window root "$WORK/$1.png"; }
# The well's drawing area, cut out of a screenshot.
well() { convert "$WORK/$1.png" -crop "160x288+$((WX + 18))+$((WY + 17))" +repage "$WORK/$1-well.png"; }
# Pixels of the well in the empty-cell gray.
gray_pixels() {
  convert "$WORK/$1-well.png" -fill white -opaque 'rgb(192,192,192)' -fill black +opaque white \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
# Pixels that differ between two wells.
changed_pixels() { compare -metric AE "$WORK/$1-well.png" "$WORK/$2-well.png" null: 2>&1 | cut -d' ' -f1; }

shot idle; well idle
[ "$(gray_pixels idle)" -lt 20000 ] || fail "the intro picture does not cover the well"

# "Neues spiel": the first menu button.
xdotool mousemove $((WX + 208 + 5)) $((WY + 32 + 6)) click 1
shot started; well started
gray=$(gray_pixels started)
[ "$gray" -gt 40000 ] && [ "$gray" -lt 46080 ] || fail "no piece in an empty well after the start ($gray gray pixels)"

xdotool key Left Left Left
shot moved; well moved
[ "$(changed_pixels started moved)" -gt 200 ] || fail "the well did not change after the left key"

xdotool key Down
shot dropped; well dropped
bottom=$(convert "$WORK/dropped-well.png" -crop 160x32+0+256 +repage -fill white -opaque 'rgb(192,192,192)' \
  -fill black +opaque white -format '%[fx:int(mean*w*h+0.5)]' info:)
[ "$bottom" -lt 5120 ] || fail "the hard drop left nothing at the bottom of the well"

# A second copy shows only its refusal and ends once it is confirmed.
"$GAME" 2>"$WORK/second.log" &
SECOND=$!
PIDS+=("$SECOND")
second_windows() { xdotool search --onlyvisible --pid "$SECOND" 2>/dev/null; }
has_second_window() { [ -n "$(second_windows)" ]; }
wait_for 100 has_second_window || fail "the second copy showed no message"
for w in $(second_windows); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ "$WIDTH" = 336 ] && [ "$HEIGHT" = 328 ] && fail "the second copy opened a main window"
  [ "$(xdotool getwindowname "$w")" = Fallox ] || fail "unexpected window of the second copy"
done
BOX=$(second_windows | head -n1)
xdotool windowfocus --sync "$BOX" key Return
wait_for 50 bash -c "! kill -0 $SECOND" || fail "the second copy did not end after OK"
wait "$SECOND"; [ $? = 0 ] || fail "the second copy ended with an error"
kill -0 "$FIRST" || fail "the first copy ended too"

# The exit button ends the running game and the program.
xdotool mousemove $((WX + 304 + 9)) $((WY + 8 + 6)) click 1
wait_for 50 bash -c "! kill -0 $FIRST" || fail "the exit button did not end the program"
wait "$FIRST"; rc=$?
[ "$rc" = 0 ] || fail "the program ended with status $rc"
echo "PASS"
