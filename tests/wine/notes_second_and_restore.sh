#!/usr/bin/env bash
# A second note opens below and to the left of the note last pressed; "全てのメモを隠す（アラーム無効）"
# saves every note and ends the program; "/*" at the next start brings both back, collapsed,
# where they were.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
note2=$(note_caption 2)

start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
assert_rect "$note1" "1487,0-1920,346" "the first note's details view"
fill_new_note "$note1" 買い物 $'牛乳\nパン'
click_control "$note1" 保存
wait_file "$DATA_DIR/0.txt" 10 || fail "no 0.txt after saving the first note"
assert_rect "$note1" "1696,0-1920,32" "the first note collapsed"

# The press makes note 1 "the note last pressed"; the menu itself is not needed.
open_note_menu "$note1" >/dev/null
dismiss_menu

start_app /N
assert_ends_within "$LAST_PID" 10 "the second start with /N"
assert_window --visible "$note2" 10000 >/dev/null
assert_rect "$note2" "1487,33-1920,379" "the second note's details view, 500 twips below the first"
assert_running "$app" "the first instance"
fill_new_note "$note2" 電話 $'歯医者\n午後三時'
click_control "$note2" 保存
wait_file "$DATA_DIR/1.txt" 10 || fail "no 1.txt after saving the second note"
assert_collapsed_note "$note2" "1696,33-1920,65"
sleep 0.3
write_expected_note "$ZLT_TMP/expected1.txt" 25440 495 電話 歯医者 午後三時
assert_same_bytes "$DATA_DIR/1.txt" "$ZLT_TMP/expected1.txt" "1.txt holds the second note"

open_note_menu "$note2" >/dev/null
choose_menu_item "全てのメモを隠す（アラーム無効）"
assert_ends_within "$app" 10 "the program after hiding all notes with their alarms off"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt"
# Closing writes the collapsed place as it is: the same bytes as the save from the details.
write_expected_note "$ZLT_TMP/expected0.txt" 25440 0 買い物 牛乳 パン
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/expected0.txt" "0.txt after hiding all"
assert_same_bytes "$DATA_DIR/1.txt" "$ZLT_TMP/expected1.txt" "1.txt after hiding all"
assert_eq 0 "$(count_windows "$note1")" "no note window is left"

start_app '/*'
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
assert_window --visible "$note2" 10000 >/dev/null
assert_collapsed_note "$note1" "1696,0-1920,32"
assert_collapsed_note "$note2" "1696,33-1920,65"
assert_eq 買い物 "$(control_text "$(title_box_line "$note1")")" "note 1 holds 0.txt's title"
assert_eq 電話 "$(control_text "$(title_box_line "$note2")")" "note 2 holds 1.txt's title"
assert_eq 0 "$(count_windows "$(note_caption 3)")" "no third note"
assert_running "$app" "the program with both notes restored"
