#!/usr/bin/env bash
# Runs kill.py on a private X display: the real game killed at random moments, KILLS times.
# Usage: run.sh GAME KILLS SEED. Exits 77 (skipped) only when no X server can be started here.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if ! command -v xvfb-run >/dev/null || ! xvfb-run -a true 2>/dev/null; then
    echo "skipped: no Xvfb to start an X server on"
    exit 77
fi
# Displays from 150 up, clear of the screen reader's test (from 99 up), so the two can run at once.
exec xvfb-run -a -n 150 -s "-screen 0 1280x1024x24" /usr/bin/python3 "$here/kill.py" "$@"
