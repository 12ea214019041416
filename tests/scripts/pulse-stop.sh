#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Stops the PulseAudio server that pulse-start.sh started in DIR.
dir=${1:?usage: pulse-stop.sh DIR}
pidfile="$dir/runtime/pulse/pid"
[ -f "$pidfile" ] || exit 0
"$(dirname "$0")/stop-pids.sh" "$(cat "$pidfile")"
rm -f "$pidfile"
exit 0
