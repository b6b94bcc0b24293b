#!/usr/bin/env bash
# Installs the built program into a staging folder and checks what a school
# technician gets: exactly the expected files, a valid menu entry and AppStream
# metadata (checked offline) naming this version's release, icons of the right
# size, a program that starts from its menu command in the user's home and
# writes its settings file there, and a Debian package with the same files,
# Debian's own package names as dependencies and, when lintian is installed, no
# lintian error or warning.
#   prova-installazione.sh <build folder> [<PNG icon sizes>...]
set -euo pipefail

build=$1
shift
lati=("$@")
id=it.ormido.Tarvelo

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
errori=0
sbaglio() { echo "ERRORE: $*" >&2; errori=$((errori + 1)); }

# --- the files ---------------------------------------------------------------
attesi=(
    usr/bin/TARVELO
    "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tarvelo/tarvelo_grafico.so"
    "usr/share/applications/$id.desktop"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    "usr/share/metainfo/$id.metainfo.xml"
    usr/share/doc/tarvelo/copyright
    usr/share/doc/tarvelo/changelog.gz
    usr/share/doc/tarvelo/examples/registro.ini
    usr/share/tarvelo/tarvelo-server.sql
    usr/share/man/man1/TARVELO.1.gz
    usr/share/man/it/man1/TARVELO.1.gz
)
for lato in "${lati[@]}"; do
    attesi+=("usr/share/icons/hicolor/${lato}x${lato}/apps/$id.png")
done
atteso=$(printf '%s\n' "${attesi[@]}" | sort)

DESTDIR="$tmp/stage" cmake --install "$build" --prefix /usr >/dev/null
trovato=$(cd "$tmp/stage" && find . -type f -printf '%P\n' | sort)
if [ "$trovato" != "$atteso" ]; then
    sbaglio "file installati diversi da quelli attesi"
    diff <(echo "$atteso") <(echo "$trovato") >&2 || true
fi
[ -x "$tmp/stage/usr/bin/TARVELO" ] || sbaglio "usr/bin/TARVELO non eseguibile"

desktop-file-validate "$tmp/stage/usr/share/applications/$id.desktop" ||
    sbaglio "voce di menu non valida"
appstreamcli validate --no-net "$tmp/stage/usr/share/metainfo/$id.metainfo.xml" >&2 ||
    sbaglio "metadati AppStream non validi"

# PNG width and height are the big-endian words at bytes 16 and 20.
for lato in "${lati[@]}"; do
    png="$tmp/stage/usr/share/icons/hicolor/${lato}x${lato}/apps/$id.png"
    [ -f "$png" ] || continue
    misure=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$misure" = "${lato}x${lato}" ] || sbaglio "icona ${lato}: misura $misure"
done

# --- started as the menu starts it ----------------------------------------------
# The Exec line of the installed entry, run from another folder with a home of
# our own: the settings file must land in the home, nowhere else. With no user
# to close its windows the program is still running when timeout stops it.
comando=$(sed -n 's/^Exec=//p' "$tmp/stage/usr/share/applications/$id.desktop")
mkdir -p "$tmp/casa" "$tmp/altrove"
stato=0
(
    cd "$tmp/altrove"
    export HOME="$tmp/casa" PATH="$tmp/stage/usr/bin:$PATH" QT_QPA_PLATFORM=offscreen
    eval "timeout 3 $comando"
) || stato=$?
[ "$stato" -eq 124 ] || sbaglio "il programma è uscito da solo con codice $stato"
if [ -f "$tmp/casa/TARVELO.dat" ]; then
    cmp -s <(printf ' 1  1 \r\n') "$tmp/casa/TARVELO.dat" ||
        sbaglio "TARVELO.dat contiene: $(od -An -c "$tmp/casa/TARVELO.dat")"
else
    sbaglio "TARVELO.dat non scritto nella cartella home"
fi
[ ! -e "$tmp/altrove/TARVELO.dat" ] || sbaglio "TARVELO.dat scritto fuori dalla cartella home"

# --- the Debian package ------------------------------------------------------------
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/deb" >/dev/null
deb=$(ls "$tmp"/deb/*.deb)
[ "$(dpkg-deb -f "$deb" Package)" = tarvelo ] || sbaglio "nome del pacchetto: $(dpkg-deb -f "$deb" Package)"
dipendenze=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort -u)
for nome in libqt6core6 libqt6gui6 libqt6widgets6 libqt6charts6 libcups2 libqt6sql6-sqlite libsodium23 fonts-liberation \
    qt6-translations-l10n; do
    grep -qx "$nome" <<<"$dipendenze" || sbaglio "manca la dipendenza $nome (Depends: $(dpkg-deb -f "$deb" Depends))"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = libqt6sql6-psql ] ||
    sbaglio "Recommends: $(dpkg-deb -f "$deb" Recommends) invece di libqt6sql6-psql"
versione=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$versione\"" "$tmp/stage/usr/share/metainfo/$id.metainfo.xml" ||
    sbaglio "i metadati AppStream non descrivono la versione $versione"
contenuto=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\.\//, "", $6); print $6}' | sort)
if [ "$contenuto" != "$atteso" ]; then
    sbaglio "file del pacchetto diversi da quelli attesi"
    diff <(echo "$atteso") <(echo "$contenuto") >&2 || true
fi

if command -v lintian >/dev/null; then
    rapporto=$(lintian --fail-on error,warning "$deb" 2>&1) ||
        sbaglio "lintian trova errori o avvertimenti nel pacchetto"
    # (Run as root, lintian also says it would rather not be.)
    grep -v 'root privileges' <<<"$rapporto" >&2 || true
fi

[ "$errori" -eq 0 ] && echo "installazione corretta"
exit $((errori > 0))
