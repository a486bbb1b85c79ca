#!/usr/bin/env bash
# Runs every GoogleTest program of a build three times over, each time in a
# new random order, so that a test leaning on what another left behind (an
# open device, a file, a global) shows up. The programs are the ones ctest
# knows; each runs in its own build folder, as under ctest.
set -uo pipefail

BUILD=$(cd "${1:-build}" && pwd)
# One line per program and environment ctest gives its tests (a program
# may run under several, e.g. once per screen scale): the program, a tab,
# then the environment's assignments separated by spaces.
mapfile -t programs < <(cd "$BUILD" && ctest --show-only=json-v1 | awk '
  function unquote(s) { sub(/^ *"/, "", s); sub(/",? *$/, "", s); return s }
  function emit() { if (program != "") print program "\t" env }
  /"command" :/ { emit(); program = ""; env = ""; inEnv = 0 }
  /"--gtest_filter=/ { program = unquote(prev) }
  /"name" : "ENVIRONMENT"/ { inEnv = 1; next }
  inEnv && /^ *\]/ { inEnv = 0 }
  inEnv && /^ *"/ && !/" :/ { env = env (env == "" ? "" : " ") unquote($0) }
  { prev = $0 }
  END { emit() }' | sort -u)
((${#programs[@]})) || { echo "FAIL: ctest lists no GoogleTest programs in $BUILD"; exit 1; }

LOG=$(mktemp)
trap 'rm -f "$LOG"' EXIT
failed=()
for line in "${programs[@]}"; do
  program=${line%%$'\t'*}
  read -r -a environment <<<"${line#*$'\t'}"
  label="$(basename "$program")${environment[*]:+ (${environment[*]})}"
  if (cd "$(dirname "$program")" &&
      env QT_QPA_PLATFORM=offscreen "${environment[@]}" timeout 1200 "$program" \
        --gtest_shuffle --gtest_repeat=3 --gtest_brief=1) >"$LOG" 2>&1; then
    echo "ok   $label"
  else
    echo "FAIL $label"
    grep -E "Randomizing|FAILED|Failure|Expected|Which is|error" "$LOG" | head -n 40
    failed+=("$label")
  fi
done
if ((${#failed[@]})); then
  echo "FAIL: ${failed[*]}"
  exit 1
fi
echo "PASS: ${#programs[@]} programs, shuffled, three rounds each"
