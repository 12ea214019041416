#!/usr/bin/env bash
# Takes the README's picture of the main window: the built program with a few sample alarms,
# on a private X display.
#
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT]     (defaults: build, docs/main-window.png)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
output=$(realpath -m "${2:-$root/docs/main-window.png}")

if [[ -z "${ZIB_SESSION_DIR:-}" ]]; then
    exec "$root/tests/e2e/desktop-session.sh" "$0" "$build" "$output"
fi

program=$ZIB_SESSION_DIR/program
cp -a "$build/bin" "$program"
printf '%s\r\n' \
    'evt*2026/12/24*07:30:00*On*NoShell*Twice*None*Bell*-1*Buy the tree' \
    'evt*-1*06:45:00*On*NoShell*Once*Mon*Chimes*-1*Gym' \
    'evt*2026/12/09*14:00:00*On*NoShell*Repeat*None Every*Beep*-1*Take the tablets' \
    'evt*-1*21:00:00*Off*NoShell*Once*Every Day*Bell*-1*Lock the back door' >"$program/alarms.acl"
mkdir -p "$ZIB_SESSION_DIR/config/Zib"
printf '[General]\nAlarmEventsFile=alarms.acl\nMain Output Device=Wave\nMain Song Name=Bell\n' \
    >"$ZIB_SESSION_DIR/config/Zib/Alarm Clock v2.2.conf"
XDG_CONFIG_HOME=$ZIB_SESSION_DIR/config "$program/zibac" >"$ZIB_SESSION_DIR/zibac.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" --name '^Zib Alarm Clock' | head -1)
# Give the list and the title clock their first paint.
sleep 2
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "$output"
