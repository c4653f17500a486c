# Registering shortcuts and keeping the folder as a person does it: a path typed on the
# back page, files dropped from a file manager, renames, deletes and the folder change.
# shellcheck source=tools/probe.sh
. "$GUI_LIB_DIR/tools/probe.sh"

# Drops FILES (Unix paths) on the list, as a Linux file manager does: Wine makes the
# drop a WM_DROPFILES of the launcher's own process (see tools/xdnd_drop.py).
drop_files() {
    local origin
    origin=$(state_value client)
    set -- $origin "$@"
    python3 "$GUI_LIB_DIR/tools/xdnd_drop.py" "$APP_WID" $(($1 + 90)) $(($2 + 60)) "${@:5}" \
        2>>"$GUI_OUT/tools.log"
}

# The naming state as the window shows it: changeButton in renameButton's place and default.
NAMING_STATE=(changeButton.visible=1 changeButton.default=1 renameButton.visible=0 okButton.default=0)
NORMAL_STATE=(changeButton.visible=0 renameButton.visible=1 okButton.default=1)

test_typed_path_registers_and_enter_renames() {
    local name=typed_path_registers_and_enter_renames why dir
    dir=$(new_folder typed)
    mkdir -p "$dir/tools"
    cp "$GUI_BIN/recorder.exe" "$dir/tools/app.exe"
    write_dat "$dir/veskor.dat" "$dir" zeta
    gui_start "$dir" || { fail $name "no window appeared"; return; }

    click_client 214 114 3  # renameButton: the back page
    why=$(expect_window 5 "title=登録フォルダのパスを入力") || { fail $name "right click: $why"; return; }
    type_text "$(winpath "$dir/tools/app.exe")"
    press ctrl+s
    why=$(expect_window 5 "title=ショートカット app を作成しました" edit1=app edit1.selected=app list.count=2 \
        "${NAMING_STATE[@]}") || { fail $name "Ctrl+S: $why"; return; }
    local expected
    expected=$(printf 'target=%s\narguments=\ndirectory=%s\\\nhotkey=0x0000' \
        "$(winpath "$dir/tools/app.exe")" "$(winpath "$dir/tools")")
    [ "$(read_link "$dir/app.lnk")" = "$expected" ] || { fail $name "app.lnk: $(read_link "$dir/app.lnk" | tr '\n' ' ')"; return; }

    # The proposed name is selected: typing replaces it, Enter confirms it.
    type_text editor
    press Return
    why=$(expect_window 5 "title=app を editor に変更しました" edit1= "${NORMAL_STATE[@]}") ||
        { fail $name "Enter: $why"; return; }
    [ ! -e "$dir/app.lnk" ] && [ -f "$dir/editor.lnk" ] || { fail $name "the folder holds $(ls "$dir" | tr '\n' ' ')"; return; }
    press Escape
    wait_exit 10 || { fail $name "Esc did not close the window"; return; }
    [ "$(read_dat "$dir/veskor.dat" | tail -n +2 | tr '\n' ' ')" = "editor zeta " ] ||
        { fail $name "history $(read_dat "$dir/veskor.dat" | tail -n +2 | tr '\n' ' ')"; return; }
    pass $name
}

# Ctrl+N renames the shortcut named in Edit1; Ctrl+Delete deletes the entry under the
# list's caret together with its shortcut file.
test_rename_and_delete_act_on_the_files() {
    local name=rename_and_delete_act_on_the_files why dir
    dir=$(new_folder rename)
    make_link "$dir" mail "$GUI_BIN/recorder.exe"
    make_link "$dir" web "$GUI_BIN/recorder.exe"
    make_link "$dir" taken "$GUI_BIN/recorder.exe" keep
    write_dat "$dir/veskor.dat" "$dir" Mail web
    gui_start "$dir" || { fail $name "no window appeared"; return; }

    type_text mail
    why=$(expect_window 5 edit1=Mail) || { fail $name "mail: $why"; return; }
    press ctrl+n
    why=$(expect_window 5 "title=Mailの変更後の名前を入力" edit1= "${NAMING_STATE[@]}") || { fail $name "Ctrl+N: $why"; return; }
    # A name whose file exists already: refused, both files stay, the naming state ends.
    type_text taken
    press Return
    why=$(expect_window 5 "title=エラー！変更できませんでした" "${NORMAL_STATE[@]}") || { fail $name "taken: $why"; return; }
    [ -f "$dir/mail.lnk" ] && [ "$(read_link "$dir/taken.lnk" | sed -n 's/^arguments=//p')" = keep ] ||
        { fail $name "the refused rename changed the folder: $(ls "$dir" | tr '\n' ' ')"; return; }

    type_text mail
    press ctrl+n
    why=$(expect_window 5 "title=Mailの変更後の名前を入力") || { fail $name "Ctrl+N again: $why"; return; }
    type_text post
    press Return
    why=$(expect_window 5 "title=Mail を post に変更しました" list.count=2) || { fail $name "post: $why"; return; }
    [ ! -e "$dir/mail.lnk" ] && [ -f "$dir/post.lnk" ] || { fail $name "the folder holds $(ls "$dir" | tr '\n' ' ')"; return; }

    type_text web
    why=$(expect_window 5 edit1=web list.count=1 list.caret=0) || { fail $name "web: $why"; return; }
    # The releases of the keys then show the whole history again, as Edit1 is empty.
    press ctrl+Delete
    why=$(expect_window 5 "title=履歴を削除しました" edit1= list.count=1) || { fail $name "Ctrl+Delete: $why"; return; }
    [ ! -e "$dir/web.lnk" ] && [ -f "$dir/post.lnk" ] || { fail $name "the folder holds $(ls "$dir" | tr '\n' ' ')"; return; }
    press Escape
    wait_exit 10 || { fail $name "Esc did not close the window"; return; }
    [ "$(read_dat "$dir/veskor.dat" | tail -n +2 | tr '\n' ' ')" = "post " ] ||
        { fail $name "history $(read_dat "$dir/veskor.dat" | tail -n +2 | tr '\n' ' ')"; return; }
    pass $name
}

# A new folder is made and kept for the next run; one whose parent is missing is refused
# in the error box, a second window of the program, and offered again for correction.
test_folder_change_creates_or_refuses() {
    local name=folder_change_creates_or_refuses why dir links box
    dir=$(new_folder folder)
    links="$dir/links"
    write_dat "$dir/veskor.dat" "$dir" zeta
    gui_start "$dir" || { fail $name "no window appeared"; return; }

    click_client 214 114 3  # renameButton: the back page
    type_text "$(winpath "$links")\\"
    press Return
    why=$(expect_window 5 "title=$(winpath "$links")に登録フォルダを変更しました") ||
        { fail $name "Enter: $why"; return; }
    [ -d "$links" ] || { fail $name "no folder was made"; return; }
    press Escape
    wait_exit 10 || { fail $name "Esc did not close the window"; return; }
    [ "$(read_dat "$dir/veskor.dat" | head -1)" = "$(winpath "$links")" ] ||
        { fail $name "veskor.dat holds the folder $(read_dat "$dir/veskor.dat" | head -1)"; return; }

    gui_start "$dir" || { fail $name "no window appeared the second time"; return; }
    why=$(expect_window 5 "title=$(winpath "$links") 先頭検索") || { fail $name "second run: $why"; return; }
    local missing
    missing="$(winpath "$dir/missing")\\sub"
    click_client 214 114 3  # renameButton: the back page
    type_text "$missing"
    press Return
    box=$(wait_box) || { fail $name "no error box"; return; }
    screenshot folder-error-box
    [ "$(app_windows | wc -l)" -ge 2 ] || { fail $name "the error box is not the program's own window"; return; }
    [ "$(probe_state --box | sed -n 's/^box.text=//p')" = "${missing}というフォルダは作れません." ] ||
        { fail $name "the box says '$(probe_state --box | sed -n 's/^box.text=//p')'"; return; }
    xdotool windowfocus --sync "$box" 2>/dev/null
    xdotool key Return
    wait_until 5 box_gone ||
        { fail $name "Enter did not dismiss the error box"; return; }
    [ "$(state_value edit2.visible)" = 1 ] && [ "$(state_value edit2)" = "$missing" ] ||
        { fail $name "the back page shows '$(state_value edit2)'"; return; }
    [ ! -e "$dir/missing" ] || { fail $name "the missing parent was made"; return; }
    gui_stop_app
    pass $name
}

# The dropped file's folder has a Japanese name whose characters end in the byte of "\".
test_dropped_file_gets_a_shortcut_and_its_name_proposed() {
    local name=dropped_file_gets_a_shortcut_and_its_name_proposed why dir tools
    dir=$(new_folder drop)
    tools="$dir/表計算ソフト"
    mkdir -p "$tools/data"
    cp "$GUI_BIN/recorder.exe" "$tools/ソフト.exe"
    cp "$GUI_BIN/recorder.exe" "$tools/first.exe"
    cp "$GUI_BIN/recorder.exe" "$tools/second.exe"
    write_dat "$dir/veskor.dat" "$dir" zeta
    gui_start "$dir" || { fail $name "no window appeared"; return; }

    drop_files "$tools/ソフト.exe" || { fail $name "the window took no drop"; return; }
    why=$(expect_window 5 "title=ショートカット ソフト を作成しました" edit1=ソフト edit1.selected=ソフト list.count=2 \
        "${NAMING_STATE[@]}") || { fail $name "drop: $why"; return; }
    local expected
    expected=$(printf 'target=%s\narguments=\ndirectory=%s\\\nhotkey=0x0000' \
        "$(winpath "$tools/ソフト.exe")" "$(winpath "$tools")")
    [ "$(read_link "$dir/ソフト.lnk")" = "$expected" ] || { fail $name "ソフト.lnk: $(read_link "$dir/ソフト.lnk" | tr '\n' ' ')"; return; }

    # Of several files only the first counts; the new name is then the one proposed.
    drop_files "$tools/first.exe" "$tools/second.exe" || { fail $name "the window took no second drop"; return; }
    why=$(expect_window 5 "title=ショートカット first を作成しました" edit1.selected=first list.count=3) ||
        { fail $name "two files: $why"; return; }
    [ -f "$dir/first.lnk" ] && [ ! -e "$dir/second.lnk" ] || { fail $name "the folder holds $(ls "$dir" | tr '\n' ' ')"; return; }
    type_text tool
    press Return
    why=$(expect_window 5 "title=first を tool に変更しました" "${NORMAL_STATE[@]}") || { fail $name "Enter: $why"; return; }
    [ -f "$dir/tool.lnk" ] && [ -f "$dir/ソフト.lnk" ] || { fail $name "the folder holds $(ls "$dir" | tr '\n' ' ')"; return; }

    # A folder has no extension: it is offered on the back page instead.
    drop_files "$tools/data" || { fail $name "the window took no folder"; return; }
    why=$(expect_window 5 "title=登録フォルダパスを入力" lnkcreateButton.visible=1 findButton.visible=0) ||
        { fail $name "folder: $why"; return; }
    [ "$(state_value edit2)" = "$(winpath "$tools/data")" ] || { fail $name "Edit2 holds '$(state_value edit2)'"; return; }
    gui_stop_app
    pass $name
}
