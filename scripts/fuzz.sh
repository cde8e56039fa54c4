#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) and runs each of them.
#   scripts/fuzz.sh [seconds]    fuzz each target for that long (default 60)
#   scripts/fuzz.sh --replay     only replay the seeds and the saved crash reproducers
# Findings are written to build-fuzz/findings/<target>/; keep a reproducer as a regression by
# copying it to tests/fuzz/crashes/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

MODE=fuzz
SECONDS_PER_TARGET=60
case "${1:-}" in
  --replay) MODE=replay ;;
  "") ;;
  *) SECONDS_PER_TARGET=$1 ;;
esac

./scripts/deps.sh test
# ccache may share compilations between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
LAUNCHER=()
command -v ccache >/dev/null 2>&1 && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset fuzz "${LAUNCHER[@]}" >/dev/null
TARGETS=(fuzz_rtfreader fuzz_rtfroundtrip fuzz_numbers fuzz_settings fuzz_jobreader)
cmake --build build-fuzz -j"$(nproc)" --target "${TARGETS[@]}"

SHARED_RTF=${MORTARIX_CORPUS:-../shared/corpus}/rtf
seeds_of() {
  case "$1" in
    fuzz_rtfreader | fuzz_rtfroundtrip) [ -d "$SHARED_RTF" ] && echo "$SHARED_RTF" ;;
    fuzz_numbers) echo tests/fuzz/seeds/numbers ;;
    fuzz_settings) echo tests/fuzz/seeds/settings ;;
    fuzz_jobreader) echo tests/fuzz/seeds/jobs ;;
  esac
}

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0:allocator_may_return_null=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
failed=0
passed=0
for target in "${TARGETS[@]}"; do
  binary=build-fuzz/tests/fuzz/$target
  seeds=$(seeds_of "$target" || true)
  replay=()
  [ -n "$seeds" ] && replay+=("$seeds"/*)
  [ -d "tests/fuzz/crashes/$target" ] && replay+=(tests/fuzz/crashes/"$target"/*)
  files=()
  for f in "${replay[@]}"; do [ -f "$f" ] && files+=("$f"); done
  if [ ${#files[@]} -gt 0 ]; then
    if "$binary" -rss_limit_mb=4096 -timeout=20 "${files[@]}" >"build-fuzz/$target.replay.log" 2>&1; then
      echo "$target: replayed ${#files[@]} inputs"
    else
      echo "$target: replay FAILED (build-fuzz/$target.replay.log)"
      tail -40 "build-fuzz/$target.replay.log"
      failed=$((failed + 1))
      continue
    fi
  fi
  [ "$MODE" = replay ] && { passed=$((passed + 1)); continue; }

  work=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  mkdir -p "$work" "$findings"
  corpora=("$work")
  [ -n "$seeds" ] && corpora+=("$seeds")
  if "$binary" -max_total_time="$SECONDS_PER_TARGET" -timeout=20 -rss_limit_mb=4096 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$findings/" "${corpora[@]}" >"build-fuzz/$target.log" 2>&1; then
    stats=$(grep -E '^#[0-9]+[[:space:]]+DONE' "build-fuzz/$target.log" | tail -1 || true)
    echo "$target: ${SECONDS_PER_TARGET}s, no finding. $stats"
    passed=$((passed + 1))
  else
    echo "$target: FINDING (build-fuzz/$target.log, $findings)"
    tail -60 "build-fuzz/$target.log"
    failed=$((failed + 1))
  fi
done
echo "fuzz targets: $passed clean, $failed with findings"
[ "$failed" -eq 0 ]
