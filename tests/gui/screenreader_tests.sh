# The history list read from another process as a screen reader reads it, through the
# accessibility interface (tools/screenreader.cpp lists what it prints): the entries'
# names, the selection and the focus, a row's place, and the events that tell of moves.
# shellcheck source=tools/probe.sh
. "$GUI_LIB_DIR/tools/probe.sh"

reader_state() { wine "$GUI_BIN/screenreader.exe" "$@" 2>>"$GUI_OUT/tools.log" | tr -d '\r'; }
# expect_window's KEY=VALUE checks against what the screen reader reads.
expect_reader() { READ_STATE=reader_state expect_window "$@"; }

# Starts the launcher in a fresh folder NAME over twelve entries: the list shows nine, so
# the last three are out of sight. Sets DIR.
start_with_entries() {
    DIR=$(new_folder "$1")
    write_dat "$DIR/veskor.dat" "$DIR" Apple 表計算ソフト "" apricot ｿﾌﾄ e6 e7 e8 e9 e10 e11 e12
    gui_start "$DIR"
}

test_screen_reader_reads_every_entry() {
    local name=screen_reader_reads_every_entry why
    start_with_entries reader || { fail $name "no window appeared"; return; }
    why=$(expect_reader 5 list.role=list list.children=12 row.1=Apple row.2=表計算ソフト row.3= row.5=ｿﾌﾄ \
        row.12=e12 row.2.role=listitem row.2.action=ダブルクリック \
        "list.state=focusable multiselectable extselectable" \
        "row.9.state=focusable selectable multiselectable extselectable" \
        "row.10.state=invisible offscreen focusable selectable multiselectable extselectable") ||
        { fail $name "loaded: $why"; return; }
    # Typing refills the list: the reader sees the matching entries only.
    type_text a
    why=$(expect_reader 5 list.children=2 row.1=Apple row.2=apricot) || { fail $name "typed a: $why"; return; }
    press BackSpace BackSpace
    why=$(expect_reader 5 list.children=12 row.2=表計算ソフト) || { fail $name "emptied: $why"; return; }
    wine "$GUI_BIN/typechars.exe" 表 2>>"$GUI_OUT/tools.log"
    press shift
    why=$(expect_reader 5 list.children=1 row.1=表計算ソフト) || { fail $name "typed 表: $why"; return; }
    gui_stop_app
    pass $name
}

# A click where the reader places a row lands on that row; after a click and a Ctrl+click
# the reader sees both rows selected and the focus on the second.
test_screen_reader_follows_a_multi_selection() {
    local name=screen_reader_follows_a_multi_selection why place
    start_with_entries readersel || { fail $name "no window appeared"; return; }
    place=$(reader_state --row 2)
    set -- $(sed -n 's/^row\.2\.location=//p' <<<"$place")
    [ $# -eq 4 ] || { fail $name "no location for row 2: $place"; return; }
    grep -qx 'row.2.hit=2' <<<"$place" || { fail $name "hit test: $place"; return; }
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) click 1
    why=$(expect_window 5 edit1=表計算ソフト) || { fail $name "click at row 2's place: $why"; return; }
    click_client 20 $((21 + 2 + 3 * 12 + 6))
    xdotool keydown ctrl
    click_client 20 $((21 + 2 + 4 * 12 + 6))
    xdotool keyup ctrl
    why=$(expect_reader 5 "list.selection=4 5" list.focus=5 "list.state=focused focusable multiselectable extselectable" \
        "row.4.state=selected focusable selectable multiselectable extselectable" \
        "row.5.state=selected focused focusable selectable multiselectable extselectable" \
        "row.2.state=focusable selectable multiselectable extselectable") || { fail $name "Ctrl+click: $why"; return; }
    # Once the field has the focus, the list tells no focus.
    press shift+Tab
    why=$(expect_reader 5 list.focus=none "list.state=focusable multiselectable extselectable") ||
        { fail $name "focus back in Edit1: $why"; return; }
    gui_stop_app
    pass $name
}

# A selection made by the screen reader counts as the user's: Edit1 follows it.
test_screen_reader_selects_as_the_user_does() {
    local name=screen_reader_selects_as_the_user_does why
    start_with_entries readerpick || { fail $name "no window appeared"; return; }
    # Take focus and selection (a click) on row 4, then add row 2 (Ctrl+click).
    [ "$(reader_state --select 4 3)" = "select=0x00000000" ] || { fail $name "accSelect refused"; return; }
    why=$(expect_window 5 edit1=apricot list.selected=1 list.caret=3) || { fail $name "take: $why"; return; }
    reader_state --select 2 8 >/dev/null
    why=$(expect_window 5 "edit1=表計算ソフト;apricot;" list.selected=2) || { fail $name "add: $why"; return; }
    why=$(expect_reader 5 "list.selection=2 4" list.focus=4) || { fail $name "read back: $why"; return; }
    # Contradicting flags (add and remove) are refused and change nothing.
    [ "$(reader_state --select 1 24)" = "select=0x80070057" ] || { fail $name "add+remove was not refused"; return; }
    why=$(expect_reader 5 "list.selection=2 4") || { fail $name "after refusal: $why"; return; }
    gui_stop_app
    pass $name
}

# The events an out-of-context hook receives: the list's own focus, then the caret's row;
# each move of the caret once, with the selection that follows it.
test_screen_reader_hears_the_caret_move() {
    local name=screen_reader_hears_the_caret_move events watcher
    start_with_entries readerevents || { fail $name "no window appeared"; return; }
    events="$DIR/events.log"
    wine "$GUI_BIN/screenreader.exe" --events 15 "$(winpath "$events")" >>"$GUI_OUT/tools.log" 2>&1 &
    watcher=$!
    wait_until 10 "grep -q '^ready' '$events' 2>/dev/null" || { fail $name "the hook was not set"; return; }
    press Down
    wait_until 5 "grep -q '^focus 1 Apple' '$events'" || { fail $name "no focus on row 1: $(tr '\n' '|' <"$events")"; return; }
    press Down
    wait_until 5 "grep -q '^focus 2 表計算ソフト' '$events'" || { fail $name "no focus on row 2: $(tr '\n' '|' <"$events")"; return; }
    press shift+Down
    wait_until 5 "grep -q '^focus 3 ' '$events'" || { fail $name "no focus on row 3: $(tr '\n' '|' <"$events")"; return; }
    sleep 0.5
    gui_stop_app
    wait "$watcher" 2>/dev/null
    local seen want
    seen=$(grep -v '^ready' "$events" | tr -d '\r' | tr '\n' '|')
    want='focus 0 |focus 1 Apple|selection 2 表計算ソフト|focus 2 表計算ソフト|selectionadd 3 |focus 3 |'
    [ "$seen" = "$want" ] || { fail $name "events '$seen', not '$want'"; return; }
    pass $name
}

# The default action is the double click: it starts the row's shortcut.
test_screen_reader_default_action_launches() {
    local name=screen_reader_default_action_launches
    seed_launch_folder readerdo zeta b c
    gui_start "$FOLDER" || { fail $name "no window appeared"; return; }
    [ "$(reader_state --do 2)" = "do=0x00000000" ] || { fail $name "accDoDefaultAction refused"; return; }
    wait_exit 10 || { fail $name "the window stayed open"; return; }
    wait_lines "$RECORDS" 1 || { fail $name "nothing was launched"; return; }
    [ "$(launched)" = "from-b" ] || { fail $name "launched '$(launched)'"; return; }
    pass $name
}

# A row whose shortcut or target is gone is unavailable to a reader, which is told why;
# the check runs by itself once the window is idle.
test_screen_reader_hears_a_gone_row() {
    local name=screen_reader_hears_a_gone_row why dir
    dir=$(new_folder readergone)
    : >"$dir/here.exe"
    : >"$dir/removed.exe"
    make_link "$dir" here "$dir/here.exe"
    make_link "$dir" notarget "$dir/removed.exe"
    rm "$dir/removed.exe"
    write_dat "$dir/veskor.dat" "$dir" here nolink notarget
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    why=$(expect_reader 10 row.1.unavailable=no row.1.description= row.2.unavailable=yes \
        row.2.description=ショートカットがありません row.3.unavailable=yes row.3.description=リンク先がありません) ||
        { fail $name "$why"; return; }
    gui_stop_app
    pass $name
}
