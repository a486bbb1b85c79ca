#!/usr/bin/env bash
# The game library stands in layers: core/ (the state and the host
# interface) at the bottom, pieces/ and scoring/ on it, engine/ (the game
# loop) on top. A file may include from its own folder and from layers below;
# an include pointing up or sideways, into any other folder of src/, or of
# Qt fails.
set -euo pipefail
cd "$(dirname "$0")/../src"
declare -A layer=([core]=0 [pieces]=1 [scoring]=1 [engine]=2)
bad=0
for folder in "${!layer[@]}"; do
    [ -d "$folder" ] || { echo "src/$folder is missing" >&2; bad=1; continue; }
    while IFS= read -r hit; do
        file=${hit%%:*}
        rest=${hit#*:}
        line=${rest%%:*}
        target=$(sed -nE 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/p' <<<"${rest#*:}")
        [ -n "$target" ] || continue
        if [[ $target == Q* || $target == */* && ${target%%/*} == Qt* ]]; then
            echo "src/$file:$line: the game library includes Qt: $target" >&2; bad=1; continue
        fi
        [[ $target == */* ]] || continue
        to=${target%%/*}
        [ "$to" = "$folder" ] && continue
        if [ -z "${layer[$to]+x}" ]; then
            [ -d "$to" ] && { echo "src/$file:$line: $folder/ includes $target from outside the game library" >&2; bad=1; }
            continue
        fi
        if (( ${layer[$to]} >= ${layer[$folder]} )); then
            echo "src/$file:$line: $folder/ (layer ${layer[$folder]}) includes $target (layer ${layer[$to]})" >&2; bad=1
        fi
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' "$folder" || true)
done
exit $bad
