#!/usr/bin/env bash
# Fallox.exe under Wine on a virtual X screen, as a Windows player meets it:
# a Brixel32.ini of an older copy in the Windows folder, with a section of
# another program, is read and edited in place by the options dialog; a game
# played to its end with hard drops takes a name with an umlaut and a euro
# sign into scores.lst beside the program (in a folder named with an umlaut
# too), in the system's code page; a drag during the game runs Windows' own
# move loop, which holds the game; and a second start is refused. Exits 77 (skipped) when Wine or the X tools are missing.
set -uo pipefail

EXE=${1:?usage: game_e2e.sh path/to/Fallox.exe}
source "$(dirname "$0")/wine_lib.sh"

GAME_DIR="$WINEPREFIX/drive_c/Spiele/Fallöx"
mkdir -p "$GAME_DIR"
cp "$EXE" "$GAME_DIR/Fallox.exe"
SCORES="$GAME_DIR/scores.lst"
INI="$WIN_DIR/Brixel32.ini"
printf '; Einstellungen\r\n[Andere]\r\nSchl\xfcssel=Wert\r\n\r\n[Brixel32]\r\nStarting Level=1\r\n' >"$INI"

# A German keyboard, as the players of this game have: the name's "ü" is a key
# of its own, which Wine learns of when the program starts.
setxkbmap de || fail "setxkbmap could not switch to a German keyboard"
start_exe "$GAME_DIR/Fallox.exe"
wait_for 50 test -f "$SCORES" || fail "start-up did not create scores.lst beside Fallox.exe"
cmp -s "$SCORES" <(printf 'None:0\r\n%.0s' 1 2 3 4 5) || fail "scores.lst is not the default table: $(od -c "$SCORES")"

# A second start shows only its refusal and ends once it is confirmed.
wine "$GAME_DIR/Fallox.exe" >>"$WORK/second.log" 2>&1 &
SECOND=$!
refusal() { [ "$(xdotool search --onlyvisible --name '^Fallox$' 2>/dev/null | wc -l)" -ge 2 ]; }
wait_for 300 refusal || fail "the second start showed no message"
for w in $(xdotool search --onlyvisible --name '^Fallox$'); do
  [ "$w" = "$(fallox_window)" ] && continue
  xdotool windowactivate --sync "$w" key Return 2>/dev/null || xdotool windowfocus --sync "$w" key Return
done
wait_for 100 bash -c "! kill -0 $SECOND" || fail "the second start did not end after OK"
[ "$(xdotool search --onlyvisible --name '^Fallox$' | wc -l)" = 1 ] || fail "a second main window is open"

# "Option": the level box shows the level from the old file; set 3 and sound, then OK.
open_wine_options
[ "$(shown_level)" = 1 ] || fail "the options dialog does not show the old file's level 1"
type_level 3
sound_box
confirm_options
expected_ini=$(printf '; Einstellungen\r\n[Andere]\r\nSchl\xfcssel=Wert\r\n\r\n[Brixel32]\r\nStarting Level=3\r\nFill Lines=False\r\nPlay Sounds=True\r\nHide Splash=False\r\n' | od -An -c)
[ "$(od -An -c "$INI")" = "$expected_ini" ] || fail "Brixel32.ini in the Windows folder is not as expected: $(od -c "$INI")"
[ -z "$(find "$WINEPREFIX/drive_c/users" -name Brixel32.ini)" ] || fail "a second Brixel32.ini was made in the user's folders"

# A drag during a game goes through Windows' own move loop: the window follows
# the pointer, the game holds until the release and goes on after it, and Esc
# during a move puts the window back where the move began.
click $((WX + 213)) $((WY + 38))
sleep 0.5
well() { import -window root -crop 150x290+$((WX + 10 + $1))+$((WY + 10 + $2)) "$WORK/well$3.png"; }
differs() { [ "$(compare -metric AE "$WORK/well$1.png" "$WORK/well$2.png" null: 2>&1 | cut -d' ' -f1)" != 0 ]; }
xdotool mousemove $((WX + 190)) $((WY + 310)) mousedown 1 sleep 0.2 mousemove_relative -- -10 -5 sleep 0.5
well -10 -5 1; sleep 2; well -10 -5 2
xdotool mousemove_relative -- -30 -15 sleep 0.3 mouseup 1 sleep 0.3
differs 1 2 && fail "the game went on while the window was dragged"
is_at "$(fallox_window)" $((WX - 40)) $((WY - 20)) || fail "a drag by (-40,-20) left the window at $(position_of "$(fallox_window)")"
WX=$((WX - 40)) WY=$((WY - 20))
well 0 0 3; sleep 1.5; well 0 0 4
differs 3 4 || fail "the game did not go on after the drag"
xdotool mousemove $((WX + 190)) $((WY + 310)) mousedown 1 sleep 0.2 mousemove_relative -- -20 -10 sleep 0.3 key Escape sleep 0.3 mouseup 1 sleep 0.3
is_at "$(fallox_window)" "$WX" "$WY" || fail "Esc during a move left the window at $(position_of "$(fallox_window)")"

# A game with hard drops only, until the stack reaches the top; the name has
# an umlaut and a euro sign.
play_to_end 'Jürgen€'
# Windows-1252, Wine's ANSI code page in a Western setup, one byte per
# character ("ü" 0xFC, "€" 0x80), CR LF line ends: the name and four empty places.
LC_ALL=C perl -0777 -ne 'exit(/\AJ\xfcrgen\x80:[1-9][0-9]*\r\n(?:None:0\r\n){4}\z/ ? 0 : 1)' "$SCORES" ||
  fail "scores.lst is not the expected table: $(od -c "$SCORES")"
[ -z "$(find "$WINEPREFIX/drive_c/users" -name scores.lst)" ] || fail "a second scores.lst was made in the user's folders"

# OK closes the high scores, then the exit button ends the program.
close_high_scores
# The main window went back to the centre as the high scores closed.
read -r WX WY <<<"$(position_of "$(fallox_window)")"
end_game 300
echo "PASS"
