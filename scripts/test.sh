#!/usr/bin/env bash
# Builds both presets and runs every suite: host tests (also under ASan/UBSan), the
# fuzzer for a bounded time, the Windows tests under Wine and the GUI tests under Xvfb.
# Ends with one line "N passed, M failed".
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/build/test-output"
mkdir -p "$out"

passed=0
failed=0
jobs=$(nproc 2>/dev/null || echo 2)

note() { printf '\n== %s\n' "$*"; }
fail_step() { echo "FAIL $1"; failed=$((failed + 1)); }

# Every phase says how long it took, and the list of them closes the run, so that a
# slow phase shows.
phase=
phase_began=0
took=()
begin_phase() {
    end_phase
    phase=$1
    phase_began=$SECONDS
    note "$1"
}
end_phase() {
    [ -n "$phase" ] || return 0
    echo "-- $phase: $((SECONDS - phase_began)) s"
    took+=("$(printf '%-28s %5d s' "$phase" $((SECONDS - phase_began)))")
    phase=
}

begin_phase "install"
scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }

# ctest's closing line: "100% tests passed, 0 tests failed out of 57".
count_ctest() {
    local log=$1 total bad
    total=$(grep -Eo 'tests failed out of [0-9]+' "$log" | tail -1 | grep -Eo '[0-9]+$' || true)
    bad=$(grep -Eo '[0-9]+ tests failed out of' "$log" | tail -1 | grep -Eo '^[0-9]+' || true)
    if [ -z "$total" ]; then fail_step "$2 (no result)"; return; fi
    passed=$((passed + total - bad)); failed=$((failed + bad))
}

# GoogleTest's summary: "[  PASSED  ] 12 tests." and, on failures, "[  FAILED  ] 2 tests, listed below:".
count_gtest() {
    local log=$1 good bad
    good=$(grep -Eo '^\[  PASSED  \] [0-9]+' "$log" | tail -1 | grep -Eo '[0-9]+$' || true)
    bad=$(grep -Eo '^\[  FAILED  \] [0-9]+ tests?,' "$log" | tail -1 | grep -Eo '[0-9]+' || true)
    if [ -z "$good" ] && [ -z "$bad" ]; then fail_step "$2 (no result)"; return; fi
    passed=$((passed + ${good:-0})); failed=$((failed + ${bad:-0}))
}

# "N passed, M failed" lines printed by our own runners.
count_plain() {
    local log=$1 line
    line=$(grep -E '^[0-9]+ passed, [0-9]+ failed' "$log" | tail -1 || true)
    if [ -z "$line" ]; then fail_step "$2 (no result)"; return; fi
    passed=$((passed + $(echo "$line" | cut -d' ' -f1)))
    failed=$((failed + $(echo "$line" | cut -d' ' -f3)))
}

begin_phase "host build"
if cmake --preset host >"$out/host-configure.log" 2>&1 && cmake --build build/host -j"$jobs" >"$out/host-build.log" 2>&1; then
    begin_phase "host tests"
    ctest --test-dir build/host --output-on-failure -j"$jobs" >"$out/host-tests.log" 2>&1
    tail -n 3 "$out/host-tests.log"
    grep -E '\(Failed\)|\*\*\*' "$out/host-tests.log" | head -20
    count_ctest "$out/host-tests.log" "host tests"
else
    tail -n 30 "$out/host-build.log" "$out/host-configure.log" 2>/dev/null
    fail_step "host build"
fi

begin_phase "sanitizer build and tests"
if cmake --preset host-sanitize >"$out/asan-configure.log" 2>&1 &&
    cmake --build build/host-sanitize -j"$jobs" --target veskor_tests >"$out/asan-build.log" 2>&1; then
    ctest --test-dir build/host-sanitize --output-on-failure -j"$jobs" >"$out/asan-tests.log" 2>&1
    tail -n 3 "$out/asan-tests.log"
    count_ctest "$out/asan-tests.log" "sanitized host tests"
else
    tail -n 30 "$out/asan-build.log" 2>/dev/null
    fail_step "sanitized host build"
fi

begin_phase "fuzzing the data-file reader"
if scripts/fuzz.sh build/fuzz "${VESKOR_FUZZ_SECONDS:-30}" >"$out/fuzz.log" 2>&1; then
    tail -n 1 "$out/fuzz.log"; passed=$((passed + 1))
else
    tail -n 30 "$out/fuzz.log"; fail_step "fuzz"
fi

begin_phase "windows build"
if cmake --preset windows >"$out/windows-configure.log" 2>&1 && cmake --build build/windows -j"$jobs" >"$out/windows-build.log" 2>&1; then
    note "windows build checks (the program's import table)"
    ctest --test-dir build/windows --output-on-failure >"$out/windows-ctest.log" 2>&1
    tail -n 3 "$out/windows-ctest.log"
    count_ctest "$out/windows-ctest.log" "windows build checks"

    begin_phase "windows tests under wine"
    scripts/windows-tests.sh build/windows >"$out/windows-tests.log" 2>&1
    tail -n 15 "$out/windows-tests.log"
    count_gtest "$out/windows-tests.log" "windows tests"

    begin_phase "GUI tests under wine and xvfb"
    scripts/gui-tests.sh build/windows "$out/gui" >"$out/gui-tests.log" 2>&1
    grep -E '^(PASS|FAIL)' "$out/gui-tests.log"
    count_plain "$out/gui-tests.log" "GUI tests"
else
    tail -n 30 "$out/windows-build.log" "$out/windows-configure.log" 2>/dev/null
    fail_step "windows build"
fi

end_phase

echo
printf '%s\n' "${took[@]}"
printf '%-28s %5d s\n' "total" "$SECONDS"
echo "logs and screenshots: $out"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
