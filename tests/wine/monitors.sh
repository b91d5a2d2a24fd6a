#!/usr/bin/env bash
# Monitors that change, in Xephyr nested in Xvfb (../WINE.md), one prefix:
# 1. The display shrinks while the program runs (resized with xrandr): a note that now sticks
#    out past the new right edge is pulled back onto the screen by the snap tick; the program
#    does not hold on to the monitors it knew, even where (as under Wine) no WM_DISPLAYCHANGE
#    tells it.
# 2. Two monitors side by side: a note mostly on the right monitor, 5 pixels from its left edge,
#    snaps to that inner edge, not to the screen's; one well inside it stays.
source "$(dirname "$0")/lib.sh"
need_tools Xephyr xrandr
setup
note1=$(note_caption 1) note2=$(note_caption 2)
mkdir -p "$DATA_DIR"
skipped=""

# 1. 1500 pixels (22500 twips) from the left: well inside 1920, out of every edge's reach.
start_xephyr -resizeable -screen 1920x1080
note_file "$DATA_DIR/0.txt" 22500 6000 1 1 右 牛乳
start_for "$note1" '/*'
assert_rect "$note1" "1500,400-1724,432" "the note stays where it was saved"
check "the display shrinks to 1600x1200"
if xrandr -s 1600x1200 >/dev/null 2>&1; then
  # The snap tick runs every 500 ms and learns of the new screen within a second.
  assert_rect "$note1" "1376,400-1600,432" "the note flush with the new right edge"
  assert_running "$APP" "the program"
else
  skipped+="this Xephyr cannot be resized; "
fi
stop_wine

# 2. 1920x1080 primary at 0,0 and 1280x1024 to its right. Wine reads the two monitors from
# Xinerama only with XRandR off.
start_xephyr +xinerama -screen 1920x1080 -origin 1920,0 -screen 1280x1024
reg_set 'HKCU\Software\Wine\X11 Driver' UseXRandR N
check "Wine sees two monitors"
probe metrics >"$ZLT_TMP/metrics.txt" || fail "no metrics"
if grep -q "1920	0	3200	1024" "$ZLT_TMP/metrics.txt"; then
  # 1925 pixels (28875 twips): on the right monitor, 5 pixels from its left edge; 2500 pixels:
  # well inside it, out of every edge's reach.
  note_file "$DATA_DIR/0.txt" 28875 6000 1 1 内側 牛乳
  note_file "$DATA_DIR/1.txt" 37500 9000 1 1 右 パン
  start_for "$note2" '/*'
  assert_rect "$note1" "1920,400-2144,432" "the note flush with the inner edge of the right monitor"
  assert_rect "$note2" "2500,600-2724,632" "the note inside the right monitor stays"
  assert_running "$APP" "the program"
else
  skipped+="Wine does not report the second monitor here: $(tr '\t\n' ' ;' <"$ZLT_TMP/metrics.txt")"
fi
[[ -z $skipped ]] || skip "$skipped"
