#!/usr/bin/env bash
# With a note open, a forwarded "/S" shows the information window; its "OK" only hides it and
# the program keeps running with its note.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null

start_app /S
second=$LAST_PID
assert_ends_within "$second" 15 "the second start"
assert_window --visible "$ZLT_CONTROLLER_CAPTION" 10000 >/dev/null
assert_eq 1 "$(count_windows --visible "$ZLT_CONTROLLER_CAPTION")" "one information window"

click_dialog_control "$ZLT_CONTROLLER_CAPTION" OK
sleep 1
assert_eq 0 "$(count_windows --visible "$ZLT_CONTROLLER_CAPTION")" "the information window is hidden"
assert_eq 1 "$(count_windows "$ZLT_CONTROLLER_CAPTION")" "the information window still exists"
assert_running "$app" "the program"
assert_eq 1 "$(count_windows --visible "$note1")" "the note is still shown"
