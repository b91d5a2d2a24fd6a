#!/usr/bin/env bash
# "/N" on a first start opens a new note in its details view at the top right of the screen,
# with the caret in its title. Typing a Japanese title and two lines of details and pressing
# "保存" writes 0.txt byte for byte as expected (code page 932, CR LF) and collapses the note
# in place: topmost, translucent. Three more "/N" give three notes at three places.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
start_app /N
app=$LAST_PID
line=$(assert_window --visible "$note1" 15000)
assert_eq "$note1" "$(field "$line" 5)" "the new note's caption"
assert_eq 1 "$(count_windows --visible "$note1")" "exactly one note is shown"
assert_rect "$note1" "1487,0-1920,346" "the new note's details view at the top right"
for text in 保存 ｷｬﾝｾﾙ 半透明 常に手前表示; do
  check "the details view shows '$text'"
  child_line "$note1" "$text" >/dev/null
done
assert_dir_holds "$DATA_DIR" ""

fill_new_note "$note1" 買い物 $'牛乳\nパン'
assert_eq 買い物 "$(control_text "$(title_box_line "$note1")")" \
  "the title box took the typed title (it had the caret)"
assert_eq '牛乳\r\nパン' "$(control_text "$(details_box_line "$note1")")" \
  "the details box holds two lines"
assert_dir_holds "$DATA_DIR" ""

click_control "$note1" 保存
check "0.txt is written"
wait_file "$DATA_DIR/0.txt" 10 || fail "no 0.txt after saving"
sleep 0.3
write_expected_note "$ZLT_TMP/expected.txt" 25440 0 買い物 牛乳 パン
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/expected.txt" "0.txt holds exactly the saved note"
assert_dir_holds "$DATA_DIR" "0.txt"
assert_collapsed_note "$note1" "1696,0-1920,32"
assert_running "$app" "the program"

# Three "/N" in a row, forwarded: each new note opens one step below the one before instead of
# exactly on it (500 twips, 33 or 34 pixels, below the place a note last pressed would give).
for n in 2 3 4; do
  start_app /N
  assert_ends_within "$LAST_PID" 15 "the second start $n"
  assert_window --visible "$(note_caption "$n")" 15000 >/dev/null
done
read -r top2 top3 top4 <<<"$(for n in 2 3 4; do field "$(probe find "$(note_caption "$n")" | head -n 1)" 7; done | xargs)"
say "tops of the three new notes: $top2 $top3 $top4"
assert_near 33 "$top2" 1 "the first new note's top"
assert_near 33 "$((top3 - top2))" 1 "the second new note below the first"
assert_near 33 "$((top4 - top3))" 1 "the third new note below the second"
