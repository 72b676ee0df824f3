#!/bin/sh
# Runs a program against a private PulseAudio server whose only output is
# its null sink: no sound card needed, nothing heard, the sound clocked in
# real time. Where no server can start the test is skipped (exit 77) and
# says why.
#   with_pulseaudio.sh PROGRAM [ARGUMENT...]
#
# The server runs as whoever runs this (root too, with a warning), with its
# home and runtime folder in a private folder. A silent source is looped
# into the null sink at 20 ms: an idle null sink renders two seconds ahead,
# and a stream joining it would be clocked wrongly for its first seconds,
# where a sound card (or a busy null sink) keeps a short latency.
set -u
dir=$(mktemp -d "${TMPDIR:-/tmp}/vnplay-pulse.XXXXXX") || exit 1
server=
trap '[ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null; rm -rf "$dir"' EXIT

if ! command -v pulseaudio >/dev/null 2>&1; then
    echo "SKIPPED: pulseaudio is not installed (Debian package pulseaudio)"
    exit 77
fi
HOME="$dir" XDG_RUNTIME_DIR="$dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes \
    --use-pid-file=no --log-target=stderr \
    -L module-null-sink -L "module-null-source source_name=silence" \
    -L "module-loopback source=silence sink=null latency_msec=20" \
    -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" >"$dir/log" 2>&1 &
server=$!
tries=0
until [ -S "$dir/native" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 50 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "SKIPPED: the private PulseAudio server did not start:"
        cat "$dir/log"
        exit 77
    fi
    sleep 0.1
done
# The two seconds the null sink rendered before the loopback joined it.
sleep 2
PULSE_SERVER="unix:$dir/native" XDG_RUNTIME_DIR="$dir" HOME="$dir" "$@"
