#!/usr/bin/env bash
# Builds the program and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan) and runs the whole suite there,
# print and lab tests included, against a print server and a PostgreSQL
# server of our own. Any report of either sanitizer, or of LeakSanitizer,
# fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
# -O1 without debug information: instrumented code at -O2 -g compiles half
# again as slowly, and the reports still name every function.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 -DBUILD_TESTING=ON \
    -DTARVELO_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"

. scripts/server-privati.sh

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
