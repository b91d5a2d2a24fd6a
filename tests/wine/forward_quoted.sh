#!/usr/bin/env bash
# A second start whose switch is wrapped in quote characters and blanks forwards the switch:
# the first instance (started with "/V" on an empty data folder, so showing nothing) shows the
# information window, the second start ends within seconds, the first keeps running.
source "$(dirname "$0")/lib.sh"
setup
say "program locale: $ZLT_APP_LANG"

start_app /V
first=$LAST_PID
assert_window "$ZLT_CONTROLLER_CAPTION" 15000 >/dev/null
sleep 0.5
assert_running "$first" "the first instance after /V with no notes"
assert_no_visible_window "after /V with an empty data folder"

# Exactly as a host's CreateProcess would pass it, quotes and blanks included.
start_app_raw '   "/S"  '
second=$LAST_PID
assert_ends_within "$second" 10 "the second start"

# The sender waits until its command has been handled, so the window is there already.
check "the information window is shown once the second start has ended"
line=$(probe find "$ZLT_CONTROLLER_CAPTION") || fail "no window captioned $ZLT_CONTROLLER_CAPTION"
assert_eq 1 "$(printf '%s\n' "$line" | wc -l)" "one window is captioned $ZLT_CONTROLLER_CAPTION"
assert_eq 1 "$(field "$line" 3)" "the information window is visible"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the second start left no window behind"
sleep 0.5
assert_running "$first" "the first instance"
