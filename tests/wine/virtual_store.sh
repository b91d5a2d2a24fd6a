#!/usr/bin/env bash
# An application folder the user cannot write (as under C:\Program Files): the notes go to
# the same place under the user's VirtualStore, and the next start with "/*" finds them there.
source "$(dirname "$0")/lib.sh"
setup

lock_dir "$APP_DIR"
store="$WINEPREFIX/drive_c/users/$WIN_USER/AppData/Local/VirtualStore/ZLTFusen/$WIN_USER"
note1=$(note_caption 1)
start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
fill_new_note "$note1" 倉庫 $'ここに\n残る'
click_control "$note1" 保存
wait_file "$store/0.txt" 10 || fail "no 0.txt in $store"
sleep 0.3
write_expected_note "$ZLT_TMP/expected.txt" 25440 0 倉庫 ここに 残る
assert_same_bytes "$store/0.txt" "$ZLT_TMP/expected.txt" "the VirtualStore holds the note"
assert_dir_holds "$APP_DIR" "ZLTFusen.exe"
check "no message box: the save went through"
boxes=$(probe list | awk -F '\t' '$3 == 1 && $4 == "#32770"')
[[ -z $boxes ]] || fail "a message box appeared: $boxes"

open_note_menu "$note1" >/dev/null
choose_menu_item "全てのメモを隠す（アラーム無効）"
assert_ends_within "$app" 10 "the program after closing every note"

start_app '/*'
assert_window --visible "$note1" 15000 >/dev/null
assert_eq 倉庫 "$(control_text "$(title_box_line "$note1")")" "the note came back from the VirtualStore"
