#!/usr/bin/env bash
# Builds VESKOR3.exe and starts it under Wine in a demo shortcut folder (build/demo),
# in code page 932. With no X display it starts a virtual one and saves a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build build/windows -j"$(nproc)" --target VESKOR3 mklink

. scripts/wine-env.sh
wine_env_start "$root/build/run-wine"
trap wine_env_stop EXIT

# A few shortcuts to Wine's own programs, so there is something to start.
demo="$root/build/demo"
mkdir -p "$demo"
if [ ! -f "$demo/veskor.dat" ]; then
    for name in notepad winver clock taskmgr winemine; do
        wine "$root/build/windows/mklink.exe" "$(wine_path "$demo")\\$name.lnk" \
            "C:\\windows\\system32\\$name.exe" >/dev/null 2>&1 || true
    done
    wine "$root/build/windows/mklink.exe" "$(wine_path "$demo")\\メモ帳.lnk" \
        'C:\windows\system32\notepad.exe' >/dev/null 2>&1 || true
    # The data file: this folder and the shortcuts as history, in CP932.
    python3 - "$demo/veskor.dat" "$(wine_path "$demo")" notepad winver clock taskmgr winemine メモ帳 <<'PY'
import struct, sys
def field(text):
    data = text.encode("cp932")
    return struct.pack("<i", len(data)) + data
names = sys.argv[3:]
with open(sys.argv[1], "wb") as f:
    f.write(field(sys.argv[2]) + struct.pack("<i", len(names)) + b"".join(field(n) for n in names))
PY
fi

# Without a window manager nobody draws the title bar, which is the program's status line:
# there Wine is told to draw it itself; under a real desktop the window manager does.
x11_key='HKCU\Software\Wine\X11 Driver'
cd "$demo"
if [ -n "${DISPLAY:-}" ]; then
    for value in Decorated Managed; do
        wine reg delete "$x11_key" /v "$value" /f >/dev/null 2>&1 || true
    done
    echo "veskor3: type a name (notepad, winver, clock, taskmgr, winemine, メモ帳) and press Enter."
    wine "$root/build/windows/VESKOR3.exe"
else
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
    xvfb=$!
    trap 'wine_env_stop; kill $xvfb 2>/dev/null' EXIT
    sleep 1
    for value in Decorated Managed; do
        wine reg add "$x11_key" /v "$value" /d N /f >/dev/null 2>&1
    done
    DISPLAY=$display wine "$root/build/windows/VESKOR3.exe" >/dev/null 2>&1 &
    app=$!
    sleep 4
    DISPLAY=$display import -window root "$demo/screenshot.png" || true
    kill "$app" 2>/dev/null || true
    echo "veskor3: no X display here; the window was started on a virtual one: $demo/screenshot.png"
fi
