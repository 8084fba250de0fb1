#!/bin/sh
# Writes the program's icons into desktop/icons/ (compiled in through desktop/larkspan.qrc).
#
# The toolbar and list icons are the 32x32 pictures of the Tango icon theme
# (Debian package tango-icon-theme, public domain). The receipt icon and the
# four edition icons are drawn here with ImageMagick at 128x128 and scaled
# down, so their edges are smooth. See ICONS.md for the source of each file.
#
#   sudo apt-get install tango-icon-theme imagemagick
#   sh tools/make_icons.sh
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/desktop/icons"
tango=/usr/share/icons/Tango/32x32
mkdir -p "$out"

# Pictures written without time stamps, so that the same input gives the same bytes.
png_options="-strip -define png:exclude-chunks=date,time"

copy() {
    # Re-encoded without the theme's metadata.
    convert "$tango/$1" $png_options "$out/$2"
}

copy actions/document-new.png new.png
copy actions/document-open.png open.png
copy actions/document-save.png save.png
copy actions/document-print.png print.png
copy actions/edit-find.png search.png
copy mimetypes/image-x-generic.png picture.png
copy apps/internet-web-browser.png www.png
copy mimetypes/x-office-document.png document.png
copy mimetypes/x-office-presentation.png report.png

draw() {
    name=$1
    shift
    convert -size 128x128 xc:none "$@" -resize 32x32 $png_options "$out/$name"
}

# A till receipt: paper slip with a torn lower edge, text lines and a total.
draw receipt.png \
    -fill '#00000030' -draw 'polygon 30,10 106,10 106,112 98,120 90,112 82,120 74,112 66,120 58,112 50,120 42,112 34,120 30,116' \
    -fill white -stroke '#888a85' -strokewidth 4 \
    -draw 'polygon 24,6 100,6 100,108 92,116 84,108 76,116 68,108 60,116 52,108 44,116 36,108 28,116 24,112' \
    -stroke '#555753' -strokewidth 6 \
    -draw 'line 38,28 86,28' -draw 'line 38,44 74,44' -draw 'line 38,58 82,58' -draw 'line 38,72 66,72' \
    -stroke '#204a87' -strokewidth 8 -draw 'line 52,92 86,92'

# Ostrana, home contents: a house.
draw ostrana.png \
    -fill '#eeeeec' -stroke '#555753' -strokewidth 5 -draw 'rectangle 24,58 104,116' \
    -fill '#cc0000' -stroke '#a40000' -strokewidth 5 -draw 'polygon 10,62 64,12 118,62' \
    -fill '#8f5902' -stroke '#5c3a00' -strokewidth 4 -draw 'rectangle 34,78 58,116' \
    -fill '#729fcf' -stroke '#3465a4' -strokewidth 4 -draw 'rectangle 72,74 94,96' \
    -stroke '#3465a4' -strokewidth 3 -draw 'line 83,74 83,96' -draw 'line 72,85 94,85'

# Vistrel, pictures: a landscape in a gilt frame.
draw vistrel.png \
    -fill '#c4a000' -stroke '#8f5902' -strokewidth 4 -draw 'rectangle 8,16 120,112' \
    -fill '#9fc5e8' -stroke '#8f5902' -strokewidth 3 -draw 'rectangle 22,30 106,98' \
    -stroke none -fill '#fce94f' -draw 'circle 48,50 48,60' \
    -fill '#4e9a06' -draw 'polygon 22,98 22,78 50,64 74,80 92,68 106,76 106,98'

# Numivax, coins: a gold coin with its value.
draw numivax.png \
    -fill '#8f5902' -draw 'circle 66,66 66,10' \
    -fill '#edd400' -stroke '#c4a000' -strokewidth 4 -draw 'circle 62,62 62,8' \
    -fill none -stroke '#c4a000' -strokewidth 4 -draw 'circle 62,62 62,20' \
    -stroke none -fill '#8f5902' -font /usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf \
    -pointsize 64 -gravity center -annotate +0+2 '1'

# Quorvel, inventory: a cardboard box with a barcode label.
draw quorvel.png \
    -fill '#c17d11' -stroke '#8f5902' -strokewidth 4 -draw 'polygon 14,40 64,22 114,40 64,58' \
    -fill '#e9b96e' -draw 'polygon 14,40 64,58 64,118 14,100' \
    -fill '#c17d11' -draw 'polygon 64,58 114,40 114,100 64,118' \
    -fill white -stroke '#555753' -strokewidth 2 -draw 'rectangle 22,64 56,96' \
    -stroke black -strokewidth 3 \
    -draw 'line 27,68 27,90' -draw 'line 32,68 32,90' -draw 'line 35,68 35,90' \
    -draw 'line 40,68 40,90' -draw 'line 45,68 45,90' -draw 'line 48,68 48,90' -draw 'line 52,68 52,90'
