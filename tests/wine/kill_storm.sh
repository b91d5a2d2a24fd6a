#!/usr/bin/env bash
# Kills the program (kill -9) again and again while it writes five notes of 300 KB each: every
# note file stays whole (as it was, or as written) after every kill, and the next start removes the temporaries the killed
# saves left behind. Repeatable with more rounds: kill_storm.sh <rounds> (the test runs a few).
source "$(dirname "$0")/lib.sh"
setup

rounds=${1:-${ZLT_KILL_ROUNDS:-4}}
mkdir -p "$ZLT_TMP/orig" "$ZLT_TMP/saved" "$DATA_DIR"
details=$(printf 'メモ%.0s' {1..75000})
# Left=9005 is a third of a pixel past where the window stands (9000): a note that holds its file
# byte for byte is not written again, so only a file the program would change is written at all.
for n in 0 1 2 3 4; do
  note_file "$ZLT_TMP/orig/$n.txt" 9005 $((n * 600)) 1 1 "note$n" "$details"
  note_file "$ZLT_TMP/saved/$n.txt" 9000 $((n * 600)) 1 1 "note$n" "$details"
done
last=$(note_caption 5)

# Every note file is whole: as it was given, or as the program writes it. WRITTEN counts the
# second kind.
all_whole() {
  local n
  WRITTEN=0
  check "every note file is whole $1: as given, or as the program writes it"
  for n in 0 1 2 3 4; do
    cmp -s "$DATA_DIR/$n.txt" "$ZLT_TMP/saved/$n.txt" && ((++WRITTEN)) && continue
    assert_same_bytes "$DATA_DIR/$n.txt" "$ZLT_TMP/orig/$n.txt" "$n.txt, not as the program writes it, is whole $1 as given"
  done
}

for ((round = 1; round <= rounds; round++)); do
  cp "$ZLT_TMP/orig/"*.txt "$DATA_DIR/"
  start_for "$last" '/*'
  # The controller's close request makes every note write its file.
  probe post-close "$ZLT_CONTROLLER_CAPTION" >/dev/null || fail "could not ask for the saves"
  sleep "0.0$((RANDOM % 10))"
  kill -9 "$(pgrep -P "$APP" | head -n 1)" 2>/dev/null || true
  wait_gone "$APP" 10 || fail "the killed program still runs"
  reap "$APP"
  all_whole "after the kill of round $round"
  say "round $round: $WRITTEN of 5 files written before the kill"
done
say "temporaries left by the kills: $(find "$DATA_DIR" -name '*.tmp' | wc -l)"

start_for "$last" '/*'
all_whole "after the next start"
assert_dir_holds "$DATA_DIR" "0.txt 1.txt 2.txt 3.txt 4.txt"
