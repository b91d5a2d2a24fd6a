#!/usr/bin/env bash
# "画面右上に整列" on 1920x1080 lines the three notes up at the right edge, 500 twips apart,
# the hidden one too (it stays hidden and keeps its place in the column); each file holds its
# note's new place.
source "$(dirname "$0")/lib.sh"
setup

# Waits up to 5 s for the window to be hidden (the menu command runs after the menu closes).
wait_hidden() {
  local i
  for ((i = 0; i < 25; i++)); do
    [[ $(field "$(probe find "$1" | head -n 1)" 3) == 0 ]] && return 0
    sleep 0.2
  done
  return 1
}

note1=$(note_caption 1)
note2=$(note_caption 2)
note3=$(note_caption 3)

mkdir -p "$DATA_DIR"
write_expected_note "$DATA_DIR/0.txt" 3000 6000 買い物 牛乳
write_expected_note "$DATA_DIR/1.txt" 9000 3000 電話 歯医者
write_expected_note "$DATA_DIR/2.txt" 15000 9000 会議 三時

start_app '/*'
app=$LAST_PID
assert_window --visible "$note3" 15000 >/dev/null
assert_rect "$note2" "600,200-824,232" "note 2 where its file puts it"

open_note_menu "$note2" >/dev/null
choose_menu_item "このメモを隠す（アラーム有効）"
check "note 2 is hidden"
wait_hidden "$note2" || fail "note 2 is still shown"

open_note_menu "$note3" >/dev/null
choose_menu_item "画面右上に整列"
# 28800 - 3360 = 25440 twips = 1696 px; Tops 0, 500, 1000 twips = 0, 33, 67 px.
assert_rect "$note1" "1696,0-1920,32" "note 1 at the top right"
assert_rect "$note2" "1696,33-1920,65" "note 2 next, hidden in its place"
assert_rect "$note3" "1696,67-1920,99" "note 3 below the gap"
line=$(probe find "$note2" | head -n 1)
assert_eq 0 "$(field "$line" 3)" "note 2 stays hidden"

write_expected_note "$ZLT_TMP/expected0.txt" 25440 0 買い物 牛乳
write_expected_note "$ZLT_TMP/expected1.txt" 25440 495 電話 歯医者
write_expected_note "$ZLT_TMP/expected2.txt" 25440 1005 会議 三時
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/expected0.txt" "0.txt holds note 1's new place"
assert_same_bytes "$DATA_DIR/1.txt" "$ZLT_TMP/expected1.txt" "1.txt holds note 2's new place"
assert_same_bytes "$DATA_DIR/2.txt" "$ZLT_TMP/expected2.txt" "2.txt holds note 3's new place"
assert_running "$app" "the program after arranging"
