#!/usr/bin/env bash
# The first start makes the data folder beside the executable, named after the Windows user,
# and writes nothing else; a forwarded command adds nothing either.
source "$(dirname "$0")/lib.sh"
setup

check "no data folder before the first start"
[[ ! -e $DATA_DIR ]] || fail "$DATA_DIR exists already"

start_app /V
first=$LAST_PID
assert_window "$ZLT_CONTROLLER_CAPTION" 15000 >/dev/null
# The controller window comes first; the folder follows a moment later.
wait_file "$DATA_DIR" 5 || true
assert_dir "$DATA_DIR"
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
assert_dir_holds "$DATA_DIR" ""

start_app /S
assert_ends_within "$LAST_PID" 10 "the second start"
assert_window --visible "$ZLT_CONTROLLER_CAPTION" 5000 >/dev/null
assert_running "$first" "the first instance"
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
assert_dir_holds "$DATA_DIR" ""
