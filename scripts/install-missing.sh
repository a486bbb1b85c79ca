#!/usr/bin/env bash
# Installs those of the Debian packages named as arguments that are missing,
# waiting up to ten minutes for another package manager run (an unattended
# upgrade on a fresh machine) to let go of its lock. Messages go to stderr.
#   scripts/install-missing.sh package...
set -euo pipefail

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
((${#missing[@]})) || exit 0

echo "Installing missing packages: ${missing[*]}" >&2
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq >&2
DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends \
  "${missing[@]}" >&2
