#!/usr/bin/env bash
# The host fires "/N" and, 20 ms later, "/*" with 50 saved notes. Whichever start wins the
# race, the other is forwarded and carried out: the new note and all 50 saved ones show.
source "$(dirname "$0")/lib.sh"
setup

mkdir -p "$DATA_DIR"
for ((i = 0; i < 50; i++)); do
  printf '%s\n' "[ZLT付箋紙プラグイン]" Alarm=0 AlarmMusic=0 Date=0000/00/00 Time0=00 Time1=00 \
    "Left=$((600 + (i % 5) * 3600))" "Top=$(((i / 5) * 600))" Temae=0 Toumei=0 "Title=メモ$i" \
    txtData= | write_cp932 "$DATA_DIR/$i.txt"
done

start_app /N
first=$LAST_PID
sleep 0.02
start_app '/*'
second=$LAST_PID

visible_notes() {
  probe list | awk -F '\t' -v p="$ZLT_NOTE_CAPTION_PREFIX" '$3 == 1 && index($5, p) == 1 { n++ } END { print n + 0 }'
}
check "51 notes become visible"
for ((i = 0; i < 100; i++)); do
  n=$(visible_notes)
  ((n >= 51)) && break
  sleep 0.2
done
assert_eq 51 "$(visible_notes)" "visible notes: the new one and the 50 saved"
sleep 0.5
assert_eq 51 "$(visible_notes)" "no further note opens"
if is_running "$first"; then
  assert_ends_within "$second" 10 "the second start"
else
  assert_running "$second" "the start that won the race"
fi
