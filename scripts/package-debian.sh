#!/usr/bin/env bash
# Builds the program (scripts/build.sh, into build/) and makes its Debian
# package from that build: build/larkspan_VERSION_ARCH.deb, for
#   sudo apt install ./build/larkspan_*.deb
# The package's program is the build's, stripped of its debugging
# information. Needs the packages of scripts/setup-debian.sh (dpkg-dev for
# the dependencies; lintian, desktop-file-utils and appstream to check it).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/build.sh
cd build
cpack -G DEB
# The package's own checks, where their programs are installed: lintian's
# findings are shown, and only an error fails.
deb=$(ls -t larkspan_*.deb | head -n 1)
if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$deb"
fi
echo "Made build/$deb"
