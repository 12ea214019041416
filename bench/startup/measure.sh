#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and peak memory of zibac beside the floor program (bench/startup/floor.cpp),
# both under Xvfb, zibac with a 1,000-line events file in a copy of its program folder.
#
#   bench/startup/measure.sh [--runs N] [--idle SECONDS] [--build DIR]
#
# --idle also measures the CPU time that each program uses over SECONDS once its window is up.
# Goals: start-up within 3x and peak memory within 1.5x of the floor's.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
runs=5
idle=0
build=$root/build
while (($#)); do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    *) echo "usage: measure.sh [--runs N] [--idle SECONDS] [--build DIR]" >&2; exit 2 ;;
    esac
done

if [[ -z "${ZIB_SESSION_DIR:-}" ]]; then
    if [[ ! -x "$build/bin/zibac" || ! -x "$build/bench/startup/zibfloor" ]]; then
        cmake -S "$root" -B "$build" -DZIB_BENCHMARKS=ON >/dev/null
        cmake --build "$build" --target zibac zibassets zibfloor >/dev/null
    fi
    exec "$root/tests/e2e/desktop-session.sh" "$0" --runs "$runs" --idle "$idle" --build "$build"
fi

work=$ZIB_SESSION_DIR
program=$work/program
cp -a "$build/bin" "$program"
floor=$build/bench/startup/zibfloor
events=$program/bench.acl
schedules=("None" "None Every" "Every Day" "Mon" "Fri" "Monthly 1,15")
for ((i = 0; i < 1000; i++)); do
    schedule=${schedules[i % 6]}
    # Nothing may fire while we measure: dated events lie far ahead, repeating ones are off.
    date=-1 enabled=Off
    if [[ $schedule == None* ]]; then
        date=$(printf '2099/%02d/%02d' $((i % 12 + 1)) $((i % 28 + 1))) enabled=On
    fi
    printf 'evt*%s*%02d:%02d:00*%s*NoShell*Once*%s*Bell*-1*Event number %d\r\n' \
        "$date" $((i % 24)) $((i % 60)) "$enabled" "$schedule" "$i"
done >"$events"
mkdir -p "$work/config/Zib"
printf '[General]\nAlarmEventsFile=bench.acl\n' >"$work/config/Zib/Alarm Clock v2.2.conf"
export XDG_CONFIG_HOME=$work/config
# The accessibility bridge that the desktop tests need is no part of a normal start.
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON

now_ms()
{
    echo $(($(date +%s%N) / 1000000))
}

# Starts a program under /usr/bin/time; sets $started_ms, $time_pid and $program_pid.
launch()
{
    local memfile=$1
    shift
    started_ms=$(now_ms)
    /usr/bin/time -f '%M' -o "$memfile" "$@" >/dev/null 2>&1 &
    time_pid=$!
    program_pid=
    until [[ -n "$program_pid" ]]; do
        program_pid=$(pgrep -P "$time_pid" || true)
    done
}

# Waits for a visible window of $program_pid whose title matches $1; prints the milliseconds
# since the launch.
window_shown_ms()
{
    local deadline=$(($(now_ms) + 30000))
    until xdotool search --onlyvisible --pid "$program_pid" --name "$1" >/dev/null 2>&1; do
        if (($(now_ms) > deadline)) || ! kill -0 "$program_pid" 2>/dev/null; then
            echo "measure: no window \"$1\" from pid $program_pid" >&2
            return 1
        fi
    done
    echo $(($(now_ms) - started_ms))
}

finish()
{
    kill "$program_pid" 2>/dev/null || true
    wait "$time_pid" 2>/dev/null || true
}

median()
{
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

declare -A ms kb
for name in zibac floor; do
    ms[$name]=
    kb[$name]=
done
for ((run = 1; run <= runs; run++)); do
    for name in zibac floor; do
        if [[ $name == zibac ]]; then
            launch "$work/mem" "$program/zibac"
            title='^Zib Alarm Clock'
        else
            launch "$work/mem" "$floor" "$events"
            title='^Zib Floor$'
        fi
        shown=$(window_shown_ms "$title") || { finish; exit 1; }
        # Let the first timer ticks and the list's first paint count towards the peak.
        sleep 1
        finish
        ms[$name]+="$shown "
        kb[$name]+="$(tail -1 "$work/mem") "
    done
done

ratio()
{
    awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", (b > 0 ? a / b : 0) }'
}
row()
{
    printf '%-26s %12s %12s %8s %s\n' "$@"
}

zib_ms=$(tr ' ' '\n' <<<"${ms[zibac]}" | grep . | median)
floor_ms=$(tr ' ' '\n' <<<"${ms[floor]}" | grep . | median)
zib_kb=$(tr ' ' '\n' <<<"${kb[zibac]}" | grep . | median)
floor_kb=$(tr ' ' '\n' <<<"${kb[floor]}" | grep . | median)
echo "$runs runs each, medians; 1,000 events; runs in ms: zibac ${ms[zibac]}/ floor ${ms[floor]}"
row "" "zibac" "floor" "ratio" "goal"
row "start-up to window (ms)" "$zib_ms" "$floor_ms" "$(ratio "$zib_ms" "$floor_ms")" "<= 3x"
row "peak memory (KiB)" "$zib_kb" "$floor_kb" "$(ratio "$zib_kb" "$floor_kb")" "<= 1.5x"

if ((idle > 0)); then
    cpu_ticks()
    {
        awk '{ print $14 + $15 }' "/proc/$1/stat"
    }
    launch "$work/mem-zibac" "$program/zibac"
    window_shown_ms '^Zib Alarm Clock' >/dev/null
    zib_pid=$program_pid zib_time=$time_pid
    launch "$work/mem-floor" "$floor" "$events"
    window_shown_ms '^Zib Floor$' >/dev/null
    floor_pid=$program_pid floor_time=$time_pid
    zib_before=$(cpu_ticks "$zib_pid")
    floor_before=$(cpu_ticks "$floor_pid")
    sleep "$idle"
    zib_used=$(($(cpu_ticks "$zib_pid") - zib_before))
    floor_used=$(($(cpu_ticks "$floor_pid") - floor_before))
    hz=$(getconf CLK_TCK)
    percent()
    {
        awk -v t="$1" -v hz="$hz" -v s="$idle" 'BEGIN { printf "%.2f%%", 100 * t / hz / s }'
    }
    row "idle CPU over ${idle} s" "$(percent "$zib_used")" "$(percent "$floor_used")" \
        "$(ratio "$zib_used" "$floor_used")" ""
    kill "$zib_pid" "$floor_pid" 2>/dev/null || true
    wait "$zib_time" "$floor_time" 2>/dev/null || true
fi
