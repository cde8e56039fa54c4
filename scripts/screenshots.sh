#!/usr/bin/env bash
# Takes the pictures of the README and the user guide (docs/*.png): builds the screenshot driver
# into build-docs and runs it on a virtual screen. It prints every value the pages showed, the
# numbers the guide quotes.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh test

LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B build-docs -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORTARIX_BUILD_TESTS=OFF \
  -DMORTARIX_BUILD_BENCH=OFF -DMORTARIX_BUILD_DOCS=ON "${LAUNCHER[@]}" >/dev/null
cmake --build build-docs -j"$(nproc)" --target mortarix_screenshots

# A real (virtual) X screen, so the pictures show the fonts and style a desktop user sees.
unset QT_QPA_PLATFORM
xvfb-run -a -s "-screen 0 1024x768x24" ./build-docs/docs/tools/mortarix_screenshots docs
