# The GUI tests' library: one X server and one Wine prefix for the whole run, a fresh
# working folder per test, the launcher started in it, and xdotool to type and click
# as a person would. Sourced by scripts/gui-tests.sh.
#
# Globals after gui_setup: GUI_BIN (the Windows build), GUI_OUT (screenshots, logs),
# GUI_ROOT (scratch space), DISPLAY, the Wine variables; after gui_start: APP_PID, APP_WID.

GUI_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GUI_REPO=$(cd "$GUI_LIB_DIR/../.." && pwd)
# shellcheck source=../../scripts/wine-env.sh
. "$GUI_REPO/scripts/wine-env.sh"

GUI_PASSED=0
GUI_FAILED=0
XVFB_PID=
APP_PID=
APP_WID=
FIRST_PID=
FIRST_WID=

pass() { echo "PASS $1"; GUI_PASSED=$((GUI_PASSED + 1)); }
# A launcher that ended on its own has its exit code told: 0 is an ordinary end, and a
# crash ends with a code the program never returns (0xC0000005 reads as 5).
fail() {
    local ended=
    if [ -n "${APP_PID:-}" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
        wait "$APP_PID" 2>/dev/null
        ended=" (exit code $?)"
        APP_PID=
    fi
    echo "FAIL $1: $2$ended"
    GUI_FAILED=$((GUI_FAILED + 1))
}

# Evaluates CONDITION (a shell string) every 0.1 s until it holds or SECONDS have passed.
wait_until() {
    local seconds=$1 condition=$2 deadline
    deadline=$(($(date +%s%N) + seconds * 1000000000))
    while true; do
        eval "$condition" && return 0
        [ "$(date +%s%N)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

start_xvfb() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -noreset -nolisten tcp >"$GUI_OUT/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    wait_until 10 'xdotool getdisplaygeometry >/dev/null 2>&1'
}

# BIN: the Windows build folder; OUT: where logs and screenshots go (the prefix is kept
# there too, so that later runs skip the prefix's creation).
gui_setup() {
    GUI_BIN=$(cd "$1" && pwd)
    mkdir -p "$2"
    GUI_OUT=$(cd "$2" && pwd)
    : >"$GUI_OUT/app.log"
    : >"$GUI_OUT/tools.log"
    GUI_ROOT=$(mktemp -d /tmp/veskor-gui.XXXXXX)
    start_xvfb || { echo "no X server"; return 1; }
    wine_env_start "$GUI_OUT/wine" || return 1
    # No window manager here: let Wine draw the title bar and its close box itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    local acp
    acp=$(wine "$GUI_BIN/winclient.exe" --codepage 2>/dev/null | tr -d '\r')
    if [ "$acp" != "codepage=932" ]; then
        echo "the prefix does not run in code page 932 ($acp)"
        return 1
    fi
}

gui_teardown() {
    gui_stop_app
    wine_env_stop
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    [ -n "$GUI_ROOT" ] && rm -rf "$GUI_ROOT"
    return 0
}

# A fresh, empty working folder for one test; prints its path.
new_folder() {
    mktemp -d "$GUI_ROOT/$1.XXXXXX"
}

winpath() { wine_path "$1"; }

# A data file holding FOLDER (a Unix path, stored as its Windows path) and the entries.
write_dat() {
    local file=$1 folder=$2; shift 2
    python3 - "$file" "$(winpath "$folder")" "$@" <<'PY'
import struct, sys
def field(text):
    data = text.encode("cp932")
    return struct.pack("<I", len(data)) + data
path, folder, entries = sys.argv[1], sys.argv[2], sys.argv[3:]
with open(path, "wb") as f:
    f.write(field(folder) + struct.pack("<I", len(entries)) + b"".join(field(e) for e in entries))
PY
}

# The data file's folder, then each entry, one a line, in UTF-8.
read_dat() {
    python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
pos = 0
def number():
    global pos
    (value,) = struct.unpack_from("<I", data, pos)
    pos += 4
    return value
def text():
    global pos
    n = number()
    value = data[pos:pos + n].decode("cp932")
    pos += n
    return value
print(text())
for _ in range(number()):
    print(text())
PY
}

# A shortcut NAME.lnk in FOLDER to TARGET (Unix paths) with ARGUMENTS.
make_link() {
    local folder=$1 name=$2 target=$3 arguments=${4:-}
    wine "$GUI_BIN/mklink.exe" "$(winpath "$folder/$name.lnk")" "$(winpath "$target")" "$arguments" \
        >>"$GUI_OUT/tools.log" 2>&1
}

# `mklink --read` of a shortcut: target=, arguments=, directory=, hotkey= lines.
read_link() {
    wine "$GUI_BIN/mklink.exe" --read "$(winpath "$1")" 2>>"$GUI_OUT/tools.log" | tr -d '\r'
}

# xdotool's search walks the whole window tree and dies of a BadWindow error when a window
# goes away during the walk, as Wine's own windows do while programs start and end: such a
# walk saw nothing for certain, so it is walked again. Prints the windows found, one a
# line; fails when there are none.
x_search() {
    local found
    while :; do
        found=$(xdotool search "$@" 2>&1)
        case $found in *"X Error"*) ;; *) break ;; esac
    done
    grep -x '[0-9][0-9]*' <<<"$found"
}

# What winclient.exe sees of the running launcher (client=, title=, edit1=...).
window_state() {
    wine "$GUI_BIN/winclient.exe" 2>>"$GUI_OUT/tools.log" | tr -d '\r'
}

state_value() { window_state | sed -n "s/^$1=//p"; }

# Waits up to SECONDS (3) for winclient to report KEY=VALUE; otherwise says what it saw.
wait_state() {
    local key=$1 want=$2 seconds=${3:-3}
    wait_until "$seconds" '[ "$(state_value "$key")" = "$want" ]' && return 0
    echo "$key is '$(state_value "$key")', not '$want'"
    return 1
}

# Starts the launcher with FOLDER as its current directory and the pointer at (600, 500),
# so that the window opens at (578, 447). Sets APP_PID and APP_WID.
gui_start() {
    local folder=$1
    xdotool mousemove 600 500
    pushd "$folder" >/dev/null || return 1
    # Wine's word on an exception nothing handled goes to the log.
    WINEDEBUG=-all,err+seh wine "$GUI_BIN/VESKOR3.exe" >>"$GUI_OUT/app.log" 2>&1 &
    APP_PID=$!
    popd >/dev/null || return 1
    gui_await_window
}

# Waits for the window of the launcher APP_PID and focuses it; sets APP_WID. The window
# is mapped before its controls have taken the focus, and winclient and probe read the
# launcher's window on top, which a second launcher's is only once it is shown: the window
# is ready when the program itself reports it, by its X window, with the focus in Edit1.
gui_await_window() {
    wait_until 20 'APP_WID=$(app_windows | head -1); [ -n "$APP_WID" ]' || return 1
    xdotool windowfocus --sync "$APP_WID" 2>/dev/null
    wait_until 5 '[ "$(window_state | grep -E "^(xwindow|focus)=" | tr "\n" " ")" = "xwindow=$APP_WID focus=Edit1 " ]'
}

# A second launcher in FOLDER beside the running one, both on one data file: the first's
# PID and window move to FIRST_PID and FIRST_WID, APP_PID and APP_WID name the new one.
gui_start_another() {
    FIRST_PID=$APP_PID FIRST_WID=$APP_WID
    gui_start "$1"
}

# The helpers drive the first launcher again.
gui_back_to_first() {
    APP_PID=$FIRST_PID APP_WID=$FIRST_WID FIRST_PID= FIRST_WID=
}

app_running() { [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; }

# Waits up to SECONDS for the launcher to end.
wait_exit() {
    wait_until "${1:-10}" '! app_running' || return 1
    wait "$APP_PID" 2>/dev/null
    APP_PID=
}

gui_stop_app() {
    if [ -n "$FIRST_PID" ] && kill -0 "$FIRST_PID" 2>/dev/null; then
        kill "$FIRST_PID" 2>/dev/null
        wait "$FIRST_PID" 2>/dev/null
    fi
    FIRST_PID=
    if app_running; then
        kill "$APP_PID" 2>/dev/null
        wait "$APP_PID" 2>/dev/null
    fi
    APP_PID=
}

# The visible top-level windows of the launcher's process, one id a line.
app_windows() { x_search --onlyvisible --pid "$APP_PID"; }

# The program's error box, by its caption: waits up to SECONDS (10) for it and prints its id.
wait_box() {
    local box
    wait_until "${1:-10}" 'box=$(x_search --onlyvisible --name "^Veskor3$" | head -1); [ -n "$box" ]' || return 1
    echo "$box"
}

box_gone() { ! x_search --onlyvisible --name '^Veskor3$' >/dev/null; }

focus_app() { xdotool windowfocus --sync "$APP_WID" 2>/dev/null; }
type_text() { focus_app; xdotool type --delay 40 "$1"; }
press() { focus_app; xdotool key --delay 40 "$@"; }

# Clicks BUTTON (1 left, 2 middle, 3 right) at (X, Y) of the window's client area.
click_client() {
    local x=$1 y=$2 button=${3:-1} origin
    origin=$(state_value client)
    set -- $origin
    xdotool mousemove $(($1 + x)) $(($2 + y)) click "$button"
}

# A middle click launches, and the program ends on the press: under Wine the release then
# reaches no window of Wine's, and the middle button stays held in Wine's view of the mouse
# for every later program of the run, whose next right click would launch too. Once the
# launcher has ended, release_buttons lets go of what Wine still holds.
release_buttons() { wine "$GUI_BIN/winclient.exe" --release-buttons 2>>"$GUI_OUT/tools.log"; }

# A middle click at (X, Y) in the client area; waits up to 10 s for the launcher to end.
middle_click_to_launch() {
    click_client "$1" "$2" 2
    wait_exit 10 || return 1
    release_buttons
}

# Clicks the close box: Wine draws it at the right end of the title bar.
click_close_box() {
    local origin
    origin=$(state_value client)
    set -- $origin
    xdotool mousemove $(($1 + $3 - 10)) $(($2 - 10)) click 1
}

# Saves the screen as OUT/NAME.png and the part around the window as OUT/NAME-window.png.
screenshot() {
    local name=$1 origin
    import -window root "$GUI_OUT/$name.png" 2>/dev/null
    origin=$(state_value client)
    if [ -n "$origin" ]; then
        set -- $origin
        convert "$GUI_OUT/$name.png" -crop "$(($3 + 40))x$(($4 + 60))+$(($1 - 20))+$(($2 - 40))" +repage \
            -scale 300% "$GUI_OUT/$name-window.png" 2>/dev/null
    fi
}

# Waits until the recorder's log has LINES lines.
wait_lines() {
    local file=$1 lines=$2 seconds=${3:-10}
    wait_until "$seconds" "[ -f '$file' ] && [ \$(wc -l <'$file') -ge $lines ]"
}
