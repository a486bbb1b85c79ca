# Shared by the end-to-end scripts: a private virtual X screen, a private
# runtime folder for the single-instance lock, waiting and failing.
for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

WORK=$(mktemp -d)
PIDS=()
cleanup() {
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }

# Waits up to $1 tenths of a second for the command in the other arguments to succeed.
wait_for() {
  local tries=$1; shift
  for ((i = 0; i < tries; i++)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# A screen of our own on a free display, 1024x768 unless E2E_SCREEN says
# otherwise; Xvfb picks the number itself.
Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768}x24" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
PIDS+=($!)
wait_for 100 test -s "$WORK/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$WORK/display")"
# An X11 desktop of our own, even when the tests run inside a Wayland session.
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
# The single-instance lock lives in the runtime folder; a folder of our own
# keeps a game the developer is playing out of the way.
export XDG_RUNTIME_DIR="$WORK/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

main_window() { xdotool search --onlyvisible --pid "$1" --name '^Fallox$' 2>/dev/null | head -n1; }
has_main_window() { [ -n "$(main_window "$1")" ]; }

# Copies the program into a folder of our own (it keeps scores.lst beside
# itself), with its options and data folders beside it; sets GAME and INI.
prepare_game() {
  mkdir -p "$WORK/game" "$WORK/config" "$WORK/data"
  cp "$1" "$WORK/game/fallox"
  GAME="$WORK/game/fallox"
  INI="$WORK/config/Brixel32.ini"
  export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data"
}

# Starts $GAME, its messages going to $WORK/game.log, and waits for its main
# window; sets PID, WX and WY.
start_game() {
  "$GAME" 2>>"$WORK/game.log" &
  PID=$!
  PIDS+=("$PID")
  wait_for 100 has_main_window "$PID" || fail "the main window did not appear"
  # The program centres its window a moment after it first shows; a check
  # of the place that follows says where it came to rest if not there.
  wait_until_at "$(main_window "$PID")" $CENTRE_X $CENTRE_Y
  read -r WX WY <<<"$(position_of "$(main_window "$PID")")"
}

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.2; }

# Top-left corner of window $1 on the screen, as "X Y".
position_of() { eval "$(xdotool getwindowgeometry --shell "$1")"; echo "$X $Y"; }

# Waits up to five seconds for window $1 to stand at $2,$3. Windows are placed
# a moment after they first show (longer under the sanitizers), so a place is
# never read at first sight; the caller checks the place afterwards and says
# where the window is if the wait ran out.
is_at() { [ "$(position_of "$1")" = "$2 $3" ]; }
wait_until_at() { wait_for 50 is_at "$@"; }

# Where the main window (336x328) stands centred on the 1024x768 screen.
CENTRE_X=$(((1024 - 336) / 2))
CENTRE_Y=$(((768 - 328) / 2))

# The visible window of the program ($PID) called $1, other than the main window
# (a search by name also turns that up).
other_window() {
  for w in $(xdotool search --onlyvisible --pid "$PID" --name "$1" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" != 336 ] || [ "$HEIGHT" != 328 ]; then echo "$w"; return 0; fi
  done
  return 1
}

# The exit button of the main window; waits until the program has ended,
# checking $1 times (50, five seconds, unless given; Wine takes longer).
end_game() {
  click $((WX + 313)) $((WY + 14))
  wait_for "${1:-50}" bash -c "! kill -0 $PID" || fail "the exit button did not end the program"
}

# The "Option" button; waits for the dialog and sets OX and OY to its corner.
open_options() {
  click $((WX + 213)) $((WY + 70))
  wait_for 50 other_window '^Brixel32 Options$' || fail "the options dialog did not open"
  local win
  win=$(other_window '^Brixel32 Options$')
  wait_until_at "$win" $((WX + 336)) "$WY"
  read -r OX OY <<<"$(position_of "$win")"
}

# The options dialog's controls, its corner at OX,OY: the level box takes the
# text $1 in place of its own; the boxes are ticked or cleared; OK confirms.
type_level() { click $((OX + 140)) $((OY + 73)); xdotool key ctrl+a type "$1"; }
fill_box() { click $((OX + 135)) $((OY + 111)); }
sound_box() { click $((OX + 135)) $((OY + 143)); }
press_ok() { click $((OX + 95)) $((OY + 211)); }

# The main window's picture at scale 1 from a screenshot ($1) at $2,$3, into
# $4, its text labels blacked out: the menu captions, the preview's caption,
# the counters and their captions. Only the labels may differ between two
# builds' windows, with their font rendering.
skin_of() {
  convert "$1" -crop "336x328+$2+$3" +repage \
    -fill black -draw 'rectangle 232,32 320,96' -draw 'rectangle 208,112 296,128' \
    -draw 'rectangle 192,224 315,296' "$4"
}
