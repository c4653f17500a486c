#!/usr/bin/env bash
# The speed and memory goals side by side, each against its floor from the same run:
# start-up with 1,000 and 100,000 entries against a bare window (time and peak memory,
# scripts/bench-startup.sh) and a key at 100,000 entries against a key at one entry
# (scripts/bench-typing.sh). Full logs go to OUTPUT-DIR.
# Usage: scripts/bench-speed.sh [BUILD-DIR [OUTPUT-DIR [RUNS]]]
#   (build/windows, build/test-output/bench-speed, 15 start-up runs of each program)
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/windows}
out=${2:-build/test-output/bench-speed}
runs=${3:-15}
mkdir -p "$out"
TMPDIR=$(cd "$out" && pwd) scripts/bench-startup.sh "$bin" "$runs" >"$out/startup.log" 2>&1 ||
    { tail -5 "$out/startup.log"; exit 1; }
scripts/bench-typing.sh "$bin" "$out/typing" >"$out/typing.log" 2>&1 || { tail -5 "$out/typing.log"; exit 1; }
sed -n '/^start-up, median/,$p' "$out/startup.log"
echo "typing (time from the key until the list and Edit1 are painted)"
grep -E '^  mean|^median of' "$out/typing.log" | sed 's/^/  /'
grep -E '^key at 100,000' "$out/typing.log"
