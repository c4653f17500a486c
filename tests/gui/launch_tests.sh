# Launching as a person does it: a typed name and Enter, several names, Ctrl+Enter, a
# pick from the list, Esc, and a missing shortcut among others.

# A shortcut folder whose shortcuts a, b and c start the recorder with their own
# arguments. The recorder sits in a folder named "表計算ソフト" (second bytes "\" in
# CP932), which must come through as the launch's working directory. Sets FOLDER, TOOLS
# and RECORDS (the recorder's log), and seeds the history with ENTRIES.
seed_launch_folder() {
    FOLDER=$(new_folder "$1")
    shift
    TOOLS="$FOLDER/表計算ソフト"
    RECORDS="$FOLDER/records.log"
    mkdir -p "$TOOLS"
    cp "$GUI_BIN/recorder.exe" "$TOOLS/"
    export VESKOR_RECORDER_LOG
    VESKOR_RECORDER_LOG=$(winpath "$RECORDS")
    make_link "$FOLDER" a "$TOOLS/recorder.exe" "from-a 日本語"
    make_link "$FOLDER" b "$TOOLS/recorder.exe" "from-b"
    make_link "$FOLDER" c "$TOOLS/recorder.exe" "from-c"
    write_dat "$FOLDER/veskor.dat" "$FOLDER" "$@"
}

# The recorder's arguments, one launch a line, in the order the launches were made.
launched() {
    [ -f "$RECORDS" ] || return 0
    sort -n "$RECORDS" | cut -f2 | tr -d '\r'
}

history_of() { read_dat "$FOLDER/veskor.dat" | tail -n +2; }

# Waits for the program's error box, saves the screenshot NAME and prints the box's id.
wait_error_box() {
    local box
    box=$(wait_box) || return 1
    screenshot "$1"
    echo "$box"
}

# Dismisses the error box BOX with Enter; the program must still run. Says what went wrong.
dismiss_error_box() {
    xdotool windowfocus --sync "$1" 2>/dev/null
    xdotool key Return
    wait_until 5 box_gone ||
        { echo "Enter did not dismiss the error box"; return 1; }
    app_running || { echo "the program ended"; return 1; }
}

test_typed_name_and_enter_launch_and_record() {
    local name=typed_name_and_enter_launch_and_record
    seed_launch_folder typed zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text a
    press Return
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = "from-a 日本語" ] || { fail $name "launched '$(launched)'"; return; }
    local directory
    directory=$(cut -f3 "$RECORDS" | tr -d '\r')
    [ "$directory" = "$(winpath "$TOOLS")" ] || { fail $name "working directory '$directory'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "a zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

test_several_names_launch_in_order() {
    local name=several_names_launch_in_order
    seed_launch_folder several zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text 'a;b'
    press Return
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 2 || { fail $name "launched '$(launched)'"; return; }
    [ "$(launched | tr '\n' '|')" = "from-a 日本語|from-b|" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | head -1)" = "a;b" ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

test_ctrl_enter_launches_without_recording() {
    local name=ctrl_enter_launches_without_recording
    seed_launch_folder ctrl zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text b
    press ctrl+Return
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = "from-b" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

test_list_pick_and_enter() {
    local name=list_pick_and_enter why
    seed_launch_folder pick a b c
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    click_client 30 $((21 + 12 * 2 + 6))  # the third row, c
    why=$(wait_state edit1 c) || { fail $name "$why"; return; }
    press Return
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = "from-c" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "c a b " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

test_esc_closes_without_launching() {
    local name=esc_closes_without_launching
    seed_launch_folder esc zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text a
    press Escape
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    [ -z "$(launched)" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

# The error box is a second window of the program; once it is dismissed the main window
# still holds the text, so that the user can mend the name and confirm again.
test_missing_shortcut_stops_at_the_error() {
    local name=missing_shortcut_stops_at_the_error box why
    seed_launch_folder missing zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text 'a;missing;b'
    press Return
    box=$(wait_error_box error-box) || { fail $name "no error box"; return; }
    [ "$(app_windows | wc -l)" -ge 2 ] || { fail $name "the error box is not the program's own window"; return; }
    why=$(dismiss_error_box "$box") || { fail $name "$why"; return; }
    [ "$(launched)" = "from-a 日本語" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(state_value edit1)" = "a;missing;b" ] || { fail $name "Edit1 holds '$(state_value edit1)'"; return; }
    [ "$(state_value focus)" = Edit1 ] || { fail $name "the focus went to $(state_value focus), not back to Edit1"; return; }

    # Mended: the same text now launches all three and is recorded.
    make_link "$FOLDER" missing "$TOOLS/recorder.exe" "from-missing"
    press Return
    wait_exit 10 || { fail $name "the window stayed open after the mend"; return; }
    wait_lines "$RECORDS" 4 || { fail $name "launched '$(launched)'"; return; }
    [ "$(launched | tr '\n' '|')" = "from-a 日本語|from-a 日本語|from-missing|from-b|" ] ||
        { fail $name "launched '$(launched | tr '\n' '|')'"; return; }
    [ "$(history_of | head -1)" = "a;missing;b" ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

# Enter on a focused button clicks that button, not the default one.
test_enter_on_a_focused_button_clicks_it() {
    local name=enter_on_a_focused_button_clicks_it why
    seed_launch_folder focused zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text a
    press Tab Tab Tab  # ListBox1, okButton, hozonsezuOKbutton
    why=$(wait_state focus hozonsezuOKbutton) || { fail $name "$why"; return; }
    press Return
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = "from-a 日本語" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | tr '\n' ' ')" = "zeta " ] || { fail $name "recorded: '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

# The middle button on any push button launches through okButton.
test_middle_click_launches() {
    local name=middle_click_launches
    seed_launch_folder middle zeta
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text b
    middle_click_to_launch 214 64 || { fail $name "the window stayed open"; return; }  # delButton
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = "from-b" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(history_of | head -1)" = "b" ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}

# A shortcut whose target has gone is refused by the shell: the names to its left have
# started, the error box names the shortcut and gives the system's reason, and the window
# stays with its text; nothing is recorded (Esc then closes, and the history is as it was).
test_refused_launch_stops_at_the_error() {
    local name=refused_launch_stops_at_the_error box text why
    seed_launch_folder refused zeta
    cp "$TOOLS/recorder.exe" "$TOOLS/gone.exe"
    make_link "$FOLDER" gone "$TOOLS/gone.exe"
    rm "$TOOLS/gone.exe"
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    type_text 'a;gone'
    press Return
    box=$(wait_error_box refused-box) || { fail $name "no error box"; return; }
    text=$(wine "$GUI_BIN/winclient.exe" --error-box 2>>"$GUI_OUT/tools.log" | tr -d '\r' | sed -n 's/^errorbox=//p')
    [ "${text%%|*}" = "$(winpath "$FOLDER/gone.lnk")" ] || { fail $name "the box says '$text'"; return; }
    [ -n "${text#*|}" ] && [ "${text#*|}" != "$text" ] || { fail $name "no reason after the path: '$text'"; return; }
    why=$(dismiss_error_box "$box") || { fail $name "$why"; return; }
    [ "$(launched)" = "from-a 日本語" ] || { fail $name "launched '$(launched)'"; return; }
    [ "$(state_value edit1)" = "a;gone" ] || { fail $name "Edit1 holds '$(state_value edit1)'"; return; }
    press Escape
    wait_exit 10 || { fail $name "Esc did not close the window"; return; }
    [ "$(history_of | tr '\n' ' ')" = "zeta " ] || { fail $name "history '$(history_of | tr '\n' ' ')'"; return; }
    pass $name
}
