#!/usr/bin/env bash
# Starts with no note saved, in one prefix: first starts with switches the program does not
# know and with "/*" end unseen; a first "/S" shows the information window, whose "OK" ends the
# program; a running program ("/V", nothing shown) takes a second start's switch in quotes and
# blanks, ignores an empty command line and writes nothing but its data folder; two starts at
# once still make one program.
source "$(dirname "$0")/lib.sh"
setup

check "no data folder before the first start"
[[ ! -e $DATA_DIR ]] || fail "$DATA_DIR exists already"

# Lower case, trailing text and a switch in quotes (only a second start strips quotes).
for args in /X /n "/N more" '"/S"'; do
  start_app_raw " $args"
  assert_unseen 10 "a first start with '$args'" "$LAST_PID"
  assert_eq 0 "$(count_windows "$ZLT_CONTROLLER_CAPTION")" "no window of the program is left after '$args'"
done

start_app '/*'
assert_unseen 10 "a first start with /* and no notes" "$LAST_PID"
assert_dir_holds "$DATA_DIR" ""

# The information window of a first "/S": centred, its controls and texts; "OK" ends the program.
start_app /S
APP=$LAST_PID
line=$(assert_window --visible "$ZLT_CONTROLLER_CAPTION" 15000)
left=$(field "$line" 6) top=$(field "$line" 7) right=$(field "$line" 8) bottom=$(field "$line" 9)
assert_near $((ZLT_SCREEN_W / 2)) $(((left + right) / 2)) 4 "horizontal centre of the information window"
assert_near $((ZLT_SCREEN_H / 2)) $(((top + bottom) / 2)) 4 "vertical centre of the information window"
# 4590 x 2550 twips at 15 twips per pixel.
assert_eq "306 170" "$(field "$line" 10) $(field "$line" 11)" "client area in pixels"
children=$(probe children "$ZLT_CONTROLLER_CAPTION")
assert_eq 8 "$(grep -c . <<<"$children")" "number of controls"
assert_eq 8 "$(awk -F '\t' '$8 == 1' <<<"$children" | grep -c .)" "visible controls"
for text in Information "ＺＬＴ付箋紙プラグイン " "Version ${ZLT_VERSION:?}" OK; do
  child_line "$ZLT_CONTROLLER_CAPTION" "$text" >/dev/null
  check "a control shows '$text'"
done
check "a control shows a web address"
awk -F '\t' 'index($3, "https://") == 1 { f = 1 } END { exit !f }' <<<"$children" || fail "no web address"
ok=$(child_line "$ZLT_CONTROLLER_CAPTION" OK)
assert_eq "button" "$(field "$ok" 2 | tr '[:upper:]' '[:lower:]')" "OK is a button"
# The button inside the frame: (120 + 240, 120 + 1680) twips from the client's corner.
assert_eq "24 120" "$(field "$ok" 4) $(field "$ok" 5)" "OK's place in the client area"
shot="$ZLT_ARTIFACT_DIR/startup_info.png"
check "a screenshot can be taken ($shot)"
if ! screenshot "$shot" || [[ ! -s $shot ]]; then fail "no screenshot"; fi
sleep 0.5
assert_running "$APP" "the program"
click_control "$ZLT_CONTROLLER_CAPTION" OK
assert_ends_within "$APP" 10 "the program, with no note open, after OK"

# "/V" with no notes: the program runs and shows nothing.
start_app /V
APP=$LAST_PID
assert_window "$ZLT_CONTROLLER_CAPTION" 15000 >/dev/null
sleep 0.5
assert_running "$APP" "the first instance after /V with no notes"
assert_unseen 0 "after /V with an empty data folder"
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
assert_dir_holds "$DATA_DIR" ""

# shellcheck disable=SC2119 # an empty command line: no argument at all
forward
assert_unseen 2 "the program after a second start with an empty command line"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the second start left no window behind"

# Exactly as a host's CreateProcess would pass it, quotes and blanks included. The sender waits
# until its command has been handled, so the window is there already when it has ended.
start_app_raw '   "/S"  '
assert_ends_within "$LAST_PID" 10 "the second start with a quoted /S"
line=$(probe find "$ZLT_CONTROLLER_CAPTION") || fail "no window captioned $ZLT_CONTROLLER_CAPTION"
assert_eq 1 "$(wc -l <<<"$line")" "one window is captioned $ZLT_CONTROLLER_CAPTION"
assert_eq 1 "$(field "$line" 3)" "the information window is visible"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the second start left no window behind"
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
assert_dir_holds "$DATA_DIR" ""
sleep 0.5
assert_running "$APP" "the first instance"
click_control "$ZLT_CONTROLLER_CAPTION" OK
assert_ends_within "$APP" 10 "the program after OK"

# Two starts in quick succession, the second not waiting for the first to settle: one of them
# forwards and ends, the other runs on with the information window; never two controllers.
start_app /V
first=$LAST_PID
start_app /S
second=$LAST_PID
check "one of the two starts ends within 15s"
one_ended() { is_gone "$first" || is_gone "$second"; }
wait_for 15 one_ended || fail "both starts are still running: two first instances?"
if is_running "$first"; then running=$first ended=$second; else running=$second ended=$first; fi
reap "$ended"
((REAPED_RC != 124)) || fail "the ended start was stopped by the time limit"
assert_window --visible "$ZLT_CONTROLLER_CAPTION" 5000 >/dev/null
sleep 0.5
assert_eq 1 "$(count_windows "$ZLT_CONTROLLER_CAPTION")" "exactly one controller window exists"
assert_eq 1 "$(count_windows --visible "$ZLT_CONTROLLER_CAPTION")" "the information window is shown"
assert_running "$running" "the remaining instance"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the forwarding start left no window behind"
