#!/usr/bin/env bash
# Reads the drawn number back from a picture of the audience screen, as the back row would:
# the light grey box it stands in is found by its colour, and Tesseract reads the digits in it.
# Prints the digits read (nothing if none), or "preto" for a picture that is all black.
#   numero-no-telao.sh <picture>
set -euo pipefail
imagem=$1
if [ "$(convert "$imagem" -format '%[fx:maxima]' info:)" = 0 ]; then
  echo preto
  exit 0
fi
# Only the box's grey kept; the opening wipes out the specks of that grey in the smoothed edges
# of light text elsewhere, so that what is left is the box alone.
caixa=$(convert "$imagem" -fill black +opaque 'rgb(192,192,192)' -morphology Open Square:3 \
          -trim -format '%wx%h%X%Y' info:)
# Tesseract reads a line best at some tens of pixels high, in black on white with a margin:
# larger, it took the narrowed 7 of "27" for a 1 (once in thirty numbers).
convert "$imagem" -crop "$caixa" +repage -colorspace Gray -resize x80 -threshold 50% \
  -bordercolor white -border 15 png:- |
  tesseract stdin stdout --psm 7 -c tessedit_char_whitelist=0123456789 2>/dev/null | tr -dc 0-9
echo
