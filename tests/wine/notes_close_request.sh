#!/usr/bin/env bash
# A session that ends (logoff, shutdown) while a new note is typed but not saved: the note
# writes itself to a new file, so nothing typed is lost.
source "$(dirname "$0")/lib.sh"
setup

note1=$(note_caption 1)
start_app /N
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
fill_new_note "$note1" 会議 $'午前十時\n三階'
assert_dir_holds "$DATA_DIR" ""

check "the note answers the end of the session"
probe end-session "$note1" >/dev/null || fail "the end-session messages were not answered"
wait_file "$DATA_DIR/0.txt" 10 || fail "no 0.txt after the end of the session"
sleep 0.3
# Written where the note stands collapsed (the details view stands 3135 twips further left),
# so it reopens where it was.
write_expected_note "$ZLT_TMP/expected.txt" 25440 0 会議 午前十時 三階
assert_same_bytes "$DATA_DIR/0.txt" "$ZLT_TMP/expected.txt" "0.txt holds the unsaved note"
assert_dir_holds "$DATA_DIR" "0.txt"
is_running "$app" && say "the program still runs after the end-session messages"
true
