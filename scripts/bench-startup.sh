#!/usr/bin/env bash
# Start-up time of VESKOR3.exe under Wine, from the start of the process until its window
# is mapped, with a history of 1,000 entries, beside a Win32 program that only opens an
# empty window (emptywindow.exe). Prints both medians and their ratio.
# Usage: scripts/bench-startup.sh [BUILD-DIR [RUNS]]   (build/windows, 15 runs)
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/windows}
runs=${2:-15}
for exe in VESKOR3 emptywindow winclient; do
    [ -f "$bin/$exe.exe" ] || { echo "no $bin/$exe.exe: build the windows preset first" >&2; exit 2; }
done

. tests/gui/lib.sh
trap gui_teardown EXIT
gui_setup "$bin" "${TMPDIR:-/tmp}/veskor-bench-startup" || { echo "no X server or Wine prefix" >&2; exit 2; }

folder=$(new_folder bench)
mapfile -t entries < <(python3 -c 'for i in range(1000): print(f"ショートカット{i:04d}")')
write_dat "$folder/veskor.dat" "$folder" "${entries[@]}"

# Milliseconds from the start of `exe` until one of its windows is mapped; the program
# is then ended by its pid. The poll is tight: xdotool's own --sync waits half a second
# between tries.
time_to_window() {
    local exe=$1 start end
    xdotool mousemove 600 500
    pushd "$folder" >/dev/null || return 1
    start=$(date +%s%N)
    wine "$exe" >>"$GUI_OUT/bench.log" 2>&1 &
    APP_PID=$!
    popd >/dev/null || return 1
    until [ -n "$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null)" ]; do
        app_running || { echo "$exe ended without a window" >&2; return 1; }
    done
    end=$(date +%s%N)
    gui_stop_app
    echo $(((end - start) / 1000000))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One warm-up run each, then the two programs in turn so that drift hits both alike.
time_to_window "$GUI_BIN/VESKOR3.exe" >/dev/null && time_to_window "$GUI_BIN/emptywindow.exe" >/dev/null || exit 1
veskor=()
empty=()
for _ in $(seq "$runs"); do
    veskor+=("$(time_to_window "$GUI_BIN/VESKOR3.exe")") || exit 1
    empty+=("$(time_to_window "$GUI_BIN/emptywindow.exe")") || exit 1
done

veskor_median=$(printf '%s\n' "${veskor[@]}" | median)
empty_median=$(printf '%s\n' "${empty[@]}" | median)
echo "runs: $runs each, history: 1000 entries"
echo "VESKOR3.exe median: $veskor_median ms"
echo "emptywindow.exe median: $empty_median ms"
echo "ratio: $(awk -v a="$veskor_median" -v b="$empty_median" 'BEGIN { printf "%.2f", a / b }')"
