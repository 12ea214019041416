#!/usr/bin/env bash
# The project's test command: installs what is missing, builds everything with warnings as
# errors, runs every test tier (logic, windows, desktop) and a short fuzzing run.
# Build folder: $ZIB_BUILD_DIR, default build/.
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
"$root/scripts/install-deps.sh" || { echo "summary: 0 passed, 1 failed (installing the dependencies)"; exit 1; }

step "configure and build ($build)"
if ! cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZIB_WERROR=ON -DZIB_BENCHMARKS=ON >/dev/null ||
    ! cmake --build "$build" -j "$jobs"; then
    echo "summary: 0 passed, 1 failed (the build)"
    exit 1
fi

step "tests"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --test-dir "$build" --output-on-failure 2>&1 | tee "$log"
ctest_rc=${PIPESTATUS[0]}
passed=0
failed=0
if counts=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1) && [[ -n "$counts" ]]; then
    failed=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$counts")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$counts")
    passed=$((total - failed))
fi
if ((ctest_rc != 0 && failed == 0)); then
    failed=1
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
