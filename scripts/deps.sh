#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing.
#   deps.sh        what building and running the program needs (Qt's SQLite and
#                  PostgreSQL drivers for the class record, libpq's headers)
#   deps.sh test   the same, plus what the tests need (a print server of our
#                  own, a PostgreSQL server of our own, pdftotext to read
#                  printed pages back, the menu entry, AppStream and Debian
#                  package checkers, an X display and the accessibility bus with
#                  its Python client, clang and libFuzzer for the fuzz targets)
#   deps.sh bench  the same as the first, plus a PostgreSQL server of our own
#   deps.sh fuzz   what building and fuzzing needs
set -euo pipefail

pacchetti=(build-essential cmake qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libpq-dev libcups2-dev
    qt6-translations-l10n fonts-liberation librsvg2-bin)
if [ "${1:-}" = test ]; then
    pacchetti+=(cups-daemon cups-client poppler-utils desktop-file-utils appstream lintian
                xvfb dbus dbus-x11 at-spi2-core python3-pyatspi)
fi
if [ "${1:-}" = test ] || [ "${1:-}" = bench ]; then
    pacchetti+=(postgresql)
fi
if [ "${1:-}" = test ] || [ "${1:-}" = fuzz ]; then
    pacchetti+=(clang libclang-rt-14-dev)
fi

# One dpkg-query for all: a package it does not know is simply not listed.
installati=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${pacchetti[@]}" 2>/dev/null || true)
mancanti=()
for p in "${pacchetti[@]}"; do
    grep -qx "$p installed" <<<"$installati" || mancanti+=("$p")
done
[ ${#mancanti[@]} -eq 0 ] && exit 0

echo "Installo: ${mancanti[*]}"
if [ "$(id -u)" -eq 0 ]; then
    come=()
elif command -v sudo >/dev/null; then
    come=(sudo)
else
    echo "Servono i pacchetti ${mancanti[*]}: esegui come root o installa sudo." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${come[@]}" apt-get -o DPkg::Lock::Timeout=900 update
"${come[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends "${mancanti[@]}"
