#!/usr/bin/env bash
# The benchmark report: builds in Release into build-bench, then measures,
# each against bare Qt doing the same kind of work in the same run, and prints
# one table:
#   - process start to the start window's first paint (median of alternating
#     runs with a bare Qt window that quits after its first paint), the whole
#     run, and peak memory, on the offscreen platform and on a virtual X display
#     (Xvfb, no window manager; the rows say xcb);
#   - a judged answer recorded in the SQLite file and on PostgreSQL, against a
#     bare QSqlQuery insert of the same row (median, 99th percentile); an ended
#     series sent to PostgreSQL;
#   - a press on "Avanti" to the next operation painted (median, 99th
#     percentile), with the record on this computer and again while every
#     series goes to a lab's server that answers only after 500 ms;
#   - a 60-line worksheet generated and shown; printed into a PDF;
#   - the certificate drawn; the report page printed into a PDF;
#   - the grading window's register of 10,000 series read and shown; filtered.
# The program's own output goes to build-bench/dettagli.txt.
#   bench/run.sh [rounds]     (default 15 start-ups; 50 rounds of the rest; 1,000 presses)
set -euo pipefail
cd "$(dirname "$0")/.."

giri=${1:-15}
scripts/deps.sh bench
cmake -S bench -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)" --target finestranuda misure ritardatore >/dev/null

# The programs run in an empty folder of their own (the start window writes
# its settings file there, pages without a printer are kept as PDFs there, the
# class record its file), with no print server to ask. The lab's
# server is a private PostgreSQL, reached directly and through a relay that
# holds each of its answers for 500 ms.
lavoro=$(mktemp -d)
relay=""
pg=$(tests/support/postgresql/server-privato.sh start)
eval "$pg"
trap '[ -z "$relay" ] || kill "$relay"; tests/support/postgresql/server-privato.sh stop "$TARVELO_PG_PRIVATO";
      rm -rf "$lavoro"' EXIT
mkdir -m 0700 "$lavoro/runtime" "$lavoro/lento"
radice=$PWD
bin="$radice/build-bench/bin"
dettagli="$radice/build-bench/dettagli.txt"

psql=(psql -X -q -v ON_ERROR_STOP=1 -h "$TARVELO_PG_HOST" -p "$TARVELO_PG_PORTA" -U "$TARVELO_PG_SUPERUTENTE")
"${psql[@]}" -d postgres -c 'CREATE DATABASE banco'
"${psql[@]}" -d banco -f dist/tarvelo-server.sql
"${psql[@]}" -d banco -c "ALTER ROLE tarvelo_alunni PASSWORD 'banco'" \
    -c 'CREATE TABLE nudo (LIKE operazioni)' -c 'GRANT INSERT ON nudo TO tarvelo_alunni'
(umask 077 && echo banco >"$lavoro/password")
for laboratorio in diretto:"$TARVELO_PG_HOST" lento:"$lavoro/lento"; do
    printf '[server]\nhost = %s\nporta = %s\ndatabase = banco\nfile_password = %s\n' \
        "${laboratorio#*:}" "$TARVELO_PG_PORTA" "$lavoro/password" >"$lavoro/${laboratorio%%:*}.ini"
done
socket=".s.PGSQL.$TARVELO_PG_PORTA"
"$bin/ritardatore" "$lavoro/lento/$socket" "$TARVELO_PG_HOST/$socket" 500 >"$lavoro/ritardatore.out" &
relay=$!
for _ in $(seq 1 50); do grep -qs pronto "$lavoro/ritardatore.out" && break; sleep 0.1; done

(
    cd "$lavoro"
    export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$lavoro/runtime" CUPS_SERVER="$lavoro/nessun-server.sock" \
        XDG_DATA_HOME="$lavoro/dati" XDG_CONFIG_HOME="$lavoro/configurazione"
    "$bin/misure" "$giri" 50 1000 "$bin/finestranuda" "$lavoro/diretto.ini" "$lavoro/lento.ini"
    QT_QPA_PLATFORM=xcb "$radice/tests/support/xvfb/con-xvfb.sh" "$bin/misure" "$giri" "$bin/finestranuda"
) >"$dettagli" 2>&1 || { cat "$dettagli"; exit 1; }

echo "| measure | TARVELO | bare Qt | against bare Qt | aim |"
echo "|---|---|---|---|---|"
grep '^riga|' "$dettagli" | while IFS='|' read -r _ misura valore nudo obiettivo; do
    rapporto=""
    # Memory is compared by difference, everything else by ratio.
    [ -n "$nudo" ] && rapporto=$(awk -v a="$valore" -v b="$nudo" -v o="$obiettivo" \
        'BEGIN { if (o ~ /^\+/) printf "%+.1f", a - b; else if (b > 0) printf "x%.2f", a / b }')
    echo "| $misura | $valore | ${nudo:--} | ${rapporto:--} | ${obiettivo:--} |"
done
