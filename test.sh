#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh

BUILD_DIR=${MORTARIX_TEST_BUILD_DIR:-build-test}
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${LAUNCHER[@]}" >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"

# No test may touch the real user's settings.
TMP_HOME=$(mktemp -d)
trap 'rm -rf "$TMP_HOME"' EXIT
mkdir -p "$TMP_HOME/config" "$TMP_HOME/runtime"
chmod 700 "$TMP_HOME/runtime"
export XDG_CONFIG_HOME="$TMP_HOME/config"
export XDG_RUNTIME_DIR="$TMP_HOME/runtime"
export QT_QPA_PLATFORM=offscreen

ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)"
