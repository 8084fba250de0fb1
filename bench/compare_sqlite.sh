#!/usr/bin/env bash
# The register's speed figures for N items beside sqlite3's on the same rows,
# each the median of several rounds:
#
#   bench/compare_sqlite.sh [N] [build folder]     (100000 items, "build")
#
# The register: bench_database (load, save, memory), bench_open (open to a
# filled list) and bench_search (a search that finds nothing, list sorts).
# sqlite3: .import of the database file's rows into memory, SELECT * of all
# rows to a file, a search of every text column that finds nothing, and
# ordering all rows by name and by date.
set -euo pipefail

items=${1:-100000}
build=${2:-build}
rounds=5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== the register, $items items"
"$build/bench/bench_database" "$items" "$work/rows.inb" | tail -1
"$build/bench/bench_open" "$items" 2>/dev/null | tail -1
"$build/bench/bench_search" "$items" 2>/dev/null | tail -1

command -v sqlite3 >/dev/null || { echo "sqlite3 is not installed"; exit 0; }

# The data lines without the header; every line ends in ";", so 18 columns.
tail -n +2 "$work/rows.inb" > "$work/rows.txt"
columns=$(printf 'c%d,' $(seq 1 18))
create="CREATE TABLE t(${columns%,});"
sqlite3 "$work/rows.db" "$create" ".separator ;" ".import $work/rows.txt t"

# Seconds of one command, the median of the rounds.
median() {
    local times=()
    for _ in $(seq "$rounds"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=("$(((end - start) / 1000000))")
    done
    local ms
    ms=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((rounds + 1) / 2))p")
    printf '%d.%03d\n' $((ms / 1000)) $((ms % 1000))
}

texts="c2 c3 c7 c8 c9 c10 c11 c14 c15 c16 c17"
where="c12 = '987654' OR c4 = '123456789' OR c6 = '31.12.1899'"
for column in $texts; do where="$where OR $column LIKE '%Ingen saadan ting%'"; done
date_key="substr(c6, 7, 4) || substr(c6, 4, 2) || substr(c6, 1, 2)"

import=$(median sqlite3 :memory: "$create" ".separator ;" ".import $work/rows.txt t")
select=$(median sqlite3 "$work/rows.db" ".mode list" ".separator ;" ".output $work/out.txt" "SELECT * FROM t;")
search=$(median sqlite3 "$work/rows.db" "SELECT count(*) FROM t WHERE $where;")
byName=$(median sqlite3 "$work/rows.db" "CREATE TEMP TABLE s AS SELECT rowid FROM t ORDER BY c2;")
byDate=$(median sqlite3 "$work/rows.db" "CREATE TEMP TABLE s AS SELECT rowid FROM t ORDER BY $date_key;")
echo "== sqlite3 $(sqlite3 --version | cut -d' ' -f1), the same rows"
echo "items=$items import_s=$import select_to_file_s=$select search_miss_s=$search order_by_name_s=$byName order_by_date_s=$byDate"
