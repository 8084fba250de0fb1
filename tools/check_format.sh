#!/usr/bin/env bash
# Checks that every C++ source of the project is formatted by .clang-format;
# with --fix it formats them instead. Exit status 1 lists the files to fix.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=$(command -v clang-format || command -v clang-format-14 || true)
if [ -z "$formatter" ]; then
  echo "clang-format not found" >&2
  exit 1
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  "$formatter" -i "${files[@]}"
  exit 0
fi
bad=()
for f in "${files[@]}"; do
  "$formatter" --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  printf 'not formatted: %s\n' "${bad[@]}"
  echo "run: bash tools/check_format.sh --fix" >&2
  exit 1
fi
