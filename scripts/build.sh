#!/usr/bin/env bash
# Configures and builds the program, its tests and benchmarks into build/.
# Under CI (CI=true) compiler warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLARKSPAN_WARNINGS_AS_ERRORS=$werror "${launcher[@]}" >/dev/null
cmake --build build -j"$jobs"
