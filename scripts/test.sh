#!/usr/bin/env bash
# Installs what is missing, builds the program with its tests and runs every
# test headless. The print tests go to a print server of our own, the class
# record's lab tests to a PostgreSQL server of our own, both started here and
# stopped at the end; the machine's printers and clusters are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON
cmake --build build -j"$(nproc)"

. scripts/server-privati.sh

stato=0
ctest --test-dir build --output-on-failure -j"$(nproc)" || stato=$?
# The parsers of outside text under libFuzzer, 15 s each from the seed corpus.
scripts/fuzz.sh 15 || stato=$?
exit "$stato"
