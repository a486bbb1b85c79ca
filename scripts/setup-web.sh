#!/usr/bin/env bash
# Everything the web build and its browser test need on this Linux machine:
# Debian's emscripten, Qt's host tools, Chromium and node (only the packages
# that are missing), and the static Qt for WebAssembly unpacked into the cache.
# Prints the Qt folder on its last line. FALLOX_WEB_QT_ARCHIVE names the
# archive; otherwise ../shared/toolchains beside the clone, then /work/shared/toolchains.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-missing.sh cmake ninja-build emscripten qt6-base-dev-tools chromium nodejs python3

QT_NAME=qt6.4.2-wasm-static
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/fallox
QT_DIR=$CACHE/$QT_NAME
if [ ! -x "$QT_DIR/bin/qt-cmake" ]; then
  archive=$(scripts/find-qt-archive.sh web || true)
  if [ -z "$archive" ]; then
    echo "No static Qt for WebAssembly ($QT_NAME.tar.xz) in ../shared/toolchains or /work/shared/toolchains;" >&2
    echo "set FALLOX_WEB_QT_ARCHIVE, or make it with build-qt-wasm.sh beside the archive (about an hour)." >&2
    exit 1
  fi
  scripts/unpack-qt.sh "$archive" "$QT_DIR"
fi
echo "$QT_DIR"
