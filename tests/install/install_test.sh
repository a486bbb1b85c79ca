#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks that it is
# there like a desktop program, and that it runs from a program folder it
# cannot write to, keeping its scores in the user's data folder instead.
set -uo pipefail

BUILD=${1:?usage: install_test.sh build-dir}
WORK=$(mktemp -d)
chmod 755 "$WORK"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

PREFIX="$WORK/prefix"
cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || { cat "$WORK/install.log"; fail "cmake --install failed"; }
for f in bin/fallox share/applications/fallox.desktop share/icons/hicolor/256x256/apps/fallox.png \
         share/icons/hicolor/32x32/apps/fallox.png share/doc/fallox/README.md; do
  [ -f "$PREFIX/$f" ] || fail "$f was not installed"
done
grep -qx 'Exec=fallox' "$PREFIX/share/applications/fallox.desktop" || fail "the menu entry does not start fallox"

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
  chmod a-w "$PREFIX/bin"
fi
chmod 700 "$RUNTIME"
"${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$HOME_DIR" XDG_DATA_HOME="$HOME_DIR/data" XDG_CONFIG_HOME="$HOME_DIR/config" \
  XDG_RUNTIME_DIR="$RUNTIME" QT_QPA_PLATFORM=offscreen FALLOX_QUIT_AFTER_FIRST_PAINT=1 \
  "$PREFIX/bin/fallox" >"$WORK/run.log" 2>&1 || { cat "$WORK/run.log"; fail "the installed program did not start"; }
chmod u+w "$PREFIX/bin"
[ ! -e "$PREFIX/bin/scores.lst" ] || fail "the program wrote into its own folder"
SCORES="$HOME_DIR/data/fallox/scores.lst"
[ -f "$SCORES" ] || fail "no scores.lst in the user's data folder: $(find "$HOME_DIR" -type f)"
[ "$(stat -c %s "$SCORES")" = 40 ] || fail "scores.lst is not the 40-byte default table"
echo "PASS"
