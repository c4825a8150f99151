#!/usr/bin/env bash
# Makes the Debian package from a build folder, has lintian check it (no error, no warning), unpacks
# it and starts the unpacked game on a private X display and D-Bus session until its title window
# shows, then ends it with the title's own KRAJ button.
# Usage: check.sh BUILD_DIR. Exits 77 (skipped) only when no X server can be started here.
set -euo pipefail

# The second half, inside its own D-Bus session: check.sh --start UNPACKED_ROOT.
if [ "$1" = --start ]; then
    root="$2"
    exec {fd}<> <(:)
    Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill ${game:-} "$xvfb" 2>/dev/null || true' EXIT
    read -r -t 10 -u "$fd" display
    export DISPLAY=":$display" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
    "$root/usr/games/kavgalija" --lang sr --no-save &
    game=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name '^KAVGALIJA!$' | head -n 1) || true
    [ -n "$window" ] || { echo "no title window within a minute"; exit 1; }
    # KRAJ, the last of the title's four buttons: 200 by 48 at (260, 360).
    xdotool mousemove --window "$window" 360 384 click 1
    for _ in $(seq 100); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game" 2>/dev/null && { echo "the game was still running 10 s after KRAJ"; exit 1; }
    status=0
    wait "$game" || status=$?
    game=
    [ "$status" -eq 0 ] || { echo "the game ended with status $status after KRAJ"; exit 1; }
    echo "the unpacked game showed its title and ended by its KRAJ button"
    exit 0
fi

build="$1"
if ! command -v Xvfb >/dev/null; then
    echo "skipped: no Xvfb to start an X server on"
    exit 77
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >/dev/null
deb=$(echo "$scratch"/kavgalija_*.deb)
# lintian warns root against running it; that is no tag and says nothing of the package.
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2)
echo "lintian: nothing to report on $(basename "$deb")"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
dbus-run-session -- "$0" --start "$root"
