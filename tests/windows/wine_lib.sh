# Shared by the Windows end-to-end scripts: the Linux scripts' virtual X screen,
# waiting and failing (tests/e2e/e2e_lib.sh), and a Wine prefix of our own.
# A prefix takes half a minute to make; FALLOX_WINE_TEMPLATE names one made
# before (scripts/test-windows.sh makes it once), which is copied instead.
for tool in wine wineserver; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"

# Without the menu builder Wine writes no menu entries for the installer's
# shortcut into the Unix user's home.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Wine names the Windows user after $USER, whoever runs it; a player called Jürgen puts a
# character outside ASCII into every path below the user's folders.
export USER=Jürgen LOGNAME=Jürgen
export WINEPREFIX="$WORK/wine"
if [ -n "${FALLOX_WINE_TEMPLATE:-}" ] && [ -d "$FALLOX_WINE_TEMPLATE/drive_c" ]; then
  cp -a "$FALLOX_WINE_TEMPLATE" "$WINEPREFIX"
else
  wineboot --init >/dev/null 2>&1 || fail "wineboot could not make a prefix"
fi
# The fixtures a player may not write are read-only; their owner opens them again to remove them.
wine_cleanup() { wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; chmod -R u+w "$WORK"; cleanup; }
trap wine_cleanup EXIT

WIN_DIR="$WINEPREFIX/drive_c/windows"
# The player's own folders below C:\users, as Wine named them (after the Unix user).
PROFILE=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)
APPDATA_DIR="$PROFILE/AppData/Roaming"
LOCALAPPDATA_DIR="$PROFILE/AppData/Local"

# The visible top-level window called $1 (a regular expression) at the size $2x$3, if any.
wine_window() {
  for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ -z "${2:-}" ] || { [ "$WIDTH" = "$2" ] && [ "$HEIGHT" = "$3" ]; }; then echo "$w"; return 0; fi
  done
  return 1
}
fallox_window() { wine_window '^Fallox$' 336 328; }

# Starts the Windows program $1 under Wine, waits for its main window; sets PID, WX, WY.
start_exe() {
  wine "$1" >>"$WORK/game.log" 2>&1 &
  PID=$!
  PIDS+=("$PID")
  wait_for 600 fallox_window || fail "the main window did not appear under Wine"
  eval "$(xdotool getwindowgeometry --shell "$(fallox_window)")"
  WX=$X
  WY=$Y
}
