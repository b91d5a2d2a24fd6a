#!/usr/bin/env bash
# Snap on two monitors side by side (Xephyr nested in Xvfb, ../WINE.md): a note mostly on the
# right monitor, 5 pixels from its left edge, snaps to that inner edge, not to the screen's.
source "$(dirname "$0")/lib.sh"
need_tools Xephyr
setup

# 1920x1080 primary at 0,0 and 1280x1024 to its right, nested in the test's Xvfb.
start_xephyr +xinerama -screen 1920x1080 -origin 1920,0 -screen 1280x1024
# Wine reads the two monitors from Xinerama only with XRandR off.
timeout 30 wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /d N /f >/dev/null 2>&1 ||
  fail "could not turn XRandR off in the prefix"

check "Wine sees two monitors"
probe metrics >"$ZLT_TMP/metrics.txt" || fail "no metrics"
grep -q "1920	0	3200	1024" "$ZLT_TMP/metrics.txt" ||
  skip "Wine does not report the second monitor here: $(tr '\t\n' ' ;' <"$ZLT_TMP/metrics.txt")"

note1=$(note_caption 1)
note2=$(note_caption 2)
mkdir -p "$DATA_DIR"
# 1925 pixels (28875 twips): on the right monitor, 5 pixels from its left edge.
write_expected_note "$DATA_DIR/0.txt" 28875 6000 内側 牛乳
# 2500 pixels: well inside the right monitor, out of every edge's reach.
write_expected_note "$DATA_DIR/1.txt" 37500 9000 右 パン

start_app '/*'
app=$LAST_PID
assert_window --visible "$note2" 15000 >/dev/null
assert_rect "$note1" "1920,400-2144,432" "the note flush with the inner edge of the right monitor"
assert_rect "$note2" "2500,600-2724,632" "the note inside the right monitor stays"
assert_running "$app" "the program"
