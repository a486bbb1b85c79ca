#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each one for a
# bounded time on a fresh copy of its seeds. Exits non-zero when any target
# finds a crash, a failed check, a hang, a leak or runs out of memory; the
# input that did it is left in build-fuzz/run/<target>/artifacts/; running
# build-fuzz/<target> <that file> replays it alone.
#
#   tests/fuzz/run_fuzzers.sh [seconds-per-target]     (default 60)
set -euo pipefail
cd "$(dirname "$0")/../.."

SECONDS_PER_TARGET="${1:-60}"
BUILD_DIR="${FUZZ_BUILD_DIR:-build-fuzz}"
TARGETS=(fuzz_scores fuzz_ini fuzz_level fuzz_wav)

# The longest input worth trying per target: the score reader never looks
# past 4 KB (a bit more shows that it does not), an INI file of a few KB,
# a level box line, and the largest of the game's sounds with room to spare.
declare -A MAX_LEN=([fuzz_scores]=5000 [fuzz_ini]=4096 [fuzz_level]=512 [fuzz_wav]=8192)

scripts/install-missing.sh cmake make clang

# libFuzzer's runtime is packaged apart from the compiler, per clang version.
fuzzer_runtime="$(clang -print-file-name=libclang_rt.fuzzer-x86_64.a)"
if [ ! -f "$fuzzer_runtime" ]; then
  clang_major="$(clang -dumpversion | cut -d. -f1)"
  scripts/install-missing.sh "libclang-rt-${clang_major}-dev"
fi

CC=clang CXX=clang++ cmake -S tests/fuzz -B "$BUILD_DIR"
cmake --build "$BUILD_DIR" -j"$(nproc)"

# libFuzzer times each input by the wall clock. An input still running after
# -timeout (5 s) stops the run and is kept as timeout-*; one that took 10 s or
# more in the end is kept as slow-unit-*. Both also appear when the clock
# stepped or the machine stalled while an input ran (once on a fresh CI
# machine: 12 s for one of 645,000 inputs that each take a fraction of a
# millisecond). Each such input is run again alone, and only one that times
# out or fails again stays a finding. Sets FORGIVEN when a timeout went.
recheck_slow_inputs() {
  local target="$1" artifacts="$2" input
  FORGIVEN=0
  for input in "$artifacts"/slow-unit-* "$artifacts"/timeout-*; do
    [ -e "$input" ] || continue
    if "$BUILD_DIR/$target" -timeout=5 "$input" >"$input.replay" 2>&1; then
      echo "   $(basename "$input") ran again alone: $(grep -o 'in [0-9]* ms' "$input.replay");" \
        "the clock or the machine was slow, not the input"
      case "$input" in */timeout-*) FORGIVEN=1 ;; esac
      rm -f "$input" "$input.replay"
    fi
  done
}

failed=()
for target in "${TARGETS[@]}"; do
  work="$BUILD_DIR/run/$target"
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp tests/fuzz/corpus/"$target"/* "$work/corpus/"
  if [ "$target" = fuzz_wav ]; then
    # The game's own sounds are the best seeds; they are taken from the
    # resources rather than kept twice.
    cp resources/sounds/*.wav "$work/corpus/"
  fi

  echo "== $target: ${SECONDS_PER_TARGET}s"
  status=0
  "$BUILD_DIR/$target" "$work/corpus" \
    -max_total_time="$SECONDS_PER_TARGET" -timeout=5 -rss_limit_mb=2048 \
    -max_len="${MAX_LEN[$target]}" -artifact_prefix="$work/artifacts/" \
    -print_final_stats=1 >"$work/log" 2>&1 || status=$?
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$work/log" || true
  recheck_slow_inputs "$target" "$work/artifacts"
  if [ "$FORGIVEN" = 1 ] && [ -z "$(ls -A "$work/artifacts")" ]; then
    echo "   $target stopped early at that input; everything it ran passed"
    status=0
  fi
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$work/artifacts")" ]; then
    echo "!! $target failed (exit $status); log: $work/log, inputs: $work/artifacts/"
    # The end of the log without libFuzzer's dictionary, which would hide what was found.
    grep -v '" # Uses: ' "$work/log" | tail -n 60
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "Fuzzing found problems in: ${failed[*]}"
  exit 1
fi
echo "Fuzzing: all ${#TARGETS[@]} targets ran ${SECONDS_PER_TARGET}s each without a finding."
