#!/usr/bin/env bash
# Takes the README's screenshots with the real program under Wine and Xvfb:
#   tests/wine/make_screenshots.sh [output folder]     (default docs/screenshots)
# Needs the mingw build and a base prefix (ctest -R wine_prefix makes one in build/linux).
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$(mkdir -p "${1:-$root/docs/screenshots}" && cd "${1:-$root/docs/screenshots}" && pwd)
export ZLT_TEST_NAME=make_screenshots
export ZLT_EXE=${ZLT_EXE:-$root/build/mingw/src/platform/win32/ZLTFusen.exe}
export ZLT_PROBE=${ZLT_PROBE:-$root/build/mingw/tools/probe/zltprobe.exe}
export ZLT_PREFIX_BASE=${ZLT_PREFIX_BASE:-$root/build/linux/wineprefix-base}
source "$here/lib.sh"
setup
need_tools xsetroot convert

# A plain desktop colour, so the notes stand out as they would on a desktop.
xsetroot -solid '#3a6d8c'

# Keeps the pointer (and any tooltip) out of the picture.
pointer_away() {
  xdotool mousemove 900 700
  sleep 0.8
}

shoot() {
  local name=$1 geometry=$2
  screenshot "$ZLT_TMP/full.png"
  convert "$ZLT_TMP/full.png" -crop "$geometry" +repage -strip "$out/$name"
  say "wrote $out/$name ($(stat -c %s "$out/$name") bytes)"
}

note1=$(note_caption 1)
note2=$(note_caption 2)
start_app /N
assert_window --visible "$note1" 15000 >/dev/null
fill_new_note "$note1" 買い物 $'牛乳\nパン'
pointer_away
shoot note-open.png 470x372+1450+0

click_control "$note1" 保存
wait_file "$DATA_DIR/0.txt" 10 || fail "the first note was not saved"
open_note_menu "$note1" >/dev/null
choose_menu_item 新規メモ
assert_window --visible "$note2" 10000 >/dev/null
fill_new_note "$note2" 電話 $'歯医者\n午後三時'
click_control "$note2" 保存
wait_file "$DATA_DIR/1.txt" 10 || fail "the second note was not saved"
wait_rect "$note2" "1696,33-1920,65" || fail "the second note did not collapse"
pointer_away
shoot note-collapsed.png 300x100+1620+0

menu=$(open_note_menu "$note1")
left=$(field "$menu" 2) bottom=$(field "$menu" 5)
sleep 0.5
x=$((left < 1680 ? left - 16 : 1664))
shoot note-menu.png "$((1920 - x))x$((bottom + 16))+$x+0"
xdotool key Escape
