#!/usr/bin/env bash
# Fails on any form-designer name in the sources and tests: frm, lbl, pic,
# txt, chk or cmd followed by a capital, Form_*, and Image, Picture or Label
# followed by a digit, in code, comments, strings (the controls' object
# names among them) and file names.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='(?<![A-Za-z0-9])(?:(?:frm|lbl|pic|txt|chk|cmd)[A-Z]|Form_|(?:Image|Picture|Label)[0-9])'
found=0
if git ls-files -- src tests | grep -P "$pattern"; then
    echo "^ file names carry form-designer names" >&2
    found=1
fi
files=$(git ls-files -- src tests | grep -E '\.(cpp|h|hpp|cc)$' || true)
if [ -n "$files" ] && grep -nP "$pattern" $files; then
    echo "^ form-designer names in the code; name things for what they are" >&2
    found=1
fi
exit $found
