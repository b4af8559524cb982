#!/usr/bin/env bash
# The include check passes on the tree and catches each kind of breach in a copy of it.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
check="$root/scripts/check-layering.sh"

"$check" "$root"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$root/platform" "$root/driver" "$root/setupctrls" "$root/app" "$scratch/"
# One breach of each kind: a lower folder reaching up, an internal header above platform/, Qt
# above platform/, a platform file reaching into the program, the driver reaching up.
echo '#include "forms/Form.h"' >>"$scratch/platform/core/Object.h"
echo '#include "controls/internal/QtBridge.h"' >>"$scratch/setupctrls/BoardImage.cpp"
echo '#include <QWidget>' >>"$scratch/app/MainForm.cpp"
echo '#include "MainForm.h"' >>"$scratch/platform/stdctrls/Button.cpp"
echo '#include "SetupSupporter.h"' >>"$scratch/driver/LLBRAKMO.cpp"

if output=$("$check" "$scratch"); then
    echo "FAIL: the check passed a tree with breaches"
    exit 1
fi
echo "$output"
for expected in 'platform/core/Object.h:.*higher folder' 'setupctrls/BoardImage.cpp:.*internal' \
                'app/MainForm.cpp:.*Qt header' 'platform/stdctrls/Button.cpp:.*higher folder' \
                'driver/LLBRAKMO.cpp:.*higher folder'; do
    grep -q "$expected" <<<"$output" || { echo "FAIL: not reported: $expected"; exit 1; }
done
[ "$(grep -c . <<<"$output")" -eq 5 ] || { echo "FAIL: expected exactly the five breaches"; exit 1; }
echo "layering check: passes the tree, reports all five breaches"
