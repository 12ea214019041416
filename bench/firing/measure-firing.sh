#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The delay from an event's second to its message window being mapped and to its first sound on
# the recorded null sink, under Xvfb: zibac from a copy of its program folder with EVENTS events
# GAP seconds apart, each with its own message.
#
#   bench/firing/measure-firing.sh [--events N] [--gap SECONDS] [--runs N] [--sound on|off] [--stress]
#                                  [--server normal|hung] [--build DIR]
#
# --sound off clears "Sound on", which leaves out the song's start from each firing.
# --stress keeps both cores busy (stress-ng --cpu 2) while the program runs.
# --server hung stops the sound server (SIGSTOP) before the first event, until after the last.
# Each run is a new start of the program. Goals, for every event: window mapped at most 100 ms
# after its second; first sound at most 150 ms after it, 250 ms under --stress.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
events=20
gap=3
runs=1
sound=on
stress=off
server=normal
build=$root/build
while (($#)); do
    case $1 in
    --events) events=$2; shift 2 ;;
    --gap) gap=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --sound) sound=$2; shift 2 ;;
    --stress) stress=on; shift ;;
    --server) server=$2; shift 2 ;;
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    *) echo "usage: measure-firing.sh [--events N] [--gap SECONDS] [--runs N] [--sound on|off] [--stress] [--server normal|hung] [--build DIR]" >&2
       exit 2 ;;
    esac
done

if [[ -z "${ZIB_SESSION_DIR:-}" ]]; then
    if [[ ! -x "$build/bin/zibac" ]]; then
        cmake -S "$root" -B "$build" >/dev/null
        cmake --build "$build" --target zibac zibassets >/dev/null
    fi
    args=(--events "$events" --gap "$gap" --runs "$runs" --sound "$sound" --server "$server" --build "$build")
    if [[ $stress == on ]]; then args+=(--stress); fi
    exec "$root/tests/e2e/desktop-session.sh" "$0" "${args[@]}"
fi

work=$ZIB_SESSION_DIR
mkdir -p "$work/config/Zib"
{
    printf '[General]\nAlarmEventsFile=firing.acl\nMain Output Device=Wave\nMain Song Name=Bell\n'
    if [[ $sound == off ]]; then printf 'Check Sound On=0\n'; fi
} >"$work/config/Zib/Alarm Clock v2.2.conf"
export XDG_CONFIG_HOME=$work/config
# The accessibility bridge that the desktop tests need is no part of a normal run.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON

sound_goal=150
if [[ $stress == on ]]; then
    command -v stress-ng >/dev/null || { echo "measure-firing: stress-ng is not installed" >&2; exit 1; }
    stress-ng --cpu 2 --quiet &
    stress_pid=$!
    trap 'kill "$stress_pid" 2>/dev/null; wait "$stress_pid" 2>/dev/null' EXIT
    sound_goal=250
fi

status=0
for ((run = 1; run <= runs; run++)); do
    echo "run $run of $runs: $events events $gap s apart, sound $sound, stress $stress, server $server"
    rm -rf "$work/program"
    cp -a "$build/bin" "$work/program"
    hung=()
    if [[ $server == hung ]]; then hung=(hung); fi
    python3 "$here/firing_probe.py" "$work/program" "$events" "$gap" "$sound_goal" "${hung[@]}" || status=1
done
exit $status
