#!/usr/bin/env bash
# Prints the archive of the static Qt for Windows this checkout would use, or fails
# with no output when there is none: FALLOX_WIN_QT_ARCHIVE, else the shared toolchains
# folder beside the clone, else the machine's own.
set -u
cd "$(dirname "$0")/.."
for archive in "${FALLOX_WIN_QT_ARCHIVE:-}" \
    ../shared/toolchains/qt6.4.2-mingw-w64-static.tar.xz \
    /work/shared/toolchains/qt6.4.2-mingw-w64-static.tar.xz; do
  if [ -n "$archive" ] && [ -f "$archive" ]; then
    (cd "$(dirname "$archive")" && echo "$PWD/$(basename "$archive")")
    exit 0
  fi
done
exit 1
