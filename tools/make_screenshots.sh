#!/bin/bash
# Takes a picture of each edition's main window on its demo database, in each
# language, from the built program under a virtual X server, for the README
# and the help pages: data/help/images/EDITION.LANGUAGE.png.
#
# Usage: tools/make_screenshots.sh [BUILD_FOLDER]   (default: build)
# Needs xvfb-run and ImageMagick's import.
set -euo pipefail

source_folder=$(cd "$(dirname "$0")/.." && pwd)
run_folder=$(cd "${1:-$source_folder/build}/run" && pwd)
images="$source_folder/data/help/images"
mkdir -p "$images"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

shoot() {
    local edition=$1 title=$2 language=$3
    local work="$scratch/$edition.$language"
    # A working folder of its own: the run folder's files, and a copy of the
    # demo databases, so that no lock or log lands in the run folder.
    mkdir -p "$work" "$work/home/config/Taldrum"
    for entry in "$run_folder"/*; do
        [ "$(basename "$entry")" = db ] || ln -s "$entry" "$work/"
    done
    cp -R "$run_folder/db" "$work/db"
    printf '[General]\nLanguage=%s\n\n[Items]\nshowAllItems=true\n' "$language" > "$work/home/config/Taldrum/$title.conf"

    (
        cd "$work"
        env HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" \
            XDG_CACHE_HOME="$work/home/cache" DEBUGTALDRUM= \
            xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
                "./'"$edition"'" &
                program=$!
                sleep 4
                import -window root -crop 800x600+0+0 +repage "'"$images/$edition.$language.png"'"
                kill -TERM $program
                wait $program || true'
    )
    echo "$images/$edition.$language.png"
}

for language in ${LANGUAGES:-dk no en}; do
    shoot ostrana Ostrana "$language"
    shoot vistrel Vistrel "$language"
    shoot numivax Numivax "$language"
    shoot quorvel Quorvel "$language"
done
