# How keys travel through the real message loop: a key-down handler runs before the
# control's own handling, Tab moves the focus, the wheel moves it into the list.

test_arrows_walk_between_the_field_and_the_list() {
    local name=arrows_walk_between_the_field_and_the_list why
    FOLDER=$(new_folder arrows)
    write_dat "$FOLDER/veskor.dat" "$FOLDER" alpha beta gamma
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    # Down in the empty field: the first entry, and the focus goes to the list.
    press Down
    why=$(wait_state focus ListBox1 && wait_state edit1 alpha) || { fail $name "Down from Edit1: $why"; return; }
    # The list's own Down follows its handler: the selection moves, and the pick fills Edit1.
    press Down
    why=$(wait_state edit1 beta) || { fail $name "Down in the list: $why"; return; }
    press Up
    why=$(wait_state edit1 alpha) || { fail $name "Up in the list: $why"; return; }
    # Up on the first entry: the handler, tested before the list moves, goes back to Edit1.
    press Up
    why=$(wait_state focus Edit1 && wait_state edit1 "") || { fail $name "Up on the first entry: $why"; return; }
    pass $name
}

test_tab_ctrl_u_and_the_wheel_move_the_focus() {
    local name=tab_ctrl_u_and_the_wheel_move_the_focus why
    FOLDER=$(new_folder focus)
    write_dat "$FOLDER/veskor.dat" "$FOLDER" alpha beta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    press Tab
    why=$(wait_state focus ListBox1) || { fail $name "Tab: $why"; return; }
    press shift+Tab
    why=$(wait_state focus Edit1) || { fail $name "Shift+Tab: $why"; return; }
    press ctrl+u
    why=$(wait_state focus Edit2 && wait_state edit2.visible 1) || { fail $name "Ctrl+U: $why"; return; }
    press Tab
    why=$(wait_state focus sortButton) || { fail $name "Tab on the back page: $why"; return; }
    press ctrl+u
    why=$(wait_state focus sortButton) || { fail $name "Ctrl+U on a button: $why"; return; }
    press shift+Tab ctrl+u
    why=$(wait_state focus Edit1 && wait_state edit1.visible 1) || { fail $name "Ctrl+U back: $why"; return; }
    # A wheel turn over the field reaches the window, which hands the focus to the list.
    click_client 60 10 5
    why=$(wait_state focus ListBox1) || { fail $name "wheel: $why"; return; }
    pass $name
}
