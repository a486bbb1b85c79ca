#!/usr/bin/env bash
# A scores.lst beside the program that the player may not write (left there by
# a run as root, in a folder the player may not write to either) is never
# chosen for writing: the player's own table in the data folder starts as a
# copy of it, so no entry is lost, and the file beside the program stays as it is.
set -uo pipefail

GAME=${1:?usage: scores_beside_program_test.sh path/to/fallox}
WORK=$(mktemp -d)
chmod 755 "$WORK"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$WORK/bin" "$WORK/home" "$WORK/run"
install -m 755 "$GAME" "$WORK/bin/fallox"
printf 'Erika:4014\r\nNone:0\r\nNone:0\r\nNone:0\r\nNone:0\r\n' >"$WORK/bin/scores.lst"
cp "$WORK/bin/scores.lst" "$WORK/expected.lst"
chmod 444 "$WORK/bin/scores.lst"

# Root may write anywhere, so as root the program runs as "nobody".
run_as=()
if [ "$(id -u)" = 0 ]; then
  command -v runuser >/dev/null || { echo "SKIP: runuser is missing"; exit 77; }
  chown nobody "$WORK/home" "$WORK/run"
  run_as=("$(command -v runuser)" -u nobody --)
fi
chmod a-w "$WORK/bin"
chmod 700 "$WORK/run"
"${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$WORK/home" XDG_DATA_HOME="$WORK/home/data" \
  XDG_CONFIG_HOME="$WORK/home/config" XDG_RUNTIME_DIR="$WORK/run" QT_QPA_PLATFORM=offscreen \
  FALLOX_QUIT_AFTER_FIRST_PAINT=1 "$WORK/bin/fallox" >"$WORK/run.log" 2>&1 ||
  { cat "$WORK/run.log"; fail "the program did not start"; }
chmod u+w "$WORK/bin"

OWN="$WORK/home/data/fallox/scores.lst"
cmp -s "$OWN" "$WORK/expected.lst" || fail "the player's own table is not a copy of the one beside the program: $(ls -lR "$WORK/home")"
cmp -s "$WORK/bin/scores.lst" "$WORK/expected.lst" || fail "the table beside the program changed"
echo "PASS"
