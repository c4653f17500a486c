#!/usr/bin/env bash
# Start-up time and peak memory of VESKOR3.exe under Wine with histories of 1,000 and
# 100,000 entries, beside a Win32 program that only opens and paints an empty window
# (emptywindow.exe). Time: from the start of the process until its window is mapped (the
# launcher maps its window placed, filled and focused: everything before ShowWindow).
# CPU: the time the process's threads spent on a processor until then (schedstat), which
# the load of a shared machine disturbs far less than the time on the clock; the program's
# background thread, which reads the history while the window is made, counts too. Memory: the
# Wine process's peak resident set (VmHWM) half a second after the window appeared. The
# three programs take turns, so that the load of the machine hits them alike.
# Prints medians and the ratios against the bare window and against the 1,000-entry start.
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

# A folder with a history of COUNT entries; prints its path.
history_folder() {
    local folder
    folder=$(new_folder "bench$1")
    python3 - "$folder/veskor.dat" "$(winpath "$folder")" "$1" <<'PY'
import struct, sys
path, folder, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
def field(data):
    return struct.pack("<I", len(data)) + data
with open(path, "wb") as f:
    f.write(field(folder.encode("cp932")) + struct.pack("<I", count))
    f.write(b"".join(field(f"ショートカット{i:06d}".encode("cp932")) for i in range(count)))
PY
    echo "$folder"
}
folder1k=$(history_folder 1000)
folder100k=$(history_folder 100000)

# "MS CPU KB": milliseconds from the start of EXE in FOLDER until one of its windows is
# mapped, the process's CPU milliseconds until then, and the peak resident set in kB. The program is then ended by its pid. The poll
# is tight: xdotool's own --sync waits half a second between tries.
measure_start() {
    local exe=$1 folder=$2 start end cpu memory
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
    cpu=$(cat /proc/"$APP_PID"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%.1f", ns / 1e6 }')
    sleep 0.5
    memory=$(awk '/^VmHWM:/ { print $2 }' "/proc/$APP_PID/status" 2>/dev/null)
    gui_stop_app
    echo "$(((end - start) / 1000000)) $cpu ${memory:-0}"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# One warm-up run each, then the programs in turn so that drift hits all alike.
names=(bare 1k 100k)
exes=("$GUI_BIN/emptywindow.exe" "$GUI_BIN/VESKOR3.exe" "$GUI_BIN/VESKOR3.exe")
folders=("$folder1k" "$folder1k" "$folder100k")
declare -A times cpus memories
for i in 0 1 2; do
    measure_start "${exes[i]}" "${folders[i]}" >/dev/null || exit 1
done
for _ in $(seq "$runs"); do
    for i in 0 1 2; do
        result=$(measure_start "${exes[i]}" "${folders[i]}") || exit 1
        set -- $result
        times[${names[i]}]+="$1 "
        cpus[${names[i]}]+="$2 "
        memories[${names[i]}]+="$3 "
    done
done

declare -A ms cpu kb
for name in "${names[@]}"; do
    ms[$name]=$(printf '%s\n' ${times[$name]} | median)
    cpu[$name]=$(printf '%s\n' ${cpus[$name]} | median)
    kb[$name]=$(printf '%s\n' ${memories[$name]} | median)
done
echo "start-up, median of $runs interleaved runs each (time to the mapped window, CPU time until then, peak resident set)"
printf '  %-26s %7s ms %7s ms CPU %9s kB\n' "bare window" "${ms[bare]}" "${cpu[bare]}" "${kb[bare]}"
printf '  %-26s %7s ms %7s ms CPU %9s kB\n' "VESKOR3, 1,000 entries" "${ms[1k]}" "${cpu[1k]}" "${kb[1k]}"
printf '  %-26s %7s ms %7s ms CPU %9s kB\n' "VESKOR3, 100,000 entries" "${ms[100k]}" "${cpu[100k]}" "${kb[100k]}"
echo "start 1k / bare: $(ratio "${ms[1k]}" "${ms[bare]}") (CPU $(ratio "${cpu[1k]}" "${cpu[bare]}"))"
echo "start 100k / 1k: $(ratio "${ms[100k]}" "${ms[1k]}") (CPU $(ratio "${cpu[100k]}" "${cpu[1k]}"))"
echo "memory 1k / bare: $(ratio "${kb[1k]}" "${kb[bare]}"), 100k / bare: $(ratio "${kb[100k]}" "${kb[bare]}")"
