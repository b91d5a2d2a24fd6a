#!/usr/bin/env python3
"""Tells drawn text from empty boxes in a plain grey-scale image (PGM, P2) on stdin.

A pixel is dark when it is well darker than the image's most common shade, its background.
Prints the number of different pixel rows inside the dark pixels' bounding box, its top and
bottom two rows left out. A row of empty boxes (a font without the glyphs) repeats one or two
row patterns, the boxes' sides, from top to bottom; real glyphs give many different rows.
With --lines, the image is cut into lines of text at rows without dark pixels (lines lower
than 5 pixels, such as a menu's separators, are left out) and one count is printed per line.
"""
import itertools
import sys


def distinct_rows(rows):
    dark = [y for y, row in enumerate(rows) if "1" in row]
    if not dark:
        return 0
    left = min(row.index("1") for row in rows if "1" in row)
    right = max(row.rindex("1") for row in rows if "1" in row)
    return len({rows[y][left:right + 1] for y in range(dark[0] + 2, dark[-1] - 1)})


def text_lines(rows):
    runs = (list(run) for dark, run in itertools.groupby(rows, lambda row: "1" in row) if dark)
    return [run for run in runs if len(run) >= 5]


tokens = sys.stdin.read().split()
if not tokens or tokens[0] != "P2":
    sys.exit("glyph_rows.py: expected a plain PGM (P2) image")
width, height, top = int(tokens[1]), int(tokens[2]), int(tokens[3])
values = [int(v) * 255 // top for v in tokens[4:4 + width * height]]
background = max(set(values), key=values.count)
bits = "".join("1" if v < background - 30 else "0" for v in values)
image = [bits[y * width:(y + 1) * width] for y in range(height)]
for part in text_lines(image) if "--lines" in sys.argv[1:] else [image]:
    print(distinct_rows(part))
