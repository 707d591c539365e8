#!/bin/sh
# Renders the main window's glyphs into build/screenshots/glyphs.png for review:
# each glyph 8x on the menu face colour (so transparent pixels show), labelled
# with its index, and below them the whole set at 1x on white (the toolbar) and
# on the menu face, scaled 3x without smoothing.
# Needs a host C++ compiler and ImageMagick (montage, convert).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build/glyph-sheet
out=$root/build/screenshots/glyphs.png
face='#D4D0C8'

mkdir -p "$work" "$(dirname "$out")"
rm -f "$work"/*.pam "$work"/*.png
${CXX:-c++} -std=c++20 -Wall -Wextra -O1 -I"$root/src" \
  "$root/src/main/Glyphs.cpp" "$root/tools/GlyphSheet.cpp" -o "$work/glyph-sheet"
"$work/glyph-sheet" "$work"

# What each index is for, to label the tiles.
set -- "show" "minimise" "close" "refresh" "select all" "minimised" "parked" \
  "to front" "translucent" "level" "opaque" "version" "help" "clipping" \
  "on" "off" "clip auto off" "clip auto on" "auto update" "sort" "forward" \
  "back" "spare" "exclude" "delete" "save" "clip list" "copy"

i=0
for name in "$@"; do
  n=$(printf %02d "$i")
  convert "$work/$n.pam" -background "$face" -flatten -scale 800% \
    -set label "$i $name" "$work/big-$n.png"
  i=$((i + 1))
done
montage "$work"/big-*.png -tile 7x -geometry +6+6 -font DejaVu-Sans -pointsize 14 \
  -background white "$work/big.png"

# Real size, as the toolbar (white) and the menus (face colour) show them.
convert "$work"/??.pam -background none -splice 2x0 +append -gravity east -splice 2x0 \
  -gravity center -bordercolor none -border 0x2 +repage "$work/strip.png"
convert \( "$work/strip.png" -background white -flatten \) \
  \( "$work/strip.png" -background "$face" -flatten \) -append -scale 300% "$work/real.png"

convert "$work/big.png" "$work/real.png" -background white -gravity center -append "$out"
echo "$out"
