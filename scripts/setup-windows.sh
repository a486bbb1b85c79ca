#!/usr/bin/env bash
# Everything the Windows build and its tests need on this Linux machine: Debian's
# mingw-w64 cross compiler, Qt's host tools, NSIS, Wine and the virtual X screen
# (only the packages that are missing), and the static Qt for Windows unpacked
# into the cache. Prints the Qt folder on its last line.
# FALLOX_WIN_QT_ARCHIVE names the archive; otherwise ../shared/toolchains beside the
# clone, then /work/shared/toolchains. With MAKE_QT=1 a missing archive is built
# by the toolchain's own script (about an hour); otherwise this fails with a message.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev-tools
  nsis zip unzip wine wine64
  xvfb xauth xdotool xclip x11-xkb-utils imagemagick x11-utils fonts-dejavu-core
  pulseaudio
)
scripts/install-missing.sh "${PACKAGES[@]}"

QT_NAME=qt6.4.2-mingw-w64-static
CACHE=${XDG_CACHE_HOME:-$HOME/.cache}/fallox
QT_DIR=$CACHE/$QT_NAME
if [ ! -f "$QT_DIR/mingw-toolchain.cmake" ]; then
  archive=$(scripts/find-qt-archive.sh windows || true)
  if [ -z "$archive" ] && [ "${MAKE_QT:-0}" = 1 ]; then
    for dir in ../shared/toolchains /work/shared/toolchains; do
      if [ -x "$dir/build-qt-mingw.sh" ]; then
        mkdir -p "$CACHE"
        archive=$("$dir/build-qt-mingw.sh" "$CACHE" | tail -n1)
        break
      fi
    done
  fi
  if [ -z "$archive" ]; then
    echo "No static Qt for Windows ($QT_NAME.tar.xz) in ../shared/toolchains or /work/shared/toolchains;" >&2
    echo "set FALLOX_WIN_QT_ARCHIVE, or MAKE_QT=1 to build it with build-qt-mingw.sh (about an hour)." >&2
    exit 1
  fi
  scripts/unpack-qt.sh "$archive" "$QT_DIR"
fi
echo "$QT_DIR"
