#!/usr/bin/env bash
# Cross-builds Fallox for 64-bit Windows on this Linux machine, into build-windows/:
#   Fallox.exe                      the game, one file, no DLLs beside it
#   Fallox-Setup-<version>.exe      the installer (NSIS)
#   Fallox-<version>-windows.zip    Fallox.exe with a short read-me, for those who want no installer
# With --tests the test programs are built as well (run them with scripts/test-windows.sh).
# Packages and the static Qt for Windows come from scripts/setup-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

TARGETS=(--target fallox)
[ "${1:-}" = --tests ] && TARGETS=()

QT_DIR=$(scripts/setup-windows.sh | tail -n1)
BUILD_DIR=${BUILD_DIR:-build-windows}
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$QT_DIR/mingw-toolchain.cmake" ${CMAKE_EXTRA_ARGS:-}
fi
cmake --build "$BUILD_DIR" -j"${BUILD_JOBS:-$(nproc)}" "${TARGETS[@]}"

VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")
STAGE="$BUILD_DIR/package"
rm -rf "$STAGE" && mkdir -p "$STAGE"
cp "$BUILD_DIR/Fallox.exe" "$STAGE/"
# Notepad and every other Windows editor read these with CRLF line ends; the
# byte-order mark tells older Notepads that the umlauts are UTF-8.
{ printf '\xef\xbb\xbf'; sed "s/@PROJECT_VERSION@/$VERSION/; s/\$/\r/" packaging/windows/LIESMICH.txt; } >"$STAGE/LIESMICH.txt"
sed 's/$/\r/' resources/fonts/LICENSE.txt >"$STAGE/DejaVu-LICENSE.txt"

SETUP="Fallox-Setup-$VERSION.exe"
SIZE_KB=$(du -sk "$STAGE" | cut -f1)
# The installer's German texts are written in UTF-8.
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$VERSION" -DSIZE_KB="$SIZE_KB" -DBUILD_DIR="$(realpath "$STAGE")" \
  -DICON="$(realpath resources/icons/fallox.ico)" -DOUTFILE="$(realpath "$BUILD_DIR")/$SETUP" \
  packaging/windows/Fallox.nsi

chmod +x "$BUILD_DIR/$SETUP"

ZIP="Fallox-$VERSION-windows.zip"
rm -f "$BUILD_DIR/$ZIP"
(cd "$STAGE" && zip -q -X -9 "../$ZIP" Fallox.exe LIESMICH.txt DejaVu-LICENSE.txt)
ls -l "$BUILD_DIR/Fallox.exe" "$BUILD_DIR/$SETUP" "$BUILD_DIR/$ZIP"
