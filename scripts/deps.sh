#!/usr/bin/env bash
# Installs the Debian packages Mortarix needs; only what is missing, quietly; as root or via sudo.
#   scripts/deps.sh          what building and running the program need (run.sh)
#   scripts/deps.sh test     that, and the tools of the tests, fuzzing, benchmarks, screenshots and package
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkgconf
  qt6-base-dev qt6-qpa-plugins libqt6svg6 libxlsxwriter-dev libzip-dev
  fonts-dejavu-core fonts-wqy-microhei
)
if [ "${1:-}" = test ]; then
  PACKAGES+=(
    ccache poppler-utils
    xvfb xauth imagemagick
    dpkg-dev desktop-file-utils appstream shared-mime-info
    clang libclang-rt-14-dev
  )
fi

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
