#!/usr/bin/env bash
# Types 10 keys with xdotool into VESKOR3.exe holding a 100k-entry history, under Wine on
# a private X server, and prints each key's time from the start of xdotool to the moment
# the window has refilled its list and painted it. A small probe beside the window reads
# Edit1 and the list as another program can (the messages wait while the window is busy)
# and notes when they stop changing with nothing left to paint. A run over a one-entry
# history gives the fixed cost of the way a key travels (xdotool, X, Wine, painting).
# Usage: scripts/bench-typing.sh [BUILD-DIR [OUTPUT-DIR]]
#   BUILD-DIR   the Windows build with VESKOR3.exe and winclient.exe; build/windows
#   OUTPUT-DIR  logs and the reused Wine prefix; build/test-output/bench-typing
# Everything it starts (X, the wineserver, the programs) runs on one processor, unless
# BENCH_ALL_CPUS=1. On two processors each launcher's run falls into one of two states,
# some 10 ms a key apart, for the whole run: every message the window takes is a round
# trip to the wineserver, and how dear those are depends on where the scheduler happens
# to have put the two. Which state a run falls into follows nothing in the program
# (builds with and without the gone checks' thread fall into both), and the mix of the
# two drowns a difference of a few milliseconds; on one processor the rounds agree
# within a millisecond or two.
set -uo pipefail
if [ -z "${BENCH_ALL_CPUS:-}" ] && [ -z "${BENCH_ONE_CPU:-}" ] && command -v taskset >/dev/null; then
    BENCH_ONE_CPU=1 exec taskset -c 0 "$0" "$@"
fi
cd "$(dirname "$0")/.."
bin=${1:-build/windows}
out=${2:-build/test-output/bench-typing}
# In prefix mode: completions, emptying the field (the whole history again), completions.
keys=(v i s BackSpace BackSpace BackSpace BackSpace e d i)

. tests/gui/lib.sh
for exe in VESKOR3 winclient; do
    [ -f "$bin/$exe.exe" ] || { echo "$bin/$exe.exe is missing: build the windows preset first"; exit 1; }
done
trap gui_teardown EXIT
gui_setup "$bin" "$out" || { echo "no X server or Wine prefix"; exit 1; }

probe="$GUI_ROOT/typingprobe.exe"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static -x c++ - -o "$probe" <<'CPP' || exit 1
// typingprobe FILE: appends "<unix ns> <list count> <selection start> <text>" to FILE each
// time Edit1 and the list of the launcher's window have settled after a change: no change
// for 100 ms and nothing left to paint. The time is that of the last change or of the
// paint that followed it, whichever came later. Ends when the window goes.
#include <windows.h>
#include <cstdio>
#include <string>

static long long UnixNs()
{
    FILETIME ft;
    GetSystemTimePreciseAsFileTime(&ft);
    const long long ticks = (static_cast<long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return (ticks - 116444736000000000LL) * 100;
}

static LRESULT Ask(HWND hwnd, UINT msg, WPARAM w = 0, LPARAM l = 0)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(hwnd, msg, w, l, SMTO_ABORTIFHUNG, 10000, &result);
    return static_cast<LRESULT>(result);
}

static HWND Child(HWND parent, const wchar_t* cls)
{
    return FindWindowExW(parent, nullptr, cls, nullptr);
}

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    HWND window = nullptr;
    for (int i = 0; i < 2000 && !(window = FindWindowW(L"veskor3.TForm1", nullptr)); ++i)
        Sleep(10);
    HWND edit = window ? Child(window, L"Edit") : nullptr;
    HWND list = window ? Child(window, L"ListBox") : nullptr;
    if (!edit || !list)
        return 1;
    std::string last;
    long long changedAt = 0, paintedAt = 0;
    bool settled = false;
    for (bool first = true; IsWindow(window); first = false) {
        wchar_t text[512] = {};
        Ask(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
        const long long count = Ask(list, LB_GETCOUNT);
        const long long selection = LOWORD(Ask(edit, EM_GETSEL));
        char utf8[1024] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
        const std::string state = std::to_string(count) + " " + std::to_string(selection) + " " + utf8;
        const long long now = UnixNs();
        if (first || state != last) {
            last = state;
            changedAt = now;
            paintedAt = 0;
            settled = false;
        }
        const bool painted = !GetUpdateRect(list, nullptr, FALSE) && !GetUpdateRect(edit, nullptr, FALSE);
        if (!painted)
            paintedAt = 0;
        else if (!paintedAt)
            paintedAt = now;
        if (!settled && paintedAt && now - changedAt > 100000000LL && now - paintedAt > 100000000LL) {
            settled = true;
            if (FILE* f = std::fopen(argv[1], "a")) {
                std::fprintf(f, "%lld %s\n", paintedAt > changedAt ? paintedAt : changedAt, state.c_str());
                std::fclose(f);
            }
        }
        Sleep(1);
    }
    return 0;
}
CPP

# A history of COUNT shortcut names, ASCII and Japanese mixed, as the launcher stores it;
# one entry is a name the keys complete, so that every key changes what is seen.
write_history() {
    python3 - "$1" "$(winpath "$2")" "$3" <<'PY'
import random, struct, sys
path, folder, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
ascii = ("Adobe Microsoft Google Visual Studio Code Photoshop Reader Excel Word PowerPoint Outlook Chrome "
         "Firefox Thunderbird Explorer Terminal Notepad Paint Media Player 7-Zip Editor Viewer Manager Setup "
         "Tools Server Client Remote Desktop Backup Sync Mail Calendar Music Video Photo Game Launcher").split()
japanese = ("表計算 ソフト 年賀状 作成 秀丸 エディタ 写真 整理 動画 編集 会計 家計簿 辞書 翻訳 予定表 住所録 "
            "メモ帳 電卓 画像 変換 ゲーム 音楽 再生 設定 管理 ツール フォルダ バックアップ ＤＶＤ ＰＤＦ").split()
rng = random.Random(20240601)
def name():
    if rng.random() < 0.4:
        text = "".join(rng.choice(japanese) for _ in range(rng.randint(1, 3)))
    else:
        text = " ".join(rng.choice(ascii) for _ in range(rng.randint(1, 3)))
    return text + (" %d" % rng.randrange(1000) if rng.random() < 0.5 else "")
def field(data):
    return struct.pack("<I", len(data)) + data
with open(path, "wb") as f:
    f.write(field(folder.encode("cp932")) + struct.pack("<I", count))
    names = [name() for _ in range(count)] if count > 1 else ["Visual Studio Code"]
    f.write(b"".join(field(n.encode("cp932")) for n in names))
PY
}

# Types the keys into a fresh launcher over a history of COUNT entries; prints one line a
# key (its time, the entries shown, Edit1) and leaves the times in ms in TIMES.
run() {
    local count=$1 folder states
    folder=$(new_folder "typing$count")
    states="$folder/states.log"
    write_history "$folder/veskor.dat" "$folder" "$count"
    gui_start "$folder" || { echo "no window appeared"; return 1; }
    wine "$probe" "$(winpath "$states")" >>"$GUI_OUT/probe.log" 2>&1 &
    local probe_pid=$!
    wait_lines "$states" 1 20 || { echo "the probe saw no window"; return 1; }
    focus_app
    TIMES=()
    local key start lines end line
    for key in "${keys[@]}"; do
        lines=$(wc -l <"$states")
        start=$(date +%s%N)
        xdotool key "$key"
        wait_lines "$states" $((lines + 1)) 30 || { echo "no change after $key"; return 1; }
        sleep 0.4  # a later change (the release after the character) would land here
        line=$(tail -1 "$states")
        end=${line%% *}
        TIMES+=("$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.1f", (e - s) / 1e6 }')")
        set -- $line
        printf '  %-10s %8s ms %8s shown  %s\n' "$key" "${TIMES[-1]}" "$2" "${line#* * * }"
    done
    gui_stop_app
    wait "$probe_pid" 2>/dev/null
}

rounds=3
# Runs the keys in `rounds` fresh launchers over COUNT entries; prints the median of each key.
measure() {
    local count=$1 all=() round
    for round in $(seq "$rounds"); do
        echo "-- $count entries, round $round"
        run "$count" || return 1
        all+=("${TIMES[@]}")
    done
    printf '%s\n' "${all[@]}" | awk -v n="${#keys[@]}" -v names="${keys[*]}" '
        { t[(NR - 1) % n, int((NR - 1) / n)] = $1; r = int((NR - 1) / n) + 1 }
        END {
            split(names, k, " ")
            printf "median of %d rounds, %s entries:", r, COUNT
            for (i = 0; i < n; i++) {
                for (j = 0; j < r; j++) v[j] = t[i, j]
                for (a = 0; a < r; a++) for (b = a + 1; b < r; b++) if (v[b] < v[a]) { x = v[a]; v[a] = v[b]; v[b] = x }
                m = v[int(r / 2)]; sum += m; if (m > max) max = m
                printf " %s=%.1f", k[i + 1], m
            }
            printf "\n  mean %.1f ms, max %.1f ms per key\n", sum / n, max
            printf "%.1f\n", sum / n > MEAN
        }' COUNT="$count" MEAN="$GUI_ROOT/mean$count"
}

measure 1 || exit 1
measure 100000 || exit 1
echo "key at 100,000 entries / key at one entry (means of the key medians): $(cat "$GUI_ROOT/mean100000") / $(cat "$GUI_ROOT/mean1") ms = $(awk -v a="$(cat "$GUI_ROOT/mean100000")" -v b="$(cat "$GUI_ROOT/mean1")" 'BEGIN { printf "%.2f", a / b }')"
