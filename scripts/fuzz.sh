#!/usr/bin/env bash
# Fuzzes the parsers of outside text (the settings file, the pupil's name)
# with libFuzzer, each for the given seconds (default 15), starting from the
# committed seed corpus in fuzz/corpus. Inputs found on the way go to a
# temporary folder; a crash leaves its input in build-fuzz/ and fails.
#   scripts/fuzz.sh [seconds per target]      e.g. scripts/fuzz.sh 3600 for a long run
set -euo pipefail
cd "$(dirname "$0")/.."

secondi=${1:-15}
scripts/deps.sh fuzz
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=None >/dev/null
cmake --build build-fuzz -j"$(nproc)"

nuovi=$(mktemp -d)
trap 'rm -rf "$nuovi"' EXIT
for bersaglio in livelli nome; do
    mkdir -p "$nuovi/$bersaglio"
    registro="build-fuzz/fuzz_$bersaglio.log"
    if ! (cd build-fuzz && "./fuzz_$bersaglio" -max_total_time="$secondi" -timeout=5 -max_len=8192 \
            -print_final_stats=1 "$nuovi/$bersaglio" "../fuzz/corpus/$bersaglio") >"$registro" 2>&1; then
        tail -n 40 "$registro"
        echo "fuzz_$bersaglio: FAILED (input saved in build-fuzz/)" >&2
        exit 1
    fi
    echo "fuzz_$bersaglio: $(grep -m1 -o 'number_of_executed_units: *[0-9]*' "$registro" | tr -s ' ' | cut -d' ' -f2) runs in $secondi s, no crash"
done
