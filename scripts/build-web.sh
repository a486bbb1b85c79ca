#!/usr/bin/env bash
# Builds Fallox for the browser with Qt for WebAssembly, into build-web/site/:
#   index.html   the page: the game on a dark background, the keys below it
#   fallox.js    the module's JavaScript, fallox.wasm the program
#   qtloader.js  Qt's loader, which the page uses to start the module
# Serve the folder with scripts/serve-web.sh. Packages and the static Qt come
# from scripts/setup-web.sh. Only the program is built: its tests run on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

QT_DIR=$(scripts/setup-web.sh | tail -n1)
# shellcheck source=/dev/null
. "$QT_DIR/emsdk-debian.sh"
BUILD_DIR=${BUILD_DIR:-build-web}
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  "$QT_DIR/bin/qt-cmake" -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release ${CMAKE_EXTRA_ARGS:-}
fi
cmake --build "$BUILD_DIR" -j"${BUILD_JOBS:-2}" --target fallox

SITE=$BUILD_DIR/site
rm -rf "$SITE" && mkdir -p "$SITE"
# The page carries the game's icon itself, so the site stays these four files.
sed "s|@ICON@|$(base64 -w0 resources/images/icon@2x.png)|" web/index.html >"$SITE/index.html"
cp "$BUILD_DIR/fallox.js" "$BUILD_DIR/fallox.wasm" "$QT_DIR/plugins/platforms/qtloader.js" "$SITE/"
ls -l "$SITE"
