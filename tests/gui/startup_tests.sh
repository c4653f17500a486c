# Start-up, the title, the close box and the two pages as a person sees them.

test_first_run_in_an_empty_folder() {
    local name=first_run_in_an_empty_folder dir link dat
    dir=$(new_folder first)
    link="$HOME/Desktop/VESKOR3.lnk"
    rm -f "$link"
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    click_close_box
    wait_exit 10 || { fail $name "the close box did not end the program"; return; }
    dat=$(read_dat "$dir/veskor.dat" 2>/dev/null)
    [ "$dat" = "$(winpath "$dir")" ] || { fail $name "veskor.dat holds '$dat'"; return; }
    local expected
    expected=$(printf 'target=%s\narguments=\ndirectory=%s\\\nhotkey=0x0074' \
        "$(winpath "$GUI_BIN/VESKOR3.exe")" "$(winpath "$GUI_BIN")")
    [ "$(read_link "$link")" = "$expected" ] || { fail $name "desktop shortcut: $(read_link "$link" | tr '\n' ' ')"; return; }
    pass $name
}

# The folder's name holds "表" and "ソ", whose second bytes are "\" in CP932.
test_title_names_the_stored_folder() {
    local name=title_names_the_stored_folder dir folder title
    dir=$(new_folder title)
    folder="$dir/表計算ソフト"
    mkdir -p "$folder"
    write_dat "$dir/veskor.dat" "$folder" "zeta"
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    title=$(xdotool getwindowname "$APP_WID")
    gui_stop_app
    [ "$title" = "$(winpath "$folder") 先頭検索" ] || { fail $name "title '$title'"; return; }
    pass $name
}

# The controls that start hidden are made soon after the window appears, before any key.
test_late_controls_are_made_before_the_first_key() {
    local name=late_controls_are_made_before_the_first_key dir why
    dir=$(new_folder late)
    write_dat "$dir/veskor.dat" "$dir" "zeta"
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    # Counted without a message to the window, which would wake it.
    wait_until 2 '[ "$(wine "$GUI_BIN/winclient.exe" --controls 2>/dev/null | tr -d "\r")" = controls=16 ]'
    why=$?
    gui_stop_app
    [ "$why" = 0 ] || { fail $name "not all 16 controls were made"; return; }
    pass $name
}

# The front page, then the back page by a right click on a front-page button, then back
# by a right click on the window's bare surface. Screenshots of both pages are kept.
test_pages_by_right_click() {
    local name=pages_by_right_click dir
    dir=$(new_folder pages)
    write_dat "$dir/veskor.dat" "$dir" "メール" "表計算ソフト" "ブラウザ;エディタ;" "a"
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    screenshot front-page
    [ "$(state_value edit1.visible)$(state_value edit2.visible)" = 10 ] || { fail $name "not on the front page"; return; }

    click_client 214 114 3  # renameButton
    wait_state edit2.visible 1 >/dev/null || { fail $name "a right click kept the front page"; return; }
    screenshot back-page
    local title edit2
    title=$(state_value title)
    edit2=$(state_value edit2)
    [ "$title" = "登録フォルダのパスを入力" ] || { fail $name "back-page title '$title'"; return; }
    [ "$edit2" = "$(winpath "$dir")" ] || { fail $name "Edit2 holds '$edit2'"; return; }

    click_client 214 0 3  # above the button column
    wait_state edit1.visible 1 >/dev/null || { fail $name "a right click kept the back page"; return; }
    title=$(state_value title)
    [ "$title" = "$(winpath "$dir") 先頭検索" ] || { fail $name "front-page title '$title'"; return; }
    gui_stop_app
    pass $name
}

# Starts the launcher in DIR, where the first show raises an error: waits for the error box,
# saves it as the screenshot SHOT and dismisses it with Enter. Sets APP_PID.
start_to_error_box() {
    local dir=$1 shot=$2 box
    xdotool mousemove 600 500
    pushd "$dir" >/dev/null || return 1
    wine "$GUI_BIN/VESKOR3.exe" >>"$GUI_OUT/app.log" 2>&1 &
    APP_PID=$!
    popd >/dev/null || return 1
    box=$(wait_box) || return 1
    screenshot "$shot"
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return
}

# A damaged data file: the error box comes first, then the window opens where it was
# designed, without a title; closing it leaves the file as it was.
test_damaged_data_file_is_reported_and_kept() {
    local name=damaged_data_file_is_reported_and_kept dir before
    dir=$(new_folder damaged)
    printf '\x20\x00\x00\x00Z:\\' >"$dir/veskor.dat"
    before=$(od -An -tx1 "$dir/veskor.dat")
    start_to_error_box "$dir" damaged-data-file || { fail $name "no error box"; return; }
    wait_until 10 '[ -n "$(state_value client)" ]' || { fail $name "no window after the error"; return; }
    APP_WID=$(app_windows | head -1)
    local position title
    position=$(xdotool getwindowgeometry "$APP_WID" | sed -n 's/^ *Position: \([0-9]*,[0-9]*\).*/\1/p')
    title=$(state_value title)
    [ "$position" = "171,126" ] || { fail $name "the window opened at $position"; return; }
    [ -z "$title" ] || { fail $name "title '$title'"; return; }
    click_close_box
    wait_exit 10 || { fail $name "the close box did not end the program"; return; }
    [ "$(od -An -tx1 "$dir/veskor.dat")" = "$before" ] || { fail $name "veskor.dat was rewritten"; return; }
    pass $name
}

# A damaged data file beside a sound backup: the error box says the history came from the
# backup, the window then works with it, and the close keeps the damaged file aside.
test_damaged_data_file_is_healed_from_the_backup() {
    local name=damaged_data_file_is_healed_from_the_backup dir before
    dir=$(new_folder healed)
    printf '\x20\x00\x00\x00Z:\\' >"$dir/veskor.dat"
    before=$(od -An -tx1 "$dir/veskor.dat")
    write_dat "$dir/veskor.dat.bak" "$dir" "メール" zeta
    start_to_error_box "$dir" healed-data-file || { fail $name "no error box"; return; }
    wait_until 10 '[ "$(state_value title)" = "$(winpath "$dir") 先頭検索" ]' ||
        { fail $name "title '$(state_value title)'"; return; }
    APP_WID=$(app_windows | head -1)
    press Escape
    wait_exit 10 || { fail $name "Esc did not end the program"; return; }
    [ "$(od -An -tx1 "$dir/veskor.dat.damaged" 2>/dev/null)" = "$before" ] ||
        { fail $name "the damaged file was not kept aside"; return; }
    [ "$(read_dat "$dir/veskor.dat" | tail -n +2 | tr '\n' ' ')" = "メール zeta " ] ||
        { fail $name "veskor.dat holds '$(read_dat "$dir/veskor.dat" | tr '\n' ' ')'"; return; }
    pass $name
}

# Resting the pointer on a button shows its tooltip, a window of its own.
test_tooltip_over_a_button() {
    local name=tooltip_over_a_button dir origin
    dir=$(new_folder tooltip)
    write_dat "$dir/veskor.dat" "$dir" "zeta"
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    origin=$(state_value client)
    set -- $origin
    # The pointer comes to rest on okButton in small steps, as a hand moves it.
    local step
    for step in 0 1 2 3 4 5; do
        xdotool mousemove $(($1 + 200 + step)) $(($2 + 10 + step))
        sleep 0.1
    done
    wait_until 5 '[ "$(app_windows | wc -l)" -ge 2 ]' || { fail $name "no tooltip appeared"; return; }
    sleep 0.3
    screenshot tooltip
    gui_stop_app
    pass $name
}

# At 150 % (LogPixels 144, which Wine reads at each program's start) the window opens
# half as large again, its controls and the list's rows scaled alike; the manifest asks
# Windows for the per-monitor scaling that Wine applies to every program anyway.
test_window_scales_with_the_display() {
    local name=window_scales_with_the_display dir aware normal large
    aware=$(wine "$GUI_BIN/winclient.exe" --dpi-awareness "$(winpath "$GUI_BIN/VESKOR3.exe")" 2>/dev/null |
        tr -d '\r' | tr '\n' '|')
    [ "$aware" = "dpiAware=true/pm|dpiAwareness=PerMonitorV2, PerMonitor|" ] || { fail $name "manifest: $aware"; return; }
    dir=$(new_folder dpi)
    write_dat "$dir/veskor.dat" "$dir" "表計算ソフト" "ブラウザ;エディタ;"
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    normal=$(state_value client)
    gui_stop_app
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    gui_start "$dir" && large=$(window_state) && screenshot display-150
    gui_stop_app
    wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
    [ -n "$large" ] || { fail $name "no window appeared at 150 %"; return; }
    local w h W H
    read -r _ _ w h <<<"$normal"
    read -r _ _ W H <<<"$(sed -n 's/^client=//p' <<<"$large")"
    [ $((W * 100 / w)) -ge 145 ] && [ $((W * 100 / w)) -le 155 ] && [ $((H * 100 / h)) -ge 145 ] &&
        [ $((H * 100 / h)) -le 155 ] || { fail $name "client $w x $h at 100 %, $W x $H at 150 %"; return; }
    grep -qx 'edit1.box=-2 2 277 30' <<<"$large" && grep -qx 'list.row=18' <<<"$large" ||
        { fail $name "controls at 150 %: $(grep -E '^(edit1.box|list.row)=' <<<"$large" | tr '\n' ' ')"; return; }
    pass $name
}
