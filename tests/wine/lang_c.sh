#!/usr/bin/env bash
# The program under LANG=C (ANSI code page 1252 in Wine). The Japanese caption a second start
# looks for does not depend on the ANSI code page: a quoted "/S" still reaches the first
# instance. The Japanese labels, buttons and menu items still show their glyphs: every font
# asks for the Japanese character set.
export ZLT_TEST_NAME=lang_c ZLT_APP_LANG=C
source "$(dirname "$0")/lib.sh"
setup
need_tools convert python3

start_app /V
APP=$LAST_PID
assert_window "$ZLT_CONTROLLER_CAPTION" 15000 >/dev/null
sleep 0.5
assert_running "$APP" "the first instance after /V with no notes"
assert_unseen 0 "after /V with an empty data folder"
start_app_raw '   "/S"  '
assert_ends_within "$LAST_PID" 10 "the second start with a quoted /S"
line=$(probe find "$ZLT_CONTROLLER_CAPTION") || fail "no window captioned $ZLT_CONTROLLER_CAPTION"
assert_eq 1 "$(wc -l <<<"$line")" "one window is captioned $ZLT_CONTROLLER_CAPTION"
assert_eq 1 "$(field "$line" 3)" "the information window is visible"
assert_eq 0 "$(count_windows "ZLTFusenCheck")" "the second start left no window behind"

# The information window's title, in its own face (a serif one, bold and italic).
title=$(child_line "$ZLT_CONTROLLER_CAPTION" "ＺＬＴ付箋紙プラグイン ")
read -r x y <<<"$(child_centre "$ZLT_CONTROLLER_CAPTION" "$title")"
width=$(($(field "$title" 6) - $(field "$title" 4))) height=$(($(field "$title" 7) - $(field "$title" 5)))
xdotool mousemove 900 900
sleep 0.5
shot="$ZLT_ARTIFACT_DIR/lang_c-information.png"
screenshot "$shot"
assert_glyphs "$shot" "${width}x${height}+$((x - width / 2))+$((y - height / 2))" "the title ＺＬＴ付箋紙プラグイン"

note1=$(note_caption 1)
forward /N
assert_window --visible "$note1" 10000 >/dev/null
click_control "$ZLT_CONTROLLER_CAPTION" OK
xdotool mousemove 900 700
sleep 0.8
shot="$ZLT_ARTIFACT_DIR/lang_c-note.png"
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
shot="$ZLT_ARTIFACT_DIR/lang_c-menu.png"
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
