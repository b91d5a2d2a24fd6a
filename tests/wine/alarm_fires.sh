#!/usr/bin/env bash
# A note whose alarm is due at the next minute fires within that minute: it opens its details,
# turns its tab green and starts vokrelay.exe from the application folder with "#[↑]" and then
# the notice, byte for byte in code page 932. The application folder has a blank in its name
# and a decoy program sits at the first blank ("C:\zlt.exe"): the decoy is never started.
ZLT_TIMEOUT=${ZLT_TIMEOUT:-150}  # the program lives through a wait of up to a minute
source "$(dirname "$0")/lib.sh"
setup
[[ -n ${ZLT_RELAY:-} && -f $ZLT_RELAY ]] ||
  fail "vokrelay.exe not found (${ZLT_RELAY:-unset}); build it: cmake --build build/mingw --target testrelay"

APP_DIR="$WINEPREFIX/drive_c/zlt app"
APP_WIN_DIR='C:\zlt app'
DATA_DIR="$APP_DIR/$WIN_USER"
mkdir -p "$DATA_DIR"
cp "$ZLT_EXE" "$APP_DIR/ZLTFusen.exe"
cp "$ZLT_RELAY" "$APP_DIR/vokrelay.exe"
cp "$ZLT_RELAY" "$WINEPREFIX/drive_c/zlt.exe"  # would log to C:\relay.log if ever started
relay_log="$APP_DIR/relay.log"
decoy_log="$WINEPREFIX/drive_c/relay.log"

# The next minute, or the one after when this one is nearly over: the note must be loaded
# and watching before its minute starts.
now=$(date +%s)
due=$(((now / 60 + 1) * 60))
((due - now < 6)) && due=$((due + 60))
say "alarm at $(date -d "@$due" '+%H:%M'), $((due - now)) s from now"
write_cp932 "$DATA_DIR/0.txt" <<NOTE
[ZLT付箋紙プラグイン]
Alarm=1
AlarmMusic=1
Date=$(date -d "@$due" '+%Y/%m/%d')
Time0=$(date -d "@$due" '+%H')
Time1=$(date -d "@$due" '+%M')
Left=20000
Top=3000
Temae=0
Toumei=1
Title=買い物
txtData=牛乳
NOTE

note1=$(note_caption 1)
start_app '/*'
app=$LAST_PID
assert_window --visible "$note1" 15000 >/dev/null
assert_rect "$note1" "1333,200-1557,232" "the collapsed note before its minute"
[[ -e $relay_log ]] && fail "the relay ran before the alarm minute"

check "the relay logs two command lines within the alarm minute"
deadline=$((due + 15))
while (($(date +%s) < deadline)); do
  [[ -f $relay_log ]] && (($(grep -c $'\r$' "$relay_log") >= 2)) && break
  sleep 0.1
done
[[ -f $relay_log ]] || fail "the relay never ran"
assert_eq "$(date -d "@$due" '+%H:%M')" "$(date -r "$relay_log" '+%H:%M')" "the minute the relay ran in"

relay_win="$APP_WIN_DIR\\vokrelay.exe"
printf '%s #[↑]\r\n%s 付箋紙""買い物""の設定時間になりました\r\n' "$relay_win" "$relay_win" |
  iconv -f UTF-8 -t CP932 >"$ZLT_TMP/expected.log"
# The two relays run side by side, so their lines may land in either order (the order they
# are started in is checked on the sim).
LC_ALL=C sort "$relay_log" >"$ZLT_TMP/got-sorted.log"
LC_ALL=C sort "$ZLT_TMP/expected.log" >"$ZLT_TMP/expected-sorted.log"
assert_same_bytes "$ZLT_TMP/got-sorted.log" "$ZLT_TMP/expected-sorted.log" "the relay's log, line by line"
[[ -e $decoy_log ]] && fail "the decoy C:\\zlt.exe was started"

# Details open 3135 twips (209 px) to the left, opaque, the tab green.
assert_rect "$note1" "1124,200-1557,546" "the note opened by its alarm"
line=$(probe find "$note1" | head -n 1)
screenshot "$ZLT_TMP/fired.png"
pixel=$(convert "$ZLT_TMP/fired.png" -format "%[fx:int(255*p{$((1124 + 8)),$((200 + 16))}.r)],%[fx:int(255*p{$((1124 + 8)),$((200 + 16))}.g)],%[fx:int(255*p{$((1124 + 8)),$((200 + 16))}.b)]" info:)
assert_eq "192,255,192" "$pixel" "the tab's colour on screen"
say "window after firing: $line"

assert_running "$app" "the program after its alarm"
