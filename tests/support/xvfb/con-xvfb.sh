#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb, 1280x1024), managed
# by openbox as a desktop would be when asked, then stops them; the command's
# exit status is the script's.
#   con-xvfb.sh [--openbox] <command> [arguments...]
# The display is the first free one of ten from TARVELO_PRIMO_DISPLAY (120) on.
# The command finds the display in DISPLAY and runs on Qt's xcb platform; the
# session bus is left unreachable, so that nothing starts one and leaves it behind.
set -euo pipefail

wm=false
if [ "${1:-}" = --openbox ]; then
    wm=true
    shift
fi
cartella=$(mktemp -d)
xvfb=
openbox=
fine() {
    [ -z "$openbox" ] || kill "$openbox" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$cartella"
}
trap fine EXIT

# Xvfb writes the display's number on -displayfd once it accepts clients; a
# display already taken makes it end at once, and the read sees nothing.
mkfifo "$cartella/pronto"
primo=${TARVELO_PRIMO_DISPLAY:-120}
numero=
for n in $(seq "$primo" $((primo + 9))); do
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset -displayfd 3 3>"$cartella/pronto" 2>"$cartella/xvfb.log" &
    xvfb=$!
    read -r -t 10 numero <"$cartella/pronto" || true
    [ -n "$numero" ] && break
    wait "$xvfb" 2>/dev/null || true
    xvfb=
done
if [ -z "$numero" ]; then
    echo "Nessun display libero da :$primo a :$((primo + 9))" >&2
    exit 1
fi

export DISPLAY=":$numero" QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS="unix:path=$cartella/nessun-bus"
export XDG_CONFIG_HOME="$cartella/config" XDG_CACHE_HOME="$cartella/cache"
if $wm; then
    openbox --sm-disable >"$cartella/openbox.log" 2>&1 &
    openbox=$!
fi

stato=0
"$@" || stato=$?
exit "$stato"
