#!/bin/sh
# Starts one edition of Larkspan, named by this script's own name (ostrana,
# vistrel, numivax or quorvel).
#
# The program works in its working folder: catalogues, help pages and label
# templates are read from there, and the demo databases, the event log, the
# lock file and the label work file are written there. The installed program
# folder belongs to the installation (an update replaces its files, and it may
# not be writable at all), so each user works in a folder of their own,
# ${XDG_DATA_HOME:-~/.local/share}/Taldrum/Larkspan:
# - the catalogues, the help pages and the program are linked into it afresh
#   at every start, so an update reaches them;
# - db/ and Work/ are the user's own copies, made at the first start and never
#   overwritten;
# - Setup/ (the printer device file and the label templates) is the user's
#   own folder: a file of the installed Setup/ is copied into it when it is
#   missing there (at the first start, or when an update brings a new file,
#   or when the user removed a copy to get the installed one back), and a file
#   the user has is never replaced.
# The copies are writable for the user even when the installed files are not.
#
# A database file named on the command line (as a file manager passes it)
# goes to the program as it is; the program takes a relative name from the
# folder the launcher was started in, LARKSPAN_START_FOLDER.
set -e

LARKSPAN_START_FOLDER=${PWD:-$(pwd)}
export LARKSPAN_START_FOLDER

edition=$(basename "$0")
script=$(readlink -f "$0")
program_folder=$(cd "$(dirname "$script")/../lib/larkspan" && pwd)
work_folder="${XDG_DATA_HOME:-$HOME/.local/share}/Taldrum/Larkspan"

# Copies an installed file or folder to a target that does not exist, as the
# user's own: writable for the user. The copy gets its name only when it is
# whole, so a start that is cut short leaves no half copy to keep.
copy_own() {
    partial="$2.partial"
    rm -rf "$partial"
    cp -R "$1" "$partial"
    chmod -R u+w "$partial"
    mv "$partial" "$2"
}

mkdir -p "$work_folder"
# Links left behind by files an update removed.
for entry in "$work_folder"/* ; do
    if [ -L "$entry" ] && [ ! -e "$entry" ]; then
        rm -f "$entry"
    fi
done

for entry in "$program_folder"/* ; do
    name=$(basename "$entry")
    target="$work_folder/$name"
    case "$name" in
    db | Work)
        if [ ! -e "$target" ]; then
            copy_own "$entry" "$target"
        fi
        ;;
    Setup)
        # Earlier versions linked the installed Setup/ into the working
        # folder; what the user saw through the link becomes their copy.
        if [ -L "$target" ]; then
            linked=$(readlink -f "$target")
            rm -f "$target"
            copy_own "$linked" "$target"
        fi
        mkdir -p "$target"
        for file in "$entry"/* ; do
            [ -e "$file" ] || continue
            own="$target/$(basename "$file")"
            # A link to the installed file (or to nothing) is not the user's.
            if [ -L "$own" ] && { [ ! -e "$own" ] || [ "$(readlink -f "$own")" = "$(readlink -f "$file")" ]; }; then
                rm -f "$own"
            fi
            if [ ! -e "$own" ] && [ ! -L "$own" ]; then
                copy_own "$file" "$own"
            fi
        done
        ;;
    *)
        ln -sfn "$entry" "$target"
        ;;
    esac
done

cd "$work_folder"
exec "./$edition" "$@"
