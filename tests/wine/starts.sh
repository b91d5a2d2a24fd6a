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

# Lower case, trailing text and a switch in quotes (only a second start strips quotes); "/*"
# with no notes saved.
for args in /X /n "/N more" '"/S"' '/*'; do
  start_app_raw " $args"
  assert_unseen 10 "a first start with '$args'" "$LAST_PID"
  assert_eq 0 "$(count_windows "$ZLT_CONTROLLER_CAPTION")" "no window of the program is left after '$args'"
done
assert_dir_holds "$DATA_DIR" ""

# The information window of a first "/S", whole: centred, 4590 x 2550 twips of client area at
# 15 twips per pixel, its eight controls all shown, the OK button (120 + 240, 120 + 1680) twips
# from the client's corner inside the frame; "OK" ends the program.
start_for "$ZLT_CONTROLLER_CAPTION" /S
assert_eq "804 443 1116 638 306 170
ZLTFusenBox Information 8 8 297 161 1
Static  48 32 80 64 1
Static ＺＬＴ付箋紙プラグイン  80 40 265 55 1
Static Version ${ZLT_VERSION:?} 120 64 209 79 1
Static Author: the ZLTFusen developers 91 96 291 108 1
Static Credits: the ZLTFusen team 91 112 253 124 1
Static https://zlt.example/ 160 136 283 151 1
Button OK 24 120 65 145 1" "$({ probe find "$ZLT_CONTROLLER_CAPTION" | cut -f 6-11 &&
  probe children "$ZLT_CONTROLLER_CAPTION" | cut -f 2-8; } | tr '\t' ' ')" \
  "the information window: its place, client area, and each control's class, text, place, visibility"
click_control "$ZLT_CONTROLLER_CAPTION" OK
assert_ends_within "$APP" 10 "the program, with no note open, after OK"

start_v
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
forward "" # an empty command line: no argument at all
assert_unseen 2 "the program after a second start with an empty command line"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the second start left no window behind"
assert_running "$APP" "the first instance"

forward_quoted_s
assert_dir_holds "$APP_DIR" "ZLTFusen.exe $WIN_USER"
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
click_control "$ZLT_CONTROLLER_CAPTION" OK
assert_ends_within "$running" 10 "the program after OK"

# Under LANG=C, the wineserver and Wine's desktop started by the program too, as at a user's.
stop_wine
ZLT_APP_LANG=C
start_v
forward_quoted_s
# The area "WxH+X+Y" on the screen of the control <text> of window <caption>, <inset> pixels
# in from its edges and <skip> more from its left edge (a check box's square); <cap> caps its
# height (a frame's caption): control_area <caption> <text> <inset> [<skip> [<cap>]]
control_area() {
  local child skip=${4:-0} cap=${5:-9999} x y w h
  child=$(child_line "$1" "$2")
  read -r x y <<<"$(child_centre "$1" "$child")"
  w=$(($(field "$child" 6) - $(field "$child" 4))) h=$(($(field "$child" 7) - $(field "$child" 5)))
  printf '%dx%d+%d+%d\n' $((w - 2 * $3 - skip)) $((h - 2 * $3 < cap ? h - 2 * $3 : cap)) \
    $((x - w / 2 + $3 + skip)) $((y - h / 2 + $3))
}
# A screenshot named after <name>, a moment after the last input; shot is its file.
take_shot() {
  sleep 0.8
  shot="$ZLT_ARTIFACT_DIR/starts-lang_c-$1.png"
  screenshot "$shot"
}
# The information window's title, in its own face (a serif one, bold and italic).
xdotool mousemove 900 900
take_shot information
assert_glyphs "$shot" "$(control_area "$ZLT_CONTROLLER_CAPTION" "ＺＬＴ付箋紙プラグイン " 0)" "the title ＺＬＴ付箋紙プラグイン"

note1=$(note_caption 1)
forward "$note1" /N
click_control "$ZLT_CONTROLLER_CAPTION" OK
xdotool mousemove 900 700
take_shot note
assert_glyphs "$shot" "$(control_area "$note1" 保存 3)" "the button 保存"
assert_glyphs "$shot" "$(control_area "$note1" アラーム 0 16)" "the check box アラーム"
assert_glyphs "$shot" "$(control_area "$note1" 詳細内容 0 0 16)" "the frame caption 詳細内容"

click_control "$note1" 保存
sleep 1
menu=$(open_note_menu "$note1")
take_shot menu
dismiss_menu
# Every item, Japanese or not, is a line of drawn glyphs (separators are too low to count).
read -r _ left top right bottom _ <<<"$menu"
area="$((right - left - 6))x$((bottom - top - 6))+$((left + 3))+$((top + 3))"
looks=$(convert "$shot" -crop "$area" +repage -colorspace gray -depth 8 -compress none pgm:- |
  python3 "$ZLT_WINE_DIR/glyph_rows.py" --lines | awk '{ printf "%s ", ($1 >= 4 ? "glyphs" : "boxes") }')
assert_eq "$(printf '%s\n' "${ZLT_MENU_ITEMS[@]}" | awk '$0 != "-" { printf "glyphs " }')" "$looks" \
  "each line of text in the menu: drawn glyphs, not empty boxes (see $shot)"
assert_running "$APP" "the program"
