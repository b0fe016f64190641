#!/bin/sh
# Renders every bitmap (in resource order) and every icon four times larger on one sheet, to judge
# them by eye: build/images/contact_sheet.png, the transparent colour shown as button grey.
# Needs ImageMagick.
set -e
repo=$(cd "$(dirname "$0")/../.." && pwd)
out="$repo/build/images"
face='rgb(212,208,200)'
rm -rf "$out/tiles"
mkdir -p "$out/tiles"
tile() {  # tile SOURCE NAME LABEL
    convert "$1" -fill "$face" -opaque 'rgb(16,16,16)' -background "$face" -flatten -scale 400% \
        -gravity center -background 'rgb(236,236,236)' -extent 100x100 \
        -gravity south -splice 0x14 -font DejaVu-Sans -pointsize 9 -fill black \
        -annotate +0+1 "$3" "$out/tiles/$2.png"
}
count=0
grep ' BITMAP ' "$repo/resources/images.rc" | while read -r id _ file; do
    file=$(echo "$file" | tr -d '"')
    count=$((count + 1))
    tile "$repo/resources/$file" "$(printf '%03d' "$count")" "$id $(basename "$file" .bmp)"
done
grep ' ICON ' "$repo/resources/images.rc" | while read -r id _ file; do
    file=$(echo "$file" | tr -d '"')
    tile "$repo/resources/$file[0]" "9${id}a" "$id 16"
    tile "$repo/resources/$file[1]" "9${id}b" "$id 32"
done
montage "$out"/tiles/*.png -tile 8x -geometry +4+4 -background 'rgb(236,236,236)' "$out/contact_sheet.png"
# The same images at their real size, for legibility.
mkdir -p "$out/actual"
rm -f "$out"/actual/*.png
grep ' BITMAP ' "$repo/resources/images.rc" | while read -r id _ file; do
    file=$(echo "$file" | tr -d '"')
    convert "$repo/resources/$file" -fill "$face" -opaque 'rgb(16,16,16)' "$out/actual/$id.png"
done
montage $(ls "$out"/actual/*.png | sort -t/ -k2 -V) -tile 10x -geometry "24x24>+4+4" -gravity center \
    -background "$face" "$out/actual_size.png"
echo "$out/contact_sheet.png"
