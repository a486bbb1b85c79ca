#!/usr/bin/env bash
# Builds the web page (scripts/build-web.sh) and plays it through in Debian's
# headless Chromium (tests/web/play.mjs). Screenshots go to $SHOTS, a new
# temporary folder unless set.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-web.sh >/dev/null
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
SHOTS=${SHOTS:-$(mktemp -d)}
export SHOTS
echo "screenshots: $SHOTS"
node tests/web/play.mjs "${BUILD_DIR:-build-web}/site"
# Against the Linux program's skin, where ./test.sh has built it.
if [ -x build/fallox ]; then
  tests/web/skin_match.sh build/fallox "$SHOTS/web-window.png"
else
  echo "SKIP: the skin comparison needs the Linux program in build/ (./test.sh builds it)"
fi
