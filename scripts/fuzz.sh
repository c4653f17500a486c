#!/usr/bin/env bash
# Fuzzes the data-file reader with libFuzzer, ASan and UBSan for a bounded time.
# Usage: scripts/fuzz.sh [OUT-DIR [SECONDS]]; exits non-zero when the fuzzer found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/fuzz}
seconds=${2:-30}
mkdir -p "$out/corpus"

# The target is built by CMake's fuzz preset (clang, libFuzzer, ASan, UBSan) in OUT-DIR.
cmake --preset fuzz -B "$out" >"$out/configure.log" 2>&1 || { tail -n 30 "$out/configure.log"; exit 1; }
cmake --build "$out" -j2 --target datafile_fuzz >"$out/build.log" 2>&1 || { tail -n 30 "$out/build.log"; exit 1; }

# Seeds: the two documented files and a few damaged ones.
printf '\x04\x00\x00\x00C:\\L\x02\x00\x00\x00\x04\x00\x00\x00mail\x04\x00\x00\x00a;b;' >"$out/corpus/two-entries"
printf '\x04\x00\x00\x00C:\\L\x00\x00\x00\x00' >"$out/corpus/first-run"
printf '\x00\x00\x00\x00\xff\xff\xff\xff' >"$out/corpus/negative-count"
printf '\x04\x00\x00\x00C:\\L\xff\xff\xff\x7f' >"$out/corpus/absurd-count"
printf '\x04\x00\x00\x00C:\\L\x01\x00\x00\x00\x06\x00\x00\x00\x95\x5c' >"$out/corpus/ends-inside-entry"

"$out/datafile_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" >"$out/fuzz.log" 2>&1 || {
    tail -n 40 "$out/fuzz.log"
    echo "fuzz: the data-file reader crashed; see $out"
    exit 1
}
runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$out/fuzz.log" | grep -Eo '[0-9]+$' || echo '?')
echo "fuzz: $runs runs of the data-file reader in ${seconds}s, no crash"
