#!/usr/bin/env bash
# Runs the GUI tests: VESKOR3.exe under Wine on a private X server, driven with xdotool.
# Usage: scripts/gui-tests.sh [BUILD-DIR [OUTPUT-DIR [TEST-NAME...]]]
#   BUILD-DIR   the Windows build (VESKOR3.exe and the helper programs); build/windows
#   OUTPUT-DIR  logs, screenshots and the reused Wine prefix; build/test-output/gui
# Prints one "PASS name" or "FAIL name: reason" line per test, then "N passed, M failed";
# exits non-zero when a test failed.
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/windows}
out=${2:-build/test-output/gui}
shift $(($# > 2 ? 2 : $#))

. tests/gui/lib.sh
tests=()
for file in tests/gui/*_tests.sh; do
    . "$file"
    while read -r t; do tests+=("$t"); done < <(grep -o '^test_[A-Za-z0-9_]*' "$file")
done
[ $# -gt 0 ] && tests=("${@/#/test_}")

for exe in VESKOR3 recorder mklink winclient; do
    if [ ! -f "$bin/$exe.exe" ]; then
        echo "FAIL setup: $bin/$exe.exe is missing"
        echo "0 passed, 1 failed"
        exit 1
    fi
done

trap gui_teardown EXIT
trap 'exit 130' INT TERM
if ! gui_setup "$bin" "$out"; then
    echo "FAIL setup: no X server or Wine prefix"
    echo "0 passed, 1 failed"
    exit 1
fi

for t in "${tests[@]}"; do
    "$t"
    # A test that gave up early leaves its program running: end it before the next.
    gui_stop_app
done

echo "$GUI_PASSED passed, $GUI_FAILED failed"
[ "$GUI_FAILED" -eq 0 ]
