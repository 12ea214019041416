#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on your desktop.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${ZIB_BUILD_DIR:-build}

"$root/scripts/install-deps.sh"
if [[ -f "$build/CMakeCache.txt" ]]; then
    cmake -S . -B "$build" >/dev/null
else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target zibac zibassets -j "$(nproc 2>/dev/null || echo 2)"

program=$root/$build/bin/zibac
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    cat >&2 <<MSG
The program is built, but there is no desktop to show it on (neither DISPLAY nor WAYLAND_DISPLAY
is set). Run this command from a terminal inside your desktop session, or start the program there:
    $program
MSG
    exit 1
fi
exec "$program"
