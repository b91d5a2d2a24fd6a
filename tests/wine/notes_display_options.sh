#!/usr/bin/env bash
# "全てのメモを半透明表示" makes every note translucent (alpha 150), the hidden one too, and
# stores it; "全てのメモを半透明表示解除" makes them opaque again and leaves the rest of their
# extended style alone (still tool windows: no taskbar buttons); "このメモを常に手前表示" on one
# note puts only that note in front.
source "$(dirname "$0")/lib.sh"
setup

WS_EX_TOOLWINDOW=0x80
note_file() { # <file> <Top> <title> <Temae> <Toumei>
  printf '%s\n' "[ZLT付箋紙プラグイン]" "Alarm=0" "AlarmMusic=0" "Date=0000/00/00" "Time0=00" \
    "Time1=00" "Left=9000" "Top=$2" "Temae=$4" "Toumei=$5" "Title=$3" "txtData=" | write_cp932 "$1"
}
# The note's probe line: visible (3), topmost (12), layered (13), alpha (14), extended style (16).
note_line() { probe find "$1" | head -n 1; }
# The note stands as expected (waits up to 5 s: the menu command runs after the menu closes):
#   assert_note <caption> <visible> <topmost> <layered> <alpha>
assert_note() {
  local line got ex i
  check "'$1': visible, topmost, layered, alpha are $2 $3 $4 $5"
  for ((i = 0; i < 25; i++)); do
    line=$(note_line "$1")
    got="$(field "$line" 3) $(field "$line" 12) $(field "$line" 13) $(field "$line" 14)"
    [[ $got == "$2 $3 $4 $5" ]] && break
    sleep 0.2
  done
  [[ $got == "$2 $3 $4 $5" ]] || fail "'$1': visible, topmost, layered, alpha are $got"
  ex=$(field "$line" 16)
  check "'$1' keeps WS_EX_TOOLWINDOW ($ex)"
  (((ex & WS_EX_TOOLWINDOW) != 0)) || fail "'$1' lost WS_EX_TOOLWINDOW: extended style $ex"
}

mkdir -p "$DATA_DIR"
note_file "$DATA_DIR/0.txt" 1500 一 0 0
note_file "$DATA_DIR/1.txt" 3000 二 0 0
note_file "$DATA_DIR/2.txt" 4500 三 0 0
notes=("$(note_caption 1)" "$(note_caption 2)" "$(note_caption 3)")

start_app '/*'
app=$LAST_PID
assert_window --visible "${notes[2]}" 15000 >/dev/null
for n in "${notes[@]}"; do assert_note "$n" 1 0 0 -1; done

open_note_menu "${notes[1]}" >/dev/null
choose_menu_item "このメモを隠す（アラーム有効）"
open_note_menu "${notes[0]}" >/dev/null
choose_menu_item "全てのメモを半透明表示"
assert_note "${notes[0]}" 1 0 1 150
assert_note "${notes[1]}" 0 0 1 150
assert_note "${notes[2]}" 1 0 1 150
for i in 0 1 2; do assert_file_has "$DATA_DIR/$i.txt" "Toumei=1"; done

open_note_menu "${notes[2]}" >/dev/null
choose_menu_item "全てのメモを半透明表示解除"
assert_note "${notes[0]}" 1 0 0 -1
assert_note "${notes[1]}" 0 0 0 -1
assert_note "${notes[2]}" 1 0 0 -1
for i in 0 1 2; do assert_file_has "$DATA_DIR/$i.txt" "Toumei=0"; done

open_note_menu "${notes[2]}" >/dev/null
choose_menu_item "このメモを常に手前表示"
assert_note "${notes[2]}" 1 1 0 -1
assert_note "${notes[0]}" 1 0 0 -1
assert_file_has "$DATA_DIR/2.txt" "Temae=1"
assert_file_has "$DATA_DIR/0.txt" "Temae=0"
assert_running "$app" "the program"
