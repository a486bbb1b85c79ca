# Shared by the Windows end-to-end scripts: the Linux scripts' virtual X screen,
# waiting and failing (tests/e2e/e2e_lib.sh), and a Wine prefix of our own.
# A prefix takes half a minute to make; FALLOX_WINE_TEMPLATE names one made
# before (scripts/test-windows.sh makes it once), which is copied instead.
for tool in wine wineserver xclip; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/e2e_lib.sh"

# Without the menu builder Wine writes no menu entries for the installer's
# shortcut into the Unix user's home.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# Wine names the Windows user after $USER, whoever runs it; a player called
# Jürgen puts a character outside ASCII into every path below the user's folders.
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

# Waits up to $1 tenths of a second for the visible windows called $2 to go.
wait_gone() { wait_for "$1" bash -c "! xdotool search --onlyvisible --name '$2' | grep -q ."; }

# The "Option" button; waits for the dialog beside the main window and sets
# OX and OY to its corner for e2e_lib.sh's controls of it.
open_wine_options() {
  click $((WX + 213)) $((WY + 70))
  wait_for 100 wine_window '^Brixel32 Options$' || fail "the options dialog did not open"
  read -r OX OY <<<"$(position_of "$(wine_window '^Brixel32 Options$')")"
  [ "$OX $OY" = "$((WX + 336)) $WY" ] || fail "the options dialog at $OX,$OY is not beside the main window"
}
# What the options dialog's level box shows, copied out through Wine's clipboard.
shown_level() {
  click $((OX + 140)) $((OY + 73))
  xdotool key ctrl+a ctrl+c
  sleep 0.3
  timeout 5 xclip -o -selection clipboard
}
# OK, then waits for the options dialog to close.
confirm_options() { press_ok; wait_gone 50 '^Brixel32 Options$' || fail "OK did not close the options"; }

# Types $1 into the focused box. On the German keyboard "€" is AltGr+E, which
# Wine mostly misses when xdotool sends the two at once (it types "e"), so
# AltGr is held down a moment around the E.
type_name() {
  local rest=$1
  while [[ $rest == *€* ]]; do
    xdotool type "${rest%%€*}"
    rest=${rest#*€}
    xdotool keydown ISO_Level3_Shift
    sleep 0.1
    xdotool key e
    sleep 0.1
    xdotool keyup ISO_Level3_Shift
  done
  xdotool type "$rest"
}

# "Neues spiel", then hard drops only until the stack reaches the top; the
# name $1 goes into the box that asks for it. Waits for the high scores.
play_to_end() {
  click $((WX + 213)) $((WY + 38))
  local box=""
  for ((i = 0; i < 120; i++)); do
    box=$(xdotool search --onlyvisible --name '^Fallox$' 2>/dev/null | grep -vx "$(fallox_window)" | head -n1)
    [ -n "$box" ] && break
    xdotool key Down
    sleep 0.3
  done
  [ -n "$box" ] || fail "no name was asked for at the end of the game"
  xdotool windowfocus --sync "$box"
  type_name "$1"
  xdotool key Return
  wait_for 100 wine_window '^High Scores$' || fail "the high-score window did not show"
}
# OK in the high-score window, then waits for it to close.
close_high_scores() {
  read -r X Y <<<"$(position_of "$(wine_window '^High Scores$')")"
  click $((X + 160)) $((Y + 178))
  wait_gone 50 '^High Scores$' || fail "OK did not close the high scores"
}
