#!/usr/bin/env bash
# Runs play.py against the real game on a private X display, D-Bus session and accessibility bus.
# Usage: run.sh GAME SEED. Exits 77 (skipped) only when no X server can be started here.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if ! command -v xvfb-run >/dev/null || ! command -v Xvfb >/dev/null; then
    echo "skipped: no Xvfb to start an X server on"
    exit 77
fi
if [ "${1:-}" != --inside ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" --inside "$@"
fi
shift
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
/usr/bin/python3 "$here/play.py" "$@"
