# shellcheck shell=bash
# Helpers of lib.sh (which sources this file) for dialogs, such as the information window, and
# for telling drawn glyphs from empty boxes on a screenshot.

# Screen point "x y" at the middle of a child line of a window with a frame (a dialog): the
# client area's corner lies one border in from the left and bottom edges.
dialog_child_centre() {
  local caption=$1 child=$2 top border client_left client_top
  top=$(probe find "$caption" | head -n 1) || fail "no window captioned '$caption'"
  border=$((($(field "$top" 8) - $(field "$top" 6) - $(field "$top" 10)) / 2))
  client_left=$(($(field "$top" 6) + border))
  client_top=$(($(field "$top" 9) - border - $(field "$top" 11)))
  printf '%s %s\n' $((client_left + ($(field "$child" 4) + $(field "$child" 6)) / 2)) \
    $((client_top + ($(field "$child" 5) + $(field "$child" 7)) / 2))
}

# Clicks the control of a dialog that shows this text.
click_dialog_control() {
  local caption=$1 text=$2 point
  point=$(dialog_child_centre "$caption" "$(child_line "$caption" "$text")")
  say "click '$text' at $point" >&2
  # shellcheck disable=SC2086
  xclick $point
}

# Drawn text, not empty boxes, in the screen area "WxH+X+Y" of a screenshot: the dark pixels'
# rows differ as glyphs do (see glyph_rows.py). Saves the area beside the log when not.
assert_glyphs() {
  local shot=$1 area=$2 what=$3 rows
  check "$what shows drawn glyphs, not empty boxes"
  rows=$(convert "$shot" -crop "$area" +repage -colorspace gray -depth 8 -compress none pgm:- |
    python3 "$ZLT_WINE_DIR/glyph_rows.py") || fail "$what: cannot read $shot"
  if ((rows < 4)); then
    convert "$shot" -crop "$area" +repage "${ZLT_ARTIFACT_DIR:-$ZLT_TMP}/${ZLT_TEST_NAME}-glyphs.png" 2>/dev/null
    fail "$what: only $rows different rows of dark pixels in $area (empty boxes?)"
  fi
}
