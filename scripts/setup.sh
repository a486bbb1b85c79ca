#!/usr/bin/env bash
# Shared by run.sh and test.sh: install the Debian packages the build needs
# (only those that are missing), then configure and build into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libxkbcommon-dev libgl-dev
  libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core
  openbox weston xwayland qt6-wayland
  dpkg-dev file
  # Validators for the installed files and the Debian package (tests/install, .ci/run).
  appstream desktop-file-utils lintian man-db
  # The options dialog is tested in the locales of real desktops.
  locales
)

scripts/install-missing.sh "${PACKAGES[@]}"

# The German and American English locales the options dialog is tested in.
missing_locales=()
for l in de_DE en_US; do
  locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || missing_locales+=("$l")
done
if ((${#missing_locales[@]})); then
  echo "Generating missing locales: ${missing_locales[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  for l in "${missing_locales[@]}"; do
    $SUDO sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
fi

BUILD_DIR="${BUILD_DIR:-build}"
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" ${CMAKE_EXTRA_ARGS:-}
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
