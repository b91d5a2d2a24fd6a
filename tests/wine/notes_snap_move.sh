#!/usr/bin/env bash
# Snap and Shift+drag: a note 150 twips from the left edge is pulled flush to it by the next
# half-second tick; Shift+drag moves the note with the mouse and stores "Left" and "Top";
# "画面端に吸着させる" turns snapping off and stores "False" in ZLTFusen.ini, after which a note
# dragged near the edge stays where it was put.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
mkdir -p "$DATA_DIR"
# 150, 6000 twips: 10, 400 pixels.
write_expected_note "$DATA_DIR/0.txt" 150 6000 吸着 牛乳

start_app '/*'
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
started=$(date +%s%N)
check "the note is pulled to the left edge"
wait_rect "$note1" "0,400-224,432" || fail "the note stands at $(window_rect "$note1")"
elapsed=$((($(date +%s%N) - started) / 1000000))
say "snapped after ${elapsed} ms (one tick is 500 ms; asking the probe takes some too)"
((elapsed < 2000)) || fail "the snap took ${elapsed} ms"
assert_file_has "$DATA_DIR/0.txt" "Left=150" # the snap itself stores nothing

check "Shift+drag moves the note by the mouse's way"
sleep 0.5 # X maps and paints the note a moment after Wine shows it
probe shiftdrag 8 416 608 516 >/dev/null || fail "could not drag"
assert_rect "$note1" "600,500-824,532" "the note where it was dragged"
for ((i = 0; i < 30; i++)); do
  read_cp932 "$DATA_DIR/0.txt" | grep -qx "Left=9000" && break
  sleep 0.1
done
assert_file_has "$DATA_DIR/0.txt" "Left=9000"
assert_file_has "$DATA_DIR/0.txt" "Top=7500"
assert_file_has "$DATA_DIR/0.txt" "Title=吸着"

open_note_menu "$note1" >/dev/null
choose_menu_item "画面端に吸着させる"
check "ZLTFusen.ini holds Kyuchaku=False"
wait_file "$DATA_DIR/ZLTFusen.ini" 5 || fail "no ZLTFusen.ini"
sleep 0.3
assert_file_has "$DATA_DIR/ZLTFusen.ini" "Kyuchaku=False"
assert_file_has "$DATA_DIR/ZLTFusen.ini" "[ZLT付箋紙プラグイン]"

check "with snapping off a note near the edge stays"
probe shiftdrag 608 516 13 516 >/dev/null || fail "could not drag"
assert_rect "$note1" "5,500-229,532" "the note 5 pixels from the edge"
sleep 1.2
assert_rect "$note1" "5,500-229,532" "the note still 5 pixels from the edge"
assert_file_has "$DATA_DIR/0.txt" "Left=75"
assert_running "$app" "the program"
