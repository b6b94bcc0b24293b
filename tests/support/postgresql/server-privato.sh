#!/usr/bin/env bash
# A PostgreSQL server of our own for the tests and the benchmark: a cluster
# made by initdb in a temporary folder, listening only on a socket in that
# folder (no TCP), run by the `postgres` user when started by root. The
# machine's own clusters are never touched.
#
#   server-privato.sh start [folder]   makes and starts the cluster and prints the
#                                      variables to export: TARVELO_PG_HOST (the
#                                      socket folder), TARVELO_PG_PORTA,
#                                      TARVELO_PG_SUPERUTENTE (a superuser role for
#                                      setting up, trusted on the socket; every
#                                      other role logs in with its password) and
#                                      TARVELO_PG_PRIVATO (the folder)
#   server-privato.sh pause folder     stops the server, keeping its data
#   server-privato.sh resume folder    starts it again
#   server-privato.sh stop folder      stops it and removes the folder
set -euo pipefail

PORTA=5499
SUPERUTENTE=tarvelo_prova

errore() { echo "server-privato: $*" >&2; exit 1; }

# The server's programs, from Debian's newest installed version.
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)

# Runs a server program as postgres when we are root (initdb refuses root), else as
# ourselves; from /, which postgres may enter wherever we are.
come_server() {
    if [ "$(id -u)" -eq 0 ]; then
        (cd / && runuser -u postgres -- "$@")
    else
        "$@"
    fi
}

# Nothing here needs to survive a power cut: without fsync the many small
# databases of the tests are made and the server stopped in a moment.
avvia_server() {
    local dir=$1
    come_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/log" -w -t 30 \
        -o "-k $dir -c listen_addresses='' -p $PORTA -c fsync=off -c full_page_writes=off" start >/dev/null ||
        { cat "$dir/log" >&2; errore "il server non parte"; }
}

ferma_server() {
    local dir=$1
    come_server "$bin/pg_ctl" -D "$dir/data" -m fast -w -t 30 stop >/dev/null 2>&1 || true
}

controlla() {
    local dir=${1:-}
    [ -n "$dir" ] && [ -f "$dir/data/PG_VERSION" ] || errore "cartella del server non valida: '$dir'"
}

avvia() {
    local dir=${1:-}
    [ -n "$bin" ] && [ -x "$bin/initdb" ] || errore "PostgreSQL non installato (pacchetto postgresql)"
    if [ -z "$dir" ]; then
        dir=$(mktemp -d /tmp/postgresql-privato.XXXXXX)
    else
        mkdir -p "$dir"
        dir=$(cd "$dir" && pwd)
    fi
    # The folder holds the socket, open to every local user; the data stay the server's own.
    chmod 0755 "$dir"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$dir"
    come_server "$bin/initdb" -D "$dir/data" -U "$SUPERUTENTE" -A trust --no-sync -E UTF8 --locale=C.UTF-8 \
        >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; errore "initdb non riuscito"; }
    # The superuser is trusted on the socket; every other role gives its password.
    cat >"$dir/data/pg_hba.conf" <<HBA
local all $SUPERUTENTE trust
local all all scram-sha-256
HBA
    avvia_server "$dir"
    echo "export TARVELO_PG_HOST='$dir'"
    echo "export TARVELO_PG_PORTA='$PORTA'"
    echo "export TARVELO_PG_SUPERUTENTE='$SUPERUTENTE'"
    echo "export TARVELO_PG_PRIVATO='$dir'"
}

case "${1:-}" in
    start) avvia "${2:-}" ;;
    pause) controlla "${2:-}"; ferma_server "$2" ;;
    resume) controlla "${2:-}"; avvia_server "$2" ;;
    stop) controlla "${2:-}"; ferma_server "$2"; rm -rf "$2" ;;
    *) echo "uso: $0 start [cartella] | pause cartella | resume cartella | stop cartella" >&2; exit 2 ;;
esac
