#!/bin/sh
# Stops the PulseAudio server that pulse-start.sh started in DIR.
dir=${1:?usage: pulse-stop.sh DIR}
pidfile="$dir/runtime/pulse/pid"
[ -f "$pidfile" ] || exit 0
pid=$(cat "$pidfile")
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    i=0
    while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
        i=$((i + 1))
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
fi
rm -f "$pidfile"
exit 0
