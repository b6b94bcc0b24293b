#!/usr/bin/env bash
# Start-up benchmark: builds in Release into build-bench, then measures, on the
# offscreen platform, process start to the start window's first paint (then
# the program's own ending) against a bare Qt window that quits after its
# first paint: median of alternating runs and peak memory.
#   bench/run.sh [rounds]     (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."

giri=${1:-15}
scripts/deps.sh
cmake -S bench -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)" --target finestranuda avvio misura schede

# The programs run in an empty folder of their own (the start window writes
# its settings file there), offscreen, with no print server to ask.
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
mkdir -m 0700 "$lavoro/runtime"
cd "$lavoro"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$lavoro/runtime"
bin="$OLDPWD/build-bench"
"$bin/misura" "$giri" "bare window=$bin/finestranuda" "TARVELO start window=$bin/avvio"
"$bin/schede" "$giri"
