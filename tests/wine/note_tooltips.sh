#!/usr/bin/env bash
# Resting the real mouse pointer on a note's title box, then on its tab, shows each one's tip
# in the one tooltip window every note shares; a press hides it again.
source "$(dirname "$0")/lib.sh"
setup

mkdir -p "$DATA_DIR"
printf '%s\n' "[ZLT付箋紙プラグイン]" "Alarm=0" "AlarmMusic=0" "Date=0000/00/00" "Time0=00" \
  "Time1=00" "Left=9000" "Top=3000" "Temae=0" "Toumei=0" "Title=買い物" "txtData=" |
  write_cp932 "$DATA_DIR/0.txt"
note=$(note_caption 1)
start_app '/*'
app=$LAST_PID
assert_window --visible "$note" 15000 >/dev/null

# Waits up to 5 s for the visible tip and checks its text; prints the probe line.
# Moving from one control to the next leaves the last tip up for a moment: wait for the new one.
assert_tip() {
  local line="" i
  check "the tip '$1' shows"
  for ((i = 0; i < 25; i++)); do
    line=$(probe tooltip 0) && [[ $(field "$line" 2) == "$1" ]] && return
    sleep 0.2
  done
  fail "the tooltip shows '$(field "$line" 2)', not '$1'"
}

title_tip="ココを“Shift＋クリック”でタイトル編集、“Shift＋Wクリック”で詳細内容編集ができます。"
tab_tip="ココを“右クリック”でメニュー表示、“Shift＋ドラッグ”で移動出来ます。"
# shellcheck disable=SC2046
xdotool mousemove $(child_centre "$note" "$(child_of_class "$note" Edit 0)")
assert_tip "$title_tip"
# The tab is the note's first control: a Static at its left edge.
# shellcheck disable=SC2046
xdotool mousemove $(child_centre "$note" "$(child_of_class "$note" Static 0)")
assert_tip "$tab_tip"

# A middle press only records the note, so nothing but the tooltip reacts to it.
check "a press on the tab hides the tip"
xdotool click 2
for ((i = 0; i < 25; i++)); do
  probe tooltip 0 >/dev/null || break
  sleep 0.2
done
probe tooltip 0 >/dev/null && fail "the tip still shows after a press"
assert_running "$app" "the program"
