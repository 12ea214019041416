#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running need, builds an optimized program and starts it on your
# desktop. Build folder: $ZIB_RUN_BUILD_DIR (default build-release/), apart from the test build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${ZIB_RUN_BUILD_DIR:-build-release}

step()
{
    echo "== $*"
}

step "1/3 packages for building and running (scripts/install-deps.sh run build)"
"$root/scripts/install-deps.sh" run build

step "2/3 configure and build an optimized program in $build/"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
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
step "3/3 start $program"
exec "$program"
