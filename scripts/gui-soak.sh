#!/usr/bin/env bash
# Runs the GUI suite many times in a row beside busy processes, as a loaded CI machine
# would run it, to bring out the rare failures that one run does not show.
# Usage: scripts/gui-soak.sh [RUNS [LOAD [TEST-NAME...]]]
#   RUNS       how many runs of the suite (10)
#   LOAD       how many busy processes run beside it (one per core)
#   TEST-NAME  only these tests (all of them when none is given)
# The Windows build is taken from $BUILD (build/windows); each run's log goes to
# $OUT/run-N.log ($OUT: build/test-output/soak), with the program's and the tools' messages
# in run-N.app.log and run-N.tools.log. Prints every run's result as it ends,
# then for each test its failures out of RUNS and the reason of each failure.
# Exits non-zero when any test failed in any run.
set -uo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10}
load=${2:-$(nproc 2>/dev/null || echo 2)}
shift $(($# > 2 ? 2 : $#))
bin=${BUILD:-build/windows}
out=${OUT:-build/test-output/soak}
mkdir -p "$out"
rm -f "$out"/run-*.log

# Only what this script started is stopped, by its pid: the busy processes and the suite
# that runs (which stops its own programs, X server and Wine prefix as it ends).
busy=()
suite=
stop() {
    local pid
    for pid in $suite "${busy[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    busy=()
    suite=
}
trap stop EXIT
trap 'exit 130' INT TERM

for _ in $(seq "$load"); do
    sh -c 'while :; do :; done' &
    busy+=($!)
done
echo "soak: $runs runs of the GUI suite beside $load busy processes ($(nproc 2>/dev/null || echo '?') cores)"

start=$SECONDS
for run in $(seq "$runs"); do
    log="$out/run-$run.log"
    began=$SECONDS
    # In the background, so that a signal to this script stops it at once.
    scripts/gui-tests.sh "$bin" "$out/gui" "$@" >"$log" 2>&1 &
    suite=$!
    wait "$suite"
    suite=
    # The program's and the tools' messages of this run, kept beside its log.
    for kept in app tools; do
        cp "$out/gui/$kept.log" "$out/run-$run.$kept.log" 2>/dev/null
    done
    result=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$log" | tail -1)
    echo "run $run: ${result:-no result} in $((SECONDS - began)) s"
    grep -E '^FAIL ' "$log" | sed 's/^/    /'
done
stop

echo
echo "failures per test, out of $runs runs (after $((SECONDS - start)) s):"
# Every test's PASS and FAIL lines of every run, in the order the suite runs them.
awk -v runs="$runs" '
    /^PASS / { name = $2; if (!(name in failed)) { order[++n] = name; failed[name] = 0 } }
    /^FAIL / {
        line = substr($0, 6); split(line, part, ": "); name = part[1]
        if (!(name in failed)) { order[++n] = name; failed[name] = 0 }
        failed[name]++; total++
        run = FILENAME; sub(/.*run-/, "", run); sub(/\.log$/, "", run)
        why[name] = why[name] "\n    run " run ": " substr(line, length(name) + 3)
    }
    END {
        for (i = 1; i <= n; i++)
            printf "%d/%d %s%s\n", failed[order[i]], runs, order[i], why[order[i]]
        printf "\n%d tests, %d failures in %d runs\n", n, total, runs
        exit total > 0
    }' $(seq -f "$out/run-%g.log" "$runs")
