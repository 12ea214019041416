#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts PipeWire with its PulseAudio service, on a private session bus, with a null sink named
# "test" (monitor: test.monitor) as the default output.
#
#   tests/scripts/pipewire-start.sh DIR       start it; print the variables to export
#
# DIR holds the runtime folder (the PulseAudio socket is DIR/runtime/pulse/native, as with
# pulse-start.sh), a home, the logs and the pids. Stop it with tests/scripts/pipewire-stop.sh DIR.
dir=${1:?usage: pipewire-start.sh DIR}
here=$(cd "$(dirname "$0")" && pwd)
"$here/pipewire-stop.sh" "$dir" >/dev/null 2>&1
mkdir -p "$dir" || exit 1
dir=$(cd "$dir" && pwd)
rm -rf "$dir/runtime" "$dir/home" "$dir/bus"
mkdir -p "$dir/runtime" "$dir/home" || exit 1
chmod 700 "$dir/runtime"

export XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home"
unset PULSE_SERVER PULSE_RUNTIME_PATH PIPEWIRE_REMOTE
# WirePlumber ends at once without a session bus.
bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1 --address="unix:path=$dir/bus") || exit 1
DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
export DBUS_SESSION_BUS_ADDRESS
echo "$bus" | sed -n 2p >"$dir/pids"

wait_for() { # seconds, command...
    _tries=$(($1 * 10))
    shift
    until "$@" >/dev/null 2>&1; do
        _tries=$((_tries - 1))
        [ $_tries -gt 0 ] || return 1
        sleep 0.1
    done
}

start_daemon() {
    "$1" >"$dir/$1.log" 2>&1 </dev/null &
    echo $! >>"$dir/pids"
}

start_daemon pipewire
wait_for 10 test -S "$dir/runtime/pipewire-0" || {
    echo "pipewire-start: pipewire did not start, see $dir/pipewire.log" >&2
    exit 1
}
start_daemon wireplumber
start_daemon pipewire-pulse
export PULSE_SERVER="unix:$dir/runtime/pulse/native"
wait_for 10 pactl info || {
    echo "pipewire-start: no answer on $PULSE_SERVER, see $dir/pipewire-pulse.log" >&2
    exit 1
}
pactl load-module module-null-sink sink_name=test >/dev/null || exit 1
wait_for 10 sh -c 'pactl get-default-sink | grep -qx test || { pactl set-default-sink test; false; }' || {
    echo "pipewire-start: the null sink is not the default output, see $dir/wireplumber.log" >&2
    exit 1
}
cat <<ENV
export XDG_RUNTIME_DIR='$dir/runtime'
export PULSE_SERVER='$PULSE_SERVER'
ENV
