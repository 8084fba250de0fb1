#!/usr/bin/env bash
# Installs the Debian 12 packages that the register needs to build, run and test,
# and those that build and check its Debian package (scripts/package-debian.sh).
# Only packages that are missing are installed; run as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n libgl-dev
  libzint-dev zbar-tools
  xvfb xauth x11-utils imagemagick
  python3 clang-format
  poppler-utils
  dpkg-dev desktop-file-utils appstream lintian shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
