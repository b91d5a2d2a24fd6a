#!/bin/sh
# Draws the program icon, a small yellow sticky note with an orange tab and
# a folded corner, at 32 and 16 pixels, and packs both into ZLTFusen.ico.
# Needs ImageMagick's convert. Run from anywhere; writes beside this script.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 32 x 32: note body with shadow, tab, written lines, folded corner.
convert -size 32x32 xc:none \
  -fill '#00000040' -draw 'polygon 3,4 30,4 30,23 23,30 3,30' \
  -fill '#FFFFC0' -stroke '#B8A040' -draw 'polygon 1,2 28,2 28,21 21,28 1,28' \
  -stroke none -fill '#FFE0C0' -draw 'rectangle 2,3 6,27' \
  -fill '#F0A050' -draw 'rectangle 2,3 6,9' \
  -stroke '#8080A0' -strokewidth 1 \
  -draw 'line 10,9 25,9' -draw 'line 10,14 25,14' -draw 'line 10,19 22,19' \
  -stroke '#B8A040' -fill '#E8E090' -draw 'polygon 21,28 21,21 28,21' \
  "$work/note32.png"

# 16 x 16: the same note drawn for the small size (not scaled down).
convert -size 16x16 xc:none \
  -fill '#FFFFC0' -stroke '#B8A040' -draw 'polygon 0,1 15,1 15,11 11,15 0,15' \
  -stroke none -fill '#F0A050' -draw 'rectangle 1,2 3,14' \
  -stroke '#8080A0' -draw 'line 5,5 13,5' -draw 'line 5,8 13,8' \
  -stroke '#B8A040' -fill '#E8E090' -draw 'polygon 11,15 11,11 15,11' \
  "$work/note16.png"

convert "$work/note16.png" "$work/note32.png" "$here/ZLTFusen.ico"
