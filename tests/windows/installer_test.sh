#!/usr/bin/env bash
# The Windows installer under Wine, as a player without administrator rights
# meets the installed game: a silent install puts Fallox.exe into Program
# Files with a Start-menu entry and an uninstaller listed under the installed
# apps. The game started from there, in a folder the player may not write to,
# keeps its scores and options in the player's own folder: a new table at
# first; a copy of the table an elevated first run left beside the program
# once there is one; and the options of an older copy's read-only file in the
# Windows folder, its other sections kept. A restart with a Wayland desktop's
# variables reads both back. A silent uninstall removes everything but the
# scores beside the program. Exits 77 (skipped) when Wine or the X tools are
# missing, or when run as root, who may write everywhere.
set -uo pipefail

SETUP=${1:?usage: installer_test.sh path/to/Fallox-Setup-<version>.exe}
SETUP=$(realpath "$SETUP")
if [ "$(id -u)" = 0 ]; then
  echo "SKIP: root may write to Program Files; scripts/test-windows.sh runs this as an unprivileged user"
  exit 77
fi
source "$(dirname "$0")/wine_lib.sh"

INSTALLED="$WINEPREFIX/drive_c/Program Files/Fallox"
LINK="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Fallox.lnk"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Fallox'
listed() { wine reg query "$UNINSTALL_KEY" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | grep -F "$2"; }

timeout 120 wine "$SETUP" /S >>"$WORK/setup.log" 2>&1 || fail "the silent install failed or did not end"
[ -f "$INSTALLED/Fallox.exe" ] || fail "Fallox.exe is not in Program Files: $(ls -R "$WINEPREFIX/drive_c/Program Files")"
[ -f "$INSTALLED/Uninstall.exe" ] || fail "no uninstaller beside Fallox.exe"
[ -f "$LINK" ] || fail "no Start-menu entry"
listed DisplayName Fallox >/dev/null || fail "Fallox is not listed under the installed apps"
listed UninstallString 'Uninstall.exe' >/dev/null || fail "the listed entry names no uninstaller"

# The player may write neither the program's folder nor the Windows folder,
# where an older copy left its options beside another program's.
chmod -R a-w "$INSTALLED"
OLD_INI="$WIN_DIR/Brixel32.ini"
printf '[Andere]\r\nSchl\xfcssel=Wert\r\n\r\n[Brixel32]\r\nStarting Level=3\r\n' >"$OLD_INI"
cp "$OLD_INI" "$WORK/old.ini"
chmod a-w "$OLD_INI" "$WIN_DIR"
USER_DIR="$APPDATA_DIR/Fallox"
SCORES="$USER_DIR/scores.lst"
INI="$USER_DIR/Brixel32.ini"

start_exe "$INSTALLED/Fallox.exe"
wait_for 100 test -f "$SCORES" || fail "the installed game made no scores.lst in the player's data folder"
cmp -s "$SCORES" <(printf 'None:0\r\n%.0s' 1 2 3 4 5) || fail "the new scores.lst is not the default table"
[ ! -e "$INSTALLED/scores.lst" ] || fail "the installed game wrote scores.lst into Program Files"
# The old file's level shows; 5 is saved into the player's folder, the rest of the old file with it.
open_wine_options
[ "$(shown_level)" = 3 ] || fail "the options dialog does not show the Windows folder's level 3"
type_level 5
confirm_options
cmp -s "$OLD_INI" "$WORK/old.ini" || fail "the Windows folder's Brixel32.ini changed: $(od -c "$OLD_INI")"
[ -f "$INI" ] || fail "OK made no Brixel32.ini in the player's folder: $(ls -R "$PROFILE/AppData")"
LC_ALL=C perl -0777 -ne 'exit(/\[Andere\]\r\nSchl\xfcssel=Wert\r\n/ && /\[Brixel32\]\r\nStarting Level=5\r\n/ ? 0 : 1)' "$INI" ||
  fail "the player's Brixel32.ini lacks the old file's other section or the new level: $(od -c "$INI")"
end_game 300

# An elevated first run left a table beside the program. The player's own
# table starts as its copy and takes the new entry; the one beside stays.
rm "$SCORES"
chmod u+w "$INSTALLED"
printf 'Erika:4014\r\nNone:0\r\nNone:0\r\nNone:0\r\nNone:0\r\n' >"$INSTALLED/scores.lst"
cp "$INSTALLED/scores.lst" "$WORK/beside.lst"
chmod a-w "$INSTALLED" "$INSTALLED/scores.lst"
start_exe "$INSTALLED/Fallox.exe"
wait_for 100 test -f "$SCORES" || fail "the game made no scores.lst in the player's data folder"
cmp -s "$SCORES" "$WORK/beside.lst" || fail "the player's scores.lst is not a copy of the one beside the program: $(od -c "$SCORES")"
[ -w "$SCORES" ] || fail "the player's scores.lst is read-only like the one beside the program it was copied from"
play_to_end Anna
LC_ALL=C perl -0777 -ne 'exit(/^Erika:4014\r$/m && /^Anna:[1-9][0-9]*\r$/m && tr/\n// == 5 ? 0 : 1)' "$SCORES" ||
  fail "the player's scores.lst lacks Erika's or the new entry: $(od -c "$SCORES")"
cmp -s "$INSTALLED/scores.lst" "$WORK/beside.lst" || fail "the scores.lst beside the program changed"
high_scores_shot() {
  read -r X Y <<<"$(position_of "$(wine_window '^High Scores$')")"
  import -window root -crop "334x217+$X+$Y" +repage "$WORK/$1.png"
}
same_shots() { [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 | cut -d' ' -f1)" = 0 ]; }
# Wine paints a new window a moment after it shows: the picture is taken once it holds still.
settled() { cp "$WORK/after_game.png" "$WORK/before.png" 2>/dev/null; high_scores_shot after_game; same_shots before after_game; }
wait_for 50 settled || fail "the high-score window did not settle"
close_high_scores
end_game 300

# A Wayland desktop's variables reach the program through Wine, whose Qt
# knows only Windows' own platform. The options and the table read back.
XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=wayland start_exe "$INSTALLED/Fallox.exe"
open_wine_options
[ "$(shown_level)" = 5 ] || fail "after a restart the options dialog does not show the saved level 5"
confirm_options
click $((WX + 213)) $((WY + 54))
wait_for 100 wine_window '^High Scores$' || fail "the high-score button showed no window"
same_table() { high_scores_shot restarted; same_shots after_game restarted; }
wait_for 50 same_table || fail "after a restart the high scores differ from those after the game"
close_high_scores
end_game 300

# The uninstaller hands over to a copy of itself in the temporary folder and
# returns; that copy removes the files. A silent one keeps the scores beside
# the program, and with them the folder.
chmod -R u+w "$INSTALLED"
timeout 60 wine "$INSTALLED/Uninstall.exe" /S >>"$WORK/setup.log" 2>&1 || fail "the silent uninstall failed"
wait_for 600 test ! -e "$INSTALLED/Uninstall.exe"
timeout 60 wineserver -w
[ "$(ls -A "$INSTALLED")" = scores.lst ] || fail "the uninstaller left more than scores.lst: $(ls -A "$INSTALLED")"
cmp -s "$INSTALLED/scores.lst" "$WORK/beside.lst" || fail "the uninstaller changed the scores beside the program"
[ ! -e "$LINK" ] || fail "the Start-menu entry is still there"
listed DisplayName Fallox >/dev/null && fail "Fallox is still listed under the installed apps"
[ -f "$SCORES" ] || fail "the uninstaller removed the player's scores"
echo "PASS"
