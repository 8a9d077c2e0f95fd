#!/usr/bin/env bash
# Installs what is missing, builds, and starts Keyhop on the current X display.
# Without a display it starts a private virtual display with a tray host first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh

if [ -z "${DISPLAY:-}" ]; then
    echo "No X display is set: starting Keyhop on a private virtual display (Xvfb) with a tray host (trayer)."
    exec 3< <(Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null)
    read -r number <&3
    export DISPLAY=":$number"
    echo "The virtual display is $DISPLAY; look at it with, for example, x11vnc -display $DISPLAY."
    trayer --edge top --align right --widthtype request >/dev/null 2>&1 &
    trap 'kill $(jobs -p) 2>/dev/null' EXIT
    sleep 1
fi
./build/keyhop
