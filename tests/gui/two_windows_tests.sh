# Two windows of the program open at once on one data file (F5 pressed twice): what one
# of them does and saves, the other's close keeps. Uses seed_launch_folder (launch_tests.sh).

# Window A opens, window B opens over it; B runs the function B_DOES, which ends B; then A
# closes with no change of its own. The history after each close must be WANT.
two_windows_case() {
    local name=$1 b_does=$2 want=$3 why
    seed_launch_folder "$name" a b c
    gui_start "$FOLDER" || { fail $name "window A did not appear"; return; }
    gui_start_another "$FOLDER" || { fail $name "window B did not appear"; return; }
    why=$($b_does) || { fail $name "$why"; return; }
    wait_exit 10 || { fail $name "window B stayed open"; return; }
    [ "$(history_of | tr '\n' ' ')" = "$want" ] || { fail $name "B saved '$(history_of | tr '\n' ' ')'"; return; }
    gui_back_to_first
    press Escape
    wait_exit 10 || { fail $name "window A stayed open"; return; }
    [ "$(history_of | tr '\n' ' ')" = "$want" ] || { fail $name "A's close left '$(history_of | tr '\n' ' ')'"; return; }
    # A's save kept B's file as the backup.
    local backup
    backup=$(read_dat "$FOLDER/veskor.dat.bak" 2>/dev/null | tail -n +2 | tr '\n' ' ')
    [ "$backup" = "$want" ] || { fail $name "the backup holds '$backup'"; return; }
    pass $name
}

# B launches b, which moves b to the top, and closes.
b_launches_b() {
    type_text b
    press Return
    wait_lines "$RECORDS" 1 || { echo "nothing was launched"; return 1; }
    [ "$(launched)" = "from-b" ] || { echo "launched '$(launched)'"; return 1; }
}

# B deletes b (the entry and its shortcut) and closes.
b_deletes_b() {
    type_text b
    press ctrl+Delete
    wait_until 5 "[ ! -e '$FOLDER/b.lnk' ]" || { echo "b.lnk was not deleted"; return 1; }
    press Escape
}

test_two_windows_a_launch_in_one_survives_the_others_close() {
    two_windows_case two_windows_a_launch_in_one_survives_the_others_close b_launches_b "b a c "
}

test_two_windows_a_delete_in_one_survives_the_others_close() {
    two_windows_case two_windows_a_delete_in_one_survives_the_others_close b_deletes_b "a c "
}

# The text of the error box that is open, if any.
open_box() { wine "$GUI_BIN/winclient.exe" --error-box 2>/dev/null | tr -d '\r'; }

# F5 pressed again as A launches: window B starts while window A saves. A scanner holding
# the data file for 0.7 s as A saves makes the save last; B then waits for it, reads what A
# wrote without an error box, and its own launch joins A's. A launches by the middle button,
# which reaches it wherever the keyboard's focus went, and B opens away from it.
test_two_windows_a_start_during_a_save_loses_nothing() {
    local name=two_windows_a_start_during_a_save_loses_nothing b_pid origin held
    seed_launch_folder "$name" a b c
    held="$FOLDER/held.log"
    gui_start "$FOLDER" || { fail $name "window A did not appear"; return; }
    type_text a
    origin=$(state_value client)
    set -- $origin
    xdotool mousemove 200 200
    (cd "$FOLDER" && exec wine "$GUI_BIN/stressdriver.exe" hold veskor.dat 700 >"$held" 2>&1) &
    wait_until 10 "grep -q held '$held'" || { fail $name "the data file could not be held"; return; }
    xdotool mousemove $(($1 + 214)) $(($2 + 14)) click 2  # on okButton
    (cd "$FOLDER" && exec wine "$GUI_BIN/VESKOR3.exe" >>"$GUI_OUT/app.log" 2>&1) &
    b_pid=$!
    wait_exit 10 || { fail $name "window A stayed open: $(open_box)"; return; }
    release_buttons
    APP_PID=$b_pid
    gui_await_window || { fail $name "window B did not appear"; return; }
    [ -z "$(open_box)" ] || { fail $name "window B showed $(open_box)"; return; }
    type_text b
    press Return
    wait_exit 10 || { fail $name "window B stayed open"; return; }
    # The recorder B started may still be writing when B has ended.
    wait_lines "$RECORDS" 2 || { fail $name "launched '$(launched)'"; return; }
    [ "$(launched | tr '\n' ' ')" = "from-a 日本語 from-b " ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "b a c " ] || { fail $name "the history is '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}
