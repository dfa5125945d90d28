#!/usr/bin/env bash
# Makes the program's icons from res/icons/veltrop.svg: the hicolor PNGs
# the Linux desktop uses, raw pixels of three of them for the Qt window, and
# veltrop.ico for Windows, whose three images (32x32 in 2 colours, 32x32 and
# 16x16 in 16 colours) are remapped onto the fixed Windows palettes. The
# outputs are committed; run this after editing the artwork.
# Needs: scripts/deps.sh qt
set -euo pipefail
cd "$(dirname "$0")/.."

icons=res/icons
svg=$icons/veltrop.svg
app_id=org.veltrop.Veltrop
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A size whose pixels fall between the drawing's grid lines smears its
# stripes; it has a drawing of its own, hinted onto its pixels
# (veltrop-SIZE.svg), which must still look like the main one.
for hinted in "$icons"/veltrop-*.svg; do
  size=${hinted##*/veltrop-}
  size=${size%.svg}
  rsvg-convert -w "$size" -h "$size" "$svg" -o "$tmp/main.png"
  rsvg-convert -w "$size" -h "$size" "$hinted" -o "$tmp/hinted.png"
  # Normalised root-mean-square difference, 0 (same) to 1; the hinting
  # itself moves edges by up to half a pixel, about 0.12 at 22 pixels.
  difference=$(compare -metric RMSE "$tmp/main.png" "$tmp/hinted.png" null: 2>&1 |
    sed -n 's/.*(\(.*\)).*/\1/p') || true
  if ! awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.2) }'; then
    echo "make-icons: $hinted no longer looks like $svg (difference ${difference:-unknown})" >&2
    exit 1
  fi
done

for size in 16 22 24 32 48 64 128 256; do
  dir=$icons/hicolor/${size}x${size}/apps
  mkdir -p "$dir"
  source=$svg
  if [[ -f $icons/veltrop-$size.svg ]]; then
    source=$icons/veltrop-$size.svg
  fi
  rsvg-convert -w "$size" -h "$size" "$source" -o "$tmp/render.png"
  # Strip the timestamps so an unchanged drawing gives unchanged files.
  convert "$tmp/render.png" -strip -define png:exclude-chunks=date,time \
    "PNG32:$dir/$app_id.png"
done

# The Qt window's own icon sizes as raw RGBA bytes, which the program uses
# as they are: no image decoder needs to be loaded at start-up.
mkdir -p "$icons/window"
for size in 16 32 48; do
  convert "$icons/hicolor/${size}x${size}/apps/$app_id.png" -depth 8 \
    "RGBA:$icons/window/${size}x${size}.rgba"
done

# The 16 colours of the standard Windows palette, and black and white.
convert xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' \
  xc:'#000080' xc:'#800080' xc:'#008080' xc:'#c0c0c0' \
  xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' \
  xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' xc:'#ffffff' +append "$tmp/vga.png"
convert xc:'#000000' xc:'#ffffff' +append "$tmp/mono.png"

# palette_image SIZE PALETTE OUT: the artwork at SIZE pixels in the
# palette's colours without dithering, with on/off transparency.
palette_image() {
  rsvg-convert -w "$1" -h "$1" "$svg" -o "$tmp/src.png"
  convert "$tmp/src.png" -alpha extract -threshold 50% "$tmp/mask.png"
  convert "$tmp/src.png" -alpha off -dither None -remap "$2" "$tmp/rgb.png"
  convert "$tmp/rgb.png" "$tmp/mask.png" -alpha off -compose CopyOpacity -composite \
    -strip "PNG32:$3"
}
palette_image 32 "$tmp/mono.png" "$tmp/32-2.png"
palette_image 32 "$tmp/vga.png" "$tmp/32-16.png"
palette_image 16 "$tmp/vga.png" "$tmp/16-16.png"

icotool -c -o "$icons/veltrop.ico" "$tmp/32-2.png" "$tmp/32-16.png" "$tmp/16-16.png"

listing=$(icotool -l "$icons/veltrop.ico")
echo "$listing"
expected='--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2
--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=3 --width=16 --height=16 --bit-depth=4 --palette-size=16'
if [[ $listing != "$expected" ]]; then
  echo "make-icons: veltrop.ico does not hold the three expected images" >&2
  exit 1
fi
