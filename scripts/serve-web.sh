#!/usr/bin/env bash
# Serves build-web/site/ (made by scripts/build-web.sh) on this machine only and
# prints the address to open. PORT chooses the port (8123 unless set).
set -euo pipefail
cd "$(dirname "$0")/../${BUILD_DIR:-build-web}/site"
PORT=${PORT:-8123}
echo "Fallox im Browser: http://127.0.0.1:$PORT/"
exec python3 -m http.server "$PORT" --bind 127.0.0.1
