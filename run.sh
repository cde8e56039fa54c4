#!/usr/bin/env bash
# Installs what is missing, builds a release and starts Mortarix.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORTARIX_BUILD_TESTS=OFF -DMORTARIX_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec ./build/mortarix "$@"
