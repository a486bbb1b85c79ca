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

start_game
[ -f "$SCORES" ] || fail "start-up did not create scores.lst beside the program"
[ "$(head -c 6 "$SCORES")" = "None:0" ] || fail "scores.lst does not hold the default table"

# "Option": set level 3 and sound, then OK.
open_options
[ "$OX" = $((WX + 336)) ] && [ "$OY" = "$WY" ] || fail "the options dialog is not beside the main window"
type_level 3
sound_box
press_ok
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
end_game
start_game
open_options
sleep 0.3
import -window root "$WORK/options.png"
box() { convert "$WORK/options.png" -crop "14x14+$((OX + 128))+$((OY + $1))" +repage "$WORK/box$1.png"; }
box 104; box 136
[ "$(compare -metric AE "$WORK/box104.png" "$WORK/box136.png" null: 2>&1 | cut -d' ' -f1)" -gt 8 ] ||
  fail "after a restart the sound box does not look different from the fill box"
echo "PASS"
