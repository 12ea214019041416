#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a private PulseAudio server with a null sink named "test" (monitor: test.monitor).
#
#   tests/scripts/pulse-start.sh DIR          start it; print the variables to export
#   . tests/scripts/pulse-start.sh DIR        start it and export them into this shell
#
# DIR holds the server's runtime folder, home, log and an env file (DIR/pulse.env) that
# clients can source. Stop it with tests/scripts/pulse-stop.sh DIR.

pulse_start() {
    _dir=$1
    if [ -z "$_dir" ]; then
        echo "usage: pulse-start.sh DIR" >&2
        return 2
    fi
    mkdir -p "$_dir" || return 1
    _dir=$(cd "$_dir" && pwd)
    # A server left over from an earlier run would keep the socket busy.
    "$(dirname "$PULSE_START_SELF")/pulse-stop.sh" "$_dir" >/dev/null 2>&1
    rm -rf "$_dir/runtime" "$_dir/home"
    mkdir -p "$_dir/runtime" "$_dir/home" || return 1
    chmod 700 "$_dir/runtime"

    (
        export XDG_RUNTIME_DIR="$_dir/runtime" HOME="$_dir/home"
        unset PULSE_SERVER PULSE_RUNTIME_PATH
        _root=""
        [ "$(id -u)" = 0 ] && _root="--system=false"
        # shellcheck disable=SC2086
        pulseaudio -D $_root --exit-idle-time=-1 --disallow-exit -n --disable-shm \
            --log-target=file:"$_dir/pulse.log" \
            --load="module-null-sink sink_name=test" \
            --load="module-native-protocol-unix auth-anonymous=1" \
            --load=module-always-sink
    ) || {
        echo "pulse-start: pulseaudio did not start, see $_dir/pulse.log" >&2
        return 1
    }

    _socket="$_dir/runtime/pulse/native"
    cat >"$_dir/pulse.env" <<ENV
export XDG_RUNTIME_DIR='$_dir/runtime'
export PULSE_SERVER='unix:$_socket'
ENV
    _i=0
    until PULSE_SERVER="unix:$_socket" XDG_RUNTIME_DIR="$_dir/runtime" HOME="$_dir/home" \
        pactl info >/dev/null 2>&1; do
        _i=$((_i + 1))
        if [ $_i -ge 100 ]; then
            echo "pulse-start: no answer on $_socket, see $_dir/pulse.log" >&2
            return 1
        fi
        sleep 0.1
    done
    return 0
}

# Sourced, $0 is the calling shell; the caller may set PULSE_START_SELF to this file's path.
case "$0" in
*pulse-start.sh)
    PULSE_START_SELF=$0
    pulse_start "$@" || exit $?
    cat "$(cd "$1" && pwd)/pulse.env"
    ;;
*)
    # shellcheck disable=SC3028
    PULSE_START_SELF=${PULSE_START_SELF:-${BASH_SOURCE:-tests/scripts/pulse-start.sh}}
    if pulse_start "$@"; then
        . "$(cd "$1" && pwd)/pulse.env"
    else
        return 1
    fi
    ;;
esac
