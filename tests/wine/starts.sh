#!/usr/bin/env bash
# Starts with no note saved, in one prefix: first starts with switches the program does not
# know and with "/*" end unseen; a first "/S" shows the information window, whose "OK" ends the
# program; a running program ("/V", nothing shown) takes a second start's switch in quotes and
# blanks, ignores an empty command line and writes nothing but its data folder; two starts at
# once still make one program.
# Then the program under LANG=C (ANSI code page 1252 in Wine): the Japanese caption a second
# start looks for does not depend on the ANSI code page, and the Japanese labels, buttons and
# menu items still show their glyphs (every font asks for the Japanese character set).
source "$(dirname "$0")/lib.sh"
setup
need_tools convert python3

# "/V" with no notes saved: the program runs and shows nothing.
start_v() {
  start_app /V
  APP=$LAST_PID
  assert_window "$ZLT_CONTROLLER_CAPTION" 15000 >/dev/null
  sleep 0.5
  assert_running "$APP" "the first instance after /V with no notes"
  assert_unseen 0 "after /V with an empty data folder"
}
# A second start with "/S" in quotes and blanks, exactly as a host's CreateProcess would pass
# it. The sender waits until its command has been handled, so the window is there already when
# it has ended.
forward_quoted_s() {
  start_app_raw '   "/S"  '
  assert_ends_within "$LAST_PID" 10 "the second start with a quoted /S"
  one_controller_shown "the second start"
}
# Exactly one window is captioned as the controller, the information window, shown; a
# forwarding start left no window behind.
one_controller_shown() {
  assert_eq "1 1 0" "$(count_windows "$ZLT_CONTROLLER_CAPTION") $(count_windows "$ZLT_CONTROLLER_CAPTION" visible) \
$(count_windows "ZLTFusenCheck")" "one controller window, the information window, shown; none left by $1"
}

check "no data folder before the first start"
[[ ! -e $DATA_DIR ]] || fail "$DATA_DIR exists already"

# Lower case, trailing text and a switch in quotes (only a second start strips quotes); "/*"
# with no notes saved.
for args in /X /n "/N more" '"/S"' '/*'; do
  start_app_raw " $args"
  assert_unseen 10 "a first start with '$args'" "$LAST_PID"
  assert_eq 0 "$(count_windows "$ZLT_CONTROLLER_CAPTION")" "no window of the program is left after '$args'"
done
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
assert_eq "8 8" "$(grep -c . <<<"$children") $(awk -F '\t' '$8 == 1' <<<"$children" | grep -c .)" \
  "number of controls, all visible"
for text in Information "ＺＬＴ付箋紙プラグイン " "Version ${ZLT_VERSION:?}" OK; do
  child_line "$ZLT_CONTROLLER_CAPTION" "$text" >/dev/null && check "a control shows '$text'"
done
check "a control shows a web address"
awk -F '\t' 'index($3, "https://") == 1 { f = 1 } END { exit !f }' <<<"$children" || fail "no web address"
ok=$(child_line "$ZLT_CONTROLLER_CAPTION" OK)
# The button inside the frame: (120 + 240, 120 + 1680) twips from the client's corner.
assert_eq "button 24 120" "$(cut -f 2,4,5 <<<"$ok" | tr '[:upper:]\t' '[:lower:] ')" "OK: a button, its place in the client area"
shot="$ZLT_ARTIFACT_DIR/startup_info.png"
check "a screenshot can be taken ($shot)"
if ! screenshot "$shot" || [[ ! -s $shot ]]; then fail "no screenshot"; fi
sleep 0.5
assert_running "$APP" "the program"
click_control "$ZLT_CONTROLLER_CAPTION" OK
assert_ends_within "$APP" 10 "the program, with no note open, after OK"

start_v
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
# shellcheck disable=SC2119 # an empty command line: no argument at all
forward
assert_unseen 2 "the program after a second start with an empty command line"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the second start left no window behind"
assert_running "$APP" "the first instance"

forward_quoted_s
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
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
reaped "$ended" "the ended start"
assert_window --visible "$ZLT_CONTROLLER_CAPTION" 5000 >/dev/null
sleep 0.5
one_controller_shown "the forwarding start"
assert_running "$running" "the remaining instance"
click_control "$ZLT_CONTROLLER_CAPTION" OK
assert_ends_within "$running" 10 "the program after OK"

# Under LANG=C, the wineserver and Wine's desktop started by the program too, as at a user's.
stop_wine
ZLT_APP_LANG=C
start_v
forward_quoted_s
# The information window's title, in its own face (a serif one, bold and italic).
title=$(child_line "$ZLT_CONTROLLER_CAPTION" "ＺＬＴ付箋紙プラグイン ")
read -r x y <<<"$(child_centre "$ZLT_CONTROLLER_CAPTION" "$title")"
width=$(($(field "$title" 6) - $(field "$title" 4))) height=$(($(field "$title" 7) - $(field "$title" 5)))
xdotool mousemove 900 900
sleep 0.5
shot="$ZLT_ARTIFACT_DIR/starts-lang_c-information.png"
screenshot "$shot"
assert_glyphs "$shot" "${width}x${height}+$((x - width / 2))+$((y - height / 2))" "the title ＺＬＴ付箋紙プラグイン"

note1=$(note_caption 1)
forward /N
assert_window --visible "$note1" 10000 >/dev/null
click_control "$ZLT_CONTROLLER_CAPTION" OK
xdotool mousemove 900 700
sleep 0.8
shot="$ZLT_ARTIFACT_DIR/starts-lang_c-note.png"
screenshot "$shot"
# The area "WxH+X+Y" of a control of the note, <inset> pixels in from its edges and <skip>
# more from its left edge (a check box's square); <height> caps its height (a frame's caption).
control_area() {
  local child=$1 inset=$2 skip=${3:-0} height=${4:-9999} top h
  top=$(probe find "$note1" | head -n 1)
  h=$(($(field "$child" 7) - $(field "$child" 5) - 2 * inset))
  printf '%dx%d+%d+%d\n' $(($(field "$child" 6) - $(field "$child" 4) - 2 * inset - skip)) \
    $((h < height ? h : height)) $(($(field "$top" 6) + $(field "$child" 4) + inset + skip)) \
    $(($(field "$top" 7) + $(field "$child" 5) + inset))
}
assert_glyphs "$shot" "$(control_area "$(child_line "$note1" 保存)" 3)" "the button 保存"
assert_glyphs "$shot" "$(control_area "$(child_line "$note1" アラーム)" 0 16)" "the check box アラーム"
assert_glyphs "$shot" "$(control_area "$(child_line "$note1" 詳細内容)" 0 0 16)" "the frame caption 詳細内容"

click_control "$note1" 保存
sleep 1
menu=$(open_note_menu "$note1")
sleep 0.5
shot="$ZLT_ARTIFACT_DIR/starts-lang_c-menu.png"
screenshot "$shot"
dismiss_menu
# Every item, Japanese or not, is a line of drawn glyphs (separators are too low to count).
left=$(field "$menu" 2) top=$(field "$menu" 3) right=$(field "$menu" 4) bottom=$(field "$menu" 5)
area="$((right - left - 6))x$((bottom - top - 6))+$((left + 3))+$((top + 3))"
counts=$(convert "$shot" -crop "$area" +repage -colorspace gray -depth 8 -compress none pgm:- |
  python3 "$ZLT_WINE_DIR/glyph_rows.py" --lines | tr '\n' ' ')
say "different rows per menu line: $counts"
items=0
for item in "${ZLT_MENU_ITEMS[@]}"; do [[ $item == - ]] || ((++items)); done
assert_eq "$items" "$(wc -w <<<"$counts")" "lines of text in the menu"
for count in $counts; do
  ((count >= 4)) || fail "a menu item shows empty boxes (rows per line: $counts); see $shot"
done
assert_running "$APP" "the program"
