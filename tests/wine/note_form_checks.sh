#!/usr/bin/env bash
# Runs the note window checks of the Windows build under Wine and Xvfb: a new note's date
# box shows a whole date in the font the system gives it, the other boxes keep their look,
# and the window follows a change of its monitor's DPI there and back.
export ZLT_TEST_NAME=note_form_checks
source "$(dirname "$0")/lib.sh"

runner=${1:?usage: note_form_checks.sh <note_form_checks.exe>}
[[ -f $runner ]] || fail "$runner not found; build it: cmake --preset mingw && cmake --build build/mingw -j2"
need_tools Xvfb
setup_prefix
start_xvfb "$ZLT_TMP"
check "a new note's date box holds \"2026/12/28\" whole; the other boxes keep the system's margins; at 144 DPI and back the window, its outline, a control and its font follow"
rc=0
timeout 120 wine "$runner" || rc=$?
((rc == 0)) || fail "note_form_checks.exe exited with $rc"
