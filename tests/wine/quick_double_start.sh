#!/usr/bin/env bash
# Two starts in quick succession, the second not waiting for the first to settle: still one
# program. One of them forwards and ends, the other keeps running with the information window
# shown; there is never a second controller window.
source "$(dirname "$0")/lib.sh"
setup

start_app /V
first=$LAST_PID
start_app /S
second=$LAST_PID

check "one of the two starts ends within 15s"
for ((i = 0; i < 150; i++)); do
  if ! is_running "$first" || ! is_running "$second"; then break; fi
  sleep 0.1
done
if is_running "$first" && is_running "$second"; then
  fail "both starts are still running: two first instances?"
fi
if is_running "$first"; then running=$first ended=$second; else running=$second ended=$first; fi
reap "$ended"
((REAPED_RC != 124)) || fail "the ended start was stopped by the time limit"

assert_window --visible "$ZLT_CONTROLLER_CAPTION" 5000 >/dev/null
sleep 0.5
assert_eq 1 "$(count_windows "$ZLT_CONTROLLER_CAPTION")" "exactly one controller window exists"
assert_eq 1 "$(count_windows --visible "$ZLT_CONTROLLER_CAPTION")" "the information window is shown"
assert_running "$running" "the remaining instance"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the forwarding start left no window behind"
