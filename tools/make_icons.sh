#!/bin/sh
# Writes the program's icons into desktop/icons/ (compiled in through desktop/larkspan.qrc).
#
# The toolbar and list icons are the 32x32 pictures of the Tango icon theme
# (Debian package tango-icon-theme, public domain). The receipt icon is drawn
# here with ImageMagick at 128x128 and scaled down, so its edges are smooth.
# The four edition icons are drawings of their own, packaging/icons/EDITION.svg:
# each is rendered at every size a desktop asks for (packaging/icons/NxN/,
# installed into the hicolor icon theme) and at 32x32 for the program's
# window. See ICONS.md for the source of each file.
#
#   sudo apt-get install tango-icon-theme imagemagick librsvg2-bin
#   sh tools/make_icons.sh
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/desktop/icons"
editions="$root/packaging/icons"
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

# The edition icons, from their drawings. The sizes are those that
# cmake/Install.cmake installs.
render() {
    rsvg-convert --width "$2" --height "$2" "$editions/$1.svg" | convert png:- $png_options "$3"
}
for edition in ostrana vistrel numivax quorvel; do
    for size in 16 24 32 48 64 128 256; do
        mkdir -p "$editions/${size}x$size"
        render $edition $size "$editions/${size}x$size/$edition.png"
    done
    render $edition 32 "$out/$edition.png"
done
