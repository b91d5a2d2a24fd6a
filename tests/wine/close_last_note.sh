#!/usr/bin/env bash
# WM_CLOSE on a note (as Alt+F4 or another program sends it) saves it and counts it out like
# the menu's close: the last one ends the program, and the next "/*" shows every note again.
source "$(dirname "$0")/lib.sh"
setup

mkdir -p "$DATA_DIR"
printf '%s\n' "[ZLT付箋紙プラグイン]" Alarm=0 AlarmMusic=0 Date=0000/00/00 Time0=00 Time1=00 \
  Left=9000 Top=600 Temae=0 Toumei=0 Title=一 txtData= | write_cp932 "$DATA_DIR/0.txt"
printf '%s\n' "[ZLT付箋紙プラグイン]" Alarm=0 AlarmMusic=0 Date=0000/00/00 Time0=00 Time1=00 \
  Left=9000 Top=1800 Temae=0 Toumei=0 Title=二 txtData= | write_cp932 "$DATA_DIR/1.txt"

note1=$(note_caption 1) note2=$(note_caption 2)
start_app '/*'
app=$LAST_PID
assert_window --visible "$note2" 15000 >/dev/null

probe close "$note1" >/dev/null || fail "no note 1 to close"
sleep 0.5
assert_running "$app" "the program with one note left"
assert_eq 0 "$(count_windows "$note1")" "note 1 is closed"

probe close "$note2" >/dev/null || fail "no note 2 to close"
assert_ends_within "$app" 10 "the program after its last note was closed"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt"
assert_file_has "$DATA_DIR/1.txt" "Title=二"

start_app '/*'
app=$LAST_PID
assert_window --visible "$note2" 15000 >/dev/null
assert_eq 2 "$(probe list | awk -F '\t' -v p="$ZLT_NOTE_CAPTION_PREFIX" '$3 == 1 && index($5, p) == 1 { n++ } END { print n + 0 }')" \
  "the next '/*' shows both notes"
assert_running "$app" "the restarted program"
