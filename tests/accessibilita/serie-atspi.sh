#!/usr/bin/env bash
# A whole series done through the accessibility bus alone, as a screen reader
# or a switch would do it (serie_atspi.py). Starts an X display of its own
# (Xvfb), a session bus and the accessibility bus on it, runs the program
# there and stops everything at the end. Skipped (exit 77) only when the
# buses cannot start.
#   serie-atspi.sh <program>
# TARVELO_XVFB: the first X display number tried (default 170); the next nine follow.
set -euo pipefail
programma=$(realpath "$1")
guida="$(dirname "$(realpath "$0")")/serie_atspi.py"

cartella=$(mktemp -d)
chmod 0700 "$cartella"
processi=()
ferma() {
    local i
    for ((i = ${#processi[@]} - 1; i >= 0; i--)); do
        kill "${processi[i]}" 2>/dev/null || true
        wait "${processi[i]}" 2>/dev/null || true
    done
    rm -rf "$cartella"
}
trap ferma EXIT
salta() {
    echo "SKIP: $*" >&2
    exit 77
}
attendi() { # attendi <tenths of a second> <command...>: true once the command succeeds
    local volte=$1
    shift
    for ((; volte > 0; volte--)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

primo=${TARVELO_XVFB:-170}
schermo=
for ((n = primo; n < primo + 10; n++)); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$cartella/xvfb.log" 2>&1 &
    processi+=($!)
    if attendi 50 test -S "/tmp/.X11-unix/X$n"; then
        schermo=:$n
        break
    fi
done
[ -n "$schermo" ] || { cat "$cartella/xvfb.log" >&2; echo "Xvfb did not start on :$primo to :$((primo + 9))" >&2; exit 1; }
export DISPLAY=$schermo XDG_RUNTIME_DIR=$cartella

dbus-daemon --session --nofork --print-address=1 >"$cartella/bus" 2>"$cartella/bus.log" &
processi+=($!)
attendi 50 test -s "$cartella/bus" || salta "the session bus did not start: $(cat "$cartella/bus.log")"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$cartella/bus")
export DBUS_SESSION_BUS_ADDRESS
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$cartella/a11y.log" 2>&1 &
processi+=($!)
attendi 100 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true' \
    || salta "the accessibility bus did not start: $(cat "$cartella/a11y.log")"

# The program's settings file, class record and configuration all in the
# test's folder: the user's own record never gets the test's series.
mkdir "$cartella/programma"
export XDG_DATA_HOME=$cartella/dati XDG_CONFIG_HOME=$cartella/configurazione
(cd "$cartella/programma" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb exec "$programma") \
    >"$cartella/programma.log" 2>&1 &
pid=$!
processi+=("$pid")
# FINE SESSIONE, the last press, ends the program: it must be gone, and gone well.
finito() { [ ! -e "/proc/$pid" ] || [ "$(cut -d ' ' -f 3 "/proc/$pid/stat")" = Z ]; }
if ! /usr/bin/python3 "$guida"; then
    stato=1
elif ! attendi 100 finito; then
    echo "the program is still running after FINE SESSIONE" >&2
    stato=1
else
    wait "$pid" && stato=0 || { stato=$?; echo "the program ended with status $stato" >&2; }
fi
[ "$stato" -eq 0 ] || cat "$cartella/programma.log" >&2
exit "$stato"
