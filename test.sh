#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suite optimized as it ships (where the
# timing tests hold; first, so a broken build fails in minutes), the suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (with assertions on), then the fuzz targets (their saved inputs
# replayed, then 30 s each).
#   MORTARIX_SKIP_SANITIZE=1 / MORTARIX_SKIP_FUZZ=1 leave those stages out while developing.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/deps.sh test
# ccache may share compilations between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# No test may touch the real user's settings.
TMP_HOME=$(mktemp -d)
trap 'rm -rf "$TMP_HOME"' EXIT
mkdir -p "$TMP_HOME/config" "$TMP_HOME/runtime"
chmod 700 "$TMP_HOME/runtime"
export XDG_CONFIG_HOME="$TMP_HOME/config"
export XDG_RUNTIME_DIR="$TMP_HOME/runtime"
export QT_QPA_PLATFORM=offscreen
# The random-user test replays one fixed run here; a hand run picks its own seed and prints it.
export MONKEY_SEED=${MONKEY_SEED:-1}

run_suite() {
  local preset=$1 build_dir=$2
  shift 2
  local started=$SECONDS
  cmake --preset "$preset" -B "$build_dir" "${LAUNCHER[@]}" "$@" >/dev/null
  cmake --build "$build_dir" -j"$(nproc)"
  local built=$SECONDS
  echo "== $build_dir built in $((built - started)) s"
  ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
  echo "== $build_dir tests ran in $((SECONDS - built)) s"
}

run_suite test "${MORTARIX_TEST_BUILD_DIR:-build-test}"

if [ -z "${MORTARIX_SKIP_SANITIZE:-}" ]; then
  ASAN_OPTIONS=halt_on_error=1:detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    MONKEY_EVENTS=${MONKEY_EVENTS:-5000} \
    run_suite sanitize build-sanitize
fi

if [ -z "${MORTARIX_SKIP_FUZZ:-}" ]; then
  started=$SECONDS
  ./scripts/fuzz.sh --replay
  ./scripts/fuzz.sh 30
  echo "== fuzzing took $((SECONDS - started)) s"
fi
echo "== all stages took $SECONDS s"
