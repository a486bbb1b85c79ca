#!/usr/bin/env bash
# Runs the command given as arguments with a sound server of its own: a
# PulseAudio whose only, and so default, sink is a null sink, which plays in
# real time to nowhere. Wine's sound driver plays to it, so the Windows
# effects hold their caller as long as they last, as on a machine with a
# sound card. The server runs as the user running this script and is reached
# through PULSE_SERVER; it ends with the command, whose exit status this
# script returns. Without pulseaudio the command runs without a server.
#   scripts/with-sound-server.sh command...
set -uo pipefail

command -v pulseaudio >/dev/null 2>&1 || { echo "no pulseaudio: running without a sound server" >&2; exec "$@"; }

SERVER_DIR=$(mktemp -d)
PULSE_RUNTIME_PATH="$SERVER_DIR" PULSE_STATE_PATH="$SERVER_DIR" \
  pulseaudio --daemonize=no -n --exit-idle-time=-1 --use-pid-file=no --system=no --realtime=no \
  --high-priority=no --log-target=stderr \
  -L "module-native-protocol-unix socket=$SERVER_DIR/native auth-anonymous=1 auth-cookie-enabled=0" \
  -L "module-null-sink sink_name=silent" 2>"$SERVER_DIR/log" &
SERVER=$!
trap 'kill "$SERVER" 2>/dev/null; wait "$SERVER" 2>/dev/null; rm -rf "$SERVER_DIR"' EXIT
for _ in $(seq 50); do [ -S "$SERVER_DIR/native" ] && break; sleep 0.1; done
[ -S "$SERVER_DIR/native" ] || { echo "the sound server did not start:" >&2; cat "$SERVER_DIR/log" >&2; }

PULSE_SERVER="unix:$SERVER_DIR/native" "$@"
