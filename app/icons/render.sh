#!/bin/sh
# Renders the PNG icons from the drawings beside this script (rsvg-convert,
# from librsvg2-bin), and the window's own sizes again as 32-bit bitmaps
# (ImageMagick), which the window reads without decompressing. The scalable drawing blurs at the smallest sizes, so 16
# and 24 pixels have drawings of their own on the pixel grid; 22 pixels is the
# 24-pixel drawing without its transparent rim.
set -eu
cd "$(dirname "$0")"
rsvg-convert roman-calculator-16.svg -o roman-calculator-16.png
rsvg-convert --page-width=22 --page-height=22 --left=-1 --top=-1 roman-calculator-24.svg \
    -o roman-calculator-22.png
rsvg-convert roman-calculator-24.svg -o roman-calculator-24.png
for size in 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" roman-calculator.svg -o "roman-calculator-$size.png"
done
for size in 16 22 24 32 48 64; do
    convert "roman-calculator-$size.png" "BMP:roman-calculator-$size.bmp"
done
