#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it from the
# repository folder (where its settings file TARVELO.dat is kept).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build build -j"$(nproc)" --target TARVELO
exec ./build/src/TARVELO "$@"
