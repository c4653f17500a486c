#!/usr/bin/env bash
# F5 held down: several copies of VESKOR3.exe on one data file, started at once under Wine
# (STRESS_REPEAT_MS apart, 33 by default: the keyboard's repeat),
# each launching a different shortcut (a name typed into its name field, then Enter) and
# closing after a random short delay; then 2 copies, the second started 0-500 ms after the
# first was told to launch and close. Every round starts from the same data file (a history
# of HISTORY entries). Prints per round every launch missing from the history afterwards,
# every error box seen, and the time the last copy took to close from its Enter.
# Goal: 0 missing, 0 boxes.
# Usage: scripts/bench-stress.sh [BUILD-DIR [COPIES [ROUNDS [HISTORY]]]]   (build/windows, 8, 20, 1000)
set -uo pipefail
cd "$(dirname "$0")/.."
bin=${1:-build/windows}
copies=${2:-8}
rounds=${3:-20}
entries=${4:-1000}
repeat=${STRESS_REPEAT_MS:-33}  # a held key repeats about 30 times a second
for exe in VESKOR3 recorder mklink stressdriver winclient; do
    [ -f "$bin/$exe.exe" ] || { echo "no $bin/$exe.exe: build the windows preset first" >&2; exit 2; }
done

. tests/gui/lib.sh
trap gui_teardown EXIT
gui_setup "$bin" "${TMPDIR:-/tmp}/veskor-bench-stress" || { echo "no X server or Wine prefix" >&2; exit 2; }

folder=$(new_folder stress)
records="$folder/records.log"
export VESKOR_RECORDER_LOG
VESKOR_RECORDER_LOG=$(winpath "$records")
mkdir -p "$folder/tools"
cp "$GUI_BIN/recorder.exe" "$folder/tools/"
for i in $(seq 0 $((copies > 2 ? copies - 1 : 1))); do
    make_link "$folder" "s$i" "$folder/tools/recorder.exe" "s$i"
done
seeded=()
for i in $(seq 1 "$entries"); do seeded+=("entry$i"); done
write_dat "$folder/seed.dat" "$folder" "${seeded[@]}"

# One round: the data file as seeded, the driver's MODE and arguments; prints the round's line.
round() {
    local label=$1; shift
    cp "$folder/seed.dat" "$folder/veskor.dat"
    rm -f "$records" "$folder/veskor.dat.bak" "$folder/veskor.dat.damaged"
    local out
    out=$(cd "$folder" && timeout 120 wine "$GUI_BIN/stressdriver.exe" "$@" 2>>"$GUI_OUT/driver.log" </dev/null |
          tr -d '\r')
    local history missing="" launched name boxes slowest
    history=$(read_dat "$folder/veskor.dat" | tail -n +2)
    launched=$([ -f "$records" ] && cut -f2 "$records" | tr -d '\r')
    for name in $launched; do
        grep -qx "$name" <<<"$history" || missing+="$name "
    done
    boxes=$(grep -c '^box=' <<<"$out")
    slowest=$(grep -o 'closed_ms=[^ ]*' <<<"$out" | cut -d= -f2 |
              awk '/^[0-9]+$/ { if ($1 > m) m = $1; next } { bad = bad " " $1 } END { print m (bad ? " (" bad " )" : "") }')
    printf '%-14s launched %d, missing %d [%s], boxes %d, last close %s ms\n' "$label" \
        "$(wc -w <<<"$launched")" "$(wc -w <<<"$missing")" "${missing% }" "$boxes" "$slowest"
    grep '^box=' <<<"$out" | sed 's/^/    /'
    TOTAL_MISSING=$((TOTAL_MISSING + $(wc -w <<<"$missing")))
    TOTAL_BOXES=$((TOTAL_BOXES + boxes))
    CLOSES+="${slowest%% *} "
}

exe=$(winpath "$GUI_BIN/VESKOR3.exe")
median() { tr ' ' '\n' | grep -E '^[0-9]+$' | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "$copies copies started ${repeat} ms apart, each closing 0-300 ms after its window appeared; history of $entries entries"
TOTAL_MISSING=0 TOTAL_BOXES=0 CLOSES=""
for r in $(seq 1 "$rounds"); do
    round "round $r" at-once "$exe" "$copies" "$repeat" 300 "$r"
done
echo "at once: $TOTAL_MISSING missing, $TOTAL_BOXES boxes over $rounds rounds of $copies; median last close $(median <<<"$CLOSES") ms"

echo "2 copies, the second started 0-500 ms after the first was told to close"
TOTAL_MISSING=0 TOTAL_BOXES=0 CLOSES=""
for r in $(seq 1 "$rounds"); do
    gap=$(( (r - 1) * 500 / (rounds > 1 ? rounds - 1 : 1) ))
    round "gap $gap ms" pair "$exe" "$gap"
done
echo "pairs: $TOTAL_MISSING missing, $TOTAL_BOXES boxes over $rounds rounds; median last close $(median <<<"$CLOSES") ms"
