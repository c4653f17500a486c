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
