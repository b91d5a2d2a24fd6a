#!/usr/bin/env bash
# Takes the README's screenshots with the real program under Wine and Xvfb:
#   scripts/make_screenshots.sh [output folder]     (default docs/screenshots)
# Needs the mingw build and a base prefix (ctest -R wine_prefix makes one in build/linux).
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
out=$(mkdir -p "${1:-$root/docs/screenshots}" && cd "${1:-$root/docs/screenshots}" && pwd)
export ZLT_TEST_NAME=make_screenshots
export ZLT_EXE=${ZLT_EXE:-$root/build/mingw/src/platform/win32/ZLTFusen.exe}
export ZLT_PROBE=${ZLT_PROBE:-$root/build/mingw/tools/probe/zltprobe.exe}
export ZLT_PREFIX_BASE=${ZLT_PREFIX_BASE:-$root/build/linux/wineprefix-base}
# The Wine tests' helpers: a prefix copy, Xvfb, the probe.
source "$root/tests/wine/lib.sh"
setup
need_tools xsetroot convert

# A plain desktop colour, so the notes stand out as they would on a desktop.
xsetroot -solid '#3a6d8c'

# Takes the area "WxH+X+Y" of the screen into <name>, the pointer (and any tooltip) moved out of
# the picture first unless a third argument says it stays (on an open menu).
shoot() {
  local name=$1 geometry=$2
  [[ -n ${3:-} ]] || { xdotool mousemove 900 700 && sleep 0.8; }
  screenshot "$ZLT_TMP/full.png"
  convert "$ZLT_TMP/full.png" -crop "$geometry" +repage -strip "$out/$name"
  say "wrote $out/$name ($(stat -c %s "$out/$name") bytes)"
}

note1=$(note_caption 1)
note2=$(note_caption 2)
start_for "$note1" /N
fill_new_note "$note1" 買い物 $'牛乳\nパン'
shoot note-open.png 470x372+1450+0

# Ticking the alarm opens the date picker at the present month; unticking closes it again.
click_control "$note1" アラーム
sleep 0.5
shoot note-alarm-picker.png 470x372+1450+0
click_control "$note1" アラーム

click_control "$note1" 保存
wait_file "$DATA_DIR/0.txt" 10 || fail "the first note was not saved"
note_menu "$note1" 新規メモ
assert_window --visible "$note2" 10000 >/dev/null
save_new_note "$note2" "$DATA_DIR/1.txt" 電話 $'歯医者\n午後三時'
wait_rect "$note2" "1696,33-1920,65" || fail "the second note did not collapse"
shoot note-collapsed.png 300x100+1620+0

menu=$(open_note_menu "$note1")
left=$(field "$menu" 2) bottom=$(field "$menu" 5)
sleep 0.5
x=$((left < 1680 ? left - 16 : 1664))
shoot note-menu.png "$((1920 - x))x$((bottom + 16))+$x+0" here
xdotool key Escape

# Four notes lined up around the middle of the right edge: the first just below the middle
# line, the others taking turns above and below it.
note3=$(note_caption 3)
note4=$(note_caption 4)
sleep 0.3
note_menu "$note2" 新規メモ
assert_window --visible "$note3" 10000 >/dev/null
save_new_note "$note3" "$DATA_DIR/2.txt" 会議 四時から
note_menu "$note3" 新規メモ
assert_window --visible "$note4" 10000 >/dev/null
save_new_note "$note4" "$DATA_DIR/3.txt" 図書館 本を返す
note_menu "$note1" 画面右中央に整列
# 1080 px = 16200 twips: Tops 8340, 7850, 8840, 7350 twips = 556, 523, 589, 490 px.
wait_rect "$note4" "1696,490-1920,522" || fail "the notes were not arranged"
shoot notes-arranged.png 300x160+1620+476

# The information window, forwarded "/S" while the notes run.
start_app /S
line=$(assert_window --visible "$ZLT_CONTROLLER_CAPTION" 10000)
left=$(field "$line" 6) top=$(field "$line" 7) right=$(field "$line" 8) bottom=$(field "$line" 9)
shoot information.png "$((right - left + 24))x$((bottom - top + 24))+$((left - 12))+$((top - 12))"
