#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's test command: installs what is missing, builds everything with warnings as
# errors, runs every test tier (logic, windows, desktop), then all of them again in a build with
# the address and undefined-behaviour sanitizers, and a short fuzzing run.
# Build folders: $ZIB_BUILD_DIR (default build/) and the same name with -sanitize added.
# ZIB_SKIP_SANITIZER=1 leaves the sanitizer build out.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=${ZIB_BUILD_DIR:-build}
jobs=$(nproc 2>/dev/null || echo 2)

step()
{
    echo "== $*"
}

step "dependencies"
"$root/scripts/install-deps.sh" all || { echo "summary: 0 passed, 1 failed (installing the dependencies)"; exit 1; }

passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# build_and_test DIR LABEL [CMAKE OPTIONS...]: configures, builds and runs ctest in DIR, adding its
# counts to passed and failed. A failed build counts as one failed test.
build_and_test()
{
    local dir=$1 label=$2
    shift 2
    step "configure and build: $label ($dir)"
    if ! cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZIB_WERROR=ON "$@" >/dev/null ||
        ! cmake --build "$dir" -j "$jobs"; then
        echo "the $label build failed"
        failed=$((failed + 1))
        return
    fi
    step "tests: $label"
    ctest --test-dir "$dir" --output-on-failure 2>&1 | tee "$log"
    local rc=${PIPESTATUS[0]} counts run_failed=0 total=0
    if counts=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1) &&
        [[ -n "$counts" ]]; then
        run_failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$counts")
        total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$counts")
    fi
    if ((rc != 0 && run_failed == 0)); then
        run_failed=1
    fi
    passed=$((passed + total - run_failed))
    failed=$((failed + run_failed))
}

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
build_and_test "$build" "debug" -DZIB_BENCHMARKS=ON "${launcher[@]}"
# Every test again with AddressSanitizer and UndefinedBehaviorSanitizer, the program under the
# desktop tests included. Leaks are not judged: Qt and its plugins keep process-long allocations.
if [[ "${ZIB_SKIP_SANITIZER:-0}" != 1 ]]; then
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    build_and_test "${build}-sanitize" "address and undefined-behaviour sanitizers" -DZIB_SANITIZE=ON "${launcher[@]}"
    unset ASAN_OPTIONS UBSAN_OPTIONS
fi

fuzz=$root/tests/fuzz/run-fuzz.sh
if [[ -f "$fuzz" ]]; then
    step "fuzzing (30 s)"
    if bash "$fuzz" 30; then
        passed=$((passed + 1))
    else
        echo "fuzzing failed"
        failed=$((failed + 1))
    fi
fi

echo "summary: $passed passed, $failed failed"
((failed == 0 && passed > 0))
