#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the events-line fuzzer with clang in build-fuzz/ and runs it for a bounded time
# (default 30 s) from the kept seed corpus. Exits non-zero when the build fails or the
# fuzzer finds a crash, a leak or undefined behaviour.
# Usage: tests/fuzz/run-fuzz.sh [seconds]
set -euo pipefail

seconds=${1:-30}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${ZIB_FUZZ_BUILD_DIR:-$root/build-fuzz}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZIB_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target fuzz_eventline -j 2

# New inputs go to a scratch corpus, so the kept seeds stay small and reviewed.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/tests/fuzz/fuzz_eventline" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -print_final_stats=1 "$work" "$root/tests/fuzz/corpus"
