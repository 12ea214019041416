#!/usr/bin/env bash
# The delay from an event's second to its message window appearing, under Xvfb: zibac from a
# copy of its program folder with EVENTS events GAP seconds apart, each with its own message.
#
#   bench/firing/measure-firing.sh [--events N] [--gap SECONDS] [--runs N] [--sound on|off] [--build DIR]
#
# --sound off clears "Sound on", which leaves out the song's start from each firing.
# Each run is a new start of the program, and so a new phase of its 500 ms timer against the
# seconds of the clock. Goal: no delay above 600 ms.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
events=20
gap=2
runs=1
sound=on
build=$root/build
while (($#)); do
    case $1 in
    --events) events=$2; shift 2 ;;
    --gap) gap=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --sound) sound=$2; shift 2 ;;
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    *) echo "usage: measure-firing.sh [--events N] [--gap SECONDS] [--runs N] [--sound on|off] [--build DIR]" >&2; exit 2 ;;
    esac
done

if [[ -z "${ZIB_SESSION_DIR:-}" ]]; then
    if [[ ! -x "$build/bin/zibac" ]]; then
        cmake -S "$root" -B "$build" >/dev/null
        cmake --build "$build" --target zibac zibassets >/dev/null
    fi
    exec "$root/tests/e2e/desktop-session.sh" "$0" --events "$events" --gap "$gap" --runs "$runs" --sound "$sound" --build "$build"
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

status=0
for ((run = 1; run <= runs; run++)); do
    echo "run $run of $runs: $events events $gap s apart, sound $sound"
    rm -rf "$work/program"
    cp -a "$build/bin" "$work/program"
    python3 "$here/firing_probe.py" "$work/program" "$events" "$gap" || status=1
done
exit $status
