#!/bin/sh
# Draws the program icon, res/Vistrel.ico: a monitor whose screen is a grid of
# window thumbnails, in the style of the toolbar glyphs (1-pixel black outline,
# flat fills). Each size is laid out by hand on whole pixels, because scaling
# one picture would blur the small ones. Also writes a preview,
# build/screenshots/icon.png (each size 1x and enlarged 4x).
# Needs ImageMagick (convert).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
work=$root/build/icon
mkdir -p "$work" "$root/build/screenshots"

outline='#000000'
bezel='#C0C0C0'
screen='#0A246A'
title='#2A62D8'
paper='#FFFFFF'
sky='#A8CCF4'
grass='#38B038'

# box X0 Y0 X1 Y1 FILL: a filled rectangle with a 1-pixel outline, corners
# inclusive, as -draw arguments.
box() {
  rect "$1" "$2" "$3" "$4" "$outline"
  rect $(($1 + 1)) $(($2 + 1)) $(($3 - 1)) $(($4 - 1)) "$5"
}

# rect X0 Y0 X1 Y1 FILL: a plain filled rectangle.
rect() {
  printf ' -fill "%s" -draw "rectangle %d,%d %d,%d"' "$5" "$1" "$2" "$3" "$4"
}

# tile X0 Y0 W H BAR PICTURE: one thumbnail on the screen: a title bar BAR
# pixels high over a white client; PICTURE=1 paints a landscape in the client
# instead, so the grid does not look like one window repeated.
tile() {
  x0=$1 y0=$2 x1=$(($1 + $3 - 1)) y1=$(($2 + $4 - 1))
  rect "$x0" "$y0" "$x1" $((y0 + $5 - 1)) "$title"
  if [ "$6" = 1 ]; then
    mid=$(((y0 + $5 + y1) / 2))
    rect "$x0" $((y0 + $5)) "$x1" "$mid" "$sky"
    rect "$x0" $((mid + 1)) "$x1" "$y1" "$grass"
  else
    rect "$x0" $((y0 + $5)) "$x1" "$y1" "$paper"
  fi
}

# draw SIZE COMMANDS...: renders the commands on a transparent SIZE x SIZE
# canvas into $work/SIZE.png as 32-bit RGBA.
draw() {
  size=$1
  shift
  eval "convert -size ${size}x${size} xc:none -stroke none $* \"PNG32:\$work/\$size.png\""
}

# 16 x 16: a 2 x 2 grid.
draw 16 "$(box 0 0 15 12 "$bezel")" "$(rect 2 2 13 10 "$screen")" \
  "$(tile 3 3 4 3 1 0)" "$(tile 9 3 4 3 1 1)" "$(tile 3 7 4 3 1 1)" "$(tile 9 7 4 3 1 0)" \
  "$(box 3 13 12 15 "$bezel")"

# 32 x 32: a 3 x 2 grid.
draw 32 "$(box 0 1 31 24 "$bezel")" "$(rect 3 4 28 21 "$screen")" \
  "$(tile 5 6 6 6 2 0)" "$(tile 13 6 6 6 2 1)" "$(tile 21 6 6 6 2 0)" \
  "$(tile 5 14 6 6 2 1)" "$(tile 13 14 6 6 2 0)" "$(tile 21 14 6 6 2 1)" \
  "$(box 12 24 19 28 "$bezel")" "$(box 6 27 25 30 "$bezel")"

# 48 x 48: a 3 x 2 grid of larger thumbnails.
draw 48 "$(box 0 2 47 37 "$bezel")" "$(rect 4 6 43 33 "$screen")" \
  "$(tile 7 9 10 10 3 0)" "$(tile 19 9 10 10 3 1)" "$(tile 31 9 10 10 3 0)" \
  "$(tile 7 21 10 10 3 1)" "$(tile 19 21 10 10 3 0)" "$(tile 31 21 10 10 3 1)" \
  "$(box 19 37 28 42 "$bezel")" "$(box 9 41 38 45 "$bezel")"

convert "$work/16.png" "$work/32.png" "$work/48.png" "$root/res/Vistrel.ico"

# Preview: the three sizes at 1x, then enlarged 4x, on the menu face colour.
for size in 16 32 48; do
  convert "$work/$size.png" -scale 400% "$work/big-$size.png"
done
convert "$work/16.png" "$work/32.png" "$work/48.png" "$work/big-16.png" "$work/big-32.png" \
  "$work/big-48.png" -bordercolor none -border 8x8 -gravity south -background none +append +repage \
  -background '#D4D0C8' -flatten \
  "$root/build/screenshots/icon.png"
echo "$root/res/Vistrel.ico"
