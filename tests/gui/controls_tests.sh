# The window's controls in a real window (wincontrols.exe, GoogleTest), under the same
# display and prefix as the other GUI tests.

test_win32_controls() {
    local name=win32_controls log="$GUI_OUT/wincontrols.log"
    if [ ! -f "$GUI_BIN/wincontrols.exe" ]; then
        fail $name "wincontrols.exe was not built"
        return
    fi
    (cd "$GUI_ROOT" && timeout 120 wine "$GUI_BIN/wincontrols.exe" --gtest_color=no \
        </dev/null 2>&1 | iconv -f CP932 -t UTF-8 -c | tr -d '\r' >"$log")
    if grep -q '^\[  PASSED  \]' "$log" && ! grep -q '^\[  FAILED  \]' "$log"; then
        pass $name
    else
        fail $name "$(grep -E '^\[  FAILED  \] [A-Za-z0-9_./]+$' "$log" | sed 's/^\[  FAILED  \] //' | tr '\n' ' ')(see $log)"
    fi
}
