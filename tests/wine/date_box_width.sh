#!/usr/bin/env bash
# Runs the date box check of the Windows build under Wine and Xvfb: a new note's date box
# shows a whole date in the font the system gives it, and the other boxes keep their look.
export ZLT_TEST_NAME=date_box_width
source "$(dirname "$0")/lib.sh"

runner=${1:?usage: date_box_width.sh <date_box_width.exe>}
[[ -f $runner ]] || fail "$runner not found; build it: cmake --preset mingw && cmake --build build/mingw -j2"
need_tools Xvfb
setup_prefix
start_xvfb "$ZLT_TMP"
check "a new note's date box holds \"2026/12/28\" whole; the other boxes keep the system's margins"
rc=0
timeout 120 wine "$runner" || rc=$?
((rc == 0)) || fail "date_box_width.exe exited with $rc"
