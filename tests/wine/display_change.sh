#!/usr/bin/env bash
# The display shrinks while the program runs (Xephyr nested in Xvfb, resized with xrandr): a
# note that now sticks out past the new right edge is pulled back onto the screen by the snap
# tick: the program does not hold on to the monitors it knew before, even where (as under
# Wine) no WM_DISPLAYCHANGE tells it.
source "$(dirname "$0")/lib.sh"
need_tools Xephyr xrandr
setup

start_xephyr -resizeable -screen 1920x1080

note=$(note_caption 1)
mkdir -p "$DATA_DIR"
# 1500 pixels (22500 twips) from the left: well inside 1920, out of every edge's reach.
write_expected_note "$DATA_DIR/0.txt" 22500 6000 右 牛乳
start_app '/*'
app=$LAST_PID
assert_window --visible "$note" 15000 >/dev/null
assert_rect "$note" "1500,400-1724,432" "the note stays where it was saved"

check "the display shrinks to 1600x1200"
xrandr -s 1600x1200 >/dev/null 2>&1 || skip "this Xephyr cannot be resized"
# The snap tick runs every 500 ms and learns of the new screen within a second.
for ((i = 0; i < 25; i++)); do
  [[ $(rect_of "$(probe find "$note" | head -n 1)") == "1376,400-1600,432" ]] && break
  sleep 0.2
done
assert_rect "$note" "1376,400-1600,432" "the note flush with the new right edge"
assert_running "$app" "the program"
