#!/bin/sh
# Removes the installation of Larkspan from PREFIX: every file its record
# PREFIX/share/larkspan/installed.txt lists, then the folders that the
# installation made and that are empty now. A folder that was there before
# (PREFIX/bin, an icon size folder of the desktop's theme) stays, even empty;
# so does a folder that still holds something else. Each user's working folder
# and settings are not touched.
#
#   sh scripts/uninstall.sh PREFIX        (with sudo for a system-wide one)
set -eu

if [ $# -ne 1 ]; then
    echo "usage: $0 PREFIX" >&2
    exit 2
fi
prefix=${1%/}
record="$prefix/share/larkspan/installed.txt"
if [ ! -f "$record" ]; then
    echo "$0: no installation of Larkspan in $prefix ($record is missing)" >&2
    exit 1
fi

# Read whole before its own file goes.
entries=$(cat "$record")

printf '%s\n' "$entries" | while IFS= read -r line; do
    case "$line" in
    "file "*) rm -f "$prefix/${line#file }" ;;
    esac
done

# The program folder is the installation's alone: its empty folders go
# (Setup/ and Work/ hold no installed file and so are in no record line).
if [ -d "$prefix/lib/larkspan" ]; then
    find "$prefix/lib/larkspan" -depth -type d -empty -delete
fi

# Deepest first, so that a folder goes before its parent is tried.
printf '%s\n' "$entries" | sed -n 's/^folder //p' | LC_ALL=C sort -r | while IFS= read -r folder; do
    if [ "$folder" = . ]; then
        folder=$prefix
    else
        folder="$prefix/$folder"
    fi
    if [ -d "$folder" ] && [ ! -L "$folder" ]; then
        rmdir "$folder" 2>/dev/null || true
    fi
done
