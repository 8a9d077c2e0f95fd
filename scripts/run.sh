#!/usr/bin/env bash
# Installs what is missing, builds, and starts Keyhop on the current X display.
# Without a display it starts a private virtual display with a tray host first.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only Keyhop itself: neither the tests nor the second build the update check's
# end-to-end test uses.
scripts/build.sh keyhop

if [ -n "${DISPLAY:-}" ]; then
    exec ./build/keyhop
fi

echo "No X display is set: starting Keyhop on a private virtual display (Xvfb) with a tray host (trayer)."
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r number <&3
export DISPLAY=":$number"
echo "The virtual display is $DISPLAY; look at it with, for example, x11vnc -display $DISPLAY."
trayer --edge top --align right --widthtype request >/dev/null 2>&1 &
trayer=$!
sleep 1

./build/keyhop &
keyhop=$!
# A quit request to this script is one to Keyhop; the display goes once Keyhop has gone.
trap 'kill -TERM $keyhop 2>/dev/null' TERM INT HUP
status=0
while kill -0 "$keyhop" 2>/dev/null; do
    wait "$keyhop" || status=$?
done
kill "$trayer" "$xvfb" 2>/dev/null || true
exit "$status"
