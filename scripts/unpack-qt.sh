#!/usr/bin/env bash
# Unpacks a static Qt archive ($1) into the folder it holds ($2, in the cache),
# replacing what an earlier, broken unpacking left there.
set -euo pipefail
archive=${1:?usage: unpack-qt.sh ARCHIVE QT_DIR}
qt_dir=${2:?usage: unpack-qt.sh ARCHIVE QT_DIR}
mkdir -p "$(dirname "$qt_dir")"
echo "Unpacking $archive into $(dirname "$qt_dir")" >&2
rm -rf "$qt_dir"
tar -C "$(dirname "$qt_dir")" -xJf "$archive"
