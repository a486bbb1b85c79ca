#!/usr/bin/env bash
# End-to-end check that confirmed options survive a restart: the real program
# saves level 7 and pre-filled rows, is ended and started again, and then only
# the sound box is ticked and confirmed. Brixel32.ini must still hold level 7
# and the rows, and a section of the player's own must stay byte for byte.
# Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

SOURCE_GAME=${1:?usage: options_restart_e2e.sh path/to/fallox}
source "$(dirname "$0")/e2e_lib.sh"

prepare_game "$SOURCE_GAME"
export SDL_AUDIODRIVER=dummy
FOREIGN=$'; notes of my own\r\n[Desktop]\r\nWallpaper=flowers.bmp\r\n'
printf '%s' "$FOREIGN" >"$INI"
cp "$INI" "$WORK/foreign.ini"

expect_keys() {
  for line in "$@"; do
    grep -qxF "$line"$'\r' "$INI" || fail "Brixel32.ini lacks '$line': $(cat -A "$INI")"
  done
}

# First run: level 7 and pre-filled rows, confirmed with OK.
start_game
open_options
type_level 7
fill_box
before=$(stat -c %Y.%s "$INI")
press_ok
wait_for 30 bash -c "[ \"\$(stat -c %Y.%s '$INI')\" != '$before' ]" || fail "OK did not save the options"
expect_keys 'Starting Level=7' 'Fill Lines=True' 'Play Sounds=False' 'Hide Splash=False'
end_game

# Second run: the options are read back; tick only the sound box and confirm.
start_game
open_options
sound_box
before=$(md5sum <"$INI")
press_ok
wait_for 30 bash -c "[ \"\$(md5sum <'$INI')\" != '$before' ]" || fail "OK after the restart did not save the options"
expect_keys '[Brixel32]' 'Starting Level=7' 'Fill Lines=True' 'Play Sounds=True' 'Hide Splash=False'
cmp -s -n "$(stat -c %s "$WORK/foreign.ini")" "$WORK/foreign.ini" "$INI" || fail "the player's own section changed: $(cat -A "$INI")"
[ "$(grep -c '^\[' "$INI")" = 2 ] || fail "Brixel32.ini does not hold exactly two sections: $(cat -A "$INI")"
end_game
echo "PASS"
