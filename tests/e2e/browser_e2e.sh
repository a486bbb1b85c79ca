#!/usr/bin/env bash
# End-to-end check of the browser that the options' link starts: it gets the
# environment of the player's session, not the program's own choices. In a
# Wayland session with XWayland the program picks its Qt platform for itself
# alone; a browser or Qt helper inheriting that pick would run through
# XWayland, blurred on a scaled screen. A platform the player set is passed
# on. The desktop's opener is stood in for by a script that records what it
# was given. Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

SOURCE_GAME=${1:?usage: browser_e2e.sh path/to/fallox}
source "$(dirname "$0")/e2e_lib.sh"

prepare_game "$SOURCE_GAME"
mkdir "$WORK/bin"
cat >"$WORK/bin/xdg-open" <<EOF
#!/bin/sh
env >"$WORK/opener.tmp" && mv "$WORK/opener.tmp" "$WORK/opener.env"
EOF
chmod +x "$WORK/bin/xdg-open"
export PATH="$WORK/bin:$PATH"
# A Wayland session as the big desktops set it up, whose XWayland is our X
# screen. Its compositor is never asked for: the program runs on X.
export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="fallox-no-compositor-$$"

# The platform variable the opener got, or "unset".
opener_platform() { grep '^QT_QPA_PLATFORM=' "$WORK/opener.env" | cut -d= -f2- | grep . || echo unset; }

# First as the desktop starts it, with no platform chosen; then with the
# player's own choice.
for chosen in "" xcb; do
  if [ -n "$chosen" ]; then export QT_QPA_PLATFORM=$chosen; else unset QT_QPA_PLATFORM; fi
  rm -f "$WORK/opener.env"
  start_game
  open_options
  click $((OX + 60)) $((OY + 288))
  wait_for 50 test -f "$WORK/opener.env" || fail "the link started no opener"
  got=$(opener_platform)
  [ "$got" = "${chosen:-unset}" ] ||
    fail "with QT_QPA_PLATFORM ${chosen:-unset} at the start, the browser's opener got QT_QPA_PLATFORM $got"
  end_game
done
echo "PASS"
