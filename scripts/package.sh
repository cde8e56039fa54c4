#!/usr/bin/env bash
# Builds the Debian package of Mortarix into build-package/.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh test
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORTARIX_BUILD_TESTS=OFF -DMORTARIX_BUILD_BENCH=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
# A double click on a job file needs the file type in the package.
dpkg-deb -c build-package/mortarix_*.deb | grep -q 'share/mime/packages/mortarix.xml$' ||
  { echo "package.sh: the job file type is missing from the package" >&2; exit 1; }
ls -l build-package/mortarix_*.deb
