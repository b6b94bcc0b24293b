#!/usr/bin/env bash
# The benchmark report: builds in Release into build-bench, then measures, each
# against bare Qt doing the same kind of work in the same run, and prints one table:
#   - process start to the start window's first paint (median of alternating
#     runs with a bare Qt window that quits after its first paint) and peak
#     memory, on the offscreen platform and on a virtual X display (Xvfb, no
#     window manager; the platform shows as xcb);
#   - a press on "Avanti" to the next operation painted (median, 99th percentile);
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
cmake --build build-bench -j"$(nproc)" --target finestranuda avvio misure >/dev/null

# The programs run in an empty folder of their own (the start window writes
# its settings file there, pages without a printer are kept as PDFs there, the
# class record its file), with no print server to ask: offscreen, then on a
# virtual X display.
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
mkdir -m 0700 "$lavoro/runtime"
radice=$PWD
bin="$radice/build-bench"
dettagli="$bin/dettagli.txt"
(
    cd "$lavoro"
    export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$lavoro/runtime" CUPS_SERVER="$lavoro/nessun-server.sock" \
        XDG_DATA_HOME="$lavoro/dati"
    "$bin/misure" "$giri" 50 1000 "$bin/avvio" "$bin/finestranuda"
    "$radice/tests/support/xvfb/con-xvfb.sh" "$bin/misure" "$giri" "$bin/avvio" "$bin/finestranuda"
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
