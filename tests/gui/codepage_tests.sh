# The program on a system whose ANSI code page is not 932: Wine gives a process the code
# page of its locale, and en_US.UTF-8 gives 1252, as on an English Windows. The locale is
# compiled beside the prefix's ja_JP: without it glibc falls back to ASCII, and Wine would
# misread every non-ASCII Unix file name.

English=(env LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8)

english_locale() {
    [ -f "$LOCPATH/en_US.UTF-8/LC_CTYPE" ] || localedef -i en_US -c -f UTF-8 "$LOCPATH/en_US.UTF-8" >/dev/null 2>&1
    [ -f "$LOCPATH/en_US.UTF-8/LC_CTYPE" ]
}

# A Japanese name picked from the list starts its shortcut's target, which lies in a
# folder with a Japanese name, with its Japanese arguments, in that folder.
test_code_page_1252_starts_a_japanese_shortcut() {
    local name=code_page_1252_starts_a_japanese_shortcut folder tools records acp why got
    english_locale || { fail $name "the en_US.UTF-8 locale cannot be made"; return; }
    acp=$("${English[@]}" wine "$GUI_BIN/winclient.exe" --codepage 2>/dev/null | tr -d '\r')
    [ "$acp" = "codepage=1252" ] || { fail $name "en_US.UTF-8 gives $acp, not code page 1252"; return; }
    folder=$(new_folder codepage)
    tools="$folder/表計算ソフト"
    records="$folder/records.log"
    mkdir -p "$tools"
    cp "$GUI_BIN/recorder.exe" "$tools/"
    make_link "$folder" メモ帳 "$tools/recorder.exe" "メモ 日本語"
    write_dat "$folder/veskor.dat" "$folder" zeta メモ帳

    xdotool mousemove 600 500
    pushd "$folder" >/dev/null || return
    VESKOR_RECORDER_LOG=$(winpath "$records") "${English[@]}" wine "$GUI_BIN/VESKOR3.exe" >>"$GUI_OUT/app.log" 2>&1 &
    APP_PID=$!
    popd >/dev/null || return
    APP_WID=$(timeout 20 xdotool search --sync --onlyvisible --pid "$APP_PID" 2>/dev/null | head -1)
    [ -n "$APP_WID" ] || { fail $name "no window appeared"; return; }
    focus_app
    wait_until 5 '[ -n "$(state_value client)" ]' || { fail $name "the window has no client area"; return; }

    click_client 30 $((21 + 12 + 6))  # the second row
    why=$(wait_state edit1 メモ帳) || { fail $name "$why"; return; }
    press Return
    wait_exit 10 || { screenshot codepage-stayed; fail $name "the window stayed open"; return; }
    wait_lines "$records" 1 || { fail $name "nothing was launched"; return; }
    got=$(cut -f2- "$records" | tr -d '\r')
    [ "$got" = "メモ 日本語	$(winpath "$tools")" ] || { fail $name "launched '$got'"; return; }
    got=$(read_dat "$folder/veskor.dat" | tail -n +2 | tr '\n' ' ')
    [ "$got" = "メモ帳 zeta " ] || { fail $name "history '$got'"; return; }
    pass $name
}
