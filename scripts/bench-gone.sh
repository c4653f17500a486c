#!/usr/bin/env bash
# Times the gone checks under Wine, code page 932: 1,000 entries judged on the checks' own
# thread against a folder of real link files (most present, some whose target was removed,
# some whose shortcut is missing), beside the floor of reading each link once, and the
# longest time the window's thread spent taking one batch of answers.
# Usage: scripts/bench-gone.sh [BUILD_DIR]   (build/windows; builds gone_bench)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build/windows}
case $build in /*) ;; *) build="$root/$build" ;; esac
cmake --build "$build" -j2 --target gone_bench >/dev/null || { echo "gone_bench did not build" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/veskor-bench-gone.XXXXXX")
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"
trap 'wine_env_stop; rm -rf "$work"' EXIT
wine_env_start "$work/wine" || { echo "the Wine prefix could not be prepared" >&2; exit 2; }
(cd "$work" && timeout 600 wine "$build/gone_bench.exe" </dev/null >"$work/bench.log" 2>&1)
status=$?
iconv -f CP932 -t UTF-8 -c "$work/bench.log" | tr -d '\r'
exit $status
