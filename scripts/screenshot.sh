#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures of each window (main window, settings, desktop clock, a message
# window, the tray menu): the built program with a few sample alarms, on a private X display.
#
#   scripts/screenshot.sh [BUILD_DIR] [OUTPUT_DIR]     (defaults: build, docs)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
output=$(realpath -m "${2:-$root/docs}")
mkdir -p "$output"
exec "$root/tests/e2e/desktop-session.sh" /usr/bin/python3 "$root/scripts/screenshots.py" "$build/bin" "$output"
