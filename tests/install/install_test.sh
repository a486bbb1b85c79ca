#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks that it is
# there like a desktop game (menu entry, metainfo, icons, manual page, all
# consistent and accepted by the validators that are installed), and that it runs from a program folder it
# cannot write to, keeping its scores in the user's data folder instead.
set -uo pipefail

BUILD=${1:?usage: install_test.sh build-dir}
WORK=$(mktemp -d)
chmod 755 "$WORK"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; fail "cmake --install failed"; }
ID=$(sed -n 's/^FALLOX_APP_ID:STRING=//p' "$BUILD/CMakeCache.txt")
[ -n "$ID" ] || fail "no FALLOX_APP_ID in the build's cache"
DESKTOP="$PREFIX/share/applications/$ID.desktop"
for f in games/fallox "share/applications/$ID.desktop" "share/metainfo/$ID.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$ID.svg" share/man/man6/fallox.6.gz \
         share/doc/fallox/README.md share/doc/fallox/copyright share/doc/fallox/changelog.gz; do
  [ -f "$PREFIX/$f" ] || fail "$f was not installed"
done
for size in 16 32 48 64 128 256 512; do
  icon="$PREFIX/share/icons/hicolor/${size}x$size/apps/$ID.png"
  file -b "$icon" 2>/dev/null | grep -q "PNG image data, $size x $size," || fail "no $size-pixel icon: $(file -b "$icon")"
done
# The menu entry starts the installed program by its full path and names the
# installed icon; the metainfo names the menu entry.
grep -qx "Exec=$PREFIX/games/fallox" "$DESKTOP" || fail "the menu entry does not start the installed program: $(grep ^Exec "$DESKTOP")"
grep -qx "Icon=$ID" "$DESKTOP" || fail "the menu entry does not name the icon $ID"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$PREFIX/share/metainfo/$ID.metainfo.xml" \
  || fail "the metainfo does not launch $ID.desktop"
# Compressed as distributions want it: best compression, no name or time stamp.
for gz in share/man/man6/fallox.6.gz share/doc/fallox/changelog.gz; do
  header=$(od -An -tx1 -N10 "$PREFIX/$gz" | tr -d ' \n')
  [ "${header:0:8}" = 1f8b0800 ] && [ "${header:8:8}" = 00000000 ] && [ "${header:16:2}" = 02 ] \
    || fail "$gz is not gzip -9n: header $header"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$DESKTOP" || fail "desktop-file-validate rejects the menu entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate-tree --no-net "$PREFIX" >"$WORK/appstream.log" 2>&1 \
    || { cat "$WORK/appstream.log"; fail "appstreamcli rejects the metainfo"; }
fi
if command -v man >/dev/null; then
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$PREFIX/share/man/man6/fallox.6.gz" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page has warnings: $warnings"
fi

# A user who may not write into the program folder: root ignores the folder's
# permissions, so as root the program runs as "nobody".
HOME_DIR="$WORK/home"
RUNTIME="$WORK/run"
mkdir -p "$HOME_DIR" "$RUNTIME"
run_as=()
if [ "$(id -u)" = 0 ]; then
  command -v runuser >/dev/null || { echo "SKIP: runuser is missing"; exit 77; }
  chown nobody "$HOME_DIR" "$RUNTIME"
  run_as=("$(command -v runuser)" -u nobody --)
else
  chmod a-w "$PREFIX/games"
fi
chmod 700 "$RUNTIME"
"${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$HOME_DIR" XDG_DATA_HOME="$HOME_DIR/data" XDG_CONFIG_HOME="$HOME_DIR/config" \
  XDG_RUNTIME_DIR="$RUNTIME" QT_QPA_PLATFORM=offscreen FALLOX_QUIT_AFTER_FIRST_PAINT=1 \
  "$PREFIX/games/fallox" >"$WORK/run.log" 2>&1 || { cat "$WORK/run.log"; fail "the installed program did not start"; }
chmod u+w "$PREFIX/games"
[ ! -e "$PREFIX/games/scores.lst" ] || fail "the program wrote into its own folder"
SCORES="$HOME_DIR/data/fallox/scores.lst"
[ -f "$SCORES" ] || fail "no scores.lst in the user's data folder: $(find "$HOME_DIR" -type f)"
[ "$(stat -c %s "$SCORES")" = 40 ] || fail "scores.lst is not the 40-byte default table"
echo "PASS"
