#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one command inside a private desktop: Xvfb, a session D-Bus with the accessibility bus,
# the tray host wmsystemtray and, when the audio scripts are there, a PulseAudio null sink.
# Everything it started is stopped when it ends, however it ends.
#
#   tests/e2e/desktop-session.sh COMMAND [ARGS...]
#
# The command sees DISPLAY, DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR, HOME, PULSE_SERVER (when
# audio is up), QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and ZIB_SESSION_DIR (a scratch folder).
# With ZIB_NO_TRAY_HOST=1 no tray host is started: the command starts its own when it wants one.
# With ZIB_WAYLAND=1 the desktop is weston's headless compositor instead: the command sees
# WAYLAND_DISPLAY, no DISPLAY, no QT_QPA_PLATFORM and no tray host.
set -euo pipefail

if (($# == 0)); then
    echo "usage: desktop-session.sh COMMAND [ARGS...]" >&2
    exit 2
fi

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
pulse_scripts=$here/../scripts
session=$(mktemp -d "${TMPDIR:-/tmp}/zib-desktop.XXXXXX")
pids=()

cleanup()
{
    local rc=$?
    set +e
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        wait "${pids[i]}" 2>/dev/null
    done
    if [[ -n "${bus_pid:-}" ]]; then
        kill "$bus_pid" 2>/dev/null
    fi
    if [[ -f "$session/pulse/pulse.env" ]]; then
        "$pulse_scripts/pulse-stop.sh" "$session/pulse" >/dev/null 2>&1
    fi
    rm -rf "$session"
    exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

fail()
{
    echo "desktop-session: $*" >&2
    exit 1
}

mkdir -p "$session/home" "$session/runtime" "$session/scratch"
chmod 700 "$session/runtime"
export HOME=$session/home
export XDG_RUNTIME_DIR=$session/runtime
export ZIB_SESSION_DIR=$session/scratch
unset WAYLAND_DISPLAY SESSION_MANAGER
export XDG_SESSION_TYPE=x11 QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

if [[ -x "$pulse_scripts/pulse-start.sh" ]]; then
    eval "$("$pulse_scripts/pulse-start.sh" "$session/pulse")" || fail "the audio server did not start"
    export XDG_RUNTIME_DIR=$session/runtime
fi

start_xvfb()
{
    # -displayfd lets the server pick a free display number and tell us which.
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1280x1024x24 -noreset -nolisten tcp >"$session/xvfb.log" 2>&1 &
    pids+=($!)
    display=
    read -r -t 15 -u "$displayfd" display || true
    if [[ -z "$display" ]]; then
        fail "Xvfb did not start: $(cat "$session/xvfb.log")"
    fi
    exec {displayfd}>&-
    export DISPLAY=:$display
}

start_weston()
{
    command -v weston >/dev/null || fail "weston is not installed"
    weston --backend=headless-backend.so --socket=wayland-zib --idle-time=0 >"$session/weston.log" 2>&1 &
    pids+=($!)
    local i
    for ((i = 0; i < 150; i++)); do
        [[ -S "$XDG_RUNTIME_DIR/wayland-zib" ]] && break
        sleep 0.1
    done
    [[ -S "$XDG_RUNTIME_DIR/wayland-zib" ]] || fail "weston did not start: $(cat "$session/weston.log")"
    unset DISPLAY QT_QPA_PLATFORM
    export WAYLAND_DISPLAY=wayland-zib XDG_SESSION_TYPE=wayland ZIB_NO_TRAY_HOST=1
}

if [[ "${ZIB_WAYLAND:-}" == 1 ]]; then
    start_weston
else
    start_xvfb
fi

read -r DBUS_SESSION_BUS_ADDRESS bus_pid < <(dbus-daemon --session --fork --nopidfile --print-address=1 \
    --print-pid=1 --address="unix:path=$session/bus" | paste -s -d ' ')
[[ -n "$DBUS_SESSION_BUS_ADDRESS" ]] || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS

libexec=/usr/libexec
[[ -x $libexec/at-spi-bus-launcher ]] || fail "the accessibility bus (at-spi2-core) is not installed"
$libexec/at-spi-bus-launcher --launch-immediately >"$session/atspi.log" 2>&1 &
pids+=($!)
$libexec/at-spi2-registryd >>"$session/atspi.log" 2>&1 &
pids+=($!)

if [[ "${ZIB_NO_TRAY_HOST:-}" != 1 ]]; then
    wmsystemtray --non-wmaker >"$session/tray.log" 2>&1 &
    pids+=($!)
fi

"$@"
