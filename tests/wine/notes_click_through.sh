#!/usr/bin/env bash
# A plain click on a collapsed note passes through it: a window of another process beneath the
# note gets the press and the release, on the tab and on the title alike, and the note stays
# where it was, shown. Shift+click in the middle of the title puts the caret there and selects
# nothing: the key typed next goes in at that place, nothing of the title is lost, and the file
# holds the new title at once.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
title=ShoppinglistABCXYZ
mkdir -p "$DATA_DIR"
# 15000, 6000 twips: 1000, 400 pixels, not near any edge. In front but opaque: under Wine
# without a compositor a layered window shown again after hiding is now and then mapped late.
printf '%s\n' "[ZLT付箋紙プラグイン]" "Alarm=0" "AlarmMusic=0" "Date=0000/00/00" "Time0=00" \
  "Time1=00" "Left=15000" "Top=6000" "Temae=1" "Toumei=0" "Title=$title" "txtData=牛乳" |
  write_cp932 "$DATA_DIR/0.txt"

# The window beneath comes first: without a window manager X keeps the later window on top.
probe target beneath 900 350 1400 500 60000 >"$ZLT_TMP/target.log" &
ZLT_APP_PIDS+=($!)
assert_window --visible beneath 10000 >/dev/null

start_app '/*'
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
assert_rect "$note1" "1000,400-1224,432" "the note above the other window"
sleep 1 # X maps and paints the note a moment after Wine shows it

# Waits up to 2 s for the target to report a press and a release at x y.
wait_click_at() {
  local x=$1 y=$2 i
  for ((i = 0; i < 20; i++)); do
    grep -qx "down	$x	$y" "$ZLT_TMP/target.log" && grep -qx "up	$x	$y" "$ZLT_TMP/target.log" &&
      return 0
    sleep 0.1
  done
  return 1
}

# A plain click at x y passes through to the window beneath, and the note is back in its place.
# Wine (8, no compositor) now and then drops the mouse events a program injects, about one run
# in six: one more click then, never more.
click_through_at() {
  local x=$1 y=$2 try
  for try in 1 2; do
    xdotool mousemove "$x" "$y" sleep 0.6 click 1 # 0.6 s: never a double click
    wait_click_at "$x" "$y" && break
    ((try == 1)) && say "nothing arrived beneath; clicking once more"
  done
  wait_click_at "$x" "$y" || fail "the window beneath got: $(tr '\t\n' ' ;' <"$ZLT_TMP/target.log")"
  assert_rect "$note1" "1000,400-1224,432" "the note back in its place"
  assert_eq 1 "$(field "$(probe find "$note1" | head -n 1)" 3)" "the note is shown again"
}

check "a click on the tab reaches the window beneath"
click_through_at 1008 416
check "a click on the title reaches the window beneath"
click_through_at 1120 416
assert_eq "$title" "$(control_text "$(title_box_line "$note1")")" "the title is untouched"

check "Shift+click in the title, then a key"
sleep 0.6
probe click 1090 416 shift >/dev/null || fail "could not Shift+click"
sleep 0.3
probe type Q >/dev/null || fail "could not type"
got=""
for ((i = 0; i < 20; i++)); do
  got=$(control_text "$(title_box_line "$note1")")
  [[ $got != "$title" ]] && break
  sleep 0.1
done
say "title now '$got'"
assert_eq "$title" "${got/Q/}" "the title lost nothing"
prefix=${got%%Q*}
((${#prefix} > 0 && ${#prefix} < ${#title})) || fail "Q went in at ${#prefix}, not inside the title: '$got'"
assert_file_has "$DATA_DIR/0.txt" "Title=$got"
assert_rect "$note1" "1000,400-1224,432" "the note stays in place"
assert_running "$app" "the program"
