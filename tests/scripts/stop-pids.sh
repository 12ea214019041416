#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Ends the processes PID..., in that order: each is asked to end, and killed if it has not
# within five seconds.
for pid in "$@"; do
    kill -0 "$pid" 2>/dev/null || continue
    kill "$pid"
    i=0
    while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
        i=$((i + 1))
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid"
done
exit 0
