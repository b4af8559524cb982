#!/usr/bin/env bash
# Checks the include structure: every folder includes only itself and the folders below it,
# nothing outside platform/ includes a platform-internal header or a Qt header.
# Usage: check-layering.sh [ROOT]; prints each offending line and exits 1 if there is one.
set -euo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"
cd "$root"

# Lowest first. A platform/ folder is named in includes by its last part ("forms/Form.h").
order=(platform/core platform/graphics platform/layout platform/controls platform/stdctrls
       platform/forms driver setupctrls app)

rank() {
    local i
    for i in "${!order[@]}"; do
        [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}

# The folder an include refers to, seen from the folder of the file that includes it.
target_of() {
    local include=$1 from=$2 first=${1%%/*} f
    if [ "$first" != "$include" ] && [ -d "platform/$first" ]; then
        echo "platform/$first"
        return
    fi
    for f in "$from" setupctrls app driver; do
        [ -f "$f/$include" ] && { echo "$f"; return; }
    done
    echo unknown
}

status=0
fail() { echo "$1: $2"; status=1; }

while IFS= read -r file; do
    dir=$(dirname "$file")
    folder=$dir
    case $folder in platform/*/*) folder=$(echo "$folder" | cut -d/ -f1-2) ;; esac
    own=$(rank "$folder")
    [ "$own" -ge 0 ] || continue
    while IFS= read -r line; do
        number=${line%%:*}
        text=${line#*:}
        where="$file:$number"
        if [[ $text =~ \#include\ *\<Q ]]; then
            [[ $folder == platform/* ]] || fail "$where" "Qt header above platform/: ${text#*#include }"
            continue
        fi
        [[ $text =~ \#include\ *\"([^\"]+)\" ]] || continue
        include=${BASH_REMATCH[1]}
        if [[ $include == */internal/* && $folder != platform/* ]]; then
            fail "$where" "\"$include\" is internal to platform/"
            continue
        fi
        target=$(target_of "$include" "$dir")
        if [ "$target" = unknown ]; then
            fail "$where" "\"$include\" is in no known folder"
            continue
        fi
        theirs=$(rank "$target")
        [ "$theirs" -le "$own" ] || fail "$where" "$folder includes \"$include\" from $target, a higher folder"
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find platform driver setupctrls app -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)

[ $status -eq 0 ] && echo "layering: every include goes to the same or a lower folder"
exit $status
