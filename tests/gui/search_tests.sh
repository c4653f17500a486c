# Filtering and completion in Edit1 as a person types: the field, its selection and the
# number of rows the list keeps, after each key.
# shellcheck source=tools/probe.sh
. "$GUI_LIB_DIR/tools/probe.sh"

# Each step: the keys xdotool types, then what the window must show once they are released.
test_prefix_completion_follows_each_key() {
    local name=prefix_completion_follows_each_key why dir
    dir=$(new_folder prefix)
    write_dat "$dir/veskor.dat" "$dir" Apple apricot Banana
    gui_start "$dir" || { fail $name "no window appeared"; return; }

    type_text a
    why=$(expect_window 5 edit1=Apple edit1.selected=pple list.count=2) || { fail $name "a: $why"; return; }
    screenshot completion
    type_text p
    why=$(expect_window 5 edit1=Apple edit1.selected=ple list.count=2) || { fail $name "ap: $why"; return; }
    type_text r
    why=$(expect_window 5 edit1=apricot edit1.selected=icot list.count=1) || { fail $name "apr: $why"; return; }
    # Backspace takes the selected tail away and nothing completes it again.
    press BackSpace
    why=$(expect_window 5 edit1=apr edit1.selected= list.count=1) || { fail $name "Backspace: $why"; return; }
    press BackSpace BackSpace BackSpace
    why=$(expect_window 5 edit1= list.count=3) || { fail $name "emptied: $why"; return; }

    # An upper-case letter: the release of Shift is a key release of its own, filtering
    # with the completed text; it changed nothing, so the selection stays behind the A.
    type_text A
    why=$(expect_window 5 edit1=Apple edit1.selected=pple list.count=1) || { fail $name "A: $why"; return; }
    gui_stop_app
    pass $name
}

test_partial_search_keeps_the_typed_text() {
    local name=partial_search_keeps_the_typed_text why dir
    dir=$(new_folder partial)
    write_dat "$dir/veskor.dat" "$dir" Apple apricot Banana
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    press ctrl+f
    why=$(expect_window 5 "title=$(winpath "$dir") 部分検索") || { fail $name "Ctrl+F: $why"; return; }
    type_text an
    why=$(expect_window 5 edit1=an edit1.selected= list.count=1) || { fail $name "an: $why"; return; }
    # Back in prefix mode the next key completes again, the selection behind all the
    # typed characters even though Backspace started the count over.
    press ctrl+f BackSpace
    why=$(expect_window 5 "title=$(winpath "$dir") 先頭検索" edit1=a list.count=2) || { fail $name "Ctrl+F again: $why"; return; }
    type_text p
    why=$(expect_window 5 edit1=Apple edit1.selected=ple list.count=2) || { fail $name "ap: $why"; return; }
    gui_stop_app
    pass $name
}

# Presses ("n+") and releases ("n-") keys one event at a time, as a person whose key
# presses overlap.
roll() {
    local k
    focus_app
    for k in "$@"; do
        case $k in
        *+) xdotool keydown "${k%+}" ;;
        *-) xdotool keyup "${k%-}" ;;
        esac
        sleep 0.04
    done
}

# Fast typing presses the next key before the last one is released, and a capital brings
# a Shift release of its own: the completion must start behind the typed characters.
test_overlapping_keys_complete_behind_the_typed_text() {
    local name=overlapping_keys_complete_behind_the_typed_text why dir
    dir=$(new_folder rolling)
    write_dat "$dir/veskor.dat" "$dir" notepad note notes
    gui_start "$dir" || { fail $name "no window appeared"; return; }

    roll n+ o+ n- t+ o- t-
    why=$(expect_window 5 edit1=notepad edit1.selected=epad list.count=1) || { fail $name "not: $why"; return; }
    # Selecting the whole field with Shift+Home: the Shift release keeps the selection.
    press End shift+Home
    why=$(expect_window 5 edit1=notepad edit1.selected=notepad) || { fail $name "Shift+Home: $why"; return; }
    press BackSpace
    why=$(expect_window 5 edit1= list.count=3) || { fail $name "emptied: $why"; return; }

    roll shift+ n+ shift- o+ n- o-
    why=$(expect_window 5 edit1=notepad edit1.selected=tepad list.count=1) || { fail $name "No: $why"; return; }
    type_text tepad
    why=$(expect_window 5 edit1=notepad edit1.selected= list.count=1) || { fail $name "Notepad: $why"; return; }
    gui_stop_app
    pass $name
}

# Japanese text comes from typechars.exe, as an input method commits it (see there why
# xdotool cannot type it into Wine); the Shift release that follows is a real key.
test_japanese_completion_selects_whole_characters() {
    local name=japanese_completion_selects_whole_characters why dir
    dir=$(new_folder japanese)
    write_dat "$dir/veskor.dat" "$dir" 表計算ソフト 表示 Apple
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    commit() { wine "$GUI_BIN/typechars.exe" "$1" 2>>"$GUI_OUT/tools.log"; press shift; }

    commit 表
    why=$(expect_window 5 edit1=表計算ソフト edit1.selected=計算ソフト list.count=2) || { fail $name "表: $why"; return; }
    # The second completion starts two characters in: nothing of 表示 is left to select.
    commit 示
    why=$(expect_window 5 edit1=表示 edit1.selected= list.count=1) || { fail $name "表示: $why"; return; }
    press BackSpace
    why=$(expect_window 5 edit1=表 edit1.selected= list.count=2) || { fail $name "Backspace: $why"; return; }
    gui_stop_app
    pass $name
}

# Romaji finds Japanese names, kanji included, when nothing matches as typed; the field
# keeps what was typed, Down takes the first match, and a literal match wins again.
test_romaji_finds_japanese_names() {
    local name=romaji_finds_japanese_names why dir
    dir=$(new_folder romaji)
    write_dat "$dir/veskor.dat" "$dir" メモ帳 ﾍﾟｲﾝﾄ Memo ぺいんと 印刷
    gui_start "$dir" || { fail $name "no window appeared"; return; }
    type_text peint
    why=$(expect_window 5 edit1=peint edit1.selected= list.count=2 "title=$(winpath "$dir") 先頭検索") || { fail $name "peint: $why"; return; }
    screenshot romaji
    press Down
    why=$(expect_window 5 edit1=ﾍﾟｲﾝﾄ list.caret=0) || { fail $name "Down: $why"; return; }
    press Up
    type_text me
    why=$(expect_window 5 edit1=Memo edit1.selected=mo list.count=1) || { fail $name "me: $why"; return; }
    press BackSpace BackSpace BackSpace ctrl+f
    type_text into
    why=$(expect_window 5 edit1=into edit1.selected= list.count=2) || { fail $name "partial into: $why"; return; }
    # Kanji are read from the table built into the program.
    press BackSpace BackSpace BackSpace BackSpace
    type_text satsu
    why=$(expect_window 5 edit1=satsu list.count=1) || { fail $name "partial satsu: $why"; return; }
    press Down
    why=$(expect_window 5 edit1=印刷 list.caret=0) || { fail $name "satsu, Down: $why"; return; }
    gui_stop_app
    pass $name
}
