#!/usr/bin/env bash
# Runs every GoogleTest program of a build three times over, each time in a
# new random order, so that a test leaning on what another left behind (an
# open device, a file, a global) shows up. The programs are the ones ctest
# knows; each runs in its own build folder, as under ctest.
set -uo pipefail

BUILD=$(cd "${1:-build}" && pwd)
mapfile -t programs < <(cd "$BUILD" && ctest --show-only=json-v1 |
  awk '/"--gtest_filter=/ { print prev } { prev = $0 }' | sed -E 's/^ *"(.*)",? *$/\1/' | sort -u)
((${#programs[@]})) || { echo "FAIL: ctest lists no GoogleTest programs in $BUILD"; exit 1; }

LOG=$(mktemp)
trap 'rm -f "$LOG"' EXIT
failed=()
for program in "${programs[@]}"; do
  if (cd "$(dirname "$program")" &&
      QT_QPA_PLATFORM=offscreen timeout 1200 "$program" --gtest_shuffle --gtest_repeat=3 --gtest_brief=1) >"$LOG" 2>&1; then
    echo "ok   $(basename "$program")"
  else
    echo "FAIL $(basename "$program")"
    grep -E "Randomizing|FAILED|Failure|Expected|Which is|error" "$LOG" | head -n 40
    failed+=("$(basename "$program")")
  fi
done
if ((${#failed[@]})); then
  echo "FAIL: ${failed[*]}"
  exit 1
fi
echo "PASS: ${#programs[@]} programs, shuffled, three rounds each"
