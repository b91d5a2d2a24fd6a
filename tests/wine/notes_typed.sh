#!/usr/bin/env bash
# Notes typed by hand, in one prefix, from the first "/N" to the Recycle Bin.
# 1. "/N" opens a note in its details view at the top right, caret in its title; "保存" writes
#    0.txt byte for byte (code page 932, CR LF) and collapses it, topmost and translucent. New
#    notes open 500 twips below the note pressed last, one step further past a note already
#    standing there, from a forwarded "/N" and from "新規メモ" alike. A title code page 932
#    cannot hold is saved as UTF-16 and comes back whole; a save into a folder that stops
#    taking files says so, names the file and keeps the note open with its text, as does a
#    close request; once the folder takes files the same save goes through. A 2 MiB forwarded
#    payload costs nothing; a forwarded "/S" shows the information window, whose web address
#    goes to the browser and only hides it while notes are open (what "OK" does the behaviour
#    tests check); the end of the session writes a typed note that was never saved, where it
#    stands collapsed.
# 2. "/*" brings every note back collapsed where it was; "全てのメモを隠す（アラーム無効）" saves
#    every note (the same bytes) and ends the program.
# 3. "このメモを消す" asks first: No keeps note and file; Yes moves the file to the Recycle Bin
#    (under Wine the freedesktop trash); deleting the last note ends the program. Files put back
#    come back with "/*", and "全てのメモを消す" sends them all to the trash again.
# 4. In a folder the user cannot write (as under C:\Program Files) the notes go to the same
#    place under the user's VirtualStore, and the next "/*" finds them there.
source "$(dirname "$0")/lib.sh"
setup

# The trash of this test alone. No Wine process runs yet: the first one (and the wineserver it
# starts) takes the variable with it.
export XDG_DATA_HOME="$ZLT_TMP/xdg"
mkdir -p "$XDG_DATA_HOME"
TRASH="$XDG_DATA_HOME/Trash"

# The file lies in the trash with the note's bytes, and its record names the note's place:
#   assert_in_trash <name> <file of the expected bytes> <what>
assert_in_trash() {
  assert_same_bytes "$TRASH/files/$1" "$2" "$3: $1 is in the trash with its bytes"
  check "$3: the trash records where $1 lay"
  grep -q "^Path=.*/ZLTFusen/$WIN_USER/$1$" "$TRASH/info/$1.trashinfo" ||
    fail "$3: $TRASH/info/$1.trashinfo holds: $(cat "$TRASH/info/$1.trashinfo" 2>&1)"
}
# Presses <note>, which makes it "the note last pressed" (the menu itself is not needed), then
# a forwarded "/N" opens <new>: new_below <note> <new>
new_below() {
  open_note_menu "$1" >/dev/null
  dismiss_menu
  forward "$2" /N
}
# The display options in the form the press that opens a note's menu stores them.
pressed_form() { sed 's/^Temae=1\r$/Temae=True\r/; s/^Toumei=1\r$/Toumei=True\r/' "$1" >"$2"; }

note1=$(note_caption 1) note2=$(note_caption 2) note3=$(note_caption 3) note4=$(note_caption 4)
note_file "$ZLT_TMP/0.expected" 25440 0 1 1 買い物 牛乳 パン
note_file "$ZLT_TMP/1.expected" 25440 495 1 1 電話 歯医者 午後三時
emoji='寿司🍣 한글'
{ printf '\xff\xfe'; printf '%s\r\n' "[ZLT付箋紙プラグイン]" Alarm=0 AlarmMusic=0 Date=0000/00/00 \
  Time0=00 Time1=00 Left=25440 Top=990 Temae=1 Toumei=1 "Title=$emoji" txtData=お品書き |
  iconv -f UTF-8 -t UTF-16LE; } >"$ZLT_TMP/2.expected"
# Written where the note stands collapsed (its details view stands 3135 twips further left).
note_file "$ZLT_TMP/3.expected" 25440 1500 1 1 会議 午前十時 三階

start_for "$note1" /N
assert_eq 1 "$(count_windows "$note1" visible)" "exactly one note is shown"
assert_rect "$note1" "1487,0-1920,346" "the new note's details view at the top right"
for text in 保存 ｷｬﾝｾﾙ 半透明 常に手前表示; do
  child_line "$note1" "$text" >/dev/null && check "the details view shows '$text'"
done
# The title box had the caret: what is typed lands there, then in the details box, and the
# file holds both whole.
save_new_note "$note1" "$DATA_DIR/0.txt" 買い物 $'牛乳\nパン'
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/0.expected" "0.txt holds exactly the saved note"
assert_note "$note1" "1 1 1 150" "1696,0-1920,32"

new_below "$note1" "$note2"
assert_rect "$note2" "1487,33-1920,379" "note 2 from a forwarded /N, 500 twips below note 1"
save_new_note "$note2" "$DATA_DIR/1.txt" 電話 $'歯医者\n午後三時'
assert_note "$note2" "1 1 1 150" "1696,33-1920,65"
assert_same_bytes "$DATA_DIR/1.txt" "$ZLT_TMP/1.expected" "1.txt holds note 2"

note_menu "$note2" 新規メモ
assert_window --visible "$note3" 10000 >/dev/null
assert_rect "$note3" "1487,66-1920,412" "note 3 from 新規メモ, below note 2"

fill_new_note "$note3" "$emoji" お品書き
lock_dir "$DATA_DIR"
click_control "$note3" 保存
box=$(answer_msgbox yes 10000)
assert_eq "$ZLT_CONTROLLER_CAPTION" "$(field "$box" 1)" "the message box's title"
check "the message names the file"
[[ $(field "$box" 2) == *"C:\\ZLTFusen\\$WIN_USER\\2.txt"* ]] || fail "message: $(field "$box" 2)"
# Still open with its text: once the folder takes files, the same save writes it whole.
assert_rect "$note3" "1487,66-1920,412" "the note still in its details view"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt"
check "a close request that cannot save keeps the note"
probe post-close "$note3" >/dev/null || fail "could not ask the note to close"
box=$(answer_msgbox yes 10000)
[[ $(field "$box" 2) == *2.txt* ]] || fail "message: $(field "$box" 2)"
assert_window --visible "$note3" 2000 >/dev/null
assert_running "$APP" "the program"
unlock_dir "$DATA_DIR"
click_control "$note3" 保存
assert_saved "$DATA_DIR/2.txt" 10 "保存 once the folder takes files again"
assert_same_bytes "$DATA_DIR/2.txt" "$ZLT_TMP/2.expected" "2.txt holds the note in UTF-16LE with its byte-order mark"

# Note 4 below note 1, pressed last, one step further past notes 2 and 3: its file (3.txt) says
# where it went.
new_below "$note1" "$note4"
fill_new_note "$note4" 会議 $'午前十時\n三階'

check "a 2 MiB payload is sent to the controller window"
# Wine cannot deliver it: the program's GetMessageW fails on it and the sender waits until it
# gives up (here: is stopped after 3 s). Windows delivers it and the program ignores it.
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 timeout 3 wine "$ZLT_PROBE" copydata \
  "$ZLT_CONTROLLER_CAPTION" '*2097152' >/dev/null 2>>"$ZLT_TMP/probe.log" || true
assert_running "$APP" "the program after the payload"
assert_eq 1 "$(count_windows "$note4" visible)" "the unsaved note is still shown"

# Forwarded commands still work. The web address: the shell opens it with the browser Wine is
# told to use (here a script that writes down what it was given), and the window hides in the
# same click while notes are open.
browser="$ZLT_TMP/browser.sh"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$ZLT_TMP/opened.txt" >"$browser"
chmod +x "$browser"
reg_set 'HKCU\Software\Wine\WineBrowser' Browsers "$browser"
forward "$ZLT_CONTROLLER_CAPTION" /S
address=$(probe children "$ZLT_CONTROLLER_CAPTION" | awk -F '\t' 'index($3, "https://") == 1 { print $3 }')
[[ -n $address ]] || fail "no control shows a web address"
click_control "$ZLT_CONTROLLER_CAPTION" "$address"
sleep 0.5
assert_eq "0 1 1" "$(count_windows "$ZLT_CONTROLLER_CAPTION" visible) $(count_windows "$ZLT_CONTROLLER_CAPTION") \
$(count_windows "$note1" visible)" "the information window hidden after the address click, not gone; note 1 still shown"
check "the browser is given $address"
wait_file "$ZLT_TMP/opened.txt" 15 || fail "the browser was never started"
sleep 0.5
assert_eq "$address" "$(cat "$ZLT_TMP/opened.txt")" "what the browser was given"
assert_running "$APP" "the program"

probe end-session "$note4" >/dev/null || fail "the end-session messages were not answered"
assert_saved "$DATA_DIR/3.txt" 10 "the typed note answers the end of the session"
assert_same_bytes "$DATA_DIR/3.txt" "$ZLT_TMP/3.expected" "3.txt holds the unsaved note"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt 2.txt 3.txt"
stop_wine

# 2. Back with "/*", collapsed where they were; the way out saves each as it stands.
start_for "$note4" '/*'
assert_note "$note1" "1 1 1 150" "1696,0-1920,32"
assert_note "$note2" "1 1 1 150" "1696,33-1920,65"
assert_eq "買い物|電話|$emoji|会議" "$(titles_of "$note1" "$note2" "$note3" "$note4")" \
  "notes 1 to 4 hold the titles of 0.txt to 3.txt, the UTF-16 one intact"
assert_eq 0 "$(count_windows "$(note_caption 5)")" "no fifth note"
hide_all_and_end "$note2"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt 2.txt 3.txt"
# Closing writes the collapsed place as it is: the same bytes as the save from the details.
for i in 0 1 2; do
  assert_same_bytes "$DATA_DIR/$i.txt" "$ZLT_TMP/$i.expected" "$i.txt after hiding all (2.txt still UTF-16)"
done

# 3. Deleting, with two notes.
rm "$DATA_DIR/2.txt" "$DATA_DIR/3.txt"
start_for "$note2" '/*'
ask_text="この付箋紙データを削除します。よろしいですか"
note_menu "$note2" このメモを消す
answer=$(answer_msgbox no 5000)
assert_eq "付箋紙削除確認	$ask_text" "$(cut -f 1,2 <<<"$answer")" "the question's title and text"
sleep 0.5
assert_eq 1 "$(count_windows "$note2" visible)" "note 2 is still shown after No"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt"
# The press that opened the menu stores the display options in their other form; that is all.
pressed_form "$ZLT_TMP/1.expected" "$ZLT_TMP/1.pressed"
assert_same_bytes "$DATA_DIR/1.txt" "$ZLT_TMP/1.pressed" "1.txt keeps the note after No"
assert_eq "" "$(ls -A "$TRASH/files" 2>/dev/null)" "No puts nothing in the trash"

note_menu "$note2" このメモを消す
answer=$(answer_msgbox yes 5000)
assert_eq "$ask_text" "$(field "$answer" 2)" "the question's text, second time"
assert_soon 5 0 "no window captioned '$note2' after Yes" count_windows "$note2"
assert_dir_holds "$DATA_DIR" "0.txt"
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/0.expected" "0.txt is untouched by deleting note 2"
# The close before the delete writes the note as it shows: the options in their first form.
assert_in_trash 1.txt "$ZLT_TMP/1.expected" "Yes on note 2"
assert_eq 1 "$(count_windows "$note1" visible)" "note 1 is still shown"
assert_running "$APP" "the program with one note left"
note_menu "$note1" このメモを消す
answer_msgbox yes 5000 >/dev/null
assert_ends_within "$APP" 10 "the program after deleting its last note"
assert_dir_holds "$DATA_DIR" ""
assert_in_trash 0.txt "$ZLT_TMP/0.expected" "Yes on the last note"
assert_dir_holds "$TRASH/files" "0.txt 1.txt"

# Put back from the trash as a file manager does, with the program not running.
mv "$TRASH/files/0.txt" "$TRASH/files/1.txt" "$DATA_DIR/"
rm "$TRASH/info/0.txt.trashinfo" "$TRASH/info/1.txt.trashinfo"
start_for "$note2" '/*'
assert_eq "買い物|電話" "$(titles_of "$note1" "$note2")" "notes 1 and 2 are back with their titles"
note_menu "$note1" 全てのメモを消す
answer=$(answer_msgbox yes 5000)
assert_eq "全ての付箋紙データを削除します。よろしいですか" "$(field "$answer" 2)" "the question for all notes"
assert_ends_within "$APP" 10 "the program after deleting every note"
assert_dir_holds "$DATA_DIR" ""
assert_dir_holds "$TRASH/files" "0.txt 1.txt"
# Deleting every note saves none first: the files as they lay, 0.txt with the options the
# press that opened the menu stored.
pressed_form "$ZLT_TMP/0.expected" "$ZLT_TMP/0.pressed"
assert_in_trash 0.txt "$ZLT_TMP/0.pressed" "全てのメモを消す"
assert_in_trash 1.txt "$ZLT_TMP/1.expected" "全てのメモを消す"

# 4. A folder the program cannot write.
app_folder ReadOnly
lock_dir "$APP_DIR"
store="$WINEPREFIX/drive_c/users/$WIN_USER/AppData/Local/VirtualStore/ReadOnly/$WIN_USER"
start_for "$note1" /N
save_new_note "$note1" "$store/0.txt" 倉庫 $'ここに\n残る'
assert_note_file "$store/0.txt" "the VirtualStore holds the note" 25440 0 1 1 倉庫 ここに 残る
assert_dir_holds "$APP_DIR" "ZLTFusen.exe"
hide_all_and_end "$note1"
start_for "$note1" '/*'
assert_eq 倉庫 "$(title_of "$note1")" "the note came back from the VirtualStore"
