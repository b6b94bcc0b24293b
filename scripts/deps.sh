#!/usr/bin/env bash
# Installs the Debian packages the project needs, only when some are missing.
#   deps.sh        what building and running the program needs (Qt's SQLite and
#                  PostgreSQL drivers for the class record, libpq's headers)
#   deps.sh test   the same, plus what the tests need (a print server of our
#                  own, a PostgreSQL server of our own, pdftotext to read
#                  printed pages back, the menu entry, AppStream and Debian
#                  package checkers, an X display with a window manager, the
#                  accessibility bus with its Python client, clang and
#                  libFuzzer for the fuzz targets, and the it_IT and en_US
#                  locales that the date tests run under)
#   deps.sh fuzz   what building and fuzzing needs
#   deps.sh bench  the same as the first, plus a virtual display and a
#                  PostgreSQL server of our own
set -euo pipefail

# qt6-charts-dev needs libqt6opengl6-dev for its CMake files, without saying so.
pacchetti=(build-essential cmake qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libpq-dev libcups2-dev
    qt6-translations-l10n fonts-liberation librsvg2-bin qt6-charts-dev libqt6opengl6-dev libsodium-dev pkg-config)
locali=()
if [ "${1:-}" = test ]; then
    pacchetti+=(cups-daemon cups-client poppler-utils desktop-file-utils appstream lintian
                xvfb openbox dbus dbus-x11 at-spi2-core python3-pyatspi locales)
    locali=(it_IT.UTF-8 en_US.UTF-8)
fi
if [ "${1:-}" = bench ]; then
    pacchetti+=(xvfb)
fi
if [ "${1:-}" = test ] || [ "${1:-}" = bench ]; then
    pacchetti+=(postgresql)
fi
if [ "${1:-}" = test ] || [ "${1:-}" = fuzz ]; then
    pacchetti+=(clang libclang-rt-14-dev)
fi

if [ "$(id -u)" -eq 0 ]; then
    come=()
elif command -v sudo >/dev/null; then
    come=(sudo)
else
    come=(nessuno)
fi

# One dpkg-query for all: a package it does not know is simply not listed.
installati=$(dpkg-query -W -f='${Package} ${db:Status-Status}\n' "${pacchetti[@]}" 2>/dev/null || true)
mancanti=()
for p in "${pacchetti[@]}"; do
    grep -qx "$p installed" <<<"$installati" || mancanti+=("$p")
done
if [ ${#mancanti[@]} -gt 0 ]; then
    echo "Installo: ${mancanti[*]}"
    if [ "${come[*]}" = nessuno ]; then
        echo "Servono i pacchetti ${mancanti[*]}: esegui come root o installa sudo." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${come[@]}" apt-get -o DPkg::Lock::Timeout=900 update
    "${come[@]}" apt-get -o DPkg::Lock::Timeout=900 install -y --no-install-recommends "${mancanti[@]}"
fi

# Locales are generated from /etc/locale.gen; `locale -a` lists them as "it_IT.utf8".
generare=()
for l in "${locali[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l%.UTF-8}.utf8" || generare+=("$l")
done
[ ${#generare[@]} -eq 0 ] && exit 0
if [ "${come[*]}" = nessuno ]; then
    echo "Mancano i locale ${generare[*]}: senza root i test delle date li saltano." >&2
    exit 0
fi
echo "Genero i locale: ${generare[*]}"
for l in "${generare[@]}"; do
    if grep -q "^# *$l UTF-8" /etc/locale.gen 2>/dev/null; then
        "${come[@]}" sed -i "s/^# *$l UTF-8/$l UTF-8/" /etc/locale.gen
    elif ! grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null; then
        echo "$l UTF-8" | "${come[@]}" tee -a /etc/locale.gen >/dev/null
    fi
done
"${come[@]}" locale-gen
