# The key and mouse map through the real window, as a person presses the keys: every key
# row at least once, several rows to one run of the program. Checked is what the user
# sees: the title, the fields and the page, and after the close the data file, the
# folder and what was started. The shortcut folders come from seed_launch_folder
# (launch_tests.sh). Down and Up from the first entry are in keyboard_tests.sh.
# shellcheck source=tools/probe.sh
. "$GUI_LIB_DIR/tools/probe.sh"

FRONT_PAGE=(okButton.visible=1 dirchangeButton.visible=0)
BACK_PAGE=(okButton.visible=0 dirchangeButton.visible=1)

# Ctrl+F from Edit1 switches the mode in place, from the list through findButton; Ctrl+T
# is no key of the list's; Ctrl+Right sorts, Ctrl+T registers the folder's shortcuts,
# Down with text takes the second entry, Ctrl+Delete deletes it and its file, and
# Shift+Esc closes through escButton, launching nothing.
test_history_keys_in_edit1_and_the_list() {
    local name=history_keys_in_edit1_and_the_list why mode
    seed_launch_folder history c ab a zeta
    make_link "$FOLDER" ab "$TOOLS/recorder.exe" from-ab
    mode="title=$(winpath "$FOLDER")"
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }

    press ctrl+f
    why=$(expect_window 5 "$mode 部分検索" "${FRONT_PAGE[@]}") || { fail $name "Ctrl+F in Edit1: $why"; return; }
    press Tab ctrl+f
    why=$(expect_window 5 "$mode 先頭検索" "${FRONT_PAGE[@]}") || { fail $name "Ctrl+F in the list: $why"; return; }
    press ctrl+t ctrl+Right
    why=$(expect_window 5 "title=ソートしました" list.count=4) || { fail $name "Ctrl+T, Ctrl+Right in the list: $why"; return; }
    why=$(wait_state focus Edit1) || { fail $name "after the sort: $why"; return; }
    press ctrl+t
    why=$(expect_window 5 "title=自動登録しました" list.count=5) || { fail $name "Ctrl+T in Edit1: $why"; return; }

    type_text a
    why=$(expect_window 5 edit1=a list.count=2) || { fail $name "a: $why"; return; }
    press Down
    why=$(expect_window 5 edit1=ab list.caret=1) || { fail $name "Down with text: $why"; return; }
    why=$(wait_state focus ListBox1) || { fail $name "Down with text: $why"; return; }
    press ctrl+Delete
    why=$(expect_window 5 "title=履歴を削除しました" edit1= list.count=4) || { fail $name "Ctrl+Delete in the list: $why"; return; }
    [ ! -e "$FOLDER/ab.lnk" ] && [ -f "$FOLDER/a.lnk" ] || { fail $name "the folder holds $(ls "$FOLDER" | tr '\n' ' ')"; return; }

    press shift+Escape
    wait_exit 10 || { fail $name "Shift+Esc did not close the window"; return; }
    [ -z "$(launched)" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "a c zeta b " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

# Ctrl+U to the back page and back; from Edit2 Ctrl+F, Ctrl+Right and Ctrl+T act and
# show the front page, Ctrl+Delete does not; Ctrl+S registers the typed path, Shift+Enter
# confirms the proposed name, and Alt+Backspace clears the history.
test_back_page_keys_in_edit2() {
    local name=back_page_keys_in_edit2 why dir mode
    dir=$(new_folder backkeys)
    mkdir -p "$dir/tools"
    cp "$GUI_BIN/recorder.exe" "$dir/tools/app.exe"
    make_link "$dir" b "$dir/tools/app.exe"
    write_dat "$dir/veskor.dat" "$dir" zeta alpha
    mode="title=$(winpath "$dir")"
    gui_start "$dir" || { fail $name "no window appeared"; return; }

    press ctrl+u
    why=$(expect_window 5 "$mode 先頭検索" "${BACK_PAGE[@]}" findButton.visible=1) || { fail $name "Ctrl+U: $why"; return; }
    why=$(wait_state focus Edit2) || { fail $name "Ctrl+U: $why"; return; }
    press ctrl+f
    why=$(expect_window 5 "$mode 部分検索" "${FRONT_PAGE[@]}") || { fail $name "Ctrl+F in Edit2: $why"; return; }
    press Tab ctrl+u ctrl+Delete ctrl+Right
    why=$(expect_window 5 "title=ソートしました" list.count=2 "${FRONT_PAGE[@]}") ||
        { fail $name "Ctrl+Delete, Ctrl+Right in Edit2: $why"; return; }
    press ctrl+u ctrl+t
    why=$(expect_window 5 "title=自動登録しました" list.count=3 "${FRONT_PAGE[@]}") || { fail $name "Ctrl+T in Edit2: $why"; return; }

    press ctrl+u
    why=$(wait_state focus Edit2) || { fail $name "Ctrl+U again: $why"; return; }
    type_text "$(winpath "$dir/tools/app.exe")"
    press ctrl+s
    why=$(expect_window 5 "title=ショートカット app を作成しました" edit1.selected=app changeButton.visible=1 "${FRONT_PAGE[@]}") ||
        { fail $name "Ctrl+S in Edit2: $why"; return; }
    type_text tool
    press shift+Return
    why=$(expect_window 5 "title=app を tool に変更しました" changeButton.visible=0) || { fail $name "Shift+Enter: $why"; return; }
    [ -f "$dir/tool.lnk" ] && [ ! -e "$dir/app.lnk" ] || { fail $name "the folder holds $(ls "$dir" | tr '\n' ' ')"; return; }

    press ctrl+u alt+BackSpace
    why=$(expect_window 5 "title=履歴を全消去しました" list.count=0 "${FRONT_PAGE[@]}") || { fail $name "Alt+Backspace: $why"; return; }
    press ctrl+u
    why=$(expect_window 5 "${BACK_PAGE[@]}") || { fail $name "Ctrl+U to the back page: $why"; return; }
    press ctrl+u
    why=$(expect_window 5 "title=履歴を全消去しました" "${FRONT_PAGE[@]}") || { fail $name "Ctrl+U from Edit2: $why"; return; }
    why=$(wait_state focus Edit1) || { fail $name "Ctrl+U from Edit2: $why"; return; }
    click_close_box
    wait_exit 10 || { fail $name "the close box did not end the program"; return; }
    [ -z "$(read_dat "$dir/veskor.dat" | tail -n +2)" ] || { fail $name "history $(read_dat "$dir/veskor.dat" | tail -n +2 | tr '\n' ' ')"; return; }
    pass $name
}

# In the naming state that Ctrl+N (from the list) enters, Ctrl+Enter launches through
# okButton and records; the shortcut being renamed keeps its name.
test_ctrl_enter_in_the_naming_state_launches() {
    local name=ctrl_enter_in_the_naming_state_launches why
    seed_launch_folder naming a zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text a
    why=$(expect_window 5 edit1=a) || { fail $name "a: $why"; return; }
    press Tab ctrl+n
    why=$(expect_window 5 "title=aの変更後の名前を入力" edit1= changeButton.visible=1) || { fail $name "Ctrl+N in the list: $why"; return; }
    type_text b
    press ctrl+Return
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = from-b ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "b a zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    [ -f "$FOLDER/a.lnk" ] || { fail $name "a.lnk was renamed"; return; }
    pass $name
}

# The shell opens folders through the prefix's folder handler: pointed at the recorder, an
# opened folder leaves a line in RECORDS. The handler is put back afterwards.
test_ctrl_o_opens_the_target_folder() {
    local saved="$GUI_ROOT/folder-open.reg"
    wine reg export 'HKCR\Folder\shell\open' "$saved" /y >/dev/null 2>&1
    wine reg delete 'HKCR\Folder\shell\open\ddeexec' /f >/dev/null 2>&1
    wine reg add 'HKCR\Folder\shell\open\command' /ve /d "\"$(winpath "$GUI_BIN/recorder.exe")\" \"%1\"" /f \
        >/dev/null 2>&1
    ctrl_o_opens_the_target_folder
    gui_stop_app
    wine reg delete 'HKCR\Folder\shell\open' /f >/dev/null 2>&1
    wine reg import "$saved" >/dev/null 2>&1
}

ctrl_o_opens_the_target_folder() {
    local name=ctrl_o_opens_the_target_folder why
    seed_launch_folder folderopen zeta a
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text a
    why=$(expect_window 5 edit1=a) || { fail $name "a: $why"; return; }
    press ctrl+o
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "no folder was opened"; return; }
    [ "$(launched)" = "\"$(winpath "$TOOLS")\"" ] || { fail $name "opened '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "a zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

# The right button swaps the pages from a front-page button and from the back page's bare
# surface, whose title then names the partial mode; a wheel turn on the back page changes
# nothing (typing still goes to Edit2); the middle button there launches Edit1's text.
test_mouse_on_the_back_page() {
    local name=mouse_on_the_back_page why
    seed_launch_folder mouse zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    press ctrl+f
    type_text b
    why=$(expect_window 5 "title=$(winpath "$FOLDER") 部分検索" edit1=b) || { fail $name "Ctrl+F, b: $why"; return; }

    click_client 214 64 3  # delButton
    why=$(expect_window 5 "title=登録フォルダのパスを入力" "${BACK_PAGE[@]}") || { fail $name "right click: $why"; return; }
    why=$(wait_state edit2 "$(winpath "$FOLDER")") || { fail $name "right click: $why"; return; }
    click_client 90 80 5
    click_client 60 10 5
    type_text x
    why=$(wait_state edit2 x && wait_state focus Edit2) || { fail $name "after the wheel: $why"; return; }
    why=$(expect_window 1 "title=登録フォルダのパスを入力" "${BACK_PAGE[@]}") || { fail $name "after the wheel: $why"; return; }

    click_client 90 80 3
    why=$(expect_window 5 "title=$(winpath "$FOLDER") 部分検索" "${FRONT_PAGE[@]}" edit1=b) ||
        { fail $name "right click on the surface: $why"; return; }
    press ctrl+u
    why=$(expect_window 5 "${BACK_PAGE[@]}") || { fail $name "Ctrl+U: $why"; return; }
    middle_click_to_launch 90 80 || { fail $name "the middle button did not launch"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = from-b ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "b zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

# Alt+L asks the system to log the user off. Under Wine that ends only this test's own
# prefix: its programs are asked to end the session and are then stopped. The launcher
# keeps the run's sorted history; Edit1's text is neither launched nor recorded.
test_alt_l_ends_the_session() {
    local name=alt_l_ends_the_session why
    seed_launch_folder logoff zeta a
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    press ctrl+Right
    why=$(expect_window 5 "title=ソートしました") || { fail $name "Ctrl+Right: $why"; return; }
    type_text nomatch
    why=$(expect_window 5 edit1=nomatch) || { fail $name "nomatch: $why"; return; }
    press alt+l
    wait_exit 20 || { fail $name "the session did not end"; return; }
    [ -z "$(launched)" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "a zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}
