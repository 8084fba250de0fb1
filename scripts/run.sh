#!/usr/bin/env bash
# Builds and starts an edition (ostrana by default) from the run folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
edition=${1:-ostrana}
cd build/run
exec "./$edition"
