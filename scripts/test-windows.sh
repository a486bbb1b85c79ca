#!/usr/bin/env bash
# The Windows build's tests under Wine, after `scripts/build-windows.sh --tests`:
# every test program of build-windows/ through ctest, then the end-to-end runs
# of Fallox.exe, its skin against the Linux build's (build/fallox), and the
# installer. One Wine prefix is made first and copied for each of them.
#
# Root may write every folder, Program Files and the Windows folder included,
# which hides what a Windows player meets. Run as root, this script therefore
# runs itself as an unprivileged player, FALLOX_TEST_PLAYER (fallox-player),
# made on first use; run by anyone else, it runs as that user.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build-windows}
LINUX_GAME=${LINUX_GAME:-build/fallox}

if [ "$(id -u)" = 0 ]; then
  PLAYER=${FALLOX_TEST_PLAYER:-fallox-player}
  # Two runs at once may both find the player missing; the loser's useradd fails, and id decides.
  id -u "$PLAYER" >/dev/null 2>&1 || useradd --system --create-home --home-dir "/var/lib/$PLAYER" \
    --shell /usr/sbin/nologin --comment "Fallox tests under Wine" "$PLAYER" 2>/dev/null || id -u "$PLAYER" >/dev/null
  as_player() {
    setpriv --reuid="$PLAYER" --regid="$PLAYER" --init-groups \
      env HOME="$(getent passwd "$PLAYER" | cut -d: -f6)" "$@"
  }
  # A checkout inside a private folder (mode 700, as mktemp makes them) is out
  # of the player's reach: such folders above it are opened for passing
  # through, not for listing, while the tests run.
  OPENED=()
  for path in "$(pwd -P)" "$(dirname "$(realpath -m "$LINUX_GAME")")"; do
    while [ "$path" != / ]; do
      if ! as_player test -x "$path"; then chmod o+x "$path"; OPENED+=("$path"); fi
      path=$(dirname "$path")
    done
  done
  trap '((${#OPENED[@]} == 0)) || chmod o-x "${OPENED[@]}"' EXIT
  as_player test -r "$BUILD_DIR/CTestTestfile.cmake" || {
    echo "FAIL: the player $PLAYER cannot read $PWD/$BUILD_DIR; the tests need it readable for all" >&2
    exit 1
  }
  # ctest keeps its logs in the build folder.
  mkdir -p "$BUILD_DIR/Testing"
  chown -R "$PLAYER:" "$BUILD_DIR/Testing"
  echo "Running the Windows tests as the unprivileged user $PLAYER"
  as_player "$PWD/scripts/test-windows.sh" "$@"
  exit
fi

# Without the menu builder Wine writes no menu entries for the installer's
# shortcut into the Unix user's home.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
# The Windows user is named after $USER: Jürgen, for a profile folder outside ASCII.
export USER=Jürgen LOGNAME=Jürgen
SCRATCH=$(mktemp -d)
cleanup() {
  for prefix in template units; do WINEPREFIX="$SCRATCH/$prefix" wineserver -k 2>/dev/null || true; done
  rm -rf "$SCRATCH"
}
trap cleanup EXIT
export FALLOX_WINE_TEMPLATE="$SCRATCH/template"
start=$SECONDS
WINEPREFIX="$FALLOX_WINE_TEMPLATE" wineboot --init >/dev/null 2>&1
WINEPREFIX="$FALLOX_WINE_TEMPLATE" wineserver -w
echo "Wine prefix made in $((SECONDS - start)) s"

# Wine's own prefix lacks the user's temporary folder, which the tests' scratch folders need.
mkdir -p "$FALLOX_WINE_TEMPLATE/drive_c/users/$USER/AppData/Local/Temp"

echo "-- test programs under Wine"
# Qt's offscreen platform still makes hidden windows on Windows, for which Wine
# needs an X screen.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$SCRATCH/display" 2>/dev/null &
XVFB=$!
for _ in $(seq 100); do [ -s "$SCRATCH/display" ] && break; sleep 0.1; done
cp -a "$FALLOX_WINE_TEMPLATE" "$SCRATCH/units"
start=$SECONDS
# A sound server of the tests' own, for the effects to play to in real time.
DISPLAY=":$(head -n1 "$SCRATCH/display")" WINEPREFIX="$SCRATCH/units" scripts/with-sound-server.sh \
  ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" || { kill "$XVFB"; exit 1; }
kill "$XVFB"
echo "   $((SECONDS - start)) s"

for test in "tests/windows/game_e2e.sh $BUILD_DIR/Fallox.exe" \
            "tests/windows/skin_match_test.sh $BUILD_DIR/Fallox.exe $LINUX_GAME" \
            "tests/windows/installer_test.sh $(ls "$BUILD_DIR"/Fallox-Setup-*.exe | head -n1)"; do
  echo "-- $test"
  start=$SECONDS
  $test
  echo "   $((SECONDS - start)) s"
done
