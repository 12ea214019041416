#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as an unprivileged user: as it is for anyone but root, and as nobody for root,
# whom no file mode stops.
#
#   tests/e2e/as-user.sh COMMAND [ARGS...]
set -euo pipefail

if (($(id -u) != 0)); then
    exec "$@"
fi
unset XDG_RUNTIME_DIR
exec setpriv --reuid=nobody --regid=nogroup --clear-groups --inh-caps=-all -- "$@"
