#!/usr/bin/env bash
# A note whose alarm is due at the next minute fires within that minute: it opens its details,
# turns its tab green and starts vokrelay.exe from the application folder with "#[↑]" and then
# the notice, byte for byte in code page 932. The application folder has a blank in its name
# and a decoy program sits at the first blank ("C:\zlt.exe"): the decoy is never started.
# A second note due at the same minute already has its details open when it fires. Both go
# above every window, a third note kept in front included, while the window of another program
# the user works in keeps the focus. "ｷｬﾝｾﾙ" on each puts back what the note showed at the
# firing, its two display options too: note 1 ends translucent and not in front, note 2 in front
# and translucent, and closing them leaves both files byte for byte as they were.
ZLT_TIMEOUT=${ZLT_TIMEOUT:-150}  # the program lives through a wait of up to a minute
source "$(dirname "$0")/lib.sh"
setup "${ZLT_RELAY:-vokrelay.exe}"

app_folder "zlt app"
mkdir -p "$DATA_DIR"
cp "$ZLT_RELAY" "$APP_DIR/vokrelay.exe"
cp "$ZLT_RELAY" "$WINEPREFIX/drive_c/zlt.exe"  # would log to C:\relay.log if ever started
relay_log="$APP_DIR/relay.log"
decoy_log="$WINEPREFIX/drive_c/relay.log"

# The next minute, or the one after when this one is nearly over: both notes must be loaded and
# watching, and note 2's details open, before their minute starts.
now=$(date +%s)
due=$(((now / 60 + 1) * 60))
((due - now < 20)) && due=$((due + 60))
say "alarm at $(date -d "@$due" '+%H:%M'), $((due - now)) s from now"
# <file> <AlarmMusic> <Top> <Temae> <Toumei> <title> <details>. Left and Top are whole pixels
# (15 twips each), so a note written back from where it stands keeps its bytes.
alarm_note() {
  printf '%s\n' "[ZLT付箋紙プラグイン]" Alarm=1 "AlarmMusic=$2" "Date=$(date -d "@$due" +%Y/%m/%d)" \
    "Time0=$(date -d "@$due" +%H)" "Time1=$(date -d "@$due" +%M)" Left=19995 "Top=$3" "Temae=$4" \
    "Toumei=$5" "Title=$6" "txtData=$7" | write_cp932 "$1"
}
alarm_note "$DATA_DIR/0.txt" 1 3000 0 1 買い物 牛乳
alarm_note "$DATA_DIR/1.txt" 0 9000 1 1 電話 田中さん
note_file "$DATA_DIR/2.txt" 19995 15000 1 0 前
for i in 0 1; do cp "$DATA_DIR/$i.txt" "$ZLT_TMP/$i.before"; done

note1=$(note_caption 1) note2=$(note_caption 2) note3=$(note_caption 3)
start_for "$note3" '/*'
assert_rect "$note1" "1333,200-1557,232" "the collapsed note before its minute"
assert_rect "$note2" "1333,600-1557,632" "the collapsed note 2 before its minute"

# Shift+double-click on the title box opens a collapsed note's details. The pointer arrives
# first and Shift only after a pause: Wine re-reads the keyboard when the pointer arrives.
check "Shift+double-click on note 2's title opens its details before the minute"
point=$(child_centre "$note2" "$(title_box_line "$note2")")
# shellcheck disable=SC2086
xdotool mousemove $point sleep 0.3 keydown shift click --repeat 2 --delay 80 1 keyup shift
assert_rect "$note2" "1124,600-1557,946" "note 2 with its details open"

# The user then works in a window of another program.
probe target other 100 100 500 400 100000 active >"$ZLT_TMP/other.log" &
ZLT_APP_PIDS+=($!)
assert_window --visible other 10000 >/dev/null
xclick 300 250
sleep 0.5
assert_eq other "$(field "$(probe foreground)" 5)" "the active window before the minute"
check "the set-up is done before the alarm minute, and the relay has not run"
(($(date +%s) < due)) || fail "the set-up before the alarm minute took until the minute began"
[[ -e $relay_log ]] && fail "the relay ran before the alarm minute"

check "the relay logs three command lines within the alarm minute"
relay_done() { [[ -f $relay_log ]] && (($(grep -c $'\r$' "$relay_log") >= 3)); }
wait_for $((due + 15 - $(date +%s))) relay_done || true
[[ -f $relay_log ]] || fail "the relay never ran"
assert_eq "$(date -d "@$due" '+%H:%M')" "$(date -r "$relay_log" '+%H:%M')" "the minute the relay ran in"

# Note 1 has its music ticked ("#[↑]" first), note 2 not: only its notice. The relays run side
# by side, so their lines may land in any order (the order they are started in is checked on
# the sim).
relay_win="$APP_WIN_DIR\\vokrelay.exe"
printf '%s #[↑]\r\n%s 付箋紙""買い物""の設定時間になりました\r\n%s 付箋紙""電話""の設定時間になりました\r\n' \
  "$relay_win" "$relay_win" "$relay_win" | iconv -f UTF-8 -t CP932 | LC_ALL=C sort >"$ZLT_TMP/expected-sorted.log"
LC_ALL=C sort "$relay_log" >"$ZLT_TMP/got-sorted.log"
assert_same_bytes "$ZLT_TMP/got-sorted.log" "$ZLT_TMP/expected-sorted.log" "the relay's log, line by line"
assert_eq "" "$(ls "$decoy_log" 2>/dev/null)" "the decoy C:\\zlt.exe is never started: no log of it"

# Details open 3135 twips (209 px) to the left, opaque and in front, the tab green; an open view
# stays put.
assert_note "$note1" "1 1 0 -1" "1124,200-1557,546"
assert_note "$note2" "1 1 0 -1" "1124,600-1557,946"
screenshot "$ZLT_TMP/fired.png"
tab_colour() { # <x> <y>: the pixel's "r,g,b" on the screenshot
  convert "$ZLT_TMP/fired.png" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}
assert_eq "192,255,192 192,255,192" "$(tab_colour 1132 216) $(tab_colour 1132 616)" \
  "the tabs' colour on screen, 8, 16 pixels into each note"

assert_running "$APP" "the program after its alarm"

# Above every other window, the note kept in front and the user's window, which stays active.
assert_eq "fired fired front other" "$(probe list | awk -F '\t' -v a="$note1" -v b="$note2" -v c="$note3" \
  '$5 == a || $5 == b { print "fired" } $5 == c { print "front" } $5 == "other" { print "other" }' | xargs)" \
  "the order of the windows from the top: the fired notes above the note kept in front, above the other program's window"
assert_eq other "$(field "$(probe foreground)" 5)" "the active window after the firing"
assert_eq "" "$(grep '^inactive' "$ZLT_TMP/other.log")" "the other program's window never lost the focus"

# "ｷｬﾝｾﾙ" collapses the note and applies the options it showed at the firing: note 1 was
# translucent and not in front (its details never opened before), note 2 in front and
# translucent (its details opened before the firing).
click_control "$note1" ｷｬﾝｾﾙ
assert_note "$note1" "1 0 1 150" "1333,200-1557,232"
click_control "$note2" ｷｬﾝｾﾙ
assert_note "$note2" "1 1 1 150" "1333,600-1557,632"
assert_running "$APP" "the program after ｷｬﾝｾﾙ"

# Closed from outside, each note writes itself back: what the files held before the firing.
for note in "$note1" "$note2" "$note3"; do probe close "$note" >/dev/null || fail "no '$note' to close"; done
assert_ends_within "$APP" 10 "the program after its last note was closed"
for i in 0 1; do assert_same_bytes "$DATA_DIR/$i.txt" "$ZLT_TMP/$i.before" "$i.txt as it was before the firing"; done
