#!/usr/bin/env bash
# Times one key release of the incremental search over 1k, 100k and 1M shortcut names,
# beside `grep -c -i -F` over the same names as one file: grep is the floor the filter
# is held against. Usage: scripts/bench-search.sh [BUILD_DIR] (default build/host);
# SEARCH_BENCH=path runs an already built search_bench instead (and NOISE_BENCH=path the
# reading_noise_bench beside it). Ends with the size of build/windows/VESKOR3.exe when it
# is built, and its growth against EXE_BEFORE=path (the same program built before a
# change) when given, then with the reading search's noise over a list of real names.
set -euo pipefail
cd "$(dirname "$0")/.."

bench=${SEARCH_BENCH:-}
if [ -z "$bench" ]; then
    build=${1:-build/host}
    cmake --preset host -B "$build" >/dev/null
    cmake --build "$build" -j2 --target search_bench reading_noise_bench >/dev/null
    bench="$build/search_bench"
fi
noise=${NOISE_BENCH:-$(dirname "$bench")/reading_noise_bench}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Best of five runs, in microseconds, start-up included. The count goes to a file: with
# its output on /dev/null GNU grep stops at the first match.
time_grep() {
    local best=""
    for _ in 1 2 3 4 5; do
        local start end
        start=$(date +%s%N)
        LC_ALL=C grep -c -i -F -- "$1" "$2" >"$work/count" || true
        end=$(date +%s%N)
        local us=$(((end - start) / 1000))
        if [ -z "$best" ] || [ "$us" -lt "$best" ]; then best=$us; fi
    done
    echo "$best"
}

startup=$(time_grep x /dev/null)

"$bench" --benchmark_format=csv --benchmark_min_time=0.3 2>/dev/null | tr -d '"' >"$work/bench.csv"
# Real time in ms of benchmark NAME.
bench_ms() {
    awk -F, -v name="$1" '$1 == name {
        t = $3; u = $5
        if (u == "ns") t /= 1e6; else if (u == "us") t /= 1e3; else if (u == "s") t *= 1e3
        printf "%.3f", t }' "$work/bench.csv"
}

printf '%-8s %-8s %9s %10s %12s %15s  %s\n' entries mode grep_ms filter_ms "filter/grep" key_release_ms text
"$bench" --searches >"$work/searches"
for size in 1000 100000 1000000; do
    "$bench" --write-names "$work/names.txt" "$size"
    while IFS=$'\t' read -r number mode text; do
        grep_us=$(time_grep "$text" "$work/names.txt")
        filter=$(bench_ms "Filter/$size/$number")
        key=$(bench_ms "KeyRelease/$size/$number")
        shown=$(printf '%s' "$text" | iconv -f CP932 -t UTF-8 2>/dev/null || printf '%s' "$text")
        awk -v s="$size" -v m="$mode" -v t="$shown" -v g="$grep_us" -v f="$filter" -v k="$key" 'BEGIN {
            printf "%-8s %-8s %9.3f %10.3f %12.2f %15.3f  %s\n", s, m, g / 1000, f, f / (g / 1000), k, t }'
    done <"$work/searches"
done
# Romaji that nothing matches literally: the release also reads the entries, kanji by
# their readings. Its floor is the literal release over the same names that scans them
# all (partial "edit").
printf '\n%-8s %-8s %17s %15s %14s  %s\n' entries mode reading_release_ms floor_ms reading/floor text
"$bench" --reading-searches >"$work/reading"
for size in 1000 100000 1000000; do
    floor=$(bench_ms "KeyRelease/$size/2")
    while IFS=$'\t' read -r number mode text; do
        reading=$(bench_ms "ReadingKeyRelease/$size/$number")
        awk -v s="$size" -v m="$mode" -v t="$text" -v r="$reading" -v f="$floor" 'BEGIN {
            printf "%-8s %-8s %17.3f %15.3f %14.2f  %s\n", s, m, r, f, r / f, t }'
    done <"$work/reading"
done

# Letters that neither match nor read: the release also looks at every entry's initials.
# Floors as above: the literal release, and the literal filter's scan for the step alone.
printf '\n%-8s %-8s %18s %15s %14s %18s %15s %16s  %s\n' entries mode initials_release_ms floor_ms release/floor \
    initials_filter_ms scan_ms initials/scan text
"$bench" --initials-searches >"$work/initials"
for size in 1000 100000 1000000; do
    floor=$(bench_ms "KeyRelease/$size/2")
    scan=$(bench_ms "Filter/$size/2")
    while IFS=$'\t' read -r number mode text; do
        release=$(bench_ms "InitialsKeyRelease/$size/$number")
        alone=$(bench_ms "InitialsFilter/$size/$number")
        awk -v s="$size" -v m="$mode" -v t="$text" -v r="$release" -v f="$floor" -v a="$alone" -v c="$scan" 'BEGIN {
            printf "%-8s %-8s %18.3f %15.3f %14.2f %18.3f %15.3f %16.2f  %s\n", s, m, r, f, r / f, a, c, a / c, t }'
    done <"$work/initials"
done

printf '\ngrep on an empty file (its start-up): %.3f ms\n' "$(awk -v g="$startup" 'BEGIN { print g / 1000 }')"
for name in FirstKey FirstReadingKey FirstPartialReadingKey EmptyField; do
    printf '%s:' "$name"
    for size in 1000 100000 1000000; do printf ' %s=%sms' "$size" "$(bench_ms "$name/$size")"; done
    printf '\n'
done

exe=build/windows/VESKOR3.exe
printf '\nkanji reading table: %s bytes of constant data\n' "$("$bench" --table-bytes)"
if [ -f "$exe" ]; then
    size=$(stat -c %s "$exe")
    printf '%s: %s bytes' "$exe" "$size"
    if [ -n "${EXE_BEFORE:-}" ]; then
        before=$(stat -c %s "$EXE_BEFORE")
        printf ', %s before: growth %s bytes (%.1f KB)' "$before" "$((size - before))" "$(awk -v g=$((size - before)) 'BEGIN { print g / 1024 }')"
    fi
    printf '\n'
fi

if [ -x "$noise" ]; then
    printf '\nreading search noise (%s):\n' "$noise"
    "$noise" | iconv -f CP932 -t UTF-8
fi
