# Shell side of probe.exe for the GUI tests: what the launcher's window shows, read from
# another process (tools/probe.cpp lists the KEY=VALUE lines). Sourced by the test files.

# probe.exe's lines; `probe_state --box` reads the error box instead.
probe_state() { wine "$GUI_BIN/probe.exe" "$@" 2>>"$GUI_OUT/tools.log" | tr -d '\r'; }

# Waits up to SECONDS until probe.exe reports every KEY=VALUE given, all in one reading.
# When time runs out, prints what differed ("KEY is 'x', not 'y'; ...") and returns 1.
# READ_STATE names another reading command (screenreader_tests.sh reads through MSAA).
expect_window() {
    local seconds=$1 state pair key
    shift
    local deadline=$((SECONDS + seconds)) missing=()
    while :; do
        state=$(${READ_STATE:-probe_state})
        missing=()
        for pair in "$@"; do
            grep -qxF -- "$pair" <<<"$state" || missing+=("$pair")
        done
        [ ${#missing[@]} -eq 0 ] && return 0
        [ $SECONDS -ge $deadline ] && break
        sleep 0.1
    done
    if [ -z "$state" ]; then
        app_running || { printf 'the program has ended; '; return 1; }
        printf 'nothing was read of the launcher'\''s window (probe.exe: exit %s); ' \
            "$(wine "$GUI_BIN/probe.exe" >/dev/null 2>>"$GUI_OUT/tools.log"; echo $?)"
        return 1
    fi
    for pair in "${missing[@]}"; do
        key=${pair%%=*}
        printf "%s is '%s', not '%s'; " "$key" "$(awk -v k="$key=" 'index($0, k) == 1 { print substr($0, length(k) + 1); exit }' <<<"$state")" "${pair#*=}"
    done
    return 1
}
