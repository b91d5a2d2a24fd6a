#!/usr/bin/env bash
# A second start with an empty command line sends nothing: it ends, and the running first
# instance shows no new window.
source "$(dirname "$0")/lib.sh"
setup

start_app /V
first=$LAST_PID
assert_window "$ZLT_CONTROLLER_CAPTION" 15000 >/dev/null

start_app
second=$LAST_PID
assert_ends_within "$second" 10 "the second start with an empty command line"
assert_stays_invisible 2 "the first instance"
assert_running "$first" "the first instance"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the second start left no window behind"
