#!/usr/bin/env bash
# Starts the real game with a seed under Orca, the screen reader, on a private X display with a
# window manager, a private D-Bus session and a private speech-dispatcher whose only voice writes
# what it is given to a file; then play.py plays by keyboard and checks what Orca said.
# Usage: run.sh GAME SEED. Exits 77 (skipped) only when no X server can be started here.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${1:-}" != --inside ]; then
    if ! command -v xvfb-run >/dev/null || ! command -v Xvfb >/dev/null \
        || ! xvfb-run -a true 2>/dev/null; then
        echo "skipped: no Xvfb to start an X server on"
        exit 77
    fi
    exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" --inside "$@"
fi
shift
for tool in orca speech-dispatcher openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (script/bootstrap installs it)"; exit 1; }
done

work="$(mktemp -d)"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

# Everything Orca and speech-dispatcher keep or read lives here, apart from any user's settings.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
    XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/run" GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR" \
    "$work/speechd/modules" "$work/orca"
chmod 700 "$XDG_RUNTIME_DIR"

# speech-dispatcher with one voice, which appends what it is to say to a file. It needs some
# sound output to start: the null ALSA device, which plays nothing.
cat > "$work/speechd/speechd.conf" <<CONF
CommunicationMethod "unix_socket"
SocketPath "$work/speechd.sock"
Timeout 0
LogLevel 1
LogDir "$work"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "sr"
CONF
cat > "$work/speechd/modules/file.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \'\$DATA\' >> $work/voice.txt"
GenericLanguage "sr" "sr" "utf-8"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
speech-dispatcher -s -t 0 -C "$work/speechd" -S "$work/speechd.sock" >"$work/speechd.log" 2>&1 &
pids+=($!)
export SPEECHD_ADDRESS="unix_socket:$work/speechd.sock"

# Without a window manager no window has the keyboard focus once a box has closed.
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)

/usr/bin/python3 "$here/screen_reader.py" "$work/orca.txt" -u "$work/orca" --debug-file "$work/orca.txt" \
    >"$work/orca.log" 2>&1 &
pids+=($!)

export KAVGALIJA_A11Y_WORK="$work"
/usr/bin/python3 "$here/play.py" "$@" "$work/orca.txt"
