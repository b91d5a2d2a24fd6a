#!/usr/bin/env bash
# "/*" with an empty data folder has no note to restore: the program ends at once, unseen.
source "$(dirname "$0")/lib.sh"
setup

start_app '/*'
assert_ends_unseen "$LAST_PID" 10 "a first start with /* and no notes"
assert_dir "$DATA_DIR"
assert_dir_holds "$DATA_DIR" ""
