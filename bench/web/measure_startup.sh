#!/usr/bin/env bash
# Start-up of the web page in Debian's headless Chromium against a bare Qt
# widgets window built the same way (bench/BareWindow.cpp): LOADS loads of
# each in turn (9 unless set), each in a fresh profile, as a first visit, from
# the start of the navigation to the first painted window. Prints the medians
# and the page's transfer size (gzip, as a web server sends it).
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/build-web.sh >/dev/null
QT_DIR=$(scripts/setup-web.sh | tail -n1)
# shellcheck source=/dev/null
. "$QT_DIR/emsdk-debian.sh"
BUILD_DIR=${BUILD_DIR:-build-web}
cmake --build "$BUILD_DIR" --target bare_window >/dev/null
BARE=$BUILD_DIR/bare-site
rm -rf "$BARE" && mkdir -p "$BARE"
sed 's/loadEmscriptenModule("fallox")/loadEmscriptenModule("bare_window")/' "$BUILD_DIR/site/index.html" >"$BARE/index.html"
cp "$BUILD_DIR/bare_window.js" "$BUILD_DIR/bare_window.wasm" "$BUILD_DIR/site/qtloader.js" "$BARE/"
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)

for site in "$BUILD_DIR/site" "$BARE"; do
  echo "$site: $(cat "$site"/* | wc -c) bytes, $(for f in "$site"/*; do gzip -6 -c "$f"; done | wc -c) with gzip"
done
node bench/web/measure_startup.mjs "$BUILD_DIR/site" "$BARE" "${LOADS:-9}"
