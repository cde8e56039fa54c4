#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Mortarix need.
# Only what is missing is installed, quietly; works as root or through sudo.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev qt6-qpa-plugins libxlsxwriter-dev libzip-dev
  fonts-dejavu-core poppler-utils
  xvfb xauth imagemagick
  ccache dpkg-dev desktop-file-utils appstream
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
  else
    echo "deps.sh: missing packages (${missing[*]}) and neither root nor sudo available" >&2
    exit 1
  fi
fi

echo "deps.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
