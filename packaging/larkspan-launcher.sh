#!/bin/sh
# Starts one edition of Larkspan, named by this script's own name (ostrana,
# vistrel, numivax or quorvel).
#
# The program works in its working folder: catalogues, help pages and label
# templates are read from there, and the demo databases, the event log, the
# lock file and the label work file are written there. The installed program
# folder belongs to the installation (an update replaces its files, and it may
# not be writable at all), so each user works in a folder of their own,
# ${XDG_DATA_HOME:-~/.local/share}/Taldrum/Larkspan: the installed parts are
# linked into it afresh at every start, so an update reaches them, while db/
# and Work/ are the user's own copies, made at the first start and never
# overwritten.
set -e

edition=$(basename "$0")
script=$(readlink -f "$0")
program_folder=$(cd "$(dirname "$script")/../lib/larkspan" && pwd)
work_folder="${XDG_DATA_HOME:-$HOME/.local/share}/Taldrum/Larkspan"

mkdir -p "$work_folder"
# Links left behind by files an update removed.
for entry in "$work_folder"/* ; do
    if [ -L "$entry" ] && [ ! -e "$entry" ]; then
        rm -f "$entry"
    fi
done
for entry in "$program_folder"/* ; do
    name=$(basename "$entry")
    case "$name" in
    db | Work)
        if [ ! -e "$work_folder/$name" ]; then
            cp -R "$entry" "$work_folder/$name"
        fi
        ;;
    *)
        ln -sfn "$entry" "$work_folder/$name"
        ;;
    esac
done

cd "$work_folder"
exec "./$edition" "$@"
