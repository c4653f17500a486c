#!/usr/bin/env bash
# Runs the Windows test program (veskor_wintests.exe) under Wine, in a throw-away
# code-page-932 prefix, and exits with its status. Builds nothing.
#   scripts/windows-tests.sh [BUILD_DIR] [GTEST_ARGS...]   (BUILD_DIR defaults to build/windows)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build/windows}
[ $# -gt 0 ] && shift
case $build in /*) ;; *) build="$root/$build" ;; esac
exe="$build/veskor_wintests.exe"
if [ ! -f "$exe" ]; then
    echo "no $exe: build the windows preset first" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/veskor-wintests.XXXXXX")
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
cleanup() {
    wine_env_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if ! wine_env_start "$work/wine"; then
    echo "the Wine prefix could not be prepared" >&2
    exit 2
fi

# Wine's output goes to a file: programs it starts keep a pipe open after the test ends.
# A hung test must not hang the caller: the whole run gets ten minutes.
log="$work/wintests.log"
(cd "$work" && timeout 600 wine "$exe" --gtest_brief=1 --gtest_color=no "$@" </dev/null >"$log" 2>&1)
status=$?
# The messages are CP932; show them readable.
iconv -f CP932 -t UTF-8 -c "$log" | tr -d '\r'
[ $status -eq 124 ] && echo "veskor_wintests.exe did not finish within 600 s"
exit $status
