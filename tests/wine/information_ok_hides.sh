#!/usr/bin/env bash
# With a note open, a forwarded "/S" shows the information window; its "OK" only hides it and
# the program keeps running with its note. The web address opens in the browser and hides it too.
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

# The web address: the shell opens it with the browser Wine is told to use (here a script that
# writes down what it was given), and the window hides in the same click.
browser="$ZLT_TMP/browser.sh"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$ZLT_TMP/opened.txt" >"$browser"
chmod +x "$browser"
timeout 60 wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$browser" /f >/dev/null 2>&1 ||
  fail "could not set the browser"
start_app /S
assert_window --visible "$ZLT_CONTROLLER_CAPTION" 10000 >/dev/null
address=$(probe children "$ZLT_CONTROLLER_CAPTION" | awk -F '\t' 'index($3, "https://") == 1 { print $3 }')
[[ -n $address ]] || fail "no control shows a web address"
click_dialog_control "$ZLT_CONTROLLER_CAPTION" "$address"
sleep 0.5
assert_eq 0 "$(count_windows --visible "$ZLT_CONTROLLER_CAPTION")" "the window is hidden after the address click"
check "the browser is given $address"
wait_file "$ZLT_TMP/opened.txt" 15 || fail "the browser was never started"
sleep 0.5
assert_eq "$address" "$(cat "$ZLT_TMP/opened.txt")" "what the browser was given"
assert_running "$app" "the program"
