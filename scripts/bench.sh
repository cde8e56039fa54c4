#!/usr/bin/env bash
# Builds the benchmarks (release) and prints one table of figures.
#   RUNS=n   whole-process runs per start-up figure (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/deps.sh test
# ccache may share compilations between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
RUNS=${RUNS:-15}
LAUNCHER=()
command -v ccache >/dev/null 2>&1 && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake --preset bench "${LAUNCHER[@]}" >/dev/null
cmake --build build-bench -j"$(nproc)" >/dev/null

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/config/Mortarix" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=offscreen
# A store holding every key the program reads.
{
  echo "[Values]"
  for a in "BLCKopt 2" "Option1 6" "Option2 6" "Option3 5" "Option10 6" "rbropt_visible 3"; do
    set -- $a
    for ((i = 0; i < $2; i++)); do
      v=False
      [ "$i" = 0 ] && v=True
      echo "$1%28$i%29=$v"
    done
  done
  echo
  echo "[Prices]"
  for ((i = 0; i <= 10; i++)); do echo "Price%28$i%29=$((i + 1))5"; done
} >"$WORK/config/Mortarix/Mortarix.ini"

python3 - "$RUNS" build-bench/bench/bench_bare build-bench/bench/bench_startup <<'PY'
import os, statistics, sys, time
runs = int(sys.argv[1]); programs = sys.argv[2:]
results = {p: ([], []) for p in programs}
for _ in range(runs):
    for p in programs:  # interleaved, so both see the same machine
        start = time.perf_counter()
        pid = os.spawnv(os.P_NOWAIT, p, [p])
        _, status, usage = os.wait4(pid, 0)
        wall = (time.perf_counter() - start) * 1000
        if status != 0:
            sys.exit(f"{p} exited with {status}")
        results[p][0].append(wall); results[p][1].append(usage.ru_maxrss / 1024)
bare, startup = programs
bw, bm = statistics.median(results[bare][0]), statistics.median(results[bare][1])
sw, sm = statistics.median(results[startup][0]), statistics.median(results[startup][1])
print(f"bare start-up wall (median of {runs})\t{bw:.1f}\tms")
print(f"bare peak memory (median)\t{bm:.1f}\tMiB")
print(f"start-up wall (median of {runs})\t{sw:.1f}\tms\t{sw / bw:.2f} x bare")
print(f"start-up peak memory (median)\t{sm:.1f}\tMiB\t{sm / bm:.2f} x bare")
PY
./build-bench/bench/bench_pageswitch 10000
./build-bench/bench/bench_export 20
./build-bench/bench/bench_jobs 50
# RTF throughput, with unrtf --text on the same files as a peer (installed here only).
RTF_DIR="$WORK/rtf"
mkdir -p "$RTF_DIR"
./build-bench/bench/bench_rtf "$RTF_DIR"
if ! command -v unrtf >/dev/null 2>&1; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get install -y -qq unrtf >/dev/null 2>&1 || true
fi
if command -v unrtf >/dev/null 2>&1; then
  for f in "$RTF_DIR"/*.rtf; do
    python3 - "$f" <<'PY'
import os, subprocess, sys, time
path = sys.argv[1]
start = time.perf_counter()
subprocess.run(["unrtf", "--text", path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
seconds = time.perf_counter() - start
mb = os.path.getsize(path) / (1024 * 1024)
print(f"unrtf --text {os.path.basename(path)[:-4]}\t{mb / seconds:.3f}\tMB/s")
PY
  done
fi
exit 0
