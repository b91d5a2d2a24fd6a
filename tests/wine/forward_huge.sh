#!/usr/bin/env bash
# A 2 MiB forwarded payload (Wine cannot hand it to the program's message loop) costs the
# program nothing: it keeps running, and a note typed but not saved is still written when
# the session ends.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
type_text 買い物
assert_dir_holds "$DATA_DIR" ""

check "a 2 MiB payload is sent to the controller window"
# Wine cannot deliver it: the program's GetMessageW fails on it and the sender waits until it
# gives up (here: is stopped after 3 s). Windows delivers it and the program ignores it.
LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 timeout 3 wine "$ZLT_PROBE" copydata \
  "$ZLT_CONTROLLER_CAPTION" '*2097152' >/dev/null 2>>"$ZLT_TMP/probe.log" || true
assert_running "$app" "the program after the payload"
assert_eq 1 "$(count_windows --visible "$note1")" "the unsaved note is still shown"

check "forwarded commands still work"
probe copydata "$ZLT_CONTROLLER_CAPTION" @/N >/dev/null || fail "'/N' could not be sent"
assert_window --visible "$(note_caption 2)" 5000 >/dev/null

probe end-session "$note1" >/dev/null || fail "the end-session messages were not answered"
wait_file "$DATA_DIR/0.txt" 10 || fail "the unsaved note was not written at the end of the session"
sleep 0.3
assert_file_has "$DATA_DIR/0.txt" "Title=買い物"
