#!/usr/bin/env bash
# The web page's main window (a screenshot of it at scale 1, as play.mjs saves
# it) shows the Linux program's skin pixel for pixel; only the labels' text
# may differ with the font rendering. Exits 77 (skipped) when the X tools are missing.
set -uo pipefail

LINUX_GAME=${1:?usage: skin_match.sh path/to/fallox web-window.png}
WEB_WINDOW=${2:?usage: skin_match.sh path/to/fallox web-window.png}
source "$(dirname "$0")/../e2e/e2e_lib.sh"

prepare_game "$LINUX_GAME"
start_game
sleep 0.5
import -window root "$WORK/screen.png"
skin_of "$WORK/screen.png" "$WX" "$WY" "$WORK/linux.png"
skin_of "$WEB_WINDOW" 0 0 "$WORK/web.png"
differing=$(compare -metric AE "$WORK/linux.png" "$WORK/web.png" "$WORK/difference.png" 2>&1 | cut -d' ' -f1)
if [ "$differing" != 0 ]; then
  cp "$WORK/linux.png" "$WORK/web.png" "$WORK/difference.png" "$(dirname "$WEB_WINDOW")/" 2>/dev/null
  fail "$differing pixels of the skin differ between the Linux window and the web page's"
fi
echo "PASS: the web page's skin is the Linux window's, pixel for pixel"
