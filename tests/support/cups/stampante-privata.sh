#!/usr/bin/env bash
# A print server of our own for the print tests: a cupsd with its own folders,
# listening only on a socket in a temporary folder, with one raw queue "TEST"
# as its default. Each job's document (the PDF that Qt sends) is copied by a
# tiny backend into an output folder. The machine's own print server, queues
# and default printer are never touched.
#
#   stampante-privata.sh start [folder]   starts the server and prints the
#                                         variables to export (CUPS_SERVER,
#                                         TARVELO_STAMPE, TARVELO_STAMPANTE_PRIVATA)
#   stampante-privata.sh stop folder      stops it and removes the folder
set -euo pipefail

BACKEND=cattura
CODA=TEST

errore() { echo "stampante-privata: $*" >&2; exit 1; }

scrivi_configurazione() {
    local dir=$1
    local utente gruppo
    utente=$(id -un)
    gruppo=$(id -gn)
    mkdir -p "$dir"/{spool,state,cache,log,ssl,bin/backend,stampe}
    mkdir -p -m 1777 "$dir/tmp"
    chmod 0755 "$dir"

    cat >"$dir/cupsd.conf" <<CONF
LogLevel warn
MaxLogSize 0
Listen $dir/cups.sock
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
DefaultShared No
JobRetryLimit 0
PreserveJobHistory No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF

    {
        echo "ServerRoot $dir"
        echo "RequestRoot $dir/spool"
        echo "StateDir $dir/state"
        echo "CacheDir $dir/cache"
        echo "TempDir $dir/tmp"
        echo "ServerBin $dir/bin"
        echo "ServerKeychain $dir/ssl"
        echo "ErrorLog $dir/log/error_log"
        echo "AccessLog $dir/log/access_log"
        echo "PageLog $dir/log/page_log"
        echo "Printcap $dir/printcap"
        # Run as root, cupsd hands filters to the unprivileged user "lp" and
        # keeps 0700 backends as root; run as anyone else, everything stays
        # with that user.
        if [ "$(id -u)" -ne 0 ]; then
            echo "User $utente"
            echo "Group $gruppo"
            echo "SystemGroup $gruppo"
        fi
    } >"$dir/cups-files.conf"

    local parte
    for parte in filter daemon cgi-bin monitor notifier driver; do
        ln -s "/usr/lib/cups/$parte" "$dir/bin/$parte"
    done

    # The backend: with no arguments it announces itself; otherwise it copies
    # the job's document ($6, or standard input) into the folder of its URI.
    cat >"$dir/bin/backend/$BACKEND" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
    echo 'file cattura "Unknown" "Copia dei lavori in una cartella"'
    exit 0
fi
cartella=${DEVICE_URI#*:}
destinazione="$cartella/job-$1.pdf"
if [ -n "$6" ]; then
    cp "$6" "$destinazione.part" || exit 1
else
    cat >"$destinazione.part" || exit 1
fi
chmod 0644 "$destinazione.part"
mv "$destinazione.part" "$destinazione"
BACKEND
    chmod 0700 "$dir/bin/backend/$BACKEND"
}

aspetta_server() {
    local dir=$1 pid=$2 i
    for i in $(seq 1 100); do
        if CUPS_SERVER="$dir/cups.sock" lpstat -r >/dev/null 2>&1; then
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$dir/log/error_log" >&2 2>/dev/null || true
    return 1
}

avvia() {
    local dir=${1:-}
    command -v cupsd >/dev/null || [ -x /usr/sbin/cupsd ] || errore "cupsd non installato (pacchetto cups-daemon)"
    command -v lpadmin >/dev/null || errore "lpadmin non installato (pacchetto cups-client)"
    if [ -z "$dir" ]; then
        dir=$(mktemp -d /tmp/stampante-privata.XXXXXX)
    else
        mkdir -p "$dir"
        dir=$(cd "$dir" && pwd)
    fi
    scrivi_configurazione "$dir"

    local cupsd=/usr/sbin/cupsd
    command -v cupsd >/dev/null && cupsd=$(command -v cupsd)
    "$cupsd" -t -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/verifica" 2>&1 \
        || { cat "$dir/log/verifica" >&2; errore "configurazione rifiutata"; }
    # Foreground, detached from our terminal; stopped later by its PID.
    setsid "$cupsd" -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
    local pid=$!
    echo "$pid" >"$dir/cupsd.pid"
    aspetta_server "$dir" "$pid" || { ferma "$dir"; errore "il server di stampa non risponde"; }

    export CUPS_SERVER="$dir/cups.sock"
    # A server just started, on a loaded machine, now and then turns the first
    # request down: try again for a few seconds before giving up.
    local tentativo
    for tentativo in $(seq 1 10); do
        lpadmin -p "$CODA" -E -v "$BACKEND:$dir/stampe" -m raw 2>"$dir/log/lpadmin" && break
        [ "$tentativo" -lt 10 ] || { cat "$dir/log/lpadmin" >&2; ferma "$dir"; errore "impossibile creare la coda $CODA"; }
        sleep 0.5
    done
    lpadmin -d "$CODA" || { ferma "$dir"; errore "impossibile rendere $CODA predefinita"; }

    echo "export CUPS_SERVER='$dir/cups.sock'"
    echo "export TARVELO_STAMPE='$dir/stampe'"
    echo "export TARVELO_STAMPANTE_PRIVATA='$dir'"
}

ferma() {
    local dir=${1:-}
    [ -n "$dir" ] && [ -f "$dir/cupsd.conf" ] || errore "cartella del server non valida: '$dir'"
    if [ -f "$dir/cupsd.pid" ]; then
        local pid i
        pid=$(cat "$dir/cupsd.pid")
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid"
            for i in $(seq 1 50); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            kill -0 "$pid" 2>/dev/null && kill -KILL "$pid"
        fi
    fi
    rm -rf "$dir"
}

case "${1:-}" in
    start) avvia "${2:-}" ;;
    stop) ferma "${2:-}" ;;
    *) echo "uso: $0 start [cartella] | stop cartella" >&2; exit 2 ;;
esac
