#!/usr/bin/env bash
# "このメモを消す" asks first: No keeps the note and its file; Yes closes the note and deletes
# its file; deleting the last open note ends the program.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
note2=$(note_caption 2)
ask_title="付箋紙削除確認"
ask_text="この付箋紙データを削除します。よろしいですか"

# Two saved notes: 0.txt (note 1) and 1.txt (note 2).
start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
fill_new_note "$note1" 買い物 $'牛乳\nパン'
click_control "$note1" 保存
wait_file "$DATA_DIR/0.txt" 10 || fail "no 0.txt after saving note 1"
assert_rect "$note1" "1696,0-1920,32" "note 1 collapsed"

line=$(open_note_menu "$note1")
check "the right press opened a popup menu window"
[[ $(field "$line" 1) == 0x* ]] || fail "unexpected menu line: $line"
choose_menu_item 新規メモ
assert_window --visible "$note2" 10000 >/dev/null
assert_rect "$note2" "1487,33-1920,379" "note 2 from the menu, below note 1"
fill_new_note "$note2" 電話 $'歯医者\n午後三時'
click_control "$note2" 保存
wait_file "$DATA_DIR/1.txt" 10 || fail "no 1.txt after saving note 2"
assert_rect "$note2" "1696,33-1920,65" "note 2 collapsed"
cp "$DATA_DIR/0.txt" "$ZLT_TMP/0.before"

# Answered No: nothing changes.
open_note_menu "$note2" >/dev/null
choose_menu_item このメモを消す
answer=$(answer_msgbox no 5000)
assert_eq "$ask_title" "$(field "$answer" 1)" "the question's title"
assert_eq "$ask_text" "$(field "$answer" 2)" "the question's text"
sleep 0.5
assert_eq 1 "$(count_windows --visible "$note2")" "note 2 is still shown after No"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt"
# The press that opened the menu stores the display options in their other form; that is all.
write_expected_note "$ZLT_TMP/1.expected" 25440 495 電話 歯医者 午後三時
sed -i 's/^Temae=1\r$/Temae=True\r/; s/^Toumei=1\r$/Toumei=True\r/' "$ZLT_TMP/1.expected"
assert_same_bytes "$DATA_DIR/1.txt" "$ZLT_TMP/1.expected" "1.txt keeps the note after No"

# Answered Yes: note 2 and 1.txt go, note 1 stays, the program runs on.
open_note_menu "$note2" >/dev/null
choose_menu_item このメモを消す
answer=$(answer_msgbox yes 5000)
assert_eq "$ask_text" "$(field "$answer" 2)" "the question's text, second time"
check "note 2's window goes"
for ((i = 0; i < 50; i++)); do
  [[ $(count_windows "$note2") == 0 ]] && break
  sleep 0.1
done
assert_eq 0 "$(count_windows "$note2")" "no window captioned '$note2' after Yes"
assert_dir_holds "$DATA_DIR" "0.txt"
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/0.before" "0.txt is untouched by deleting note 2"
assert_eq 1 "$(count_windows --visible "$note1")" "note 1 is still shown"
assert_running "$app" "the program with one note left"

# The last note: Yes ends the program and leaves no note file.
open_note_menu "$note1" >/dev/null
choose_menu_item このメモを消す
answer_msgbox yes 5000 >/dev/null
assert_ends_within "$app" 10 "the program after deleting its last note"
assert_dir_holds "$DATA_DIR" ""
