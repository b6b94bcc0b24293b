#!/usr/bin/env bash
# Builds the Debian package of TARVELO from this folder: installs what is
# missing, builds a release into build-deb/ and packs it with CPack.
# The package lands in build-deb/ as tarvelo_<version>_<arch>.deb; install it with
#   sudo apt-get install ./build-deb/tarvelo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls build-deb/tarvelo_*.deb
