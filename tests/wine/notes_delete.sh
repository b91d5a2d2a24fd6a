#!/usr/bin/env bash
# "このメモを消す" asks first: No keeps the note and its file; Yes closes the note and moves its
# file to the Recycle Bin (under Wine the freedesktop trash); deleting the last open note ends
# the program. Files put back from the trash come back with "/*", and "全てのメモを消す" sends
# them all to the trash again.
source "$(dirname "$0")/lib.sh"
setup

# The trash of this test alone. No Wine process runs yet: the first one (and the wineserver it
# starts) takes the variable with it.
export XDG_DATA_HOME="$ZLT_TMP/xdg"
mkdir -p "$XDG_DATA_HOME"
TRASH="$XDG_DATA_HOME/Trash"

# The file lies in the trash with the note's bytes, and its record names the note's place.
assert_in_trash() {
  local name=$1 bytes=$2 what=$3
  assert_same_bytes "$TRASH/files/$name" "$bytes" "$what: $name is in the trash with its bytes"
  check "$what: the trash records where $name lay"
  grep -q "^Path=.*/ZLTFusen/$WIN_USER/$name$" "$TRASH/info/$name.trashinfo" ||
    fail "$what: $TRASH/info/$name.trashinfo holds: $(cat "$TRASH/info/$name.trashinfo" 2>&1)"
}

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
check "No puts nothing in the trash"
[[ ! -e $TRASH/files || -z $(ls -A "$TRASH/files") ]] ||
  fail "the trash holds: $(ls -A "$TRASH/files")"

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
# The close before the delete writes the note as it shows: the options in their first form.
write_expected_note "$ZLT_TMP/1.closed" 25440 495 電話 歯医者 午後三時
assert_in_trash 1.txt "$ZLT_TMP/1.closed" "Yes on note 2"
assert_eq 1 "$(count_windows --visible "$note1")" "note 1 is still shown"
assert_running "$app" "the program with one note left"

# The last note: Yes ends the program and leaves no note file.
open_note_menu "$note1" >/dev/null
choose_menu_item このメモを消す
answer_msgbox yes 5000 >/dev/null
assert_ends_within "$app" 10 "the program after deleting its last note"
assert_dir_holds "$DATA_DIR" ""
write_expected_note "$ZLT_TMP/0.closed" 25440 0 買い物 牛乳 パン
assert_in_trash 0.txt "$ZLT_TMP/0.closed" "Yes on the last note"
assert_dir_holds "$TRASH/files" "0.txt 1.txt"

# Put back from the trash as a file manager does, with the program not running.
mv "$TRASH/files/0.txt" "$TRASH/files/1.txt" "$DATA_DIR/"
rm "$TRASH/info/0.txt.trashinfo" "$TRASH/info/1.txt.trashinfo"
start_app '/*'
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
assert_window --visible "$note2" 10000 >/dev/null
assert_eq 買い物 "$(control_text "$(title_box_line "$note1")")" "note 1 is back with its title"
assert_eq 電話 "$(control_text "$(title_box_line "$note2")")" "note 2 is back with its title"

# Every note at once: both files go to the trash again, and the program ends.
open_note_menu "$note1" >/dev/null
choose_menu_item 全てのメモを消す
answer=$(answer_msgbox yes 5000)
assert_eq "全ての付箋紙データを削除します。よろしいですか" "$(field "$answer" 2)" "the question for all notes"
assert_ends_within "$app" 10 "the program after deleting every note"
assert_dir_holds "$DATA_DIR" ""
assert_dir_holds "$TRASH/files" "0.txt 1.txt"
# Deleting every note saves none first: the files as they lay, 0.txt with the options the
# press that opened the menu stored.
sed 's/^Temae=1\r$/Temae=True\r/; s/^Toumei=1\r$/Toumei=True\r/' "$ZLT_TMP/0.closed" >"$ZLT_TMP/0.pressed"
assert_in_trash 0.txt "$ZLT_TMP/0.pressed" "全てのメモを消す"
assert_in_trash 1.txt "$ZLT_TMP/1.closed" "全てのメモを消す"
