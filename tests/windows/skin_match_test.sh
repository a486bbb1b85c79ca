#!/usr/bin/env bash
# Fallox.exe under Wine shows the same skin as the Linux program at scale 1:
# a window of the same title and size whose background, intro, orbs and title
# buttons match the Linux window's pixel for pixel (only the labels' text may
# differ with the font rendering), and whose well, once a game runs, is drawn
# with the very tile pictures of the resources. Exits 77 (skipped) when Wine
# or the X tools are missing.
set -uo pipefail

EXE=${1:?usage: skin_match_test.sh path/to/Fallox.exe path/to/fallox}
LINUX_GAME=${2:?usage: skin_match_test.sh path/to/Fallox.exe path/to/fallox}
RESOURCES="$(dirname "$0")/../../resources"
source "$(dirname "$0")/wine_lib.sh"

window_shot() {
  import -window root "$WORK/screen.png"
  skin_of "$WORK/screen.png" "$WX" "$WY" "$WORK/$1.png"
}

prepare_game "$LINUX_GAME"
start_game
sleep 0.5
window_shot linux
end_game

mkdir -p "$WINEPREFIX/drive_c/Fallox"
cp "$EXE" "$WINEPREFIX/drive_c/Fallox/Fallox.exe"
start_exe "$WINEPREFIX/drive_c/Fallox/Fallox.exe"
[ "$(xdotool getwindowname "$(fallox_window)")" = Fallox ] || fail "the window's title is not Fallox"
# The window shows before its first paint, which comes seconds later where
# Wine first reads a great many system fonts: compared until it matches.
skins_match() {
  window_shot windows
  differing=$(compare -metric AE "$WORK/linux.png" "$WORK/windows.png" "$WORK/difference.png" 2>&1 | cut -d' ' -f1)
  [ "$differing" = 0 ]
}
wait_for 100 skins_match || {
  cp "$WORK/linux.png" "$WORK/windows.png" "$WORK/difference.png" "${FALLOX_KEEP_SHOTS:-$WORK}/" 2>/dev/null
  fail "$differing pixels of the skin differ between the Linux and the Windows window"
}

# "Neues spiel", then every cell of the well must be one of the tile pictures,
# and a falling piece must show in some of them.
click $((WX + 213)) $((WY + 38))
sleep 0.5
import -window root -crop "160x288+$((WX + 18))+$((WY + 17))" +repage "$WORK/well.png"
convert "$RESOURCES"/images/tile[0-7].png -format '%#\n' info: >"$WORK/tiles.txt"
convert "$WORK/well.png" -crop 16x16 +repage -format '%#\n' info: >"$WORK/cells.txt"
[ "$(wc -l <"$WORK/cells.txt")" = 180 ] || fail "the well is not 10 by 18 cells"
strangers=$(grep -cvxFf "$WORK/tiles.txt" "$WORK/cells.txt")
[ "$strangers" = 0 ] || fail "$strangers cells of the well are not drawn with a tile picture"
empty=$(convert "$RESOURCES/images/tile0.png" -format '%#' info:)
[ "$(grep -cvxF "$empty" "$WORK/cells.txt")" -ge 4 ] || fail "no piece shows in the well"
end_game 300
echo "PASS"
