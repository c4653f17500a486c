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
    wait_until 3 test "$(state_value edit2.visible)" = 1 || { fail $name "a right click kept the front page"; return; }
    screenshot back-page
    local title edit2
    title=$(state_value title)
    edit2=$(state_value edit2)
    [ "$title" = "登録フォルダのパスを入力" ] || { fail $name "back-page title '$title'"; return; }
    [ "$edit2" = "$(winpath "$dir")" ] || { fail $name "Edit2 holds '$edit2'"; return; }

    click_client 214 0 3  # above the button column
    wait_until 3 test "$(state_value edit1.visible)" = 1 || { fail $name "a right click kept the back page"; return; }
    title=$(state_value title)
    [ "$title" = "$(winpath "$dir") 先頭検索" ] || { fail $name "front-page title '$title'"; return; }
    gui_stop_app
    pass $name
}
