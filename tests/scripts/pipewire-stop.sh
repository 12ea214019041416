#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Stops what pipewire-start.sh started in DIR, the last started first.
dir=${1:?usage: pipewire-stop.sh DIR}
[ -f "$dir/pids" ] || exit 0
# shellcheck disable=SC2046
"$(dirname "$0")/stop-pids.sh" $(tac "$dir/pids")
rm -f "$dir/pids"
exit 0
