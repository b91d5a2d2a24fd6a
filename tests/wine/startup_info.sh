#!/usr/bin/env bash
# "/S" on a first start: the information window appears centred on the screen, and the
# program keeps running after showing it.
source "$(dirname "$0")/lib.sh"
setup

start_app /S
app=$LAST_PID
line=$(assert_window --visible "$ZLT_CONTROLLER_CAPTION" 15000)
left=$(field "$line" 6) top=$(field "$line" 7) right=$(field "$line" 8) bottom=$(field "$line" 9)
say "information window at $left,$top - $right,$bottom"
assert_near $((ZLT_SCREEN_W / 2)) $(((left + right) / 2)) 4 "horizontal centre of the information window"
assert_near $((ZLT_SCREEN_H / 2)) $(((top + bottom) / 2)) 4 "vertical centre of the information window"
check "the window has a size (not an empty rectangle)"
((right - left > 100 && bottom - top > 50)) || fail "window rectangle too small: $line"

sleep 1
assert_running "$app" "the program"
assert_eq 1 "$(count_windows --visible "$ZLT_CONTROLLER_CAPTION")" "exactly one information window is shown"

shot="$ZLT_ARTIFACT_DIR/startup_info.png"
check "a screenshot can be taken ($shot)"
if ! screenshot "$shot" || [[ ! -s $shot ]]; then fail "no screenshot"; fi
