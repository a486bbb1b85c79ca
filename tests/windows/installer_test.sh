#!/usr/bin/env bash
# The Windows installer under Wine: a silent install puts Fallox.exe into
# Program Files with a Start-menu entry and an uninstaller listed under the
# installed apps; the game started from there, in a folder the player may
# not write to, keeps its scores in the player's data folder; a silent
# uninstall leaves nothing in Program Files but the scores beside the
# program. Exits 77 (skipped) when Wine or the X tools are missing, or when
# run as root, who may write everywhere.
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

# The player may not write to the program's folder.
chmod -R a-w "$INSTALLED"
start_exe "$INSTALLED/Fallox.exe"
SCORES="$APPDATA_DIR/Fallox/scores.lst"
wait_for 100 test -f "$SCORES" || fail "the installed game made no scores.lst in the player's data folder"
cmp -s "$SCORES" <(printf 'None:0\r\n%.0s' 1 2 3 4 5) || fail "the new scores.lst is not the default table"
[ ! -e "$INSTALLED/scores.lst" ] || fail "the installed game wrote scores.lst into Program Files"
end_game 300
chmod -R u+w "$INSTALLED"

# The uninstaller hands over to a copy of itself in the temporary folder and
# returns; that copy removes the files. A silent one keeps scores beside the
# program (as an elevated run leaves them), and with them the folder.
printf 'Erika:4014\r\n' >"$INSTALLED/scores.lst"
cp "$INSTALLED/scores.lst" "$WORK/beside.lst"
timeout 60 wine "$INSTALLED/Uninstall.exe" /S >>"$WORK/setup.log" 2>&1 || fail "the silent uninstall failed"
wait_for 600 test ! -e "$INSTALLED/Uninstall.exe"
timeout 60 wineserver -w
[ "$(ls -A "$INSTALLED")" = scores.lst ] || fail "the uninstaller left more than scores.lst: $(ls -A "$INSTALLED")"
cmp -s "$INSTALLED/scores.lst" "$WORK/beside.lst" || fail "the uninstaller changed the scores beside the program"
[ ! -e "$LINK" ] || fail "the Start-menu entry is still there"
listed DisplayName Fallox >/dev/null && fail "Fallox is still listed under the installed apps"
[ -f "$SCORES" ] || fail "the uninstaller removed the player's scores"
echo "PASS"
