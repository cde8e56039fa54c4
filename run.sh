#!/usr/bin/env bash
# Installs what is missing, builds a release and starts Mortarix.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
LAUNCHER=()
command -v ccache >/dev/null 2>&1 && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset release "${LAUNCHER[@]}" >/dev/null
cmake --build build -j"$(nproc)"
exec ./build/mortarix "$@"
