#!/usr/bin/env bash
# A data folder that stops taking files while a note is typed: "保存" shows a message box with
# the file and the system's reason and leaves the note open in its details view with its text;
# a close request does the same. Once the folder takes files again, the same save goes through.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
fill_new_note "$note1" 買い物 $'牛乳\nパン'
lock_dir "$DATA_DIR"

click_control "$note1" 保存
box=$(answer_msgbox yes 10000)
assert_eq "$ZLT_CONTROLLER_CAPTION" "$(field "$box" 1)" "the message box's title"
check "the message names the file"
[[ $(field "$box" 2) == *"C:\\ZLTFusen\\$WIN_USER\\0.txt"* ]] || fail "message: $(field "$box" 2)"
assert_rect "$note1" "1487,0-1920,346" "the note still in its details view"
assert_eq 買い物 "$(control_text "$(title_box_line "$note1")")" "the title is kept"
assert_eq '牛乳\r\nパン' "$(control_text "$(details_box_line "$note1")")" "the details are kept"
assert_dir_holds "$DATA_DIR" ""

check "a close request that cannot save keeps the note"
probe post-close "$note1" >/dev/null || fail "could not ask the note to close"
box=$(answer_msgbox yes 10000)
[[ $(field "$box" 2) == *0.txt* ]] || fail "message: $(field "$box" 2)"
assert_window --visible "$note1" 2000 >/dev/null
assert_running "$app" "the program"

unlock_dir "$DATA_DIR"
click_control "$note1" 保存
wait_file "$DATA_DIR/0.txt" 10 || fail "no 0.txt once the folder takes files again"
sleep 0.3
write_expected_note "$ZLT_TMP/expected.txt" 25440 0 買い物 牛乳 パン
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/expected.txt" "0.txt holds the note"
