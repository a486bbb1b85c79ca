# Shared by the end-to-end scripts that run the program on a real desktop
# rather than a bare X screen. Source after e2e_lib.sh.

# Starts openbox, a window manager that moves windows through
# _NET_WM_MOVERESIZE like the big desktops, on $DISPLAY; returns once it has
# taken over the screen.
start_openbox() {
  command -v openbox >/dev/null 2>&1 || { echo "SKIP: openbox is not installed"; exit 77; }
  command -v xprop >/dev/null 2>&1 || { echo "SKIP: xprop is not installed"; exit 77; }
  HOME="$WORK" openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  PIDS+=($!)
  wait_for 100 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
}

# Starts the program copied into a folder of our own (it keeps scores.lst
# beside itself), with its options and data there too and a trace of every
# presented well among its messages in $WORK/game.log; sets PID, WX and WY.
start_traced_game() {
  prepare_game "$1"
  FALLOX_TRACE=1 start_game
}

# Wells presented so far.
presents() { grep -c ' present ' "$WORK/game.log"; }

# Presses the left button at $1,$2, moves the pointer by $3,$4 in $5 steps
# (twenty, over three seconds, unless given), the first a moment after the
# press as a hand makes it, and lets go. HELD_PRESENTS counts the wells presented
# from a moment after the first step (time for it to arrive) to the release.
drag() {
  local x=$1 y=$2 dx=$3 dy=$4 steps=${5:-20} before
  xdotool mousemove "$x" "$y" mousedown 1 sleep 0.1 mousemove $((x + dx / steps)) $((y + dy / steps))
  sleep 0.3
  before=$(presents)
  for ((i = 2; i <= steps; i++)); do
    xdotool mousemove $((x + dx * i / steps)) $((y + dy * i / steps))
    sleep 0.135
  done
  HELD_PRESENTS=$(($(presents) - before))
  xdotool mouseup 1
  sleep 0.3
}

# Drags a window from its point $2,$3 by $4,$5 in $6 steps (see drag), the
# command $1 printing where the window is (x y), and checks that it moved by
# that much and stays there while the pointer wanders off, and that no well
# was presented during the drag. $7 names the window in messages. Sets NX, NY
# to where the window was left.
drag_and_check() {
  local x y
  read -r x y <<<"$($1)"
  drag $((x + $2)) $((y + $3)) "$4" "$5" "$6"
  NX=$((x + $4))
  NY=$((y + $5))
  [ "$($1)" = "$NX $NY" ] || fail "$7 moved from $x,$y to $($1) by a drag of ($4,$5) in $6 steps"
  [ "$HELD_PRESENTS" = 0 ] || fail "the game presented $HELD_PRESENTS wells during a drag of $7 in $6 steps"
  for ((i = 0; i < 10; i++)); do
    xdotool mousemove_relative -- 7 5
    sleep 0.05
  done
  sleep 0.3
  [ "$($1)" = "$NX $NY" ] || fail "after the release $7 followed the pointer to $($1)"
}

# Whether the game presents a well within a moment.
goes_on() { local before; before=$(presents); sleep 1.2; [ "$(presents)" -gt "$before" ]; }

# Starts weston as a 1024x768 Wayland session on a socket of our own, with its
# headless backend, or with "nested" as $2 in a window at the top left of our
# X screen (which must be larger), where input from that screen passes through
# the compositor as a real mouse's would; with "xwayland" as $1 it offers XWayland too, and
# XWAYLAND_DISPLAY names its X display. Sets WAYLAND_SOCKET_NAME.
start_weston() {
  command -v weston >/dev/null 2>&1 || { echo "SKIP: weston is not installed"; exit 77; }
  local extra=()
  if [ "${1:-}" = xwayland ]; then
    command -v Xwayland >/dev/null 2>&1 || { echo "SKIP: Xwayland is not installed"; exit 77; }
    extra=(--xwayland)
  fi
  local backend=headless-backend.so
  if [ "${2:-}" = nested ]; then
    backend=x11-backend.so
    compgen -G "/usr/lib/*/libweston-*/$backend" >/dev/null || { echo "SKIP: weston's X11 backend is not installed"; exit 77; }
  fi
  WAYLAND_SOCKET_NAME="fallox-wl-$$"
  weston --backend="$backend" --use-pixman "${extra[@]}" --socket="$WAYLAND_SOCKET_NAME" \
    --width=1024 --height=768 --idle-time=0 >"$WORK/weston.log" 2>&1 &
  PIDS+=($!)
  wait_for 100 test -S "$XDG_RUNTIME_DIR/$WAYLAND_SOCKET_NAME" || fail "weston did not start: $(tail -n5 "$WORK/weston.log")"
  if [ "${2:-}" = nested ]; then
    # weston follows the pointer only once it has come into its window.
    xdotool mousemove 1100 900 sleep 0.2 mousemove 512 384
  fi
  if [ "${1:-}" = xwayland ]; then
    wait_for 100 grep -q 'xserver listening on display' "$WORK/weston.log" || fail "weston offered no XWayland"
    XWAYLAND_DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log" | head -n1)
  fi
}
