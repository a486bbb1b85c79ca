#!/usr/bin/env bash
# End-to-end check of options and high scores with the real program on a
# virtual X screen: the options are confirmed and land in Brixel32.ini, a
# game is played to its end, the name typed at the end lands in scores.lst,
# and a restart shows the saved options again. Exits 77 (skipped) when the
# X tools are missing.
set -uo pipefail

SOURCE_GAME=${1:?usage: scores_options_e2e.sh path/to/fallox}
source "$(dirname "$0")/e2e_lib.sh"

prepare_game "$SOURCE_GAME"
SCORES="$WORK/game/scores.lst"

# Waits for the options to come to rest beside the main window; sets OX and OY.
options_at() {
  local win
  win=$(other_window '^Brixel32 Options$')
  wait_until_at "$win" $((WX + 336)) "$WY"
  read -r OX OY <<<"$(position_of "$win")"
}

start_game
[ -f "$SCORES" ] || fail "start-up did not create scores.lst beside the program"
[ "$(head -c 6 "$SCORES")" = "None:0" ] || fail "scores.lst does not hold the default table"

# "Option": set level 3 and sound, then OK.
click $((WX + 213)) $((WY + 70))
wait_for 50 other_window '^Brixel32 Options$' || fail "the options dialog did not open"
options_at
[ "$OX" = $((WX + 336)) ] && [ "$OY" = "$WY" ] || fail "the options dialog is not beside the main window"
click $((OX + 140)) $((OY + 73))
xdotool key ctrl+a type 3
click $((OX + 135)) $((OY + 143))
click $((OX + 95)) $((OY + 211))
wait_for 30 test -f "$INI" || fail "OK did not write Brixel32.ini"
for line in '[Brixel32]' 'Starting Level=3' 'Fill Lines=False' 'Play Sounds=True' 'Hide Splash=False'; do
  grep -qxF "$line"$'\r' "$INI" || fail "Brixel32.ini lacks '$line': $(cat -A "$INI")"
done

# A game with hard drops only, until the stack reaches the top.
click $((WX + 213)) $((WY + 38))
for ((i = 0; i < 80; i++)); do
  other_window '^Fallox$' >/dev/null && break
  xdotool key Down
  sleep 0.3
done
BOX=$(other_window '^Fallox$') || fail "no name was asked for at the end of the game"
xdotool windowfocus --sync "$BOX" type 'Erika:1'
xdotool key Return
wait_for 50 other_window '^High Scores$' || fail "the high-score window did not show"
first=$(head -n1 "$SCORES")
[[ "$first" == $'Erika:1:'*$'\r' ]] || fail "the first line of scores.lst is '$first'"
HIGH_SCORES=$(other_window '^High Scores$')
wait_until_at "$HIGH_SCORES" "$WX" $((WY + 328))
read -r X Y <<<"$(position_of "$HIGH_SCORES")"
click $((X + 160)) $((Y + 178))
wait_for 30 bash -c "! xdotool search --onlyvisible --name '^High Scores$' | grep -q ." || fail "OK did not close the high scores"

# Exit, start again: the dialog shows the saved choices (sound ticked, fill not).
click $((WX + 313)) $((WY + 14))
wait_for 50 bash -c "! kill -0 $PID" || fail "the exit button did not end the program"
start_game
click $((WX + 213)) $((WY + 70))
wait_for 50 other_window '^Brixel32 Options$' || fail "the options dialog did not open after the restart"
options_at
sleep 0.3
import -window root "$WORK/options.png"
box() { convert "$WORK/options.png" -crop "14x14+$((OX + 128))+$((OY + $1))" +repage "$WORK/box$1.png"; }
box 104; box 136
[ "$(compare -metric AE "$WORK/box104.png" "$WORK/box136.png" null: 2>&1 | cut -d' ' -f1)" -gt 8 ] ||
  fail "after a restart the sound box does not look different from the fill box"
echo "PASS"
