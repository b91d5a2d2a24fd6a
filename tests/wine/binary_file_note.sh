#!/usr/bin/env bash
# A 10 MB binary "x.txt" in the data folder opens as an empty note. Typing into that note and a
# close request leave x.txt byte for byte as it was: the typed text goes to a new file.
source "$(dirname "$0")/lib.sh"
setup

mkdir -p "$DATA_DIR"
head -c 10485760 /dev/urandom >"$DATA_DIR/x.txt"
cp "$DATA_DIR/x.txt" "$ZLT_TMP/x.orig"
note1=$(note_caption 1)
start_app '/*'
assert_window --visible "$note1" 15000 >/dev/null
assert_eq "" "$(control_text "$(title_box_line "$note1")")" "the note of x.txt is empty"

# The note stands where an unreadable file leaves it, mostly off the screen: the text goes
# into its title box as typing does, with a change the program hears.
probe settext "$note1" edit 0 大事なメモ >/dev/null || fail "could not type into the title"
sleep 0.5
assert_same_bytes "$DATA_DIR/x.txt" "$ZLT_TMP/x.orig" "x.txt is untouched by typing"
assert_dir_holds "$DATA_DIR" "x.txt"

probe post-close "$note1" >/dev/null || fail "could not ask the note to close"
wait_file "$DATA_DIR/0.txt" 10 || fail "the typed note went nowhere"
sleep 0.3
assert_same_bytes "$DATA_DIR/x.txt" "$ZLT_TMP/x.orig" "x.txt is untouched by the close"
assert_file_has "$DATA_DIR/0.txt" "Title=大事なメモ"
