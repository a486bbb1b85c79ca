#!/usr/bin/env bash
# Prints the archive of a static Qt this checkout would use, "windows" (mingw-w64)
# or "web" (WebAssembly) as $1, or fails with no output when there is none:
# FALLOX_WIN_QT_ARCHIVE or FALLOX_WEB_QT_ARCHIVE, else the shared toolchains
# folder beside the clone, else the machine's own.
set -u
cd "$(dirname "$0")/.."
case "${1:-}" in
  windows) name=qt6.4.2-mingw-w64-static.tar.xz override=${FALLOX_WIN_QT_ARCHIVE:-} ;;
  web) name=qt6.4.2-wasm-static.tar.xz override=${FALLOX_WEB_QT_ARCHIVE:-} ;;
  *) echo "usage: find-qt-archive.sh windows|web" >&2; exit 2 ;;
esac
for archive in "$override" "../shared/toolchains/$name" "/work/shared/toolchains/$name"; do
  if [ -n "$archive" ] && [ -f "$archive" ]; then
    (cd "$(dirname "$archive")" && echo "$PWD/$(basename "$archive")")
    exit 0
  fi
done
exit 1
