#!/usr/bin/env bash
# A title with characters code page 932 cannot hold (an emoji, Hangul) is saved as UTF-16 with
# its byte-order mark and comes back intact at the next start.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
title='寿司🍣 한글'
start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
fill_new_note "$note1" "$title" 'お品書き'
click_control "$note1" 保存
wait_file "$DATA_DIR/0.txt" 10 || fail "no 0.txt after saving"
sleep 0.3
check "0.txt is UTF-16LE with its byte-order mark and holds the title whole"
assert_eq "fffe" "$(head -c 2 "$DATA_DIR/0.txt" | od -An -tx1 | tr -d ' \n')" "the byte-order mark"
iconv -f UTF-16 -t UTF-8 "$DATA_DIR/0.txt" | tr -d '\r' | grep -qxF "Title=$title" ||
  fail "0.txt lacks the title: $(iconv -f UTF-16 -t UTF-8 "$DATA_DIR/0.txt")"

open_note_menu "$note1" >/dev/null
choose_menu_item "全てのメモを隠す（アラーム無効）"
assert_ends_within "$app" 10 "the program after closing every note"
start_app '/*'
assert_window --visible "$note1" 15000 >/dev/null
assert_eq "$title" "$(control_text "$(title_box_line "$note1")")" "the title came back intact"
