#!/usr/bin/env bash
# Fails on any form-designer name in the sources and tests: frm, lbl, pic,
# txt, chk or cmd followed by a capital, Form_*, and Image, Picture or Label
# followed by a digit, in code, comments and file names. String literals are
# not looked at: they hold object names and texts that stay as the player and
# the tests know them.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='(?<![A-Za-z0-9])(?:(?:frm|lbl|pic|txt|chk|cmd)[A-Z]|Form_|(?:Image|Picture|Label)[0-9])'
found=0
if git ls-files -- src tests | grep -P "$pattern"; then
    echo "^ file names carry form-designer names" >&2
    found=1
fi
files=$(git ls-files -- src tests | grep -E '\.(cpp|h|hpp|cc)$' || true)
if [ -n "$files" ] && ! perl -ne '
        BEGIN { $bad = 0 }
        my $line = $_;
        s/"(?:[^"\\]|\\.)*"|'"'"'(?:[^'"'"'\\]|\\.)'"'"'//g;
        if (/'"$pattern"'/) { print "$ARGV:$.: $line"; $bad = 1 }
        close ARGV if eof;
        END { exit $bad }' $files; then
    echo "^ form-designer names in the code; name things for what they are" >&2
    found=1
fi
exit $found
